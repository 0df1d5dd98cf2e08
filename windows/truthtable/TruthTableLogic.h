// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "AccessibleGrid.h"
#include "Geometry.h"

#include <optional>
#include <string>
#include <vector>

class CZYLDoc;
struct Device;

// What the truth-table dialog shows, where its cells lie and what a click
// or a popup value does to the device, without widgets. Coordinates are
// client pixels of the dialog; the dialog turns a point into a cell
// (TableHitCell) and the handlers take the cell. The Karnaugh maps call the
// same handlers with the cell of their map.

extern const char* const kTableSopLimitMessage;   // left click, PAL
extern const char* const kTablePopupLimitMessage; // popup value, PAL

// One output cell: function f (0..3), row r (0..15).
struct CTableCell
{
    int f = 0;
    int r = 0;
    friend bool operator==(const CTableCell&, const CTableCell&) = default;
};

// The keys that move a keyboard cursor over a surface's cells.
enum class CCursorKey
{
    Left,
    Right,
    Up,
    Down,
    Home,
    End,
    PageUp,
    PageDown
};

// The keyboard cursor over the output cells after a key: Left and Right
// to the neighbouring function, Up and Down to the neighbouring row, Home
// and End to the first and the last function of the row, Page Up and Page
// Down to the first and the last row; it stops at the edges.
CTableCell TableMoveCursor(const CTableCell& cell, CCursorKey key);

// Click area of output f in row r: (215 + 30f, 135 + 25r, 238 + 30f, 157 + 25r).
ZRect TableClickRect(int f, int r);
// The output columns (cursor and popup).
ZRect TableOutputArea();

// The first cell, by function then row, whose click area holds the point;
// none in the gaps between the areas and outside the output columns.
std::optional<CTableCell> TableHitCell(const ZPoint& point);

// A right click here opens the value popup (anywhere in the output area,
// the gaps included).
bool TableOpensValuePopup(const ZPoint& rightClick);
// The items of the value popup, in the order of their values.
const std::vector<std::string>& TableValuePopupItems();
// The value of popup item index ('0', '1', 'X'), or 0 for no item.
char TableValueOfPopupItem(int index);

// Keys and buttons held at a left-button release. The click is a
// Shift+click only when Shift is the one thing held.
enum TableKeyFlags
{
    kTableShift = 1,
    kTableControl = 2,
    kTableAlt = 4,
    kTableOtherButton = 8
};
bool TableIsShiftClick(int flags);

// The character shown in a cell: the PROM or the PAL table entry, 0 in
// PLA mode (no output values).
char TableCellValue(const Device& device, int f, int r);
// The column title markup of function f: a one-character name as it is,
// otherwise its first character, "~d" and its last character.
std::string TableFunctionTitle(const std::string& name);

// What a handler did.
struct CTableChange
{
    bool refused = false; // PAL: a function needed more than 4 terms
};

// Left button up on a cell, one change of the document. PROM: Shift+click
// makes the cell a don't care realised by a blown fuse, a plain click
// toggles the OR fuse (an 'X' cell stays 'X'). PAL: the entry changes, the
// function is minimized with its don't cares and programmed into its rows;
// a function that would need a fifth term is refused with
// kTableSopLimitMessage, shown over every window showing the refused entry,
// and its table is set back to what it was before the click. PLA: nothing.
CTableChange TableLeftClick(CZYLDoc& doc, const CTableCell& cell, bool shiftClick);

// Popup value v ('0', '1', 'X') for the cell of the right click (none when
// it fell between the cells), one change of the document. PROM: the entry
// becomes v, the fuse 0 for '0' and 1 otherwise. PAL: the entry changes,
// then every function is minimized again without its don't cares and
// programmed; a function that needs more than 4 terms is refused with
// kTablePopupLimitMessage (once per function) and set back. PLA or another
// value: nothing.
CTableChange TablePopupValue(CZYLDoc& doc, const std::optional<CTableCell>& cell, char v);

// Top-left corner of the dialog: the top right corner of the screen
// (x = screen width - 365, y = 0), kept wholly on the screen.
ZPoint TableDialogPosition(const ZSize& screen, const ZSize& dialog);

// The truth table as a screen reader reads it: a row an input combination
// (headed by its number), a column an input and then an output (headed by
// the current names). An input cell reads its bit, an output cell its
// value, 0, 1 or X (none in PLA mode); each cell's name says which it is
// and its value ("Y1, row 5, X"). The keyboard cursor is on an output cell.
class CTableAccessGrid : public CAccessibleGrid
{
public:
    static constexpr int kOutputColumn = 4; // the column of function 0

    CTableAccessGrid(const CZYLDoc& doc, const CTableCell& cursor)
        : m_doc(doc)
        , m_cursor(cursor)
    {
    }
    int Rows() const override;
    int Columns() const override;
    std::string Caption() const override { return "Truth table"; }
    std::string RowHeader(int row) const override;
    std::string ColumnHeader(int column) const override;
    std::string CellName(int row, int column) const override;
    std::string CellValue(int row, int column) const override;
    bool CellFocused(int row, int column) const override;
    ZRect CellRect(int row, int column) const override;

private:
    const CZYLDoc& m_doc;
    const CTableCell& m_cursor;
};
