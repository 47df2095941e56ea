// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QApplication>
#include <benchmark/benchmark.h>

namespace bench {

// Google Benchmark's main with a QApplication; widgets need one, and the offscreen platform needs no display.
inline int runBenchmarks(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

} // namespace bench
