// The sun-outage search: one satellite's year from Beijing, and the year of
// every satellite of the built-in list, read as kestrave-cli reads it; and
// what the details window prepares as it opens, with and without its outages.
#include <benchmark/benchmark.h>

#include <vector>

#include "bench/bench_site.h"
#include "fieldkit/details_outage.h"
#include "fieldkit/satellite_details.h"
#include "fieldkit/sun_outage_search.h"
#include "fieldkit/sun_track.h"

namespace {

// The year 2027 of 105.5 E with this dish and band.
void satelliteYear(benchmark::State& state, long double dishMetres, Band band) {
    const ReceivingSite site = beijing();
    SunOutageRequest request;
    request.satelliteLongitude = 105.5L;
    request.dishDiameterM = dishMetres;
    request.frequencyHz = bandFrequencyHz(band);
    for (auto _ : state) {
        SunOutageYear year = predictSunOutages(site, 2027, request);
        benchmark::DoNotOptimize(year);
    }
}

void oneSatelliteYear(benchmark::State& state) { satelliteYear(state, 0.6L, Band::Ku); }
BENCHMARK(oneSatelliteYear)->Unit(benchmark::kMillisecond);

// The widest beam of the usual dishes: 0.45 m at C band, a month a season.
void oneSatelliteYearCBand(benchmark::State& state) { satelliteYear(state, 0.45L, Band::C); }
BENCHMARK(oneSatelliteYearCBand)->Unit(benchmark::kMillisecond);

void builtInListYear(benchmark::State& state) {
    const ReceivingSite site = beijing();
    const std::vector<long double> longitudes =
        listLongitudes(DefaultCatalogue, DefaultCatalogueSize);
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

// What the details window prepared before it showed outages: the texts and
// the sky picture of the built-in list, for one row.
void detailsWindowPreparation(benchmark::State& state) {
    ReceivingSite site = beijing();
    MemorySatelliteTable table;
    fillSatelliteTable(table, DefaultCatalogue, DefaultCatalogueSize);
    ChangeFlags flags = 0;
    char description[SiteDescriptionCapacity];
    recalculateAll("", site, table, flags, description);
    for (auto _ : state) {
        SatelliteDetails details;
        prepareSatelliteDetails(table, 18, site, description, {2026, 12, 8}, details, Horizon());
        benchmark::DoNotOptimize(details.sky);
    }
}
BENCHMARK(detailsWindowPreparation)->Unit(benchmark::kMillisecond);

// What it adds at its opening and at each change of the dish or band: the
// next two seasons, their texts and the sun's track.
void detailsWindowOutage(benchmark::State& state) {
    const ReceivingSite site = beijing();
    SkyFrame frame;
    frame.sky = {56, 70, 976, 484};
    for (auto _ : state) {
        DetailsOutage outage;
        prepareDetailsOutage(site, 105.5L, {2026, 12, 8}, "0.6", Band::Ku, frame, outage);
        benchmark::DoNotOptimize(outage.sunTrack);
    }
}
BENCHMARK(detailsWindowOutage)->Unit(benchmark::kMillisecond);

}  // namespace
