// SPDX-License-Identifier: GPL-3.0-or-later
// The derivation against an independent brute force over the 81 cubes, for
// every function without don't cares and for random functions with them
// (test_core_minimize holds Minimize's records to its first covers); its
// text and LaTeX.
#include "CDerivation.h"
#include "MinimumCost.h"
#include "MinimizeTool.h"
#include "StepsText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

namespace {

using Set = std::uint16_t;

Set SetOf(const std::vector<int>& minterms)
{
    Set s = 0;
    for (int m : minterms)
        s = static_cast<Set>(s | (1u << m));
    return s;
}

struct Brute
{
    std::vector<mincost::Cube> primes; // maximal allowed cubes touching the ON-set
    std::vector<Set> essentials;
    int cost = 0;
    int covers = 0;
};

// Lowest-cost covers among subsets of the primes, each counted once.
void CountCovers(const std::vector<mincost::Cube>& primes, std::size_t i, Set left, int cost, int best, int& count)
{
    if (cost > best)
        return;
    if (i == primes.size()) {
        count += left == 0 && cost == best ? 1 : 0;
        return;
    }
    CountCovers(primes, i + 1, static_cast<Set>(left & ~primes[i].first), cost + primes[i].second, best, count);
    CountCovers(primes, i + 1, left, cost, best, count);
}

Brute BruteForce(Set on, Set dc)
{
    Brute b;
    const Set allowed = on | dc;
    const auto fits = [allowed](Set m) { return (m & ~allowed) == 0; };
    for (const mincost::Cube& c : mincost::AllCubes()) {
        const Set mask = c.first;
        bool maximal = true;
        for (const mincost::Cube& o : mincost::AllCubes())
            maximal = maximal && !(o.first != mask && (o.first & mask) == mask && fits(o.first));
        if (fits(mask) && (mask & on) != 0 && maximal)
            b.primes.push_back(c);
    }
    for (int m = 0; m < 16; ++m) { // a prime alone on an ON minterm
        std::vector<Set> over;
        for (const mincost::Cube& p : b.primes)
            if ((p.first >> m) & 1)
                over.push_back(p.first);
        if (((on >> m) & 1) && over.size() == 1 && std::ranges::find(b.essentials, over[0]) == b.essentials.end())
            b.essentials.push_back(over[0]);
    }
    b.cost = mincost::MinimumCost(on, dc);
    CountCovers(b.primes, 0, on, 0, b.cost, b.covers);
    return b;
}

void Check(const std::vector<int>& on, const std::vector<int>& dc)
{
    const CDerivation d = Derive(on.data(), static_cast<int>(on.size()), dc.data(), static_cast<int>(dc.size()));
    const Brute b = BruteForce(SetOf(on), SetOf(dc));
    const std::string what = "ON " + std::to_string(SetOf(on)) + " DC " + std::to_string(SetOf(dc));

    std::vector<Set> primes, expected, essentials, bruteEssentials = b.essentials;
    for (int p = 0; p < static_cast<int>(d.primes.size()); ++p) {
        primes.push_back(SetOf(d.Prime(p).minterms));
        if (d.essential[static_cast<std::size_t>(p)])
            essentials.push_back(primes.back());
    }
    for (const mincost::Cube& c : b.primes)
        expected.push_back(c.first);
    for (std::vector<Set>* v : {&primes, &expected, &essentials, &bruteEssentials})
        std::ranges::sort(*v);
    ASSERT_EQ(primes, expected) << what;
    ASSERT_EQ(essentials, bruteEssentials) << what;
    ASSERT_EQ(d.lowestCost, b.cost) << what;
    ASSERT_EQ(static_cast<int>(d.covers.size()), on.empty() ? 1 : b.covers) << what;
}

// Every function without don't cares, then 3,000 random ones with them.
TEST(Derivation, AgreesWithBruteForce)
{
    std::mt19937 random(20261207);
    for (int i = 0; i < 65536 + 3000; ++i) {
        std::vector<int> on, dc;
        for (int m = 0; m < 16; ++m) {
            const unsigned r = i < 65536 ? ((i >> m) & 1 ? 0 : 2) : random() % 3;
            if (r < 2)
                (r == 0 ? on : dc).push_back(m);
        }
        Check(on, dc);
        if (HasFatalFailure())
            return;
    }
}

// The worked examples through zyl-minimize --steps.

std::string Steps(const std::string& on, const std::string& dc = "", bool latex = false)
{
    std::istringstream in;
    std::ostringstream out, err;
    std::vector<std::string> args{"--steps", on, dc};
    if (latex)
        args.push_back("--latex");
    EXPECT_EQ(MinimizeTool::Main(args, in, out, err), 0);
    return out.str();
}

TEST(StepsText, WorkedExamples)
{
    const int on[] = {0, 1, 2, 5, 6, 7};
    std::vector<std::vector<int>> made; // level 1 in production order
    for (const CDerivationTerm& t : Derive(on, 6, nullptr, 0).levels[1])
        made.push_back(t.minterms);
    EXPECT_EQ(made, (std::vector<std::vector<int>>{{0, 1}, {0, 2}, {1, 5}, {2, 6}, {5, 7}, {6, 7}}));
    EXPECT_NE(Steps("0,1,2,5,6,7").find("\nLevel 2: empty"), std::string::npos);

    const std::string twice = Steps("1,3,5,7,9,11");
    EXPECT_NE(twice.find("1,3,5,7   A'D   1,3 with 5,7; again 1,5 with 3,7"), std::string::npos) << twice;
    EXPECT_NE(twice.find("\nP1 A'D  X  X  (X)  (X)            essential\n"), std::string::npos) << twice;
    EXPECT_NE(twice.find("\nLowest cost: 2 terms + 4 literals = 6 (one per term,"), std::string::npos) << twice;

    const std::string many = Steps("1,2,3,4,5,6,8,9,10,12");
    EXPECT_EQ(many.substr(many.rfind("primes:")),
              "primes: 12\nessential: 0\nlowest cost: 24\nlowest-cost covers: 32 (10 recorded)\n");
}

// The hard cases: the function of 51 lowest-cost covers and the full
// function (long "made from" lists). Their text wraps at 100 columns.
const char* const kHard[][2] = {{"0,5,6,12,13,14,15", "1,2,3,7,8,9,10"},
                                {"0,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15", ""}};

TEST(StepsText, TextWrapsAt100Columns)
{
    for (const auto& hard : kHard) {
        std::istringstream lines(Steps(hard[0], hard[1]));
        for (std::string line; std::getline(lines, line);)
            EXPECT_LE(line.size(), 100u) << line;
    }
}

CStepsInput PalInput(const char* variables, const std::string& function, int programmed)
{
    CStepsInput input;
    for (int v = 0; v < 4; ++v)
        input.variables[v] = std::string(1, variables[v]);
    input.function = function;
    input.pal = true;
    input.programmed = programmed;
    return input;
}

// LaTeX: a subscript for the function name's second character, one bar a
// complemented name, patterns in typewriter type with their dashes apart.
TEST(StepsText, LatexDrawsBarsAndPatterns)
{
    const int on[] = {0, 1};
    const CDerivation d = Derive(on, 2, nullptr, 0);
    const std::string latex = StepsLatex(LayOutSteps(d, PalInput("x<|D", "F&", 0)));
    EXPECT_NE(latex.find("\\subsection*{Minimization steps of F\\textsubscript{\\&}}"), std::string::npos);
    EXPECT_NE(latex.find("\\ZylBar{x}\\ZylBar{\\textless{}}\\ZylBar{\\textbar{}} & "), std::string::npos) << latex;
    EXPECT_NE(latex.find("& \\texttt{000-{}} &"), std::string::npos);
}

// The LaTeX document through pdflatex (run twice, as longtable needs) and
// pdftotext, where they are installed: the basic packages suffice, no box
// is overfull, and the patterns, names and marks read as written.
TEST(StepsText, LatexDocumentCompiles)
{
    if (std::system("command -v pdflatex >/dev/null && command -v pdftotext >/dev/null") != 0)
        GTEST_SKIP() << "pdflatex or pdftotext is not installed";
    std::string dir = testing::TempDir() + "zyl-latex-XXXXXX";
    ASSERT_NE(mkdtemp(dir.data()), nullptr);
    const int names[] = {1, 2, 3, 4, 8, 9, 10, 11, 12};
    const CDerivation palFunction = Derive(names, 9, nullptr, 0);
    const std::pair<std::string, std::vector<std::string>> cases[] = {
        {Steps(kHard[0][0], kHard[0][1], true), {"00--", "-0-0", "--01", "\n51 lowest-cost covers"}},
        {Steps(kHard[1][0], kHard[1][1], true), {"----", "0,1,2,3,4,5,6,7 with"}},
        {StepsLatexDocument(LayOutSteps(palFunction, PalInput("<\\{~", "|$", 0))),
         {"Minimization steps of |$", "<\\{~", "programmed"}},
        {StepsLatexDocument(LayOutSteps(palFunction, PalInput(">&_^", "#%", -1))),
         {"Minimization steps of #%", ">&_^", "(fuses set by hand)"}},
    };
    for (const auto& [document, seen] : cases) {
        std::ofstream(dir + "/steps.tex") << document;
        const std::string run =
            "cd " + dir + " && pdflatex -interaction=nonstopmode -halt-on-error steps.tex >/dev/null";
        ASSERT_EQ(std::system((run + " && " + run + " && pdftotext steps.pdf").c_str()), 0) << document;
        std::stringstream log, text;
        log << std::ifstream(dir + "/steps.log").rdbuf();
        text << std::ifstream(dir + "/steps.txt").rdbuf();
        EXPECT_EQ(log.str().find("Overfull"), std::string::npos) << log.str();
        for (const std::string& words : seen)
            EXPECT_NE(text.str().find(words), std::string::npos) << words << " in\n" << text.str();
    }
    std::filesystem::remove_all(dir);
}

} // namespace
