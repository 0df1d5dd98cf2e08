// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct Device;

// What makes a device sound: the states the program's own operations can
// reach, and no others. The document file loader refuses whatever this
// rejects, and the tests hold every operation to it. The device's types
// keep most of it by themselves (one device type, flags and fuses that are
// on or off, an entry other than 'X' that shows its PROM OR fuse, lists and
// labels that are computed); what two parts must agree on is checked here:
//
// - PAL, per function: its rows (PalRowsOf) together produce every '1'
//   minterm of the PAL table and nothing outside its '1' and 'X' minterms
//   (an 'X' may be produced or not). The rows keep this in every device
//   type. A row's text is not checked: it keeps the variable names it was
//   built with until the row is next programmed (a rename does not rebuild
//   it), and a file never stores it.
// - Every name is printable (NameCharacterFault below), a variable name at
//   most 1 character long and a function name at most 2, neither holding
//   the markup characters "^" and "~".
struct DocFault
{
    std::string text; // empty when the device is sound, else a sentence
    // The stored items the fault involves, named as in the document file
    // ("pal-table 0", "and-fuses 5").
    std::vector<std::string> items;
};

// The first fault found, or an empty text: the names, then function by
// function its PAL table and rows.
DocFault FindDocumentFault(const Device& device);
// The fault of PAL function f alone.
DocFault FindPalFault(const Device& device, int f);

// Whether a PROM function read from a file is one the device can hold: an
// entry other than X shows its OR fuse (bit r of fuses: fuse r intact).
DocFault FindPromFault(int f, const std::array<char, 16>& table, std::uint16_t fuses);

// FindDocumentFault's text: "" for a sound document.
std::string CheckDocument(const Device& device);

// What keeps name from being a name of the device by its characters: ""
// when nothing does, else the rest of a sentence about it, with its full
// stop ("holds U+0009, a control or invisible character."). A name holds
// no control or invisible character (Utf8::IsNonPrinting), does not start
// with a combining mark and is in Unicode normalization form C, as the
// names dialog stores names. name must be valid UTF-8.
std::string NameCharacterFault(std::string_view name);
