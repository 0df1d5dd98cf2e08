// SPDX-License-Identifier: GPL-3.0-or-later
// The names checks: which message, in which order, and what is stored.
#include "CZYLDoc.h"
#include "NamesLogic.h"
#include "Platform.h"

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
    platform.doc = doc.get();
    CScopedPlatform scope(&platform);

    const bool stored = ApplyNames(*doc, c.names);
    EXPECT_EQ(stored, c.message == nullptr);
    if (c.message) {
        ASSERT_EQ(platform.messages.size(), 1u);
        EXPECT_FALSE(platform.messages[0].zylBox);
        EXPECT_EQ(platform.messages[0].text, c.message);
        EXPECT_EQ(NamesFromDoc(*doc), kDefault);
        EXPECT_FALSE(doc->IsModified());
    } else {
        EXPECT_TRUE(platform.messages.empty());
        EXPECT_EQ(NamesFromDoc(*doc), c.names);
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
        NamesCase{"twoEmptyFunctions", With({"A", "B", "C", "D"}, {"", "Y1", "", "Y3"}), kFunctionNamesDuplicated},
        NamesCase{"longVariable", With({"AB", "B", "C", "D"}, {"Y0", "Y1", "Y2", "Y3"}), kVariableNameFieldTooLong},
        NamesCase{"caseSensitive", With({"a", "A", "c", "C"}, {"y", "Y", "Y0", "y0"}), nullptr},
        NamesCase{"oneEmptyEach", With({"", "B", "C", "D"}, {"Y0", "", "Y2", "Y3"}), nullptr},
        NamesCase{"digitsAndSpaces", With({"1", " ", "x", "D"}, {"F ", " F", "9", "Z"}), nullptr}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(NamesApply, LabelsRebuiltViewsToldModifiedOnlyOnChange)
{
    auto doc = std::make_unique<CZYLDoc>();
    int updates = 0;
    doc->AddListener([&] { ++updates; });
    ASSERT_TRUE(ApplyNames(*doc, kDefault));
    EXPECT_EQ(updates, 1);
    EXPECT_FALSE(doc->IsModified());
    ASSERT_TRUE(ApplyNames(*doc, With({"P", "Q", "R", "S"}, {"Y0", "Y1", "Y2", "Y3"})));
    EXPECT_EQ(doc->m_strMintermLabel[5], "^PQ^RS");
    EXPECT_EQ(updates, 2);
    EXPECT_TRUE(doc->IsModified());
}

TEST(NamesDialog, LettersAndPlacement)
{
    EXPECT_EQ(LetterIndex("A"), 0);
    EXPECT_EQ(LetterIndex("Z"), 25);
    EXPECT_EQ(LetterIndex("a"), -1);
    EXPECT_EQ(LetterIndex(""), -1);
    EXPECT_EQ(LetterIndex("AB"), -1);
    EXPECT_EQ(CheckVariableField("x"), nullptr);
    EXPECT_EQ(CheckVariableField("xy"), kVariableNameFieldTooLong);
    EXPECT_EQ(NamesDialogPosition(ZSize{1024, 768}, ZSize{342, 434}), (ZPoint{341, 167}));
    EXPECT_EQ(NamesDialogPosition(ZSize{300, 400}, ZSize{342, 434}), (ZPoint{0, 0}));
}

} // namespace
