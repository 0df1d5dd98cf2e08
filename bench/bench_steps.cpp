// SPDX-License-Identifier: GPL-3.0-or-later
// What the steps window does when it opens or switches functions: the
// derivation of one function and its layout as the window's page, for two
// named functions, so that runs compare:
//
//   WorstFunction       the ON-set {1, 2, 3, 4, 5, 6, 8, 9, 10, 12}: of all
//                       65,536 functions without don't cares the one with
//                       the most primes left after the essentials (12, so
//                       4,095 combinations to try), and of those the most
//                       lowest-cost covers (32)
//   WorstWithDontCares  the ON-set {0, 5, 9, 10, 12} with the don't cares
//                       {1, 2, 3, 4, 6, 11, 13, 14, 15}: the same measure
//                       over 10,000 random functions with don't cares (each
//                       minterm ON, don't care or OFF with chance 1/3, seed
//                       7): 12 primes left, 57 covers
//
// A redraw must stay well under 16 ms, one frame.

#include "CDerivation.h"
#include "StepsPage.h"

#include <benchmark/benchmark.h>

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

void Run(benchmark::State& state, const Function& f)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(DeriveAndLayOut(f));
}

void WorstFunction(benchmark::State& state) { Run(state, {{1, 2, 3, 4, 5, 6, 8, 9, 10, 12}, {}}); }

void WorstWithDontCares(benchmark::State& state)
{
    Run(state, {{0, 5, 9, 10, 12}, {1, 2, 3, 4, 6, 11, 13, 14, 15}});
}

} // namespace

BENCHMARK(WorstFunction)->Unit(benchmark::kMicrosecond);
BENCHMARK(WorstWithDontCares)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
