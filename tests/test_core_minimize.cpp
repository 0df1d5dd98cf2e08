// SPDX-License-Identifier: GPL-3.0-or-later
#include "CoverSelection.h"
#include "MinimumCost.h"
#include "Minimize.h"
#include "Tabular.h"

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
            ASSERT_EQ(x.m_nVariables, 4);
            for (int k = 0; k < 4; ++k)
                ASSERT_EQ(x.m_strName[k], std::string(1, "ABCD"[k]));
        }
    }
}

} // namespace

TEST(Minimize, ExamplesOfTheDriver)
{
    Storage st;
    EXPECT_EQ(RunOn(st, {}), 1);
    EXPECT_EQ(st.counts[0], 0);
    EXPECT_EQ(RunOn(st, {}, {0, 1}), 1);
    EXPECT_EQ(st.counts[0], 0);

    std::vector<int> all(16);
    for (int m = 0; m < 16; ++m)
        all[m] = m;
    EXPECT_EQ(RunOn(st, all), 1);
    ASSERT_EQ(st.counts[0], 1);
    EXPECT_EQ(st.blocks[0].m_nOnes, 0);
    EXPECT_EQ(st.blocks[0].m_nZeros, 0);
    EXPECT_EQ(st.blocks[0].m_strTerm, "1");

    EXPECT_EQ(RunOn(st, {1, 3, 5, 7, 9, 11}), 1);
    EXPECT_EQ(st.Solution(0), (std::vector<std::string>{"^AD", "^BD"}));

    EXPECT_EQ(RunOn(st, {0, 3, 5, 6, 9, 10, 12, 15}), 1);
    EXPECT_EQ(st.counts[0], 8);

    EXPECT_EQ(RunOn(st, {1}, {3}), 1);
    EXPECT_EQ(st.Solution(0), (std::vector<std::string>{"^A^BD"}));
    EXPECT_EQ(RunOn(st, {1}), 1);
    EXPECT_EQ(st.Solution(0), (std::vector<std::string>{"^A^B^CD"}));
    EXPECT_EQ(RunOn(st, {2}, {0, 1, 3}), 1);
    EXPECT_EQ(st.Solution(0), (std::vector<std::string>{"^A^B"}));
}

TEST(Minimize, SolutionOrderAndCount)
{
    Storage st;
    ASSERT_EQ(RunOn(st, {0, 1, 2, 5, 6, 7}), 2);
    EXPECT_EQ(st.Solution(0), (std::vector<std::string>{"^A^B^C", "^AC^D", "^ABD"}));
    EXPECT_EQ(st.Solution(1), (std::vector<std::string>{"^A^B^D", "^A^CD", "^ABC"}));
    EXPECT_EQ(GetCoverCost(st.counts[0], st.blocks), 12);

    ASSERT_EQ(RunOn(st, {1, 2, 4, 5, 6, 10}), 1);
    EXPECT_EQ(st.counts[0], 3);
    EXPECT_EQ(SumOfProducts(st.counts, st.blocks), "^A^CD + ^BC^D + ^AB^D");

    ASSERT_EQ(RunOn(st, {0, 2, 3, 4, 5, 6, 7, 8, 9}), 1);
    EXPECT_EQ(SumOfProducts(st.counts, st.blocks), "A^B^C + ^AC + ^AB + ^A^D");
    EXPECT_EQ(GetCoverCost(st.counts[0], st.blocks), 13);

    // 32 covers of equal cost exist; the storage keeps the first ten.
    EXPECT_EQ(RunOn(st, {1, 2, 3, 4, 5, 6, 8, 9, 10, 12}), 10);
    const int cost = GetCoverCost(st.counts[0], st.blocks);
    for (int s = 0; s < 10; ++s)
        EXPECT_EQ(GetCoverCost(st.counts[s], st.blocks + kBlockSize * s), cost);
}

TEST(Minimize, RunsDoNotInfluenceEachOther)
{
    Storage a;
    Storage b;
    RunOn(a, {0, 1, 2, 5, 6, 7});
    RunOn(b, {1, 3, 5, 7, 9, 11});
    RunOn(a, {1, 3, 5, 7, 9, 11});
    EXPECT_EQ(a.Solution(0), b.Solution(0));
    // Solutions beyond the result keep what an earlier run left.
    EXPECT_EQ(a.counts[1], 3);
}

TEST(Minimize, PrimeImplicantTable)
{
    const std::string names = "ABCD";
    const int on[] = {0, 1, 2, 5, 6, 7};
    g_nLevelCount[0] = 0;
    AddMinterms(4, on, 6, names);
    FindPrimeImplicants(4, names);
    EXPECT_EQ(g_nLevelCount[0], 6);
    ASSERT_EQ(g_nLevelCount[1], 6);
    EXPECT_EQ(g_nLevelCount[2], 0);
    const char* produced[] = {"^A^B^C", "^A^B^D", "^A^CD", "^AC^D", "^ABD", "^ABC"};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(g_aImplicant[kLevelSize + i].m_strTerm, produced[i]);
        EXPECT_EQ(g_aImplicant[kLevelSize + i].m_bUsed, 0);
        EXPECT_EQ(g_aImplicant[i].m_bUsed, 1);
    }

    // Only don't cares: the merged term is no prime implicant.
    const int dc[] = {0, 1};
    g_nLevelCount[0] = 0;
    AddDontCares(4, dc, 2, names);
    FindPrimeImplicants(4, names);
    EXPECT_EQ(g_nLevelCount[1], 1);
    EXPECT_EQ(g_aImplicant[kLevelSize].m_bUsed, 1);
}

TEST(Minimize, CombinationHelpers)
{
    int next[3] = {};
    const int a[] = {0, 3, 4};
    ASSERT_EQ(NextCombination(5, 3, a, next), 1);
    EXPECT_EQ(std::vector<int>(next, next + 3), (std::vector<int>{1, 2, 3}));
    const int b[] = {1, 2, 4};
    ASSERT_EQ(NextCombination(5, 3, b, next), 1);
    EXPECT_EQ(std::vector<int>(next, next + 3), (std::vector<int>{1, 3, 4}));
    const int c[] = {2, 3, 4};
    EXPECT_EQ(NextCombination(5, 3, c, next), 0);

    EXPECT_EQ(Binomial(4, 4), 1);
    EXPECT_EQ(Binomial(6, 2), 15);
    // Exact for every size the combination arrays allow, where 32-bit
    // factorials would overflow from 13! on.
    for (int n = 0; n <= 20; ++n) {
        long long row = 1;
        for (int k = 0; k <= n; ++k) {
            EXPECT_EQ(Binomial(n, k), row) << n << " " << k;
            row = row * (n - k) / (k + 1);
        }
    }
    EXPECT_EQ(Binomial(20, 10), 184756);

    CImplicant terms[2];
    terms[0] = CImplicant(4, 1, 0, "ABCD");
    terms[0].m_nOnes = 1;
    terms[0].m_nZeros = 8; // ^AD
    terms[1].m_nVariables = 4;
    terms[1].m_nOnes = 4;
    terms[1].m_nZeros = 0; // B
    EXPECT_EQ(GetCoverCost(2, terms), 4);
}

// Every function of four variables: the first solution realises the
// function at the lowest cost, every recorded solution costs the same, and
// the compact engine agrees with the step-by-step table method.
TEST(Minimize, EveryFunctionWithoutDontCares)
{
    Storage fast;
    Storage parts;
    for (int mask = 0; mask < 65536; ++mask) {
        const std::vector<int> on = List(static_cast<std::uint16_t>(mask));
        const int r = RunOn(fast, on);
        ASSERT_GE(r, 1);
        ASSERT_LE(r, kMaxSolutions);
        const int cost = GetCoverCost(fast.counts[0], fast.blocks);
        ASSERT_EQ(cost, mincost::MinimumCost(static_cast<std::uint16_t>(mask), 0)) << mask;
        for (int s = 0; s < r; ++s) {
            ASSERT_EQ(Covered(fast, s), mask) << mask;
            ASSERT_EQ(GetCoverCost(fast.counts[s], fast.blocks + kBlockSize * s), cost) << mask;
        }
        const int rp = MinimizeByParts(static_cast<int>(on.size()), on.data(), 0, on.data(), parts.counts,
                                       parts.blocks);
        ExpectSameResult(fast, r, parts, rp, "mask " + std::to_string(mask));
        if (HasFatalFailure())
            return;
    }
}

TEST(Minimize, RandomFunctionsWithDontCares)
{
    std::mt19937 random(20261206);
    Storage fast;
    Storage parts;
    for (int n = 0; n < 20000; ++n) {
        std::vector<int> on;
        std::vector<int> dc;
        std::vector<int> order(16);
        for (int m = 0; m < 16; ++m)
            order[m] = m;
        std::shuffle(order.begin(), order.end(), random);
        // Lists in any order, as the dialogs may pass them.
        for (int m : order) {
            const unsigned pick = random() % 3;
            if (pick == 0)
                on.push_back(m);
            else if (pick == 1)
                dc.push_back(m);
        }
        const int r = RunOn(fast, on, dc);
        const std::uint16_t onMask = Mask(on);
        const std::uint16_t dcMask = Mask(dc);
        ASSERT_GE(r, 1);
        const int cost = GetCoverCost(fast.counts[0], fast.blocks);
        ASSERT_EQ(cost, mincost::MinimumCost(onMask, dcMask));
        for (int s = 0; s < r; ++s) {
            const std::uint16_t covered = Covered(fast, s);
            ASSERT_EQ(covered & onMask, onMask);
            ASSERT_EQ(covered & ~(onMask | dcMask), 0);
            ASSERT_EQ(GetCoverCost(fast.counts[s], fast.blocks + kBlockSize * s), cost);
        }
        const int rp = MinimizeByParts(static_cast<int>(on.size()), on.data(), static_cast<int>(dc.size()),
                                       dc.data(), parts.counts, parts.blocks);
        ExpectSameResult(fast, r, parts, rp, "random function " + std::to_string(n));
        if (HasFatalFailure())
            return;
    }
}
