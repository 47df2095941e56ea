// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/DaySky.h"
#include "astro/MoonPhase.h"
#include "astro/SunReport.h"
#include "astro/SunRiseSet.h"
#include <benchmark/benchmark.h>

namespace {

void BM_SunRiseSet(benchmark::State& run)
{
    const FormatSettings settings;
    SunState state;
    for (auto _ : run) {
        state.SunLatitude = 40;
        state.SunLongitude = -75;
        state.SunZoneOffset = -5;
        state.SunEventKind = 1;
        benchmark::DoNotOptimize(SunRiseSet(state, QStringLiteral("06/21/2024"), 0, settings));
    }
    run.SetItemsProcessed(run.iterations());
}
BENCHMARK(BM_SunRiseSet);

void BM_SunReport(benchmark::State& run)
{
    const FormatSettings settings;
    SunState state;
    const SunReportInput input{29.57, 95.22, -6, 0, QStringLiteral("06/21/2024")};
    for (auto _ : run)
        benchmark::DoNotOptimize(computeSunReport(input, state, settings));
    run.SetItemsProcessed(run.iterations());
}
BENCHMARK(BM_SunReport);

void BM_MoonPhase(benchmark::State& run)
{
    int day = 1;
    for (auto _ : run) {
        benchmark::DoNotOptimize(moonPhase(2024, 6, day, 18, 0, 0, 0));
        day = day % 28 + 1;
    }
    run.SetItemsProcessed(run.iterations());
}
BENCHMARK(BM_MoonPhase);

void BM_MoonPicture(benchmark::State& run)
{
    long double phase = 0.05L;
    for (auto _ : run) {
        benchmark::DoNotOptimize(moonPictureFor(phase));
        phase = phase > 6.2L ? 0.05L : phase + 0.1L;
    }
    run.SetItemsProcessed(run.iterations());
}
BENCHMARK(BM_MoonPicture);

// The sky of a day at Berlin, one hour east of Greenwich all year.
SkyPlace berlin()
{
    return SkyPlace{52.52, 13.41, [](double) { return 1.0; }};
}

// Days two months and a week apart, so no two in a row share a position or a phase.
QDate farDay(int i)
{
    return QDate(2024, 1, 1).addDays((i * 67) % 366);
}

// A day with nothing computed before it: the first click of a year.
void BM_SkyDayCold(benchmark::State& run)
{
    const SkyPlace place = berlin();
    int i = 0;
    for (auto _ : run) {
        SkyCalculator sky;
        benchmark::DoNotOptimize(sky.dayAt(farDay(i++), place));
    }
    run.SetItemsProcessed(run.iterations());
}
BENCHMARK(BM_SkyDayCold)->Unit(benchmark::kMicrosecond);

// Far days of a year whose sky was prepared in idle steps beforehand.
void BM_SkyDayPrepared(benchmark::State& run)
{
    const SkyPlace place = berlin();
    SkyCalculator sky;
    while (sky.prepareStep(QDate(2023, 12, 25), QDate(2025, 1, 7))) {
    }
    int i = 0;
    for (auto _ : run)
        benchmark::DoNotOptimize(sky.dayAt(farDay(i++), place));
    run.SetItemsProcessed(run.iterations());
}
BENCHMARK(BM_SkyDayPrepared)->Unit(benchmark::kMicrosecond);

// A whole year prepared from nothing, as the Day panel's idle steps prepare the year shown, then far days of it.
void BM_SkyYearPreparation(benchmark::State& run)
{
    const int year = int(run.range(0));
    for (auto _ : run) {
        SkyCalculator sky;
        while (sky.prepareStep(QDate(year, 1, 1).addDays(-7), QDate(year, 12, 31).addDays(7))) {
        }
    }
    run.SetItemsProcessed(run.iterations());
}
BENCHMARK(BM_SkyYearPreparation)->Arg(1700)->Arg(2026)->Arg(3000)->Unit(benchmark::kMillisecond);

void BM_SkyDayInPreparedYear(benchmark::State& run)
{
    const int year = int(run.range(0));
    const SkyPlace place = berlin();
    SkyCalculator sky;
    while (sky.prepareStep(QDate(year, 1, 1).addDays(-7), QDate(year, 12, 31).addDays(7))) {
    }
    int i = 0;
    for (auto _ : run)
        benchmark::DoNotOptimize(sky.dayAt(QDate(year, 1, 1).addDays((i++ * 67) % 365), place));
    run.SetItemsProcessed(run.iterations());
}
BENCHMARK(BM_SkyDayInPreparedYear)->Arg(1700)->Arg(2026)->Arg(3000)->Unit(benchmark::kMicrosecond);

// One idle step of the preparation, the longest the window is held by it.
void BM_SkyPreparationStep(benchmark::State& run)
{
    SkyCalculator sky;
    int year = 2024;
    for (auto _ : run) {
        if (!sky.prepareStep(QDate(year, 1, 1), QDate(year, 12, 31)))
            ++year;
    }
    run.SetItemsProcessed(run.iterations());
}
BENCHMARK(BM_SkyPreparationStep)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
