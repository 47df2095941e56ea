// The marks on the year grid: a year's moments computed, and the twelve calendars filled and drawn offscreen with
// the marks off and on (the marks of the year already known, as once its worker is done).
#include "BenchMain.h"
#include "BenchWindow.h"
#include "app/CalendarNames.h"
#include "app/YearView.h"
#include "astro/YearMarks.h"
#include <QCoreApplication>
#include <QImage>
#include <QPainter>

namespace {

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

} // namespace

int main(int argc, char** argv)
{
    return bench::runBenchmarks(argc, argv);
}
