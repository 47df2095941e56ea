// SPDX-License-Identifier: GPL-3.0-or-later
// Runs Timer1Timer a given number of times on the idle window, for callgrind: only runTicks is collected
// (--collect-atstart=no --toggle-collect=*runTicks*), so the instructions of a run divided by the ticks are a tick's.
//   TickLoop [--ticks N] [--system-clock]
#include "BenchWindow.h"
#include <QApplication>
#include <cstdio>
#include <cstring>

__attribute__((noinline)) void runTicks(TCalendar& calendar, int ticks)
{
    for (int i = 0; i < ticks; ++i)
        calendar.Timer1Timer();
}

int main(int argc, char** argv)
{
    int ticks = 10000;
    bool systemClock = false;
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--ticks") && i + 1 < argc)
            ticks = std::atoi(argv[++i]);
        else if (!std::strcmp(argv[i], "--system-clock"))
            systemClock = true;
    }
    QApplication application(argc, argv);
    SystemClock clock;
    bench::BenchWindow window(systemClock ? &clock : nullptr);
    // One tick outside the measurement settles what the first tick after activation does once.
    window.calendar->Timer1Timer();
    runTicks(*window.calendar, ticks);
    std::printf("ticks=%d countdown=%d\n", ticks, window.calendar->dayReport().countdown());
    return 0;
}
