// SPDX-License-Identifier: GPL-3.0-or-later
#include "DeviceOps.h"

#include "CZYLDoc.h"
#include "DocOps.h"
#include "Minimize.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace {

const int kPalRowsPerFunction = 4;

// Gives terms the current variable names and rebuilds their texts (the
// minimizer names them A to D).
void NameTerms(const CZYLDoc& doc, CImplicant* terms, int nTerms)
{
    for (int t = 0; t < nTerms; ++t) {
        for (int i = 0; i < CZYLDoc::kVariables; ++i)
            terms[t].m_strName[i] = doc.m_strVariableName[i];
        terms[t].BuildTerm();
    }
}

// PROM entry and OR fuse, without the lists.
void WritePromEntry(CZYLDoc& doc, int f, int r, char v, int dontCareFuse)
{
    doc.m_szPromTable[f][r] = v;
    doc.m_nOrFuse[f][r] = v == '0' ? 0 : v == '1' ? 1 : dontCareFuse;
}

// What a set-back of a PAL function restores: its table, lists, cover and
// the whole of its pool (the minimizer may write any solution's slots).
struct CPalSnapshot
{
    char table[CZYLDoc::kRows];
    int minterms[CZYLDoc::kRows];
    int nMinterms;
    int dontCares[CZYLDoc::kRows];
    int nDontCares;
    int cover[CZYLDoc::kSolutions];
    std::vector<CImplicant> pool;

    CPalSnapshot(const CZYLDoc& doc, int f)
        : nMinterms(doc.m_nPalMinterms[f])
        , nDontCares(doc.m_nPalDontCares[f])
        , pool(TermPool(doc, f), TermPool(doc, f) + CZYLDoc::kTermSlots)
    {
        std::copy_n(doc.m_szPalTable[f], CZYLDoc::kRows, table);
        std::copy_n(doc.m_anPalMinterms[f], CZYLDoc::kRows, minterms);
        std::copy_n(doc.m_anPalDontCares[f], CZYLDoc::kRows, dontCares);
        std::copy_n(doc.m_aCover[f], CZYLDoc::kSolutions, cover);
    }

    void Restore(CZYLDoc& doc, int f) const
    {
        std::copy_n(table, CZYLDoc::kRows, doc.m_szPalTable[f]);
        std::copy_n(minterms, CZYLDoc::kRows, doc.m_anPalMinterms[f]);
        doc.m_nPalMinterms[f] = nMinterms;
        std::copy_n(dontCares, CZYLDoc::kRows, doc.m_anPalDontCares[f]);
        doc.m_nPalDontCares[f] = nDontCares;
        std::copy_n(cover, CZYLDoc::kSolutions, doc.m_aCover[f]);
        std::copy(pool.begin(), pool.end(), TermPool(doc, f));
    }
};

std::optional<CPalSnapshot> SnapshotFor(const CZYLDoc& doc, int f, const CPalRefusal& refusal)
{
    if (!refusal.setBack)
        return std::nullopt;
    return CPalSnapshot(doc, f);
}

// The minimizer on f's PAL ON-set, with or without its don't cares; returns
// the first cover's term count.
int MinimizePalFunction(CZYLDoc& doc, int f, PalDontCares dontCares)
{
    const bool offered = dontCares == PalDontCares::Offered;
    Minimize(doc.m_nPalMinterms[f], doc.m_anPalMinterms[f], offered ? doc.m_nPalDontCares[f] : 0,
             offered ? doc.m_anPalDontCares[f] : nullptr, doc.m_aCover[f], TermPool(doc, f));
    return doc.m_aCover[f][0];
}

// Minimizes f; refuses a cover the rows cannot hold (notice, then the
// set-back from before when there is one), or names and loads it.
ProgramResult MinimizeAndLoad(CZYLDoc& doc, int f, PalDontCares dontCares, const CPalRefusal& refusal,
                              const std::optional<CPalSnapshot>& before)
{
    const int nTerms = MinimizePalFunction(doc, f, dontCares);
    if (nTerms > kPalRowsPerFunction) {
        if (refusal.notice)
            refusal.notice();
        if (before)
            before->Restore(doc, f);
        return ProgramResult::Refused;
    }
    NameTerms(doc, TermPool(doc, f), nTerms);
    LoadPalRows(doc, f);
    return ProgramResult::Programmed;
}

} // namespace

// --- PROM ---------------------------------------------------------------------

void SetPromEntry(CZYLDoc& doc, int f, int r, char v, int dontCareFuse)
{
    WritePromEntry(doc, f, r, v, dontCareFuse);
    UpdateLists(doc, f);
}

void TogglePromFuse(CZYLDoc& doc, int f, int r)
{
    int& fuse = doc.m_nOrFuse[f][r];
    fuse = (fuse + 1) % 2;
    if (doc.m_szPromTable[f][r] != 'X')
        doc.m_szPromTable[f][r] = fuse == 1 ? '1' : '0';
    UpdateLists(doc, f);
}

void SetPromColumn(CZYLDoc& doc, int f, const Column& column)
{
    for (int r = 0; r < CZYLDoc::kRows; ++r)
        WritePromEntry(doc, f, r, column[static_cast<std::size_t>(r)], 1);
    UpdateLists(doc, f);
}

int MinimizePromFunction(CZYLDoc& doc, int f)
{
    Minimize(doc.m_nPromMinterms[f], doc.m_anPromMinterms[f], doc.m_nPromDontCares[f], doc.m_anPromDontCares[f],
             doc.m_aCover[f], TermPool(doc, f));
    const int nTerms = doc.m_aCover[f][0];
    NameTerms(doc, TermPool(doc, f), nTerms);
    return nTerms;
}

// --- PAL ----------------------------------------------------------------------

ProgramResult ProgramPalFunction(CZYLDoc& doc, int f, PalDontCares dontCares, const CPalRefusal& refusal)
{
    return MinimizeAndLoad(doc, f, dontCares, refusal, SnapshotFor(doc, f, refusal));
}

ProgramResult ProgramPalColumn(CZYLDoc& doc, int f, const Column& column, PalDontCares dontCares,
                               const CPalRefusal& refusal)
{
    const std::optional<CPalSnapshot> before = SnapshotFor(doc, f, refusal);
    std::copy(column.begin(), column.end(), doc.m_szPalTable[f]);
    UpdateLists(doc, f);
    return MinimizeAndLoad(doc, f, dontCares, refusal, before);
}

ProgramResult ProgramPalCover(CZYLDoc& doc, int f, const CImplicant* terms, int nTerms)
{
    if (nTerms > kPalRowsPerFunction)
        return ProgramResult::Refused;
    CImplicant named[kPalRowsPerFunction];
    std::copy_n(terms, nTerms, named);
    NameTerms(doc, named, nTerms);
    LoadPalCover(doc, f, named, nTerms);
    return ProgramResult::Programmed;
}

// --- Either device type -------------------------------------------------------

ProgramResult ProgramColumn(CZYLDoc& doc, int f, const Column& column, PalDontCares dontCares,
                            const CPalRefusal& refusal)
{
    if (doc.m_bProm == 1) {
        SetPromColumn(doc, f, column);
        return ProgramResult::Programmed;
    }
    if (doc.m_bPal == 1)
        return ProgramPalColumn(doc, f, column, dontCares, refusal);
    return ProgramResult::NotApplicable;
}
