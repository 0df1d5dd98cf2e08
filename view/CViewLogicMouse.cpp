// SPDX-License-Identifier: GPL-3.0-or-later
#include "CViewLogic.h"

#include "CZYLDoc.h"
#include "FuseMapLayout.h"
#include "DeviceOps.h"
#include "DocOps.h"
#include "Platform.h"

#include <algorithm>

// Fuse editing by mouse: the pencil cursor and the clicks on the
// programmable array of the current device type.

bool CViewLogic::IsFuseCursor(const ZPoint& pt) const
{
    if (m_doc.m_bBlockStructure == 1)
        return false;
    if (m_doc.m_bProm == 1) {
        for (int j = 0; j < CZYLDoc::kFunctions; ++j) {
            if (m_doc.m_rcOutputGate[j].Contains(pt))
                return true;
            for (int r = 0; r < CZYLDoc::kRows; ++r)
                if (m_doc.m_rcOrCell[j][r].Contains(pt))
                    return true;
        }
    }
    if (m_doc.m_bPal == 1) {
        for (int r = 0; r < CZYLDoc::kRows; ++r) {
            if (m_doc.m_rcRowGate[r].Contains(pt))
                return true;
            for (int c = 0; c < CZYLDoc::kColumns; ++c)
                if (m_doc.m_rcAndCell[c][r].Contains(pt))
                    return true;
        }
    }
    return false;
}

// The steps run in a fixed order within one click: OR cells, OR gates (PROM),
// AND cells, AND gates (PAL), then the repaint of the OR array and the
// annotations. A value chosen in the popup of a don't-care fuse is applied
// after the click's own re-derivation, as a command arriving after it would.
void CViewLogic::OnLButtonDown(const ZPoint& pt, const ZPoint& screen)
{
    if (m_doc.m_bBlockStructure == 1)
        return;
    bool changed = false;
    int popupChoice = -1;
    if (m_doc.m_bProm == 1)
        changed = ClickOrArray(pt, screen, popupChoice) || changed;
    if (m_doc.m_bProm == 1)
        changed = ClickOutputGate(pt) || changed;
    if (m_doc.m_bPal == 1)
        changed = ClickAndArray(pt) || changed;
    if (m_doc.m_bPal == 1)
        changed = ClickRowGate(pt) || changed;
    if (popupChoice >= 0 && popupChoice <= 2)
        SetPopupValue(ID_VALUE_0 + popupChoice);
    m_view.InvalidateViewRect(ClickRepaintArea());
    if (changed)
        DeviceChanged();
}

// PROM: the first OR cell under the point, scanned output by output; each
// output scanned is re-derived from its fuses and don't cares.
bool CViewLogic::ClickOrArray(const ZPoint& pt, const ZPoint& screen, int& popupChoice)
{
    bool hit = false;
    for (int j = 0; j < CZYLDoc::kFunctions && !hit; ++j) {
        for (int r = 0; r < CZYLDoc::kRows; ++r) {
            if (!m_doc.m_rcOrCell[j][r].Contains(pt))
                continue;
            hit = true;
            if (m_doc.m_szPromTable[j][r] == 'X') {
                m_nPopupMinterm = r;
                m_nPopupOutput = j;
                popupChoice = GetPlatform().TrackPopup({"0", "1", "X"}, screen);
            } else {
                TogglePromFuse(m_doc, j, r);
            }
            m_view.InvalidateViewRect(m_doc.m_rcOrCell[j][r]);
            break;
        }
        UpdateTruthTable(m_doc, j);
        UpdateLists(m_doc, j);
    }
    return hit;
}

// PROM: an output's OR gate does what its menu command does.
bool CViewLogic::ClickOutputGate(const ZPoint& pt)
{
    for (int j = 0; j < CZYLDoc::kFunctions; ++j) {
        if (m_doc.m_rcOutputGate[j].Contains(pt)) {
            OnCommand(OutputCommand(j));
            return true;
        }
    }
    return false;
}

// PAL: one AND fuse switches a literal in or out of its row's product.
bool CViewLogic::ClickAndArray(const ZPoint& pt)
{
    for (int r = 0; r < CZYLDoc::kRows; ++r) {
        CAndRow& row = m_doc.m_andRow[r];
        for (int c = 0; c < CZYLDoc::kColumns; ++c) {
            if (!row.m_rcCell[c].Contains(pt))
                continue;
            row.m_nFuse[c] = (row.m_nFuse[c] + 1) % 2;
            RecomputePalRow(r);
            m_view.InvalidateViewRect(row.m_rcCell[c]);
            return true;
        }
    }
    return false;
}

// PAL: a row's AND gate blows or re-instates all eight fuses by the row's own
// toggle, whatever single fuses were changed in between.
bool CViewLogic::ClickRowGate(const ZPoint& pt)
{
    for (int r = 0; r < CZYLDoc::kRows; ++r) {
        if (!m_doc.m_rcRowGate[r].Contains(pt))
            continue;
        m_doc.m_nRowToggle[r] = (m_doc.m_nRowToggle[r] + 1) % 2;
        CAndRow& row = m_doc.m_andRow[r];
        std::fill(std::begin(row.m_nFuse), std::end(row.m_nFuse), m_doc.m_nRowToggle[r]);
        RecomputePalRow(r);
        m_view.InvalidateViewRect(FuseMapLayout::RowRepaintArea(r));
        return true;
    }
    return false;
}

void CViewLogic::RecomputePalRow(int r)
{
    UpdateRowTerm(m_doc, r);
    CollectPalMinterms(m_doc, r / 4);
    RederivePalColumn(r / 4);
}
