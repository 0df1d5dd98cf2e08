// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ChipDesign.h"

#include <string>
#include <vector>

class CoverCache;
struct Device;

// The chips a fuse file is written for, in the order the file question
// and the chip window offer them (the index is the Chip's value).
std::vector<Chip> OfferedChips();
// The file question's types, one a chip: "GAL16V8 Fuse Files (*.jed)".
std::vector<std::string> FuseFileTypes();

// What the chip window shows and prints for the device as it stands on
// chip: the pin table (its title naming the chip, the device type and the
// document), then "Equations:" and one line an output. When an output
// needs more products than its pin has, the sheet opens with that
// refusal: a fuse file for that chip cannot be written.
std::string ChipSheet(const Device& device, CoverCache& covers, const std::string& documentPath, Chip chip);
