// SPDX-License-Identifier: GPL-3.0-or-later
#include "CViewLogic.h"

#include "CZYLDoc.h"
#include "Platform.h"

// Fuse editing by mouse: the cell under a point, and a click on the
// programmable array of the current device type.

namespace L = FuseMapLayout;

std::optional<CFuseMapCell> FuseMapHit(const ZPoint& pt)
{
    for (int r = 0; r < Device::kRows; ++r) {
        for (int j = 0; j < Device::kFunctions; ++j)
            if (L::OrCellRect(j, r).Contains(pt))
                return CFuseMapCell{CFuseMapCell::OrCell, j, r, 0};
        for (int c = 0; c < Device::kColumns; ++c)
            if (L::AndCellRect(c, r).Contains(pt))
                return CFuseMapCell{CFuseMapCell::AndCell, FunctionOfRow(r), r, c};
        if (L::RowGate(r).Contains(pt))
            return CFuseMapCell{CFuseMapCell::RowGate, FunctionOfRow(r), r, 0};
    }
    for (int j = 0; j < Device::kFunctions; ++j)
        if (L::OutputGate(j).Contains(pt))
            return CFuseMapCell{CFuseMapCell::OutputGate, j, 0, 0};
    return std::nullopt;
}

bool CViewLogic::IsEditable(const CFuseMapCell& cell) const
{
    if (Dev().flags.blockStructure)
        return false;
    const bool orArray = cell.kind == CFuseMapCell::OrCell || cell.kind == CFuseMapCell::OutputGate;
    return Dev().type == (orArray ? DeviceType::Prom : DeviceType::Pal);
}

void CViewLogic::Click(const CFuseMapCell& cell, const ZPoint& screen)
{
    if (!IsEditable(cell))
        return;
    switch (cell.kind) {
    case CFuseMapCell::OrCell:
        ClickOrFuse(cell.f, cell.r, screen);
        break;
    case CFuseMapCell::OutputGate:
        OnCommand(OutputCommand(cell.f)); // what its menu command does
        break;
    case CFuseMapCell::AndCell:
        ClickAndFuse(cell.r, cell.c);
        break;
    case CFuseMapCell::RowGate:
        ClickRowGate(cell.r);
        break;
    }
}

// PROM: the fuse switches, and the entry with it; a don't care asks for its
// value in the popup instead, applied as the popup's command is.
void CViewLogic::ClickOrFuse(int f, int r, const ZPoint& screen)
{
    if (Dev().prom.Entry(f, r) != 'X') {
        m_doc.Edit([f, r](DeviceEditor& e) { e.TogglePromFuse(f, r); });
        return;
    }
    m_nPopupMinterm = r;
    m_nPopupOutput = f;
    const int choice = GetPlatform().TrackPopup({"0", "1", "X"}, screen);
    if (choice >= 0 && choice <= 2)
        SetPopupValue(ID_VALUE_0 + choice);
}

// PAL: one AND fuse switches a literal in or out of its row's product; the
// function's column follows what its rows produce.
void CViewLogic::ClickAndFuse(int r, int c)
{
    std::array<bool, 8> fuses = Dev().pal.Row(r).term.AndFuses();
    fuses[static_cast<std::size_t>(c)] = !fuses[static_cast<std::size_t>(c)];
    m_doc.Edit([r, fuses](DeviceEditor& e) {
        e.SetAndRow(r, ProductTerm::FromAndFuses(fuses));
        e.RederivePalColumn(FunctionOfRow(r));
    });
}

// PAL: a row's AND gate blows or re-instates all eight fuses by the row's own
// toggle, whatever single fuses were changed in between.
void CViewLogic::ClickRowGate(int r)
{
    const bool intact = !Dev().rowToggles[static_cast<std::size_t>(r)];
    m_doc.Edit([r, intact](DeviceEditor& e) {
        e.SetRowToggle(r, intact);
        e.SetAndRow(r, intact ? ProductTerm::Zero() : ProductTerm::One());
        e.RederivePalColumn(FunctionOfRow(r));
    });
}
