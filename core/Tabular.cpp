// SPDX-License-Identifier: GPL-3.0-or-later
#include "Tabular.h"

namespace {

void AddLevelZero(CWorkingTable& table, int nVariables, const int* list, int n, const std::string& names,
                  int bDontCare)
{
    std::vector<CImplicant>& level = table.m_aImplicant[0];
    for (int i = 0; i < n && level.size() < kLevelSize; ++i)
        level.emplace_back(nVariables, list[i], bDontCare, names);
}

bool IsOnSetMinterm(const bool* onSet, int m)
{
    return m >= 0 && m < 64 && onSet[m];
}

// Every pair (a, b), a < b, of level L that differs in one variable: both
// are marked used, and their merged term (made in scratch) is appended to
// level L + 1 with m_bUsed 0 unless that level already holds it.
void CombineLevel(CWorkingTable& table, int L, CImplicant& scratch)
{
    std::vector<CImplicant>& level = table.m_aImplicant[L];
    std::vector<CImplicant>& next = table.m_aImplicant[L + 1];
    const std::size_t n = level.size();
    for (std::size_t a = 0; a < n; ++a) {
        for (std::size_t b = a + 1; b < n; ++b) {
            if (!level[a].CanCombine(level[b]))
                continue;
            level[a].m_bUsed = 1;
            level[b].m_bUsed = 1;
            level[a].Combine(level[b], scratch);
            bool known = false;
            for (std::size_t k = 0; k < next.size() && !known; ++k)
                known = next[k].IsEqual(scratch);
            if (known || next.size() >= kLevelSize)
                continue;
            next.push_back(scratch);
            next.back().m_bUsed = 0;
        }
    }
}

// Terms of levels 1 to 5 that cover no ON-set minterm, and the single
// don't-care minterms of level 0, are no prime implicants.
void MarkDontCareTerms(CWorkingTable& table)
{
    bool onSet[64] = {};
    for (const CImplicant& rec : table.m_aImplicant[0]) {
        if (rec.m_bDontCare != 1 && rec.m_nMinterms > 0 && rec.m_anMinterm[0] >= 0 && rec.m_anMinterm[0] < 64)
            onSet[rec.m_anMinterm[0]] = true;
    }
    for (int L = 1; L < kLevels; ++L) {
        for (CImplicant& rec : table.m_aImplicant[L]) {
            bool coversOn = false;
            for (int i = 0; i < rec.m_nMinterms && !coversOn; ++i)
                coversOn = IsOnSetMinterm(onSet, rec.m_anMinterm[i]);
            if (!coversOn)
                rec.m_bUsed = 1;
        }
    }
    for (CImplicant& rec : table.m_aImplicant[0]) {
        if (rec.m_bDontCare == 1)
            rec.m_bUsed = 1;
    }
}

} // namespace

void AddMinterms(CWorkingTable& table, int nVariables, const int* list, int n, const std::string& names)
{
    AddLevelZero(table, nVariables, list, n, names, 0);
}

void AddDontCares(CWorkingTable& table, int nVariables, const int* list, int n, const std::string& names)
{
    AddLevelZero(table, nVariables, list, n, names, 1);
}

void FindPrimeImplicants(CWorkingTable& table, int nVariables, const std::string& names)
{
    // 1. The scratch record that every merge is written into; levels 1 to 5
    // start empty.
    CImplicant scratch(nVariables, -1, 0, names);
    for (int L = 1; L < kLevels; ++L) {
        table.m_aImplicant[L].clear();
        table.m_aImplicant[L].reserve(kLevelSize);
    }
    // 2. Combining passes; level L + 1 is complete before its own pass.
    for (int L = 0; L + 1 < kLevels; ++L)
        CombineLevel(table, L, scratch);
    // 3-4. What is not a prime implicant although never merged.
    MarkDontCareTerms(table);
}
