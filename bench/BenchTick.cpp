// SPDX-License-Identifier: GPL-3.0-or-later
// The idle tick: Timer1Timer with the report countdown at rest, as it runs a hundred times a second all day.
#include "BenchMain.h"
#include "BenchWindow.h"

namespace {

void BM_IdleTick(benchmark::State& run)
{
    bench::BenchWindow window;
    TCalendar& calendar = *window.calendar;
    for (auto _ : run)
        calendar.Timer1Timer();
    run.SetItemsProcessed(run.iterations());
}
BENCHMARK(BM_IdleTick);

// The real clock, as in the running program: each tick reads the system time and the local time zone.
void BM_IdleTickSystemClock(benchmark::State& run)
{
    SystemClock clock;
    bench::BenchWindow window(&clock);
    TCalendar& calendar = *window.calendar;
    for (auto _ : run)
        calendar.Timer1Timer();
    run.SetItemsProcessed(run.iterations());
}
BENCHMARK(BM_IdleTickSystemClock);

} // namespace

int main(int argc, char** argv)
{
    return bench::runBenchmarks(argc, argv);
}
