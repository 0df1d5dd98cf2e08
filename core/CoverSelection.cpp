// SPDX-License-Identifier: GPL-3.0-or-later
#include "CoverSelection.h"

#include "ListHelpers.h"

#include <algorithm>
#include <vector>

int MarkEssentials(const int* list, int n, CImplicant* primes, int nPrimes)
{
    auto covers = [](const CImplicant& term, int m) {
        return std::find(term.m_anMinterm, term.m_anMinterm + term.m_nMinterms, m)
            != term.m_anMinterm + term.m_nMinterms;
    };
    for (int i = 0; i < n; ++i) {
        int count = 0;
        for (int p = 0; p < nPrimes; ++p) {
            if (primes[p].m_bUsed == 0 && covers(primes[p], list[i]))
                ++count;
        }
        if (count != 1)
            continue;
        for (int p = 0; p < nPrimes; ++p) {
            if (covers(primes[p], list[i]))
                primes[p].m_bEssential = 1;
        }
    }
    int nEssential = 0;
    for (int p = 0; p < nPrimes; ++p)
        nEssential += primes[p].m_bEssential == 1 ? 1 : 0;
    return nEssential;
}

void BuildCoverMap(int nTerms, const CImplicant* terms, int nVariables, int* map)
{
    const int size = PowerOfTwo(nVariables);
    std::fill(map, map + size, 0);
    for (int t = 0; t < nTerms; ++t) {
        for (int i = 0; i < terms[t].m_nMinterms; ++i) {
            const int m = terms[t].m_anMinterm[i];
            if (m >= 0 && m < size)
                map[m] = 1;
        }
    }
}

int IsCovered(int nVariables, const int* map, const int* required)
{
    const int size = std::min(PowerOfTwo(nVariables), 16);
    for (int m = 0; m < size; ++m) {
        if (required[m] == 1 && map[m] != 1)
            return 0;
    }
    return 1;
}

int GetCoverCost(int nTerms, const CImplicant* terms)
{
    int cost = nTerms;
    for (int t = 0; t < nTerms; ++t) {
        const int literals = terms[t].GetLiteralCount();
        if (literals > 1)
            cost += literals;
    }
    return cost;
}

long long Binomial(int n, int k)
{
    if (k < 0 || n < 0 || k > n || n > 62)
        return 0;
    // Multiplicative form: every partial product is itself a binomial
    // coefficient, so the division is exact and nothing overflows for n <= 62.
    k = std::min(k, n - k);
    long long result = 1;
    for (int i = 1; i <= k; ++i)
        result = result * (n - k + i) / i;
    return result;
}

int NextCombination(int n, int k, const int* current, int* next)
{
    if (k <= 0 || current[0] == n - k)
        return 0;
    std::copy(current, current + k, next);
    int j = k - 1;
    while (j > 0 && current[j] == n - k + j)
        --j;
    next[j] = current[j] + 1;
    for (int i = j + 1; i < k; ++i)
        next[i] = next[i - 1] + 1;
    return 1;
}

namespace {

// The working cover of one selection: the essential terms in front, then
// the combination being tried.
struct WorkingCover
{
    int nVariables;
    const int* required;
    int nEssential;
    const CImplicant* rest;
    std::vector<CImplicant> terms;
    int map[64];

    // Puts rest[combination[0 .. k-1]] behind the essentials; true, with
    // the cost, when the cover holds every required minterm.
    bool Evaluate(int k, const int* combination, int* cost)
    {
        for (int i = 0; i < k; ++i)
            terms[nEssential + i].Assign(rest[combination[i]]);
        BuildCoverMap(nEssential + k, terms.data(), nVariables, map);
        if (!IsCovered(nVariables, map, required))
            return false;
        *cost = GetCoverCost(nEssential + k, terms.data());
        return true;
    }
};

// Runs visit (k, combination) on every combination of k = 1 .. nRest
// indices, k ascending, each k in lexicographic order from the index table;
// visit returns false to end the walk.
template <class Visit>
void Sweep(int nRest, Visit visit)
{
    const int index[kMaxCombination] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19};
    int current[kMaxCombination];
    int next[kMaxCombination];
    for (int k = 1; k <= nRest; ++k) {
        std::copy(index, index + k, current);
        if (!visit(k, current))
            return;
        const long long more = Binomial(nRest, k) - 1;
        for (long long c = 0; c < more; ++c) {
            const int moved = NextCombination(nRest, k, current, next);
            if (!visit(k, next))
                return;
            if (moved)
                std::copy(next, next + k, current);
        }
    }
}

} // namespace

int SelectCover(int nVariables, const int* required, int nEssential, const CImplicant* essentials, int nRest,
                const CImplicant* rest, int* counts, CImplicant* blocks)
{
    nRest = std::min(nRest, static_cast<int>(kMaxCombination));
    nEssential = std::clamp(nEssential, 0, kMaxListTerms - nRest);
    // 1. The essential terms stand in front of every combination.
    WorkingCover cover{nVariables, required, nEssential, rest,
                       std::vector<CImplicant>(static_cast<std::size_t>(nEssential + nRest)), {}};
    for (int e = 0; e < nEssential; ++e)
        cover.terms[e].Assign(essentials[e]);

    // 2. First sweep: the lowest cost.
    int bestCost = 1000;
    Sweep(nRest, [&](int k, const int* combination) {
        int cost = 0;
        if (cover.Evaluate(k, combination, &cost) && cost <= bestCost)
            bestCost = cost;
        return true;
    });

    // 3. Second sweep: the covers of exactly that cost, the first ten kept.
    int solutions = 0;
    Sweep(nRest, [&](int k, const int* combination) {
        int cost = 0;
        if (cover.Evaluate(k, combination, &cost) && cost == bestCost) {
            for (int t = 0; t < nEssential + k; ++t)
                blocks[kBlockSize * solutions + t].Assign(cover.terms[t]);
            counts[solutions] = nEssential + k;
            ++solutions;
        }
        return solutions < kMaxSolutions;
    });
    return solutions;
}
