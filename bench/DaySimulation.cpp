// SPDX-License-Identifier: GPL-3.0-or-later
// Twenty-four hours of the idle window on the fake clock, in Berlin from 23:30 on 29 March 2025: across midnight,
// across the night the clocks go forward (30 March has 23 hours) and across the next midnight. A day is clicked first
// so the timer brings today's report back once. Time is virtual: the fake clock jumps straight to whichever of the
// window's timers is due, and each firing counts as one wake-up. Prints the wake-ups so far and VmRSS every four
// simulated hours, and what the day's end shows.
#include "BenchWindow.h"
#include "shared/CalendarNames.h"
#include "system/DayWatch.h"
#include <QApplication>
#include <QCoreApplication>
#include <QLabel>
#include <QTextCharFormat>
#include <cstdio>
#include <ctime>

namespace {
long residentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).simplified().split(' ').value(0).toLong();
    return -1;
}
} // namespace

int main(int argc, char** argv)
{
    qputenv("TZ", "Europe/Berlin");
    tzset();
    QApplication application(argc, argv);
    const QDateTime start(QDate(2025, 3, 29), QTime(23, 30));
    bench::BenchWindow window(nullptr, start);
    TCalendar& calendar = *window.calendar;
    FakeClock& clock = window.world.clock;
    auto* timer1 = calendar.findChild<QTimer*>(QStringLiteral("Timer1"));
    auto* midnight = calendar.findChild<QTimer*>(QStringLiteral("MidnightTimer"));
    long realTimer1 = 0;
    QObject::connect(timer1, &QTimer::timeout, [&realTimer1] { ++realTimer1; });
    auto* watch = calendar.findChild<DayWatch*>(names::DayWatch);
    calendar.show();
    watch->look();
    auto* march = calendar.findChild<TMonthCalendar*>(names::MonthCalendar(3));
    march->setDate(rt::fromQDate(QDate(2025, 3, 20)));
    // The calendar's click, as a click on the day gives it.
    emit march->OnClick(march);
    QCoreApplication::processEvents();

    const qint64 day = 24LL * 3600 * 1000;
    const qint64 fourHours = 4LL * 3600 * 1000;
    const long startKb = residentKb();
    long ticks = 0, midnights = 0;
    qint64 elapsed = 0;
    qint64 midnightDue = midnight->isActive() ? midnight->interval() : -1;
    qint64 nextSample = fourHours;
    long maxKb = startKb;
    const auto sample = [&](qint64 hours) {
        const long kb = residentKb();
        maxKb = std::max(maxKb, kb);
        std::printf("elapsed_h=%lld clock=%s wakeups=%ld (ticks %ld, midnights %ld) VmRSS_kB=%ld\n", hours,
                    qPrintable(clock.now().toString(Qt::ISODateWithMs)), ticks + midnights + realTimer1,
                    ticks + realTimer1, midnights, kb);
    };
    sample(0);
    while (elapsed < day) {
        qint64 due = nextSample;
        if (timer1->isActive())
            due = std::min(due, elapsed + timer1->interval());
        else if (midnightDue >= 0)
            due = std::min(due, midnightDue);
        due = std::min(due, day);
        clock.advance(due - elapsed);
        elapsed = due;
        if (timer1->isActive() && due < nextSample) {
            calendar.Timer1Timer();
            ++ticks;
        } else if (!timer1->isActive() && due == midnightDue) {
            watch->look();
            ++midnights;
            midnightDue = midnight->isActive() ? elapsed + midnight->interval() : -1;
            std::printf("midnight wake-up at %s, next in %.3f h\n", qPrintable(clock.now().toString(Qt::ISODateWithMs)),
                        midnight->interval() / 3600000.0);
        }
        // The event loop runs after each wake-up: the restore check, repaints and deferred work do not pile up.
        QCoreApplication::processEvents();
        if (elapsed >= nextSample || elapsed >= day) {
            sample(elapsed / 3600000);
            nextSample += fourHours;
        }
    }
    const QDate today = clock.now().date();
    std::printf("start_kB=%ld end_kB=%ld max_kB=%ld growth_kB=%ld wakeups=%ld timer1_ticks=%ld midnight_wakeups=%ld "
                "countdown=%d timer1_active=%d today_marked=%d title1=%s\n",
                startKb, residentKb(), maxKb, residentKb() - startKb, ticks + midnights + realTimer1,
                ticks + realTimer1, midnights, calendar.dayReport().countdown(), timer1->isActive() ? 1 : 0,
                march->today() == today ? 1 : 0,
                qPrintable(calendar.findChild<QLabel*>(QStringLiteral("Panel30"))->text()));
    return 0;
}
