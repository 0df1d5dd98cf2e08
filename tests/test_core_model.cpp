// SPDX-License-Identifier: GPL-3.0-or-later
// The document's own computations where a wrong answer would not show as a
// broken invariant in the random walks: the table character of an uncovered
// don't care and the rows a short or an overlong cover programs.
#include "CZYLDoc.h"
#include "CoverCache.h"
#include "DeviceChange.h"
#include "DeviceEditor.h"
#include "DocOps.h"
#include "ProductTerm.h"

#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <memory>
#include <string>
#include <vector>

namespace {

std::vector<int> Vec(const int* list, int n) { return std::vector<int>(list, list + n); }

struct PalDoc : ::testing::Test
{
    std::unique_ptr<CZYLDoc> doc = std::make_unique<CZYLDoc>();
    void SetUp() override
    {
        doc->m_bProm = 0;
        doc->m_bPal = 1;
    }
    void SetRow(int r, const char* fuses) // A A' B B' C C' D D'
    {
        for (int c = 0; c < 8; ++c)
            doc->m_andRow[r].m_nFuse[c] = fuses[c] == '1' ? 1 : 0;
        UpdateRowTerm(*doc, r);
    }
};

} // namespace

TEST_F(PalDoc, CoveredDontCareBecomesOneAndCoverLoadsOnlyItsRows)
{
    for (int r = 0; r < 4; ++r)
        SetRow(r, "01100110"); // ^AB^CD, four times
    CollectPalMinterms(*doc, 0);
    EXPECT_EQ(Vec(doc->m_anPalMinterms[0], doc->m_nPalMinterms[0]), std::vector<int>{5});
    doc->m_szPalTable[0][9] = 'X';
    doc->m_szPalTable[0][5] = 'X';
    UpdateTruthTable(*doc, 0);
    EXPECT_EQ(doc->m_szPalTable[0][5], '1');
    EXPECT_EQ(doc->m_szPalTable[0][9], 'X');

    // A two-term cover: rows 2 and 3 go back to the constant 0.
    doc->m_aCover[0][0] = 2;
    doc->m_aTerms[0] = CImplicant(4, 1, 0, "ABCD");
    doc->m_aTerms[1] = CImplicant(4, -1, 0, "ABCD");
    CImplicant(4, 1, 0, "ABCD").Combine(CImplicant(4, 3, 0, "ABCD"), doc->m_aTerms[1]);
    LoadPalRows(*doc, 0);
    EXPECT_EQ(Vec(doc->m_andRow[0].m_nFuse, 8), (std::vector<int>{0, 1, 0, 1, 0, 1, 1, 0}));
    EXPECT_EQ(doc->m_andRow[1].m_strTerm, "^A^BD");
    EXPECT_EQ(Vec(doc->m_andRow[1].m_anMinterm, doc->m_andRow[1].m_nMinterms), (std::vector<int>{1, 3}));
    for (int r = 2; r < 4; ++r) {
        EXPECT_EQ(doc->m_andRow[r].m_strTerm, "0");
        EXPECT_EQ(Vec(doc->m_andRow[r].m_nFuse, 8), std::vector<int>(8, 1));
    }
    // A cover too long for four rows never reaches the next function.
    doc->m_aCover[0][0] = 7;
    LoadPalRows(*doc, 0);
    EXPECT_EQ(doc->m_andRow[4].m_strTerm, "0");
}

// The term type reads every fuse pattern of a row as the row operations do:
// the same text and the same covered minterms, and it gives the fuses back.
TEST_F(PalDoc, TermOfEveryFusePatternAgreesWithTheRow)
{
    for (int pattern = 0; pattern < 256; ++pattern) {
        std::array<bool, 8> intact{};
        char fuses[9] = {};
        for (int c = 0; c < 8; ++c) {
            intact[c] = (pattern >> c) & 1;
            fuses[c] = intact[c] ? '1' : '0';
        }
        SetRow(0, fuses);
        const ProductTerm term = ProductTerm::FromAndFuses(intact);
        EXPECT_EQ(term.AndFuses(), intact) << fuses;
        EXPECT_EQ(term.Text(), doc->m_andRow[0].m_strTerm) << fuses;
        std::vector<int> covered;
        for (int m = 0; m < 16; ++m)
            if ((term.MintermMask() >> m) & 1)
                covered.push_back(m);
        EXPECT_EQ(covered, Vec(doc->m_andRow[0].m_anMinterm, doc->m_andRow[0].m_nMinterms)) << fuses;
    }
}

// --- The typed device and its editor -------------------------------------------

// A PAL fuse edit re-derives its column (a covered don't care becomes 1, an
// uncovered one stays); a short cover loads only its rows; a cover too long
// for four rows is refused with its notice while the refused column is in
// the device, then set back; the change lists exactly what differs.
TEST(DeviceEdits, PalRowsColumnsAndTheirChange)
{
    Device device;
    CoverCache covers;
    DeviceEditor e(device, &covers);
    for (int r = 0; r < 4; ++r)
        e.SetAndRow(r, ProductTerm{0b0101, 0b1010}); // ^AB^CD, four times
    Column column;
    column.fill('0');
    column[5] = column[9] = 'X';
    e.SetPalColumn(0, column);
    e.RederivePalColumn(0);
    EXPECT_EQ(device.pal.OnSet(0).Text(), "5");
    EXPECT_EQ(device.pal.DontCares(0).Text(), "9");

    const Device before = device;
    column.fill('0');
    column[1] = column[3] = '1';
    EXPECT_EQ(e.ProgramPalColumn(0, column, PalDontCares::Offered, {}), ProgramResult::Programmed);
    EXPECT_EQ(device.pal.Row(0).text, "^A^BD");
    for (int r = 1; r < 4; ++r)
        EXPECT_EQ(device.pal.Row(r), AndRow{}) << r;
    const DeviceChange change = DiffDevices(before, device);
    EXPECT_EQ(change.palEntries[0], 0b1000101010u); // 1 and 3 are 1 now, 5 and 9 are 0
    EXPECT_EQ(change.Functions(), 1u);
    EXPECT_EQ(change.rowTexts, 0b1111u);

    // Parity of four variables needs eight terms.
    Column parity;
    for (int m = 0; m < 16; ++m)
        parity[static_cast<std::size_t>(m)] = std::popcount(unsigned(m)) % 2 ? '1' : '0';
    const Device programmed = device;
    std::string seen;
    const PalRefusal refusal{true, [&] { seen = device.pal.OnSet(1).Text(); }};
    EXPECT_EQ(e.ProgramPalColumn(1, parity, PalDontCares::Ignored, refusal), ProgramResult::Refused);
    EXPECT_EQ(seen, "1, 2, 4, 7, 8, 11, 13, 14");
    EXPECT_EQ(device, programmed);
    EXPECT_FALSE(DiffDevices(programmed, device).Any());
}
