// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// An independent check of the minimizer: the lowest cover cost of a
// function found by brute force over all 81 cubes of four variables, with
// an exact branch-and-bound set cover. It shares no code with the tabular
// method.

#include <algorithm>
#include <cstdint>
#include <vector>

namespace mincost {

struct Cube
{
    std::uint16_t cover;
    int cost;
};

// Every cube is a choice per variable of 0, 1 or absent.
inline const std::vector<std::pair<std::uint16_t, int>>& AllCubes()
{
    static const std::vector<std::pair<std::uint16_t, int>> cubes = [] {
        std::vector<std::pair<std::uint16_t, int>> list;
        for (int code = 0; code < 81; ++code) {
            int c = code;
            int digit[4];
            int literals = 0;
            for (int v = 0; v < 4; ++v) {
                digit[v] = c % 3;
                c /= 3;
                literals += digit[v] != 2 ? 1 : 0;
            }
            std::uint16_t mask = 0;
            for (int m = 0; m < 16; ++m) {
                bool in = true;
                for (int v = 0; v < 4; ++v) {
                    const int bit = (m >> v) & 1;
                    if (digit[v] != 2 && digit[v] != bit)
                        in = false;
                }
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
    for (const Cube& c : cubes) {
        if ((c.cover >> m) & 1)
            Search(cubes, static_cast<std::uint16_t>(left & ~c.cover), cost + c.cost, best);
    }
}

// The lowest cost of a sum of products that covers every minterm of on and
// no minterm outside on | dc; a term costs 1, plus its literals when it has
// more than one.
inline int MinimumCost(std::uint16_t on, std::uint16_t dc)
{
    if (on == 0)
        return 0;
    const std::uint16_t allowed = on | dc;
    // Only maximal allowed cubes are needed: a larger cube never costs more.
    std::vector<Cube> cubes;
    for (const auto& [mask, cost] : AllCubes()) {
        if ((mask & ~allowed) != 0 || (mask & on) == 0)
            continue;
        bool maximal = true;
        for (const auto& [other, otherCost] : AllCubes()) {
            if (other != mask && (other & mask) == mask && (other & ~allowed) == 0) {
                maximal = false;
                break;
            }
        }
        if (maximal)
            cubes.push_back(Cube{mask, cost});
    }
    int best = 1000;
    Search(cubes, on, 0, best);
    return best;
}

} // namespace mincost
