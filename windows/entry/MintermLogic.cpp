// SPDX-License-Identifier: GPL-3.0-or-later
#include "MintermLogic.h"

#include "CZYLDoc.h"
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

int ReadTermList(const std::string& text, int* numbers)
{
    const int n = ParseTermList(text, numbers);
    if (n < 0)
        ShowZylMessage(kTermListMessage);
    return n;
}

std::string EntryHeading(const Device& device, int f)
{
    const std::string& name = device.names.functions[static_cast<std::size_t>(f)];
    // The first and the last character, whole (a character may take several bytes).
    const std::size_t length = Utf8::CountChars(name);
    std::string heading = length > 1 ? std::string(Utf8::CharAtIndex(name, 0)) + "~d" +
                                           std::string(Utf8::CharAtIndex(name, length - 1)) + "~d"
                                     : name;
    heading += " =   f ( ";
    for (std::size_t i = 0; i < Device::kVariables; ++i) {
        if (i > 0)
            heading += " , ";
        heading += device.names.variables[i];
    }
    heading += " )  =";
    return heading;
}

CEntryRowNames EntryRowNames(const Device& device, int f, bool maxterms)
{
    const std::string& name = device.names.functions[static_cast<std::size_t>(f)];
    CEntryRowNames names;
    names.heading = name + " = f(";
    for (std::size_t i = 0; i < Device::kVariables; ++i)
        names.heading += (i > 0 ? "," : "") + device.names.variables[i];
    names.heading += maxterms ? ") = \u03A0M(" : ") = \u03A3m(";
    names.terms = name + (maxterms ? " maxterms" : " minterms");
    names.dontCares = name + " don't cares";
    return names;
}

std::optional<CEntryLists> MintermListsFromDoc(const Device& device)
{
    if (device.type == DeviceType::Pla)
        return std::nullopt;
    CEntryLists lists;
    for (int f = 0; f < Device::kFunctions; ++f) {
        lists.terms[static_cast<std::size_t>(f)] = device.OnSet(f).Text();
        lists.dontCares[static_cast<std::size_t>(f)] = device.DontCares(f).Text();
    }
    return lists;
}

ZPoint EntryDialogPosition(const ZSize& screen, const ZSize& dialog)
{
    return ClampToScreen(ZPoint{screen.cx - 745, screen.cy - 369}, dialog, screen);
}

ProgramResult ProgramEntryColumn(DeviceEditor& e, int f, const Column& column)
{
    switch (e.Read().type) {
    case DeviceType::Prom:
        e.SetPromColumn(f, column);
        return ProgramResult::Programmed;
    case DeviceType::Pal:
        return e.ProgramPalColumn(f, column, PalDontCares::Ignored,
                                  PalRefusal{true, [] { ShowStandardMessage(kEntryTermLimitMessage); }});
    case DeviceType::Pla:
        break;
    }
    return ProgramResult::NotApplicable;
}

CEntryOutcome UpdateFromMinterms(CZYLDoc& doc, const CEntryLists& lists)
{
    CEntryOutcome outcome;

    // 1. Parse all eight lists; a rejected character ends the Update before
    //    anything changes (its message shown).
    CParsedLists parsed[4];
    for (std::size_t f = 0; f < 4; ++f) {
        parsed[f].nTerms = ReadTermList(lists.terms[f], parsed[f].terms);
        if (parsed[f].nTerms < 0) {
            outcome.stopped = true;
            return outcome;
        }
        parsed[f].nDontCares = ReadTermList(lists.dontCares[f], parsed[f].dontCares);
        if (parsed[f].nDontCares < 0) {
            outcome.stopped = true;
            return outcome;
        }
    }

    // 2. Check and program each function in turn; the first error stops.
    doc.Edit([&](DeviceEditor& e) {
        for (int f = 0; f < Device::kFunctions && !outcome.stopped; ++f) {
            const CParsedLists& p = parsed[f];
            const int duplicate = FirstDuplicate(p);
            if (duplicate >= 0) {
                ShowZylMessage(FormatEntryMessage(kMintermDuplicateMessage, duplicate, f));
                outcome.stopped = true;
            } else if (AnyAbove(p.terms, p.nTerms, kMaxTerm)) {
                ShowZylMessage(FormatEntryMessage(kMintermRangeMessage, kMaxTerm));
                outcome.stopped = true;
            } else if (AnyAbove(p.dontCares, p.nDontCares, kMaxTerm)) {
                ShowZylMessage(FormatEntryMessage(kMintermDontCareRangeMessage, kMaxTerm));
                outcome.stopped = true;
            } else {
                const ProgramResult result = ProgramEntryColumn(e, f, MintermColumn(p));
                outcome.applied[static_cast<std::size_t>(f)] = result == ProgramResult::Programmed;
                outcome.refused = result == ProgramResult::Refused;
                outcome.stopped = outcome.refused;
            }
        }
    });
    return outcome;
}
