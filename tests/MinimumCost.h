// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// An independent check of the minimizer: the lowest cover cost of a
// function found by brute force over all 81 cubes of four variables, with
// an exact branch-and-bound set cover. It shares no code with the tabular
// method.

#include <algorithm>
#include <cstdint>
#include <utility>
#include <vector>

namespace mincost {

using Cube = std::pair<std::uint16_t, int>; // covered minterms, cost

// Every cube is a choice per variable of 0, 1 or absent (digit 2); a term
// costs 1, plus its literals when it has more than one.
inline const std::vector<Cube>& AllCubes()
{
    static const std::vector<Cube> cubes = [] {
        std::vector<Cube> list;
        for (int code = 0; code < 81; ++code) {
            int digit[4];
            int literals = 0;
            for (int v = 0, c = code; v < 4; ++v, c /= 3) {
                digit[v] = c % 3;
                literals += digit[v] != 2 ? 1 : 0;
            }
            std::uint16_t mask = 0;
            for (int m = 0; m < 16; ++m) {
                bool in = true;
                for (int v = 0; v < 4; ++v)
                    in = in && (digit[v] == 2 || digit[v] == ((m >> v) & 1));
                if (in)
                    mask = static_cast<std::uint16_t>(mask | (1u << m));
            }
            list.emplace_back(mask, literals > 1 ? literals + 1 : 1);
        }
        return list;
    }();
    return cubes;
}

inline void Search(const std::vector<Cube>& cubes, std::uint16_t left, int cost, int& best)
{
    if (left == 0) {
        best = std::min(best, cost);
        return;
    }
    if (cost + 1 >= best)
        return;
    const int m = __builtin_ctz(left);
    for (const auto& [cover, c] : cubes) {
        if ((cover >> m) & 1)
            Search(cubes, static_cast<std::uint16_t>(left & ~cover), cost + c, best);
    }
}

// The lowest cost of a sum of products that covers every minterm of on and
// no minterm outside on | dc.
inline int MinimumCost(std::uint16_t on, std::uint16_t dc)
{
    const std::uint16_t allowed = on | dc;
    const auto fits = [allowed](std::uint16_t mask) { return (mask & ~allowed) == 0; };
    // Only maximal allowed cubes are needed: a larger cube never costs more.
    std::vector<Cube> cubes;
    for (const Cube& cube : AllCubes()) {
        const std::uint16_t mask = cube.first; // no structured binding: clang 14 cannot capture one
        if (!fits(mask) || (mask & on) == 0)
            continue;
        if (std::none_of(AllCubes().begin(), AllCubes().end(), [&](const Cube& other) {
                return other.first != mask && (other.first & mask) == mask && fits(other.first);
            }))
            cubes.push_back(cube);
    }
    int best = on == 0 ? 0 : 1000;
    Search(cubes, on, 0, best);
    return best;
}

} // namespace mincost
