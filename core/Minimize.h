// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CImplicant.h"

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
// counts must hold 10 entries and blocks 500 records; entries beyond the
// recorded solutions keep their earlier contents.
int Minimize(int nMinterms, const int* minterms, int nDontCares, const int* dontCares, int* counts,
             CImplicant* blocks);

// The same result computed step by step, on a working table of its own
// (the tabular method on CImplicant records) and with the plain exhaustive
// cover search. It is slow for functions with many prime implicants; it
// checks Minimize and shows the method's steps.
int MinimizeByParts(int nMinterms, const int* minterms, int nDontCares, const int* dontCares, int* counts,
                    CImplicant* blocks);

// The "A + B" text of solution s of the storage above, with the terms' own
// names; "0" for a cover without terms.
std::string SumOfProducts(const int* counts, const CImplicant* blocks, int s = 0);
