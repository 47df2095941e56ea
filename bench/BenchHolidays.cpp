// SPDX-License-Identifier: GPL-3.0-or-later
#include "holidays/CountryHolidays.h"
#include <benchmark/benchmark.h>

// Holidays switched on: the country's file read from the built-in resources and the year's holidays made, as a
// worker does it once; then a year step, which asks the country already read.
namespace {
const QStringList Languages{QStringLiteral("de-de"), QStringLiteral("de")};
const holidays::Kinds AllKinds = holidays::Kind::Public | holidays::Kind::Bank | holidays::Kind::Observance;

void BM_HolidaysOn(benchmark::State& run, const char* area)
{
    const QString code = QString::fromLatin1(area);
    qsizetype days = 0;
    for (auto _ : run) {
        const holidays::YearHolidays year = holidays::holidaysOf(code, 2026, AllKinds, Languages);
        days = year.days.size();
        benchmark::DoNotOptimize(days);
    }
    run.counters["days"] = double(days);
}
BENCHMARK_CAPTURE(BM_HolidaysOn, Bavaria, "DE-BY")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_HolidaysOn, Texas, "US-TX")->Unit(benchmark::kMillisecond);

void BM_HolidayYearStep(benchmark::State& run)
{
    const holidays::CountryHolidays country = holidays::CountryHolidays::read(QStringLiteral("US"));
    int year = 1970;
    for (auto _ : run) {
        benchmark::DoNotOptimize(country.year(year, QStringLiteral("US-TX"), AllKinds, Languages).days.size());
        year = year == 2100 ? 1970 : year + 1;
    }
}
BENCHMARK(BM_HolidayYearStep)->Unit(benchmark::kMicrosecond);
} // namespace

BENCHMARK_MAIN();
