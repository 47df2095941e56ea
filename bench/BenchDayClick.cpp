// SPDX-License-Identifier: GPL-3.0-or-later
// A day click to the report shown: the click handler after the calendar has moved its selection, which resets the
// other calendars, writes the Julian caption and hint, and computes and shows the sun and moon report.
#include "BenchMain.h"
#include "BenchWindow.h"
#include "daypanel/DayPictureView.h"
#include "daypanel/SkyWarmUp.h"
#include "year/YearView.h"
#include "yearchart/YearChartWindow.h"
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <ctime>

namespace {

// Calendar n shows month n of the year (2024 unless moved); the clicked day walks through the month so no two reports
// in a row are alike.
void clickNextDay(TCalendar& calendar, int n, int& day, int year = 2024)
{
    const QDate date(year, n, day);
    auto* month = calendar.findChild<TMonthCalendar*>(QStringLiteral("MonthCalendar%1").arg(n));
    month->setDate(rt::fromQDate(date));
    // The calendar's click, as a click on the day gives it.
    emit month->OnClick(month);
    day = day % 28 + 1;
}

void BM_DayClick(benchmark::State& run)
{
    bench::BenchWindow window;
    TCalendar& calendar = *window.calendar;
    const int n = int(run.range(0));
    int day = 1;
    for (auto _ : run)
        clickNextDay(calendar, n, day);
    if (!window.world.prompter.boxes.isEmpty())
        run.SkipWithError("a report opened a box");
    run.SetItemsProcessed(run.iterations());
}
BENCHMARK(BM_DayClick)->Arg(3)->Arg(11)->Unit(benchmark::kMicrosecond);

// The same with the window shown (offscreen) and the repaint the click causes processed, as the user sees it.
void BM_DayClickPainted(benchmark::State& run)
{
    bench::BenchWindow window;
    TCalendar& calendar = *window.calendar;
    calendar.show();
    QCoreApplication::processEvents();
    int day = 1;
    for (auto _ : run) {
        clickNextDay(calendar, 3, day);
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
    run.SetItemsProcessed(run.iterations());
}
BENCHMARK(BM_DayClickPainted)->Unit(benchmark::kMicrosecond);
// Fixed counts for callgrind: the difference of the two runs' instructions is the cost of 100 clicks, the window's
// construction left out.
BENCHMARK(BM_DayClickPainted)->Iterations(20)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DayClickPainted)->Iterations(120)->Unit(benchmark::kMicrosecond);

// The click with the Day panel open: the panel's sky for the day (cached positions of neighbouring days reused)
// and its lines.
void BM_DayClickWithPanel(benchmark::State& run)
{
    bench::BenchWindow window;
    TCalendar& calendar = *window.calendar;
    calendar.openDayPanel();
    int day = 1;
    for (auto _ : run)
        clickNextDay(calendar, int(run.range(0)), day);
    run.SetItemsProcessed(run.iterations());
}
BENCHMARK(BM_DayClickWithPanel)->Arg(3)->Unit(benchmark::kMicrosecond);

// A day far from the last, each time: at once after opening the panel (0), or once its idle steps have prepared the
// year shown (1).
void BM_DayClickWithPanelFarDays(benchmark::State& run)
{
    bench::BenchWindow window;
    TCalendar& calendar = *window.calendar;
    calendar.openDayPanel();
    if (run.range(0) == 1) {
        const auto* warmUp = calendar.findChild<SkyWarmUp*>();
        QElapsedTimer preparation;
        preparation.start();
        while (warmUp->running())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        run.counters["preparation_ms"] = double(preparation.elapsed());
    }
    int n = 1, day = 1;
    for (auto _ : run) {
        clickNextDay(calendar, n, day);
        n = n % 12 + 1;
    }
    run.SetItemsProcessed(run.iterations());
}
BENCHMARK(BM_DayClickWithPanelFarDays)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

double cpuMs()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

// With the panel open, the grid moved to a year as the year entry moves it: the CPU its idle preparation takes
// (stopped after a minute when it does not end), then far days of that year clicked.
void BM_DayPanelInYear(benchmark::State& run)
{
    const int year = int(run.range(0));
    bench::BenchWindow window;
    TCalendar& calendar = *window.calendar;
    calendar.openDayPanel();
    const auto* warmUp = calendar.findChild<SkyWarmUp*>();
    while (warmUp->running())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    constexpr double GiveUpMs = 60000;
    const double before = cpuMs();
    // As the year entry does: the first calendar, then the window fills the others from it.
    calendar.findChild<YearView*>()->showYear(year);
    calendar.FormActivate();
    QCoreApplication::processEvents();
    while (warmUp->running() && cpuMs() - before < GiveUpMs)
        QCoreApplication::processEvents();
    run.counters["preparation_cpu_ms"] = cpuMs() - before;
    run.counters["preparation_ended"] = warmUp->running() ? 0 : 1;
    int n = 1, day = 1;
    for (auto _ : run) {
        clickNextDay(calendar, n, day, year);
        n = n % 12 + 1;
    }
    run.SetItemsProcessed(run.iterations());
}
BENCHMARK(BM_DayPanelInYear)->Arg(1700)->Arg(2026)->Arg(3000)->Iterations(200)->Unit(benchmark::kMicrosecond);

} // namespace

// The Day panel's picture of a day, its heights read and drawn at twice a panel's size, on days of a prepared year at
// Berlin.
void BM_DayPicture(benchmark::State& run)
{
    const SkyPlace place{52.52, 13.41, [](double) { return 1.0; }};
    SkyCalculator sky;
    while (sky.prepareStep(QDate(2025, 12, 25), QDate(2027, 1, 7))) {
    }
    // The days' own sky is the panel's text's, computed before.
    std::vector<DaySky> days;
    for (int i = 0; i < 12; ++i)
        days.push_back(sky.dayAt(QDate(2026, i + 1, 1 + 2 * i), place));
    QImage image(720, 374, QImage::Format_ARGB32_Premultiplied);
    std::size_t i = 0;
    for (auto _ : run) {
        const DaySky& daySky = days[i++ % days.size()];
        QPainter painter(&image);
        paintDayPicture(painter, QRectF(image.rect()),
                        dayPictureOf(sky, daySky, place, true, QLocale::c(), std::optional<double>()));
    }
}
BENCHMARK(BM_DayPicture)->Unit(benchmark::kMicrosecond);

// The daylight chart of a year at Berlin as the window opens it: the year's sun computed on a calculator new to the
// place, then drawn at the window's size.
void BM_YearChart(benchmark::State& run)
{
    const SkyPlace place{52.52, 13.41, [](double) { return 1.0; }};
    QImage image(760, 380, QImage::Format_ARGB32_Premultiplied);
    int year = 2026;
    for (auto _ : run) {
        SkyCalculator sky;
        const YearChartContent content = yearChartOf(sky, year, place, true, QLocale::c());
        QPainter painter(&image);
        paintYearChart(painter, QRectF(image.rect()), content);
        year = year == 2030 ? 2026 : year + 1;
    }
}
BENCHMARK(BM_YearChart)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    return bench::runBenchmarks(argc, argv);
}
