// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DeviceType.h"
#include "ProductTerm.h"

#include <array>
#include <cstdint>
#include <string>

// What the desk needs to know of one saved device, read from its document
// by the caller: a plain value, so that reports and grading never depend on
// how a document is held.

// A truth-table column: entry m is minterm m (m = 8A + 4B + 2C + D), '1' in
// the ON-set, 'X' a don't care; any other character counts as '0'.
using TruthColumn = std::array<char, 16>;

struct DeviceFacts
{
    // The file as the user named it: bytes, shown as text (bytes that are
    // not UTF-8 are shown escaped).
    std::string file;
    DeviceType type = DeviceType::Prom;
    // The four output names, Y0 to Y3 by default; bytes like file.
    std::array<std::string, 4> names{"Y0", "Y1", "Y2", "Y3"};
    // The truth table of the current type, one column per output. A PLA has
    // no table of its own: it is not read.
    std::array<TruthColumn, 4> tables{};
    // PROM only: bit m set when OR fuse m of the output is intact. The fuses
    // follow the table at every '0' and '1'; at a don't care they say what
    // the device gives.
    std::array<std::uint16_t, 4> orFuses{};
    // PAL only: each output's four AND rows as their fuses stand (a row
    // with both literals of an input is the product 0, one without any
    // literal the constant 1). At first every row is the product 0, as with
    // every fuse intact.
    std::array<std::array<ProductTerm, kRowsPerFunction>, 4> rows = [] {
        std::array<std::array<ProductTerm, kRowsPerFunction>, 4> all;
        for (auto& output : all)
            output.fill(ProductTerm::Zero());
        return all;
    }();
};

// The OR fuses a PROM gets when its column is entered as a whole: intact
// at '1' and at 'X' (a don't care is realised as 1), blown elsewhere.
std::uint16_t FusesOfColumn(const TruthColumn& column);

// What the caller made of one file: its device, or why it could not be read.
struct LoadedFile
{
    DeviceFacts facts; // facts.file names the file in either case
    std::string error; // the load error as the caller words it; empty when, and only when, read
};
