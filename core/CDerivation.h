// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ProductTerm.h"

#include <string>
#include <utility>
#include <vector>

// Every step of the tabular method for one function of the four variables
// A, B, C, D, as the method runs by hand: level 0 from the ON-set and the
// don't cares, the combining passes, the prime implicants in the order they
// are listed, the essential ones and every lowest-cost cover in the order
// the cover search meets them. The primes, the lowest cost and the first
// kRecordedCovers covers are those Minimize gives for the same lists (a
// test holds the two to it on every function without don't cares and on
// thousands with them).

// One term of the combining table: its product and what the table adds.
struct CDerivationTerm
{
    ProductTerm term;
    std::vector<int> minterms;     // covered minterms, ascending
    bool merged = false;           // combined with a term of its level
    bool dontCareOnly = false;     // covers no ON-set minterm
    bool prime = false;            // listed as a prime implicant
    // Index pairs into the level below whose merge gives this term, in the
    // order the pass meets them: the first made the term, the others gave
    // it again.
    std::vector<std::pair<int, int>> pairs;

    // Number of variables in true form: the group of the term in its level.
    int OnesCount() const;
    // "01-1": one character per variable, A first.
    std::string Pattern() const;
};

struct CPrimeRef
{
    int level = 0;
    int index = 0;
};

struct CDerivation
{
    enum { kLevels = 6, kRecordedCovers = 10 };

    std::vector<int> onSet;
    std::vector<int> dontCares;
    std::vector<CDerivationTerm> levels[kLevels];

    // The prime implicants in the minimizer's order, as places in levels.
    std::vector<CPrimeRef> primes;
    // For each prime, whether it is essential.
    std::vector<bool> essential;
    // The ON-set minterms (in onSet order) covered by exactly one prime.
    std::vector<int> singleCover;
    // The ON-set minterms the essential primes leave uncovered.
    std::vector<int> uncovered;

    // Every lowest-cost cover, as indices into primes: the essentials first,
    // then the chosen ones ascending. Ordered as the search meets them; the
    // first kRecordedCovers are the covers the minimizer records.
    std::vector<std::vector<int>> covers;
    int lowestCost = 0;

    const CDerivationTerm& Prime(int p) const { return levels[primes[p].level][primes[p].index]; }
    int EssentialCount() const;
    int RecordedCount() const;
};

// The derivation of the function with the ON-set on[0..nOn-1] and the don't
// cares dc[0..nDc-1] (distinct minterms 0..15, disjoint). Level 0 holds the
// ON-set in the order given, then the don't cares.
CDerivation Derive(const int* on, int nOn, const int* dc, int nDc);
