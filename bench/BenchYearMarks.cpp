// SPDX-License-Identifier: GPL-3.0-or-later
// The marks on the year grid: a year's moments computed, and the twelve calendars filled and drawn offscreen with
// the marks off and on (the marks of the year already known, as once its worker is done).
#include "BenchMain.h"
#include "BenchWindow.h"
#include "astro/Eclipses.h"
#include "astro/YearMarks.h"
#include "shared/CalendarNames.h"
#include "year/YearView.h"
#include "yourcalendars/YourCalendars.h"
#include "yourdays/YourDays.h"
#include "yourholidays/ShownHolidays.h"
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTableView>
#include <QTemporaryDir>
#include <QThread>

namespace {

constexpr int QuarterSecondMs = 250;

SkyPlace sixHoursWest()
{
    SkyPlace place;
    place.offsetHoursAt = [](double) { return -6.0; };
    return place;
}

void BM_YearMarksOfYear(benchmark::State& run)
{
    const SkyPlace place = sixHoursWest();
    int year = 1900;
    for (auto _ : run) {
        benchmark::DoNotOptimize(yearMarksOf(year, place));
        year = year == 2100 ? 1900 : year + 1;
    }
    run.SetItemsProcessed(run.iterations());
}
BENCHMARK(BM_YearMarksOfYear)->Unit(benchmark::kMillisecond);

// The part of a year's marks from Astronomy Engine: the year's eclipses, and its perigees and apogees, in 1700, 2026
// and 3000.
void BM_YearEclipsesAndApsides(benchmark::State& run)
{
    const double start = double(QDate(int(run.range(0)), 1, 1).toJulianDay()) - 0.5;
    for (auto _ : run) {
        benchmark::DoNotOptimize(sky::eclipsesBetween(start, start + 365));
        benchmark::DoNotOptimize(sky::moonApsidesBetween(start, start + 365));
    }
}
BENCHMARK(BM_YearEclipsesAndApsides)->ArgName("year")->Arg(1700)->Arg(2026)->Arg(3000)->Unit(benchmark::kMillisecond);

// Kept out of line, so callgrind can count one fill and drawing: --toggle-collect=fillAndDrawYear.
Q_NEVER_INLINE void fillAndDrawYear(TCalendar& calendar, YearView& year, QImage& image, int step)
{
    year.step(step);
    QPainter painter(&image);
    calendar.render(&painter);
}

void BM_YearFilledAndDrawn(benchmark::State& run)
{
    bench::BenchWindow window;
    TCalendar& calendar = *window.calendar;
    auto* year = calendar.findChild<YearView*>(names::YearView);
    year->setMarksShown(run.range(0) != 0);
    QImage image(calendar.size(), QImage::Format_ARGB32_Premultiplied);
    // Two years back and forth, their marks computed (on a worker thread) before the measure.
    int step = -1;
    fillAndDrawYear(calendar, *year, image, +1);
    fillAndDrawYear(calendar, *year, image, -1);
    calendar.show();
    while (year->marksShown() && !(year->marksKnown(2024) && year->marksKnown(2025)))
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
    for (auto _ : run) {
        step = -step;
        fillAndDrawYear(calendar, *year, image, step);
    }
    run.SetItemsProcessed(run.iterations());
}
BENCHMARK(BM_YearFilledAndDrawn)->ArgName("marks")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// Counts the paints of a window's widgets: the calendars' months and cells the window repaints.
struct PaintCount : QObject
{
    explicit PaintCount(QWidget& window) : m_window(window) { qApp->installEventFilter(this); }
    ~PaintCount() override { qApp->removeEventFilter(this); }
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && watched->isWidgetType() &&
            (watched == &m_window || m_window.isAncestorOf(static_cast<QWidget*>(watched))))
            ++count;
        return false;
    }
    QWidget& m_window;
    int count = 0;
};

// A step to the next or previous year with that many calendar files listed (each of 20 events a month apart): the
// files of the year after it read behind it on the worker, and the window's own repaints of what changed, until all
// are read and shown. With a pause, each step begins that long after the one before, as a person's steps do.
void yearSteps(benchmark::State& run, int files, int pauseMs)
{
    bench::BenchWindow window;
    TCalendar& calendar = *window.calendar;
    auto* year = calendar.findChild<YearView*>(names::YearView);
    QTemporaryDir dir;
    QStringList paths;
    for (int file = 0; file < files; ++file) {
        QByteArray text = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\n";
        for (int i = 0; i < 20; ++i)
            text += "BEGIN:VEVENT\r\nUID:e" + QByteArray::number(i) + "\r\nDTSTART;VALUE=DATE:2020" +
                    QByteArray::number(1 + i % 12).rightJustified(2, '0') + "1" + QByteArray::number(i % 10) +
                    "\r\nRRULE:FREQ=YEARLY\r\nSUMMARY:Event\r\nEND:VEVENT\r\n";
        text += "END:VCALENDAR\r\n";
        const QString path = dir.filePath(QStringLiteral("c%1.ics").arg(file));
        QFile out(path);
        out.open(QIODevice::WriteOnly);
        out.write(text);
        paths.append(path);
    }
    QImage image(calendar.size(), QImage::Format_ARGB32_Premultiplied);
    YourCalendars& calendars = *calendar.calendars();
    // The window shown (offscreen) repaints what its calendars mark as changed, as on a screen; its paints are counted.
    PaintCount paints(calendar);
    calendar.show();
    calendars.choose(paths);
    const auto settle = [&] {
        // Read, told, and painted; waiting for the worker costs no time of the process.
        while (calendars.files().reading())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        for (int i = 0; i < 3; ++i)
            QCoreApplication::processEvents();
    };
    // A year's step: in the compact view a step is a month.
    const TDateTime before = year->date(1);
    year->step(1);
    const int stepsOfAYear = year->date(1) - before < 100 ? 12 : 1;
    year->step(-1);
    fillAndDrawYear(calendar, *year, image, 0);
    settle();
    int step = -stepsOfAYear;
    paints.count = 0;
    QElapsedTimer paced;
    for (auto _ : run) {
        paced.start();
        step = -step;
        fillAndDrawYear(calendar, *year, image, step);
        // The grid's question for each of its cells, as its months ask when they paint.
        const QDate first = QDate(1899, 12, 30).addDays(qint64(year->date(1)));
        for (int cell = -6; cell < 12 * 31 + 12; ++cell)
            benchmark::DoNotOptimize(calendars.hasEvents(first.addDays(cell)));
        settle();
        // Resting costs the window's thread no time.
        if (const qint64 left = pauseMs - paced.elapsed(); left > 0)
            QThread::msleep(static_cast<unsigned long>(left));
    }
    run.counters["paints"] = benchmark::Counter(double(paints.count), benchmark::Counter::kAvgIterations);
    const QList<IcsOutcome> outcomes = calendars.files().outcomes();
    run.counters["readFiles"] = double(std::count_if(
        outcomes.cbegin(), outcomes.cend(), [](const IcsOutcome& o) { return o.kind == IcsOutcome::Kind::Read; }));
}
void BM_YearStepWithCalendars(benchmark::State& run)
{
    yearSteps(run, int(run.range(0)), 0);
}
// CPU: the window's thread alone (the step, the grid's questions, its repaints); process_time: with the worker's
// reading of the files. Back to back, a step without files finds the window's thread as warm as the step before
// left it, while one with files follows a rest of the thread's while the worker reads: see the paced ones below.
BENCHMARK(BM_YearStepWithCalendars)->ArgName("files")->Arg(0)->Arg(100)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_YearStepWithCalendars)
    ->ArgName("files")
    ->Arg(0)
    ->Arg(100)
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMillisecond);
// Fixed counts for callgrind, as for the day click: two runs' difference is the cost of 20 steps.
BENCHMARK(BM_YearStepWithCalendars)->ArgName("files")->Arg(0)->Arg(100)->Iterations(4);
BENCHMARK(BM_YearStepWithCalendars)->ArgName("files")->Arg(0)->Arg(100)->Iterations(24);

// The same steps a quarter of a second apart, as a person steps: with or without files, each step begins after the
// window's thread has rested, so the files' own cost is what differs.
void BM_YearStepPaced(benchmark::State& run)
{
    yearSteps(run, int(run.range(0)), QuarterSecondMs);
}
BENCHMARK(BM_YearStepPaced)->ArgName("files")->Arg(0)->Arg(100)->Iterations(40)->Unit(benchmark::kMillisecond);

// A calendar file of your own with that many marked days in a folder of its own, the program's data folder while
// it lives.
struct OwnDaysFolder
{
    explicit OwnDaysFolder(qint64 count)
    {
        qputenv("XDG_DATA_HOME", data.path().toUtf8());
        QDir().mkpath(data.filePath(QStringLiteral("dorvane")));
        if (count > 0) {
            QByteArray text = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Bench//EN\r\n";
            const QDate start(2020, 1, 1);
            for (int i = 0; i < count; ++i) {
                const QDate first = start.addDays((i * 7919) % 4018);
                const int length = i % 5 == 0 ? 1 + i % 9 : 1;
                text +=
                    "BEGIN:VEVENT\r\nUID:d" + QByteArray::number(i) + "\r\nDTSTAMP:20240101T000000Z\r\n" +
                    "DTSTART;VALUE=DATE:" + first.toString(QStringLiteral("yyyyMMdd")).toLatin1() +
                    "\r\nDTEND;VALUE=DATE:" + first.addDays(length).toString(QStringLiteral("yyyyMMdd")).toLatin1() +
                    (i % 50 == 0 ? "\r\nRRULE:FREQ=YEARLY" : "") + "\r\nSUMMARY:Day " + QByteArray::number(i) +
                    "\r\nCATEGORIES:" +
                    (i % 3 == 0   ? "Trip"
                     : i % 3 == 1 ? "Work"
                                  : "Personal") +
                    "\r\nEND:VEVENT\r\n";
            }
            QFile out(data.filePath(QStringLiteral("dorvane/your-days.ics")));
            out.open(QIODevice::WriteOnly);
            out.write(text + "END:VCALENDAR\r\n");
        }
    }
    ~OwnDaysFolder() { qunsetenv("XDG_DATA_HOME"); }
    QTemporaryDir data;
};

// The user's marked days: a year drawn with that many of them in their calendar file (single days, ranges of a few
// days and yearly days over 2020 to 2030, some two or three on a day), against the same year without.
void BM_YearDrawnWithOwnDays(benchmark::State& run)
{
    OwnDaysFolder folder(run.range(0));
    bench::BenchWindow window;
    TCalendar& calendar = *window.calendar;
    auto* year = calendar.findChild<YearView*>(names::YearView);
    QImage image(calendar.size(), QImage::Format_ARGB32_Premultiplied);
    int step = -1;
    fillAndDrawYear(calendar, *year, image, +1);
    fillAndDrawYear(calendar, *year, image, -1);
    calendar.show();
    while (!(year->marksKnown(2024) && year->marksKnown(2025)))
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
    for (auto _ : run) {
        step = -step;
        fillAndDrawYear(calendar, *year, image, step);
    }
}
BENCHMARK(BM_YearDrawnWithOwnDays)->ArgName("days")->Arg(0)->Arg(10000)->Unit(benchmark::kMillisecond);
// Fixed counts for callgrind: two runs' difference is the cost of 20 steps.
BENCHMARK(BM_YearDrawnWithOwnDays)->ArgName("days")->Arg(0)->Arg(10000)->Iterations(4);
BENCHMARK(BM_YearDrawnWithOwnDays)->ArgName("days")->Arg(0)->Arg(10000)->Iterations(24);

// The window shown with its year's marks, and its marked days.
OwnDays& daysOfShownWindow(bench::BenchWindow& window)
{
    TCalendar& calendar = *window.calendar;
    auto* year = calendar.findChild<YearView*>(names::YearView);
    calendar.show();
    while (!year->marksKnown(2024))
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
    return calendar.findChild<YourDays*>()->days();
}

// A day marked and unmarked in a shown window with that many marked days: the model's change, the year's bars laid
// again and the months whose bars changed repainted; the save itself is the worker's.
void BM_MarkInTheWindow(benchmark::State& run)
{
    OwnDaysFolder folder(run.range(0));
    bench::BenchWindow window;
    OwnDays& days = daysOfShownWindow(window);
    OwnDay day;
    day.title = QStringLiteral("Lisbon");
    day.category = QStringLiteral("trip");
    day.first = QDate(2024, 6, 10);
    day.last = QDate(2024, 6, 14);
    for (auto _ : run) {
        const QString uid = days.add(day);
        QCoreApplication::processEvents();
        days.remove(uid);
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_MarkInTheWindow)->ArgName("days")->Arg(0)->Arg(10000)->Unit(benchmark::kMillisecond);

// A category renamed in the shown window and named back, each a change of a third of the days: the model's work and
// the grid's, until the window is idle again.
void BM_CategoryRenamedInTheWindow(benchmark::State& run)
{
    OwnDaysFolder folder(run.range(0));
    bench::BenchWindow window;
    OwnDays& days = daysOfShownWindow(window);
    const QList<Category> named = days.categories();
    QList<Category> renamed = named;
    renamed[0].name += QStringLiteral(" abroad");
    for (auto _ : run) {
        days.setCategories(renamed);
        QCoreApplication::processEvents();
        days.setCategories(named);
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_CategoryRenamedInTheWindow)->ArgName("days")->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

// Holidays of a region turned on in a shown window, until the year's holidays are read on the worker and painted:
// wall time, as the user waits for them. Each turn starts from holidays off, the country's file forgotten.
void BM_HolidaysTurnedOn(benchmark::State& run)
{
    bench::BenchWindow window;
    TCalendar& calendar = *window.calendar;
    calendar.show();
    // Until the year shown (2024) is read and its repaint done; the grid asks for it as it paints.
    const auto settle = [&calendar] {
        ShownHolidays& holidays = calendar.holidays();
        do
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
        while (!holidays.idle() || (holidays.shown() && !holidays.statusOf(2024)));
        for (int i = 0; i < 3; ++i)
            QCoreApplication::processEvents();
    };
    settle();
    const QString area = QString::fromLatin1(run.range(0) == 0 ? "DE-BY" : "US-TX");
    PaintCount paints(calendar);
    for (auto _ : run) {
        calendar.setHolidays({true, area, false, false});
        settle();
        run.PauseTiming();
        calendar.setHolidays({false, area, false, false});
        settle();
        run.ResumeTiming();
    }
    run.counters["paints"] = benchmark::Counter(double(paints.count), benchmark::Counter::kAvgIterations);
    calendar.setHolidays({true, area, false, false});
    settle();
    if (calendar.holidays().namesOn(QDate(2024, 12, 25)).isEmpty())
        run.SkipWithError("the holidays were not shown");
}
// 0: Bavaria, 1: Texas.
BENCHMARK(BM_HolidaysTurnedOn)->ArgName("area")->Arg(0)->Arg(1)->UseRealTime()->Unit(benchmark::kMillisecond);

// A year step with a region's holidays shown (both years already read), against the same step without.
void BM_YearDrawnWithHolidays(benchmark::State& run)
{
    bench::BenchWindow window;
    TCalendar& calendar = *window.calendar;
    auto* year = calendar.findChild<YearView*>(names::YearView);
    if (run.range(0) != 0)
        calendar.setHolidays({true, QStringLiteral("DE-BY"), true, true});
    QImage image(calendar.size(), QImage::Format_ARGB32_Premultiplied);
    int step = -1;
    fillAndDrawYear(calendar, *year, image, +1);
    fillAndDrawYear(calendar, *year, image, -1);
    calendar.show();
    ShownHolidays& holidays = calendar.holidays();
    while (!(year->marksKnown(2024) && year->marksKnown(2025)) ||
           (holidays.shown() && !(holidays.statusOf(2024) && holidays.statusOf(2025))))
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
    for (auto _ : run) {
        step = -step;
        fillAndDrawYear(calendar, *year, image, step);
    }
}
BENCHMARK(BM_YearDrawnWithHolidays)->ArgName("holidays")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
// Fixed counts for callgrind: two runs' difference is the cost of 20 steps.
BENCHMARK(BM_YearDrawnWithHolidays)->ArgName("holidays")->Arg(0)->Arg(1)->Iterations(4);
BENCHMARK(BM_YearDrawnWithHolidays)->ArgName("holidays")->Arg(0)->Arg(1)->Iterations(24);

} // namespace

int main(int argc, char** argv)
{
    return bench::runBenchmarks(argc, argv);
}
