// SPDX-License-Identifier: GPL-3.0-or-later
#include "MinimizeTool.h"

#include "CImplicant.h"
#include "CoverSelection.h"
#include "Minimize.h"
#include "StepsText.h"

#include "Utf8.h"

#include <algorithm>
#include <istream>
#include <memory>
#include <ostream>
#include <streambuf>
#include <string_view>

namespace MinimizeTool {

namespace {

const char kUsage[] =
    "Usage: zyl-minimize [--all | --steps] ON [DC]\n"
    "       zyl-minimize --batch   (lines ON;DC on standard input)\n"
    "       zyl-minimize --every   (all 65,536 functions without don't cares)\n"
    "\n"
    "ON and DC are lists of minterm numbers 0..15 separated by commas, such as\n"
    "1,3,5,7. Prints the first lowest-cost sum of products of the function of\n"
    "A, B, C, D (A is the most significant input), or with --all every recorded\n"
    "solution, one per line. --batch and --every print RECORDED, COST and the\n"
    "sum of products separated by tabs (--every starts each line with the ON-set\n"
    "as a 16-bit mask). --steps prints every step of the tabular method, ending\n"
    "with the lines primes:, essential:, lowest cost: and lowest-cost covers:.\n"
    "Bad input exits with status 2.\n";

// Reads one term list a character at a time, in constant memory however
// long the list: the grammar of the dialogs' term lists (numbers separated
// by commas, spaces skipped everywhere, a comma may end the list), except
// that an empty item is an error rather than an empty list. Repeats fold;
// only 0..15 can be listed, so the list is a set of 16 minterms.
class ListReader
{
public:
    explicit ListReader(const char* what)
        : m_what(what)
    {
    }

    void Feed(char c)
    {
        if (m_head.size() < kHeadBytes)
            m_head += c;
        ++m_length;
        if (m_fault != Fault::None || c == ' ') {
            if (c == ' ' && !m_number.empty() && m_number.size() < kHeadBytes)
                m_number += c; // "1 2" reads as 12; quoted as typed
            return;
        }
        if (c >= '0' && c <= '9') {
            if (m_number.size() < kHeadBytes)
                m_number += c;
            m_value = std::min(m_value * 10 + (c - '0'), 1000);
            m_digits = true;
            return;
        }
        if (c == ',') {
            if (!m_digits)
                m_fault = Fault::EmptyItem;
            EndItem();
            return;
        }
        m_fault = Fault::BadCharacter;
    }

    // At the end of the list: its minterms ascending, or false and error.
    bool Finish(std::vector<int>& list, std::string& error)
    {
        if (m_digits)
            EndItem();
        const std::string quoted = std::string(m_what) + " list \"" + Excerpt(m_head, m_length > m_head.size()) + "\"";
        switch (m_fault) {
        case Fault::BadCharacter:
            error = quoted + ": only numbers 0..15 separated by commas are accepted";
            return false;
        case Fault::EmptyItem:
            error = quoted + ": an item is empty (a comma first or two commas in a row)";
            return false;
        case Fault::None:
            break;
        }
        if (!m_tooLarge.empty()) {
            error = std::string(m_what) + " " + m_tooLarge + " is out of range (0..15)";
            return false;
        }
        list.clear();
        for (int m = 0; m < 16; ++m) {
            if (m_set & (1u << m))
                list.push_back(m);
        }
        return true;
    }

private:
    enum class Fault { None, BadCharacter, EmptyItem };
    // Enough bytes for 40 characters of any script.
    static constexpr std::size_t kHeadBytes = 4 * 40 + 4;

    static std::string Excerpt(std::string_view text, bool longer)
    {
        const std::string_view cut = Utf8::Truncate(text, 40);
        return std::string(cut) + (longer || cut.size() < text.size() ? "..." : "");
    }

    void EndItem()
    {
        if (m_digits) {
            while (!m_number.empty() && m_number.back() == ' ')
                m_number.pop_back();
            if (m_value > 15 && m_tooLarge.empty())
                m_tooLarge = Excerpt(m_number, m_number.size() >= kHeadBytes);
            else if (m_value <= 15)
                m_set |= 1u << m_value;
        }
        m_digits = false;
        m_value = 0;
        m_number.clear();
    }

    const char* m_what;
    std::string m_head;     // the list's first characters, for messages
    std::size_t m_length = 0;
    Fault m_fault = Fault::None;
    bool m_digits = false;  // the current item has digits
    int m_value = 0;        // its number, held at 1000 once larger
    std::string m_number;   // and its first characters as typed
    std::string m_tooLarge; // the first number above 15, as typed
    unsigned m_set = 0;
};

bool ParseList(std::string_view text, const char* what, std::vector<int>& list, std::string& error)
{
    ListReader reader(what);
    for (char c : text)
        reader.Feed(c);
    return reader.Finish(list, error);
}

bool CheckOverlap(const Function& f, std::string& error)
{
    for (int m : f.on) {
        if (std::find(f.dontCare.begin(), f.dontCare.end(), m) != f.dontCare.end()) {
            error = "minterm " + std::to_string(m) + " is also listed as a don't care";
            return false;
        }
    }
    return true;
}

void PrintFields(std::ostream& out, const Result& r)
{
    out << r.recorded << '\t' << r.cost << '\t' << r.covers.front() << '\n';
}

} // namespace

bool ParseFunction(const std::string& on, const std::string& dc, Function& function, std::string& error)
{
    Function f;
    if (!ParseList(on, "minterm", f.on, error) || !ParseList(dc, "don't care", f.dontCare, error) ||
        !CheckOverlap(f, error))
        return false;
    function = std::move(f);
    return true;
}

Result Run(const Function& function)
{
    static int counts[kMaxSolutions];
    static CImplicant blocks[kMaxSolutions * kBlockSize];
    Result r;
    r.recorded = Minimize(static_cast<int>(function.on.size()), function.on.data(),
                          static_cast<int>(function.dontCare.size()), function.dontCare.data(), counts, blocks);
    r.cost = GetCoverCost(counts[0], blocks);
    for (int s = 0; s < std::max(r.recorded, 1); ++s)
        r.covers.push_back(SumOfProducts(counts, blocks, s));
    return r;
}

int Main(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err)
{
    bool all = false;
    bool batch = false;
    bool every = false;
    bool steps = false;
    std::vector<std::string> lists;
    for (const std::string& a : args) {
        if (a == "--help" || a == "-h") {
            out << kUsage;
            return 0;
        }
        if (a == "--version") {
            out << "zyl-minimize 1.0\n";
            return 0;
        }
        if (a == "--all")
            all = true;
        else if (a == "--batch")
            batch = true;
        else if (a == "--every")
            every = true;
        else if (a == "--steps")
            steps = true;
        else if (a.size() > 1 && a[0] == '-' && a[1] == '-') {
            err << "zyl-minimize: unknown option " << a << " (see --help)\n";
            return 2;
        } else
            lists.push_back(a);
    }

    if (every) {
        for (int mask = 0; mask < 65536; ++mask) {
            Function f;
            for (int m = 0; m < 16; ++m) {
                if (mask & (1 << m))
                    f.on.push_back(m);
            }
            const Result r = Run(f);
            out << mask << '\t';
            PrintFields(out, r);
        }
        return 0;
    }

    if (batch) {
        // Lines ON;DC, read in blocks and parsed as they come, so that a
        // line of any length takes constant memory.
        int status = 0;
        auto on = std::make_unique<ListReader>("minterm");
        auto dc = std::make_unique<ListReader>("don't care");
        bool inDc = false, pendingCr = false, lineStarted = false;
        auto endLine = [&] {
            Function f;
            std::string error;
            if (on->Finish(f.on, error) && dc->Finish(f.dontCare, error) && CheckOverlap(f, error))
                PrintFields(out, Run(f));
            else {
                out << "ERROR\t" << error << '\n';
                err << "zyl-minimize: " << error << '\n';
                status = 2;
            }
            on = std::make_unique<ListReader>("minterm");
            dc = std::make_unique<ListReader>("don't care");
            inDc = pendingCr = lineStarted = false;
        };
        auto feed = [&](char c) {
            lineStarted = true;
            if (c == ';' && !inDc)
                inDc = true;
            else
                (inDc ? *dc : *on).Feed(c);
        };
        std::vector<char> buffer(1 << 16);
        for (;;) {
            const std::streamsize n = in.rdbuf()->sgetn(buffer.data(), static_cast<std::streamsize>(buffer.size()));
            if (n <= 0)
                break;
            for (std::streamsize i = 0; i < n; ++i) {
                const char c = buffer[static_cast<std::size_t>(i)];
                if (c == '\n') {
                    endLine(); // a "\r\n" line end drops its "\r"
                    continue;
                }
                if (pendingCr)
                    feed('\r');
                pendingCr = c == '\r';
                if (!pendingCr)
                    feed(c);
                else
                    lineStarted = true;
            }
        }
        if (lineStarted) {
            if (pendingCr)
                feed('\r');
            endLine();
        }
        return status;
    }

    if (lists.empty() || lists.size() > 2) {
        err << "zyl-minimize: expected ON [DC] (see --help)\n";
        return 2;
    }
    Function f;
    std::string error;
    if (!ParseFunction(lists[0], lists.size() > 1 ? lists[1] : std::string(), f, error)) {
        err << "zyl-minimize: " << error << '\n';
        return 2;
    }
    if (steps) {
        const CDerivation d = Derive(f.on.data(), static_cast<int>(f.on.size()), f.dontCare.data(),
                                     static_cast<int>(f.dontCare.size()));
        CStepsInput input;
        input.function = "F";
        out << StepsPlainText(LayOutSteps(d, input), d);
        return 0;
    }
    const Result r = Run(f);
    if (all) {
        for (const std::string& cover : r.covers)
            out << cover << '\n';
    } else {
        out << r.covers.front() << '\n';
    }
    return 0;
}

} // namespace MinimizeTool
