// SPDX-License-Identifier: GPL-3.0-or-later
#include "Tabular.h"

CImplicant g_aImplicant[kLevels * kLevelSize];
int g_nLevelCount[kLevels];

namespace {

void AddLevelZero(int nVariables, const int* list, int n, const std::string& names, int bDontCare)
{
    for (int i = 0; i < n && g_nLevelCount[0] < kLevelSize; ++i) {
        g_aImplicant[g_nLevelCount[0]] = CImplicant(nVariables, list[i], bDontCare, names);
        ++g_nLevelCount[0];
    }
}

bool IsOnSetMinterm(const bool* onSet, int m)
{
    return m >= 0 && m < 64 && onSet[m];
}

} // namespace

void AddMinterms(int nVariables, const int* list, int n, const std::string& names)
{
    AddLevelZero(nVariables, list, n, names, 0);
}

void AddDontCares(int nVariables, const int* list, int n, const std::string& names)
{
    AddLevelZero(nVariables, list, n, names, 1);
}

void FindPrimeImplicants(int nVariables, const std::string& names)
{
    // 1. The scratch record that every merge is written into.
    CImplicant scratch(nVariables, -1, 0, names);
    for (int L = 1; L < kLevels; ++L)
        g_nLevelCount[L] = 0;

    // 2. Combining passes; level L + 1 is complete before its own pass.
    for (int L = 0; L + 1 < kLevels; ++L) {
        CImplicant* level = g_aImplicant + L * kLevelSize;
        CImplicant* next = g_aImplicant + (L + 1) * kLevelSize;
        const int n = g_nLevelCount[L];
        for (int a = 0; a < n; ++a) {
            for (int b = a + 1; b < n; ++b) {
                if (!level[a].CanCombine(level[b]))
                    continue;
                level[a].m_bUsed = 1;
                level[b].m_bUsed = 1;
                level[a].Combine(level[b], scratch);
                bool known = false;
                for (int k = 0; k < g_nLevelCount[L + 1] && !known; ++k)
                    known = next[k].IsEqual(scratch);
                if (known || g_nLevelCount[L + 1] >= kLevelSize)
                    continue;
                CImplicant& added = next[g_nLevelCount[L + 1]];
                added.Assign(scratch);
                added.m_bUsed = 0;
                ++g_nLevelCount[L + 1];
            }
        }
    }

    // 3. Terms of levels 1 to 5 that cover no ON-set minterm are no primes.
    bool onSet[64] = {};
    for (int i = 0; i < g_nLevelCount[0]; ++i) {
        const CImplicant& rec = g_aImplicant[i];
        if (rec.m_bDontCare != 1 && rec.m_nMinterms > 0 && rec.m_anMinterm[0] >= 0 && rec.m_anMinterm[0] < 64)
            onSet[rec.m_anMinterm[0]] = true;
    }
    for (int L = 1; L < kLevels; ++L) {
        for (int k = 0; k < g_nLevelCount[L]; ++k) {
            CImplicant& rec = g_aImplicant[L * kLevelSize + k];
            bool coversOn = false;
            for (int i = 0; i < rec.m_nMinterms && !coversOn; ++i)
                coversOn = IsOnSetMinterm(onSet, rec.m_anMinterm[i]);
            if (!coversOn)
                rec.m_bUsed = 1;
        }
    }

    // 4. A single don't-care minterm is never a prime implicant.
    for (int i = 0; i < g_nLevelCount[0]; ++i) {
        if (g_aImplicant[i].m_bDontCare == 1)
            g_aImplicant[i].m_bUsed = 1;
    }
}
