// SPDX-License-Identifier: GPL-3.0-or-later
// Minimize on whole sets of functions, with result storage as the cover
// cache gives it (10 counts, 500 records):
//
//   EveryFunction   all 65,536 functions of four variables, no don't cares
//   WithDontCares   10,000 random functions with don't cares (fixed seed),
//                   each minterm ON, don't care or OFF with chance 1/3
//   SlowestFunction the slowest function of both sets, found once before the
//                   timing, then called again and again (a warm figure; its
//                   ON-set and don't cares are shown as masks)
//
// A sweep is timed as a whole, without clock reads per call; per_function is
// the CPU time of the sweeps divided by the calls. Lists are ascending, as
// the dialogs and the view pass them.
//
//   cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DZYL_BUILD_GUI=OFF
//   ninja -C build-release bench_minimize
//   taskset -c 0 build-release/bench/bench_minimize --benchmark_repetitions=10

#include "Minimize.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <ctime>
#include <memory>
#include <random>
#include <vector>

namespace {

struct Function
{
    std::vector<int> on;
    std::vector<int> dc;
};

Function FromMasks(unsigned on, unsigned dc)
{
    Function f;
    for (int m = 0; m < 16; ++m) {
        if ((on >> m) & 1)
            f.on.push_back(m);
        else if ((dc >> m) & 1)
            f.dc.push_back(m);
    }
    return f;
}

const std::vector<Function>& EveryFunction()
{
    static const std::vector<Function> functions = [] {
        std::vector<Function> all;
        for (unsigned mask = 0; mask < 65536; ++mask)
            all.push_back(FromMasks(mask, 0));
        return all;
    }();
    return functions;
}

const std::vector<Function>& WithDontCares()
{
    static const std::vector<Function> functions = [] {
        std::mt19937 random(20261207);
        std::vector<Function> all;
        for (int n = 0; n < 10000; ++n) {
            unsigned on = 0;
            unsigned dc = 0;
            for (int m = 0; m < 16; ++m) {
                const unsigned pick = random() % 3;
                on |= (pick == 0 ? 1u : 0u) << m;
                dc |= (pick == 1 ? 1u : 0u) << m;
            }
            all.push_back(FromMasks(on, dc));
        }
        return all;
    }();
    return functions;
}

struct Storage
{
    int counts[10] = {};
    std::vector<CImplicant> blocks = std::vector<CImplicant>(500);
};

int Run(const Function& f, Storage& storage)
{
    return Minimize(static_cast<int>(f.on.size()), f.on.data(), static_cast<int>(f.dc.size()), f.dc.data(),
                    storage.counts, storage.blocks.data());
}

void Sweep(benchmark::State& state, const std::vector<Function>& functions)
{
    auto doc = std::make_unique<Storage>();
    for (auto _ : state) {
        for (const Function& f : functions)
            benchmark::DoNotOptimize(Run(f, *doc));
    }
    const double calls = static_cast<double>(state.iterations()) * static_cast<double>(functions.size());
    state.SetItemsProcessed(static_cast<std::int64_t>(calls));
    state.counters["per_function"] =
        benchmark::Counter(calls, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void BM_EveryFunction(benchmark::State& state)
{
    Sweep(state, EveryFunction());
}
// Other programs on the same core only ever add time, so with repetitions
// the smallest figure is the one closest to the code's own cost.
double Smallest(const std::vector<double>& values)
{
    return *std::min_element(values.begin(), values.end());
}

BENCHMARK(BM_EveryFunction)->Unit(benchmark::kMillisecond)->ComputeStatistics("min", Smallest);

void BM_WithDontCares(benchmark::State& state)
{
    Sweep(state, WithDontCares());
}
BENCHMARK(BM_WithDontCares)->Unit(benchmark::kMillisecond)->ComputeStatistics("min", Smallest);

double ThreadSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// The smallest mean time of one function over `rounds` rounds of `calls`
// calls in a row, in CPU time of this thread, so that other programs and
// interrupts do not count.
double TimeCalls(const Function& f, Storage& doc, int rounds, int calls)
{
    double best = 1e30;
    for (int r = 0; r < rounds; ++r) {
        const double start = ThreadSeconds();
        for (int i = 0; i < calls; ++i)
            benchmark::DoNotOptimize(Run(f, doc));
        best = std::min(best, (ThreadSeconds() - start) / calls);
    }
    return best;
}

// Every function of both sets timed over 2 rounds of 16 calls; the 50
// slowest are timed again over 5 rounds of 1000 calls each, and the slowest
// of these is the one.
const Function& Slowest()
{
    static const Function slowest = [] {
        auto doc = std::make_unique<Storage>();
        std::vector<std::pair<double, const Function*>> times;
        for (const auto* set : {&EveryFunction(), &WithDontCares()}) {
            for (const Function& f : *set)
                times.emplace_back(TimeCalls(f, *doc, 2, 16), &f);
        }
        std::partial_sort(times.begin(), times.begin() + 50, times.end(),
                          [](const auto& a, const auto& b) { return a.first > b.first; });
        std::pair<double, const Function*> worst{0.0, nullptr};
        for (int i = 0; i < 50; ++i)
            worst = std::max(worst, std::make_pair(TimeCalls(*times[i].second, *doc, 5, 1000), times[i].second));
        return *worst.second;
    }();
    return slowest;
}

unsigned Mask(const std::vector<int>& list)
{
    unsigned mask = 0;
    for (int m : list)
        mask |= 1u << m;
    return mask;
}

void BM_SlowestFunction(benchmark::State& state)
{
    const Function& f = Slowest();
    auto doc = std::make_unique<Storage>();
    for (auto _ : state)
        benchmark::DoNotOptimize(Run(f, *doc));
    state.counters["on_mask"] = Mask(f.on);
    state.counters["dc_mask"] = Mask(f.dc);
}
BENCHMARK(BM_SlowestFunction)->Unit(benchmark::kMicrosecond)->ComputeStatistics("min", Smallest);

} // namespace

BENCHMARK_MAIN();
