// SPDX-License-Identifier: GPL-3.0-or-later
// The view's commands, annotations and PAL simplification, driven through
// the view logic without widgets.
#include "CViewLogic.h"
#include "CZYLDoc.h"
#include "DocInvariants.h"
#include "DocOps.h"
#include "Platform.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

class CFakeView : public IZylView
{
public:
    int invalidated = 0;
    int rects = 0;
    int hidden = 0;
    void InvalidateView() override { ++invalidated; }
    void InvalidateViewRect(const ZRect&) override { ++rects; }
    void HideDialogs() override { ++hidden; }
};

class ViewLogic : public ::testing::Test
{
protected:
    // The document is large; held apart so that the fixture stays small.
    std::unique_ptr<CZYLDoc> m_pDoc = std::make_unique<CZYLDoc>();
    CZYLDoc& doc = *m_pDoc;
    CFakeView view;
    CViewLogic logic{doc, view};
    CRecordingPlatform platform;
    std::unique_ptr<CScopedPlatform> scope;
    int updates = 0;

    void SetUp() override
    {
        platform.doc = &doc;
        scope = std::make_unique<CScopedPlatform>(&platform);
        doc.AddListener([this] { ++updates; });
    }
    void UsePal() { logic.OnCommand(ID_TYPE_PAL); }
    void UsePla() { logic.OnCommand(ID_TYPE_PLA); }

    // A PAL function as the minterm entry writes it: table and lists.
    void SetPalFunction(int f, std::initializer_list<int> minterms, std::initializer_list<int> dontCares = {})
    {
        for (int r = 0; r < 16; ++r)
            doc.m_szPalTable[f][r] = '0';
        for (int m : minterms)
            doc.m_szPalTable[f][m] = '1';
        for (int m : dontCares)
            doc.m_szPalTable[f][m] = 'X';
        UpdateLists(doc, f);
    }
    // A PROM function as the minterm entry writes it.
    void SetPromFunction(int f, std::initializer_list<int> minterms, std::initializer_list<int> dontCares = {})
    {
        for (int r = 0; r < 16; ++r) {
            doc.m_szPromTable[f][r] = '0';
            doc.m_nOrFuse[f][r] = 0;
        }
        for (int m : minterms) {
            doc.m_szPromTable[f][m] = '1';
            doc.m_nOrFuse[f][m] = 1;
        }
        for (int m : dontCares)
            doc.m_szPromTable[f][m] = 'X';
        UpdateLists(doc, f);
    }
    void SetRowFuses(int r, std::initializer_list<int> intactColumns)
    {
        for (int c = 0; c < 8; ++c)
            doc.m_andRow[r].m_nFuse[c] = 0;
        for (int c : intactColumns)
            doc.m_andRow[r].m_nFuse[c] = 1;
        UpdateRowTerm(doc, r);
        CollectPalMinterms(doc, r / 4);
        UpdateTruthTable(doc, r / 4);
    }
    // The text of the item drawn at (x, y), "<none>" when there is none.
    static std::string TextAt(const std::vector<CDrawItem>& items, int x, int y)
    {
        for (const CDrawItem& item : items)
            if (item.x == x && item.y == y)
                return item.kind == CDrawItem::Bitmap ? "<sigma>" : item.text;
        return "<none>";
    }
    static bool HasSigma(const std::vector<CDrawItem>& items, int y)
    {
        for (const CDrawItem& item : items)
            if (item.kind == CDrawItem::Bitmap && item.bitmapId == 140 && item.x == 535 && item.y == y)
                return true;
        return false;
    }
};

// --- Messages ------------------------------------------------------------------

struct MessageCase
{
    const char* name;
    int mode; // 0 PROM, 1 PAL, 2 PLA
    int id;
    bool zylBox;
    const char* text;
};

const char kPla[] = "\n\nPLA is not commonly used, so this will not be implemented.";
const char kPromAnd[] = "The input AND array in the PROM is hard-wired.\n\n";
const char kPalOr[] = "The output OR array for the PAL is hard-wired.";

const MessageCase kMessages[] = {
    {"PromAlreadyProm", 0, ID_TYPE_PROM, true, "The ZYL is in PROM mode now."},
    {"PalAlreadyPal", 1, ID_TYPE_PAL, true, "The ZYL is in PAL mode now."},
    {"PlaAlreadyPla", 2, ID_TYPE_PLA, true, "The ZYL is in PLA mode now."},
    {"PlaInputReinstate", 2, ID_INPUT_REINSTATE_ALL, false, kPla},
    {"PlaInputBlow", 2, ID_INPUT_BLOW_ALL, false, kPla},
    {"PlaOutputReinstate", 2, ID_OUTPUT_REINSTATE_ALL, false, kPla},
    {"PlaOutputBlow", 2, ID_OUTPUT_BLOW_ALL, false, kPla},
    {"PlaOutput0", 2, ID_OUTPUT_FUSES_0, false, kPla},
    {"PlaOutput3", 2, ID_OUTPUT_FUSES_0 + 3, false, kPla},
    {"PromInputReinstate", 0, ID_INPUT_REINSTATE_ALL, false, kPromAnd},
    {"PromInputBlow", 0, ID_INPUT_BLOW_ALL, false, kPromAnd},
    {"PalOutputReinstate", 1, ID_OUTPUT_REINSTATE_ALL, false, kPalOr},
    {"PalOutputBlow", 1, ID_OUTPUT_BLOW_ALL, false, kPalOr},
    {"PalOutput1", 1, ID_OUTPUT_FUSES_0 + 1, false, kPalOr},
    {"PalOutput2", 1, ID_OUTPUT_FUSES_0 + 2, false, kPalOr},
    {"PalPromMinterms", 1, ID_SHOW_MINTERMS, false,
     "\nThis is a PAL, \nthere is no fixed minterm \nat the output of the AND array.\n\n"},
    {"PromPalTerms", 0, ID_SHOW_PRODUCT_TERMS, false,
     "\nThis is a PROM, \nthere is no programmable product term \nat the output of the AND array.\n\n"},
    {"PlaPromMinterms", 2, ID_SHOW_MINTERMS, false, "\nThe PLA is not commonly used, so this will not be implemented."},
    {"PlaPalTerms", 2, ID_SHOW_PRODUCT_TERMS, false,
     "\nThe PLA is not commonly used, so this will not be implemented."},
    {"PromSimplify", 0, ID_SIMPLIFY_PAL, false, "\n\nThe ZYL is not in PAL mode,\nno simplification will be processed."},
    {"PlaSimplify", 2, ID_SIMPLIFY_PAL, false, "\n\nThe ZYL is not in PAL mode,\nno simplification will be processed."},
};

class ViewLogicMessage : public ViewLogic, public ::testing::WithParamInterface<MessageCase>
{
};

TEST_P(ViewLogicMessage, ShownOnceInItsBoxAndNothingChanges)
{
    const MessageCase& c = GetParam();
    if (c.mode == 1)
        UsePal();
    if (c.mode == 2)
        UsePla();
    platform.messages.clear();
    doc.m_strMessage.clear();
    const std::string before = CheckDocument(doc);
    const int updatesBefore = updates;
    int orFuses[4][16];
    std::copy(&doc.m_nOrFuse[0][0], &doc.m_nOrFuse[0][0] + 64, &orFuses[0][0]);
    const int flags[] = {doc.m_bShowMinterms, doc.m_bShowProductTerms, doc.m_nOutputToggle[0], doc.m_nOutputToggle[3]};

    logic.OnCommand(c.id);

    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].zylBox, c.zylBox);
    EXPECT_EQ(platform.messages[0].text, c.text);
    // The "ZYL Message" box shows the document's message text.
    EXPECT_EQ(doc.m_strMessage, c.zylBox ? std::string(c.text) : std::string());
    EXPECT_EQ(updates, updatesBefore);
    EXPECT_FALSE(doc.IsModified() && c.mode == 0);
    EXPECT_TRUE(std::equal(&orFuses[0][0], &orFuses[0][0] + 64, &doc.m_nOrFuse[0][0]));
    const int after[] = {doc.m_bShowMinterms, doc.m_bShowProductTerms, doc.m_nOutputToggle[0], doc.m_nOutputToggle[3]};
    EXPECT_TRUE(std::equal(std::begin(flags), std::end(flags), std::begin(after)));
    EXPECT_EQ(CheckDocument(doc), before);
}

INSTANTIATE_TEST_SUITE_P(AllWrongModes, ViewLogicMessage, ::testing::ValuesIn(kMessages),
                         [](const auto& info) { return std::string(info.param.name); });

// --- Device type and view options -----------------------------------------------

TEST_F(ViewLogic, SwitchingKeepsEachModesData)
{
    logic.OnCommand(ID_OUTPUT_FUSES_0 + 1);
    SetPromFunction(2, {5}, {7, 9});
    UsePal();
    EXPECT_EQ(doc.m_bPal + doc.m_bProm + doc.m_bPla, 1);
    EXPECT_TRUE(logic.IsChecked(ID_TYPE_PAL));
    EXPECT_FALSE(logic.IsChecked(ID_TYPE_PROM));
    EXPECT_TRUE(doc.IsModified());
    logic.OnCommand(ID_INPUT_BLOW_ALL);
    logic.OnCommand(ID_TYPE_PROM);
    EXPECT_EQ(doc.m_nPromMinterms[1], 0);
    EXPECT_EQ(doc.m_nPromMinterms[2], 1);
    EXPECT_EQ(doc.m_nPromDontCares[2], 2);
    EXPECT_EQ(doc.m_szPromTable[2][7], 'X');
    EXPECT_EQ(CheckDocument(doc), "");
}

TEST_F(ViewLogic, SwitchToPlaHidesDialogsOnce)
{
    UsePla();
    EXPECT_EQ(view.hidden, 1);
    EXPECT_TRUE(logic.IsChecked(ID_TYPE_PLA));
    UsePla();
    EXPECT_EQ(view.hidden, 1);
    EXPECT_TRUE(logic.BuildAnnotations().empty());
}

TEST_F(ViewLogic, BlockStructureSilencesArrayCommandsButNotLabels)
{
    logic.OnCommand(ID_BLOCK_STRUCTURE);
    EXPECT_TRUE(logic.IsChecked(ID_BLOCK_STRUCTURE));
    for (int id : {int(ID_INPUT_REINSTATE_ALL), int(ID_INPUT_BLOW_ALL), int(ID_OUTPUT_REINSTATE_ALL),
                   int(ID_OUTPUT_BLOW_ALL), int(ID_OUTPUT_FUSES_0), ID_OUTPUT_FUSES_0 + 3, int(ID_SHOW_MINTERMS),
                   int(ID_SHOW_PRODUCT_TERMS), int(ID_SIMPLIFY_PAL)})
        logic.OnCommand(id);
    UsePla();
    logic.OnCommand(ID_INPUT_BLOW_ALL);
    logic.OnCommand(ID_OUTPUT_BLOW_ALL);
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(doc.m_nPromMinterms[0], 16);
    EXPECT_EQ(doc.m_nOutputToggle[0], 1);
    EXPECT_EQ(doc.m_bShowMinterms, 0);
    logic.OnCommand(ID_AND_LABEL);
    logic.OnCommand(ID_OR_LABEL);
    EXPECT_TRUE(logic.IsChecked(ID_AND_LABEL));
    EXPECT_TRUE(logic.IsChecked(ID_OR_LABEL));
    logic.OnCommand(ID_AND_LABEL);
    EXPECT_FALSE(logic.IsChecked(ID_AND_LABEL));
    logic.OnCommand(ID_TYPE_PROM);
    EXPECT_TRUE(logic.BuildAnnotations().empty());
    // No edit by mouse either.
    logic.OnLButtonDown(ZPoint{280, 140}, ZPoint{});
    EXPECT_EQ(doc.m_nOrFuse[0][0], 1);
    EXPECT_FALSE(logic.IsFuseCursor(ZPoint{280, 140}));
}

TEST_F(ViewLogic, RowLabelCommandsToggleInTheirMode)
{
    logic.OnCommand(ID_SHOW_MINTERMS);
    EXPECT_TRUE(logic.IsChecked(ID_SHOW_MINTERMS));
    EXPECT_EQ(view.rects, 1);
    std::vector<CDrawItem> items = logic.BuildAnnotations();
    EXPECT_EQ(TextAt(items, 380, 137 + 25 * 5), "m~d5~d = ^AB^CD");
    EXPECT_EQ(TextAt(items, 380, 137), "m~d0~d = ^A^B^C^D");
    UsePal();
    logic.OnCommand(ID_SHOW_PRODUCT_TERMS);
    SetRowFuses(3, {0, 3});
    items = logic.BuildAnnotations();
    EXPECT_EQ(TextAt(items, 380, 137 + 25 * 3), "A^B");
    EXPECT_EQ(TextAt(items, 380, 137), "0");
    logic.OnCommand(ID_SHOW_PRODUCT_TERMS);
    EXPECT_EQ(TextAt(logic.BuildAnnotations(), 380, 137), "<none>");
    EXPECT_TRUE(platform.messages.empty());
}

// --- Array commands ---------------------------------------------------------------

TEST_F(ViewLogic, OutputCommandTogglesByItsOwnFlag)
{
    doc.m_nOrFuse[2][4] = 0; // a single fuse changed in between does not matter
    doc.m_szPromTable[2][4] = '0';
    UpdateLists(doc, 2);
    logic.OnCommand(ID_OUTPUT_FUSES_0 + 2);
    EXPECT_FALSE(logic.IsChecked(ID_OUTPUT_FUSES_0 + 2));
    EXPECT_EQ(doc.m_nPromMinterms[2], 0);
    logic.OnCommand(ID_OUTPUT_FUSES_0 + 2);
    EXPECT_TRUE(logic.IsChecked(ID_OUTPUT_FUSES_0 + 2));
    EXPECT_EQ(doc.m_nPromMinterms[2], 16);
    EXPECT_EQ(CheckDocument(doc), "");
}

TEST_F(ViewLogic, OutputReinstateAllOverwritesDontCares)
{
    SetPromFunction(1, {5}, {7, 9});
    logic.OnCommand(ID_OUTPUT_REINSTATE_ALL);
    EXPECT_EQ(doc.m_nPromMinterms[1], 16);
    EXPECT_EQ(doc.m_nPromDontCares[1], 0);
    EXPECT_EQ(doc.m_szPromTable[1][7], '1');
    logic.OnCommand(ID_OUTPUT_BLOW_ALL);
    for (int f = 0; f < 4; ++f) {
        EXPECT_EQ(doc.m_nPromMinterms[f], 0);
        EXPECT_EQ(doc.m_nOutputToggle[f], 0);
    }
    EXPECT_EQ(CheckDocument(doc), "");
}

TEST_F(ViewLogic, InputBlowAllRecomputesRowsFunctionsAndTables)
{
    UsePal();
    SetPalFunction(1, {}, {6});
    logic.OnCommand(ID_INPUT_BLOW_ALL);
    for (int r = 0; r < 16; ++r)
        EXPECT_EQ(doc.m_andRow[r].m_strTerm, "1");
    for (int f = 0; f < 4; ++f) {
        EXPECT_EQ(doc.m_nPalMinterms[f], 16);
        EXPECT_EQ(doc.m_szPalTable[f][6], '1');
    }
    // The covered don't care is a minterm now, not both.
    EXPECT_EQ(doc.m_nPalDontCares[1], 0);
    logic.OnCommand(ID_INPUT_REINSTATE_ALL);
    EXPECT_EQ(doc.m_andRow[9].m_strTerm, "0");
    EXPECT_EQ(doc.m_nPalMinterms[2], 0);
    EXPECT_EQ(doc.m_szPalTable[2][3], '0');
    EXPECT_EQ(CheckDocument(doc), "");
}

// --- Annotations --------------------------------------------------------------------

TEST_F(ViewLogic, PromDefaultFunctionShowsAllSixteen)
{
    const std::vector<CDrawItem> items = logic.BuildAnnotations();
    EXPECT_EQ(TextAt(items, 500, 140), "Y~d0~d =");
    EXPECT_TRUE(HasSigma(items, 140));
    EXPECT_EQ(TextAt(items, 550, 140), "m ( 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15 )");
    EXPECT_EQ(TextAt(items, 520, 165), "=");
    EXPECT_EQ(TextAt(items, 535, 165), "1");
    EXPECT_EQ(TextAt(items, 500, 380), "Y~d3~d =");
}

TEST_F(ViewLogic, SingleMintermWithTwoDontCaresInBothModes)
{
    SetPromFunction(1, {5}, {7, 9});
    std::vector<CDrawItem> items = logic.BuildAnnotations();
    EXPECT_EQ(TextAt(items, 540, 220), "m~d5~d with don't cares (7, 9 )");
    EXPECT_FALSE(HasSigma(items, 220));
    // 5 with don't care 7 gives B D, with 9 nothing better.
    EXPECT_EQ(TextAt(items, 535, 245), "^ABD");
    UsePal();
    SetPalFunction(1, {5}, {7, 9});
    SetRowFuses(4, {1, 2, 5, 6}); // ^AB^CD
    items = logic.BuildAnnotations();
    EXPECT_EQ(TextAt(items, 535, 220), "m~d5~d with don't cares ( 7, 9 )");
    EXPECT_EQ(TextAt(items, 535, 245), "^AB^CD");
}

TEST_F(ViewLogic, OneDontCareAndSeveralMinterms)
{
    SetPromFunction(0, {1, 3}, {8});
    const std::vector<CDrawItem> items = logic.BuildAnnotations();
    EXPECT_EQ(TextAt(items, 550, 140), "m ( 1, 3 ) with don't care 8");
    EXPECT_EQ(TextAt(items, 535, 165), "^A^BD");
}

TEST_F(ViewLogic, NoMintermsShowsZeroWithoutSecondLine)
{
    SetPromFunction(3, {}, {2, 4});
    std::vector<CDrawItem> items = logic.BuildAnnotations();
    EXPECT_EQ(TextAt(items, 535, 380), " 0");
    EXPECT_EQ(TextAt(items, 520, 405), "<none>");
    UsePal();
    items = logic.BuildAnnotations();
    EXPECT_EQ(TextAt(items, 535, 140), " 0");
    EXPECT_EQ(TextAt(items, 535, 165), "<none>");
}

TEST_F(ViewLogic, FunctionLabels)
{
    doc.m_strFunctionName[0] = "F";
    doc.m_strFunctionName[1] = "Y1";
    doc.m_strFunctionName[2] = "Out";
    doc.m_strFunctionName[3] = "";
    const std::vector<CDrawItem> items = logic.BuildAnnotations();
    EXPECT_EQ(TextAt(items, 500, 140), "F  =");
    EXPECT_EQ(TextAt(items, 500, 220), "Y~d1~d =");
    EXPECT_EQ(TextAt(items, 500, 300), "O  =");
    EXPECT_EQ(TextAt(items, 500, 380), "  =");
}

TEST_F(ViewLogic, PalSumOfRowsAndTheConstantOneLine)
{
    UsePal();
    SetRowFuses(0, {0}); // A
    SetRowFuses(1, {1}); // ^A
    std::vector<CDrawItem> items = logic.BuildAnnotations();
    EXPECT_TRUE(HasSigma(items, 140));
    EXPECT_EQ(TextAt(items, 550, 140), "m( 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15 )");
    EXPECT_EQ(TextAt(items, 535, 165), "A + ^A");
    EXPECT_EQ(TextAt(items, 520, 190), "=  1");
    SetRowFuses(0, {});          // 1
    SetRowFuses(1, {0, 1});      // 0
    items = logic.BuildAnnotations();
    EXPECT_EQ(TextAt(items, 535, 165), "1");
    EXPECT_EQ(TextAt(items, 520, 190), "<none>");
}

// --- Simplification ---------------------------------------------------------------

TEST_F(ViewLogic, SimplifyStopsAtParityInPositionTwo)
{
    UsePal();
    SetPalFunction(0, {0, 1, 2, 3});
    SetPalFunction(1, {5, 7, 13, 15}, {6});
    SetPalFunction(2, {1, 2, 4, 7, 8, 11, 13, 14});
    SetPalFunction(3, {15});
    SetRowFuses(12, {0}); // what function 3's rows held before
    SetPalFunction(3, {15});
    const CAndRow row12 = doc.m_andRow[12];
    const CAndRow row8 = doc.m_andRow[8];
    platform.messages.clear();

    logic.OnCommand(ID_SIMPLIFY_PAL);

    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_FALSE(platform.messages[0].zylBox);
    EXPECT_EQ(platform.messages[0].text, "\n\nThe function entered has more than 4 SOP terms\n and so cannot be "
                                         "implemented\n\nby this four minterm PAL.");
    EXPECT_EQ(doc.m_andRow[0].m_strTerm, "^A^B");
    EXPECT_EQ(doc.m_andRow[1].m_strTerm, "0");
    EXPECT_EQ(doc.m_andRow[4].m_strTerm, "BD"); // the don't care 6 takes no part
    EXPECT_EQ(doc.m_andRow[5].m_strTerm, "0");
    EXPECT_EQ(doc.m_andRow[8].m_strTerm, row8.m_strTerm);
    EXPECT_TRUE(std::equal(row12.m_nFuse, row12.m_nFuse + 8, doc.m_andRow[12].m_nFuse));
    EXPECT_EQ(doc.m_andRow[12].m_strTerm, "A");

    // Twice gives the same rows as once.
    std::string once[16];
    for (int r = 0; r < 16; ++r)
        once[r] = doc.m_andRow[r].m_strTerm;
    logic.OnCommand(ID_SIMPLIFY_PAL);
    EXPECT_EQ(platform.messages.size(), 2u);
    for (int r = 0; r < 16; ++r)
        EXPECT_EQ(doc.m_andRow[r].m_strTerm, once[r]) << r;
}

TEST_F(ViewLogic, SimplifyConstantFunctions)
{
    UsePal();
    SetRowFuses(0, {0, 3});
    SetPalFunction(0, {});
    SetPalFunction(1, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15});
    logic.OnCommand(ID_SIMPLIFY_PAL);
    EXPECT_TRUE(platform.messages.empty());
    for (int r = 0; r < 4; ++r) {
        EXPECT_EQ(doc.m_andRow[r].m_strTerm, "0");
        EXPECT_EQ(std::count(doc.m_andRow[r].m_nFuse, doc.m_andRow[r].m_nFuse + 8, 1), 8);
    }
    EXPECT_EQ(doc.m_andRow[4].m_strTerm, "1");
    EXPECT_EQ(doc.m_andRow[5].m_strTerm, "0");
    EXPECT_EQ(logic.PalRowSum(1), "1");
    EXPECT_EQ(CheckDocument(doc), "");
}

} // namespace
