// SPDX-License-Identifier: GPL-3.0-or-later
// What the truth-table dialog's clicks and popup values do to the device:
// the cell hit tests, the PROM fuse semantics, the PAL minimization with its
// four-term limit and the messages it shows.

#include "CZYLDoc.h"
#include "DocInvariants.h"
#include "Platform.h"
#include "RecordingPlatform.h"
#include "TruthTableLogic.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

// The cell of output f in row r; a click between the cells has none.
std::optional<CTableCell> Cell(int f, int r) { return CTableCell{f, r}; }
const std::optional<CTableCell> Gap = std::nullopt;

TEST(TableGeometry, HitTestsPopupAreaAndShiftClick)
{
    const struct
    {
        ZPoint point;
        std::optional<CTableCell> cell;
        bool popup;
    } cases[] = {
        {{215, 135}, CTableCell{0, 0}, true}, // top-left corner of the first area
        {{237, 156}, CTableCell{0, 0}, true}, // its last pixel
        {{238, 140}, std::nullopt, true},     // gap between functions 0 and 1
        {{245, 135}, CTableCell{1, 0}, true},
        {{220, 158}, std::nullopt, true}, // gap between rows 0 and 1
        {{220, 160}, CTableCell{0, 1}, true},
        {{327, 531}, CTableCell{3, 15}, true},
        {{329, 531}, std::nullopt, true}, // right of the last column, still in the area
        {{330, 140}, std::nullopt, false},
        {{220, 532}, std::nullopt, false},
        {{214, 140}, std::nullopt, false}, // the double line before the outputs
        {{101, 141}, std::nullopt, false}, // input column A
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.point.x << "," << c.point.y);
        EXPECT_EQ(TableHitCell(c.point), c.cell);
        EXPECT_EQ(TableOpensValuePopup(c.point), c.popup);
    }
    EXPECT_TRUE(TableIsShiftClick(kTableShift));
    for (int flags : {0, kTableShift | kTableControl, kTableShift | kTableAlt, kTableShift | kTableOtherButton})
        EXPECT_FALSE(TableIsShiftClick(flags)) << flags;
}

TEST(TableGeometry, TitlesPopupItemsAndPlacement)
{
    EXPECT_EQ(TableFunctionTitle("Y0"), "Y~d0");
    EXPECT_EQ(TableFunctionTitle("F"), "F");
    EXPECT_EQ(TableFunctionTitle("Sum"), "S~dm");
    EXPECT_EQ(TableValueOfPopupItem(2), 'X');
    EXPECT_EQ(TableValueOfPopupItem(-1), 0);
    EXPECT_EQ(TableDialogPosition({1600, 1200}, {300, 600}), (ZPoint{1235, 0}));
    EXPECT_EQ(TableDialogPosition({320, 240}, {404, 666}), (ZPoint{0, 0}));
}

enum Mode { Prom, Pal, Pla };

struct Step
{
    char kind; // 'c' click, 's' Shift+click, 'p' popup value
    std::optional<CTableCell> at;
    char value = 0;
};

struct TableCase
{
    const char* name;
    Mode mode;
    std::vector<Step> steps;
    int f;                 // the function whose column is checked
    const char* column;    // its table afterwards
    const char* fuses;     // PROM: its OR fuses; PAL: its four row texts, '|'-joined
    const char* message;   // the one message shown, "" for none
    bool modified;
    const char* preset = ""; // PAL: the column before the steps
};

void PrintTo(const TableCase& c, std::ostream* os) { *os << c.name; }

const char kSop[] = "\n\nThe function entered has more than 4 SOP terms\n and so cannot be implemented\n\n"
                    "by this four SOP-term PAL.";
const char kMintermPal[] = "\n\nThe function entered cannot be implemented\n\nby this four minterm PAL.";

const TableCase kCases[] = {
    {"PromClickBlowsTheFuse", Prom, {{'c', Cell(0, 5)}}, 0, "1111101111111111", "1111101111111111", "", true},
    {"PromShiftClickBlownDontCare", Prom, {{'s', Cell(2, 7)}}, 2, "1111111X11111111", "1111111011111111", "", true},
    {"PromDontCareStaysXOnClick", Prom, {{'s', Cell(2, 7)}, {'c', Cell(2, 7)}}, 2, "1111111X11111111",
     "1111111111111111", "", true},
    {"PromPopupZeroThenXKeepsFuse", Prom, {{'p', Cell(2, 7), '0'}, {'p', Cell(2, 7), 'X'}}, 2, "1111111X11111111",
     "1111111111111111", "", true},
    {"PromBetweenCellsNothing", Prom, {{'c', Gap}, {'p', Gap, '0'}}, 0, "1111111111111111",
     "1111111111111111", "", false},
    {"PalParityFifthTermRefused", Pal,
     {{'c', Cell(0, 0)}, {'c', Cell(0, 3)}, {'c', Cell(0, 5)}, {'c', Cell(0, 6)}, {'c', Cell(0, 9)}}, 0,
     "1001011000000000", "^A^B^C^D|^A^BCD|^AB^CD|^ABC^D", kSop, true},
    {"PalRefusedShiftClickKeepsTheOne", Pal, {{'s', Cell(0, 10)}}, 0, "1001011001100000", "0|0|0|0", kSop, false,
     "1001011001100000"},
    {"PalShiftClickDontCareUsed", Pal, {{'c', Cell(1, 4)}, {'s', Cell(1, 5)}, {'s', Cell(1, 5)}}, 1,
     "00001X0000000000", "^AB^C|0|0|0", "", true},
    {"PalClickOnDontCareClears", Pal, {{'c', Cell(1, 4)}, {'s', Cell(1, 5)}, {'c', Cell(1, 5)}}, 1,
     "0000100000000000", "^AB^C^D|0|0|0", "", true},
    {"PalPopupIgnoresDontCares", Pal, {{'c', Cell(1, 0)}, {'s', Cell(1, 1)}, {'p', Cell(0, 3), '1'}}, 1,
     "1X00000000000000", "^A^B^C^D|0|0|0", "", true},
    {"PalPopupBetweenCellsReprograms", Pal, {{'c', Cell(2, 8)}, {'s', Cell(2, 9)}, {'p', Gap, '1'}}, 2,
     "000000001X000000", "A^B^C^D|0|0|0", "", true},
    {"PalPopupFifthTermRefused", Pal,
     {{'p', Cell(0, 0), '1'}, {'p', Cell(0, 3), '1'}, {'p', Cell(0, 5), '1'}, {'p', Cell(0, 6), '1'},
      {'p', Cell(0, 9), '1'}},
     0, "1001011000000000", "^A^B^C^D|^A^BCD|^AB^CD|^ABC^D", kMintermPal, true},
    {"PlaNothing", Pla, {{'c', Cell(0, 0)}, {'s', Cell(0, 0)}, {'p', Cell(0, 0), '0'}}, 0, "1111111111111111",
     "1111111111111111", "", false},
};

class TableLogic : public ::testing::TestWithParam<TableCase>
{
protected:
    CZYLDoc doc;
    CRecordingPlatform platform;
    CScopedPlatform scoped{&platform};
};

TEST_P(TableLogic, StepsGiveTableFusesAndMessage)
{
    const TableCase& c = GetParam();
    const Device& device = doc.Device();
    doc.Edit([&c](DeviceEditor& e) {
        e.SetType(c.mode == Prom ? DeviceType::Prom : c.mode == Pal ? DeviceType::Pal : DeviceType::Pla);
        if (*c.preset) {
            Column preset;
            std::copy_n(c.preset, 16, preset.begin());
            e.SetPalColumn(c.f, preset);
        }
    });
    doc.SetModifiedFlag(false);
    int updates = 0;
    doc.AddListener([&updates](const DeviceChange&) { ++updates; });
    CTableChange last;
    for (const Step& s : c.steps)
        last = s.kind == 'p' ? TablePopupValue(doc, s.at, s.value)
                             : s.at ? TableLeftClick(doc, *s.at, s.kind == 's') : CTableChange{};

    const Column& table = c.mode == Pal ? device.pal.Table(c.f) : device.prom.Table(c.f);
    EXPECT_EQ(std::string(table.begin(), table.end()), c.column);
    std::string fuses;
    for (int i = 0; i < 16 && c.mode != Pal; ++i)
        fuses += device.prom.Fuse(c.f, i) ? '1' : '0';
    for (int r = 4 * c.f; r < 4 * c.f + 4 && c.mode == Pal; ++r)
        fuses += (r > 4 * c.f ? "|" : "") + device.pal.Row(r).text;
    EXPECT_EQ(fuses, c.fuses);
    EXPECT_EQ(platform.Recorded(), *c.message ? std::vector<std::string>{"S:" + std::string(c.message)}
                                              : std::vector<std::string>{});
    EXPECT_EQ(last.refused, *c.message != 0);
    EXPECT_EQ(doc.IsModified(), c.modified);
    EXPECT_TRUE(updates > 0 || !c.modified); // every change is shown
    EXPECT_TRUE(updates == 0 || c.mode != Pla);
    // Table, fuses and rows agree; the preset table alone is not a state
    // the program reaches.
    EXPECT_EQ(*c.preset ? "" : CheckDocument(device), "");
}

INSTANTIATE_TEST_SUITE_P(Cases, TableLogic, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
