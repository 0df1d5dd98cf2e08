// SPDX-License-Identifier: GPL-3.0-or-later
// What the Update of the minterm and maxterm dialogs checks, says and
// programs: the message table of both dialogs (lists too long for the
// storage among them), the maxterm round trip, the PAL refusal's set-back,
// names in PAL terms, and PLA.
#include "CZYLDoc.h"
#include "DocInvariants.h"
#include "MaxtermLogic.h"
#include "MintermLogic.h"
#include "Platform.h"
#include "RecordingPlatform.h"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <vector>

namespace {

struct EntryLogic : ::testing::Test
{
    std::unique_ptr<CZYLDoc> doc = std::make_unique<CZYLDoc>();
    CRecordingPlatform platform;
    CScopedPlatform scope{&platform};

    void SetType(DeviceType type)
    {
        doc->Edit([type](DeviceEditor& e) { e.SetType(type); });
    }
};

// The four tables of the current mode, space-separated.
std::string Tables(const CZYLDoc& doc)
{
    std::string out;
    for (int f = 0; f < 4; ++f) {
        const Device& d = doc.Device();
        const Column& table = d.type == DeviceType::Pal ? d.pal.Table(f) : d.prom.Table(f);
        out += (f ? " " : "") + std::string(table.begin(), table.end());
    }
    return out;
}

struct UpdateCase
{
    const char* name;
    bool maxterms;
    bool pal;
    std::vector<const char*> terms, dontCares; // nullptr: the list as the dialog shows it
    std::vector<std::string> messages;        // "Z:" the "ZYL Message" box, "S:" the standard box
    const char* tables;                       // the four tables afterwards, "=" as before
};

void PrintTo(const UpdateCase& c, std::ostream* os) { *os << c.name; }

const char* const N = nullptr;
const std::string kParse = "Z:\nOnly positive integers \nseparated by comma are accepted.";
const std::string kLimit = "S:\n\nThe function entered has more than 4 SOP terms\n and so cannot be implemented\n\n"
                           "by this four minterm PAL.";
std::string Dup(const char* kind, int m, int f)
{
    return "Z:" + std::string(kind) + " " + std::to_string(m) + " is duplicated in the Don't Cares for Function No." +
           std::to_string(f) + ".";
}

const UpdateCase kUpdates[] = {
    {"MinPromListsAndDontCare", false, false, {"1, 3", N, N, N}, {"5", N, N, N}, {}, "01010X0000000000 = = ="},
    {"MinRangeStopsAtF2", false, false, {"1", "2", "16", "3"}, {}, {"Z:Minterm number should not exceed 15."},
     "0100000000000000 0010000000000000 = ="},
    {"MinDuplicateNamesValueAndFunction", false, false, {N, N, N, "1, 2"}, {N, N, N, "2"}, {Dup("Minterm", 2, 3)},
     "= = = ="},
    {"MinOnlyTheFirstDuplicate", false, false, {"4, 5"}, {"5, 4"}, {Dup("Minterm", 4, 0)}, "= = = ="},
    {"MinDuplicateBeforeRange", false, false, {"20"}, {"20"}, {Dup("Minterm", 20, 0)}, "= = = ="},
    {"MinDontCareRange", false, false, {"0", "7"}, {N, "99"},
     {"Z:Minterm number in the Don't Care should not exceed 15."}, "1000000000000000 = = ="},
    // Seventeen distinct numbers, the last too large for an int: one above
    // 15 stays in view of the check, and nothing is written past the lists.
    {"MinLongListAndHugeNumber", false, false, {"0,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,99999999999999"}, {},
     {"Z:Minterm number should not exceed 15."}, "= = = ="},
    {"MinParserStopsBeforeAnyChange", false, false, {"1", N, N, "x"}, {}, {kParse}, "= = = ="},
    {"MinPalAllEmpty", false, true, {"", "", "", ""}, {"", "", "", ""}, {}, "= = = ="},
    {"MinPalParityRefusedF0Applied", false, true, {"1, 2", "0, 3, 5, 6, 9, 10, 12, 15", "7"}, {"", "", "4"},
     {kLimit}, "0110000000000000 = = ="},
    {"MaxProm0And15", true, false, {N, "0, 15"}, {}, {}, "= 0111111111111110 = ="},
    {"MaxBadCharacterSkipsF0Only", true, false, {"x", "1", "", "2, 3"}, {N, "0", N, N}, {kParse},
     "= X011111111111111 = 1100111111111111"},
    {"MaxEveryRejectedListReported", true, false, {"a", "1;2", "3"}, {"b"}, {kParse, kParse, kParse},
     "= = 1110111111111111 ="},
    {"MaxEveryDuplicateReportedF2Skipped", true, false, {"4", N, "1, 2"}, {N, N, "1, 2"},
     {Dup("Maxterm", 1, 2), Dup("Maxterm", 2, 2)}, "1111011111111111 = = ="},
    {"MaxDuplicateThenRangeStops", true, false, {"0", "3, 20"}, {N, "3"},
     {Dup("Maxterm", 3, 1), "Z:Maxterm number should not exceed 15."}, "0111111111111111 = = ="},
    {"MaxDontCareRangeStops", true, false, {N, "1"}, {N, "0,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,0,2"},
     {"Z:Maxterm number in the Don't Care should not exceed 15."}, "= = = ="},
    {"MaxPalAllEmpty", true, true, {"", "", "", ""}, {"", "", "", ""}, {},
     "1111111111111111 1111111111111111 1111111111111111 1111111111111111"},
    {"MaxPalParityRefusedLaterNotReached", true, true, {"0, 3, 5, 6, 9, 10, 12, 15", "1"}, {"", ""}, {kLimit},
     "= = = ="},
};

class EntryUpdate : public EntryLogic, public ::testing::WithParamInterface<UpdateCase>
{
};

TEST_P(EntryUpdate, MessagesAndTables)
{
    const UpdateCase& c = GetParam();
    if (c.pal)
        SetType(DeviceType::Pal);
    CEntryLists lists = *(c.maxterms ? MaxtermListsFromDoc(doc->Device()) : MintermListsFromDoc(doc->Device()));
    for (std::size_t f = 0; f < c.terms.size(); ++f)
        lists.terms[f] = c.terms[f] ? c.terms[f] : lists.terms[f];
    for (std::size_t f = 0; f < c.dontCares.size(); ++f)
        lists.dontCares[f] = c.dontCares[f] ? c.dontCares[f] : lists.dontCares[f];
    std::istringstream before(Tables(*doc)), after(c.tables);
    std::string expected, word, old;
    while (after >> word && before >> old)
        expected += (expected.empty() ? "" : " ") + (word == "=" ? old : word);

    (c.maxterms ? UpdateFromMaxterms : UpdateFromMinterms)(*doc, lists);

    EXPECT_EQ(platform.Recorded(), c.messages);
    EXPECT_EQ(Tables(*doc), expected);
    EXPECT_EQ(CheckDocument(doc->Device()), "");
}

INSTANTIATE_TEST_SUITE_P(BothDialogs, EntryUpdate, ::testing::ValuesIn(kUpdates),
                         [](const auto& info) { return std::string(info.param.name); });

// Functions entered as minterms read back as maxterms, and applying the
// maxterms as shown changes nothing.
TEST_F(EntryLogic, MaxtermRoundTrip)
{
    for (bool pal : {false, true}) {
        SetType(pal ? DeviceType::Pal : DeviceType::Prom);
        UpdateFromMinterms(*doc, CEntryLists{{"1, 3, 5, 7", "0, 15", "", "0,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15"},
                                             {"", "7, 8", "2", ""}});
        EXPECT_EQ(Tables(*doc), "0101010100000000 1000000XX0000001 00X0000000000000 1111111111111111");
        const CEntryLists maxterms = *MaxtermListsFromDoc(doc->Device());
        EXPECT_EQ(maxterms.terms, (std::array<std::string, 4>{"0, 2, 4, 6, 8, 9, 10, 11, 12, 13, 14, 15",
                                                              "1, 2, 3, 4, 5, 6, 9, 10, 11, 12, 13, 14",
                                                              "0, 1, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15", ""}));
        EXPECT_EQ(maxterms.dontCares[1], "7, 8");
        const Device state = doc->Device();
        UpdateFromMaxterms(*doc, maxterms);
        EXPECT_EQ(doc->Device(), state);
        EXPECT_EQ(CheckDocument(doc->Device()), "");
    }
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(EntryLogic, RefusalSetsTheFunctionBack)
{
    SetType(DeviceType::Pal);
    CEntryLists lists;
    lists.terms = {"", "5, 7", "", ""};
    ASSERT_FALSE(UpdateFromMinterms(*doc, lists).stopped);
    EXPECT_EQ(doc->Device().pal.Row(4).text, "^ABD");

    lists.terms = {"3", "0, 3, 5, 6, 9, 10, 12, 15", "", ""};
    const CEntryOutcome outcome = UpdateFromMinterms(*doc, lists);
    EXPECT_TRUE(outcome.refused);
    EXPECT_EQ(outcome.applied, (std::array<bool, 4>{true, false, false, false}));
    EXPECT_EQ(platform.Recorded(), std::vector<std::string>{"S:" + std::string(kEntryTermLimitMessage)});
    EXPECT_EQ(doc->Device().pal.Row(4).text, "^ABD");
    EXPECT_EQ(doc->Device().pal.OnSet(1).Text(), "5, 7");
}

TEST_F(EntryLogic, PalTermsGetTheCurrentNames)
{
    SetType(DeviceType::Pal);
    CNames names = doc->Device().names;
    names.variables[0] = "P";
    doc->Edit([&names](DeviceEditor& e) { e.SetNames(names); });
    UpdateFromMaxterms(*doc, CEntryLists{{"0, 1, 2, 3, 4, 5, 6, 7, 12, 13, 14, 15", "", "", ""}, {}});
    EXPECT_EQ(doc->Device().pal.Row(0).text, "P^B");
    UpdateFromMinterms(*doc, CEntryLists{{"8, 9, 10, 11", "", "", ""}, {}});
    EXPECT_EQ(doc->Device().pal.Row(0).text, "P^B");
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(EntryLogic, PlaChangesNothingAndShowsNoLists)
{
    SetType(DeviceType::Pla);
    doc->SetModifiedFlag(false);
    EXPECT_FALSE(MintermListsFromDoc(doc->Device()).has_value());
    EXPECT_FALSE(MaxtermListsFromDoc(doc->Device()).has_value());
    const Device state = doc->Device();
    EXPECT_FALSE(UpdateFromMinterms(*doc, CEntryLists{{"1", "2", "3", "4"}, {}}).AnyApplied());
    EXPECT_EQ(doc->Device(), state);
    EXPECT_FALSE(doc->IsModified());
}

} // namespace
