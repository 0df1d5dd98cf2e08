// SPDX-License-Identifier: GPL-3.0-or-later
#include "MinimizeTool.h"

#include "CImplicant.h"
#include "Minimize.h"
#include "StepsText.h"

#include "Utf8.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <ios>
#include <istream>
#include <optional>
#include <ostream>
#include <streambuf>
#include <string_view>

namespace MinimizeTool {

namespace {

const char kUsage[] =
    "Usage: zyl-minimize [--all | --steps [--latex]] ON [DC]\n"
    "       zyl-minimize --batch   (lines ON;DC on standard input)\n"
    "       zyl-minimize --every   (all 65,536 functions without don't cares)\n"
    "\n"
    "ON and DC are lists of minterm numbers 0..15 separated by commas, such as\n"
    "1,3,5,7. Prints the first lowest-cost sum of products of the function of\n"
    "A, B, C, D (A is the most significant input), or with --all every recorded\n"
    "solution, one per line. --batch and --every print RECORDED, COST and the\n"
    "sum of products separated by tabs (--every starts each line with the ON-set\n"
    "as a 16-bit mask). --steps prints every step of the tabular method, ending\n"
    "with the lines primes:, essential:, lowest cost: and lowest-cost covers:;\n"
    "--steps --latex prints them as a LaTeX document for pdflatex.\n"
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

    // Control characters and bad bytes shown escaped, never echoed raw.
    static std::string Excerpt(std::string_view text, bool longer)
    {
        const std::string_view cut = Utf8::Truncate(text, 40);
        return Utf8::Escaped(cut) + (longer || cut.size() < text.size() ? "..." : "");
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
    r.cost = SolutionCost(counts, blocks);
    for (int s = 0; s < std::max(r.recorded, 1); ++s)
        r.covers.push_back(SumOfProducts(counts, blocks, s));
    return r;
}

namespace {

// What the command line asks for: the options given and the term lists.
struct Options
{
    bool all = false;
    bool batch = false;
    bool every = false;
    bool steps = false;
    bool latex = false;
    std::vector<std::string> lists;
};

// Reads args in order into options. Returns the exit status when the
// command line is answered or refused by the time its word is reached
// (--help, --version, an unknown option) or refused as a whole (modes that
// exclude each other, lists a mode does not read), nothing when a mode is
// to run.
std::optional<int> ParseOptions(const std::vector<std::string>& args, Options& options, std::ostream& out,
                                std::ostream& err)
{
    std::vector<std::string> modes; // the modes given, in order, each once
    for (const std::string& a : args) {
        if (a == "--help" || a == "-h") {
            out << kUsage;
            return 0;
        }
        if (a == "--version") {
            if (args.size() > 1) {
                err << "zyl-minimize: --version takes no other arguments (see --help)\n";
                return 2;
            }
            out << "zyl-minimize " ZYL_VERSION "\n";
            return 0;
        }
        bool* mode = a == "--all" ? &options.all : a == "--batch" ? &options.batch : a == "--every" ? &options.every
                     : a == "--steps" ? &options.steps : nullptr;
        if (mode) {
            if (!*mode)
                modes.push_back(a);
            *mode = true;
        } else if (a == "--latex") {
            options.latex = true;
        } else if (a.size() > 1 && a[0] == '-' && a[1] == '-') {
            err << "zyl-minimize: unknown option " << Utf8::Escaped(a) << " (see --help)\n";
            return 2;
        } else {
            options.lists.push_back(a);
        }
    }
    if (modes.size() > 1) {
        err << "zyl-minimize: " << modes[0] << " and " << modes[1] << " cannot be combined (see --help)\n";
        return 2;
    }
    if (options.latex && !options.steps) {
        err << "zyl-minimize: --latex goes with --steps (see --help)\n";
        return 2;
    }
    if ((options.batch || options.every) && !options.lists.empty()) {
        err << "zyl-minimize: " << modes[0] << " takes no term lists (see --help)\n";
        return 2;
    }
    return std::nullopt;
}

// --every: one line for each of the 65,536 functions without don't cares,
// in the order of their ON-set masks.
int PrintEvery(std::ostream& out)
{
    for (int mask = 0; mask < 65536; ++mask) {
        Function f;
        for (int m = 0; m < 16; ++m) {
            if (mask & (1 << m))
                f.on.push_back(m);
        }
        const Result r = Run(f);
        out << mask << '\t';
        PrintFields(out, r);
        if (!out)
            break; // said at the end
    }
    return 0;
}

// --batch: lines ON;DC, read in blocks and parsed as they come, so that a
// line of any length takes constant memory. Each line is answered as it
// ends, a refused one with ERROR on out and its message on err.
class BatchRun
{
public:
    BatchRun(std::ostream& out, std::ostream& err)
        : m_out(out)
        , m_err(err)
    {
    }

    // Reads in to its end; the exit status, 2 once a line was refused or
    // the input could not be read (a folder, a closed input).
    int ReadLines(std::istream& in)
    {
        std::vector<char> buffer(1 << 16);
        for (;;) {
            std::streamsize n = 0;
            try {
                n = in.rdbuf()->sgetn(buffer.data(), static_cast<std::streamsize>(buffer.size()));
            } catch (const std::ios_base::failure& failure) {
                m_err << "zyl-minimize: cannot read the standard input: "
                      << (failure.code().value() != 0 ? failure.code().message() : std::string("read error")) << '\n';
                return 2;
            }
            if (n <= 0)
                break;
            for (std::streamsize i = 0; i < n; ++i)
                Take(buffer[static_cast<std::size_t>(i)]);
        }
        // The last line may lack its line end.
        if (m_lineStarted) {
            if (m_pendingCr)
                Feed('\r');
            EndLine();
        }
        return m_status;
    }

private:
    // One character as read: a "\r\n" line end drops its "\r", any other
    // "\r" belongs to the line.
    void Take(char c)
    {
        if (c == '\n') {
            EndLine();
            return;
        }
        if (m_pendingCr)
            Feed('\r');
        m_pendingCr = c == '\r';
        if (!m_pendingCr)
            Feed(c);
        else
            m_lineStarted = true;
    }

    // One character of a line: the first ';' ends the ON list.
    void Feed(char c)
    {
        m_lineStarted = true;
        if (c == ';' && !m_inDc)
            m_inDc = true;
        else
            (m_inDc ? m_dc : m_on).Feed(c);
    }

    void EndLine()
    {
        Function f;
        std::string error;
        if (m_on.Finish(f.on, error) && m_dc.Finish(f.dontCare, error) && CheckOverlap(f, error))
            PrintFields(m_out, Run(f));
        else {
            m_out << "ERROR\t" << error << '\n';
            m_err << "zyl-minimize: " << error << '\n';
            m_status = 2;
        }
        m_on = ListReader("minterm");
        m_dc = ListReader("don't care");
        m_inDc = m_pendingCr = m_lineStarted = false;
    }

    std::ostream& m_out;
    std::ostream& m_err;
    ListReader m_on{"minterm"};
    ListReader m_dc{"don't care"};
    bool m_inDc = false;        // past the line's ';'
    bool m_pendingCr = false;   // a '\r' read, its line end not known yet
    bool m_lineStarted = false; // the line has a character
    int m_status = 0;
};

// ON [DC] from the command line: the first lowest-cost cover, every
// recorded one with --all, or the steps of the tabular method with --steps.
int RunLists(const Options& options, std::ostream& out, std::ostream& err)
{
    const std::vector<std::string>& lists = options.lists;
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
    if (options.steps) {
        const CDerivation d = Derive(f.on.data(), static_cast<int>(f.on.size()), f.dontCare.data(),
                                     static_cast<int>(f.dontCare.size()));
        CStepsInput input;
        input.function = "F";
        const std::vector<CStepsBlock> blocks = LayOutSteps(d, input);
        out << (options.latex ? StepsLatexDocument(blocks) : StepsPlainText(blocks, d));
        return 0;
    }
    const Result r = Run(f);
    if (options.all) {
        for (const std::string& cover : r.covers)
            out << cover << '\n';
    } else {
        out << r.covers.front() << '\n';
    }
    return 0;
}

// As coreutils do, output that could not be written (a full disk, the
// file-size limit, a closed pipe) is an error: said on err, and status 1
// unless the run had failed already.
int CheckOutput(int status, std::ostream& out, std::ostream& err)
{
    if (out.flush())
        return status;
    const int code = errno;
    err << "zyl-minimize: cannot write the output" << (code != 0 ? std::string(": ") + std::strerror(code) : "")
        << '\n';
    return status != 0 ? status : 1;
}

int RunMode(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err)
{
    Options options;
    if (const std::optional<int> status = ParseOptions(args, options, out, err))
        return *status;
    if (options.every)
        return PrintEvery(out);
    if (options.batch)
        return BatchRun(out, err).ReadLines(in);
    return RunLists(options, out, err);
}

} // namespace

int Main(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err)
{
    errno = 0;
    return CheckOutput(RunMode(args, in, out, err), out, err);
}

} // namespace MinimizeTool
