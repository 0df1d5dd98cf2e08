// SPDX-License-Identifier: GPL-3.0-or-later
#include "MaxtermLogic.h"

#include "CZYLDoc.h"
#include "Platform.h"
#include "TermListParser.h"

#include <algorithm>

const char* const kMaxtermDuplicateMessage = "Maxterm %d is duplicated in the Don't Cares for Function No.%d.";
const char* const kMaxtermRangeMessage = "Maxterm number should not exceed %d.";
const char* const kMaxtermDontCareRangeMessage = "Maxterm number in the Don't Care should not exceed %d.";

namespace {

const int kMaxTerm = 15;

// One function's lists as the parser read them; a rejected list counts as
// empty for the checks.
struct CParsedMaxterms
{
    int terms[16];
    int nTerms = 0;
    int dontCares[16];
    int nDontCares = 0;
    bool rejected = false;
};

void Parse(const std::string& text, int* numbers, int& count, bool& rejected)
{
    const int n = ParseTermList(text, numbers);
    rejected = rejected || n < 0;
    count = std::max(n, 0);
}

bool AnyAbove(const int* list, int n)
{
    return std::any_of(list, list + n, [](int v) { return v > kMaxTerm; });
}

// Reports every maxterm that is also a don't care; true when there was one.
bool ReportDuplicates(CZYLDoc& doc, const CParsedMaxterms& p, int f)
{
    bool found = false;
    for (int i = 0; i < p.nTerms; ++i)
        for (int j = 0; j < p.nDontCares; ++j)
            if (p.terms[i] == p.dontCares[j]) {
                ShowDocMessage(&doc, FormatEntryMessage(kMaxtermDuplicateMessage, p.terms[i], f));
                found = true;
            }
    return found;
}

// The maxterm column: '1' everywhere, '0' at the maxterms, 'X' at the don't
// cares. The caller has checked the range.
Column MaxtermColumn(const CParsedMaxterms& p)
{
    Column column;
    column.fill('1');
    for (int i = 0; i < p.nTerms; ++i)
        column[static_cast<std::size_t>(p.terms[i])] = '0';
    for (int j = 0; j < p.nDontCares; ++j)
        column[static_cast<std::size_t>(p.dontCares[j])] = 'X';
    return column;
}

} // namespace

std::optional<CEntryLists> MaxtermListsFromDoc(const CZYLDoc& doc)
{
    CEntryLists lists;
    if (doc.m_bProm == 1) {
        for (int f = 0; f < CZYLDoc::kFunctions; ++f) {
            int blown[16];
            int n = 0;
            for (int k = 0; k < 16; ++k)
                if (doc.m_nOrFuse[f][k] == 0)
                    blown[n++] = k;
            const auto i = static_cast<std::size_t>(f);
            lists.terms[i] = ListText(blown, n);
            lists.dontCares[i] = TableEntriesText(doc.m_szPromTable[f], 'X');
        }
        return lists;
    }
    if (doc.m_bPal == 1) {
        for (int f = 0; f < CZYLDoc::kFunctions; ++f) {
            const auto i = static_cast<std::size_t>(f);
            lists.terms[i] = TableEntriesText(doc.m_szPalTable[f], '0');
            lists.dontCares[i] = TableEntriesText(doc.m_szPalTable[f], 'X');
        }
        return lists;
    }
    return std::nullopt;
}

CEntryOutcome UpdateFromMaxterms(CZYLDoc& doc, const CEntryLists& lists)
{
    CEntryOutcome outcome;
    const std::string stateBefore = EntryDeviceState(doc);

    // 1. Parse all eight lists; each rejected list shows the parser's
    //    message and marks its function to be skipped.
    CParsedMaxterms parsed[4];
    for (std::size_t f = 0; f < 4; ++f) {
        Parse(lists.terms[f], parsed[f].terms, parsed[f].nTerms, parsed[f].rejected);
        Parse(lists.dontCares[f], parsed[f].dontCares, parsed[f].nDontCares, parsed[f].rejected);
    }

    // 2. Check and program each function in turn.
    for (int f = 0; f < CZYLDoc::kFunctions && !outcome.stopped; ++f) {
        const CParsedMaxterms& p = parsed[f];
        const bool duplicated = ReportDuplicates(doc, p, f);
        if (AnyAbove(p.terms, p.nTerms)) {
            ShowDocMessage(&doc, FormatEntryMessage(kMaxtermRangeMessage, kMaxTerm));
            outcome.stopped = true;
        } else if (AnyAbove(p.dontCares, p.nDontCares)) {
            ShowDocMessage(&doc, FormatEntryMessage(kMaxtermDontCareRangeMessage, kMaxTerm));
            outcome.stopped = true;
        } else if (!p.rejected && !duplicated) {
            const ProgramResult result = ProgramEntryColumn(doc, f, MaxtermColumn(p));
            outcome.applied[static_cast<std::size_t>(f)] = result == ProgramResult::Programmed;
            outcome.refused = result == ProgramResult::Refused;
            outcome.stopped = outcome.refused;
        }
    }

    FinishEntryUpdate(doc, outcome, stateBefore);
    return outcome;
}
