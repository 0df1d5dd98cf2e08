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
//   CheckClass        zyl --check on a folder of 200 hand-ins (half PAL,
//                     half PROM, random rows and fuses, a fixed seed) against
//                     a PAL reference, files read, the CSV written to
//                     /dev/null (the goal: under a second; about 12 ms)
//
//   cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DZYL_BUILD_GUI=OFF
//   ninja -C build-release bench_desk
//   taskset -c 0 build-release/bench/bench_desk --benchmark_repetitions=10

#include "CoverCount.h"
#include "DeskCommand.h"
#include "DeviceEditor.h"
#include "DocFile.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <vector>

#include <sys/stat.h>

namespace {

double Smallest(const std::vector<double>& values)
{
    return *std::min_element(values.begin(), values.end());
}

Column ColumnOf(unsigned on, unsigned dc)
{
    Column column;
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
    device.tables = {ColumnOf(0x1778, 0x0006), ColumnOf(0x9768, 0x0016), ColumnOf(0x1768, 0x8016),
                     ColumnOf(0x9778, 0x0006)};
    for (auto _ : state) {
        const DeviceReport report = MakeReport(device);
        for (ReportFormat format : {ReportFormat::Text, ReportFormat::Json, ReportFormat::Csv})
            benchmark::DoNotOptimize(FormatReport(report, format));
    }
}
BENCHMARK(BM_ReportSlowest)->Unit(benchmark::kMicrosecond)->ComputeStatistics("min", Smallest);

// A random device of the type: PROM columns, or PAL rows whose functions
// follow from them, as after clicks in the fuse map.
Device RandomDevice(std::mt19937& random, DeviceType type)
{
    Device device;
    DeviceEditor e(device);
    e.SetType(type);
    for (int f = 0; f < 4; ++f) {
        e.SetPromColumn(f, ColumnOf(random() & 0xFFFF, 0));
        for (int r : PalRowsOf(f))
            e.SetAndRow(r, {static_cast<std::uint8_t>(random() & 15), static_cast<std::uint8_t>(random() & 15)});
        e.RederivePalColumn(f);
    }
    return device;
}

void BM_CheckClass(benchmark::State& state)
{
    std::mt19937 random(25);
    char folder[] = "/tmp/bench_desk.XXXXXX";
    if (::mkdtemp(folder) == nullptr) {
        state.SkipWithError("no temporary folder");
        return;
    }
    const std::string reference = std::string(folder) + "/reference.zyl", handIns = std::string(folder) + "/class";
    std::string error;
    bool saved =
        SaveDocument(RandomDevice(random, DeviceType::Pal), reference, error) && ::mkdir(handIns.c_str(), 0700) == 0;
    for (int i = 0; i < 200 && saved; ++i)
        saved = SaveDocument(RandomDevice(random, i % 2 ? DeviceType::Prom : DeviceType::Pal),
                             handIns + "/student" + std::to_string(i) + ".zyl", error);
    std::FILE* null = std::fopen("/dev/null", "w");
    for (auto _ : state)
        benchmark::DoNotOptimize(saved && null ? RunCheck(reference, {handIns}, CheckFormat::Csv, null, stderr) : -1);
    if (null)
        std::fclose(null);
    if (!saved)
        state.SkipWithError(error.c_str());
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_CheckClass)->Unit(benchmark::kMillisecond)->ComputeStatistics("min", Smallest);

} // namespace

BENCHMARK_MAIN();
