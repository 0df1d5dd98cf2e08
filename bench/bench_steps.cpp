// SPDX-License-Identifier: GPL-3.0-or-later
// What the steps window does when it opens or switches functions: the
// derivation of one function and its layout as the window's page.
//
//   WorstFunction  the slowest of all 65,536 functions without don't cares,
//                  found once before the timing, then derived and laid out
//                  again and again
//   WorstWithDontCares the same over 10,000 random functions with don't cares
//
// A redraw must stay well under 16 ms, one frame.

#include "CDerivation.h"
#include "StepsPage.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <random>
#include <vector>

namespace {

struct Function
{
    std::vector<int> on, dc;
};

std::size_t DeriveAndLayOut(const Function& f)
{
    const CDerivation d = Derive(f.on.data(), static_cast<int>(f.on.size()), f.dc.data(), static_cast<int>(f.dc.size()));
    CStepsInput input;
    input.pal = true;
    // Text measured roughly as the window's font measures it: 7 pixels a
    // character, 8 in bold.
    CStepsMetrics metrics;
    metrics.width = [](const std::string& text, bool strong) { return static_cast<int>(text.size()) * (strong ? 8 : 7); };
    metrics.lineHeight = 20;
    return LayOutPage(LayOutSteps(d, input), 720, metrics).texts.size();
}

Function Slowest(const std::vector<Function>& functions)
{
    Function worst;
    auto longest = std::chrono::steady_clock::duration::zero();
    for (const Function& f : functions) {
        const auto start = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(DeriveAndLayOut(f));
        const auto took = std::chrono::steady_clock::now() - start;
        if (took > longest) {
            longest = took;
            worst = f;
        }
    }
    return worst;
}

void Run(benchmark::State& state, const Function& f)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(DeriveAndLayOut(f));
    unsigned on = 0, dc = 0;
    for (int m : f.on)
        on |= 1u << m;
    for (int m : f.dc)
        dc |= 1u << m;
    state.counters["on_mask"] = on;
    state.counters["dc_mask"] = dc;
}

void WorstFunction(benchmark::State& state)
{
    static const Function worst = [] {
        std::vector<Function> all(65536);
        for (unsigned mask = 0; mask < 65536; ++mask) {
            for (int m = 0; m < 16; ++m) {
                if ((mask >> m) & 1)
                    all[mask].on.push_back(m);
            }
        }
        return Slowest(all);
    }();
    Run(state, worst);
}

void WorstWithDontCares(benchmark::State& state)
{
    static const Function worst = [] {
        std::mt19937 random(7);
        std::vector<Function> all(10000);
        for (Function& f : all) {
            for (int m = 0; m < 16; ++m) {
                const unsigned r = random() % 3;
                if (r == 0)
                    f.on.push_back(m);
                else if (r == 1)
                    f.dc.push_back(m);
            }
        }
        return Slowest(all);
    }();
    Run(state, worst);
}

} // namespace

BENCHMARK(WorstFunction)->Unit(benchmark::kMicrosecond);
BENCHMARK(WorstWithDontCares)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
