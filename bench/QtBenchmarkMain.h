// SPDX-License-Identifier: GPL-3.0-or-later
// The main function of a benchmark that paints with Qt: offscreen unless a
// platform is chosen, one QApplication around Google Benchmark's run.
// Include it once, in the benchmark program's only source file.
#pragma once

#include <QApplication>
#include <benchmark/benchmark.h>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
