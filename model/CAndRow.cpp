// SPDX-License-Identifier: GPL-3.0-or-later
#include "CAndRow.h"

#include <algorithm>

CAndRow::CAndRow()
    : m_strTerm("0")
{
    std::fill(std::begin(m_nFuse), std::end(m_nFuse), 1);
    std::fill(std::begin(m_anMinterm), std::end(m_anMinterm), 0);
}
