// SPDX-License-Identifier: GPL-3.0-or-later
#include "Minimize.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <utility>
#include <vector>

namespace {

constexpr char kNames[] = "ABCD";

// ---------------------------------------------------------------------------
// Compact engine. A cube of the four variables is a base minterm m and a set
// D of eliminated variables ("dashes", bit 3 = A as in the minterm number)
// with m & D == 0; it covers m | s for every subset s of D, and level L of
// the tabular method holds the cubes of L dashes. Sets of cubes are 16-bit
// masks over their bases, one per dash set, so the merging of whole levels
// is a few shifts. The order in which the tabular method produces the prime
// implicants decides the order of the solutions; it is rebuilt from a key
// per prime. Everything stays on the stack; only the records of the
// recorded solutions are written.
// ---------------------------------------------------------------------------

using Set = std::uint16_t; // bit m: minterm m, or the cube with base m

// The primes a list holds at the most (four variables have far fewer).
constexpr int kMaxListTerms = 50;

// What a term of so many literals adds to a cover's cost.
constexpr int TermCost(int literals) { return 1 + (literals > 1 ? literals : 0); }

// The set bits of a 4-bit value; of a dash set, its level.
constexpr std::uint8_t kDashCount[16] = {0, 1, 1, 2, 1, 2, 2, 3, 1, 2, 2, 3, 2, 3, 3, 4};

int BitCount(Set bits)
{
    return kDashCount[bits & 15] + kDashCount[(bits >> 4) & 15] + kDashCount[(bits >> 8) & 15] + kDashCount[bits >> 12];
}

// Bases with variable bit d clear, for d = 1, 2, 4, 8.
constexpr Set kBitClear[9] = {0, 0x5555, 0x3333, 0, 0x0F0F, 0, 0, 0, 0x00FF};

// The minterms of the cube with base 0 and dash set D; base m shifts it by m.
constexpr std::array<Set, 16> kSpan = [] {
    std::array<Set, 16> span{};
    for (int D = 0; D < 16; ++D) {
        for (int s = 0; s < 16; ++s) {
            if ((s & ~D) == 0)
                span[D] = static_cast<Set>(span[D] | (1u << s));
        }
    }
    return span;
}();

// The subsets of each dash set, ascending: base + kSubsets[D][i] lists the
// minterms of cube (base, D) in ascending order.
constexpr auto kSubsets = [] {
    std::array<std::array<std::uint8_t, 16>, 16> subsets{};
    for (int D = 0; D < 16; ++D) {
        int n = 0;
        for (int s = 0; s < 16; ++s) {
            if ((s & ~D) == 0)
                subsets[D][n++] = static_cast<std::uint8_t>(s);
        }
    }
    return subsets;
}();

// The function as level 0 holds it: the ON-set then the don't cares, each in
// the order given. Minterms outside 0..15 and repeats are skipped (the
// callers never pass them); a don't care that is also in the ON-set counts
// as ON.
struct Function
{
    std::uint8_t order[16];
    std::uint8_t position[16]; // position[m]: m's index in order, for m in ON + DC
    int n = 0;
    Set on = 0;
    Set dc = 0;
};

void AddLevelZero(Function& f, int n, const int* list, bool dontCare)
{
    unsigned present = f.on | f.dc;
    unsigned added = 0;
    int count = f.n; // kept local: the byte stores below could alias f.n
    for (int i = 0; i < n; ++i) {
        const auto m = static_cast<unsigned>(list[i]);
        if (m > 15 || ((present >> m) & 1) != 0)
            continue;
        present |= 1u << m;
        added |= 1u << m;
        f.position[m] = static_cast<std::uint8_t>(count);
        f.order[count++] = static_cast<std::uint8_t>(m);
    }
    f.n = count;
    Set& set = dontCare ? f.dc : f.on;
    set = static_cast<Set>(set | added);
}

// Per dash set D, the bases of: the cubes inside ON + DC (the implicants,
// every term the merging produces), the cubes holding an ON-set minterm, and
// the prime implicants (implicants that merge into no larger implicant and
// do not cover don't cares only).
struct Cubes
{
    Set implicant[16];
    Set touchesOn[16];
    Set prime[16];
};

void FindImplicants(const Function& f, Cubes& c)
{
    c.implicant[0] = static_cast<Set>(f.on | f.dc);
    c.touchesOn[0] = f.on;
    for (int D = 1; D < 16; ++D) {
        const int d = D & -D; // the cube (m, D) joins (m, D - d) and (m | d, D - d)
        const unsigned in = c.implicant[D ^ d];
        const unsigned on = c.touchesOn[D ^ d];
        c.implicant[D] = static_cast<Set>(in & (in >> d) & kBitClear[d]);
        c.touchesOn[D] = static_cast<Set>((on | (on >> d)) & kBitClear[d]);
    }
}

// The bases of the cubes of dash set D that are one half of a larger
// implicant, which the merging marks as used. D is a constant so that the
// loop unrolls and keeps everything in registers.
template <int D>
unsigned Merged(const Set* implicant)
{
    unsigned merged = 0;
    for (int d = 1; d < 16; d <<= 1) {
        if ((D & d) == 0) {
            const unsigned up = implicant[D | d];
            merged |= up | (up << d);
        }
    }
    return merged;
}

template <int... D>
void FindPrimes(Cubes& c, std::integer_sequence<int, D...>)
{
    ((c.prime[D] = static_cast<Set>(c.implicant[D] & c.touchesOn[D] & ~Merged<D>(c.implicant))), ...);
}

struct Prime
{
    std::uint64_t order; // place within its level
    Set cover;
    std::uint8_t base;
    std::uint8_t dashes;
    std::uint8_t cost;
    bool essential;
};

// The place of a cube within its level, as a number that sorts like the
// production order of the tabular method (valid for implicants). Level 0 is
// in input order. The pairwise scan over level L lists a cube of level
// L + 1 at the first of its generating pairs (the cube's two halves along
// one of its dashes, the earlier one first) in lexicographic order, so its
// key is the smallest, over its dashes, of (earlier half's key, later
// half's key) packed into one number. Keys of level L fit in 4 << L bits.
template <int L>
std::uint64_t OrderKey(const std::uint8_t* position, int base, int D)
{
    if constexpr (L == 0) {
        return position[base];
    } else {
        std::uint64_t key = ~std::uint64_t{0};
        unsigned dashes = static_cast<unsigned>(D);
        for (int k = 0; k < L; ++k, dashes &= dashes - 1) { // D has L dashes
            const int d = static_cast<int>(dashes & -dashes);
            const std::uint64_t a = OrderKey<L - 1>(position, base, D ^ d);
            const std::uint64_t b = OrderKey<L - 1>(position, base | d, D ^ d);
            key = std::min(key, a < b ? a << (2 << L) | b : b << (2 << L) | a);
        }
        return key;
    }
}

// The prime implicant list in production order: by level, then by place.
struct PrimeList
{
    Prime list[81];
    int n = 0;
};

Prime MakePrime(int base, int D)
{
    return Prime{0, static_cast<Set>(kSpan[D] << base), static_cast<std::uint8_t>(base), static_cast<std::uint8_t>(D),
                 static_cast<std::uint8_t>(TermCost(4 - kDashCount[D])), false};
}

// The dash sets level by level.
constexpr std::uint8_t kByLevel[16] = {0, 1, 2, 4, 8, 3, 5, 6, 9, 10, 12, 7, 11, 13, 14, 15};

// Puts list[first .. end - 1] (the primes of level L, 1 to 3) in their
// places.
void PlaceLevel(int L, const Function& f, PrimeList& p, int first, int end)
{
    for (int i = first; i < end; ++i) {
        Prime& prime = p.list[i];
        prime.order = L == 1   ? OrderKey<1>(f.position, prime.base, prime.dashes)
                      : L == 2 ? OrderKey<2>(f.position, prime.base, prime.dashes)
                               : OrderKey<3>(f.position, prime.base, prime.dashes);
    }
    for (int i = first + 1; i < end; ++i) {
        for (int j = i; j > first && p.list[j - 1].order > p.list[j].order; --j)
            std::swap(p.list[j - 1], p.list[j]);
    }
}

// Level 0 comes in input order; a level with one prime needs no places,
// and level 4 holds one cube at most.
void ListPrimes(const Function& f, const Cubes& c, PrimeList& p)
{
    int n = 0; // kept local: the byte stores below could alias p.n
    for (int i = 0; i < f.n; ++i) {
        if ((c.prime[0] >> f.order[i]) & 1)
            p.list[n++] = MakePrime(f.order[i], 0);
    }
    unsigned withPrimes = 0; // bit k: dash set kByLevel[k] has primes
    for (int k = 1; k < 16; ++k)
        withPrimes |= static_cast<unsigned>(c.prime[kByLevel[k]] != 0) << k;
    int level = 1;
    int first = n; // the first prime of level
    for (; withPrimes != 0; withPrimes &= withPrimes - 1) {
        const int D = kByLevel[std::countr_zero(withPrimes)];
        if (kDashCount[D] != level) {
            if (n - first > 1)
                PlaceLevel(level, f, p, first, n);
            level = kDashCount[D];
            first = n;
        }
        for (unsigned bases = c.prime[D]; bases != 0; bases &= bases - 1)
            p.list[n++] = MakePrime(std::countr_zero(bases), D);
    }
    if (n - first > 1)
        PlaceLevel(level, f, p, first, n);
    p.n = std::min(n, static_cast<int>(kMaxListTerms));
}

// A prime implicant is essential when it is the only one to cover some
// ON-set minterm; one sweep finds the minterms covered exactly once.
Set MarkEssential(PrimeList& p, Set on)
{
    unsigned once = 0;
    unsigned more = 0;
    for (int i = 0; i < p.n; ++i) {
        more |= once & p.list[i].cover;
        once |= p.list[i].cover;
    }
    const unsigned only = once & ~more & on;
    unsigned covered = 0;
    for (int i = 0; i < p.n; ++i) {
        p.list[i].essential = (p.list[i].cover & only) != 0;
        if (p.list[i].essential)
            covered |= p.list[i].cover;
    }
    return static_cast<Set>(covered);
}

// The non-essential prime implicants in prime order and what the cover
// search needs of them. A term that covers nothing the essentials leave can
// only add cost, so it is left out; the order of the others, and so of the
// covers, stays.
struct Search
{
    int prime[kMaxCombination]; // index into the prime list
    Set masks[kMaxCombination];
    int costs[kMaxCombination];
    int n = 0;
    Set need = 0;                     // ON-set minterms the essentials leave
    Set suffix[kMaxCombination + 1];  // union of masks[i..n-1]
    int minCost = 1000;               // the cheapest single term
    int maxCost = 0;                  // the dearest single term
    int maxSpan = 1;                  // the most needed minterms one term covers
    unsigned coverers[16] = {};       // bit i of coverers[m]: masks[i] covers m
    int best = 1000;

    // At least this many more terms are needed to cover what is left.
    int TermsNeeded(Set covered) const
    {
        return (BitCount(static_cast<Set>(need & ~covered)) + maxSpan - 1) / maxSpan;
    }
};

void PrepareSearch(const PrimeList& p, Set need, Search& s)
{
    s.need = need;
    for (int i = 0; i < p.n && s.n < kMaxCombination; ++i) {
        if (p.list[i].essential || (p.list[i].cover & need) == 0)
            continue;
        s.prime[s.n] = i;
        s.masks[s.n] = p.list[i].cover;
        s.costs[s.n] = p.list[i].cost;
        s.minCost = std::min(s.minCost, s.costs[s.n]);
        s.maxCost = std::max(s.maxCost, s.costs[s.n]);
        s.maxSpan = std::max(s.maxSpan, BitCount(static_cast<Set>(s.masks[s.n] & need)));
        for (unsigned bits = s.masks[s.n] & need; bits != 0; bits &= bits - 1)
            s.coverers[std::countr_zero(bits)] |= 1u << s.n;
        ++s.n;
    }
    s.suffix[s.n] = 0;
    for (int i = s.n - 1; i >= 0; --i)
        s.suffix[i] = static_cast<Set>(s.suffix[i + 1] | s.masks[i]);
}

// The lowest cost of a set of the allowed terms covering need: some term
// must cover the lowest minterm still uncovered; try each of those in turn,
// each later one without the earlier ones, so that no set is tried twice.
void FindBestCost(Search& s, int cost, Set covered, unsigned allowed)
{
    const unsigned left = s.need & ~covered;
    if (left == 0) {
        s.best = std::min(s.best, cost);
        return;
    }
    if (cost + s.TermsNeeded(covered) * s.minCost >= s.best)
        return;
    for (unsigned terms = s.coverers[std::countr_zero(left)] & allowed; terms != 0; terms &= terms - 1) {
        const int i = std::countr_zero(terms);
        FindBestCost(s, cost + s.costs[i], static_cast<Set>(covered | s.masks[i]), allowed);
        allowed &= ~(1u << i);
    }
}

struct Collector
{
    int k;
    int chosen[kMaxCombination];
    int found;
    int size[kMaxSolutions];
    int solutions[kMaxSolutions][kMaxCombination];
};

// Walks the k-combinations of the search's terms in lexicographic order
// and keeps those that cover and cost exactly the best.
void CollectCovers(const Search& s, Collector& c, int pos, int start, int cost, Set covered)
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
    if (s.TermsNeeded(covered) > left + 1)
        return;
    for (int i = start; i <= s.n - (c.k - pos) && c.found < kMaxSolutions; ++i) {
        if (((covered | s.suffix[i]) & s.need) != s.need)
            break; // later starts see even fewer terms
        const int withI = cost + s.costs[i];
        if (withI + left * s.minCost > s.best || withI + left * s.maxCost < s.best)
            continue; // the best cost is out of reach
        c.chosen[pos] = i;
        CollectCovers(s, c, pos + 1, i + 1, withI, static_cast<Set>(covered | s.masks[i]));
    }
}

// The covers of the lowest cost, by number of extra terms, then in
// lexicographic order, at most kMaxSolutions of them. The essentials are part
// of every cover, so their cost is left out.
void SearchCovers(Search& s, Collector& c)
{
    FindBestCost(s, 0, 0, ~0u);
    c.found = 0;
    if (s.best >= 1000)
        return; // cannot happen: all primes together cover the ON-set
    int sorted[kMaxCombination];
    std::copy(s.costs, s.costs + s.n, sorted);
    std::sort(sorted, sorted + s.n);
    int lowest = 0;  // the cheapest conceivable k terms
    int highest = 0; // the dearest conceivable k terms
    for (int k = 1; k <= s.n && c.found < kMaxSolutions; ++k) {
        lowest += sorted[k - 1];
        highest += sorted[s.n - k];
        if (lowest > s.best)
            break;
        if (highest < s.best)
            continue;
        c.k = k;
        CollectCovers(s, c, 0, 0, 0, 0);
    }
}

// The text of every cube, [dash set][base], as BuildTerm makes it with the
// names A to D: the literals in variable order, "^" before a complemented
// one, "1" for the cube without literals.
struct Text
{
    char chars[8];
    std::size_t length;
};

constexpr auto kTexts = [] {
    std::array<std::array<Text, 16>, 16> texts{};
    for (int D = 0; D < 16; ++D) {
        for (int m = 0; m < 16; ++m) {
            Text& text = texts[D][m];
            for (int i = 3; i >= 0; --i) {
                if (((D >> i) & 1) != 0)
                    continue;
                if (((m >> i) & 1) == 0)
                    text.chars[text.length++] = '^';
                text.chars[text.length++] = kNames[3 - i];
            }
            if (text.length == 0)
                text.chars[text.length++] = '1';
        }
    }
    return texts;
}();

// The record of one prime implicant as the tabular method leaves it: four
// variables named A to D, the covered minterms ascending, no don't-care or
// used flag, and its text. Names already in place are not written again.
void WriteRecord(const Prime& p, CImplicant& rec)
{
    rec.m_nVariables = 4;
    rec.m_nOnes = p.base;
    rec.m_nZeros = 15 & ~(p.base | p.dashes);
    const int n = 1 << kDashCount[p.dashes];
    for (int i = 0; i < n; ++i)
        rec.m_anMinterm[i] = p.base + kSubsets[p.dashes][i];
    rec.m_nMinterms = n;
    rec.m_bDontCare = 0;
    rec.m_bUsed = 0;
    rec.m_bEssential = p.essential ? 1 : 0;
    for (int k = 0; k < 4; ++k) {
        if (rec.m_strName[k].size() != 1 || rec.m_strName[k][0] != kNames[k])
            rec.m_strName[k].assign(1, kNames[k]);
    }
    const Text& text = kTexts[p.dashes][p.base];
    rec.m_strTerm.assign(text.chars, text.length);
}

// Block s: the essentials in prime order, then the chosen terms.
void WriteSolutions(const PrimeList& p, const Search& s, const Collector& c, int* counts, CImplicant* blocks)
{
    int essential[kMaxListTerms];
    int nEssential = 0;
    for (int i = 0; i < p.n; ++i) {
        if (p.list[i].essential)
            essential[nEssential++] = i;
    }
    for (int sol = 0; sol < c.found; ++sol) {
        CImplicant* block = blocks + kBlockSize * sol;
        int n = 0;
        for (int e = 0; e < nEssential; ++e)
            WriteRecord(p.list[essential[e]], block[n++]);
        for (int i = 0; i < c.size[sol]; ++i)
            WriteRecord(p.list[s.prime[c.solutions[sol][i]]], block[n++]);
        counts[sol] = n;
    }
}

} // namespace

int Minimize(int nMinterms, const int* minterms, int nDontCares, const int* dontCares, int* counts,
             CImplicant* blocks)
{
    Function f;
    AddLevelZero(f, std::clamp(nMinterms, 0, 16), minterms, false);
    AddLevelZero(f, std::clamp(nDontCares, 0, 16), dontCares, true);
    Cubes cubes;
    FindImplicants(f, cubes);
    FindPrimes(cubes, std::make_integer_sequence<int, 16>{});
    PrimeList primes;
    ListPrimes(f, cubes, primes);
    const Set essentialCover = MarkEssential(primes, f.on);

    Search s;
    Collector c;
    if ((essentialCover & f.on) == f.on) {
        c.found = 1; // the essentials alone: one cover without extra terms
        c.size[0] = 0;
    } else {
        PrepareSearch(primes, static_cast<Set>(f.on & ~essentialCover), s);
        SearchCovers(s, c);
    }
    WriteSolutions(primes, s, c, counts, blocks);
    return c.found;
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

int SolutionCost(const int* counts, const CImplicant* blocks, int s)
{
    int cost = 0;
    for (int t = 0; t < counts[s]; ++t)
        cost += blocks[kBlockSize * s + t].Term().Cost();
    return cost;
}
