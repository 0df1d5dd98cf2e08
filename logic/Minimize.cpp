// SPDX-License-Identifier: GPL-3.0-or-later
#include "Minimize.h"

#include "CoverSelection.h"
#include "ListHelpers.h"
#include "Tabular.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace {

const char kNames[] = "ABCD";

// ---------------------------------------------------------------------------
// Compact engine. It follows the tabular method and the cover enumeration
// step for step, on 4-bit masks and 16-bit minterm sets instead of records:
// the same terms are produced in the same order, marked the same way, and
// the covers come out in the same order with the same cost. Only the records
// of the recorded solutions are written. It keeps all its data on the stack.
// ---------------------------------------------------------------------------

struct Cube
{
    std::uint8_t ones;
    std::uint8_t zeros;
    std::uint16_t cover; // bit m set: the cube covers minterm m
    bool used;
    bool dontCare;
};

int LiteralCount(const Cube& c)
{
    return __builtin_popcount(static_cast<unsigned>(c.ones | c.zeros) & 15u);
}

int Key(int ones, int zeros)
{
    return ((ones & 15) << 4) | (zeros & 15);
}

struct Table
{
    Cube level[kLevels][kLevelSize];
    int count[kLevels] = {};
    std::int8_t where[256]; // key -> index in its level, -1 when absent

    Table() { std::memset(where, -1, sizeof where); }

    void Append(int L, const Cube& c)
    {
        const int key = Key(c.ones, c.zeros);
        if (count[L] >= kLevelSize)
            return;
        where[key] = static_cast<std::int8_t>(count[L]);
        level[L][count[L]++] = c;
    }
};

void AddLevelZero(Table& t, int n, const int* list, bool dontCare)
{
    for (int i = 0; i < n; ++i) {
        const int m = list[i];
        if (m < 0 || m > 15)
            continue;
        Cube c{static_cast<std::uint8_t>(m), static_cast<std::uint8_t>(15 - m),
               static_cast<std::uint16_t>(1u << m), false, dontCare};
        // A repeated minterm would stand twice in the record table; the
        // callers never pass one, and the compact table keeps it once.
        if (t.where[Key(c.ones, c.zeros)] >= 0)
            continue;
        t.Append(0, c);
    }
}

// Combining passes: for every record a in level order, its partners b > a
// (terms differing only in the polarity of one variable) in ascending order,
// which is the order of the pairwise scan.
void CombineLevels(Table& t)
{
    for (int L = 0; L + 1 < kLevels; ++L) {
        Cube* level = t.level[L];
        const int n = t.count[L];
        for (int a = 0; a < n; ++a) {
            int partners[4];
            int nPartners = 0;
            const int present = (level[a].ones | level[a].zeros) & 15;
            for (int bit = 1; bit < 16; bit <<= 1) {
                if ((present & bit) == 0)
                    continue;
                const int b = t.where[Key(level[a].ones ^ bit, level[a].zeros ^ bit)];
                if (b > a)
                    partners[nPartners++] = b;
            }
            for (int i = 1; i < nPartners; ++i) {
                for (int j = i; j > 0 && partners[j - 1] > partners[j]; --j)
                    std::swap(partners[j - 1], partners[j]);
            }
            for (int p = 0; p < nPartners; ++p) {
                Cube& other = level[partners[p]];
                level[a].used = true;
                other.used = true;
                const int ones = level[a].ones & other.ones;
                const int zeros = level[a].zeros & other.zeros;
                if (t.where[Key(ones, zeros)] >= 0)
                    continue;
                t.Append(L + 1, Cube{static_cast<std::uint8_t>(ones), static_cast<std::uint8_t>(zeros),
                                     static_cast<std::uint16_t>(level[a].cover | other.cover), false, false});
            }
        }
    }
}

struct Prime
{
    Cube cube;
    int cost;
    bool essential;
};

struct Search
{
    const std::uint16_t* masks;
    const int* costs;
    int n;
    std::uint16_t need;
    std::uint16_t suffix[kMaxListTerms + 1]; // union of masks[i..n-1]
    int minCost;                             // the cheapest single term
    int best;
};

void FindBestCost(Search& s, int i, int cost, std::uint16_t covered)
{
    if ((covered & s.need) == s.need) {
        s.best = std::min(s.best, cost);
        return;
    }
    if (i == s.n || cost + s.minCost >= s.best)
        return;
    if (((covered | s.suffix[i]) & s.need) != s.need)
        return;
    FindBestCost(s, i + 1, cost + s.costs[i], static_cast<std::uint16_t>(covered | s.masks[i]));
    FindBestCost(s, i + 1, cost, covered);
}

struct Collector
{
    int k;
    int chosen[kMaxCombination];
    int found;
    int size[kMaxSolutions];
    int solutions[kMaxSolutions][kMaxCombination];
};

// Walks the k-combinations of the remaining terms in lexicographic order
// and keeps those that cover and cost exactly the best.
void CollectCovers(const Search& s, Collector& c, int pos, int start, int cost, std::uint16_t covered)
{
    if (pos == c.k) {
        if ((covered & s.need) == s.need && cost == s.best) {
            std::copy(c.chosen, c.chosen + c.k, c.solutions[c.found]);
            c.size[c.found] = c.k;
            ++c.found;
        }
        return;
    }
    const int left = c.k - pos - 1;
    for (int i = start; i <= s.n - (c.k - pos) && c.found < kMaxSolutions; ++i) {
        if (((covered | s.suffix[i]) & s.need) != s.need)
            break; // later starts see even fewer terms
        const int withI = cost + s.costs[i];
        if (withI + left * s.minCost > s.best)
            continue;
        c.chosen[pos] = i;
        CollectCovers(s, c, pos + 1, i + 1, withI, static_cast<std::uint16_t>(covered | s.masks[i]));
    }
}

void BuildText(const Cube& c, std::string& text)
{
    text.clear();
    if (c.ones == 0 && c.zeros == 0) {
        text.push_back('1');
        return;
    }
    for (int i = 3; i >= 0; --i) {
        const int one = (c.ones >> i) & 1;
        const int zero = (c.zeros >> i) & 1;
        if (one + zero != 1)
            continue;
        if (zero != 0)
            text.push_back('^');
        text.push_back(kNames[3 - i]);
    }
}

void WriteRecord(const Prime& p, const std::string& text, CImplicant& rec)
{
    rec.m_nVariables = 4;
    rec.m_nOnes = p.cube.ones;
    rec.m_nZeros = p.cube.zeros;
    int n = 0;
    for (int m = 0; m < 16; ++m) {
        if ((p.cube.cover >> m) & 1)
            rec.m_anMinterm[n++] = m;
    }
    rec.m_nMinterms = n;
    rec.m_bDontCare = 0;
    rec.m_bUsed = 0;
    rec.m_bEssential = p.essential ? 1 : 0;
    for (int k = 0; k < 4; ++k)
        rec.m_strName[k].assign(1, kNames[k]);
    rec.m_strTerm = text;
}

} // namespace

int Minimize(int nMinterms, const int* minterms, int nDontCares, const int* dontCares, int* counts,
             CImplicant* blocks)
{
    // 1-4. Level 0 holds the ON-set then the don't cares; combine the levels.
    Table t;
    AddLevelZero(t, std::clamp(nMinterms, 0, 16), minterms, false);
    AddLevelZero(t, std::clamp(nDontCares, 0, 16), dontCares, true);
    CombineLevels(t);

    std::uint16_t onMask = 0;
    for (int i = 0; i < t.count[0]; ++i) {
        if (!t.level[0][i].dontCare)
            onMask |= t.level[0][i].cover;
        else
            t.level[0][i].used = true;
    }
    for (int L = 1; L < kLevels; ++L) {
        for (int i = 0; i < t.count[L]; ++i) {
            if ((t.level[L][i].cover & onMask) == 0)
                t.level[L][i].used = true;
        }
    }

    // 5. The prime implicants in level order.
    Prime primes[kMaxListTerms];
    int nPrimes = 0;
    for (int L = 0; L < kLevels; ++L) {
        for (int i = 0; i < t.count[L] && nPrimes < kMaxListTerms; ++i) {
            if (!t.level[L][i].used)
                primes[nPrimes++] = Prime{t.level[L][i], GetTermCost(LiteralCount(t.level[L][i])), false};
        }
    }

    // 6. Essentials: the only prime of some ON-set minterm.
    std::uint16_t essentialCover = 0;
    for (int m = 0; m < 16; ++m) {
        if (((onMask >> m) & 1) == 0)
            continue;
        int only = -1;
        int count = 0;
        for (int p = 0; p < nPrimes && count < 2; ++p) {
            if ((primes[p].cube.cover >> m) & 1) {
                only = p;
                ++count;
            }
        }
        if (count == 1)
            primes[only].essential = true;
    }

    // 7. Split in prime order.
    int essential[kMaxListTerms];
    int rest[kMaxListTerms];
    int nEssential = 0;
    int nRest = 0;
    std::uint16_t restMasks[kMaxListTerms];
    int restCosts[kMaxListTerms];
    for (int p = 0; p < nPrimes; ++p) {
        if (primes[p].essential) {
            essential[nEssential++] = p;
            essentialCover |= primes[p].cube.cover;
        } else {
            restMasks[nRest] = primes[p].cube.cover;
            restCosts[nRest] = primes[p].cost;
            rest[nRest++] = p;
        }
    }

    std::string text[kMaxListTerms];
    for (int p = 0; p < nPrimes; ++p)
        BuildText(primes[p].cube, text[p]);

    // 8-9. The essentials alone may cover the ON-set.
    if ((essentialCover & onMask) == onMask) {
        counts[0] = nEssential;
        for (int e = 0; e < nEssential; ++e)
            WriteRecord(primes[essential[e]], text[essential[e]], blocks[e]);
        return 1;
    }

    // 10. Cover selection: the lowest cost first, then the covers of that
    // cost by number of extra terms and lexicographic order.
    nRest = std::min(nRest, static_cast<int>(kMaxCombination));
    Search s{restMasks, restCosts, nRest, static_cast<std::uint16_t>(onMask & ~essentialCover), {}, 1000, 1000};
    s.suffix[nRest] = 0;
    for (int i = nRest - 1; i >= 0; --i) {
        s.suffix[i] = static_cast<std::uint16_t>(s.suffix[i + 1] | restMasks[i]);
        s.minCost = std::min(s.minCost, restCosts[i]);
    }
    FindBestCost(s, 0, 0, 0);
    if (s.best >= 1000)
        return 0; // cannot happen: all primes together cover the ON-set

    int sorted[kMaxCombination];
    std::copy(restCosts, restCosts + nRest, sorted);
    std::sort(sorted, sorted + nRest);
    Collector c{};
    int lowest = 0; // the cheapest conceivable k extra terms
    for (int k = 1; k <= nRest && c.found < kMaxSolutions; ++k) {
        lowest += sorted[k - 1];
        if (lowest > s.best)
            break;
        c.k = k;
        CollectCovers(s, c, 0, 0, 0, 0);
    }

    // The essentials are part of every cover, so their cost was left out of
    // the search above; write the recorded covers.
    for (int sol = 0; sol < c.found; ++sol) {
        CImplicant* block = blocks + kBlockSize * sol;
        int n = 0;
        for (int e = 0; e < nEssential; ++e)
            WriteRecord(primes[essential[e]], text[essential[e]], block[n++]);
        for (int i = 0; i < c.size[sol]; ++i) {
            const int p = rest[c.solutions[sol][i]];
            WriteRecord(primes[p], text[p], block[n++]);
        }
        counts[sol] = n;
    }
    return c.found;
}

int MinimizeByParts(int nMinterms, const int* minterms, int nDontCares, const int* dontCares, int* counts,
                    CImplicant* blocks)
{
    static CImplicant primes[kMaxListTerms];
    static CImplicant essentials[kMaxListTerms];
    static CImplicant rest[kMaxListTerms];
    nMinterms = std::clamp(nMinterms, 0, 16);
    nDontCares = std::clamp(nDontCares, 0, 16 - nMinterms);

    // 1-2. Level 0: the ON-set, then the don't cares.
    g_nLevelCount[0] = 0;
    const std::string names = kNames;
    AddMinterms(4, minterms, nMinterms, names);
    AddDontCares(4, dontCares, nDontCares, names);

    // 3. Levels 1 to 5 start from the empty record.
    const CImplicant empty(4, -1, 0, names);
    for (int i = kLevelSize; i < kLevels * kLevelSize; ++i)
        g_aImplicant[i] = empty;

    // 4-5. Prime implicants, gathered level by level.
    FindPrimeImplicants(4, names);
    int nPrimes = 0;
    for (int L = 0; L < kLevels; ++L) {
        for (int i = 0; i < g_nLevelCount[L] && nPrimes < kMaxListTerms; ++i) {
            if (g_aImplicant[L * kLevelSize + i].m_bUsed == 0)
                primes[nPrimes++].Assign(g_aImplicant[L * kLevelSize + i]);
        }
    }

    // 6-7. Essentials, then the split in prime order.
    const int nEssentialMarked = MarkEssentials(minterms, nMinterms, primes, nPrimes);
    int nEssential = 0;
    int nRest = 0;
    for (int p = 0; p < nPrimes; ++p) {
        if (primes[p].m_bEssential == 1)
            essentials[nEssential++].Assign(primes[p]);
        else
            rest[nRest++].Assign(primes[p]);
    }
    (void)nEssentialMarked;

    // 8. Required minterms and the essentials' cover map.
    int map[16];
    for (int m = 0; m < 16; ++m) {
        g_bRequired[m] = 0;
        map[m] = 0;
    }
    for (int i = 0; i < nMinterms; ++i) {
        if (minterms[i] >= 0 && minterms[i] < 16)
            g_bRequired[minterms[i]] = 1;
    }
    for (int e = 0; e < nEssential; ++e) {
        for (int i = 0; i < essentials[e].m_nMinterms; ++i) {
            const int m = essentials[e].m_anMinterm[i];
            if (m >= 0 && m < 16)
                map[m] = 1;
        }
    }

    // 9. The essentials may do on their own.
    if (IsCovered(4, map) == 1) {
        counts[0] = nEssential;
        for (int e = 0; e < nEssential; ++e)
            blocks[e].Assign(essentials[e]);
        return 1;
    }

    // 10. Otherwise the exhaustive search.
    return SelectCover(4, nEssential, essentials, nRest, rest, counts, blocks);
}

std::string SumOfProducts(const int* counts, const CImplicant* blocks, int s)
{
    const int n = counts[s];
    if (n <= 0)
        return "0";
    std::string text;
    for (int t = 0; t < n; ++t) {
        if (t > 0)
            text += " + ";
        text += blocks[kBlockSize * s + t].m_strTerm;
    }
    return text;
}
