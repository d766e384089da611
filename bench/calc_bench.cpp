// computePointing (the three texts of a table row) beside the same formulas
// on the C library's long double functions and snprintf.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>

#include "calc/pointing.h"

namespace {

const long double Satellites[] = {105.5L, 125.0L, 57.0L,  180.0L, 116.46L, -60.0L,
                                  76.5L,  87.5L,  100.5L, 134.0L, 138.0L,  166.0L};
constexpr std::size_t Count = sizeof Satellites / sizeof Satellites[0];

void computePointingRow(benchmark::State& state) {
    ReceivingSite site;
    site.longitude = 116.46L;
    site.latitude = 39.92L;
    PointingResult result;
    std::size_t k = 0;
    for (auto _ : state) {
        computePointing(Satellites[k], site, result);
        benchmark::DoNotOptimize(result);
        k = (k + 1) % Count;
    }
}
BENCHMARK(computePointingRow);

constexpr long double Pi = 3.14159265358979323846264338327950288L;

void cLibraryRow(benchmark::State& state) {
    const long double siteLongitude = 116.46L;
    const long double latitude = 39.92L;
    PointingResult result;
    std::size_t k = 0;
    for (auto _ : state) {
        const long double delta = (Satellites[k] - siteLongitude) * Pi / 180;
        const long double phi = latitude * Pi / 180;
        const long double c = std::cos(delta) * std::cos(phi);
        const long double elevation =
            std::atan((c - RadiusRatio) / std::sqrt(1 - c * c)) / Pi * 180;
        const long double azimuth = std::atan(std::tan(delta) / std::sin(phi)) / Pi * 180;
        const long double polarisation = std::atan(std::sin(delta) / std::tan(phi)) / Pi * 180;
        std::snprintf(result.elevationText, sizeof result.elevationText, "%.2Lf", elevation);
        std::snprintf(result.azimuthText, sizeof result.azimuthText, "%s%.2Lf%s",
                      azimuth < 0 ? "\xC4\xCF\xC6\xAB\xCE\xF7" : "\xC4\xCF\xC6\xAB\xB6\xAB",
                      std::fabs(azimuth), "\xB6\xC8");
        std::snprintf(result.polarisationText, sizeof result.polarisationText, "%.2Lf",
                      polarisation);
        benchmark::DoNotOptimize(result);
        k = (k + 1) % Count;
    }
}
BENCHMARK(cLibraryRow);

}  // namespace
