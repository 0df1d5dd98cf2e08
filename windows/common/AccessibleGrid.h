// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Geometry.h"

#include <string>

// What a screen reader is told about a grid drawn by a window (a fuse
// array, a truth table, a Karnaugh map), without Qt: its size, its header
// texts and each cell's name, value and state, read from the window's
// logic whenever asked, so nothing is stored twice. The accessible table
// (AccessibleTable.h) turns it into table cells on the accessibility bus.
class CAccessibleGrid
{
public:
    virtual ~CAccessibleGrid() = default;

    virtual int Rows() const = 0;
    virtual int Columns() const = 0;
    // The table's own name ("OR array"), and the texts of the headers.
    virtual std::string Caption() const = 0;
    virtual std::string RowHeader(int /*row*/) const { return {}; }
    virtual std::string ColumnHeader(int /*column*/) const { return {}; }
    // The cell's name, which says what it is and its state ("AND fuse, row
    // 3, input B complemented, intact"), and its value ("0", "1", "X"; ""
    // for none).
    virtual std::string CellName(int row, int column) const = 0;
    virtual std::string CellValue(int /*row*/, int /*column*/) const { return {}; }
    // A cell with two states (a fuse: intact or blown) is checkable, and
    // checked in its first.
    virtual bool CellCheckable(int /*row*/, int /*column*/) const { return false; }
    virtual bool CellChecked(int /*row*/, int /*column*/) const { return false; }
    // Whether a click on it would act now (the cell is not hard-wired or
    // hidden behind the block structure).
    virtual bool CellEnabled(int /*row*/, int /*column*/) const { return true; }
    // The cell the keyboard cursor is on.
    virtual bool CellFocused(int /*row*/, int /*column*/) const { return false; }
    // Where the cell is drawn, in the window's logical units.
    virtual ZRect CellRect(int row, int column) const = 0;
};
