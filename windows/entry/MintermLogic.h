// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DeviceEditor.h"
#include "Geometry.h"

#include <array>
#include <optional>
#include <string>

class CZYLDoc;

// What the minterm dialog checks, shows and changes, without widgets. The
// maxterm dialog (MaxtermLogic.h) shares the list texts, the headings and
// the programming of one function.

extern const char* const kMintermDuplicateMessage; // "%d": minterm, function
extern const char* const kMintermRangeMessage;     // "%d": 15
extern const char* const kMintermDontCareRangeMessage;
extern const char* const kEntryTermLimitMessage;

// The eight edit texts of an entry dialog: per function one list of term
// numbers (minterms or maxterms) and one list of don't cares.
struct CEntryLists
{
    std::array<std::string, 4> terms;
    std::array<std::string, 4> dontCares;
    friend bool operator==(const CEntryLists&, const CEntryLists&) = default;
};

// What one Update did: the functions it programmed, and whether it ended
// early at an error or a refused function.
struct CEntryOutcome
{
    std::array<bool, 4> applied{};
    bool stopped = false; // an error or a refusal ended the Update
    bool refused = false; // PAL: a function needed more than 4 terms

    bool AnyApplied() const { return applied[0] || applied[1] || applied[2] || applied[3]; }
};

// The heading markup of function f, drawn before its lists:
// "Y~d0~d =   f ( A , B , C , D )  =" with the default names.
std::string EntryHeading(const Device& device, int f);

// What a screen reader reads for function f's row, with the current names:
// the heading with its picture ("Y0 = f(A,B,C,D) = Σm(", or "ΠM(" for
// maxterms) and the two edit fields ("Y0 minterms", "Y0 don't cares").
struct CEntryRowNames
{
    std::string heading;
    std::string terms;
    std::string dontCares;
};
CEntryRowNames EntryRowNames(const Device& device, int f, bool maxterms);

// The edits of the minterm dialog as the device holds the functions:
// the PROM lists, or the '1' and 'X' entries of the PAL table. Nothing in
// PLA mode (the edits keep their texts).
std::optional<CEntryLists> MintermListsFromDoc(const Device& device);

// Where an entry dialog of this size goes: screen width - 745, screen
// height - 369, kept wholly on the screen.
ZPoint EntryDialogPosition(const ZSize& screen, const ZSize& dialog);

// Programs function f from a truth-table column as both entry dialogs do:
// a PROM takes the column as it is; in PAL mode the ON-set is minimized
// without don't cares, and a cover of more than 4 terms shows
// kEntryTermLimitMessage in the standard box and sets the function's table
// back. Nothing in PLA mode.
ProgramResult ProgramEntryColumn(DeviceEditor& e, int f, const Column& column);

// The Update of the minterm dialog: parses the eight lists, then checks and
// programs the functions in order, stopping at the first error with its
// message; the functions programmed are one change of the document.
CEntryOutcome UpdateFromMinterms(CZYLDoc& doc, const CEntryLists& lists);

// A list of term numbers as ParseTermList reads it; a refused list shows
// kTermListMessage in the "ZYL Message" box.
int ReadTermList(const std::string& text, int* numbers);

// printf-style "%d" substitution of the fixed message texts.
std::string FormatEntryMessage(const char* format, int a, int b = 0);
