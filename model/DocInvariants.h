// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

class CZYLDoc;

// What makes a device document sound: the states the program's own
// operations can reach, and no others. The document file loader refuses
// whatever this rejects, and the tests hold every operation to it.
//
// - Exactly one device type flag is 1; every other flag, toggle and fuse is
//   0 or 1.
// - PROM, per function: the truth table holds '0', '1' or 'X'; an entry
//   other than 'X' shows its OR fuse; the don't-care list holds the 'X'
//   rows and the minterm list the other rows with an intact OR fuse.
// - PAL, per function: the lists hold the '1' and the 'X' entries of the
//   truth table; each of the rows 4f..4f+3 has the text and the covered
//   minterms its fuses give; together they produce every '1' minterm and
//   nothing outside the '1' and 'X' minterms (an 'X' may be produced or
//   not). The rows keep this in every device type.
// - Every list is ascending, without repeats, within 0..15.
// - The minterm labels are those of the variable names.
// - Every name is printable (NameCharacterFault below), a variable name at
//   most 1 character long and a function name at most 2, neither holding
//   the markup characters "^" and "~".
struct DocFault
{
    std::string text; // empty when the document is sound, else a sentence
    // The stored items the fault involves, named as in the document file
    // ("pal-table 0", "and-fuses 5"); empty for faults in derived fields.
    std::vector<std::string> items;
};

// The first fault found, or an empty text.
DocFault FindDocumentFault(const CZYLDoc& doc);

// FindDocumentFault's text: "" for a sound document.
std::string CheckDocument(const CZYLDoc& doc);

// What keeps name from being a name of the device by its characters: ""
// when nothing does, else the rest of a sentence about it, with its full
// stop ("holds U+0009, a control or invisible character."). A name holds
// no control or invisible character (Utf8::IsNonPrinting), does not start
// with a combining mark and is in Unicode normalization form C, as the
// names dialog stores names. name must be valid UTF-8.
std::string NameCharacterFault(std::string_view name);
