// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ProductTerm.h"

#include <string>

// The minimizer's record of one product term of a function of up to six
// variables (four in every use): two bit masks, the minterms it covers, the
// minimizer's three flags, the variable names and the product-term text. A
// plain copyable value; Minimize writes its covers in these, and everything
// past it takes a record's product as a ProductTerm (Term).
//
// Bit m_nVariables - 1 of a mask is the most significant variable, the first
// one in display order; with A, B, C, D bit 3 is A and bit 0 is D.
class CImplicant
{
public:
    enum { MaxMinterms = 100, MaxNames = 6 };

    int m_nVariables = 0;
    int m_nOnes = 0;      // variables present in true form
    int m_nZeros = 0;     // variables present in complemented form
    int m_nMinterms = 0;  // valid entries of m_anMinterm
    int m_anMinterm[MaxMinterms];
    int m_bDontCare = 0;  // made from a single don't-care minterm
    int m_bUsed = 0;      // combined into a larger term, or covers only don't cares
    int m_bEssential = 0; // the only prime implicant of some ON-set minterm
    std::string m_strName[MaxNames];
    std::string m_strTerm;

    // Flags 0, strings empty, masks and counts zeroed, covered list all -1.
    CImplicant();
    CImplicant(const CImplicant& other);
    CImplicant& operator=(const CImplicant& other);

    // Copies every field of source (the first m_nMinterms minterms and the
    // first m_nVariables names), then rebuilds the text.
    void Assign(const CImplicant& source);
    // "1" for the constant-1 term, else the literals in display order with
    // "^" directly before each complemented name.
    void BuildTerm();
    // The product of a record of four variables.
    ProductTerm Term() const
    {
        return {static_cast<std::uint8_t>(m_nOnes & 0xF), static_cast<std::uint8_t>(m_nZeros & 0xF)};
    }
};
