// SPDX-License-Identifier: GPL-3.0-or-later
#include "MinimizeTool.h"

#include "CImplicant.h"
#include "CoverSelection.h"
#include "Minimize.h"
#include "Platform.h"
#include "TermListParser.h"

#include <algorithm>
#include <istream>
#include <memory>
#include <ostream>

namespace MinimizeTool {

namespace {

const char kUsage[] =
    "Usage: zyl-minimize [--all] ON [DC]\n"
    "       zyl-minimize --batch   (lines ON;DC on standard input)\n"
    "       zyl-minimize --every   (all 65,536 functions without don't cares)\n"
    "\n"
    "ON and DC are lists of minterm numbers 0..15 separated by commas, such as\n"
    "1,3,5,7. Prints the first lowest-cost sum of products of the function of\n"
    "A, B, C, D (A is the most significant input), or with --all every recorded\n"
    "solution, one per line. --batch and --every print RECORDED, COST and the\n"
    "sum of products separated by tabs (--every starts each line with the ON-set\n"
    "as a 16-bit mask). Bad input exits with status 2.\n";

bool ParseList(const std::string& text, const char* what, std::vector<int>& list, std::string& error)
{
    // A list never holds more numbers than it has characters, so this
    // capacity reads the whole list as typed.
    std::vector<int> numbers(text.size() + 1);
    CRecordingPlatform quiet; // the parser's message box becomes our error text
    CScopedPlatform scope(&quiet);
    const int n = ParseTermList(text, numbers.data(), static_cast<int>(numbers.size()));
    if (n < 0) {
        error = std::string(what) + " list \"" + text + "\": only numbers 0..15 separated by commas are accepted";
        return false;
    }
    numbers.resize(static_cast<std::size_t>(n));
    if (n > 16) {
        error = std::string(what) + " list has " + std::to_string(n) + " entries; at most 16 are allowed";
        return false;
    }
    for (int v : numbers) {
        if (v > 15) {
            error = std::string(what) + " " + std::to_string(v) + " is out of range (0..15)";
            return false;
        }
    }
    std::sort(numbers.begin(), numbers.end());
    numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
    list = std::move(numbers);
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
    if (!ParseList(on, "minterm", f.on, error) || !ParseList(dc, "don't care", f.dontCare, error))
        return false;
    for (int m : f.on) {
        if (std::find(f.dontCare.begin(), f.dontCare.end(), m) != f.dontCare.end()) {
            error = "minterm " + std::to_string(m) + " is also listed as a don't care";
            return false;
        }
    }
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
        int status = 0;
        std::string line;
        while (std::getline(in, line)) {
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            const auto semicolon = line.find(';');
            const std::string on = line.substr(0, semicolon);
            const std::string dc = semicolon == std::string::npos ? std::string() : line.substr(semicolon + 1);
            Function f;
            std::string error;
            if (!ParseFunction(on, dc, f, error)) {
                out << "ERROR\t" << error << '\n';
                err << "zyl-minimize: " << error << '\n';
                status = 2;
                continue;
            }
            PrintFields(out, Run(f));
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
