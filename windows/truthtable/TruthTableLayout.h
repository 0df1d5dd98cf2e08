// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Geometry.h"

// Where the truth-table dialog's grid, texts and click areas lie, in client
// pixels (y downwards). The paint draws from here and the click handling
// hit-tests from here, so a value is always drawn in the area that changes it.
//
// The grid has eight columns 30 wide (four inputs, then four outputs) and a
// title row above sixteen rows 25 high. A double line parts the inputs from
// the outputs and the titles from the rows; the row-number column stands left
// of the grid.
namespace TruthTableLayout {

constexpr int kColumns = 8;
constexpr int kRows = 16;
constexpr int kColumnPitch = 30;
constexpr int kRowPitch = 25;
constexpr int kDoubleLineGap = 2;

constexpr int kLeft = 90;
constexpr int kRight = kLeft + kColumnPitch * kColumns;
constexpr int kTop = 110;                          // top of the title row
constexpr int kRowsTop = kTop + kRowPitch;         // top of row 0
constexpr int kBottom = kRowsTop + kRowPitch * kRows;
constexpr int kOutputsLeft = kLeft + kColumnPitch * kColumns / 2;

constexpr int ColumnLeft(int column) { return kLeft + kColumnPitch * column; }
constexpr int RowTop(int r) { return kRowsTop + kRowPitch * r; }

// The header box over the grid: "Inputs" over the input columns, "Outputs"
// over the output columns, with the double line between them.
constexpr int kHeaderTop = 88;
constexpr ZPoint kInputsHeading{135, 93};
constexpr ZPoint kOutputsHeading{245, 93};

// Texts start this far right of their column and below their row's top.
constexpr int kTitleY = kTop + 5;
constexpr ZPoint VariableTitle(int i) { return {ColumnLeft(i) + 11, kTitleY}; }
constexpr ZPoint FunctionTitle(int f) { return {ColumnLeft(4 + f) + 9, kTitleY}; }
constexpr ZPoint InputValue(int i, int r) { return {ColumnLeft(i) + 11, RowTop(r) + 6}; }

// The click area of output f in row r; its value is drawn in it, centred at
// the bottom. The areas leave gaps between the columns and the rows.
constexpr ZRect ClickRect(int f, int r)
{
    return {ColumnLeft(4 + f) + 5, RowTop(r), ColumnLeft(4 + f) + 28, RowTop(r) + 22};
}
// The output columns, gaps included: the pencil cursor and the value popup.
constexpr ZRect kOutputArea{ClickRect(0, 0).left, kRowsTop, kRight, ClickRect(3, kRows - 1).bottom};

// The row-number column, left of the grid with its own lines.
constexpr int kNumbersLeft = 50;
constexpr int kNumbersRight = kLeft - kDoubleLineGap;
constexpr ZPoint kNumbersHeading{60, kTop + 6};
constexpr ZPoint RowNumber(int r) { return {63, RowTop(r) + 6}; }

// The number column, repainted on its own when it is shown or hidden.
constexpr ZRect kNumbersArea{kNumbersLeft, kTop, 95, 560};

} // namespace TruthTableLayout
