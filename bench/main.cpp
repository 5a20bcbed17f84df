// SPDX-License-Identifier: GPL-3.0-or-later
#include <benchmark/benchmark.h>

#include <QApplication>

// Widgets may be measured too, so the benchmarks run inside an application on the offscreen platform,
// with the tests' 1920 x 1080 screen (on the platform's own 800 x 600 the training window would be
// drawn smaller, which is not what most players measure).
int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" LEXIDOR_ECRAN);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
