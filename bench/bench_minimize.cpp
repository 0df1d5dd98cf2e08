// SPDX-License-Identifier: GPL-3.0-or-later
// Minimizing all 65,536 functions of four variables one after another,
// through Minimize with the document's result storage.
//
//   cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DZYL_BUILD_GUI=OFF
//   ninja -C build-release bench_minimize && taskset -c 0 build-release/bench/bench_minimize

#include "CZYLDoc.h"
#include "Minimize.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <vector>

namespace {

struct Functions
{
    std::vector<int> lists[65536];
    Functions()
    {
        for (int mask = 0; mask < 65536; ++mask) {
            for (int m = 0; m < 16; ++m) {
                if (mask & (1 << m))
                    lists[mask].push_back(m);
            }
        }
    }
};

const Functions& AllFunctions()
{
    static const auto functions = std::make_unique<Functions>();
    return *functions;
}

void BM_MinimizeEveryFunction(benchmark::State& state)
{
    const Functions& functions = AllFunctions();
    auto doc = std::make_unique<CZYLDoc>();
    // A single timing can be hit by an interrupt; the slowest function is the
    // one whose best time over all iterations is the largest.
    std::vector<double> best(65536, 1e30);
    for (auto _ : state) {
        for (int mask = 0; mask < 65536; ++mask) {
            const std::vector<int>& on = functions.lists[mask];
            const auto start = std::chrono::steady_clock::now();
            const int r = Minimize(static_cast<int>(on.size()), on.data(), 0, on.data(), doc->m_aCover[0],
                                   doc->m_aTerms);
            const auto stop = std::chrono::steady_clock::now();
            benchmark::DoNotOptimize(r);
            best[mask] = std::min(best[mask], std::chrono::duration<double, std::micro>(stop - start).count());
        }
    }
    state.SetItemsProcessed(state.iterations() * 65536);
    state.counters["us_per_function"] =
        benchmark::Counter(static_cast<double>(state.iterations()) * 65536,
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    const auto slowest = std::max_element(best.begin(), best.end());
    state.counters["slowest_us"] = *slowest;
    state.counters["slowest_mask"] = static_cast<double>(slowest - best.begin());
}
BENCHMARK(BM_MinimizeEveryFunction)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
