// SPDX-License-Identifier: GPL-3.0-or-later
#include "DeviceFacts.h"

std::uint16_t FusesOfColumn(const TruthColumn& column)
{
    std::uint16_t fuses = 0;
    for (int m = 0; m < 16; ++m) {
        const char v = column[static_cast<std::size_t>(m)];
        if (v == '1' || v == 'X')
            fuses = static_cast<std::uint16_t>(fuses | (1u << m));
    }
    return fuses;
}
