// SPDX-License-Identifier: GPL-3.0-or-later
#include "CoverCount.h"

#include "ProductTerm.h"

#include <algorithm>
#include <array>
#include <bit>
#include <climits>

namespace {

using Set = std::uint16_t;
using Terms = std::uint64_t; // bit i: prime i (a function of four inputs has at most 32)

struct Cube
{
    Set mask;
    Set wider[4]; // the cube without each of its literals (itself where it has none there)
    int cost;
};

// Every product of the four inputs, 81 of them.
const std::array<Cube, 81>& AllCubes()
{
    static const std::array<Cube, 81> cubes = [] {
        std::array<Cube, 81> list{};
        int n = 0;
        for (unsigned ones = 0; ones < 16; ++ones) {
            for (unsigned zeros = 0; zeros < 16; ++zeros) {
                if ((ones & zeros) != 0)
                    continue;
                const ProductTerm term{static_cast<std::uint8_t>(ones), static_cast<std::uint8_t>(zeros)};
                Cube& cube = list[static_cast<std::size_t>(n++)];
                cube.mask = term.MintermMask();
                cube.cost = term.Cost();
                for (unsigned v = 0; v < 4; ++v) {
                    const auto keep = static_cast<std::uint8_t>(~(1u << v));
                    const ProductTerm wider{static_cast<std::uint8_t>(ones & keep),
                                            static_cast<std::uint8_t>(zeros & keep)};
                    cube.wider[v] = wider.MintermMask();
                }
            }
        }
        return list;
    }();
    return cubes;
}

// The prime implicants, cheapest first, and for each minterm the primes
// covering it. Branching on the cheapest prime first finds a good cover
// early, and the cheapest prime of a set is its lowest bit.
struct Search
{
    Set cover[64];
    int cost[64];
    Terms coverers[16] = {};
    int best = INT_MAX;
    long long count = 0;
    bool counting = false;

    // A lower bound on what covering left with the allowed primes costs:
    // minterms no two of which share an allowed prime each need a prime of
    // their own. Also picks the minterm with the fewest allowed primes to
    // branch on; INT_MAX when some minterm has none.
    int Bound(Set left, Terms allowed, int& branch) const
    {
        int bound = 0;
        Terms used = 0;
        int fewest = 65;
        for (unsigned bits = left; bits != 0; bits &= bits - 1) {
            const int m = std::countr_zero(bits);
            const Terms options = coverers[m] & allowed;
            if (options == 0)
                return INT_MAX;
            const int n = std::popcount(options);
            if (n < fewest) {
                fewest = n;
                branch = m;
            }
            if ((options & used) == 0) {
                bound += cost[std::countr_zero(options)];
                used |= options;
            }
        }
        return bound;
    }

    // Every set of allowed primes covering left is met once: the branch
    // minterm must be covered, by its first prime in the set; the primes
    // before that one are left out of the rest of that branch.
    void Walk(Set left, int spent, Terms allowed)
    {
        if (left == 0) {
            if (spent < best) {
                best = spent;
                count = 0;
            }
            count += spent == best ? 1 : 0;
            return;
        }
        int m = 0;
        const int bound = Bound(left, allowed, m);
        if (bound == INT_MAX || spent + bound > best || (!counting && spent + bound == best))
            return;
        for (Terms options = coverers[m] & allowed; options != 0; options &= options - 1) {
            const int i = std::countr_zero(options);
            Walk(static_cast<Set>(left & ~cover[i]), spent + cost[i], allowed);
            allowed &= ~(Terms{1} << i);
        }
    }
};

} // namespace

CoverCount CountLowestCostCovers(std::uint16_t on, std::uint16_t dc)
{
    const Set allowed = on | dc;
    Search s;
    int n = 0;
    const auto inside = [allowed](Set mask) { return (mask & ~allowed) == 0; };
    for (const Cube& cube : AllCubes()) {
        if (!inside(cube.mask) || (cube.mask & on) == 0)
            continue;
        if (std::any_of(cube.wider, cube.wider + 4, [&](Set wider) { return wider != cube.mask && inside(wider); }))
            continue; // not prime
        s.cover[n] = cube.mask;
        s.cost[n] = cube.cost;
        ++n;
    }
    // Cheapest first, keeping the cube order within a cost.
    for (int i = 1; i < n; ++i) {
        for (int j = i; j > 0 && s.cost[j - 1] > s.cost[j]; --j) {
            std::swap(s.cost[j - 1], s.cost[j]);
            std::swap(s.cover[j - 1], s.cover[j]);
        }
    }
    for (int i = 0; i < n; ++i) {
        for (unsigned bits = s.cover[i] & on; bits != 0; bits &= bits - 1)
            s.coverers[std::countr_zero(bits)] |= Terms{1} << i;
    }
    // First the lowest cost, pruning every branch that cannot beat it, then
    // every cover of exactly that cost.
    s.Walk(on, 0, ~Terms{0});
    s.counting = true;
    s.count = 0;
    s.Walk(on, 0, ~Terms{0});
    return {s.best, s.count};
}
