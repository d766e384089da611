#include "fieldkit/multifeed.h"

#include <algorithm>
#include <cmath>

#include "calc/calc_texts.h"
#include "calc/recalculation.h"
#include "data/data_texts.h"
#include "fieldkit/field_limits.h"
#include "fieldkit/fieldkit_texts.h"
#include "numtext/decimal_power.h"
#include "numtext/numtext.h"

namespace {

struct Vector {
    long double x, y, z;
};

Vector cross(const Vector& a, const Vector& b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

long double dot(const Vector& a, const Vector& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

Vector unit(const Vector& a) {
    const long double length = std::sqrt(dot(a, a));
    return {a.x / length, a.y / length, a.z / length};
}

// East, north, up.
Vector directionOf(const SatelliteFieldNumbers& numbers) {
    const long double azimuth = numbers.azimuth * RadiansPerDegree;
    const long double elevation = numbers.elevation * RadiansPerDegree;
    return {std::cos(elevation) * std::sin(azimuth), std::cos(elevation) * std::cos(azimuth),
            std::sin(elevation)};
}

long double degrees(long double radians) { return radians / RadiansPerDegree; }

using calc_text::Degrees;
using data_text::PolarisationHeading;
using fieldkit_text::Colon;
using fieldkit_text::Comma;
using fieldkit_text::Down;
using fieldkit_text::Greater;
using fieldkit_text::Left;
using fieldkit_text::MainLabel;
using fieldkit_text::Millimetres;
using fieldkit_text::MultifeedNoneInReach;
using fieldkit_text::NoMove;
using fieldkit_text::Right;
using fieldkit_text::Semicolon;
using fieldkit_text::SkewMore;
using fieldkit_text::Smaller;
using fieldkit_text::Up;

const char NoDish[] = "-";

std::string number(long double value, int decimals) {
    char text[NumberTextCapacity];
    NumberToText(value, text, 0, decimals);
    return text;
}

}  // namespace

const char* const MultifeedNoneInReachText = MultifeedNoneInReach;

long double beamDeviationFactor(const MultifeedDish& dish) {
    const long double ratio = dish.diameterMm / (4 * dish.focalLengthMm);
    const long double q = ratio * ratio;
    return (1 + 0.36L * q) / (1 + q);
}

FeedPlacement placeFeed(const SatelliteFieldNumbers& main, const SatelliteFieldNumbers& other,
                        const MultifeedDish& dish) {
    ExtendedPrecisionScope precision;
    const Vector u = directionOf(main);
    const Vector v = directionOf(other);
    // Seen from behind the dish: x to the right, y upward, both across u.
    const Vector x = unit(cross(u, {0, 0, 1}));
    const Vector y = cross(x, u);
    const long double alongX = dot(v, x);
    const long double alongY = dot(v, y);
    const long double alongU = dot(v, u);
    const long double across = std::sqrt(alongX * alongX + alongY * alongY);

    FeedPlacement placement;
    if (across == 0) return placement;
    // atan2 of the two parts is acos(u.v) without its loss near zero.
    placement.separation = degrees(std::atan2(across, alongU));
    placement.right = degrees(std::atan(alongX / alongU));
    placement.up = degrees(std::atan(alongY / alongU));
    const long double feedAngle =
        placement.separation * RadiansPerDegree / beamDeviationFactor(dish);
    const long double distance = dish.focalLengthMm * std::tan(feedAngle);
    placement.lnbRightMm = -distance * alongX / across;
    placement.lnbUpMm = -distance * alongY / across;
    return placement;
}

MultifeedPlan planMultifeed(const SatelliteTable& table, const ReceivingSite& site,
                            long double mainLongitude, const MultifeedDish& dish) {
    MultifeedPlan plan;
    plan.mainLongitude = mainLongitude;
    plan.main = computeFieldNumbers(mainLongitude, site, 0);
    plan.beamDeviation = beamDeviationFactor(dish);
    if (!plan.main.visible) return plan;
    for (int row = 0; row < table.rowCount(); ++row) {
        const long double longitude = rowLongitude(table, row);
        if (longitude == mainLongitude) continue;
        const SatelliteFieldNumbers numbers = computeFieldNumbers(longitude, site, 0);
        if (!numbers.visible) continue;
        MultifeedSatellite satellite;
        satellite.placement = placeFeed(plan.main, numbers, dish);
        if (!(satellite.placement.separation <= MultifeedReachDegrees)) continue;
        satellite.name = cellText(table, row, ColumnName);
        satellite.longitude = longitude;
        satellite.skew = numbers.polarisation;
        satellite.relativeSkew = numbers.polarisation - plan.main.polarisation;
        plan.satellites.push_back(satellite);
    }
    std::stable_sort(plan.satellites.begin(), plan.satellites.end(),
                     [](const MultifeedSatellite& a, const MultifeedSatellite& b) {
                         return a.placement.separation < b.placement.separation;
                     });
    return plan;
}

std::string feedMoveText(const FeedPlacement& placement) {
    const long double right = std::round(placement.lnbRightMm);
    const long double up = std::round(placement.lnbUpMm);
    std::string text;
    if (right != 0) {
        text += std::string(right < 0 ? Left : Right) + " " +
                std::to_string(static_cast<long long>(std::fabs(right))) + " " + Millimetres;
    }
    if (up != 0) {
        if (!text.empty()) text += Comma;
        text += std::string(up < 0 ? Down : Up) + " " +
                std::to_string(static_cast<long long>(std::fabs(up))) + " " + Millimetres;
    }
    return text.empty() ? NoMove : text;
}

bool readMultifeedDish(const char* focalLengthText, const char* diameterText, MultifeedDish& dish) {
    return readStrictNumber(focalLengthText, FocalLengthRangeMm, &dish.focalLengthMm) ==
               NumberRefusal::None &&
           readStrictNumber(diameterText, DiameterRangeMm, &dish.diameterMm) == NumberRefusal::None;
}

MultifeedCells multifeedCells(const MultifeedSatellite& satellite, bool withDish) {
    const FeedPlacement& p = satellite.placement;
    MultifeedCells cells;
    cells.name = satellite.name;
    cells.separation = number(p.separation, 2);
    cells.right = withDish ? number(std::round(p.lnbRightMm), 0) : NoDish;
    cells.up = withDish ? number(std::round(p.lnbUpMm), 0) : NoDish;
    cells.skew = number(satellite.skew, 2);
    return cells;
}

std::string multifeedMainText(const std::string& name, const std::string& longitudeText,
                              const MultifeedPlan& plan) {
    return MainLabel + name + "  " + longitudeText + Degrees + "  " + PolarisationHeading +
           number(plan.main.polarisation, 2) + Degrees;
}

std::string multifeedAdviceText(const MultifeedSatellite& satellite, bool withDish) {
    std::string text = satellite.name + Colon;
    if (withDish) text += feedMoveText(satellite.placement) + Semicolon;
    const long double turn = satellite.relativeSkew;
    return text + SkewMore + (turn < 0 ? Smaller : Greater) + number(std::fabs(turn), 2) + " " +
           Degrees;
}
