// SPDX-License-Identifier: GPL-3.0-or-later
#include "CZYLDoc.h"
#include "MinimizeTool.h"
#include "Platform.h"
#include "TermListParser.h"

#include <gtest/gtest.h>

#include <climits>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct ParseCase
{
    std::string input;
    int result;
    std::vector<int> numbers;
};

class Parser : public ::testing::TestWithParam<ParseCase>
{
};

const std::string kMessage = "\nOnly positive integers \nseparated by comma are accepted.";

} // namespace

TEST_P(Parser, ReadsTheTable)
{
    const ParseCase& c = GetParam();
    auto doc = std::make_unique<CZYLDoc>();
    CRecordingPlatform platform;
    platform.doc = doc.get();
    CScopedPlatform scope(&platform);
    int numbers[16];
    const int n = ParseTermList(c.input, numbers);
    EXPECT_EQ(n, c.result);
    if (n > 0) {
        EXPECT_EQ(std::vector<int>(numbers, numbers + n), c.numbers);
    }
    if (n == -1) {
        ASSERT_EQ(platform.messages.size(), 1u);
        EXPECT_TRUE(platform.messages[0].zylBox);
        EXPECT_EQ(platform.messages[0].text, kMessage);
        EXPECT_EQ(doc->m_strMessage, kMessage);
    } else {
        EXPECT_TRUE(platform.messages.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    TermLists, Parser,
    ::testing::Values(ParseCase{"", 0, {}}, ParseCase{"    ", 0, {}}, ParseCase{" 3, 5 ,7 ", 3, {3, 5, 7}},
                      ParseCase{"0", 1, {0}}, ParseCase{"007", 1, {7}}, ParseCase{"1 2", 1, {12}},
                      ParseCase{"1 ,2", 2, {1, 2}}, ParseCase{"1,2,", 2, {1, 2}}, ParseCase{",1", 0, {}},
                      ParseCase{"1,,2", 0, {}}, ParseCase{"1, ,2", 0, {}}, ParseCase{",", 0, {}},
                      ParseCase{"1;2", -1, {}}, ParseCase{"-1", -1, {}}, ParseCase{"+3", -1, {}},
                      ParseCase{"1.5", -1, {}}, ParseCase{"1,\t2", -1, {}}, ParseCase{"1\n", -1, {}},
                      ParseCase{"x", -1, {}}, ParseCase{"\xe9", -1, {}}, ParseCase{"16", 1, {16}},
                      ParseCase{"99", 1, {99}},
                      // Too large for an int: still above 15 for the callers.
                      ParseCase{"99999999999999999999", 1, {INT_MAX}},
                      // More numbers than the array holds: repeats fold, nothing is lost.
                      ParseCase{"1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,2", 2, {1, 2}},
                      ParseCase{"0,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,3", 16,
                                {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}},
                      // Distinct numbers that cannot fit keep one above 15 in view.
                      ParseCase{"0,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,40", 16,
                                {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 40}}));

TEST(ParserBounds, NeverWritesPastTheArray)
{
    // Guard cells around the caller's array catch any write beyond it.
    int guarded[18];
    std::fill(std::begin(guarded), std::end(guarded), 777);
    std::string text;
    for (int i = 0; i < 200; ++i)
        text += std::to_string(i) + ",";
    EXPECT_EQ(ParseTermList(text, guarded + 1), 16);
    EXPECT_EQ(guarded[0], 777);
    EXPECT_EQ(guarded[17], 777);
    EXPECT_GT(guarded[16], 15);

    EXPECT_EQ(TrimLeadingSpaces("  a b "), "a b ");
    EXPECT_EQ(TrimTrailingSpaces("  a b  "), "  a b");
    EXPECT_EQ(TrimTrailingSpaces("\t "), "\t");
}

namespace {

struct ToolRun
{
    int status;
    std::string out;
    std::string err;
};

ToolRun Tool(const std::vector<std::string>& args, const std::string& input = "")
{
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    const int status = MinimizeTool::Main(args, in, out, err);
    return ToolRun{status, out.str(), err.str()};
}

} // namespace

TEST(MinimizeCommand, SumsOfProducts)
{
    EXPECT_EQ(Tool({"1,3,5,7,9,11"}).out, "^AD + ^BD\n");
    EXPECT_EQ(Tool({""}).out, "0\n");
    EXPECT_EQ(Tool({"2", "0,1,3"}).out, "^A^B\n");
    EXPECT_EQ(Tool({"--all", "0,1,2,5,6,7"}).out, "^A^B^C + ^AC^D + ^ABD\n^A^B^D + ^A^CD + ^ABC\n");
    EXPECT_EQ(Tool({"0, 1 ,2,3,4,5,6,7,8,9,10,11,12,13,14,15"}).out, "1\n");

    const ToolRun batch = Tool({"--batch"}, "1,3,5,7,9,11;\n;\n2;0,1,3\n1,x\n3;3\n17\n0,3,5,6,9,10,12,15\n");
    EXPECT_EQ(batch.out, "1\t6\t^AD + ^BD\n"
                         "1\t0\t0\n"
                         "1\t3\t^A^B\n"
                         "ERROR\tminterm list \"1,x\": only numbers 0..15 separated by commas are accepted\n"
                         "ERROR\tminterm 3 is also listed as a don't care\n"
                         "ERROR\tminterm 17 is out of range (0..15)\n"
                         "1\t40\t^A^B^C^D + ^A^BCD + ^AB^CD + ^ABC^D + A^B^CD + A^BC^D + AB^C^D + ABCD\n");
    EXPECT_EQ(batch.status, 2);
}

TEST(MinimizeCommand, BadInput)
{
    struct Case
    {
        std::vector<std::string> args;
        std::string err;
    } cases[] = {
        {{"1;2"}, "zyl-minimize: minterm list \"1;2\": only numbers 0..15 separated by commas are accepted\n"},
        {{"16"}, "zyl-minimize: minterm 16 is out of range (0..15)\n"},
        {{"1", "99"}, "zyl-minimize: don't care 99 is out of range (0..15)\n"},
        {{"1,2", "2"}, "zyl-minimize: minterm 2 is also listed as a don't care\n"},
        {{"0,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,1"}, "zyl-minimize: minterm list has 17 entries; at most 16 are allowed\n"},
        {{"--bogus"}, "zyl-minimize: unknown option --bogus (see --help)\n"},
        {{}, "zyl-minimize: expected ON [DC] (see --help)\n"},
    };
    for (const Case& c : cases) {
        const ToolRun run = Tool(c.args);
        EXPECT_EQ(run.status, 2) << c.err;
        EXPECT_EQ(run.err, c.err);
        EXPECT_EQ(run.out, "");
    }
    EXPECT_EQ(Tool({"--help"}).status, 0);
}

TEST(MinimizeCommand, EveryFunction)
{
    const ToolRun run = Tool({"--every"});
    EXPECT_EQ(run.status, 0);
    std::istringstream lines(run.out);
    std::string line;
    int n = 0;
    while (std::getline(lines, line)) {
        if (n == 0) {
            EXPECT_EQ(line, "0\t1\t0\t0");
        } else if (n == 65535) {
            EXPECT_EQ(line, "65535\t1\t1\t1");
        } else if (n == 0xAAAA) {
            EXPECT_EQ(line, "43690\t1\t1\tD");
        }
        ++n;
    }
    EXPECT_EQ(n, 65536);
}
