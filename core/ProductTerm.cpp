// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProductTerm.h"

#include <bit>

std::uint16_t ProductTerm::MintermMask() const
{
    std::uint16_t mask = 0;
    for (int m = 0; m < 16; ++m) {
        if (Covers(m))
            mask = static_cast<std::uint16_t>(mask | (1u << m));
    }
    return mask;
}

int ProductTerm::Literals() const { return IsZero() ? 0 : std::popcount(static_cast<unsigned>(ones | zeros)); }

int ProductTerm::Cost() const
{
    const int literals = Literals();
    return 1 + (literals > 1 ? literals : 0);
}

ProductTerm ProductTerm::FromAndFuses(const std::array<bool, 8>& intact)
{
    ProductTerm term;
    for (int i = 0; i < 4; ++i) {
        const auto bit = static_cast<std::uint8_t>(1u << (3 - i));
        if (intact[static_cast<std::size_t>(2 * i)])
            term.ones = static_cast<std::uint8_t>(term.ones | bit);
        if (intact[static_cast<std::size_t>(2 * i + 1)])
            term.zeros = static_cast<std::uint8_t>(term.zeros | bit);
    }
    return term;
}

std::array<bool, 8> ProductTerm::AndFuses() const
{
    std::array<bool, 8> intact{};
    for (int i = 0; i < 4; ++i) {
        const int bit = 1 << (3 - i);
        intact[static_cast<std::size_t>(2 * i)] = (ones & bit) != 0;
        intact[static_cast<std::size_t>(2 * i + 1)] = (zeros & bit) != 0;
    }
    return intact;
}

std::string ProductTerm::Text(const std::array<std::string, 4>& names) const
{
    if (IsZero())
        return "0";
    if (IsOne())
        return "1";
    std::string text;
    for (int i = 0; i < 4; ++i) {
        const int bit = 1 << (3 - i);
        if (ones & bit)
            text += names[static_cast<std::size_t>(i)];
        else if (zeros & bit)
            text += "^" + names[static_cast<std::size_t>(i)];
    }
    return text;
}

std::string ProductTerm::Text() const { return Text({"A", "B", "C", "D"}); }
