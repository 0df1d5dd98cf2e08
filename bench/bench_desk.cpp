// SPDX-License-Identifier: GPL-3.0-or-later
// The desk's work once the documents are read:
//
//   CoverCountEvery   the count of lowest-cost covers for all 65,536
//                     functions without don't cares (per_function: the mean)
//   CoverCountSlowest the slowest function for that count: ON-set 0x1778,
//                     don't cares 0x0006 (every one of the 3^16 functions
//                     was walked once counting search steps, the 50 with the
//                     most steps timed; about 2-3 us)
//   ReportSlowest     the report of a PAL whose four outputs are the slowest
//                     functions, in all three formats
//   CheckClass        200 hand-ins (half PAL, half PROM, random rows and
//                     fuses, a fixed seed) graded against a PAL reference,
//                     with the text and CSV
//
//   cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DZYL_BUILD_GUI=OFF
//   ninja -C build-release bench_desk
//   taskset -c 0 build-release/bench/bench_desk --benchmark_repetitions=10

#include "Check.h"
#include "CoverCount.h"
#include "Report.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <vector>

namespace {

double Smallest(const std::vector<double>& values)
{
    return *std::min_element(values.begin(), values.end());
}

TruthColumn Column(unsigned on, unsigned dc)
{
    TruthColumn column;
    for (int m = 0; m < 16; ++m)
        column[static_cast<std::size_t>(m)] = (on >> m) & 1 ? '1' : (dc >> m) & 1 ? 'X' : '0';
    return column;
}

void BM_CoverCountEvery(benchmark::State& state)
{
    for (auto _ : state) {
        for (unsigned on = 0; on < 65536; ++on)
            benchmark::DoNotOptimize(CountLowestCostCovers(static_cast<std::uint16_t>(on), 0));
    }
    const double calls = static_cast<double>(state.iterations()) * 65536.0;
    state.counters["per_function"] =
        benchmark::Counter(calls, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_CoverCountEvery)->Unit(benchmark::kMillisecond)->ComputeStatistics("min", Smallest);

void BM_CoverCountSlowest(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(CountLowestCostCovers(0x1778, 0x0006));
}
BENCHMARK(BM_CoverCountSlowest)->Unit(benchmark::kMicrosecond)->ComputeStatistics("min", Smallest);

void BM_ReportSlowest(benchmark::State& state)
{
    DeviceFacts device;
    device.type = DeviceType::Pal;
    device.file = "slowest.zyl";
    device.tables = {Column(0x1778, 0x0006), Column(0x9768, 0x0016), Column(0x1768, 0x8016), Column(0x9778, 0x0006)};
    for (auto _ : state) {
        const DeviceReport report = MakeReport(device);
        for (ReportFormat format : {ReportFormat::Text, ReportFormat::Json, ReportFormat::Csv})
            benchmark::DoNotOptimize(FormatReport(report, format));
    }
}
BENCHMARK(BM_ReportSlowest)->Unit(benchmark::kMicrosecond)->ComputeStatistics("min", Smallest);

void BM_CheckClass(benchmark::State& state)
{
    std::mt19937 random(25);
    LoadedFile reference;
    reference.facts.type = DeviceType::Pal;
    for (TruthColumn& column : reference.facts.tables) {
        const unsigned on = random() & 0xFFFF;
        column = Column(on, random() & ~on & 0xFFFF);
    }
    std::vector<LoadedFile> handIns(200, reference);
    for (std::size_t i = 0; i < handIns.size(); ++i) {
        DeviceFacts& h = handIns[i].facts;
        h.file = "student" + std::to_string(i) + ".zyl";
        h.type = i % 2 ? DeviceType::Prom : DeviceType::Pal;
        for (int f = 0; f < 4; ++f) {
            h.orFuses[static_cast<std::size_t>(f)] = static_cast<std::uint16_t>(random());
            for (ProductTerm& row : h.rows[static_cast<std::size_t>(f)])
                row = {static_cast<std::uint8_t>(random() & 15), static_cast<std::uint8_t>(random() & 15)};
        }
    }
    for (auto _ : state) {
        const ClassGrade grade = GradeClass(reference, handIns);
        benchmark::DoNotOptimize(FormatCheck(grade, CheckFormat::Text));
        benchmark::DoNotOptimize(FormatCheck(grade, CheckFormat::Csv));
    }
}
BENCHMARK(BM_CheckClass)->Unit(benchmark::kMillisecond)->ComputeStatistics("min", Smallest);

} // namespace

BENCHMARK_MAIN();
