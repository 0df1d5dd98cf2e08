// SPDX-License-Identifier: GPL-3.0-or-later
#include "MaxtermLogic.h"

#include "CZYLDoc.h"
#include "Platform.h"

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
    const int n = ReadTermList(text, numbers);
    rejected = rejected || n < 0;
    count = std::max(n, 0);
}

bool AnyAbove(const int* list, int n)
{
    return std::any_of(list, list + n, [](int v) { return v > kMaxTerm; });
}

// Reports every maxterm that is also a don't care; true when there was one.
bool ReportDuplicates(const CParsedMaxterms& p, int f)
{
    bool found = false;
    for (int i = 0; i < p.nTerms; ++i)
        for (int j = 0; j < p.nDontCares; ++j)
            if (p.terms[i] == p.dontCares[j]) {
                ShowZylMessage(FormatEntryMessage(kMaxtermDuplicateMessage, p.terms[i], f));
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

std::optional<CEntryLists> MaxtermListsFromDoc(const Device& device)
{
    if (device.type == DeviceType::Pla)
        return std::nullopt;
    CEntryLists lists;
    for (int f = 0; f < Device::kFunctions; ++f) {
        // PROM: the blown fuses, don't cares among them; PAL: the '0' entries.
        const unsigned notZeros = device.type == DeviceType::Prom
                                      ? device.prom.Fuses(f).Bits()
                                      : device.pal.OnSet(f).Bits() | device.pal.DontCares(f).Bits();
        lists.terms[static_cast<std::size_t>(f)] = MintermSet(static_cast<std::uint16_t>(~notZeros)).Text();
        lists.dontCares[static_cast<std::size_t>(f)] = device.DontCares(f).Text();
    }
    return lists;
}

CEntryOutcome UpdateFromMaxterms(CZYLDoc& doc, const CEntryLists& lists)
{
    CEntryOutcome outcome;

    // 1. Parse all eight lists; each rejected list shows its message and
    //    marks its function to be skipped.
    CParsedMaxterms parsed[4];
    for (std::size_t f = 0; f < 4; ++f) {
        Parse(lists.terms[f], parsed[f].terms, parsed[f].nTerms, parsed[f].rejected);
        Parse(lists.dontCares[f], parsed[f].dontCares, parsed[f].nDontCares, parsed[f].rejected);
    }

    // 2. Check and program each function in turn.
    doc.Edit([&](DeviceEditor& e) {
        for (int f = 0; f < Device::kFunctions && !outcome.stopped; ++f) {
            const CParsedMaxterms& p = parsed[f];
            const bool duplicated = ReportDuplicates(p, f);
            if (AnyAbove(p.terms, p.nTerms)) {
                ShowZylMessage(FormatEntryMessage(kMaxtermRangeMessage, kMaxTerm));
                outcome.stopped = true;
            } else if (AnyAbove(p.dontCares, p.nDontCares)) {
                ShowZylMessage(FormatEntryMessage(kMaxtermDontCareRangeMessage, kMaxTerm));
                outcome.stopped = true;
            } else if (!p.rejected && !duplicated) {
                const ProgramResult result = ProgramEntryColumn(e, f, MaxtermColumn(p));
                outcome.applied[static_cast<std::size_t>(f)] = result == ProgramResult::Programmed;
                outcome.refused = result == ProgramResult::Refused;
                outcome.stopped = outcome.refused;
            }
        }
    });
    return outcome;
}
