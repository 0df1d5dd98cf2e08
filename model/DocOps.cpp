// SPDX-License-Identifier: GPL-3.0-or-later
#include "DocOps.h"

#include "CZYLDoc.h"
#include "ListHelpers.h"

#include <algorithm>

namespace {

bool ValidFunction(int f) { return f >= 0 && f < CZYLDoc::kFunctions; }
bool ValidRow(int r) { return r >= 0 && r < CZYLDoc::kRows; }

void SetRowConstantZero(CAndRow& row)
{
    row.m_strTerm = "0";
    row.m_nMinterms = 0;
}

} // namespace

void UpdateRowTerm(CZYLDoc& doc, int r)
{
    if (doc.m_bPal != 1 || !ValidRow(r))
        return;
    CAndRow& row = doc.m_andRow[r];

    // x * x' makes the whole product 0.
    for (int i = 0; i < 4; ++i) {
        if (row.m_nFuse[2 * i] == 1 && row.m_nFuse[2 * i + 1] == 1) {
            SetRowConstantZero(row);
            return;
        }
    }

    // No literal at all: the empty product is 1.
    if (std::none_of(std::begin(row.m_nFuse), std::end(row.m_nFuse), [](int fuse) { return fuse == 1; })) {
        row.m_strTerm = "1";
        for (int m = 0; m < 16; ++m)
            row.m_anMinterm[m] = m;
        row.m_nMinterms = 16;
        return;
    }

    row.m_strTerm.clear();
    row.m_nOnes = 0;
    row.m_nZeros = 65535;
    for (int i = 0; i < 4; ++i) {
        const int weight = 1 << (3 - i);
        const bool trueIntact = row.m_nFuse[2 * i] == 1;
        const bool complementIntact = row.m_nFuse[2 * i + 1] == 1;
        if (trueIntact) {
            row.m_strTerm += doc.m_strVariableName[i];
            row.m_nOnes += weight;
            row.m_nZeros -= weight;
        }
        if (complementIntact)
            row.m_strTerm += "^" + doc.m_strVariableName[i];
        if (!trueIntact && !complementIntact)
            row.m_nZeros -= weight;
    }
    ExpandRowMinterms(doc, r);
}

void ExpandRowMinterms(CZYLDoc& doc, int r)
{
    if (doc.m_bPal != 1 || !ValidRow(r))
        return;
    CAndRow& row = doc.m_andRow[r];
    int free[16];
    int k = 0;
    for (int b = 0; b < row.m_nVariables; ++b) {
        const int bit = 1 << b;
        if ((row.m_nOnes & bit) == 0 && (row.m_nZeros & bit) == 0)
            free[k++] = b;
    }
    row.m_anMinterm[0] = row.m_nOnes;
    row.m_nMinterms = 1;
    for (int v = 1; v < (1 << k); ++v) {
        int m = row.m_nOnes;
        for (int j = 0; j < k; ++j) {
            if (v & (1 << j))
                m += 1 << free[j];
        }
        row.m_anMinterm[row.m_nMinterms++] = m;
    }
}

void CollectPalMinterms(CZYLDoc& doc, int f)
{
    if (!ValidFunction(f))
        return;
    // Each row covers at most the 16 minterms, as the rows' soundness holds.
    int all[64];
    int n = 0;
    for (int r = 4 * f; r < 4 * f + 4; ++r) {
        const CAndRow& row = doc.m_andRow[r];
        for (int i = 0; i < row.m_nMinterms; ++i)
            all[n++] = row.m_anMinterm[i];
    }
    const int k = SortUniqueList(all, n);
    std::copy(all, all + k, doc.m_anPalMinterms[f]);
    doc.m_nPalMinterms[f] = k;
}

void UpdateTruthTable(CZYLDoc& doc, int f)
{
    if (!ValidFunction(f))
        return;
    if (doc.m_bProm == 1) {
        for (int r = 0; r < 16; ++r)
            doc.m_szPromTable[f][r] = doc.m_nOrFuse[f][r] == 0 ? '0' : '1';
        for (int i = 0; i < doc.m_nPromDontCares[f]; ++i)
            doc.m_szPromTable[f][doc.m_anPromDontCares[f][i]] = 'X';
    }
    if (doc.m_bPal == 1) {
        for (int r = 0; r < 16; ++r) {
            if (doc.m_szPalTable[f][r] != 'X')
                doc.m_szPalTable[f][r] = '0';
        }
        for (int i = 0; i < doc.m_nPalMinterms[f]; ++i)
            doc.m_szPalTable[f][doc.m_anPalMinterms[f][i]] = '1';
    }
}

void UpdateLists(CZYLDoc& doc, int f)
{
    if (!ValidFunction(f))
        return;
    if (doc.m_bProm == 1) {
        int nMinterms = 0;
        int nDontCares = 0;
        for (int r = 0; r < 16; ++r) {
            if (doc.m_szPromTable[f][r] == 'X')
                doc.m_anPromDontCares[f][nDontCares++] = r;
            else if (doc.m_nOrFuse[f][r] == 1)
                doc.m_anPromMinterms[f][nMinterms++] = r;
        }
        doc.m_nPromMinterms[f] = nMinterms;
        doc.m_nPromDontCares[f] = nDontCares;
    }
    if (doc.m_bPal == 1) {
        for (int g = 0; g < CZYLDoc::kFunctions; ++g) {
            int nMinterms = 0;
            int nDontCares = 0;
            for (int r = 0; r < 16; ++r) {
                if (doc.m_szPalTable[g][r] == '1')
                    doc.m_anPalMinterms[g][nMinterms++] = r;
                else if (doc.m_szPalTable[g][r] == 'X')
                    doc.m_anPalDontCares[g][nDontCares++] = r;
            }
            doc.m_nPalMinterms[g] = nMinterms;
            doc.m_nPalDontCares[g] = nDontCares;
        }
    }
}

CImplicant* TermPool(CZYLDoc& doc, int f) { return doc.m_aTerms + CZYLDoc::kTermSlots * f; }

const CImplicant* TermPool(const CZYLDoc& doc, int f) { return doc.m_aTerms + CZYLDoc::kTermSlots * f; }

void LoadPalRows(CZYLDoc& doc, int f)
{
    if (!ValidFunction(f))
        return;
    // A function owns four rows. The cover storage may hold more terms (a
    // PROM annotation's cover, or a PAL cover refused without a set-back):
    // such a cover is cut rather than written into the next function's rows.
    LoadPalCover(doc, f, TermPool(doc, f), std::clamp(doc.m_aCover[f][0], 0, 4));
}

void LoadPalCover(CZYLDoc& doc, int f, const CImplicant* terms, int nTerms)
{
    if (!ValidFunction(f))
        return;
    for (int r = 4 * f; r < 4 * f + 4; ++r) {
        CAndRow& row = doc.m_andRow[r];
        std::fill(std::begin(row.m_nFuse), std::end(row.m_nFuse), 1);
        SetRowConstantZero(row);
    }
    for (int t = 0; t < nTerms; ++t) {
        const CImplicant& term = terms[t];
        CAndRow& row = doc.m_andRow[4 * f + t];
        for (int b = 0; b < row.m_nVariables; ++b) {
            const int i = 3 - b; // bit b belongs to variable 3 - b
            const bool one = (term.m_nOnes >> b) & 1;
            const bool zero = (term.m_nZeros >> b) & 1;
            row.m_nFuse[2 * i] = (one && !zero) ? 1 : 0;
            row.m_nFuse[2 * i + 1] = (!one && zero) ? 1 : 0;
        }
        row.m_strTerm = term.m_strTerm;
        row.m_nMinterms = term.m_nMinterms; // a term of four variables covers at most 16
        std::copy(term.m_anMinterm, term.m_anMinterm + row.m_nMinterms, row.m_anMinterm);
    }
}

void BuildMintermLabels(CZYLDoc& doc)
{
    for (int r = 0; r < 16; ++r) {
        std::string label;
        for (int i = 0; i < 4; ++i) {
            if (((r >> (3 - i)) & 1) == 0)
                label += '^';
            label += doc.m_strVariableName[i];
        }
        doc.m_strMintermLabel[r] = label;
    }
}
