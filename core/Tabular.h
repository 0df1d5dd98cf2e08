// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CImplicant.h"

#include <string>
#include <vector>

// The minimizer's working table: level L holds the terms with L eliminated
// variables in the order they were produced, at most kLevelSize of them.
// Every step-by-step run works on a table of its own, which starts empty.
enum { kLevelSize = 50, kLevels = 6 };
struct CWorkingTable
{
    std::vector<CImplicant> m_aImplicant[kLevels];
};

// Appends n level-0 records made from list[0..n-1] (don't-care flag 0).
void AddMinterms(CWorkingTable& table, int nVariables, const int* list, int n, const std::string& names);
// The same with the don't-care flag 1.
void AddDontCares(CWorkingTable& table, int nVariables, const int* list, int n, const std::string& names);
// The combining passes over levels 0 to 4, which fill levels 1 to 5, and the
// marking of the records that are no prime implicants (merged, or covering
// only don't cares). Afterwards every record with m_bUsed 0 is a prime
// implicant.
void FindPrimeImplicants(CWorkingTable& table, int nVariables, const std::string& names);
