// SPDX-License-Identifier: GPL-3.0-or-later
#include "CImplicant.h"

#include "ListHelpers.h"

#include <algorithm>

CImplicant::CImplicant()
{
    std::fill(std::begin(m_anMinterm), std::end(m_anMinterm), -1);
}

CImplicant::CImplicant(int nVariables, int nMinterm, int bDontCare, const std::string& strNames)
{
    std::fill(std::begin(m_anMinterm), std::end(m_anMinterm), -1);
    m_nVariables = nVariables;
    for (int k = 0; k < nVariables && k < MaxNames; ++k)
        m_strName[k] = k < static_cast<int>(strNames.size()) ? strNames.substr(k, 1) : std::string();
    m_bUsed = 0;
    m_bEssential = 0;
    m_bDontCare = bDontCare;
    if (nMinterm == -1) {
        m_nMinterms = 0;
        return;
    }
    m_nOnes = nMinterm;
    m_nZeros = PowerOfTwo(nVariables) - nMinterm - 1;
    m_nMinterms = 1;
    m_anMinterm[0] = nMinterm;
    BuildTerm();
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

bool CImplicant::IsEqual(const CImplicant& other) const
{
    return m_nOnes == other.m_nOnes && m_nZeros == other.m_nZeros;
}

bool CImplicant::CanCombine(const CImplicant& other) const
{
    const int onesDiff = m_nOnes ^ other.m_nOnes;
    const int zerosDiff = m_nZeros ^ other.m_nZeros;
    for (int i = 0; i < m_nVariables; ++i) {
        const int bit = PowerOfTwo(i);
        if (onesDiff == bit && zerosDiff == bit)
            return true;
    }
    return false;
}

void CImplicant::Combine(const CImplicant& other, CImplicant& result) const
{
    result.m_nOnes = m_nOnes & other.m_nOnes;
    result.m_nZeros = m_nZeros & other.m_nZeros;
    result.m_bUsed = 0;
    // The two lists together never exceed the record's capacity with four
    // variables (16 + 16); the clamp only guards callers outside that use.
    const int nThis = std::min(m_nMinterms, static_cast<int>(MaxMinterms));
    const int nOther = std::min(other.m_nMinterms, static_cast<int>(MaxMinterms) - nThis);
    std::copy(m_anMinterm, m_anMinterm + nThis, result.m_anMinterm);
    std::copy(other.m_anMinterm, other.m_anMinterm + nOther, result.m_anMinterm + nThis);
    result.m_nMinterms = SortUniqueList(result.m_anMinterm, nThis + nOther);
    result.BuildTerm();
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

int CImplicant::GetLiteralCount() const
{
    int eliminated = 0;
    for (int i = 0; i < m_nVariables; ++i) {
        const int bit = 1 << i;
        if ((m_nOnes & bit) == 0 && (m_nZeros & bit) == 0)
            ++eliminated;
    }
    return m_nVariables - eliminated;
}
