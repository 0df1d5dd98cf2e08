// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Device.h"
#include "DeviceType.h"
#include "ProductTerm.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

class CoverCache;

// What the desk needs to know of one saved device: a plain value, read from
// a device in one place (FactsOf), so that reports and grading never depend
// on how a document is held.
struct DeviceFacts
{
    // The file as the user named it: bytes, shown as text (bytes that are
    // not UTF-8 are shown escaped).
    std::string file;
    DeviceType type = DeviceType::Prom;
    // The four output names, Y0 to Y3 by default; bytes like file.
    std::array<std::string, 4> names{"Y0", "Y1", "Y2", "Y3"};
    // The truth table of the current type, one column per output: '1' in
    // the ON-set, 'X' a don't care, anything else '0'. A PLA has no table
    // of its own: it is not read.
    std::array<Column, 4> tables{};
    // The sum of products each output holds (OutputTerms.h): a PROM's
    // annotated cover, a PAL's rows less the product 0; none for a PLA.
    std::array<std::vector<ProductTerm>, 4> terms;
    // The minterms at which each output gives 1 (bit m: minterm m): a
    // PROM's intact OR fuses, what a PAL's rows produce together. At a
    // don't care this says what the device gives.
    std::array<std::uint16_t, 4> gives{};
};

// The facts of device, file naming it.
DeviceFacts FactsOf(const Device& device, CoverCache& covers, const std::string& file);

// What became of one file: its device, or why it could not be read.
struct LoadedFile
{
    DeviceFacts facts; // facts.file names the file in either case
    std::string error; // the load error as the loader words it; empty when, and only when, read
};

// The document at path read as File > Open reads it (LoadDocument: only a
// regular file, the whole file checked, its messages), then its facts.
LoadedFile LoadFacts(const std::string& path, CoverCache& covers);

// The hand-ins as a list of paths names them, each loaded by LoadFacts, in
// order: a file as it is, a folder as every name in it that ends in ".zyl",
// in byte order of the names (without descending into folders). A folder
// that cannot be listed is one hand-in that says why.
std::vector<LoadedFile> LoadHandIns(const std::vector<std::string>& paths, CoverCache& covers);
