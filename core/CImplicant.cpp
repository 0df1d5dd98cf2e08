// SPDX-License-Identifier: GPL-3.0-or-later
#include "CImplicant.h"

#include <algorithm>

CImplicant::CImplicant()
{
    std::fill(std::begin(m_anMinterm), std::end(m_anMinterm), -1);
}

CImplicant::CImplicant(const CImplicant& other)
{
    std::fill(std::begin(m_anMinterm), std::end(m_anMinterm), -1);
    Assign(other);
}

CImplicant& CImplicant::operator=(const CImplicant& other)
{
    if (this != &other)
        Assign(other);
    return *this;
}

void CImplicant::Assign(const CImplicant& source)
{
    m_nVariables = source.m_nVariables;
    m_nOnes = source.m_nOnes;
    m_nZeros = source.m_nZeros;
    m_nMinterms = std::clamp(source.m_nMinterms, 0, static_cast<int>(MaxMinterms));
    std::copy(source.m_anMinterm, source.m_anMinterm + m_nMinterms, m_anMinterm);
    m_bDontCare = source.m_bDontCare;
    m_bUsed = source.m_bUsed;
    m_bEssential = source.m_bEssential;
    const int nNames = std::clamp(source.m_nVariables, 0, static_cast<int>(MaxNames));
    for (int k = 0; k < nNames; ++k)
        m_strName[k] = source.m_strName[k];
    BuildTerm();
}

void CImplicant::BuildTerm()
{
    if (m_nOnes == 0 && m_nZeros == 0) {
        m_strTerm.assign(1, '1');
        return;
    }
    // Visiting bits from the least significant one and putting each literal
    // in front gives display order; build it back to front in one buffer.
    std::string text;
    const int nVariables = std::clamp(m_nVariables, 0, static_cast<int>(MaxNames));
    for (int i = nVariables - 1; i >= 0; --i) {
        const int bit = 1 << i;
        const bool one = (m_nOnes & bit) != 0;
        const bool zero = (m_nZeros & bit) != 0;
        const std::string& name = m_strName[nVariables - 1 - i];
        if (one && !zero) {
            text += name;
        } else if (!one && zero) {
            text += '^';
            text += name;
        }
    }
    m_strTerm = std::move(text);
}
