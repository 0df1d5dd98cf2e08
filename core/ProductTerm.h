// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <string>

// A product of the four inputs A, B, C, D as the device holds it: which
// inputs must be 1 (ones) and which must be 0 (zeros), bit 3 = A .. bit 0 =
// D, so minterm m = 8A + 4B + 2C + D. An input in both masks (x and x'
// connected together) makes the product 0; no input in either makes it the
// constant 1. A plain value; every other form of a term (AND fuses, text,
// covered minterms, cost) is converted here.
struct ProductTerm
{
    std::uint8_t ones = 0;
    std::uint8_t zeros = 0;

    // The product of every literal: what an AND row with every fuse intact
    // computes.
    static constexpr ProductTerm Zero() { return {0xF, 0xF}; }
    static constexpr ProductTerm One() { return {0, 0}; }
    // The single minterm m (0..15).
    static constexpr ProductTerm Minterm(int m)
    {
        return {static_cast<std::uint8_t>(m & 0xF), static_cast<std::uint8_t>(~m & 0xF)};
    }

    constexpr bool IsZero() const { return (ones & zeros) != 0; }
    constexpr bool IsOne() const { return ones == 0 && zeros == 0; }
    constexpr bool Covers(int m) const
    {
        return !IsZero() && (m & ones) == ones && (~m & zeros) == zeros;
    }
    // Bit m set for every minterm the product covers.
    std::uint16_t MintermMask() const;
    // Literals written; 0 for the constants.
    int Literals() const;
    // What the term adds to a cover's cost as the minimizer counts it: 1,
    // plus its literals when it has two or more.
    int Cost() const;

    // AND fuses in the column order A, A', B, B', C, C', D, D'; an intact
    // (connected) fuse puts its literal into the product.
    static ProductTerm FromAndFuses(const std::array<bool, 8>& intact);
    std::array<bool, 8> AndFuses() const;

    // "0", "1", or the literals in input order with "^" straight before a
    // complemented name ("^AB^D" with the default names).
    std::string Text(const std::array<std::string, 4>& names) const;
    // The same with the names A, B, C, D: the notation of zyl-minimize.
    std::string Text() const;

    friend constexpr bool operator==(ProductTerm, ProductTerm) = default;
};
