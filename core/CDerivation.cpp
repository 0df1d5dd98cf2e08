// SPDX-License-Identifier: GPL-3.0-or-later
#include "CDerivation.h"

#include "Minimize.h"

#include <algorithm>
#include <bit>
#include <cstdint>

int CDerivationTerm::OnesCount() const
{
    return std::popcount(static_cast<unsigned>(term.ones & 15));
}

std::string CDerivationTerm::Pattern() const
{
    std::string text;
    for (int bit = 8; bit > 0; bit >>= 1)
        text += (term.ones & bit) ? '1' : (term.zeros & bit) ? '0' : '-';
    return text;
}

int CDerivation::EssentialCount() const
{
    return static_cast<int>(std::count(essential.begin(), essential.end(), true));
}

int CDerivation::RecordedCount() const
{
    return std::min(static_cast<int>(covers.size()), static_cast<int>(kRecordedCovers));
}

namespace {

using Set = std::uint16_t;

Set SetOf(const std::vector<int>& minterms)
{
    Set set = 0;
    for (int m : minterms)
        set = static_cast<Set>(set | (1u << m));
    return set;
}

// Two terms merge when they differ in exactly one variable, present in one
// of them in true form and in the other complemented.
bool CanMerge(ProductTerm a, ProductTerm b)
{
    const unsigned ones = a.ones ^ b.ones;
    return ones == static_cast<unsigned>(a.zeros ^ b.zeros) && std::has_single_bit(ones);
}

// Level 0: the ON-set in the order given, then the don't cares.
void AddMinterms(CDerivation& d)
{
    for (const std::vector<int>* list : {&d.onSet, &d.dontCares})
        for (int m : *list) {
            CDerivationTerm t;
            t.term = ProductTerm::Minterm(m);
            t.minterms = {m};
            t.dontCareOnly = list == &d.dontCares;
            d.levels[0].push_back(std::move(t));
        }
}

// The combining passes: every pair (a, b), a < b, of a level that differs
// in one variable marks both merged, and its merged term joins the next
// level unless that level holds it already; either way the pair is noted on
// the term, so the first pair met for a term is the one that made it.
void Combine(CDerivation& d)
{
    for (int L = 0; L + 1 < CDerivation::kLevels; ++L) {
        std::vector<CDerivationTerm>& level = d.levels[L];
        std::vector<CDerivationTerm>& next = d.levels[L + 1];
        const int n = static_cast<int>(level.size());
        for (int a = 0; a < n; ++a)
            for (int b = a + 1; b < n; ++b) {
                if (!CanMerge(level[a].term, level[b].term))
                    continue;
                level[a].merged = level[b].merged = true;
                const ProductTerm merged{static_cast<std::uint8_t>(level[a].term.ones & level[b].term.ones),
                                         static_cast<std::uint8_t>(level[a].term.zeros & level[b].term.zeros)};
                auto made = std::find_if(next.begin(), next.end(),
                                         [merged](const CDerivationTerm& t) { return t.term == merged; });
                if (made == next.end()) {
                    CDerivationTerm t;
                    t.term = merged;
                    std::merge(level[a].minterms.begin(), level[a].minterms.end(), level[b].minterms.begin(),
                               level[b].minterms.end(), std::back_inserter(t.minterms));
                    made = next.insert(next.end(), std::move(t));
                }
                made->pairs.emplace_back(a, b);
            }
    }
}

// The primes: the terms never merged that cover an ON-set minterm, level by
// level in the order made. A prime is essential when it alone covers some
// ON-set minterm.
void FindPrimes(CDerivation& d)
{
    const Set onSet = SetOf(d.onSet);
    for (int L = 0; L < CDerivation::kLevels; ++L)
        for (int i = 0; i < static_cast<int>(d.levels[L].size()); ++i) {
            CDerivationTerm& t = d.levels[L][static_cast<std::size_t>(i)];
            if (L > 0)
                t.dontCareOnly = (SetOf(t.minterms) & onSet) == 0;
            t.prime = !t.merged && !t.dontCareOnly;
            if (t.prime)
                d.primes.push_back({L, i});
        }
    unsigned once = 0, more = 0;
    for (int p = 0; p < static_cast<int>(d.primes.size()); ++p) {
        more |= once & d.Prime(p).term.MintermMask();
        once |= d.Prime(p).term.MintermMask();
    }
    const unsigned single = once & ~more & onSet;
    unsigned essentialCover = 0;
    for (int p = 0; p < static_cast<int>(d.primes.size()); ++p) {
        const unsigned cover = d.Prime(p).term.MintermMask();
        d.essential.push_back((cover & single) != 0);
        essentialCover |= d.essential.back() ? cover : 0;
    }
    for (int m : d.onSet) {
        if ((single >> m) & 1)
            d.singleCover.push_back(m);
        if (!((essentialCover >> m) & 1))
            d.uncovered.push_back(m);
    }
}

// Runs visit on every k-element combination of 0 .. n - 1, in
// lexicographic order.
template <class Visit>
void ForEachCombination(int n, int k, Visit visit)
{
    int c[kMaxCombination];
    for (int i = 0; i < k; ++i)
        c[i] = i;
    for (;;) {
        visit(c);
        int j = k - 1;
        while (j >= 0 && c[j] == n - k + j)
            --j;
        if (j < 0)
            return;
        ++c[j];
        for (int i = j + 1; i < k; ++i)
            c[i] = c[i - 1] + 1;
    }
}

// The cover search: the essentials, then every combination of k = 1, 2, ..
// of the other primes (at most kMaxCombination of them), each k in
// lexicographic order; of those that cover the ON-set, the ones of the
// lowest cost, in that order.
void SearchCovers(CDerivation& d)
{
    std::vector<int> essentials, rest;
    Set base = 0;
    int baseCost = 0;
    for (int p = 0; p < static_cast<int>(d.primes.size()); ++p) {
        (d.essential[static_cast<std::size_t>(p)] ? essentials : rest).push_back(p);
        if (d.essential[static_cast<std::size_t>(p)]) {
            base = static_cast<Set>(base | d.Prime(p).term.MintermMask());
            baseCost += d.Prime(p).term.Cost();
        }
    }
    d.lowestCost = baseCost;
    if (d.uncovered.empty()) {
        d.covers.push_back(essentials);
        return;
    }
    const Set onSet = SetOf(d.onSet);
    const int nRest = std::min(static_cast<int>(rest.size()), static_cast<int>(kMaxCombination));
    Set restSet[kMaxCombination];
    int restCost[kMaxCombination];
    for (int i = 0; i < nRest; ++i) {
        restSet[i] = d.Prime(rest[static_cast<std::size_t>(i)]).term.MintermMask();
        restCost[i] = d.Prime(rest[static_cast<std::size_t>(i)]).term.Cost();
    }
    d.lowestCost = 1000;
    for (int k = 1; k <= nRest; ++k)
        ForEachCombination(nRest, k, [&](const int* chosen) {
            Set set = base;
            int cost = baseCost;
            for (int i = 0; i < k; ++i) {
                set = static_cast<Set>(set | restSet[chosen[i]]);
                cost += restCost[chosen[i]];
            }
            if ((set & onSet) != onSet || cost > d.lowestCost)
                return;
            if (cost < d.lowestCost) {
                d.lowestCost = cost;
                d.covers.clear();
            }
            d.covers.push_back(essentials);
            for (int i = 0; i < k; ++i)
                d.covers.back().push_back(rest[static_cast<std::size_t>(chosen[i])]);
        });
}

} // namespace

CDerivation Derive(const int* on, int nOn, const int* dc, int nDc)
{
    CDerivation d;
    d.onSet.assign(on, on + std::clamp(nOn, 0, 16));
    d.dontCares.assign(dc, dc + std::clamp(nDc, 0, 16 - static_cast<int>(d.onSet.size())));
    AddMinterms(d);
    Combine(d);
    FindPrimes(d);
    SearchCovers(d);
    return d;
}
