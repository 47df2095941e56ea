#pragma once
// Dorvane's main window and Parameters dialog over fakes, with the default preferences in a folder of their own,
// activated once and with the report countdown at rest: the state the window idles in.
#include "app/SystemServices.h"
#include "app/TCalendar.h"
#include "controls/TMonthCalendar.h"
#include "dialog/THome.h"
#include "support/Fakes.h"
#include "support/TempPrefsDir.h"
#include <QFile>
#include <QTimer>
#include <memory>

namespace bench {

struct BenchWindow
{
    // clock: the fake clock when null, so a run is the same every time; a SystemClock for the tick as it runs.
    explicit BenchWindow(Clock* clock = nullptr, const QDateTime& start = QDateTime(QDate(2024, 5, 15), QTime(10, 30)))
        : services{clock ? *clock : world.clock, world.prompter, world.pointer}
    {
        world.clock.set(start);
        QFile defaults(QStringLiteral(DORVANE_PREFS_DEFAULT));
        defaults.open(QIODevice::ReadOnly);
        folder.write(defaults.readAll());
        calendar = std::make_unique<TCalendar>(services);
        home = std::make_unique<THome>(services, folder.path(), calendar.get(), calendar->PrefsFlags);
        calendar->setHome(home.get());
        calendar->FormActivate();
        calendar->SunRecalcCountdown = -1;
        // The window's own timer would tick during a benchmark's event processing; the benchmark ticks by itself.
        calendar->Timer1->stop();
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
    std::unique_ptr<TCalendar> calendar;
    std::unique_ptr<THome> home;
};

} // namespace bench
