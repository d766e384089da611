// The sun-outage search: one satellite's year from Beijing, and the year of
// every satellite of the built-in list, read as kestrave-cli reads it.
#include <benchmark/benchmark.h>

#include <vector>

#include "calc/recalculation.h"
#include "data/memory_satellite_table.h"
#include "data/satellite_catalogue.h"
#include "fieldkit/sun_outage.h"

namespace {

ReceivingSite beijing() {
    ReceivingSite site;
    site.longitude = 116.46L;
    site.latitude = 39.92L;
    return site;
}

std::vector<long double> builtInLongitudes() {
    MemorySatelliteTable table;
    fillSatelliteTable(table, DefaultCatalogue, DefaultCatalogueSize);
    std::vector<long double> longitudes;
    for (int row = 0; row < table.rowCount(); ++row) longitudes.push_back(rowLongitude(table, row));
    return longitudes;
}

void oneSatelliteYear(benchmark::State& state) {
    const ReceivingSite site = beijing();
    SunOutageRequest request;
    request.satelliteLongitude = 105.5L;
    for (auto _ : state) {
        SunOutageYear year = predictSunOutages(site, 2027, request);
        benchmark::DoNotOptimize(year);
    }
}
BENCHMARK(oneSatelliteYear)->Unit(benchmark::kMillisecond);

// The widest beam of the usual dishes: 0.45 m at C band, a month a season.
void oneSatelliteYearCBand(benchmark::State& state) {
    const ReceivingSite site = beijing();
    SunOutageRequest request;
    request.satelliteLongitude = 105.5L;
    request.dishDiameterM = 0.45L;
    request.frequencyHz = bandFrequencyHz(Band::C);
    for (auto _ : state) {
        SunOutageYear year = predictSunOutages(site, 2027, request);
        benchmark::DoNotOptimize(year);
    }
}
BENCHMARK(oneSatelliteYearCBand)->Unit(benchmark::kMillisecond);

void builtInListYear(benchmark::State& state) {
    const ReceivingSite site = beijing();
    const std::vector<long double> longitudes = builtInLongitudes();
    SunOutageRequest request;
    for (auto _ : state) {
        std::size_t days = 0;
        for (long double longitude : longitudes) {
            request.satelliteLongitude = longitude;
            days += predictSunOutages(site, 2027, request).days.size();
        }
        benchmark::DoNotOptimize(days);
    }
    state.counters["satellites"] = static_cast<double>(longitudes.size());
}
BENCHMARK(builtInListYear)->Unit(benchmark::kMillisecond);

void nextTwoSeasons(benchmark::State& state) {
    const ReceivingSite site = beijing();
    SunOutageRequest request;
    request.satelliteLongitude = 105.5L;
    for (auto _ : state) {
        NextSunOutageSeasons next = nextSunOutageSeasons(site, {2027, 11, 1}, request);
        benchmark::DoNotOptimize(next);
    }
}
BENCHMARK(nextTwoSeasons)->Unit(benchmark::kMillisecond);

void sunTrackOfADay(benchmark::State& state) {
    const ReceivingSite site = beijing();
    for (auto _ : state) {
        std::vector<SunTrackPoint> track = sunTrack(site, 0, {2027, 3, 5}, 480, 10);
        benchmark::DoNotOptimize(track);
    }
}
BENCHMARK(sunTrackOfADay)->Unit(benchmark::kMicrosecond);

}  // namespace
