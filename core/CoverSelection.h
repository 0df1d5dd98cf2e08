// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CImplicant.h"

// Cover selection over a prime implicant list. Lists hold at most
// kMaxListTerms records; a combination takes at most kMaxCombination of the
// non-essential terms.
enum { kMaxListTerms = 50, kMaxCombination = 20, kMaxSolutions = 10, kBlockSize = 50 };

int MarkEssentials(const int* list, int n, CImplicant* primes, int nPrimes);
void BuildCoverMap(int nTerms, const CImplicant* terms, int nVariables, int* map);
// 1 when map[m] is 1 for every minterm m whose required[m] is 1 (required:
// entry m is 1 when minterm m belongs to the ON-set being covered).
int IsCovered(int nVariables, const int* map, const int* required);
int GetCoverCost(int nTerms, const CImplicant* terms);
// Number of k-element subsets of n elements, exact for 0 <= k <= n <= 62;
// 0 outside that range.
long long Binomial(int n, int k);
int NextCombination(int n, int k, const int* current, int* next);

// Writes every lowest-cost cover of the required minterms (the essential
// terms followed by a combination of the remaining ones), in enumeration
// order, into
// blocks[50 s ..] with its term count in counts[s]. At most kMaxSolutions are
// recorded; the result is the number recorded. This is the plain exhaustive
// search over CImplicant records; Minimize uses a compact equivalent.
int SelectCover(int nVariables, const int* required, int nEssential, const CImplicant* essentials, int nRest,
                const CImplicant* rest, int* counts, CImplicant* blocks);

// Cost of one term inside a cover: 1, plus its literals when it has more
// than one. GetCoverCost is the sum of these.
inline int GetTermCost(int nLiterals)
{
    return 1 + (nLiterals > 1 ? nLiterals : 0);
}
