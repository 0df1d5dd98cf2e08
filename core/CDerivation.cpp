// SPDX-License-Identifier: GPL-3.0-or-later
#include "CDerivation.h"

#include "CoverSelection.h"
#include "Tabular.h"

#include <algorithm>
#include <bit>
#include <cstdint>

int CDerivationTerm::OnesCount() const
{
    return std::popcount(static_cast<unsigned>(ones & 15));
}

std::string CDerivationTerm::Pattern() const
{
    std::string text;
    for (int bit = 8; bit > 0; bit >>= 1)
        text += (ones & bit) ? '1' : (zeros & bit) ? '0' : '-';
    return text;
}

int CDerivationTerm::LiteralCount() const
{
    return std::popcount(static_cast<unsigned>((ones | zeros) & 15));
}

int CDerivation::EssentialCount() const
{
    return static_cast<int>(std::count(essential.begin(), essential.end(), true));
}

int CDerivation::RecordedCount() const
{
    return std::min(static_cast<int>(covers.size()), static_cast<int>(kRecordedCovers));
}

int CDerivation::TermCost(const CDerivationTerm& term)
{
    return GetTermCost(term.LiteralCount());
}

namespace {

using Set = std::uint16_t;

Set MintermSet(const std::vector<int>& minterms)
{
    Set set = 0;
    for (int m : minterms)
        set = static_cast<Set>(set | (1u << m));
    return set;
}

// The combining table as the step-by-step minimizer leaves it, with every
// pair that merges within a level: the pass walks the pairs (a, b), a < b,
// in the same order, so the first pair met for a term is the one that made it.
void ReadTable(const CWorkingTable& table, Set onSet, CDerivation& d)
{
    for (int L = 0; L < CDerivation::kLevels; ++L) {
        for (const CImplicant& rec : table.m_aImplicant[L]) {
            CDerivationTerm term;
            term.ones = rec.m_nOnes;
            term.zeros = rec.m_nZeros;
            term.minterms.assign(rec.m_anMinterm, rec.m_anMinterm + rec.m_nMinterms);
            term.dontCareOnly = L == 0 ? rec.m_bDontCare == 1 : (MintermSet(term.minterms) & onSet) == 0;
            term.prime = rec.m_bUsed == 0;
            d.levels[L].push_back(std::move(term));
        }
    }
    for (int L = 0; L + 1 < CDerivation::kLevels; ++L) {
        const std::vector<CImplicant>& level = table.m_aImplicant[L];
        std::vector<CDerivationTerm>& next = d.levels[L + 1];
        const int n = static_cast<int>(level.size());
        for (int a = 0; a < n; ++a) {
            for (int b = a + 1; b < n; ++b) {
                if (!level[a].CanCombine(level[b]))
                    continue;
                d.levels[L][a].merged = d.levels[L][b].merged = true;
                const int ones = level[a].m_nOnes & level[b].m_nOnes;
                const int zeros = level[a].m_nZeros & level[b].m_nZeros;
                auto made = std::find_if(next.begin(), next.end(), [&](const CDerivationTerm& t) {
                    return t.ones == ones && t.zeros == zeros;
                });
                if (made != next.end())
                    made->pairs.emplace_back(a, b);
            }
        }
    }
}

// The prime list (levels in turn, each in production order), the essential
// primes as MarkEssentials finds them, and what they leave to cover.
void ReadPrimes(const CWorkingTable& table, CDerivation& d)
{
    std::vector<CImplicant> primes;
    for (int L = 0; L < CDerivation::kLevels; ++L) {
        for (int i = 0; i < static_cast<int>(d.levels[L].size()); ++i) {
            if (!d.levels[L][i].prime)
                continue;
            d.primes.push_back({L, i});
            primes.push_back(table.m_aImplicant[L][static_cast<std::size_t>(i)]);
        }
    }
    MarkEssentials(d.onSet.data(), static_cast<int>(d.onSet.size()), primes.data(), static_cast<int>(primes.size()));
    Set essentialCover = 0;
    for (const CImplicant& p : primes) {
        d.essential.push_back(p.m_bEssential == 1);
        if (p.m_bEssential == 1)
            essentialCover = static_cast<Set>(essentialCover | MintermSet({p.m_anMinterm, p.m_anMinterm + p.m_nMinterms}));
    }
    for (int m : d.onSet) {
        int count = 0;
        for (int p = 0; p < static_cast<int>(d.primes.size()); ++p)
            count += (MintermSet(d.Prime(p).minterms) >> m) & 1;
        if (count == 1)
            d.singleCover.push_back(m);
        if (!((essentialCover >> m) & 1))
            d.uncovered.push_back(m);
    }
}

// The cover search: the essentials, then every combination of k = 1, 2, ..
// of the other primes, each k in lexicographic order (NextCombination), and
// of those that cover the ON-set the ones of the lowest cost, in that order.
void SearchCovers(CDerivation& d)
{
    std::vector<int> essentials, rest;
    for (int p = 0; p < static_cast<int>(d.primes.size()); ++p)
        (d.essential[static_cast<std::size_t>(p)] ? essentials : rest).push_back(p);
    const Set onSet = MintermSet(d.onSet);
    Set base = 0;
    int baseCost = 0;
    for (int p : essentials) {
        base = static_cast<Set>(base | MintermSet(d.Prime(p).minterms));
        baseCost += CDerivation::TermCost(d.Prime(p));
    }
    if (d.uncovered.empty()) {
        d.covers.push_back(essentials);
        d.lowestCost = baseCost;
        return;
    }
    const int nRest = std::min(static_cast<int>(rest.size()), static_cast<int>(kMaxCombination));
    std::vector<Set> restSet;
    std::vector<int> restCost;
    for (int p : rest) {
        restSet.push_back(MintermSet(d.Prime(p).minterms));
        restCost.push_back(CDerivation::TermCost(d.Prime(p)));
    }
    struct Found
    {
        int cost;
        int k;
        int combination[kMaxCombination];
    };
    std::vector<Found> found;
    auto visit = [&](int k, const int* combination) {
        Set set = base;
        int cost = baseCost;
        for (int i = 0; i < k; ++i) {
            set = static_cast<Set>(set | restSet[static_cast<std::size_t>(combination[i])]);
            cost += restCost[static_cast<std::size_t>(combination[i])];
        }
        if ((set & onSet) == onSet) {
            Found f{cost, k, {}};
            std::copy(combination, combination + k, f.combination);
            found.push_back(f);
        }
    };
    int current[kMaxCombination], next[kMaxCombination];
    for (int k = 1; k <= nRest; ++k) {
        for (int i = 0; i < k; ++i)
            current[i] = i;
        visit(k, current);
        while (NextCombination(nRest, k, current, next) == 1) {
            visit(k, next);
            std::copy(next, next + k, current);
        }
    }
    d.lowestCost = 1000;
    for (const Found& f : found)
        d.lowestCost = std::min(d.lowestCost, f.cost);
    for (const Found& f : found) {
        if (f.cost != d.lowestCost)
            continue;
        std::vector<int> cover = essentials;
        for (int i = 0; i < f.k; ++i)
            cover.push_back(rest[static_cast<std::size_t>(f.combination[i])]);
        d.covers.push_back(std::move(cover));
    }
}

} // namespace

CDerivation Derive(const int* on, int nOn, const int* dc, int nDc)
{
    CDerivation d;
    d.onSet.assign(on, on + std::clamp(nOn, 0, 16));
    d.dontCares.assign(dc, dc + std::clamp(nDc, 0, 16 - static_cast<int>(d.onSet.size())));
    const std::string names = "ABCD";
    CWorkingTable table;
    AddMinterms(table, 4, d.onSet.data(), static_cast<int>(d.onSet.size()), names);
    AddDontCares(table, 4, d.dontCares.data(), static_cast<int>(d.dontCares.size()), names);
    FindPrimeImplicants(table, 4, names);
    ReadTable(table, MintermSet(d.onSet), d);
    ReadPrimes(table, d);
    SearchCovers(d);
    return d;
}
