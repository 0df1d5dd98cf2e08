// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ProductTerm.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What a real chip is to compute: the four functions of the device as sums
// of products, with the names the user gave the inputs and outputs.
// DesignOf (ChipFile.h) fills it from the device: in a PAL each output's AND
// rows as they stand (a row may be the constant 1), in a PROM each output's
// minimized cover (at most 8 terms for four inputs).
//
// The pins are fixed: inputs A, B, C, D (whatever their names) on pins 2, 3,
// 4, 5, outputs Y0..Y3 on OutputPin(chip, 0..3).
enum class Chip { GAL16V8, GAL22V10 };

struct ChipDesign
{
    // UTF-8, as the names dialog took them (a variable name is one
    // character, a function name up to two; any may be empty, in which case
    // the exports use the default name A..D or Y0..Y3).
    std::array<std::string, 4> inputs{"A", "B", "C", "D"};
    std::array<std::string, 4> outputs{"Y0", "Y1", "Y2", "Y3"};
    std::string documentName; // as the title bar shows it, e.g. "lab.zyl"
    std::string deviceType;   // "PAL" or "PROM": named in the headers only
    // The products of output f, ORed; an empty list is the constant 0.
    std::array<std::vector<ProductTerm>, 4> terms;
};

// "GAL16V8" or "GAL22V10".
std::string_view ChipName(Chip chip);
// The chip with that name (either letter case); nullopt for any other word.
std::optional<Chip> ParseChip(std::string_view name);

int InputPin(int input); // 2..5 for A..D on both chips
int OutputPin(Chip chip, int output);
// The product terms the chip's macrocell on OutputPin(chip, output) has:
// 8 each on the GAL16V8 in simple mode, 8, 10, 12, 14 on pins 23..20 of the
// GAL22V10.
int TermsAvailable(Chip chip, int output);
// The chip rows the products take: one each, two for a constant 1 (written
// as x and x', since a row without any connection reads as unused).
int RowsNeeded(const std::vector<ProductTerm>& terms);
// The truth table of a sum of products: bit m set when minterm m gives 1.
std::uint16_t TruthMask(const std::vector<ProductTerm>& terms);
