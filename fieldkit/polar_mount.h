#pragma once
// A dish on a polar mount (极轴座) or a DiSEqC motor (USALS) turns about an
// axis parallel to the Earth's, so that one turn follows the whole
// geostationary arc. The model is a spherical Earth of the equatorial
// radius with k = that radius over the geostationary radius:
//   motor angle        HA = atan2(sin dL, cos dL - k cos phi), east of the meridian positive
//   declination offset  d = atan(k sin|phi| / (1 - k cos phi))
//   axis elevation     |phi|, toward the celestial pole (north in the northern hemisphere)
//   meridian elevation 90 - |phi| - d
// with phi the site's latitude and dL the satellite's longitude less the
// site's. A satellite stands above the horizon (elevation >= 0) when
// cos phi cos dL >= k, from longitude - A to longitude + A, A = acos(k / cos phi).

#include <optional>

#include "data/receiving_site.h"
#include "fieldkit/solar_position.h"

constexpr long double PolarMountRadiusRatio = WgsEquatorialRadiusKm / GeostationaryOrbitRadiusKm;

// The site's three numbers, in degrees.
struct PolarMount {
    long double axisElevation = 0;      // |latitude|
    long double declinationOffset = 0;  // the dish's tilt from the axis's perpendicular
    long double meridianElevation = 0;  // the dish's elevation with the motor at 0
};
PolarMount polarMountAt(long double latitude);

// The longitudes (degrees east, -180 <= l < 180) of the arc's ends: `west`
// is site - A, `east` is site + A, each brought within the circle.
struct VisibleArc {
    long double west = 0;
    long double east = 0;
};
// None where the arc lies wholly below the horizon (|latitude| > acos k, about 81.3).
std::optional<VisibleArc> visibleArcOf(const ReceivingSite& site);

// The motor angle (degrees, east of the meridian positive, -90 < HA < 90
// within the arc) for the satellite at `satelliteLongitude`; none outside
// the visible arc.
std::optional<long double> motorAngle(long double satelliteLongitude, const ReceivingSite& site);
