// SPDX-License-Identifier: GPL-3.0-or-later
#include "MintermLogic.h"

#include "CZYLDoc.h"
#include "DeviceOps.h"
#include "PlacementLogic.h"
#include "Platform.h"
#include "TermListParser.h"
#include "Utf8.h"

#include <algorithm>
#include <cstdio>

const char* const kMintermDuplicateMessage = "Minterm %d is duplicated in the Don't Cares for Function No.%d.";
const char* const kMintermRangeMessage = "Minterm number should not exceed %d.";
const char* const kMintermDontCareRangeMessage = "Minterm number in the Don't Care should not exceed %d.";
const char* const kEntryTermLimitMessage = "\n\nThe function entered has more than 4 SOP terms\n and so cannot be "
                                         "implemented\n\nby this four minterm PAL.";

namespace {

const int kMaxTerm = 15;

// One function's lists as the parser read them.
struct CParsedLists
{
    int terms[16];
    int nTerms = 0;
    int dontCares[16];
    int nDontCares = 0;
};

bool AnyAbove(const int* list, int n, int limit)
{
    return std::any_of(list, list + n, [limit](int v) { return v > limit; });
}

// The first term that is also a don't care, in term order and within it
// don't-care order, or -1.
int FirstDuplicate(const CParsedLists& lists)
{
    for (int i = 0; i < lists.nTerms; ++i)
        for (int j = 0; j < lists.nDontCares; ++j)
            if (lists.terms[i] == lists.dontCares[j])
                return lists.terms[i];
    return -1;
}

// The minterm column: '0' everywhere, '1' at the minterms, 'X' at the don't
// cares. The caller has checked the range.
Column MintermColumn(const CParsedLists& lists)
{
    Column column;
    column.fill('0');
    for (int i = 0; i < lists.nTerms; ++i)
        column[static_cast<std::size_t>(lists.terms[i])] = '1';
    for (int j = 0; j < lists.nDontCares; ++j)
        column[static_cast<std::size_t>(lists.dontCares[j])] = 'X';
    return column;
}

} // namespace

std::string FormatEntryMessage(const char* format, int a, int b)
{
    char buffer[160];
    std::snprintf(buffer, sizeof buffer, format, a, b);
    return buffer;
}

std::string TableEntriesText(const char* column, char value)
{
    int list[16];
    int n = 0;
    for (int k = 0; k < 16; ++k)
        if (column[k] == value)
            list[n++] = k;
    return ListText(list, n);
}

std::string EntryHeading(const CZYLDoc& doc, int f)
{
    const std::string& name = doc.m_strFunctionName[f];
    // The first and the last character, whole (a character may take several bytes).
    const std::size_t length = Utf8::CountChars(name);
    std::string heading = length > 1 ? std::string(Utf8::CharAtIndex(name, 0)) + "~d" +
                                           std::string(Utf8::CharAtIndex(name, length - 1)) + "~d"
                                     : name;
    heading += " =   f ( ";
    for (int i = 0; i < CZYLDoc::kVariables; ++i) {
        if (i > 0)
            heading += " , ";
        heading += doc.m_strVariableName[i];
    }
    heading += " )  =";
    return heading;
}

std::optional<CEntryLists> MintermListsFromDoc(const CZYLDoc& doc)
{
    CEntryLists lists;
    if (doc.m_bProm == 1) {
        for (int f = 0; f < CZYLDoc::kFunctions; ++f) {
            const auto i = static_cast<std::size_t>(f);
            lists.terms[i] = ListText(doc.m_anPromMinterms[f], doc.m_nPromMinterms[f]);
            lists.dontCares[i] = ListText(doc.m_anPromDontCares[f], doc.m_nPromDontCares[f]);
        }
        return lists;
    }
    if (doc.m_bPal == 1) {
        for (int f = 0; f < CZYLDoc::kFunctions; ++f) {
            const auto i = static_cast<std::size_t>(f);
            lists.terms[i] = TableEntriesText(doc.m_szPalTable[f], '1');
            lists.dontCares[i] = TableEntriesText(doc.m_szPalTable[f], 'X');
        }
        return lists;
    }
    return std::nullopt;
}

ZPoint EntryDialogPosition(const ZSize& screen, const ZSize& dialog)
{
    return ClampToScreen(ZPoint{screen.cx - 745, screen.cy - 369}, dialog, screen);
}

ProgramResult ProgramEntryColumn(CZYLDoc& doc, int f, const Column& column)
{
    const CPalRefusal refusal{true, [] { ShowStandardMessage(kEntryTermLimitMessage); }};
    return ProgramColumn(doc, f, column, PalDontCares::Ignored, refusal);
}

std::string EntryDeviceState(const CZYLDoc& doc)
{
    std::string state(&doc.m_szPromTable[0][0], sizeof doc.m_szPromTable);
    state.append(&doc.m_szPalTable[0][0], sizeof doc.m_szPalTable);
    for (const auto& fuses : doc.m_nOrFuse)
        for (int fuse : fuses)
            state += char('0' + fuse);
    for (const CAndRow& row : doc.m_andRow) {
        for (int fuse : row.m_nFuse)
            state += char('0' + fuse);
        state += row.m_strTerm;
        state += '\n';
    }
    return state;
}

void FinishEntryUpdate(CZYLDoc& doc, const CEntryOutcome& outcome, const std::string& stateBefore)
{
    if (outcome.AnyApplied() || outcome.refused)
        doc.UpdateAllViews();
    if (outcome.AnyApplied() && EntryDeviceState(doc) != stateBefore)
        doc.SetModifiedFlag();
}

CEntryOutcome UpdateFromMinterms(CZYLDoc& doc, const CEntryLists& lists)
{
    CEntryOutcome outcome;
    const std::string stateBefore = EntryDeviceState(doc);

    // 1. Parse all eight lists; a rejected character ends the Update before
    //    anything changes (the parser has shown its message).
    CParsedLists parsed[4];
    for (std::size_t f = 0; f < 4; ++f) {
        parsed[f].nTerms = ParseTermList(lists.terms[f], parsed[f].terms);
        if (parsed[f].nTerms < 0) {
            outcome.stopped = true;
            return outcome;
        }
        parsed[f].nDontCares = ParseTermList(lists.dontCares[f], parsed[f].dontCares);
        if (parsed[f].nDontCares < 0) {
            outcome.stopped = true;
            return outcome;
        }
    }

    // 2. Check and program each function in turn; the first error stops.
    for (int f = 0; f < CZYLDoc::kFunctions && !outcome.stopped; ++f) {
        const CParsedLists& p = parsed[f];
        const int duplicate = FirstDuplicate(p);
        if (duplicate >= 0) {
            ShowDocMessage(&doc, FormatEntryMessage(kMintermDuplicateMessage, duplicate, f));
            outcome.stopped = true;
        } else if (AnyAbove(p.terms, p.nTerms, kMaxTerm)) {
            ShowDocMessage(&doc, FormatEntryMessage(kMintermRangeMessage, kMaxTerm));
            outcome.stopped = true;
        } else if (AnyAbove(p.dontCares, p.nDontCares, kMaxTerm)) {
            ShowDocMessage(&doc, FormatEntryMessage(kMintermDontCareRangeMessage, kMaxTerm));
            outcome.stopped = true;
        } else {
            const ProgramResult result = ProgramEntryColumn(doc, f, MintermColumn(p));
            outcome.applied[static_cast<std::size_t>(f)] = result == ProgramResult::Programmed;
            outcome.refused = result == ProgramResult::Refused;
            outcome.stopped = outcome.refused;
        }
    }

    FinishEntryUpdate(doc, outcome, stateBefore);
    return outcome;
}
