#include "fieldkit/horizon.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "numtext/decimal_power.h"

namespace {

bool within(long double value, long double highest) { return value >= 0 && value <= highest; }

// The direction an end names: 360 is north.
long double direction(long double end) { return end == FullTurn ? 0 : end; }

long double interpolate(const HorizonPoint& before, long double beforeAzimuth,
                        const HorizonPoint& after, long double afterAzimuth, long double azimuth) {
    const long double t = (azimuth - beforeAzimuth) / (afterAzimuth - beforeAzimuth);
    const long double elevation = before.elevation + (after.elevation - before.elevation) * t;
    // Rounding never takes the line past its ends.
    const auto range = std::minmax(before.elevation, after.elevation);
    return std::clamp(elevation, range.first, range.second);
}

// The profile's elevation at 0 <= azimuth < 360; `points` sorted by azimuth.
long double profileAt(const std::vector<HorizonPoint>& points, long double azimuth) {
    if (points.empty()) return 0;
    const auto byAzimuth = [](const HorizonPoint& a, const HorizonPoint& b) {
        return a.azimuth < b.azimuth;
    };
    const HorizonPoint probe{azimuth, 0};
    const auto first = std::lower_bound(points.begin(), points.end(), probe, byAzimuth);
    const auto next = std::upper_bound(first, points.end(), probe, byAzimuth);

    // Points standing at the azimuth itself: the highest. North also has those at 360.
    bool atAzimuth = first != next;
    long double highest = 0;
    for (auto p = first; p != next; ++p) highest = std::max(highest, p->elevation);
    if (azimuth == 0) {
        for (auto p = points.rbegin(); p != points.rend() && p->azimuth == FullTurn; ++p) {
            highest = std::max(highest, p->elevation);
            atAzimuth = true;
        }
    }
    if (atAzimuth) return highest;

    // Between two points, through north past the last or before the first.
    const bool wrapsBefore = next == points.begin();
    const bool wrapsAfter = next == points.end();
    const HorizonPoint& before = wrapsBefore ? points.back() : *(next - 1);
    const HorizonPoint& after = wrapsAfter ? points.front() : *next;
    return interpolate(before, wrapsBefore ? before.azimuth - FullTurn : before.azimuth, after,
                       wrapsAfter ? after.azimuth + FullTurn : after.azimuth, azimuth);
}

}  // namespace

bool isValidSector(const HorizonSector& sector) {
    return within(sector.from, FullTurn) && within(sector.to, FullTurn) &&
           within(sector.elevation, Zenith);
}

bool isValidPoint(const HorizonPoint& point) {
    return within(point.azimuth, FullTurn) && within(point.elevation, Zenith);
}

bool sectorCovers(const HorizonSector& sector, long double azimuth) {
    if (sector.from == 0 && sector.to == FullTurn) return true;
    const long double from = direction(sector.from);
    const long double to = direction(sector.to);
    // Exact comparisons: an end is covered however it was reached.
    return from <= to ? (from <= azimuth && azimuth <= to) : (azimuth >= from || azimuth <= to);
}

long double sectorWidth(const HorizonSector& sector) {
    if (sector.from == 0 && sector.to == FullTurn) return FullTurn;
    const long double width = direction(sector.to) - direction(sector.from);
    return width < 0 ? width + FullTurn : width;
}

bool Horizon::setSectors(std::vector<HorizonSector> sectors) {
    if (sectors.size() > HorizonSectorCapacity) return false;
    if (!std::all_of(sectors.begin(), sectors.end(), isValidSector)) return false;
    sectors_ = std::move(sectors);
    return true;
}

bool Horizon::setProfile(std::vector<HorizonPoint> points) {
    if (points.size() > HorizonPointCapacity) return false;
    if (!std::all_of(points.begin(), points.end(), isValidPoint)) return false;
    std::stable_sort(
        points.begin(), points.end(),
        [](const HorizonPoint& a, const HorizonPoint& b) { return a.azimuth < b.azimuth; });
    profile_ = std::move(points);
    return true;
}

long double Horizon::elevationAt(long double azimuth) const {
    ExtendedPrecisionScope precision;
    if (!std::isfinite(azimuth)) return Zenith;
    const long double bearing = bearingWithinCircle(azimuth);
    long double highest = profileAt(profile_, bearing);
    for (const HorizonSector& sector : sectors_) {
        if (sectorCovers(sector, bearing)) highest = std::max(highest, sector.elevation);
    }
    return highest;
}

HorizonClearance clearanceAt(const Horizon& horizon, long double trueAzimuth,
                             long double elevation) {
    ExtendedPrecisionScope precision;
    HorizonClearance result;
    result.horizonElevation = horizon.elevationAt(trueAzimuth);
    result.clearance = elevation - result.horizonElevation;
    result.clear = elevation > result.horizonElevation;
    return result;
}

HorizonClearance satelliteClearance(const Horizon& horizon, const SatelliteFieldNumbers& numbers) {
    return clearanceAt(horizon, numbers.azimuth, numbers.elevation);
}
