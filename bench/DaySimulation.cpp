// Twenty-four hours of the idle window: the fake clock starts at 23:30 and moves 10 ms per tick for the first hour
// (360,000 ticks, across midnight), then one second per tick for the remaining 23 hours. A day is clicked first so the
// timer brings today's report back once. Prints VmRSS at the start, every four simulated hours and at the end.
#include "BenchWindow.h"
#include <QApplication>
#include <QCoreApplication>
#include <QLabel>
#include <cstdio>

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
    QApplication application(argc, argv);
    const QDateTime start(QDate(2024, 5, 15), QTime(23, 30));
    bench::BenchWindow window(nullptr, start);
    TCalendar& calendar = *window.calendar;
    FakeClock& clock = window.world.clock;
    calendar.show();
    calendar.findChild<TMonthCalendar*>(QStringLiteral("MonthCalendar5"))->setDate(rt::fromQDate(QDate(2024, 5, 20)));
    calendar.MonthCalendarClick(5);
    QCoreApplication::processEvents();

    const qint64 day = 24LL * 3600 * 1000;
    const qint64 fourHours = 4LL * 3600 * 1000;
    const long startKb = residentKb();
    std::printf("elapsed_h=0 ticks=0 clock=%s VmRSS_kB=%ld\n", qPrintable(clock.now().toString(Qt::ISODate)), startKb);
    long ticks = 0;
    qint64 elapsed = 0;
    qint64 nextReport = fourHours;
    long maxKb = startKb;
    while (elapsed < day) {
        const qint64 step = elapsed < 3600LL * 1000 ? 10 : 1000;
        clock.advance(step);
        elapsed += step;
        calendar.Timer1Timer();
        ++ticks;
        // The event loop runs between ticks: repaints and deferred work do not pile up.
        if (ticks % 100 == 0)
            QCoreApplication::processEvents();
        if (elapsed >= nextReport || elapsed >= day) {
            const long kb = residentKb();
            maxKb = std::max(maxKb, kb);
            std::printf("elapsed_h=%lld ticks=%ld clock=%s VmRSS_kB=%ld\n", elapsed / 3600000, ticks,
                        qPrintable(clock.now().toString(Qt::ISODate)), kb);
            nextReport += fourHours;
        }
    }
    std::printf("start_kB=%ld end_kB=%ld max_kB=%ld growth_kB=%ld countdown=%d title1=%s\n", startKb, residentKb(),
                maxKb, residentKb() - startKb, calendar.dayReport().countdown(),
                qPrintable(calendar.findChild<QLabel*>(QStringLiteral("Panel30"))->text()));
    return 0;
}
