// SPDX-License-Identifier: GPL-3.0-or-later
// The view's commands, annotations and PAL simplification, driven through
// the view logic without widgets.
#include "CViewLogic.h"
#include "CZYLDoc.h"
#include "DocFile.h"
#include "DocInvariants.h"
#include "Platform.h"
#include "RecordingPlatform.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

class ViewLogic : public ::testing::Test
{
protected:
    CZYLDoc doc;
    const Device& device = doc.Device();
    CViewLogic logic{doc};
    CRecordingPlatform platform;
    CScopedPlatform scope{&platform};
    int updates = 0;
    int typeChanges = 0;

    void SetUp() override
    {
        doc.AddListener([this](const DeviceChange& change) {
            ++updates;
            typeChanges += change.type ? 1 : 0;
        });
    }
    void SetMode(int mode) { logic.OnCommand(mode == 0 ? ID_TYPE_PROM : mode == 1 ? ID_TYPE_PAL : ID_TYPE_PLA); }

    // A function as the minterm entry writes it into the current mode's
    // table (and in PROM mode the OR fuses), with its lists.
    void SetFunction(int f, std::initializer_list<int> minterms, std::initializer_list<int> dontCares = {})
    {
        Column column;
        column.fill('0');
        for (int m : minterms)
            column[std::size_t(m)] = '1';
        for (int m : dontCares)
            column[std::size_t(m)] = 'X';
        doc.Edit([&](DeviceEditor& e) {
            if (device.type == DeviceType::Pal)
                e.SetPalColumn(f, column);
            for (int r = 0; r < 16 && device.type == DeviceType::Prom; ++r)
                e.SetPromEntry(f, r, column[std::size_t(r)], false); // a don't care on a blown fuse
        });
    }
    void SetRowFuses(int r, std::initializer_list<int> intactColumns)
    {
        std::array<bool, 8> intact{};
        for (int c : intactColumns)
            intact[std::size_t(c)] = true;
        doc.Edit([&](DeviceEditor& e) {
            e.SetAndRow(r, ProductTerm::FromAndFuses(intact));
            e.RederivePalColumn(r / 4);
        });
    }
    // The text of the item drawn at (x, y), "<sigma>" for the sigma picture,
    // "<none>" when nothing is drawn there.
    std::string TextAt(int x, int y)
    {
        for (const CDrawItem& item : logic.BuildAnnotations())
            if (item.x == x && item.y == y)
                return item.kind == CDrawItem::Picture ? (item.pictureId == 140 ? "<sigma>" : "<picture>") : item.text;
        return "<none>";
    }
};

// --- Messages ------------------------------------------------------------------

struct MessageCase
{
    const char* name;
    std::vector<int> modes; // 0 PROM, 1 PAL, 2 PLA
    std::vector<int> ids;
    bool zylBox;
    const char* text;
};

void PrintTo(const MessageCase& c, std::ostream* os) { *os << c.name; }

const char kPla[] = "\n\nPLA is not commonly used, so this will not be implemented.";
const char kPlaLabels[] = "\nThe PLA is not commonly used, so this will not be implemented.";
const char kNotPal[] = "\n\nThe ZYL is not in PAL mode,\nno simplification will be processed.";

const MessageCase kMessages[] = {
    {"PromAlreadyProm", {0}, {ID_TYPE_PROM}, true, "The ZYL is in PROM mode now."},
    {"PalAlreadyPal", {1}, {ID_TYPE_PAL}, true, "The ZYL is in PAL mode now."},
    {"PlaAlreadyPla", {2}, {ID_TYPE_PLA}, true, "The ZYL is in PLA mode now."},
    {"PlaArrays", {2}, {ID_INPUT_REINSTATE_ALL, ID_INPUT_BLOW_ALL, ID_OUTPUT_REINSTATE_ALL, ID_OUTPUT_BLOW_ALL,
                        OutputCommand(0), OutputCommand(3)}, false, kPla},
    {"PromAndArray", {0}, {ID_INPUT_REINSTATE_ALL, ID_INPUT_BLOW_ALL}, false,
     "The input AND array in the PROM is hard-wired.\n\n"},
    {"PalOrArray", {1}, {ID_OUTPUT_REINSTATE_ALL, ID_OUTPUT_BLOW_ALL, OutputCommand(1), OutputCommand(2)}, false,
     "The output OR array for the PAL is hard-wired."},
    {"PalPromMinterms", {1}, {ID_SHOW_MINTERMS}, false,
     "\nThis is a PAL, \nthere is no fixed minterm \nat the output of the AND array.\n\n"},
    {"PromPalTerms", {0}, {ID_SHOW_PRODUCT_TERMS}, false,
     "\nThis is a PROM, \nthere is no programmable product term \nat the output of the AND array.\n\n"},
    {"PlaRowLabels", {2}, {ID_SHOW_MINTERMS, ID_SHOW_PRODUCT_TERMS}, false, kPlaLabels},
    {"Simplify", {0, 2}, {ID_SIMPLIFY_PAL}, false, kNotPal},
};

class ViewLogicMessage : public ViewLogic, public ::testing::WithParamInterface<MessageCase>
{
};

TEST_P(ViewLogicMessage, ShownOnceInItsBoxAndNothingChanges)
{
    const MessageCase& c = GetParam();
    for (int mode : c.modes) {
        for (int id : c.ids) {
            SCOPED_TRACE(testing::Message() << "mode " << mode << " command " << id);
            SetMode(mode);
            platform.messages.clear();
            const Device before = device;
            const int updatesBefore = updates;

            logic.OnCommand(id);

            EXPECT_EQ(platform.Recorded(), std::vector<std::string>{(c.zylBox ? "Z:" : "S:") + std::string(c.text)});
            EXPECT_EQ(updates, updatesBefore);
            EXPECT_EQ(device, before);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(AllWrongModes, ViewLogicMessage, ::testing::ValuesIn(kMessages),
                         [](const auto& info) { return std::string(info.param.name); });

// --- Device type, view options and array commands -------------------------------

TEST_F(ViewLogic, SwitchingKeepsEachModesDataAndPlaHidesDialogsOnce)
{
    logic.OnCommand(OutputCommand(1));
    SetFunction(2, {5}, {7, 9});
    SetMode(1);
    logic.OnCommand(ID_INPUT_BLOW_ALL);
    SetMode(0);
    EXPECT_EQ(device.prom.OnSet(1).Count(), 0);
    EXPECT_EQ(device.prom.OnSet(2).Text(), "5");
    EXPECT_EQ(device.prom.DontCares(2).Text(), "7, 9");
    EXPECT_EQ(CheckDocument(device), "");
    // The type changes once (on which the dialogs are put away).
    const int before = typeChanges;
    SetMode(2);
    SetMode(2);
    EXPECT_EQ(typeChanges, before + 1);
}

// A single output's command is the widget test's, through its gate.
TEST_F(ViewLogic, ArrayCommands)
{
    // Reinstate all overwrites don't cares; blow all clears every output.
    SetFunction(1, {5}, {7, 9});
    logic.OnCommand(ID_OUTPUT_REINSTATE_ALL);
    EXPECT_EQ(device.prom.OnSet(1).Count(), 16);
    EXPECT_EQ(device.prom.Entry(1, 7), '1');
    logic.OnCommand(ID_OUTPUT_BLOW_ALL);
    for (int f = 0; f < 4; ++f)
        EXPECT_EQ(device.prom.OnSet(f).Count() + device.outputToggles[std::size_t(f)], 0);
    EXPECT_EQ(CheckDocument(device), "");

    // PAL: every row 1, then 0; a covered don't care becomes a minterm.
    SetMode(1);
    SetFunction(1, {}, {6});
    logic.OnCommand(ID_INPUT_BLOW_ALL);
    for (int r = 0; r < 16; ++r)
        EXPECT_EQ(device.pal.Row(r).text, "1");
    EXPECT_EQ(device.pal.OnSet(3).Count(), 16);
    EXPECT_EQ(device.pal.DontCares(1).Count(), 0);
    logic.OnCommand(ID_INPUT_REINSTATE_ALL);
    EXPECT_EQ(device.pal.Row(9).text, "0");
    EXPECT_EQ(device.pal.OnSet(2).Count() + device.pal.DontCares(2).Count(), 0);
    EXPECT_EQ(CheckDocument(device), "");
}

// --- Annotations --------------------------------------------------------------------

TEST_F(ViewLogic, AnnotationTexts)
{
    const struct
    {
        int mode;
        int f;
        std::initializer_list<int> on, dc;
        std::vector<std::tuple<int, int, const char*>> shown; // x, y, text
    } cases[] = {
        {0, 0, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}, {},
         {{500, 140, "Y~d0~d ="}, {535, 140, "<sigma>"},
          {550, 140, "m ( 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15 )"}, {520, 165, "="},
          {535, 165, "1"}, {500, 380, "Y~d3~d ="}}},
        // 5 with don't care 7 gives ^ABD, with 9 nothing better.
        {0, 1, {5}, {7, 9}, {{540, 220, "m~d5~d with don't cares (7, 9 )"}, {535, 220, "<none>"}, {535, 245, "^ABD"}}},
        {0, 0, {1, 3}, {8}, {{550, 140, "m ( 1, 3 ) with don't care 8"}, {535, 165, "^A^BD"}}},
        {0, 3, {}, {2, 4}, {{535, 380, " 0"}, {520, 405, "<none>"}}},
        {1, 0, {}, {}, {{535, 140, " 0"}, {535, 165, "<none>"}}},
        {1, 1, {5}, {7, 9}, {{535, 220, "m~d5~d with don't cares ( 7, 9 )"}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "mode " << c.mode << " function " << c.f);
        SetMode(c.mode);
        SetFunction(c.f, c.on, c.dc);
        for (const auto& [x, y, text] : c.shown)
            EXPECT_EQ(TextAt(x, y), text) << x << "," << y;
    }

    CNames names = device.names;
    names.functions = {"F", "\xCE\xA9\xF0\x9D\x92\x9C", "\xC3\x89ta", ""}; // characters of several bytes
    doc.Edit([&](DeviceEditor& e) { e.SetNames(names); });
    EXPECT_EQ(TextAt(500, 140), "F  =");
    EXPECT_EQ(TextAt(500, 220), "\xCE\xA9~d\xF0\x9D\x92\x9C~d =");
    EXPECT_EQ(TextAt(500, 300), "\xC3\x89  =");
    EXPECT_EQ(TextAt(500, 380), "  =");
}

TEST_F(ViewLogic, PalRowSumsAndRowLabels)
{
    logic.OnCommand(ID_SHOW_MINTERMS);
    EXPECT_EQ(TextAt(380, 137 + 25 * 5), "m~d5~d = ^AB^CD");
    SetMode(1);
    logic.OnCommand(ID_SHOW_PRODUCT_TERMS);
    SetRowFuses(0, {0}); // A
    SetRowFuses(1, {1}); // ^A
    SetRowFuses(4, {1, 2, 5, 6}); // ^AB^CD
    EXPECT_EQ(TextAt(380, 137), "A");
    EXPECT_EQ(TextAt(380, 137 + 25 * 3), "0");
    EXPECT_EQ(TextAt(535, 140), "<sigma>");
    EXPECT_EQ(TextAt(550, 140), "m( 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15 )");
    EXPECT_EQ(TextAt(535, 165), "A + ^A");
    EXPECT_EQ(TextAt(520, 190), "=  1");
    EXPECT_EQ(TextAt(535, 245), "^AB^CD");
    SetRowFuses(0, {});     // 1
    SetRowFuses(1, {0, 1}); // 0
    EXPECT_EQ(TextAt(535, 165), "1");
    EXPECT_EQ(TextAt(520, 190), "<none>");
    logic.OnCommand(ID_SHOW_PRODUCT_TERMS);
    EXPECT_EQ(TextAt(380, 137), "<none>");
    EXPECT_TRUE(platform.messages.empty());
}

// --- Simplification ---------------------------------------------------------------

// Functions 0 and 1 simplified, then parity refused; constants give full
// rows (0) and rows without fuses (1).
TEST_F(ViewLogic, Simplify)
{
    SetMode(1);
    SetFunction(0, {0, 1, 2, 3});
    SetFunction(1, {5, 7, 13, 15}, {6});
    SetFunction(2, {1, 2, 4, 7, 8, 11, 13, 14});
    SetRowFuses(12, {0}); // what function 3's rows held before
    SetFunction(3, {15});
    const std::string row8 = device.pal.Row(8).text;
    platform.messages.clear();

    logic.OnCommand(ID_SIMPLIFY_PAL);

    EXPECT_EQ(platform.Recorded(), std::vector<std::string>{"S:\n\nThe function entered has more than 4 SOP terms\n and "
                                                           "so cannot be implemented\n\nby this four minterm PAL."});
    const std::string expected[] = {"^A^B", "0", "0", "0", "BD", "0", "0", "0", row8}; // the don't care 6 takes no part
    for (int r = 0; r < 9; ++r)
        EXPECT_EQ(device.pal.Row(r).text, expected[r]) << r;
    EXPECT_EQ(device.pal.Row(12).text, "A");

    // Twice gives the same rows as once.
    const Device once = device;
    logic.OnCommand(ID_SIMPLIFY_PAL);
    EXPECT_EQ(platform.messages.size(), 2u);
    EXPECT_EQ(device, once);

    SetRowFuses(0, {0, 3});
    SetFunction(0, {});
    SetFunction(1, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15});
    SetFunction(2, {});
    platform.messages.clear();
    logic.OnCommand(ID_SIMPLIFY_PAL);
    EXPECT_TRUE(platform.messages.empty());
    for (int r = 0; r < 4; ++r)
        EXPECT_EQ(device.pal.Row(r).term, ProductTerm::Zero()); // every fuse intact
    EXPECT_EQ(device.pal.Row(4).text, "1");
    EXPECT_EQ(device.pal.Row(5).text, "0");
    EXPECT_EQ(logic.PalRowSum(1), "1");
    EXPECT_EQ(CheckDocument(device), "");
}

} // namespace

// The keyboard cursor walks the programmable cells and stops at the edges;
// a PLA and the block structure have none; a switch of type starts again.
TEST_F(ViewLogic, KeyboardCursor)
{
    using M = CursorMove;
    using C = CFuseMapCell;
    const struct
    {
        int mode;
        std::vector<M> moves;
        C at;
    } cases[] = {
        {0, {}, {C::OrCell, 0, 0, 0}},
        {0, {M::Left, M::Up, M::Right, M::Down}, {C::OrCell, 1, 1, 0}},
        {0, {M::RowEnd, M::Right, M::PageDown, M::PageDown}, {C::OrCell, 3, 8, 0}},
        {0, {M::Last, M::Down, M::Left}, {C::OutputGate, 2, 0, 0}},
        {0, {M::Last, M::Up, M::RowStart}, {C::OrCell, 0, 15, 0}},
        {1, {}, {C::AndCell, 0, 0, 0}},
        {1, {M::RowEnd, M::Right, M::PageDown}, {C::RowGate, 1, 4, 0}},
        {1, {M::Last, M::Left, M::PageUp, M::PageUp, M::PageUp, M::PageUp}, {C::AndCell, 0, 0, 7}},
        {1, {M::Down, M::Down, M::Down, M::Right, M::Right, M::Right}, {C::AndCell, 0, 3, 3}},
    };
    for (const auto& c : cases) {
        CViewLogic fresh(doc);
        SetMode(c.mode);
        for (M move : c.moves)
            fresh.MoveCursor(move);
        EXPECT_EQ(fresh.Cursor(), std::optional(c.at)) << c.mode << " " << c.moves.size();
    }
    logic.MoveCursor(M::Down); // in the PAL
    SetMode(0);
    EXPECT_EQ(logic.Cursor(), CursorStart(DeviceType::Prom));
    logic.OnCommand(ID_BLOCK_STRUCTURE);
    EXPECT_EQ(logic.Cursor(), std::nullopt);
    logic.OnCommand(ID_BLOCK_STRUCTURE);
    SetMode(2);
    EXPECT_EQ(logic.Cursor(), std::nullopt);
}

// What a screen reader says of the cells and the annotations.
TEST_F(ViewLogic, ReadAloud)
{
    using C = CFuseMapCell;
    SetFunction(1, {5, 6}, {7});
    logic.Click({C::OrCell, 1, 6, 0}, {});
    EXPECT_EQ(logic.CellName({C::OrCell, 1, 5, 0}), "OR fuse, output Y1, minterm 5, intact");
    EXPECT_EQ(logic.CellName({C::OrCell, 1, 6, 0}), "OR fuse, output Y1, minterm 6, blown");
    EXPECT_EQ(logic.CellName({C::OrCell, 1, 7, 0}), "OR fuse, output Y1, minterm 7, blown, don't care");
    EXPECT_EQ(logic.CellName({C::OutputGate, 3, 0, 0}), "OR gate, output Y3");
    EXPECT_EQ(logic.AnnotationLines()[2], "Y1 = m5 with don't care 7");
    EXPECT_EQ(logic.AnnotationLines()[3], "Y1 = A'BD");
    SetMode(1);
    SetRowFuses(3, {1, 2, 6});
    EXPECT_EQ(logic.CellName({C::AndCell, 0, 3, 3}), "AND fuse, row 3, input B complemented, blown");
    EXPECT_EQ(logic.CellName({C::AndCell, 0, 3, 2}), "AND fuse, row 3, input B, intact");
    EXPECT_EQ(logic.CellName({C::RowGate, 0, 3, 0}), "AND gate, row 3, A'BD");
    EXPECT_EQ(ReadableText("^A~d1~d^\xC3\x89"), "A'1\xC3\x89'");
}
