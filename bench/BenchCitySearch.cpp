// SPDX-License-Identifier: GPL-3.0-or-later
#include "places/CitySearch.h"
#include "places/CitySources.h"
#include "prefs/MachineDefault.h"
#include <benchmark/benchmark.h>

// The city search of the Parameters dialog: what loading the cities costs (paid once, on a worker thread, from the
// dialog's first showing), and how long a typed text waits for its matches.
namespace {

const std::vector<City>& databaseCities()
{
    static const std::vector<City> cities = places::databaseCities();
    return cities;
}

const std::vector<City>& tableCities()
{
    static const std::vector<City> cities = places::zoneTableCities(prefs::systemZoneTables());
    return cities;
}

void BM_LoadDatabaseCities(benchmark::State& run)
{
    std::size_t count = 0;
    for (auto _ : run) {
        const CityIndex index(places::databaseCities());
        count = index.size();
        benchmark::DoNotOptimize(count);
    }
    run.counters["cities"] = double(count);
}
BENCHMARK(BM_LoadDatabaseCities)->Unit(benchmark::kMillisecond);

void BM_LoadZoneTableCities(benchmark::State& run)
{
    std::size_t count = 0;
    for (auto _ : run) {
        const CityIndex index(places::zoneTableCities(prefs::systemZoneTables()));
        count = index.size();
        benchmark::DoNotOptimize(count);
    }
    run.counters["cities"] = double(count);
}
BENCHMARK(BM_LoadZoneTableCities)->Unit(benchmark::kMillisecond);

// A 4-letter text over the loaded database: what each keystroke costs once the load is done.
void BM_FirstMatches4Letters(benchmark::State& run, const char* typed, bool database)
{
    const CityIndex index(database ? databaseCities() : tableCities());
    const QString text = QString::fromUtf8(typed);
    for (auto _ : run)
        benchmark::DoNotOptimize(index.matches(text));
}
BENCHMARK_CAPTURE(BM_FirstMatches4Letters, berl_database, "berl", true)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_FirstMatches4Letters, sao_p_database, "são p", true)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_FirstMatches4Letters, xqzw_database, "xqzw", true)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_FirstMatches4Letters, berl_zone_tables, "berl", false)->Unit(benchmark::kMicrosecond);

// The worst first keystroke: typed the moment the dialog shows, it waits for the whole load.
void BM_ColdFirstKeystroke(benchmark::State& run)
{
    for (auto _ : run) {
        CitySearch search;
        search.start();
        benchmark::DoNotOptimize(search.matches(QStringLiteral("berl")));
    }
}
BENCHMARK(BM_ColdFirstKeystroke)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
