// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Geometry.h"

// Where everything of the fuse map lies, in logical units (y downwards):
// the fuse cells and gate click areas, the lines, the pictures, the texts,
// and the annotation areas. The view draws from here and its hit test
// (FuseMapHit) reads the same rectangles, so what is drawn and what is hit
// cannot drift apart. The device (Device.h) holds no geometry.
//
// The two arrays share one grid: columns 21 apart, rows 25 apart. A fuse
// picture is a 15 x 15 cell whose lines cross at its centre (7, 7), so every
// line of the drawing runs through the centres of its cells. The pictures of
// gates and buffers are placed by the pixel where their own line leaves them.
namespace FuseMapLayout {

// --- Cells and click areas ----------------------------------------------

constexpr int kFuseSize = 15;
constexpr int kFuseCentre = 7;
constexpr int kColumnPitch = 21;
constexpr int kRowPitch = 25;
constexpr int kAndLeft = 48;    // AND column 0
constexpr int kOrLeft = 277;    // OR column 0
constexpr int kCellTop = 138;   // row 0

constexpr int RowTop(int r) { return kCellTop + kRowPitch * r; }
constexpr ZPoint AndCell(int c, int r) { return {kAndLeft + kColumnPitch * c, RowTop(r)}; }
constexpr ZPoint OrCell(int j, int r) { return {kOrLeft + kColumnPitch * j, RowTop(r)}; }
constexpr ZRect CellRect(const ZPoint& p) { return {p.x, p.y, p.x + kFuseSize, p.y + kFuseSize}; }
constexpr ZRect AndCellRect(int c, int r) { return CellRect(AndCell(c, r)); }
constexpr ZRect OrCellRect(int j, int r) { return CellRect(OrCell(j, r)); }

// Row r's AND gate answers a click as tall as its cells, between the arrays.
constexpr int kRowGateLeft = 225;
constexpr int kRowGateRight = 255;
constexpr ZRect RowGate(int r) { return {kRowGateLeft, RowTop(r), kRowGateRight, RowTop(r) + kFuseSize}; }
// Output j's OR gate answers a click on its body, from one unit right of its column.
constexpr int kOutputGateTop = 540;
constexpr int kOutputGateBottom = 565;
constexpr int kOutputGateWidth = 12;
constexpr ZRect OutputGate(int j)
{
    return {OrCell(j, 0).x + 1, kOutputGateTop, OrCell(j, 0).x + 1 + kOutputGateWidth, kOutputGateBottom};
}

// --- Lines --------------------------------------------------------------

constexpr int AndColumnX(int c) { return AndCell(c, 0).x + kFuseCentre; }
constexpr int OrColumnX(int j) { return OrCell(j, 0).x + kFuseCentre; }
constexpr int ProductLineY(int r) { return RowTop(r) + kFuseCentre; }

// The arrays begin under the input buffers.
constexpr int kArrayTop = 120;
// Input lines run down to the top of the OR gates' click areas, output
// lines down to the OR gate pictures; product lines cross both arrays.
constexpr int kInputLineBottom = kOutputGateTop;
constexpr int kProductLineLeft = 40;
constexpr int kProductLineRight = 368;

// --- Pictures (the area each is copied to) -------------------------------

constexpr ZRect Area(int x, int y, int w, int h) { return {x, y, x + w, y + h}; }

// Input buffer of variable k: its true output (x = 5) feeds column 2k,
// its complemented output column 2k + 1; its bottom is the array's top.
constexpr ZRect InputBuffer(int k) { return Area(AndColumnX(2 * k) - 5, kArrayTop - 60, 32, 60); }
// AND gate of row r: the product line enters it at y = 10.
constexpr ZRect AndGatePicture(int r) { return Area(218, ProductLineY(r) - 10, 43, 21); }
// OR gate of output j: the output line enters it at x = 9.
constexpr int kOrGateTop = 535;
constexpr ZRect OrGatePicture(int j) { return Area(OrColumnX(j) - 9, kOrGateTop, 19, 47); }

// The array labels show one of two halves of their picture: the AND
// label's second half (programmable) starts at y = 73, the OR label's
// (hard-wired) at y = 69.
constexpr ZRect kAndArrayLabel = Area(45, 565, 172, 63);
constexpr int kAndLabelSecondHalf = 73;
constexpr ZRect kOrArrayLabel = Area(263, 50, 103, 62);
constexpr int kOrLabelSecondHalf = 69;

// Block structure: the two blocks cover the arrays, the arrows name the
// inputs above and the outputs below.
constexpr ZRect kAndBlock = Area(40, kArrayTop, 215, 450);
constexpr ZRect kOrBlock = Area(275, kArrayTop, 100, 450);
constexpr ZRect kInputsArrow = Area(210, 40, 100, 15);
constexpr ZRect kOutputsArrow = Area(185, 585, 100, 15);

// --- Texts (top-left corners) --------------------------------------------

constexpr ZPoint kTitle{50, 6};
constexpr int kTitleUnderlineY = 30;
constexpr int kTitleUnderlineLongEnd = 400;  // the PROM's longer title
constexpr int kTitleUnderlineShortEnd = 310;
// Variable names above their buffers, function names under their gates.
constexpr ZPoint VariableName(int k) { return {InputBuffer(k).left + 12, 40}; }
constexpr ZPoint FunctionName(int j) { return {OrCell(j, 0).x + 3, OrGatePicture(j).bottom + 3}; }
// Row labels (minterms, product terms) right of the OR array.
constexpr int kRowLabelX = 380;
constexpr ZPoint RowLabel(int r) { return {kRowLabelX, RowTop(r) - 1}; }

// --- Function annotations --------------------------------------------------

// Function f's block of annotation lines.
constexpr ZRect FunctionArea(int f) { return {500, 80 + 80 * f, 1100, 380 + 80 * f}; }
// Within an area: the first line's top and the line pitch, and the x
// offsets of the label, the "=" of the following lines, the terms, a
// single PROM minterm, and the list that follows the sigma picture.
constexpr int kAnnotationTop = 60;
constexpr int kAnnotationLinePitch = 25;
constexpr int kAnnotationLabelX = 0;
constexpr int kAnnotationEqualsX = 20;
constexpr int kAnnotationTermsX = 35;
constexpr int kAnnotationSingleMintermX = 40;
constexpr int kAnnotationListX = 50;

} // namespace FuseMapLayout
