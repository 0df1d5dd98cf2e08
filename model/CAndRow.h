// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Geometry.h"

#include <string>

// One product line of the AND array: its 8 fuses (columns A, A', B, B', C,
// C', D, D'), the product-term text, the minterms the product covers and the
// cells' geometry.
class CAndRow
{
public:
    int m_nFuse[8];         // 1 intact, 0 blown
    std::string m_strTerm;  // "0", "1" or literals such as ^AB^D
    ZPoint m_ptCell[8];
    ZRect m_rcCell[8];
    int m_anMinterm[64];    // covered minterms, ascending; at most 16 used
    int m_nMinterms = 0;
    int m_nOnes = 0;        // variables in true form (bit 3 = A); smallest covered minterm
    int m_nZeros = 0;       // low 4 bits: variables in complemented form
    int m_nVariables = 4;

    CAndRow();
};
