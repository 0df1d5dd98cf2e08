// SPDX-License-Identifier: GPL-3.0-or-later
#include "CoverCache.h"

#include "Minimize.h"

namespace {

// A window meets a handful of functions at a time; far more only comes from
// a long run of edits, whose old covers are not asked for again. Past this
// many the cache starts afresh, so its memory stays small.
constexpr std::size_t kMaxCovers = 1024;

int ListOf(std::uint16_t set, int* list)
{
    int n = 0;
    for (int m = 0; m < 16; ++m)
        if ((set >> m) & 1)
            list[n++] = m;
    return n;
}

} // namespace

CoverCache::CoverCache()
    : m_blocks(500)
{
}

std::vector<ProductTerm> CoverCache::FirstCover(std::uint16_t on, std::uint16_t dc)
{
    const std::uint32_t key = std::uint32_t{on} << 16 | dc;
    if (const auto found = m_covers.find(key); found != m_covers.end())
        return found->second;
    int onList[16], dcList[16], counts[10] = {};
    const int nOn = ListOf(on, onList), nDc = ListOf(dc, dcList);
    Minimize(nOn, onList, nDc, dcList, counts, m_blocks.data());
    std::vector<ProductTerm> cover;
    for (int t = 0; t < counts[0]; ++t)
        cover.push_back(m_blocks[static_cast<std::size_t>(t)].Term());
    if (m_covers.size() >= kMaxCovers)
        m_covers.clear();
    m_covers.emplace(key, cover);
    return cover;
}
