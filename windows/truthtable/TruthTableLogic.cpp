// SPDX-License-Identifier: GPL-3.0-or-later
#include "TruthTableLogic.h"

#include "CZYLDoc.h"
#include "PlacementLogic.h"
#include "Platform.h"
#include "TruthTableLayout.h"
#include "Utf8.h"

#include <algorithm>


const char* const kTableSopLimitMessage =
    "\n\nThe function entered has more than 4 SOP terms\n and so cannot be implemented\n\nby this four SOP-term PAL.";
const char* const kTablePopupLimitMessage = "\n\nThe function entered cannot be implemented\n\nby this four minterm PAL.";

namespace {

// The value a left click gives an entry: Shift+click a don't care, a plain
// click turns '0' into '1' and '1' or 'X' into '0'.
char LeftClickValue(char entry, bool shiftClick)
{
    if (shiftClick)
        return 'X';
    return entry == '0' ? '1' : '0';
}

// PAL function f's column with entry r set to v.
Column PalColumnWith(const Device& device, int f, int r, char v)
{
    Column column = device.pal.Table(f);
    column[static_cast<std::size_t>(r)] = v;
    return column;
}

} // namespace

// --- Geometry ---------------------------------------------------------------

// The dialog paints from the same layout.
ZRect TableClickRect(int f, int r) { return TruthTableLayout::ClickRect(f, r); }
ZRect TableOutputArea() { return TruthTableLayout::kOutputArea; }

std::optional<CTableCell> TableHitCell(const ZPoint& point)
{
    for (int f = 0; f < Device::kFunctions; ++f)
        for (int r = 0; r < Device::kRows; ++r)
            if (TableClickRect(f, r).Contains(point))
                return CTableCell{f, r};
    return std::nullopt;
}

CTableCell TableMoveCursor(const CTableCell& cell, CCursorKey key)
{
    CTableCell next = cell;
    switch (key) {
    case CCursorKey::Left: --next.f; break;
    case CCursorKey::Right: ++next.f; break;
    case CCursorKey::Up: --next.r; break;
    case CCursorKey::Down: ++next.r; break;
    case CCursorKey::Home: next.f = 0; break;
    case CCursorKey::End: next.f = Device::kFunctions - 1; break;
    case CCursorKey::PageUp: next.r = 0; break;
    case CCursorKey::PageDown: next.r = Device::kRows - 1; break;
    }
    next.f = std::clamp(next.f, 0, Device::kFunctions - 1);
    next.r = std::clamp(next.r, 0, Device::kRows - 1);
    return next;
}

bool TableOpensValuePopup(const ZPoint& rightClick) { return TableOutputArea().Contains(rightClick); }

const std::vector<std::string>& TableValuePopupItems()
{
    static const std::vector<std::string> items{"0", "1", "X"};
    return items;
}

char TableValueOfPopupItem(int index)
{
    static const char values[] = {'0', '1', 'X'};
    return index >= 0 && index < 3 ? values[index] : 0;
}

bool TableIsShiftClick(int flags) { return flags == kTableShift; }

char TableCellValue(const Device& device, int f, int r)
{
    if (f < 0 || f >= Device::kFunctions || r < 0 || r >= Device::kRows)
        return 0;
    return device.Entry(f, r);
}

std::string TableFunctionTitle(const std::string& name)
{
    // The first and the last character, whole (a character may take several bytes).
    const std::size_t length = Utf8::CountChars(name);
    if (length < 2)
        return name;
    return std::string(Utf8::CharAtIndex(name, 0)) + "~d" + std::string(Utf8::CharAtIndex(name, length - 1));
}

ZPoint TableDialogPosition(const ZSize& screen, const ZSize& dialog)
{
    return ClampToScreen(ZPoint{screen.cx - 365, 0}, dialog, screen);
}

// --- Handlers ---------------------------------------------------------------

CTableChange TableLeftClick(CZYLDoc& doc, const CTableCell& cell, bool shiftClick)
{
    CTableChange change;
    const Device& device = doc.Device();
    if (device.type == DeviceType::Prom) {
        doc.Edit([&](DeviceEditor& e) {
            if (shiftClick)
                e.SetPromEntry(cell.f, cell.r, 'X', false);
            else
                e.TogglePromFuse(cell.f, cell.r);
        });
    } else if (device.type == DeviceType::Pal) {
        const char value = LeftClickValue(device.pal.Entry(cell.f, cell.r), shiftClick);
        const Column column = PalColumnWith(device, cell.f, cell.r, value);
        doc.Edit([&](DeviceEditor& e) {
            // The refused entry stays visible while the message is up.
            const PalRefusal refusal{true, [&e] {
                                         e.Publish();
                                         ShowStandardMessage(kTableSopLimitMessage);
                                     }};
            change.refused =
                e.ProgramPalColumn(cell.f, column, PalDontCares::Offered, refusal) == ProgramResult::Refused;
        });
    }
    return change;
}

CTableChange TablePopupValue(CZYLDoc& doc, const std::optional<CTableCell>& cell, char v)
{
    CTableChange change;
    if (v != '0' && v != '1' && v != 'X')
        return change;
    const Device& device = doc.Device();
    if (device.type == DeviceType::Prom) {
        if (cell)
            doc.Edit([&](DeviceEditor& e) { e.SetPromEntry(cell->f, cell->r, v); });
    } else if (device.type == DeviceType::Pal) {
        // Every function is programmed again from its ON-set alone.
        doc.Edit([&](DeviceEditor& e) {
            const PalRefusal refusal{true, [] { ShowStandardMessage(kTablePopupLimitMessage); }};
            for (int f = 0; f < Device::kFunctions; ++f) {
                const ProgramResult result =
                    cell && cell->f == f
                        ? e.ProgramPalColumn(f, PalColumnWith(e.Read(), f, cell->r, v), PalDontCares::Ignored, refusal)
                        : e.ProgramPalFunction(f, PalDontCares::Ignored, refusal);
                change.refused = change.refused || result == ProgramResult::Refused;
            }
        });
    }
    return change;
}

// --- The table read aloud ----------------------------------------------------

int CTableAccessGrid::Rows() const { return Device::kRows; }
int CTableAccessGrid::Columns() const { return kOutputColumn + Device::kFunctions; }
std::string CTableAccessGrid::RowHeader(int row) const { return std::to_string(row); }

std::string CTableAccessGrid::ColumnHeader(int column) const
{
    const CNames& names = m_doc.Device().names;
    if (column < kOutputColumn)
        return names.variables[static_cast<std::size_t>(column)];
    return names.functions[static_cast<std::size_t>(column - kOutputColumn)];
}

std::string CTableAccessGrid::CellValue(int row, int column) const
{
    if (column < kOutputColumn)
        return std::to_string((row >> (kOutputColumn - 1 - column)) & 1);
    const char value = TableCellValue(m_doc.Device(), column - kOutputColumn, row);
    return value == 0 ? std::string() : std::string(1, value);
}

std::string CTableAccessGrid::CellName(int row, int column) const
{
    const std::string value = CellValue(row, column);
    return ColumnHeader(column) + ", row " + std::to_string(row) + ", " + (value.empty() ? "no value" : value);
}

bool CTableAccessGrid::CellFocused(int row, int column) const
{
    return row == m_cursor.r && column == kOutputColumn + m_cursor.f;
}

ZRect CTableAccessGrid::CellRect(int row, int column) const
{
    namespace L = TruthTableLayout;
    if (column >= kOutputColumn)
        return L::ClickRect(column - kOutputColumn, row);
    return {L::ColumnLeft(column) + 1, L::RowTop(row) + 1, L::ColumnLeft(column + 1), L::RowTop(row + 1)};
}
