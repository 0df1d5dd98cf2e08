// SPDX-License-Identifier: GPL-3.0-or-later
#include "CZYLDoc.h"

#include "DocOps.h"

#include <algorithm>

CZYLDoc::CZYLDoc()
{
    // Term pool and message text: default-constructed records, empty text.
    for (auto& counts : m_aCover)
        std::fill(std::begin(counts), std::end(counts), 0);
    m_strMessage.clear();

    // PROM truth table '1' with the full minterm lists; no don't cares.
    for (int f = 0; f < kFunctions; ++f) {
        for (int r = 0; r < kRows; ++r) {
            m_szPromTable[f][r] = '1';
            m_anPromMinterms[f][r] = r;
            m_anPromDontCares[f][r] = 0;
        }
        m_nPromMinterms[f] = kRows;
        m_nPromDontCares[f] = 0;
    }

    // PAL truth table '0' with empty lists.
    for (int f = 0; f < kFunctions; ++f) {
        for (int r = 0; r < kRows; ++r) {
            m_szPalTable[f][r] = '0';
            m_anPalMinterms[f][r] = 0;
            m_anPalDontCares[f][r] = 0;
        }
        m_nPalMinterms[f] = 0;
        m_nPalDontCares[f] = 0;
    }

    for (int f = 0; f < kFunctions; ++f)
        m_rcFunctionArea[f] = ZRect{500, 80 + 80 * f, 1100, 380 + 80 * f};
    m_nVariables = kVariables;

    // AND cell geometry.
    for (int c = 0; c < kColumns; ++c) {
        for (int r = 0; r < kRows; ++r) {
            m_ptAndCell[c][r] = ZPoint{48 + 21 * c, 138 + 25 * r};
            m_rcAndCell[c][r] = ZRect{48 + 21 * c, 138 + 25 * r, 63 + 21 * c, 153 + 25 * r};
        }
    }

    // Row-gate and output-gate click areas.
    for (int r = 0; r < kRows; ++r)
        m_rcRowGate[r] = ZRect{225, 138 + 25 * r, 255, 153 + 25 * r};
    for (int j = 0; j < kFunctions; ++j)
        m_rcOutputGate[j] = ZRect{278 + 21 * j, 540, 290 + 21 * j, 565};

    // The rows' own copy of the cell geometry, their text and width.
    for (int r = 0; r < kRows; ++r) {
        CAndRow& row = m_andRow[r];
        for (int c = 0; c < kColumns; ++c) {
            row.m_ptCell[c] = m_ptAndCell[c][r];
            row.m_rcCell[c] = m_rcAndCell[c][r];
        }
        row.m_strTerm = "0";
        row.m_nVariables = 4;
    }
    for (auto& row : m_andRow)
        std::fill(std::begin(row.m_nFuse), std::end(row.m_nFuse), 1);

    // OR cell geometry and fuses.
    for (int j = 0; j < kFunctions; ++j) {
        for (int r = 0; r < kRows; ++r) {
            m_ptOrCell[j][r] = ZPoint{277 + 21 * j, 138 + 25 * r};
            m_rcOrCell[j][r] = ZRect{277 + 21 * j, 138 + 25 * r, 292 + 21 * j, 153 + 25 * r};
        }
    }
    for (auto& column : m_nOrFuse)
        std::fill(std::begin(column), std::end(column), 1);

    std::fill(std::begin(m_nRowToggle), std::end(m_nRowToggle), 1);
    std::fill(std::begin(m_nOutputToggle), std::end(m_nOutputToggle), 1);

    m_bAndLabel = 0;
    m_bOrLabel = 0;
    m_bProm = 1;
    m_bPal = 0;
    m_bPla = 0;
    m_bShowMinterms = 0;
    m_bShowProductTerms = 0;
    m_bBlockStructure = 0;

    for (int f = 0; f < kFunctions; ++f)
        m_strFunctionName[f] = "Y" + std::to_string(f);
    const char* names[kVariables] = {"A", "B", "C", "D"};
    for (int i = 0; i < kVariables; ++i)
        m_strVariableName[i] = names[i];

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
