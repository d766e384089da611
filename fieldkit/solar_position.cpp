#include "fieldkit/solar_position.h"

#include <cmath>
#include <cstddef>

#include "calc/trig.h"
#include "fieldkit/field_numbers.h"
#include "fieldkit/vsop87_earth.h"
#include "numtext/decimal_power.h"

namespace {

constexpr long double ArcSecond = 1 / 3600.0L;
constexpr long double DaysPerJulianYear = 365.25L;

// The Earth's heliocentric longitude L, latitude B and distance R, VSOP87D
// on the mean ecliptic and equinox of date, as abridged in Meeus's
// appendix III (fieldkit/vsop87_earth.txt): each variable is the sum of its
// series times tau^k for k = 0, 1, ...
using SeriesTerm = vsop87_earth::Term;

struct Series {
    const SeriesTerm* terms;
    std::size_t count;
};

template <std::size_t N>
constexpr Series series(const SeriesTerm (&terms)[N]) {
    return {terms, N};
}

namespace earth = vsop87_earth;
constexpr Series EarthLongitude[] = {series(earth::L0), series(earth::L1), series(earth::L2),
                                     series(earth::L3), series(earth::L4), series(earth::L5)};
constexpr Series EarthLatitude[] = {series(earth::B0), series(earth::B1)};
constexpr Series EarthDistance[] = {series(earth::R0), series(earth::R1), series(earth::R2),
                                    series(earth::R3), series(earth::R4)};

// sum over k of series k at tau, times tau^k, in the series' own units.
template <std::size_t N>
long double vsopVariable(const Series (&variable)[N], long double tau) {
    long double value = 0;
    for (std::size_t k = N; k-- > 0;) {
        long double sum = 0;
        for (std::size_t i = 0; i < variable[k].count; ++i) {
            const SeriesTerm& term = variable[k].terms[i];
            sum += term.amplitude * trigCos(term.phase + term.frequency * tau, 0);
        }
        value = value * tau + sum;
    }
    return value * 1e-8L;
}

long double dot(const Vector3& a, const Vector3& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

}  // namespace

// Fliegel and Van Flandern's integer formulae; every quotient is of
// non-negative numbers from year 1 on, so truncation is floor.
long julianDayNumber(const CalendarDate& date) {
    const long y = date.year;
    const long m = date.month;
    const long d = date.day;
    const long a = (m - 14) / 12;  // -1 in January and February, else 0
    return (1461 * (y + 4800 + a)) / 4 + (367 * (m - 2 - 12 * a)) / 12 -
           (3 * ((y + 4900 + a) / 100)) / 4 + d - 32075;
}

CalendarDate dateOfJulianDayNumber(long dayNumber) {
    long l = dayNumber + 68569;
    const long n = 4 * l / 146097;
    l -= (146097 * n + 3) / 4;
    const long i = 4000 * (l + 1) / 1461001;
    l += 31 - 1461 * i / 4;
    const long j = 80 * l / 2447;
    CalendarDate date;
    date.day = static_cast<int>(l - 2447 * j / 80);
    l = j / 11;
    date.month = static_cast<int>(j + 2 - 12 * l);
    date.year = static_cast<int>(100 * (n - 49) + i + l);
    return date;
}

long double julianDay(const CalendarDate& date, long double secondsOfDay) {
    return julianDayNumber(date) - 0.5L + secondsOfDay / SecondsPerDay;
}

long double midnightFromJ2000(const CalendarDate& date, int zoneOffsetMinutes) {
    return julianDay(date, 0) - J2000JulianDay - zoneOffsetMinutes / 1440.0L;
}

long double deltaTSeconds(long double decimalYear) {
    const long double y = decimalYear;
    const long double u = (y - 1820) / 100;
    if (y < 1986 || y >= 2150) return -20 + 32 * u * u;
    if (y >= 2050) return -20 + 32 * u * u - 0.5628L * (2150 - y);
    const long double t = y - 2000;
    if (y >= 2005) return 62.92L + t * (0.32217L + t * 0.005589L);
    return 63.86L +
           t * (0.3345L +
                t * (-0.060374L + t * (0.0017275L + t * (0.000651814L + t * 0.00002373599L))));
}

long double terrestrialTime(long double julianDayUt) {
    const long double year = 2000 + (julianDayUt - J2000JulianDay) / DaysPerJulianYear;
    return julianDayUt + deltaTSeconds(year) / SecondsPerDay;
}

ApparentSun apparentSun(long double julianDayTt) {
    ExtendedPrecisionScope precision;
    const long double tau = (julianDayTt - J2000JulianDay) / (1000 * DaysPerJulianYear);
    const long double T = 10 * tau;  // Julian centuries

    // Geocentric: the Earth's place turned half a circle.
    const long double L = vsopVariable(EarthLongitude, tau) / RadiansPerDegree;
    const long double B = vsopVariable(EarthLatitude, tau) / RadiansPerDegree;
    const long double R = vsopVariable(EarthDistance, tau);
    long double theta = L + 180;
    long double beta = -B;

    // From the dynamical frame of VSOP87 to FK5 (Meeus 32.3).
    const long double lambdaPrime = (theta - 1.397L * T - 0.00031L * T * T) * RadiansPerDegree;
    theta -= 0.09033L * ArcSecond;
    beta += 0.03916L * ArcSecond * (std::cos(lambdaPrime) - std::sin(lambdaPrime));

    // Nutation: the four largest terms (Meeus ch. 22), good to 0.5".
    const long double node = (125.04452L - 1934.136261L * T) * RadiansPerDegree;
    const long double sunMean = (280.4665L + 36000.7698L * T) * RadiansPerDegree;
    const long double moonMean = (218.3165L + 481267.8813L * T) * RadiansPerDegree;
    const long double nutationLongitude =
        (-17.20L * std::sin(node) - 1.32L * std::sin(2 * sunMean) - 0.23L * std::sin(2 * moonMean) +
         0.21L * std::sin(2 * node)) *
        ArcSecond;
    const long double nutationObliquity =
        (9.20L * std::cos(node) + 0.57L * std::cos(2 * sunMean) + 0.10L * std::cos(2 * moonMean) -
         0.09L * std::cos(2 * node)) *
        ArcSecond;
    const long double meanObliquity =
        23 + 26.0L / 60 + (21.448L - T * (46.8150L + T * (0.00059L - T * 0.001813L))) * ArcSecond;
    const long double epsilon = (meanObliquity + nutationObliquity) * RadiansPerDegree;

    // Aberration (Meeus 25.10).
    const long double lambda =
        (theta + nutationLongitude - 20.4898L * ArcSecond / R) * RadiansPerDegree;
    const long double b = beta * RadiansPerDegree;

    ApparentSun sun;
    sun.longitude = bearingWithinCircle(lambda / RadiansPerDegree);
    sun.rightAscension = bearingWithinCircle(
        std::atan2(std::sin(lambda) * std::cos(epsilon) - std::tan(b) * std::sin(epsilon),
                   std::cos(lambda)) /
        RadiansPerDegree);
    sun.declination = std::asin(std::sin(b) * std::cos(epsilon) +
                                std::cos(b) * std::sin(epsilon) * std::sin(lambda)) /
                      RadiansPerDegree;
    sun.distanceAu = R;
    sun.equationOfEquinoxes = nutationLongitude * std::cos(epsilon);
    return sun;
}

long double meanSiderealTime(long double julianDayUt) {
    ExtendedPrecisionScope precision;
    const long double days = julianDayUt - J2000JulianDay;
    const long double T = days / (100 * DaysPerJulianYear);
    return bearingWithinCircle(280.46061837L + 360.98564736629L * days +
                               T * T * (0.000387933L - T / 38710000));
}

Vector3 difference(const Vector3& a, const Vector3& b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }

Vector3 siteEarthFixed(const GeodeticSite& site) {
    ExtendedPrecisionScope precision;
    const long double f = WgsFlattening;
    const long double e2 = f * (2 - f);
    const long double phi = site.latitude * RadiansPerDegree;
    const long double lambda = site.longitude * RadiansPerDegree;
    const long double sinPhi = std::sin(phi);
    const long double n = WgsEquatorialRadiusKm / std::sqrt(1 - e2 * sinPhi * sinPhi);
    const long double h = site.heightM / 1000;
    return {(n + h) * std::cos(phi) * std::cos(lambda), (n + h) * std::cos(phi) * std::sin(lambda),
            (n * (1 - e2) + h) * sinPhi};
}

Vector3 geostationaryEarthFixed(long double longitude) {
    ExtendedPrecisionScope precision;
    const long double lambda = longitude * RadiansPerDegree;
    return {GeostationaryOrbitRadiusKm * std::cos(lambda),
            GeostationaryOrbitRadiusKm * std::sin(lambda), 0};
}

Vector3 sunEquatorial(const ApparentSun& sun) {
    ExtendedPrecisionScope precision;
    const long double r = sun.distanceAu * AstronomicalUnitKm;
    const long double alpha = sun.rightAscension * RadiansPerDegree;
    const long double delta = sun.declination * RadiansPerDegree;
    return {r * std::cos(delta) * std::cos(alpha), r * std::cos(delta) * std::sin(alpha),
            r * std::sin(delta)};
}

Vector3 earthFixedFromEquatorial(const Vector3& v, long double siderealTime) {
    ExtendedPrecisionScope precision;
    const long double c = std::cos(siderealTime * RadiansPerDegree);
    const long double s = std::sin(siderealTime * RadiansPerDegree);
    return {c * v.x + s * v.y, c * v.y - s * v.x, v.z};
}

Vector3 sunEarthFixed(long double julianDayUt) {
    const ApparentSun sun = apparentSun(terrestrialTime(julianDayUt));
    return earthFixedFromEquatorial(sunEquatorial(sun),
                                    meanSiderealTime(julianDayUt) + sun.equationOfEquinoxes);
}

HorizontalDirection horizontalDirection(const GeodeticSite& site, const Vector3& siteToTarget) {
    ExtendedPrecisionScope precision;
    const long double sinPhi = std::sin(site.latitude * RadiansPerDegree);
    const long double cosPhi = std::cos(site.latitude * RadiansPerDegree);
    const long double sinLambda = std::sin(site.longitude * RadiansPerDegree);
    const long double cosLambda = std::cos(site.longitude * RadiansPerDegree);
    const Vector3 east{-sinLambda, cosLambda, 0};
    const Vector3 north{-sinPhi * cosLambda, -sinPhi * sinLambda, cosPhi};
    const Vector3 up{cosPhi * cosLambda, cosPhi * sinLambda, sinPhi};
    const long double e = dot(east, siteToTarget);
    const long double n = dot(north, siteToTarget);
    HorizontalDirection direction;
    direction.azimuth = bearingWithinCircle(std::atan2(e, n) / RadiansPerDegree);
    direction.elevation = std::atan2(dot(up, siteToTarget), std::hypot(e, n)) / RadiansPerDegree;
    return direction;
}

long double separationDegrees(const Vector3& a, const Vector3& b) {
    ExtendedPrecisionScope precision;
    const Vector3 cross{a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
    return std::atan2(std::sqrt(dot(cross, cross)), dot(a, b)) / RadiansPerDegree;
}
