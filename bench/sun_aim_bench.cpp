// Aiming by the sun: every moment of one day for every satellite of the
// current list, as kestrave-cli --sun-aim computes them (one day's sun cut
// once, then each satellite's azimuth), and one satellite alone, as the
// details window does.
#include <benchmark/benchmark.h>

#include <vector>

#include "bench/bench_site.h"
#include "calc/current_satellite_list.h"
#include "fieldkit/sun_aim.h"

namespace {

std::vector<long double> currentListLongitudes() {
    const SatelliteListFileResult current = parseCurrentSatelliteList();
    return listLongitudes(current.list.data(), current.list.size());
}

void currentListDay(benchmark::State& state) {
    const ReceivingSite site = beijing();
    const std::vector<long double> longitudes = currentListLongitudes();
    const CalendarDate date{2027, 3, 20};
    for (auto _ : state) {
        SunAimDay day(site, date, 480);
        for (const long double longitude : longitudes) {
            SunAimResult result = day.forSatellite(longitude);
            benchmark::DoNotOptimize(result);
        }
    }
    state.counters["satellites"] = static_cast<double>(longitudes.size());
}
BENCHMARK(currentListDay)->Unit(benchmark::kMillisecond);

void oneSatelliteDay(benchmark::State& state) {
    const ReceivingSite site = beijing();
    for (auto _ : state) {
        SunAimResult result = sunAimMoments(site, 105.5L, {2027, 3, 20}, 480);
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(oneSatelliteDay)->Unit(benchmark::kMillisecond);

}  // namespace
