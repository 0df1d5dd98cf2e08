// SPDX-License-Identifier: GPL-3.0-or-later
#include "CZYLDoc.h"

#include "DocOps.h"
#include "FuseMapLayout.h"

#include <algorithm>

namespace {

namespace L = FuseMapLayout;

// No results yet: default-constructed term records, no covers, no message.
void ClearResults(CZYLDoc& doc)
{
    for (auto& counts : doc.m_aCover)
        std::fill(std::begin(counts), std::end(counts), 0);
    doc.m_strMessage.clear();
}

// A fresh PROM has every OR fuse intact: every function is 1 everywhere.
void SetPromTables(CZYLDoc& doc)
{
    for (int f = 0; f < CZYLDoc::kFunctions; ++f) {
        for (int r = 0; r < CZYLDoc::kRows; ++r) {
            doc.m_szPromTable[f][r] = '1';
            doc.m_anPromMinterms[f][r] = r;
            doc.m_anPromDontCares[f][r] = 0;
        }
        doc.m_nPromMinterms[f] = CZYLDoc::kRows;
        doc.m_nPromDontCares[f] = 0;
    }
}

// A fresh PAL computes 0 for every function.
void SetPalTables(CZYLDoc& doc)
{
    for (int f = 0; f < CZYLDoc::kFunctions; ++f) {
        for (int r = 0; r < CZYLDoc::kRows; ++r) {
            doc.m_szPalTable[f][r] = '0';
            doc.m_anPalMinterms[f][r] = 0;
            doc.m_anPalDontCares[f][r] = 0;
        }
        doc.m_nPalMinterms[f] = 0;
        doc.m_nPalDontCares[f] = 0;
    }
}

void SetFunctionAreas(CZYLDoc& doc)
{
    for (int f = 0; f < CZYLDoc::kFunctions; ++f)
        doc.m_rcFunctionArea[f] = L::FunctionArea(f);
}

// The AND cells and the gates' click areas; each row keeps its own copy of
// its cells.
void SetAndGeometry(CZYLDoc& doc)
{
    for (int c = 0; c < CZYLDoc::kColumns; ++c) {
        for (int r = 0; r < CZYLDoc::kRows; ++r) {
            doc.m_ptAndCell[c][r] = L::AndCell(c, r);
            doc.m_rcAndCell[c][r] = L::AndCellRect(c, r);
        }
    }
    for (int r = 0; r < CZYLDoc::kRows; ++r)
        doc.m_rcRowGate[r] = L::RowGate(r);
    for (int j = 0; j < CZYLDoc::kFunctions; ++j)
        doc.m_rcOutputGate[j] = L::OutputGate(j);
    for (int r = 0; r < CZYLDoc::kRows; ++r) {
        for (int c = 0; c < CZYLDoc::kColumns; ++c) {
            doc.m_andRow[r].m_ptCell[c] = doc.m_ptAndCell[c][r];
            doc.m_andRow[r].m_rcCell[c] = doc.m_rcAndCell[c][r];
        }
    }
}

// Every AND fuse intact: each row connects both literals of every variable,
// so its product is "0".
void SetAndRows(CZYLDoc& doc)
{
    for (CAndRow& row : doc.m_andRow) {
        row.m_strTerm = "0";
        row.m_nVariables = CZYLDoc::kVariables;
        std::fill(std::begin(row.m_nFuse), std::end(row.m_nFuse), 1);
    }
}

void SetOrArray(CZYLDoc& doc)
{
    for (int j = 0; j < CZYLDoc::kFunctions; ++j) {
        for (int r = 0; r < CZYLDoc::kRows; ++r) {
            doc.m_ptOrCell[j][r] = L::OrCell(j, r);
            doc.m_rcOrCell[j][r] = L::OrCellRect(j, r);
        }
    }
    for (auto& column : doc.m_nOrFuse)
        std::fill(std::begin(column), std::end(column), 1);
}

// The gate toggles start "last set intact"; the device is a PROM with no
// labels, annotations or block structure shown.
void SetTogglesAndFlags(CZYLDoc& doc)
{
    std::fill(std::begin(doc.m_nRowToggle), std::end(doc.m_nRowToggle), 1);
    std::fill(std::begin(doc.m_nOutputToggle), std::end(doc.m_nOutputToggle), 1);
    doc.m_bAndLabel = 0;
    doc.m_bOrLabel = 0;
    doc.m_bProm = 1;
    doc.m_bPal = 0;
    doc.m_bPla = 0;
    doc.m_bShowMinterms = 0;
    doc.m_bShowProductTerms = 0;
    doc.m_bBlockStructure = 0;
}

void SetDefaultNames(CZYLDoc& doc)
{
    for (int f = 0; f < CZYLDoc::kFunctions; ++f)
        doc.m_strFunctionName[f] = "Y" + std::to_string(f);
    const char* names[CZYLDoc::kVariables] = {"A", "B", "C", "D"};
    for (int i = 0; i < CZYLDoc::kVariables; ++i)
        doc.m_strVariableName[i] = names[i];
}

} // namespace

CZYLDoc::CZYLDoc()
{
    ClearResults(*this);
    SetPromTables(*this);
    SetPalTables(*this);
    SetFunctionAreas(*this);
    m_nVariables = kVariables;
    SetAndGeometry(*this);
    SetAndRows(*this);
    SetOrArray(*this);
    SetTogglesAndFlags(*this);
    SetDefaultNames(*this);
    // Last: the labels are built from the names.
    BuildMintermLabels(*this);
}

int CZYLDoc::AddListener(Listener listener)
{
    const int id = m_nextListener++;
    m_listeners.emplace_back(id, std::move(listener));
    return id;
}

void CZYLDoc::RemoveListener(int id)
{
    std::erase_if(m_listeners, [id](const auto& entry) { return entry.first == id; });
}

void CZYLDoc::UpdateAllViews()
{
    // A listener may register or remove listeners; walk a copy.
    const auto listeners = m_listeners;
    for (const auto& entry : listeners)
        entry.second();
}

void CZYLDoc::SetModifiedFlag(bool modified)
{
    if (m_bModified == modified)
        return;
    m_bModified = modified;
    for (const auto& listener : m_modifiedListeners)
        listener();
}

int CZYLDoc::AddModifiedListener(Listener listener)
{
    m_modifiedListeners.push_back(std::move(listener));
    return static_cast<int>(m_modifiedListeners.size());
}
