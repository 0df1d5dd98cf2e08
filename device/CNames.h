// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>

// The eight names of a device as the names dialog edits them: variables
// 0..3 (A..D by default) and functions 0..3 (Y0..Y3), UTF-8.
struct CNames
{
    std::array<std::string, 4> variables;
    std::array<std::string, 4> functions;
    friend bool operator==(const CNames&, const CNames&) = default;
};
