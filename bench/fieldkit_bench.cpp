// The field kit's hot paths: the magnetic model at one site, the numbers of
// one satellite, and the sky picture of the built-in list laid out and
// written as SVG.
#include <benchmark/benchmark.h>

#include <cstring>
#include <string>
#include <vector>

#include "encoding/text_encoding.h"
#include "fieldkit/field_numbers.h"
#include "fieldkit/magnetic_model.h"
#include "fieldkit/sky_layout.h"
#include "fieldkit/sky_svg.h"

namespace {

ReceivingSite beijing() {
    ReceivingSite site;
    std::strcpy(site.name, "\xB1\xB1\xBE\xA9");  // 北京
    site.longitude = 116.46L;
    site.latitude = 39.92L;
    return site;
}

void magneticDeclination(benchmark::State& state) {
    double latitude = 39.92;
    for (auto _ : state) {
        benchmark::DoNotOptimize(latitude);
        MagneticField field = evaluateMagneticField(wmm2025(), latitude, 116.46, 0, 2026.93);
        benchmark::DoNotOptimize(field);
    }
}
BENCHMARK(magneticDeclination);

void satelliteFieldNumbers(benchmark::State& state) {
    const ReceivingSite site = beijing();
    long double longitude = 105.5L;
    for (auto _ : state) {
        benchmark::DoNotOptimize(longitude);
        SatelliteFieldNumbers numbers = computeFieldNumbers(longitude, site, -7.58L);
        benchmark::DoNotOptimize(numbers);
    }
}
BENCHMARK(satelliteFieldNumbers);

// 39 satellites from 57 E to 180 E, as many as the built-in list holds.
std::vector<SkySatelliteInput> arcOfSatellites(const ReceivingSite& site) {
    std::vector<SkySatelliteInput> satellites;
    for (int k = 0; k < 39; ++k) {
        const long double longitude = 57 + k * 123.0L / 38;
        satellites.push_back({"SAT-" + std::to_string(k) + " (\xD6\xD0\xD0\xC7)",
                              computeFieldNumbers(longitude, site, -7.58L)});
    }
    return satellites;
}

void skyPictureLayout(benchmark::State& state) {
    const ReceivingSite site = beijing();
    const std::vector<SkySatelliteInput> satellites = arcOfSatellites(site);
    for (auto _ : state) {
        SkyLayout layout = layoutSkyPicture(site, "2026-12-07", -7.58, "WMM2025", true, satellites);
        benchmark::DoNotOptimize(layout);
    }
}
BENCHMARK(skyPictureLayout);

void skyPictureSvgDocument(benchmark::State& state) {
    const ReceivingSite site = beijing();
    const SkyLayout layout =
        layoutSkyPicture(site, "2026-12-07", -7.58, "WMM2025", true, arcOfSatellites(site));
    for (auto _ : state) {
        std::string svg = skyPictureSvg(layout, cp936ToUtf8);
        benchmark::DoNotOptimize(svg);
    }
}
BENCHMARK(skyPictureSvgDocument);

}  // namespace
