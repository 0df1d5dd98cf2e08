// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Device.h"

#include <array>
#include <functional>
#include <string>

class CImplicant;
class CZYLDoc;

// Programming the device's four functions: by entry, by fuse, from a whole
// truth-table column or from a minimized cover. Every window that changes a
// function does it through these steps, which take a sound document (see
// DocInvariants.h) to a sound document. They show nothing: a refused
// function is reported to the caller, which shows its own message.
// f is a function 0..3 and r a row 0..15; callers pass indices in range.


// --- PROM ---------------------------------------------------------------------

// Entry r of f becomes v ('0', '1' or 'X') and its OR fuse follows: blown
// for '0', intact for '1', and for a don't care as dontCareFuse says (the
// device may realise a don't care either way). The lists of f follow.
void SetPromEntry(CZYLDoc& doc, int f, int r, char v, int dontCareFuse = 1);
// OR fuse r of f switches; the entry follows the fuse unless it is a don't
// care, which stays one. The lists of f follow.
void TogglePromFuse(CZYLDoc& doc, int f, int r);
// Function f becomes the column, each entry as SetPromEntry sets it.
void SetPromColumn(CZYLDoc& doc, int f, const Column& column);

// The minimizer on f's minterm and don't-care lists, into m_aCover[f] and
// f's pool; the terms of the first cover get the current variable names and
// their texts. Returns the first cover's term count.
int MinimizePromFunction(CZYLDoc& doc, int f);

// --- PAL ----------------------------------------------------------------------

// Whether the minimizer is offered f's don't cares or its ON-set alone.
enum class PalDontCares { Ignored, Offered };

// What a PAL function does with a first cover of more than four terms (the
// device has four rows per output). notice runs at the refusal, while the
// refused function is still in the document, so that the caller's message
// shows it; then, with setBack, f's table, lists, cover and pool return to
// what they were when the call began. The rows of f are never touched.
struct CPalRefusal
{
    bool setBack = true;
    std::function<void()> notice;
};

enum class ProgramResult
{
    Programmed,   // the device now realises the function
    Refused,      // PAL: more than four product terms; see CPalRefusal
    NotApplicable // PLA: nothing done
};

// PAL: f as its table and lists stand: minimized into its cover and pool;
// unless refused, the first cover's terms get the current variable names
// and texts and are loaded into rows 4f..4f+3.
ProgramResult ProgramPalFunction(CZYLDoc& doc, int f, PalDontCares dontCares, const CPalRefusal& refusal);

// PAL: the column becomes f's table (the lists of every function follow
// their tables), then f is programmed as ProgramPalFunction does.
ProgramResult ProgramPalColumn(CZYLDoc& doc, int f, const Column& column, PalDontCares dontCares,
                               const CPalRefusal& refusal);

// PAL: rows 4f..4f+3 from nTerms terms of a cover of f's current lists
// (at most 4; a longer one is refused), named with the current variable
// names. The terms themselves are left as they are.
ProgramResult ProgramPalCover(CZYLDoc& doc, int f, const CImplicant* terms, int nTerms);

// --- Either device type -------------------------------------------------------

// Function f becomes the column in the current device type: PROM as
// SetPromColumn, PAL as ProgramPalColumn; nothing in PLA mode.
ProgramResult ProgramColumn(CZYLDoc& doc, int f, const Column& column, PalDontCares dontCares,
                            const CPalRefusal& refusal);
