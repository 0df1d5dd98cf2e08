// SPDX-License-Identifier: GPL-3.0-or-later
#include "CoverSelection.h"
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

// Compares everything a caller can read of the recorded solutions.
void ExpectSameResult(const Storage& a, int ra, const Storage& b, int rb, const std::string& what)
{
    ASSERT_EQ(ra, rb) << what;
    for (int s = 0; s < ra; ++s) {
        ASSERT_EQ(a.counts[s], b.counts[s]) << what << " solution " << s;
        for (int t = 0; t < a.counts[s]; ++t) {
            const CImplicant& x = a.blocks[kBlockSize * s + t];
            const CImplicant& y = b.blocks[kBlockSize * s + t];
            ASSERT_EQ(x.m_nOnes, y.m_nOnes) << what;
            ASSERT_EQ(x.m_nZeros, y.m_nZeros) << what;
            ASSERT_EQ(x.m_nMinterms, y.m_nMinterms) << what;
            ASSERT_TRUE(std::equal(x.m_anMinterm, x.m_anMinterm + x.m_nMinterms, y.m_anMinterm)) << what;
            ASSERT_EQ(x.m_bEssential, y.m_bEssential) << what;
            ASSERT_EQ(x.m_bUsed, y.m_bUsed) << what;
            ASSERT_EQ(x.m_bDontCare, y.m_bDontCare) << what;
            ASSERT_EQ(x.m_strTerm, y.m_strTerm) << what;
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

// Exact for every size the combination arrays allow, where 32-bit
// factorials would overflow from 13! on. The combinations themselves are
// judged by the derivation's count of lowest-cost covers against brute force.
TEST(Minimize, Binomial)
{
    for (int n = 0; n <= kMaxCombination; ++n) {
        long long row = 1;
        for (int k = 0; k <= n; ++k) {
            EXPECT_EQ(Binomial(n, k), row) << n << " " << k;
            row = row * (n - k) / (k + 1);
        }
    }
}

// Both engines on one function: the first solution realises it at the
// lowest cost, every recorded solution costs the same and stays within the
// ON-set and the don't cares, and the step-by-step table method records
// exactly what the compact engine records.
void CheckFunction(Storage& fast, Storage& parts, const std::vector<int>& on, const std::vector<int>& dc,
                   const std::string& what)
{
    const std::uint16_t onMask = Mask(on), dcMask = Mask(dc);
    const int r = RunOn(fast, on, dc);
    ASSERT_GE(r, 1) << what;
    ASSERT_LE(r, kMaxSolutions) << what;
    const int cost = GetCoverCost(fast.counts[0], fast.blocks);
    ASSERT_EQ(cost, mincost::MinimumCost(onMask, dcMask)) << what;
    for (int s = 0; s < r; ++s) {
        ASSERT_EQ(Covered(fast, s) & ~dcMask, onMask) << what;
        ASSERT_EQ(GetCoverCost(fast.counts[s], fast.blocks + kBlockSize * s), cost) << what;
    }
    const int rp = MinimizeByParts(static_cast<int>(on.size()), on.data(), static_cast<int>(dc.size()), dc.data(),
                                   parts.counts, parts.blocks);
    ExpectSameResult(fast, r, parts, rp, what);
}

TEST(Minimize, EveryFunctionWithoutDontCares)
{
    Storage fast, parts;
    for (int mask = 0; mask < 65536 && !HasFatalFailure(); ++mask)
        CheckFunction(fast, parts, List(static_cast<std::uint16_t>(mask)), {}, "mask " + std::to_string(mask));
}

TEST(Minimize, RandomFunctionsWithDontCares)
{
    std::mt19937 random(20261206);
    Storage fast, parts;
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
        CheckFunction(fast, parts, on, dc, "random function " + std::to_string(n));
    }
}
