// SPDX-License-Identifier: GPL-3.0-or-later
#include "MinimizeTool.h"
#include "MintermLogic.h"
#include "Platform.h"
#include "RecordingPlatform.h"
#include "TermListParser.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <memory>
#include <sstream>
#include <streambuf>
#include <string>
#include <vector>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

// The dialogs' term lists: the count read (0 nothing, -1 refused with the
// one message, which the entry dialogs show) and the numbers, never written past the caller's array
// (guard cells around it catch that).
TEST(Parser, ReadsTheTable)
{
    const std::string message = "\nOnly positive integers \nseparated by comma are accepted.";
    const std::vector<int> all = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15};
    std::vector<int> keepSixteen(all.begin(), all.end() - 1);
    keepSixteen.push_back(16);
    std::string twoHundred;
    for (int i = 0; i < 200; ++i)
        twoHundred += std::to_string(i) + ",";
    const struct
    {
        std::string input;
        int result;
        std::vector<int> numbers;
    } cases[] = {
        {"", 0, {}}, {"    ", 0, {}}, {",1", 0, {}}, {"1,,2", 0, {}}, {"1, ,2", 0, {}}, {",", 0, {}},
        {" 3, 5 ,7 ", 3, {3, 5, 7}}, {"0", 1, {0}}, {"007", 1, {7}}, {"1 2", 1, {12}}, {"1 ,2", 2, {1, 2}},
        {"1,2,", 2, {1, 2}}, {"16", 1, {16}}, {"99", 1, {99}},
        {"1;2", -1, {}}, {"-1", -1, {}}, {"+3", -1, {}}, {"1.5", -1, {}}, {"1,\t2", -1, {}}, {"1\n", -1, {}},
        {"x", -1, {}}, {"\xe9", -1, {}},
        // Too large for an int: still above 15 for the callers.
        {"99999999999999999999", 1, {INT_MAX}},
        // More numbers than the array holds: repeats fold, nothing is lost;
        // distinct numbers that cannot fit keep one above 15 in view.
        {"1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,2", 2, {1, 2}},
        {"0,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,3", 16, all},
        {twoHundred, 16, keepSixteen},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.input);
        CRecordingPlatform platform;
        CScopedPlatform scope(&platform);
        int guarded[18];
        std::fill(std::begin(guarded), std::end(guarded), 777);
        const int n = ReadTermList(c.input, guarded + 1);
        EXPECT_EQ(n, c.result);
        EXPECT_EQ(std::vector<int>(guarded + 1, guarded + 1 + std::max(n, 0)), c.numbers);
        EXPECT_TRUE(guarded[0] == 777 && guarded[17] == 777);
        EXPECT_EQ(platform.Recorded(), n == -1 ? std::vector<std::string>{"Z:" + message} : std::vector<std::string>{});
    }
    EXPECT_EQ(TrimTrailingSpaces(TrimLeadingSpaces("  a b \t  ")), "a b \t"); // blanks only, not tabs
}

// zyl-minimize: answers, refusals and exit statuses, one run per row.
TEST(MinimizeCommand, AnswersAndRefusals)
{
    const std::string longList = "0,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,x";
    const std::string numbersOnly = ": only numbers 0..15 separated by commas are accepted";
    const std::string empty = ": an item is empty (a comma first or two commas in a row)";
    auto said = [](const std::string& problem) { return "zyl-minimize: " + problem + "\n"; };
    const struct
    {
        std::vector<std::string> args;
        std::string input, out, err;
        int status;
    } cases[] = {
        {{"1,3,5,7,9,11"}, "", "^AD + ^BD\n", "", 0},
        {{""}, "", "0\n", "", 0},
        {{"2", "0,1,3"}, "", "^A^B\n", "", 0},
        {{"--all", "0,1,2,5,6,7"}, "", "^A^B^C + ^AC^D + ^ABD\n^A^B^D + ^A^CD + ^ABC\n", "", 0},
        {{"0, 1 ,2,3,4,5,6,7,8,9,10,11,12,13,14,15,"}, "", "1\n", "", 0},
        {{"1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1"}, "", "^A^B^CD\n", "", 0}, // repeats fold
        {{"--batch"}, "1,3,5,7,9,11;\n;\n2;0,1,3\r\n1,x\n3;3\n1,,3\n17\n0,3,5,6,9,10,12,15",
         "1\t6\t^AD + ^BD\n1\t0\t0\n1\t3\t^A^B\n"
         "ERROR\tminterm list \"1,x\"" + numbersOnly + "\n"
         "ERROR\tminterm 3 is also listed as a don't care\n"
         "ERROR\tminterm list \"1,,3\"" + empty + "\n"
         "ERROR\tminterm 17 is out of range (0..15)\n"
         "1\t40\t^A^B^C^D + ^A^BCD + ^AB^CD + ^ABC^D + A^B^CD + A^BC^D + AB^C^D + ABCD\n",
         "", 2},
        {{"1;2"}, "", "", said("minterm list \"1;2\"" + numbersOnly), 2},
        {{longList}, "", "", said("minterm list \"" + longList.substr(0, 40) + "...\"" + numbersOnly), 2},
        {{"1,,2"}, "", "", said("minterm list \"1,,2\"" + empty), 2},
        {{"1", ",3"}, "", "", said("don't care list \",3\"" + empty), 2},
        {{"1, 016"}, "", "", said("minterm 016 is out of range (0..15)"), 2},
        {{"99999999999999999999"}, "", "", said("minterm 99999999999999999999 is out of range (0..15)"), 2},
        {{"1", "9 9"}, "", "", said("don't care 9 9 is out of range (0..15)"), 2},
        {{"1,2", "2"}, "", "", said("minterm 2 is also listed as a don't care"), 2},
        {{"--bogus"}, "", "", said("unknown option --bogus (see --help)"), 2},
        // Modes exclude each other and take only their own input; what is
        // echoed shows control characters and bad bytes escaped.
        {{"--version", "extra"}, "", "", said("--version takes no other arguments (see --help)"), 2},
        {{"--steps", "--batch"}, "", "", said("--steps and --batch cannot be combined (see --help)"), 2},
        {{"--all", "1", "--steps"}, "", "", said("--all and --steps cannot be combined (see --help)"), 2},
        {{"--batch", "1,2"}, "", "", said("--batch takes no term lists (see --help)"), 2},
        {{"1,2", "--every"}, "", "", said("--every takes no term lists (see --help)"), 2},
        {{"1,\x1B[31m\xFF"}, "", "", said("minterm list \"1,\\x1B[31m\\xFF\"" + numbersOnly), 2},
        {{}, "", "", said("expected ON [DC] (see --help)"), 2},
    };
    for (const auto& c : cases) {
        std::istringstream in(c.input);
        std::ostringstream out, err;
        EXPECT_EQ(MinimizeTool::Main(c.args, in, out, err), c.status) << c.out << c.err;
        EXPECT_EQ(out.str(), c.out);
        if (c.input.empty()) { // a batch reports on its standard output
            EXPECT_EQ(err.str(), c.err);
        }
    }
    std::istringstream in;
    std::ostringstream help, every, err;
    EXPECT_EQ(MinimizeTool::Main({"--help"}, in, help, err), 0);
    EXPECT_EQ(MinimizeTool::Main({"--every"}, in, every, err), 0);
    const std::string all = every.str();
    EXPECT_EQ(std::count(all.begin(), all.end(), '\n'), 65536);
    EXPECT_TRUE(all.starts_with("0\t1\t0\t0\n"));
    EXPECT_NE(all.find("\n43690\t1\t1\tD\n"), std::string::npos);
    EXPECT_TRUE(all.ends_with("\n65535\t1\t1\t1\n"));
}

namespace {

// Standard input of a given number of repeated bytes and then a line end,
// made as it is read.
class RepeatBuffer : public std::streambuf
{
public:
    RepeatBuffer(const std::string& unit, std::size_t size) : m_left(size)
    {
        while (m_chunk.size() < (1 << 16))
            m_chunk += unit;
    }

protected:
    int_type underflow() override
    {
        if (m_left == 0 && m_ended)
            return traits_type::eof();
        m_ended = m_left == 0;
        const std::size_t n = m_ended ? 1 : std::min(m_left, m_chunk.size());
        char* begin = m_ended ? &m_end : m_chunk.data();
        m_left -= m_ended ? 0 : n;
        setg(begin, begin, begin + n);
        return traits_type::to_int_type(*begin);
    }

private:
    std::string m_chunk;
    std::size_t m_left;
    bool m_ended = false;
    char m_end = '\n';
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
    ASSERT_TRUE(base > 0 && valid > 0 && bad > 0) << base << " " << valid << " " << bad;
    EXPECT_LT(valid - base, 16 * 1024);
    EXPECT_LT(bad - base, 16 * 1024);
}
