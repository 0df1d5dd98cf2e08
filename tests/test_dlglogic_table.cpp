// SPDX-License-Identifier: GPL-3.0-or-later
// What the truth-table dialog's clicks and popup values do to the device:
// the cell hit tests, the PROM fuse semantics, the PAL minimization with its
// four-term limit and the messages it shows.

#include "CZYLDoc.h"
#include "Platform.h"
#include "TruthTableLogic.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

// The centre of the click area of output f in row r.
ZPoint Cell(int f, int r) { return ZPoint{226 + 30 * f, 146 + 25 * r}; }

std::vector<int> List(const int* list, int n) { return std::vector<int>(list, list + n); }

std::string Column(const char* column) { return std::string(column, 16); }

class TableLogic : public ::testing::Test
{
protected:
    void SetUp() override
    {
        platform.doc = doc.get();
        doc->AddListener([this] { ++updates; });
    }

    void SetPal()
    {
        doc->m_bProm = 0;
        doc->m_bPal = 1;
    }

    std::vector<std::string> RowTerms(int f) const
    {
        std::vector<std::string> terms;
        for (int r = 4 * f; r < 4 * f + 4; ++r)
            terms.push_back(doc->m_andRow[r].m_strTerm);
        return terms;
    }

    std::unique_ptr<CZYLDoc> doc = std::make_unique<CZYLDoc>();
    CRecordingPlatform platform;
    CScopedPlatform scoped{&platform};
    int updates = 0;
};

struct HitCase
{
    ZPoint point;
    std::optional<CTableCell> cell;
    bool popup;
};

TEST(TableGeometry, HitTestsAndPopupArea)
{
    const HitCase cases[] = {
        {{215, 135}, CTableCell{0, 0}, true},   // top-left corner of the first area
        {{237, 156}, CTableCell{0, 0}, true},   // its last pixel
        {{238, 140}, std::nullopt, true},       // gap between functions 0 and 1
        {{240, 140}, std::nullopt, true},
        {{245, 135}, CTableCell{1, 0}, true},
        {{220, 158}, std::nullopt, true},       // gap between rows 0 and 1
        {{220, 160}, CTableCell{0, 1}, true},
        {{327, 531}, CTableCell{3, 15}, true},
        {{329, 531}, std::nullopt, true},       // right of the last column, still in the area
        {{330, 140}, std::nullopt, false},
        {{220, 532}, std::nullopt, false},
        {{214, 140}, std::nullopt, false},      // the double line before the outputs
        {{101, 141}, std::nullopt, false},      // input column A
        {{63, 141}, std::nullopt, false},       // the "No." column
    };
    for (const HitCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.point.x << "," << c.point.y);
        EXPECT_EQ(TableHitCell(c.point), c.cell);
        EXPECT_EQ(TableOpensValuePopup(c.point), c.popup);
    }
}

TEST(TableGeometry, ShiftClickOnlyWithShiftAlone)
{
    EXPECT_TRUE(TableIsShiftClick(kTableShift));
    EXPECT_FALSE(TableIsShiftClick(0));
    EXPECT_FALSE(TableIsShiftClick(kTableShift | kTableControl));
    EXPECT_FALSE(TableIsShiftClick(kTableShift | kTableAlt));
    EXPECT_FALSE(TableIsShiftClick(kTableShift | kTableOtherButton));
}

TEST(TableGeometry, TitlesPopupItemsAndPlacement)
{
    EXPECT_EQ(TableFunctionTitle("Y0"), "Y~d0");
    EXPECT_EQ(TableFunctionTitle("F"), "F");
    EXPECT_EQ(TableFunctionTitle("Sum"), "S~dm");
    EXPECT_EQ(TableValuePopupItems(), (std::vector<std::string>{"0", "1", "X"}));
    EXPECT_EQ(TableValueOfPopupItem(2), 'X');
    EXPECT_EQ(TableValueOfPopupItem(-1), 0);
    EXPECT_EQ(TableDialogPosition({1600, 1200}, {300, 600}), (ZPoint{1235, 0}));
    EXPECT_EQ(TableDialogPosition({1024, 768}, {404, 666}), (ZPoint{620, 0}));
    EXPECT_EQ(TableDialogPosition({320, 240}, {404, 666}), (ZPoint{0, 0}));
}

TEST_F(TableLogic, PromPlainClickBlowsTheFuse)
{
    const CTableChange change = TableLeftClick(*doc, Cell(0, 5), false);
    EXPECT_TRUE(change.hit);
    EXPECT_EQ(doc->m_nOrFuse[0][5], 0);
    EXPECT_EQ(doc->m_szPromTable[0][5], '0');
    EXPECT_EQ(doc->m_nPromMinterms[0], 15);
    EXPECT_EQ(updates, 1);
    EXPECT_TRUE(doc->IsModified());
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(TableLogic, PromDontCareKeepsShowingXAfterAPlainClick)
{
    TableLeftClick(*doc, Cell(2, 7), true);
    EXPECT_EQ(doc->m_szPromTable[2][7], 'X');
    EXPECT_EQ(doc->m_nOrFuse[2][7], 0);
    EXPECT_EQ(List(doc->m_anPromDontCares[2], doc->m_nPromDontCares[2]), std::vector<int>{7});

    TableLeftClick(*doc, Cell(2, 7), false);
    EXPECT_EQ(doc->m_szPromTable[2][7], 'X');
    EXPECT_EQ(doc->m_nOrFuse[2][7], 1);
    EXPECT_EQ(doc->m_nPromDontCares[2], 1);
    EXPECT_EQ(doc->m_nPromMinterms[2], 15); // a don't care stays out of the ON-set

    TablePopupValue(*doc, Cell(2, 7), '0');
    EXPECT_EQ(doc->m_szPromTable[2][7], '0');
    EXPECT_EQ(doc->m_nOrFuse[2][7], 0);
    EXPECT_EQ(doc->m_nPromDontCares[2], 0);

    TablePopupValue(*doc, Cell(2, 7), 'X'); // a popup don't care keeps its fuse intact
    EXPECT_EQ(doc->m_szPromTable[2][7], 'X');
    EXPECT_EQ(doc->m_nOrFuse[2][7], 1);
}

TEST_F(TableLogic, PromClicksBetweenCellsChangeNothing)
{
    EXPECT_FALSE(TableLeftClick(*doc, ZPoint{240, 146}, false).hit);
    TablePopupValue(*doc, ZPoint{240, 146}, '0');
    EXPECT_EQ(Column(doc->m_szPromTable[0]), std::string(16, '1'));
    EXPECT_EQ(Column(doc->m_szPromTable[1]), std::string(16, '1'));
    EXPECT_FALSE(doc->IsModified());
}

TEST_F(TableLogic, PalParityNeedsAFifthTermAndIsRefused)
{
    SetPal();
    for (int r : {0, 3, 5, 6})
        EXPECT_FALSE(TableLeftClick(*doc, Cell(0, r), false).refused) << r;
    const std::vector<std::string> programmed = RowTerms(0);
    EXPECT_EQ(programmed, (std::vector<std::string>{"^A^B^C^D", "^A^BCD", "^AB^CD", "^ABC^D"}));
    EXPECT_TRUE(platform.messages.empty());

    const CTableChange change = TableLeftClick(*doc, Cell(0, 9), false);
    EXPECT_TRUE(change.refused);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_FALSE(platform.messages[0].zylBox);
    EXPECT_EQ(platform.messages[0].text,
              "\n\nThe function entered has more than 4 SOP terms\n and so cannot be implemented\n\n"
              "by this four SOP-term PAL.");
    EXPECT_EQ(doc->m_szPalTable[0][9], '0');
    EXPECT_EQ(List(doc->m_anPalMinterms[0], doc->m_nPalMinterms[0]), (std::vector<int>{0, 3, 5, 6}));
    EXPECT_EQ(RowTerms(0), programmed);
    EXPECT_EQ(doc->m_aCover[0][0], 4); // the cover still describes the rows
}

TEST_F(TableLogic, PalRefusedShiftClickRestoresTheEntry)
{
    // A table that needs five terms (left there by a refused popup in the
    // original program, or by a loaded device): the click is refused and the
    // cell keeps its '1' and stays out of the don't cares.
    SetPal();
    for (int r : {0, 3, 5, 6, 9, 10})
        doc->m_szPalTable[0][r] = '1';
    const int on[] = {0, 3, 5, 6, 9, 10};
    std::copy(std::begin(on), std::end(on), doc->m_anPalMinterms[0]);
    doc->m_nPalMinterms[0] = 6;

    EXPECT_TRUE(TableLeftClick(*doc, Cell(0, 10), true).refused);
    EXPECT_EQ(doc->m_szPalTable[0][10], '1');
    EXPECT_EQ(doc->m_nPalMinterms[0], 6);
    EXPECT_EQ(doc->m_nPalDontCares[0], 0);
}

TEST_F(TableLogic, PalShiftClickMakesADontCareOnce)
{
    SetPal();
    TableLeftClick(*doc, Cell(1, 4), false);
    TableLeftClick(*doc, Cell(1, 5), true);
    EXPECT_EQ(doc->m_szPalTable[1][5], 'X');
    EXPECT_EQ(RowTerms(1)[0], "^AB^C"); // 4 with the don't care 5
    TableLeftClick(*doc, Cell(1, 5), true);
    EXPECT_EQ(List(doc->m_anPalDontCares[1], doc->m_nPalDontCares[1]), std::vector<int>{5});
    EXPECT_EQ(List(doc->m_anPalMinterms[1], doc->m_nPalMinterms[1]), std::vector<int>{4});

    TableLeftClick(*doc, Cell(1, 5), false); // 'X' back to '0'
    EXPECT_EQ(doc->m_szPalTable[1][5], '0');
    EXPECT_EQ(doc->m_nPalDontCares[1], 0);
    EXPECT_EQ(RowTerms(1)[0], "^AB^C^D");
}

TEST_F(TableLogic, PalPopupMinimizesAllFourFunctionsWithoutDontCares)
{
    SetPal();
    TableLeftClick(*doc, Cell(1, 0), false);
    TableLeftClick(*doc, Cell(1, 1), true);
    EXPECT_EQ(RowTerms(1)[0], "^A^B^C");
    const int before = updates;

    TablePopupValue(*doc, Cell(0, 3), '1');
    EXPECT_EQ(doc->m_szPalTable[0][3], '1');
    EXPECT_EQ(RowTerms(0)[0], "^A^BCD");
    EXPECT_EQ(RowTerms(1)[0], "^A^B^C^D"); // function 1 without its don't care
    EXPECT_EQ(doc->m_szPalTable[1][1], 'X');
    EXPECT_EQ(updates, before + 1);
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(TableLogic, PalPopupBetweenCellsStillReprogramsEveryFunction)
{
    SetPal();
    TableLeftClick(*doc, Cell(2, 8), false);
    TableLeftClick(*doc, Cell(2, 9), true);
    EXPECT_EQ(RowTerms(2)[0], "A^B^C");
    const std::string table = Column(doc->m_szPalTable[2]);

    const CTableChange change = TablePopupValue(*doc, ZPoint{240, 146 + 25 * 8}, '1');
    EXPECT_FALSE(change.hit);
    EXPECT_EQ(Column(doc->m_szPalTable[2]), table);
    EXPECT_EQ(RowTerms(2)[0], "A^B^C^D");
}

TEST_F(TableLogic, PalPopupThatNeedsAFifthTermIsRefusedOncePerFunction)
{
    SetPal();
    for (int r : {0, 3, 5, 6})
        TablePopupValue(*doc, Cell(0, r), '1');
    TablePopupValue(*doc, Cell(0, 9), '1');
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, "\n\nThe function entered cannot be implemented\n\nby this four minterm PAL.");
    EXPECT_FALSE(platform.messages[0].zylBox);
    // The entry is set back, so that table, lists and rows agree.
    EXPECT_EQ(doc->m_szPalTable[0][9], '0');
    EXPECT_EQ(doc->m_nPalMinterms[0], 4);
    EXPECT_EQ(RowTerms(0)[3], "^ABC^D");
}

TEST_F(TableLogic, PlaChangesNothing)
{
    doc->m_bProm = 0;
    doc->m_bPla = 1;
    TableLeftClick(*doc, Cell(0, 0), false);
    TableLeftClick(*doc, Cell(0, 0), true);
    TablePopupValue(*doc, Cell(0, 0), '0');
    EXPECT_EQ(doc->m_nOrFuse[0][0], 1);
    EXPECT_EQ(doc->m_szPromTable[0][0], '1');
    EXPECT_EQ(doc->m_szPalTable[0][0], '0');
    EXPECT_EQ(TableCellValue(*doc, 0, 0), 0);
    EXPECT_EQ(updates, 0);
    EXPECT_FALSE(doc->IsModified());
}

} // namespace
