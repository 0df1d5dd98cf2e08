// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>

struct Device;

// What one change of the document's device changed, exactly: computed by
// comparing the device before and after (DiffDevices), so it is never
// wrong. Every window refreshes from it once; a screen reader can name the
// cells it lists. Bit m of a function's mask is minterm (row) m, bit c of a
// row's mask is AND column c.
struct DeviceChange
{
    bool type = false;
    std::array<std::uint16_t, 4> promEntries{}; // per function
    std::array<std::uint16_t, 4> orFuses{};     // per function
    std::array<std::uint16_t, 4> palEntries{};  // per function
    std::array<std::uint8_t, 16> andFuses{};    // per AND row
    std::uint16_t rowTexts = 0;                 // bit r: row r's product text
    std::uint8_t variableNames = 0;             // bit i: variable i
    std::uint8_t functionNames = 0;             // bit f: function f
    std::uint16_t rowToggles = 0;
    std::uint8_t outputToggles = 0;
    std::uint8_t flags = 0; // bits in the order of DisplayFlags' members
    // The device was replaced as a whole (a file was opened); the fields
    // above still say what differs.
    bool replaced = false;

    // Whether anything of the device differs.
    bool Any() const;
    // The functions whose entries, fuses or rows differ, bit f for function f.
    unsigned Functions() const;
};

DeviceChange DiffDevices(const Device& before, const Device& after);
