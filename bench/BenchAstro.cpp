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

} // namespace

BENCHMARK_MAIN();
