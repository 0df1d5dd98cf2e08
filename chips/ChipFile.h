// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ChipDesign.h"

#include <optional>
#include <string>

class CoverCache;
struct Device;

// The device read as a chip design, and the chip files written from it:
// what the menu's exports and the command line's share.

// The design of the device as it stands: each output's sum of products as
// OutputTerms gives it (PAL rows less the product 0, the PROM's first cover),
// the inputs and outputs named as the device names them, the type, and the
// document's name as the title bar shows it (the name of documentPath
// after its folder, "Untitled" without one). A PLA gives no products; the
// exports refuse it before they read it.
ChipDesign DesignOf(const Device& device, CoverCache& covers, const std::string& documentPath);

// What a file of that name holds: .jed a fuse file, .v a Verilog module
// (either letter case); nullopt for any other name.
enum class ChipFile { Fuses, Verilog };
std::optional<ChipFile> ChipFileOf(const std::string& path);

// Writes the fuse file for chip (chip is not read for a Verilog module) of
// the device to path, as every file of the program is written (ReplaceFile:
// a regular file or a new name only, nothing written on failure). "" when
// written, else the one line that says why nothing was: "Cannot export
// PATH: " and the reason, PATH escaped; a PLA with its refusal, an output
// with more products than its pin has with CheckFits' message.
std::string WriteChipFile(const Device& device, CoverCache& covers, const std::string& documentPath,
                          const std::string& path, ChipFile kind, Chip chip);
