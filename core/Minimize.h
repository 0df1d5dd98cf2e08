// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CImplicant.h"

#include <string>

// The caller's storage for the covers (see Minimize): at most
// kMaxSolutions covers, each in a block of kBlockSize records. At most
// kMaxCombination primes besides the essential ones take part in the
// cover search.
enum { kMaxSolutions = 10, kBlockSize = 50, kMaxCombination = 20 };

// Minimizes one function of the four variables A, B, C, D given as an
// ON-set list and a don't-care list (distinct minterms 0..15, disjoint, at
// most 16 in all) and writes its lowest-cost sums of products into the
// caller's storage: counts[s] is the term count of solution s and
// blocks[50 s .. 50 s + counts[s] - 1] its terms, in cover order, named
// "A".."D". Solutions are ordered by the number of non-essential terms, then
// by the lexicographic order of their index combinations over the
// non-essential prime implicants. At most 10 are recorded; the result is the
// number recorded, at least 1 (an empty ON-set gives one cover of 0 terms).
//
// counts must hold kMaxSolutions entries and blocks kMaxSolutions *
// kBlockSize records; entries beyond the recorded solutions keep their
// earlier contents.
int Minimize(int nMinterms, const int* minterms, int nDontCares, const int* dontCares, int* counts,
             CImplicant* blocks);

// The "A + B" text of solution s of the storage above, with the terms' own
// names; "0" for a cover without terms.
std::string SumOfProducts(const int* counts, const CImplicant* blocks, int s = 0);
// The cost of solution s of that storage: one per term, plus the literals
// of every term of two or more.
int SolutionCost(const int* counts, const CImplicant* blocks, int s = 0);
