// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Geometry.h"
#include "AccessibleGrid.h"
#include "ProductTerm.h"
#include "TruthTableLogic.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class CoverCache;
class CZYLDoc;
struct Device;

// The Karnaugh maps window without widgets: where the four 4 x 4 maps and
// their cells lie, which groups each function shows and where they are
// drawn, the hit tests, and what a click on a cell does. Coordinates are
// client pixels of the maps' canvas (y downwards).
//
// A map's rows are AB = 00, 01, 11, 10 and its columns CD = 00, 01, 11, 10
// (Gray code: neighbouring cells, the edges included, differ in one
// variable). Minterm m has A as its bit 3 and D as its bit 0.

namespace KarnaughLayout {

constexpr int kCell = 40;                       // a cell's side
constexpr int kMargin = 12;                     // around the maps
constexpr int kMapLeft = 54;                    // block's left to its map
constexpr int kMapTop = 72;                     // block's top to its map
constexpr int kTermsGap = 22;                   // map's right to the term texts
constexpr int kTermsWidth = 150;                // room for the term texts
constexpr int kTermPitch = 18;                  // one term text line
constexpr int kBlockWidth = kMapLeft + 4 * kCell + kTermsGap + kTermsWidth;
constexpr int kBlockHeight = kMapTop + 4 * kCell + 26;
constexpr int kFirstInset = 3;                  // an outline from its cells
constexpr int kInsetStep = 4;                   // between overlapping outlines
// The deepest inset: a one-cell outline stays kCell - 2 * kMaxInset wide.
constexpr int kMaxInset = 12;
constexpr int kOutlineReach = 3;                // how near an outline a point hits it

} // namespace KarnaughLayout

// --- Gray-code placement -------------------------------------------------------

// The two-variable value of Gray position i (0..3): 0, 1, 3, 2.
constexpr int KarnaughGray(int i) { return i ^ (i >> 1); }
// The minterm in row (AB) and column (CD) of a map.
constexpr int KarnaughMinterm(int row, int column) { return KarnaughGray(row) << 2 | KarnaughGray(column); }

struct CKarnaughCell
{
    int row = 0;
    int column = 0;
    friend bool operator==(const CKarnaughCell&, const CKarnaughCell&) = default;
};
// Where minterm m (0..15) stands.
CKarnaughCell KarnaughCellOf(int m);

// --- Groups --------------------------------------------------------------------

// One rectangular piece of a group, in cells: rows row .. row + rows - 1 and
// columns column .. column + columns - 1. A group that wraps around an
// edge is split into pieces, each open on the side where it runs on over
// the edge (its outline runs past the map's border and is drawn cut off
// there).
struct CKarnaughPiece
{
    int row = 0;
    int rows = 1;
    int column = 0;
    int columns = 1;
    bool openTop = false;
    bool openBottom = false;
    bool openLeft = false;
    bool openRight = false;
};

// One product term of a function as its map shows it: the product and its
// cells.
struct CKarnaughGroup
{
    ProductTerm product;
    std::string text;      // the term with "^" before complemented names
    int andRow = -1;       // PAL: the AND row 0..15 it is; PROM: -1
    int term = -1;         // PROM: its place in the annotation's sum; PAL: -1
    std::uint16_t cells{}; // the product's minterms (bit m: minterm m)
    std::vector<CKarnaughPiece> pieces;
    int inset = KarnaughLayout::kFirstInset; // of its outline from its cells
};

// The pieces of the product's group, in reading order.
std::vector<CKarnaughPiece> KarnaughPieces(ProductTerm product);

// Sets the insets of one map's groups: a group sharing no cell with an
// earlier one keeps kFirstInset; the larger groups go outside, and each
// group sharing cells with others takes the first inset none of them has,
// so identical and nested groups stay apart (also told apart by colour).
// The steps shrink when many groups share cells, so that no inset passes
// kMaxInset and every outline stays a visible ring around its own cells.
void KarnaughAssignInsets(std::vector<CKarnaughGroup>& groups);

using CKarnaughGroups = std::array<std::vector<CKarnaughGroup>, 4>;

// The groups each function's map shows, their insets set. PROM: the minimizer's first
// lowest-cost cover of the function's minterms and don't cares, as the
// annotations write it (the cache's, none for an empty ON-set). PAL: the
// function's four AND rows as their fuses stand, in row order; a row that
// is the constant 0 shows nothing, a row that is 1 covers the whole map.
// PLA: none. The device is only read; the result is what a window caches
// until the device changes.
CKarnaughGroups KarnaughGroups(const Device& device, CoverCache& covers);

// --- Layout --------------------------------------------------------------------


// The whole canvas: maps of functions 0 and 1 above 2 and 3.
ZSize KarnaughCanvasSize();
// The top-left corner of function f's block (title, axes, map, terms).
ZPoint KarnaughBlockOrigin(int f);
// The 4 x 4 cells of f's map.
ZRect KarnaughMapRect(int f);
ZRect KarnaughCellRect(int f, int row, int column);
// The title over f's map, centred on the map.
ZPoint KarnaughTitleAt(int f);
// The axis names: AB left of the row labels, CD over the column labels.
ZPoint KarnaughRowNamesAt(int f);
ZPoint KarnaughColumnNamesAt(int f);
// The labels "00", "01", "11", "10" of row i and column i.
ZPoint KarnaughRowLabelAt(int f, int i);
ZPoint KarnaughColumnLabelAt(int f, int i);
// The line of term t of f's map, right of the map.
ZRect KarnaughTermRect(int f, int t);

// The rectangle a piece of a group of f is outlined on: its cells inset by
// the group's inset; an open side runs half a cell past the map's border,
// so its rounded corners fall outside the map and are cut off.
ZRect KarnaughPieceRect(int f, const CKarnaughGroup& group, const CKarnaughPiece& p);
// What of that outline shows: the rectangle cut to the map.
ZRect KarnaughVisiblePieceRect(int f, const CKarnaughGroup& group, const CKarnaughPiece& p);

// --- Hit tests -----------------------------------------------------------------

struct CKarnaughHit
{
    int f = -1;
    int row = -1;
    int column = -1;
    friend bool operator==(const CKarnaughHit&, const CKarnaughHit&) = default;
};
// The cell under a point, if any.
std::optional<CKarnaughHit> KarnaughHitCell(const ZPoint& point);

struct CKarnaughGroupRef
{
    int f = -1;
    int g = -1;
    friend bool operator==(const CKarnaughGroupRef&, const CKarnaughGroupRef&) = default;
};
// The group whose term text is under the point, else the one whose outline
// is nearest (within kOutlineReach), the inner one of two equally near
// (the later one of two as deep).
std::optional<CKarnaughGroupRef> KarnaughHitGroup(const CKarnaughGroups& groups, const ZPoint& point);
// The groups of f covering the minterm.
std::vector<CKarnaughGroupRef> KarnaughGroupsAt(const CKarnaughGroups& groups, int f, int m);

// The keyboard cursor over the cells after a key. The arrows move over
// the four maps as they stand (0 and 1 above 2 and 3) as over one 8 x 8
// grid, into the neighbouring map at an inner edge; Home and End go to the
// first and the last column of the map, Page Up and Page Down to its first
// and last row; the cursor stops at the outer edges.
CKarnaughHit KarnaughMoveCursor(const CKarnaughHit& cell, CCursorKey key);

// --- The maps read aloud ---------------------------------------------------------

// Map f as a screen reader reads it: rows and columns headed by their
// variables and Gray codes ("AB = 01", "CD = 11"), each cell named by its
// function, minterm, value and the groups that cover it ("Y0, minterm 7, 1,
// groups A'B, BD"), complements with a trailing apostrophe. Everything is
// read from the document, the window's groups and its keyboard cursor.
class CKarnaughAccessGrid : public CAccessibleGrid
{
public:
    CKarnaughAccessGrid(const CZYLDoc& doc, const CKarnaughGroups& groups, const CKarnaughHit& cursor, int f)
        : m_doc(doc)
        , m_groups(groups)
        , m_cursor(cursor)
        , m_f(f)
    {
    }
    int Rows() const override { return 4; }
    int Columns() const override { return 4; }
    std::string Caption() const override;
    std::string RowHeader(int row) const override;
    std::string ColumnHeader(int column) const override;
    std::string CellName(int row, int column) const override;
    std::string CellValue(int row, int column) const override;
    bool CellFocused(int row, int column) const override;
    ZRect CellRect(int row, int column) const override { return KarnaughCellRect(m_f, row, column); }

private:
    const CZYLDoc& m_doc;
    const CKarnaughGroups& m_groups;
    const CKarnaughHit& m_cursor;
    int m_f;
};

// --- Cell values and clicks ----------------------------------------------------

// The value a cell shows ('0', '1', 'X'; 0 in PLA mode): the truth-table entry.
char KarnaughCellValue(const Device& device, int f, int m);

// A left click on a cell of a map acts as a left click on that entry of the
// truth table, with all its rules, messages and set-backs.
void KarnaughLeftClick(CZYLDoc& doc, const CKarnaughHit& cell, bool shiftClick);
// The value v ('0', '1', 'X') chosen in the popup opened on a cell, as the
// truth table's popup gives it.
void KarnaughPopupValue(CZYLDoc& doc, const CKarnaughHit& cell, char v);
