// SPDX-License-Identifier: GPL-3.0-or-later
// The Karnaugh maps: Gray-code placement, the groups drawn for every
// function (wrapping pieces included) with outlines that stay visible, and
// cells that are the truth table's entries.

#include "CZYLDoc.h"
#include "KarnaughLogic.h"
#include "Minimize.h"
#include "TruthTableLogic.h"

#include <gtest/gtest.h>

#include <memory>
#include <tuple>
#include <string>
#include <vector>

namespace {

// Rows AB and columns CD both run 00, 01, 11, 10.
const int kMinterms[4][4] = {{0, 1, 3, 2}, {4, 5, 7, 6}, {12, 13, 15, 14}, {8, 9, 11, 10}};

ZPoint CellCentre(int f, int row, int column)
{
    const ZRect r = KarnaughCellRect(f, row, column);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

// The cells a piece spans on the map, as minterms.
unsigned PieceCells(const CKarnaughPiece& p)
{
    unsigned cells = 0;
    for (int row = p.row; row < p.row + p.rows; ++row)
        for (int column = p.column; column < p.column + p.columns; ++column)
            cells |= 1u << kMinterms[row][column];
    return cells;
}

// The outlines of one map's groups: every piece shows at least 16 units
// each way inside the map, its closed sides inside the map, and groups
// sharing cells lie at different insets.
void ExpectVisibleOutlines(int f, const std::vector<CKarnaughGroup>& groups, unsigned fn)
{
    const ZRect map = KarnaughMapRect(f);
    for (std::size_t t = 0; t < groups.size(); ++t) {
        for (const CKarnaughPiece& p : groups[t].pieces) {
            const ZRect r = KarnaughPieceRect(f, groups[t], p), shown = KarnaughVisiblePieceRect(f, groups[t], p);
            ASSERT_TRUE(shown.Width() >= 16 && shown.Height() >= 16 && (p.openLeft || r.left > map.left) &&
                        (p.openTop || r.top > map.top) && (p.openRight || r.right < map.right) &&
                        (p.openBottom || r.bottom < map.bottom))
                << fn << " term " << t;
        }
        for (std::size_t u = 0; u < t; ++u)
            ASSERT_TRUE(!(groups[t].cells & groups[u].cells) || groups[t].inset != groups[u].inset) << fn;
    }
}

// Every function of four variables: the groups drawn cover exactly their
// terms' cells, piece by piece without overlap, and together the ON-set; a
// term wrapping over the edges splits into pieces open on the map's edge;
// every outline stays visible (the XOR's eight groups too).
TEST(Karnaugh, PromGroupsCoverTheirTermsCells)
{
    Device device;
    CoverCache covers;
    int counts[10];
    std::vector<CImplicant> blocks(500);
    int deepest = 0;
    for (unsigned fn = 0; fn < 65536; ++fn) {
        Column column;
        int list[16], n = 0;
        for (int m = 0; m < 16; ++m) {
            column[std::size_t(m)] = fn & 1u << m ? '1' : '0';
            if (fn & 1u << m)
                list[n++] = m;
        }
        DeviceEditor(device).SetPromColumn(0, column);
        Minimize(n, list, 0, nullptr, counts, blocks.data());
        const CKarnaughGroups all4 = KarnaughGroups(device, covers);
        const std::vector<CKarnaughGroup>& groups = all4[0];
        ASSERT_EQ(static_cast<int>(groups.size()), n == 0 ? 0 : counts[0]) << fn;
        ExpectVisibleOutlines(0, groups, fn);
        unsigned all = 0;
        for (std::size_t t = 0; t < groups.size(); ++t) {
            deepest = std::max(deepest, groups[t].inset);
            const CImplicant& term = blocks[t];
            unsigned termCells = 0;
            for (int k = 0; k < term.m_nMinterms; ++k)
                termCells |= 1u << term.m_anMinterm[k];
            unsigned drawn = 0;
            bool wrapsRows = false, wrapsColumns = false;
            for (const CKarnaughPiece& p : groups[t].pieces) {
                ASSERT_EQ(drawn & PieceCells(p), 0u) << fn;
                drawn |= PieceCells(p);
                ASSERT_TRUE((!p.openTop || p.row == 0) && (!p.openBottom || p.row + p.rows == 4)) << fn;
                ASSERT_TRUE((!p.openLeft || p.column == 0) && (!p.openRight || p.column + p.columns == 4)) << fn;
                wrapsRows = wrapsRows || p.openTop || p.openBottom;
                wrapsColumns = wrapsColumns || p.openLeft || p.openRight;
            }
            ASSERT_EQ(groups[t].pieces.size(), (wrapsRows ? 2u : 1u) * (wrapsColumns ? 2u : 1u)) << fn;
            ASSERT_EQ(drawn, termCells) << fn << " term " << t;
            all |= drawn;
        }
        ASSERT_EQ(all, fn);
    }
    EXPECT_EQ(deepest, 12); // four groups on shared cells (function 279)
}

TEST(Karnaugh, PalGroupsAreTheRowsAsProgrammed)
{
    Device device;
    CoverCache covers;
    DeviceEditor e(device);
    e.SetType(DeviceType::Pal);
    const std::array<bool, 8> fuses[4] = {
        {0, 1, 0, 0, 0, 1, 0, 0}, // ^A^C
        {1, 1, 0, 0, 0, 0, 0, 0}, // A^A: the constant 0
        {0, 0, 0, 0, 0, 0, 0, 0}, // 1
        {0, 1, 0, 0, 0, 1, 0, 0}, // ^A^C again
    };
    for (int r = 0; r < 4; ++r)
        e.SetAndRow(4 + r, ProductTerm::FromAndFuses(fuses[r]));
    const CKarnaughGroups groups = KarnaughGroups(device, covers);
    const std::vector<CKarnaughGroup>& g = groups[1];
    ASSERT_EQ(g.size(), 3u);
    EXPECT_EQ((std::vector<int>{g[0].andRow, g[1].andRow, g[2].andRow}), (std::vector<int>{4, 6, 7}));
    EXPECT_TRUE(g[0].cells == 0b0000'0000'0011'0011 && g[1].cells == 0xFFFF);
    // The same term twice stays apart, inside the whole map's outline, and
    // the inner outline hits first.
    ExpectVisibleOutlines(1, g, 0);
    const ZRect outer = KarnaughPieceRect(1, g[0], g[0].pieces[0]);
    const ZRect inner = KarnaughPieceRect(1, g[2], g[2].pieces[0]);
    EXPECT_LT(outer.left, inner.left);
    EXPECT_GT(outer.bottom, inner.bottom);
    EXPECT_EQ(KarnaughHitGroup(groups, {inner.left, inner.top + 10}), (CKarnaughGroupRef{1, 2}));
    EXPECT_EQ(KarnaughHitGroup(groups, {outer.left, outer.top + 10}), (CKarnaughGroupRef{1, 0}));
    EXPECT_EQ(KarnaughGroupsAt(groups, 1, 5).size(), 3u);
    EXPECT_EQ(KarnaughGroupsAt(groups, 1, 15).size(), 1u);
}

// Each cell of a map is the entry of its minterm where the Gray code places
// it: the point hits it, and a click acts on that entry of the truth table.
TEST(Karnaugh, CellsAreTheirTruthTableEntries)
{
    CZYLDoc doc;
    for (int f = 0; f < 4; ++f)
        for (int row = 0; row < 4; ++row)
            for (int column = 0; column < 4; ++column) {
                ASSERT_EQ(KarnaughHitCell(CellCentre(f, row, column)), (CKarnaughHit{f, row, column}));
                ASSERT_EQ(KarnaughCellOf(kMinterms[row][column]), (CKarnaughCell{row, column}));
                KarnaughLeftClick(doc, {f, row, column}, false);
                ASSERT_EQ(doc.Device().prom.Entry(f, kMinterms[row][column]), '0');
                ASSERT_EQ(doc.Device().prom.OnSet(f).Count(), 15 - 4 * row - column);
            }
    KarnaughPopupValue(doc, {2, 3, 3}, 'X');
    EXPECT_EQ(doc.Device().prom.Entry(2, 10), 'X');
    EXPECT_FALSE(KarnaughHitCell({KarnaughMapRect(3).right, KarnaughMapRect(3).top})); // past the map
}

// The keyboard cursors stop at the outer edges (the rest of the truth
// table's moves: the key sequences of the window tests); on the maps the arrows
// cross into the neighbouring map, Home/End and the Page keys stay in one.
TEST(Karnaugh, CursorKeysMoveAsTheSurfacesStand)
{
    using K = CCursorKey;
    const std::tuple<CKarnaughHit, K, CKarnaughHit> maps[] = {
        {{0, 0, 3}, K::Right, {1, 0, 0}}, {{1, 3, 2}, K::Down, {3, 0, 2}}, {{2, 0, 0}, K::Up, {0, 3, 0}},
        {{0, 2, 0}, K::Left, {0, 2, 0}},  {{3, 3, 3}, K::Down, {3, 3, 3}}, {{3, 2, 1}, K::Home, {3, 2, 0}},
        {{2, 2, 1}, K::End, {2, 2, 3}},   {{1, 2, 1}, K::PageUp, {1, 0, 1}}, {{1, 1, 1}, K::PageDown, {1, 3, 1}}};
    for (const auto& [from, key, to] : maps)
        EXPECT_EQ(KarnaughMoveCursor(from, key), to) << int(key);
    EXPECT_EQ(TableMoveCursor(TableMoveCursor({3, 15}, K::Right), K::Down), (CTableCell{3, 15}));
}

} // namespace
