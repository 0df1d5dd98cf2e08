// SPDX-License-Identifier: GPL-3.0-or-later
// The derivation against an independent brute force over the 81 cubes and
// against Minimize's recorded covers, for every function without don't
// cares and for random functions with them.
#include "CDerivation.h"
#include "CoverSelection.h"
#include "Minimize.h"
#include "MinimumCost.h"
#include "MinimizeTool.h"
#include "StepsText.h"

#include <gtest/gtest.h>

#include <algorithm>
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

    int counts[kMaxSolutions];
    static CImplicant blocks[kMaxSolutions * kBlockSize];
    const int recorded = Minimize(static_cast<int>(on.size()), on.data(), static_cast<int>(dc.size()), dc.data(),
                                  counts, blocks);
    ASSERT_EQ(d.RecordedCount(), recorded) << what;
    for (int s = 0; s < recorded; ++s) {
        const std::vector<int>& cover = d.covers[static_cast<std::size_t>(s)];
        ASSERT_EQ(static_cast<int>(cover.size()), counts[s]) << what << " cover " << s;
        for (int t = 0; t < counts[s]; ++t) // the same terms in the same order
            ASSERT_TRUE(d.Prime(cover[static_cast<std::size_t>(t)]).ones == blocks[kBlockSize * s + t].m_nOnes &&
                        d.Prime(cover[static_cast<std::size_t>(t)]).zeros == blocks[kBlockSize * s + t].m_nZeros)
                << what << " cover " << s;
    }
}

// Every function without don't cares, then 3,000 random ones with them.
TEST(Derivation, AgreesWithBruteForceAndMinimize)
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

std::string Steps(const std::string& on)
{
    std::istringstream in;
    std::ostringstream out, err;
    EXPECT_EQ(MinimizeTool::Main({"--steps", on}, in, out, err), 0);
    return out.str();
}

// The minterm column of the table below "Level L: ..." in production order.
std::vector<std::string> LevelMinterms(const std::string& text, int L)
{
    std::istringstream lines(text);
    std::string line;
    std::vector<std::string> minterms;
    bool inLevel = false;
    while (std::getline(lines, line)) {
        if (line.rfind("Level ", 0) == 0 && line.size() > 6 && std::isdigit(static_cast<unsigned char>(line[6])))
            inLevel = line.rfind("Level " + std::to_string(L) + ": ", 0) == 0;
        else if (inLevel && !line.empty() && std::isdigit(static_cast<unsigned char>(line[0]))) {
            std::string index, ones, pattern, members;
            std::istringstream(line) >> index >> ones >> pattern >> members;
            minterms.push_back(members);
        }
    }
    return minterms;
}

TEST(StepsText, WorkedExamples)
{
    const std::string six = Steps("0,1,2,5,6,7");
    EXPECT_EQ(LevelMinterms(six, 0), (std::vector<std::string>{"0", "1", "2", "5", "6", "7"}));
    EXPECT_EQ(LevelMinterms(six, 1), (std::vector<std::string>{"0,1", "0,2", "1,5", "2,6", "5,7", "6,7"}));
    EXPECT_NE(six.find("Level 2: empty"), std::string::npos);

    const std::string twice = Steps("1,3,5,7,9,11");
    EXPECT_NE(twice.find("1,3,5,7   A'D   1,3 with 5,7; again 1,5 with 3,7"), std::string::npos) << twice;

    const std::string many = Steps("1,2,3,4,5,6,8,9,10,12");
    EXPECT_EQ(many.substr(many.rfind("primes:")),
              "primes: 12\nessential: 0\nlowest cost: 24\nlowest-cost covers: 32 (10 recorded)\n");
}

// LaTeX: complements as \overline, special characters of names escaped.
TEST(StepsText, LatexEscapesNamesAndDrawsBars)
{
    const int on[] = {0, 1};
    const CDerivation d = Derive(on, 2, nullptr, 0);
    CStepsInput input;
    input.variables[0] = "x_1";
    input.function = "F&G";
    const std::string latex = StepsLatex(LayOutSteps(d, input));
    EXPECT_NE(latex.find("\\subsection*{Minimization steps of F\\&G}"), std::string::npos);
    EXPECT_NE(latex.find("$\\overline{\\mbox{x\\_1}}$$\\overline{\\mbox{B}}$$\\overline{\\mbox{C}}$"), std::string::npos);
}

} // namespace
