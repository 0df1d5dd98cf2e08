// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CAndRow.h"
#include "CImplicant.h"
#include "Geometry.h"

#include <functional>
#include <string>
#include <vector>

// The whole state of the simulated device: device type, the two truth
// tables and the lists derived from them, the fuses of both arrays, the
// names, the display flags and the fixed geometry of the fuse map (copied
// from FuseMapLayout.h, which the view draws from). Every window reads and
// writes these fields directly; the operations of DocOps.h keep the derived
// fields consistent.
class CZYLDoc
{
public:
    enum { kFunctions = 4, kVariables = 4, kRows = 16, kColumns = 8, kTermSlots = 500, kSolutions = 10 };

    CImplicant m_aTerms[kFunctions * kTermSlots]; // function f owns slots 500f .. 500f + 499
    int m_aCover[kFunctions][kSolutions];         // term count of each solution; [f][0] is nTerms
    std::string m_strMessage;                     // text of the "ZYL Message" box
    char m_szPalTable[kFunctions][kRows];         // '0', '1', 'X'
    char m_szPromTable[kFunctions][kRows];
    ZRect m_rcFunctionArea[kFunctions];
    int m_nVariables;
    CAndRow m_andRow[kRows];
    std::string m_strFunctionName[kFunctions];
    std::string m_strVariableName[kVariables];
    int m_nOutputToggle[kFunctions];
    int m_nRowToggle[kRows];
    int m_bAndLabel;
    int m_bOrLabel;
    int m_bProm;
    int m_bPal;
    int m_bPla;
    int m_bShowMinterms;
    int m_bShowProductTerms;
    std::string m_strMintermLabel[kRows];
    int m_bBlockStructure;
    ZPoint m_ptAndCell[kColumns][kRows];
    ZRect m_rcAndCell[kColumns][kRows];
    ZRect m_rcRowGate[kRows];
    ZRect m_rcOutputGate[kFunctions];
    ZPoint m_ptOrCell[kFunctions][kRows];
    ZRect m_rcOrCell[kFunctions][kRows];
    int m_nOrFuse[kFunctions][kRows];
    int m_anPromMinterms[kFunctions][kRows];
    int m_nPromMinterms[kFunctions];
    int m_anPromDontCares[kFunctions][kRows];
    int m_nPromDontCares[kFunctions];
    int m_anPalMinterms[kFunctions][kRows];
    int m_nPalMinterms[kFunctions];
    int m_anPalDontCares[kFunctions][kRows];
    int m_nPalDontCares[kFunctions];

    // A fresh device: a PROM with every fuse intact, the default names, no
    // options shown, and the fuse-map geometry of FuseMapLayout.h.
    CZYLDoc();
    CZYLDoc(const CZYLDoc&) = delete;
    CZYLDoc& operator=(const CZYLDoc&) = delete;

    // File > New: nothing of the device is reset.
    bool OnNewDocument() { return true; }

    // Windows that show the document register here; UpdateAllViews calls
    // every listener (the view repaints, open dialogs refill).
    using Listener = std::function<void()>;
    int AddListener(Listener listener);
    void RemoveListener(int id);
    void UpdateAllViews();

    // The modified flag and its listeners (the frame's title shows it).
    bool IsModified() const { return m_bModified; }
    void SetModifiedFlag(bool modified = true);
    int AddModifiedListener(Listener listener);

    // The document's file path, empty while untitled.
    const std::string& GetPathName() const { return m_strPathName; }
    void SetPathName(const std::string& path) { m_strPathName = path; }

private:
    std::vector<std::pair<int, Listener>> m_listeners;
    std::vector<Listener> m_modifiedListeners;
    int m_nextListener = 1;
    bool m_bModified = false;
    std::string m_strPathName;
};
