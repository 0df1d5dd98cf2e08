// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CImplicant.h"
#include "ProductTerm.h"

#include <cstdint>
#include <unordered_map>
#include <vector>

// The minimizer's first lowest-cost cover of a function, kept by the
// function's ON-set and don't cares. Whoever shows or programs a cover asks
// here (the PROM annotation and the term it highlights, the Karnaugh maps'
// PROM groups, PAL programming), so a paint minimizes nothing it has
// minimized before and no device holds the minimizer's storage: the cache
// owns it. Reading a cover changes nothing but the cache.
class CoverCache
{
public:
    CoverCache();
    CoverCache(const CoverCache&) = delete;
    CoverCache& operator=(const CoverCache&) = delete;

    // The first cover Minimize records for the ON-set on and the don't
    // cares dc (bit m: minterm m; the two disjoint), its terms in cover
    // order; no terms for an empty ON-set.
    std::vector<ProductTerm> FirstCover(std::uint16_t on, std::uint16_t dc);

private:
    std::vector<CImplicant> m_blocks; // Minimize's storage, 500 records
    std::unordered_map<std::uint32_t, std::vector<ProductTerm>> m_covers;
};
