// SPDX-License-Identifier: GPL-3.0-or-later
#include "CDerivation.h"
#include "MinimumCost.h"
#include "Minimize.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

struct Storage
{
    int counts[kMaxSolutions] = {};
    CImplicant blocks[kMaxSolutions * kBlockSize];

    std::vector<std::string> Solution(int s) const
    {
        std::vector<std::string> terms;
        for (int t = 0; t < counts[s]; ++t)
            terms.push_back(blocks[kBlockSize * s + t].m_strTerm);
        return terms;
    }
};

int RunOn(Storage& st, const std::vector<int>& on, const std::vector<int>& dc = {})
{
    return Minimize(static_cast<int>(on.size()), on.data(), static_cast<int>(dc.size()), dc.data(), st.counts,
                    st.blocks);
}

std::uint16_t Mask(const std::vector<int>& list)
{
    std::uint16_t mask = 0;
    for (int m : list)
        mask = static_cast<std::uint16_t>(mask | (1u << m));
    return mask;
}

std::vector<int> List(std::uint16_t mask)
{
    std::vector<int> list;
    for (int m = 0; m < 16; ++m) {
        if ((mask >> m) & 1)
            list.push_back(m);
    }
    return list;
}

std::uint16_t Covered(const Storage& st, int s)
{
    std::uint16_t mask = 0;
    for (int t = 0; t < st.counts[s]; ++t) {
        const CImplicant& term = st.blocks[kBlockSize * s + t];
        for (int i = 0; i < term.m_nMinterms; ++i)
            mask = static_cast<std::uint16_t>(mask | (1u << term.m_anMinterm[i]));
    }
    return mask;
}

// Compares everything a caller can read of the recorded solutions with the
// first covers of the derivation (the tabular method step by step).
void ExpectSameResult(const Storage& a, int ra, const CDerivation& d, const std::string& what)
{
    ASSERT_EQ(ra, d.RecordedCount()) << what;
    for (int s = 0; s < ra; ++s) {
        const std::vector<int>& cover = d.covers[static_cast<std::size_t>(s)];
        ASSERT_EQ(a.counts[s], static_cast<int>(cover.size())) << what << " solution " << s;
        for (int t = 0; t < a.counts[s]; ++t) {
            const CImplicant& x = a.blocks[kBlockSize * s + t];
            const int p = cover[static_cast<std::size_t>(t)];
            const CDerivationTerm& y = d.Prime(p);
            ASSERT_EQ(x.m_nOnes, y.term.ones) << what;
            ASSERT_EQ(x.m_nZeros, y.term.zeros) << what;
            ASSERT_EQ(x.m_nMinterms, static_cast<int>(y.minterms.size())) << what;
            ASSERT_TRUE(std::equal(x.m_anMinterm, x.m_anMinterm + x.m_nMinterms, y.minterms.begin())) << what;
            ASSERT_EQ(x.m_bEssential, d.essential[static_cast<std::size_t>(p)] ? 1 : 0) << what;
            ASSERT_EQ(x.m_bUsed, 0) << what;
            ASSERT_EQ(x.m_bDontCare, 0) << what;
            ASSERT_EQ(x.m_strTerm, y.term.Text()) << what;
        }
    }
}

} // namespace

// Exact texts and order of the first solution, which the equivalence checks
// below cannot judge (both engines share the term records). zyl-minimize's
// answers hold more: two solutions in order, the sum of products and the
// cost of parity, the empty and the full function.
TEST(Minimize, SolutionsTextsAndOrder)
{
    const struct
    {
        std::vector<int> on, dc;
        std::vector<std::string> first;
    } cases[] = {
        {{}, {0, 1}, {}},
        {{1}, {3}, {"^A^BD"}},
        {{1}, {}, {"^A^B^CD"}},
        {{1, 2, 4, 5, 6, 10}, {}, {"^A^CD", "^BC^D", "^AB^D"}},
        {{0, 2, 3, 4, 5, 6, 7, 8, 9}, {}, {"A^B^C", "^AC", "^AB", "^A^D"}},
    };
    Storage st;
    for (const auto& c : cases) {
        ASSERT_EQ(RunOn(st, c.on, c.dc), 1) << ::testing::PrintToString(c.on);
        EXPECT_EQ(st.Solution(0), c.first);
    }
}

// Minimize on one function: the first solution realises it at the lowest
// cost, every recorded solution costs the same and stays within the ON-set
// and the don't cares, and the tabular method step by step (the
// derivation) records exactly what the compact engine records.
void CheckFunction(Storage& fast, const std::vector<int>& on, const std::vector<int>& dc, const std::string& what)
{
    const std::uint16_t onMask = Mask(on), dcMask = Mask(dc);
    const int r = RunOn(fast, on, dc);
    ASSERT_GE(r, 1) << what;
    ASSERT_LE(r, kMaxSolutions) << what;
    const int cost = SolutionCost(fast.counts, fast.blocks);
    ASSERT_EQ(cost, mincost::MinimumCost(onMask, dcMask)) << what;
    for (int s = 0; s < r; ++s) {
        ASSERT_EQ(Covered(fast, s) & ~dcMask, onMask) << what;
        ASSERT_EQ(SolutionCost(fast.counts, fast.blocks, s), cost) << what;
    }
    const CDerivation d = Derive(on.data(), static_cast<int>(on.size()), dc.data(), static_cast<int>(dc.size()));
    ExpectSameResult(fast, r, d, what);
}

TEST(Minimize, EveryFunctionWithoutDontCares)
{
    Storage fast;
    for (int mask = 0; mask < 65536 && !HasFatalFailure(); ++mask)
        CheckFunction(fast, List(static_cast<std::uint16_t>(mask)), {}, "mask " + std::to_string(mask));
}

TEST(Minimize, RandomFunctionsWithDontCares)
{
    std::mt19937 random(20261206);
    Storage fast;
    std::vector<int> order(16);
    for (int m = 0; m < 16; ++m)
        order[m] = m;
    for (int n = 0; n < 20000 && !HasFatalFailure(); ++n) {
        // Lists in any order, as the dialogs may pass them.
        std::shuffle(order.begin(), order.end(), random);
        std::vector<int> on, dc;
        for (int m : order) {
            const unsigned pick = random() % 3;
            if (pick < 2)
                (pick == 0 ? on : dc).push_back(m);
        }
        CheckFunction(fast, on, dc, "random function " + std::to_string(n));
    }
}
