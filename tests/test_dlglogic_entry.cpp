// SPDX-License-Identifier: GPL-3.0-or-later
// The Qt-free parts of the entry dialogs that the widget tests do not reach
// easily: headings, the PAL refusal's restore of the result storage, names
// in PAL terms, PLA, and lists too long for the storage.
#include "CZYLDoc.h"
#include "MaxtermLogic.h"
#include "MintermLogic.h"
#include "Platform.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

struct EntryLogic : ::testing::Test
{
    std::unique_ptr<CZYLDoc> doc = std::make_unique<CZYLDoc>();
    CRecordingPlatform platform;
    CScopedPlatform scope{&platform};

    void SetUp() override { platform.doc = doc.get(); }
    void Pal()
    {
        doc->m_bProm = 0;
        doc->m_bPal = 1;
    }
};

TEST_F(EntryLogic, HeadingWithEmptyAndRenamedNames)
{
    doc->m_strFunctionName[1] = "F";
    doc->m_strFunctionName[2] = "";
    doc->m_strFunctionName[3] = "Fx";
    doc->m_strVariableName[1] = "q";
    EXPECT_EQ(EntryHeading(*doc, 0), "Y~d0~d =   f ( A , q , C , D )  =");
    EXPECT_EQ(EntryHeading(*doc, 1), "F =   f ( A , q , C , D )  =");
    EXPECT_EQ(EntryHeading(*doc, 2), " =   f ( A , q , C , D )  =");
    EXPECT_EQ(EntryHeading(*doc, 3), "F~dx~d =   f ( A , q , C , D )  =");
}

TEST_F(EntryLogic, RefusalRestoresCoverAndTerms)
{
    Pal();
    CEntryLists lists;
    lists.terms = {"", "5, 7", "", ""};
    ASSERT_FALSE(UpdateFromMinterms(*doc, lists).stopped);
    EXPECT_EQ(doc->m_andRow[4].m_strTerm, "^ABD");
    EXPECT_EQ(doc->m_aCover[1][0], 1);

    lists.terms = {"3", "0, 3, 5, 6, 9, 10, 12, 15", "", ""};
    const CEntryOutcome outcome = UpdateFromMinterms(*doc, lists);
    EXPECT_TRUE(outcome.refused);
    EXPECT_EQ(outcome.applied, (std::array<bool, 4>{true, false, false, false}));
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, kEntryTermLimitMessage);
    // The cover record is the one the rows were loaded from again.
    EXPECT_EQ(doc->m_aCover[1][0], 1);
    EXPECT_EQ(doc->m_aTerms[500].m_strTerm, "^ABD");
    EXPECT_EQ(doc->m_andRow[4].m_strTerm, "^ABD");
    EXPECT_EQ(doc->m_nPalMinterms[1], 2);
}

TEST_F(EntryLogic, PalTermsGetTheCurrentNames)
{
    Pal();
    doc->m_strVariableName[0] = "P";
    UpdateFromMaxterms(*doc, CEntryLists{{"0, 1, 2, 3, 4, 5, 6, 7, 12, 13, 14, 15", "", "", ""}, {}});
    EXPECT_EQ(doc->m_andRow[0].m_strTerm, "P^B");
    UpdateFromMinterms(*doc, CEntryLists{{"8, 9, 10, 11", "", "", ""}, {}});
    EXPECT_EQ(doc->m_andRow[0].m_strTerm, "P^B");
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(EntryLogic, PlaChangesNothingAndShowsNoLists)
{
    doc->m_bProm = 0;
    doc->m_bPla = 1;
    EXPECT_FALSE(MintermListsFromDoc(*doc).has_value());
    EXPECT_FALSE(MaxtermListsFromDoc(*doc).has_value());
    const std::string state = EntryDeviceState(*doc);
    EXPECT_FALSE(UpdateFromMinterms(*doc, CEntryLists{{"1", "2", "3", "4"}, {}}).AnyApplied());
    EXPECT_EQ(EntryDeviceState(*doc), state);
    EXPECT_FALSE(doc->IsModified());
}

TEST_F(EntryLogic, LongListsStayInBounds)
{
    // Seventeen distinct numbers: the parser keeps one above 15 for the check.
    const std::string many = "0,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16";
    UpdateFromMinterms(*doc, CEntryLists{{many, "", "", ""}, {}});
    UpdateFromMaxterms(*doc, CEntryLists{{"", "", "", ""}, {"", many + "," + many, "", ""}});
    ASSERT_EQ(platform.messages.size(), 2u);
    EXPECT_EQ(platform.messages[0].text, "Minterm number should not exceed 15.");
    EXPECT_EQ(platform.messages[1].text, "Maxterm number in the Don't Care should not exceed 15.");
}

} // namespace
