// SPDX-License-Identifier: GPL-3.0-or-later
// The names checks: which message, in which order, and what is stored.
#include "CZYLDoc.h"
#include "MintermLogic.h"
#include "TruthTableLogic.h"
#include "NamesLogic.h"
#include "Platform.h"
#include "RecordingPlatform.h"
#include "Utf8.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

struct NamesCase
{
    const char* label;
    CNames names;
    const char* message; // nullptr: accepted
};

const CNames kDefault{{"A", "B", "C", "D"}, {"Y0", "Y1", "Y2", "Y3"}};

CNames With(std::array<std::string, 4> variables, std::array<std::string, 4> functions)
{
    return CNames{std::move(variables), std::move(functions)};
}

class NamesChecks : public ::testing::TestWithParam<NamesCase>
{
};

TEST_P(NamesChecks, FirstFailingCheckOnly)
{
    const NamesCase& c = GetParam();
    auto doc = std::make_unique<CZYLDoc>();
    CRecordingPlatform platform;
    CScopedPlatform scope(&platform);

    const bool stored = ApplyNames(*doc, c.names);
    EXPECT_EQ(stored, c.message == nullptr);
    if (c.message) {
        EXPECT_EQ(platform.Recorded(), std::vector<std::string>{"S:" + std::string(c.message)});
        EXPECT_EQ(doc->Device().names, kDefault);
        EXPECT_FALSE(doc->IsModified());
    } else {
        EXPECT_TRUE(platform.messages.empty());
        EXPECT_EQ(doc->Device().names, c.names);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Names, NamesChecks,
    ::testing::Values(
        NamesCase{"variablesDuplicated", With({"A", "B", "A", "D"}, {"Y0", "Y1", "Y2", "Y3"}), kVariableNamesDuplicated},
        NamesCase{"functionsDuplicated", With({"A", "B", "C", "D"}, {"F", "G", "F", "H"}), kFunctionNamesDuplicated},
        NamesCase{"variablesBeforeFunctions", With({"A", "A", "C", "D"}, {"F", "F", "G", "ABC"}), kVariableNamesDuplicated},
        NamesCase{"functionsBeforeLength", With({"A", "B", "C", "D"}, {"F", "F", "G", "ABC"}), kFunctionNamesDuplicated},
        NamesCase{"functionTooLong", With({"A", "B", "C", "D"}, {"F", "G", "H", "ABC"}), kFunctionNameTooLong},
        NamesCase{"twoEmptyVariables", With({"", "B", "", "D"}, {"Y0", "Y1", "Y2", "Y3"}), kVariableNamesDuplicated},
        NamesCase{"longVariable", With({"AB", "B", "C", "D"}, {"Y0", "Y1", "Y2", "Y3"}), kVariableNameFieldTooLong},
        NamesCase{"caseSensitive", With({"a", "A", "c", "C"}, {"y", "Y", "Y0", "y0"}), nullptr},
        NamesCase{"oneEmptyEach", With({"", "B", "C", "D"}, {"Y0", "", "Y2", "Y3"}), nullptr},
        NamesCase{"digitsAndSpaces", With({"1", " ", "x", "D"}, {"F ", " F", "9", "Z"}), nullptr},
        // Lengths count characters: "é", U+1D49C and an emoji are one each
        // (the refusals of longer ones are the rows of ASCII names above).
        NamesCase{"anyScript",
                  With({"\xC3\xA9", "\xF0\x9D\x92\x9C", "\xF0\x9F\x98\x80", "\xC3\x84"},
                       {"\xCE\xA9" "2", "\xC3\xA9\xF0\x9D\x92\x9C", "\xF0\x9F\x98\x80\xF0\x9F\x98\x80", "\xC3\x9F"}),
                  nullptr},
        // Markup characters, checked after the three checks above.
        NamesCase{"caretVariable", With({"A", "^", "C", "D"}, {"Y0", "Y1", "Y2", "Y3"}), kNameHoldsMarkup},
        NamesCase{"tildeFunction", With({"A", "B", "C", "D"}, {"Y0", "Y1", "Y~", "Y3"}), kNameHoldsMarkup},
        NamesCase{"duplicatesBeforeMarkup", With({"^", "^", "C", "D"}, {"Y0", "Y1", "Y2", "Y3"}), kVariableNamesDuplicated},
        NamesCase{"lengthBeforeMarkup", With({"~", "B", "C", "D"}, {"Y0", "Y1", "Y2", "Y33"}), kFunctionNameTooLong}),
    [](const auto& info) { return std::string(info.param.label); });

// Names unchanged are no change: nothing is told and nothing modified.
TEST(NamesApply, LabelsFollowViewsToldModifiedOnlyOnChange)
{
    auto doc = std::make_unique<CZYLDoc>();
    int updates = 0;
    doc->AddListener([&](const DeviceChange& change) { updates += change.variableNames == 0xF ? 1 : 100; });
    ASSERT_TRUE(ApplyNames(*doc, kDefault));
    EXPECT_EQ(updates, 0);
    EXPECT_FALSE(doc->IsModified());
    ASSERT_TRUE(ApplyNames(*doc, With({"P", "Q", "R", "S"}, {"Y0", "Y1", "Y2", "Y3"})));
    EXPECT_EQ(doc->Device().MintermLabel(5), "^PQ^RS");
    EXPECT_EQ(updates, 1);
    EXPECT_TRUE(doc->IsModified());
}

TEST(NamesDialog, LettersAndPlacement)
{
    EXPECT_EQ(LetterIndex("Z"), 25);
    EXPECT_EQ(LetterIndex(""), -1);
    EXPECT_EQ(LetterIndex("AB"), -1);
    EXPECT_EQ(CheckVariableField("xy"), kVariableNameFieldTooLong);
    EXPECT_EQ(CheckVariableField("^"), kNameHoldsMarkup);
    EXPECT_EQ(CheckVariableField("~~"), kVariableNameFieldTooLong);
    EXPECT_EQ(CheckFunctionField("\xF0\x9F\x98\x80x"), nullptr);
    EXPECT_EQ(CheckFunctionField("A~"), kNameHoldsMarkup);
    EXPECT_EQ(NamesDialogPosition(ZSize{1024, 768}, ZSize{342, 434}), (ZPoint{341, 167}));
}

// Headings subscript the last of two characters, however many bytes each;
// an empty name leaves the rest of the heading.
TEST(NamesCharacters, HeadingsSubscriptWholeCharacters)
{
    Device device;
    device.names.variables[0] = "\xF0\x9D\x92\x9C";
    device.names.variables[1] = "q";
    const std::pair<const char*, const char*> cases[] = {
        {"Y0", "Y~d0~d"}, {"F", "F"}, {"", ""}, {"Fx", "F~dx~d"}, {"\xCE\xA9\xF0\x9F\x98\x80", "\xCE\xA9~d\xF0\x9F\x98\x80~d"}};
    for (const auto& [name, shown] : cases) {
        device.names.functions[2] = name;
        EXPECT_EQ(EntryHeading(device, 2), std::string(shown) + " =   f ( \xF0\x9D\x92\x9C , q , C , D )  =");
    }
    EXPECT_EQ(TableFunctionTitle("\xCE\xA9\xF0\x9F\x98\x80"), "\xCE\xA9~d\xF0\x9F\x98\x80");
    EXPECT_EQ(TableFunctionTitle("\xC3\xA9"), "\xC3\xA9");
}

// Names are counted and cut by character; a byte that starts no well-formed
// UTF-8 sequence is a character of its own (U+FFFD), never part of another.
TEST(NamesCharacters, DecodeCountAndCut)
{
    const char32_t bad = Utf8::kReplacement;
    struct Case
    {
        const char* text;
        std::u32string chars;
        const char* firstTwo;
    };
    const Case cases[] = {
        {"", U"", ""},
        {"\xC3\xA9t\xC3\xA9", U"\u00e9t\u00e9", "\xC3\xA9t"},
        {"\xF0\x9D\x92\x9C\xF0\x9F\x98\x80!", U"\U0001D49C\U0001F600!", "\xF0\x9D\x92\x9C\xF0\x9F\x98\x80"},
        {"\xE2\x82\xAC" "1", U"\u20ac1", "\xE2\x82\xAC" "1"},
        {"\xC3", {bad}, "\xC3"},                                  // cut short at the end
        {"\xE2\x82" "A", {bad, bad, U'A'}, "\xE2\x82"},            // cut short before a letter
        {"\xC0\xAF", {bad, bad}, "\xC0\xAF"},                     // overlong "/"
        {"\xED\xA0\x80", {bad, bad, bad}, "\xED\xA0"},            // a surrogate
        {"\xF4\x90\x80\x80", {bad, bad, bad, bad}, "\xF4\x90"},   // beyond U+10FFFF
        {"\x80\xC3\xA9", {bad, U'\u00e9'}, "\x80\xC3\xA9"},        // a stray continuation byte
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::string(c.text)));
        EXPECT_EQ(Utf8::Decode(c.text), c.chars);
        EXPECT_EQ(Utf8::CountChars(c.text), c.chars.size());
        EXPECT_EQ(Utf8::Truncate(c.text, 2), c.firstTwo);
        EXPECT_EQ(Utf8::IsValid(c.text), c.chars.find(bad) == std::u32string::npos);
        std::string again; // the characters, one by one, give the text back
        for (std::size_t k = 0; k < c.chars.size(); ++k)
            again += Utf8::CharAtIndex(c.text, k);
        EXPECT_EQ(again, c.text);
        EXPECT_EQ(Utf8::CharAtIndex(c.text, c.chars.size()), "");
    }
    for (char32_t ch : {U'A', U'\u00e9', U'\u20ac', U'\U0001D49C', U'\U0010FFFF'})
        EXPECT_EQ(Utf8::Decode(Utf8::Encode(ch)), std::u32string(1, ch));
    EXPECT_EQ(Utf8::Encode(0xD800), Utf8::Encode(bad));
}

} // namespace
