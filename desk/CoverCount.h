// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// The lowest cost of a function of A, B, C, D and how many covers of that
// cost exist: sets of its prime implicants whose union holds the ON-set, in
// the minimizer's counting (a term costs 1, plus its literals when it has
// two or more). These are the covers the steps window lists, every one of
// them, not only the ten the minimizer records; a function without ON-set
// has one, the empty cover.
struct CoverCount
{
    int lowestCost = 0;
    long long covers = 1;
};

// on and dc: bit m for minterm m; a minterm in both counts as ON.
CoverCount CountLowestCostCovers(std::uint16_t on, std::uint16_t dc);
