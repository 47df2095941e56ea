// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Dorvane's main window and Parameters dialog over fakes, with the default preferences in a folder of their own,
// activated once and with the report countdown at rest: the state the window idles in.
#include "controls/TMonthCalendar.h"
#include "dialog/THome.h"
#include "support/Fakes.h"
#include "support/TempPrefsDir.h"
#include "system/SystemServices.h"
#include "window/TCalendar.h"
#include <QFile>
#include <QTimer>
#include <memory>

namespace bench {

struct BenchWindow
{
    // clock: the fake clock when null, so a run is the same every time; a SystemClock for the tick as it runs.
    explicit BenchWindow(Clock* clock = nullptr, const QDateTime& start = QDateTime(QDate(2024, 5, 15), QTime(10, 30)))
        : services{clock ? *clock : world.clock, world.prompter, world.pointer}, gate(services),
          preferences(folder.path(), rt::formatSettings())
    {
        world.clock.set(start);
        QFile defaults(QStringLiteral(DORVANE_PREFS_DEFAULT));
        defaults.open(QIODevice::ReadOnly);
        folder.write(defaults.readAll());
        calendar = std::make_unique<TCalendar>(services, gate, preferences);
        home = std::make_unique<THome>(services, gate, preferences);
        calendar->setHome(home.get());
        calendar->FormActivate();
        // The window's own timer would tick during a benchmark's event processing; the benchmark ticks by itself.
        calendar->findChild<QTimer*>(QStringLiteral("Timer1"))->stop();
        // Past the report's hold, today's report runs once more and the countdown rests.
        for (int tick = 0; tick <= DayReport::ReportHoldTicks; ++tick)
            calendar->Timer1Timer();
    }
    ~BenchWindow()
    {
        calendar->setHome(nullptr);
        home.reset();
        calendar.reset();
    }

    FakeWorld world;
    Services services;
    TempPrefsDir folder;
    BoxGate gate;
    PrefsStore preferences;
    std::unique_ptr<TCalendar> calendar;
    std::unique_ptr<THome> home;
};

} // namespace bench
