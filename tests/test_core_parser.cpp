// SPDX-License-Identifier: GPL-3.0-or-later
#include "CZYLDoc.h"
#include "MinimizeTool.h"
#include "Platform.h"
#include "RecordingPlatform.h"
#include "TermListParser.h"

#include <gtest/gtest.h>

#include <climits>
#include <memory>
#include <sstream>
#include <streambuf>
#include <string>
#include <vector>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

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
    EXPECT_EQ(Tool({"0, 1 ,2,3,4,5,6,7,8,9,10,11,12,13,14,15,"}).out, "1\n");
    EXPECT_EQ(Tool({"1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1"}).out, "^A^B^CD\n"); // repeats fold

    const ToolRun batch = Tool({"--batch"}, "1,3,5,7,9,11;\n;\n2;0,1,3\r\n1,x\n3;3\n1,,3\n17\n0,3,5,6,9,10,12,15");
    EXPECT_EQ(batch.out, "1\t6\t^AD + ^BD\n"
                         "1\t0\t0\n"
                         "1\t3\t^A^B\n"
                         "ERROR\tminterm list \"1,x\": only numbers 0..15 separated by commas are accepted\n"
                         "ERROR\tminterm 3 is also listed as a don't care\n"
                         "ERROR\tminterm list \"1,,3\": an item is empty (a comma first or two commas in a row)\n"
                         "ERROR\tminterm 17 is out of range (0..15)\n"
                         "1\t40\t^A^B^C^D + ^A^BCD + ^AB^CD + ^ABC^D + A^B^CD + A^BC^D + AB^C^D + ABCD\n");
    EXPECT_EQ(batch.status, 2);
}

TEST(MinimizeCommand, BadInput)
{
    const std::string longList = "0,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,x";
    const struct
    {
        std::vector<std::string> args;
        std::string err;
    } cases[] = {
        {{"1;2"}, "minterm list \"1;2\": only numbers 0..15 separated by commas are accepted"},
        {{longList}, "minterm list \"" + longList.substr(0, 40) + "...\": only numbers 0..15 separated by commas are accepted"},
        {{"1,,2"}, "minterm list \"1,,2\": an item is empty (a comma first or two commas in a row)"},
        {{"1", ",3"}, "don't care list \",3\": an item is empty (a comma first or two commas in a row)"},
        {{"1, 016"}, "minterm 016 is out of range (0..15)"},
        {{"99999999999999999999"}, "minterm 99999999999999999999 is out of range (0..15)"},
        {{"1", "9 9"}, "don't care 9 9 is out of range (0..15)"},
        {{"1,2", "2"}, "minterm 2 is also listed as a don't care"},
        {{"--bogus"}, "unknown option --bogus (see --help)"},
        {{}, "expected ON [DC] (see --help)"},
    };
    for (const auto& c : cases) {
        const ToolRun run = Tool(c.args);
        EXPECT_EQ(run.status, 2) << c.err;
        EXPECT_EQ(run.err, "zyl-minimize: " + c.err + "\n");
        EXPECT_EQ(run.out, "");
    }
    EXPECT_EQ(Tool({"--help"}).status, 0);
}

namespace {

// Standard input of a given number of repeated bytes and then a line end,
// made as it is read.
class RepeatBuffer : public std::streambuf
{
public:
    RepeatBuffer(std::string unit, std::size_t size)
        : m_unit(std::move(unit)), m_left(size)
    {
        while (m_chunk.size() < (1 << 16))
            m_chunk += m_unit;
    }

protected:
    int_type underflow() override
    {
        if (m_left == 0) {
            if (m_ended)
                return traits_type::eof();
            m_ended = true;
            setg(m_end, m_end, m_end + 1);
            return '\n';
        }
        const std::size_t n = std::min(m_left, m_chunk.size());
        m_left -= n;
        setg(m_chunk.data(), m_chunk.data(), m_chunk.data() + n);
        return traits_type::to_int_type(m_chunk[0]);
    }

private:
    std::string m_unit, m_chunk;
    std::size_t m_left;
    bool m_ended = false;
    char m_end[1] = {'\n'};
};

// The peak resident memory in kB of a child process that runs --batch on
// one line of size bytes; -1 if the answer was not expected.
long BatchPeakKb(const std::string& unit, std::size_t size, const std::string& expected)
{
    const pid_t pid = ::fork();
    if (pid == 0) {
        RepeatBuffer buffer(unit, size);
        std::istream in(&buffer);
        std::ostringstream out, err;
        MinimizeTool::Main({"--batch"}, in, out, err);
        ::_exit(out.str() == expected ? 0 : 1);
    }
    int status = 0;
    rusage usage{};
    if (pid < 0 || ::wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return -1;
    return usage.ru_maxrss;
}

} // namespace

// A line of any length is read in constant memory and quoted by its first
// 40 characters.
TEST(MinimizeCommand, LongLinesTakeBoundedMemory)
{
    std::string forty;
    for (int i = 0; i < 40; ++i)
        forty += "\xC3\x84";
    const long base = BatchPeakKb("1,", 2, "1\t5\t^A^B^CD\n");
    const long valid = BatchPeakKb("1,", 100 << 20, "1\t5\t^A^B^CD\n");
    const long bad = BatchPeakKb("\xC3\x84", 10 << 20,
                                 "ERROR\tminterm list \"" + forty +
                                     "...\": only numbers 0..15 separated by commas are accepted\n");
    ASSERT_GT(base, 0);
    ASSERT_GT(valid, 0);
    ASSERT_GT(bad, 0);
    EXPECT_LT(valid - base, 16 * 1024);
    EXPECT_LT(bad - base, 16 * 1024);
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
