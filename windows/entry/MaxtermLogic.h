// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "MintermLogic.h"

#include <optional>

class CZYLDoc;
struct Device;

// What the maxterm dialog checks, shows and changes, without widgets. It
// shares the list texts, the headings and the programming of a function
// with the minterm dialog (MintermLogic.h).

extern const char* const kMaxtermDuplicateMessage; // "%d": maxterm, function
extern const char* const kMaxtermRangeMessage;     // "%d": 15
extern const char* const kMaxtermDontCareRangeMessage;

// The edits of the maxterm dialog as the device holds the functions:
// PROM, the rows with a blown OR fuse and the 'X' entries of the PROM table;
// PAL, the '0' and 'X' entries of the PAL table. Nothing in PLA mode.
std::optional<CEntryLists> MaxtermListsFromDoc(const Device& device);

// The Update of the maxterm dialog. Unlike the minterm dialog it reports
// every rejected list and every duplicated maxterm and skips only the
// function concerned; a number above 15 or a refused function still stops
// the Update. The functions programmed are one change of the document.
CEntryOutcome UpdateFromMaxterms(CZYLDoc& doc, const CEntryLists& lists);
