#include "fieldkit/sky_horizon.h"

#include <algorithm>
#include <cmath>

#include "fieldkit/fieldkit_texts.h"

namespace {

constexpr double PanoramaDegrees = 180;
constexpr double SampleStep = 0.5;
// How far beside a sector's end the outline steps down: a vertical edge.
constexpr double EdgeStep = 1e-6;

// Degrees from the panorama's left edge to `azimuth`, 0 <= turned < 360.
double turnedFromLeft(const SkyFrame& frame, double azimuth) {
    double turned = std::fmod(azimuth - frame.leftAzimuth, 360.0);
    if (turned < 0) turned += 360;
    return turned;
}

}  // namespace

std::vector<SkyPoint> skyHorizonOutline(const SkyFrame& frame, const Horizon& horizon) {
    // Where the outline may bend, as degrees from the left edge: a regular
    // sampling for the profile, each profile point, and both sides of each
    // sector's ends.
    std::vector<double> across;
    for (double turned = 0; turned <= PanoramaDegrees; turned += SampleStep)
        across.push_back(turned);
    for (const HorizonPoint& point : horizon.profile())
        across.push_back(turnedFromLeft(frame, static_cast<double>(point.azimuth)));
    for (const HorizonSector& sector : horizon.sectors()) {
        const double from = turnedFromLeft(frame, static_cast<double>(sector.from));
        const double to = turnedFromLeft(frame, static_cast<double>(sector.to));
        across.insert(across.end(), {from - EdgeStep, from, to, to + EdgeStep});
    }
    across.erase(
        std::remove_if(across.begin(), across.end(),
                       [](double turned) { return turned < 0 || turned > PanoramaDegrees; }),
        across.end());
    std::sort(across.begin(), across.end());
    across.erase(std::unique(across.begin(), across.end()), across.end());

    std::vector<SkyPoint> outline;
    bool raised = false;
    outline.push_back(skyPosition(frame, frame.leftAzimuth, 0));
    for (double turned : across) {
        const double azimuth = frame.leftAzimuth + turned;
        const double elevation = static_cast<double>(horizon.elevationAt(azimuth));
        raised = raised || elevation > 0;
        outline.push_back(skyPosition(frame, azimuth, elevation));
    }
    outline.push_back(skyPosition(frame, frame.leftAzimuth + PanoramaDegrees, 0));
    if (!raised) outline.clear();
    return outline;
}

void addHorizonToSky(SkyLayout& layout, const Horizon& horizon,
                     const std::vector<SkySatelliteInput>& satellites) {
    layout.horizon = skyHorizonOutline(layout.frame, horizon);
    const std::size_t count = std::min(layout.satellites.size(), satellites.size());
    for (std::size_t i = 0; i < count; ++i)
        layout.satellites[i].visible = satelliteClearance(horizon, satellites[i].numbers).clear;
    layout.legend.text = fieldkit_text::HorizonLegend;
}
