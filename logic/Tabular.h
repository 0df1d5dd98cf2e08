// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CImplicant.h"

#include <string>

// The minimizer's working table: six levels of 50 records, level L holding
// the terms with L eliminated variables. One instance, overwritten by every
// run; minimization runs one at a time on the user-interface thread.
enum { kLevelSize = 50, kLevels = 6 };
extern CImplicant g_aImplicant[kLevels * kLevelSize];
extern int g_nLevelCount[kLevels];

// Appends n level-0 records made from list[0..n-1] (don't-care flag 0).
void AddMinterms(int nVariables, const int* list, int n, const std::string& names);
// The same with the don't-care flag 1.
void AddDontCares(int nVariables, const int* list, int n, const std::string& names);
// The combining passes over levels 0 to 4 and the marking of the records that
// are no prime implicants (merged, or covering only don't cares). Afterwards
// every record in use with m_bUsed 0 is a prime implicant.
void FindPrimeImplicants(int nVariables, const std::string& names);
