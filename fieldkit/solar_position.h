#pragma once
// Where the sun is, seen from a site on the WGS-84 ellipsoid, and where a
// geostationary satellite is, as vectors in one Earth-fixed frame.
//
// The sun: the VSOP87 series for the Earth as abridged by Meeus
// (Astronomical Algorithms, 2nd ed., ch. 25 and appendix III), turned into
// the FK5 frame, with the aberration and the four largest terms of the
// nutation: about 1" from 2000 to 2100. Times are Julian days: UT for the
// Earth's rotation, TT (UT + Delta T) for the sun's motion. No refraction.

#include "fieldkit/calendar_date.h"

constexpr long double J2000JulianDay = 2451545.0L;  // 2000-01-01 12:00 TT
constexpr long double SecondsPerDay = 86400;
constexpr long double AstronomicalUnitKm = 149597870.7L;
constexpr long double WgsEquatorialRadiusKm = 6378.137L;
constexpr long double WgsFlattening = 1 / 298.257223563L;
constexpr long double GeostationaryOrbitRadiusKm = 42164.17L;

// Julian day number (the day that begins at noon of the date, UT) of a
// Gregorian date, and back. The date must pass isCalendarDate.
long julianDayNumber(const CalendarDate& date);
CalendarDate dateOfJulianDayNumber(long dayNumber);

// Julian day of 00:00 of the date plus `secondsOfDay` (any sign).
long double julianDay(const CalendarDate& date, long double secondsOfDay);
// 00:00 of the date in a zone `zoneOffsetMinutes` east of UTC, in days
// from J2000JulianDay (UT).
long double midnightFromJ2000(const CalendarDate& date, int zoneOffsetMinutes);

// TT - UT in seconds: the polynomials of Espenak and Meeus (NASA's Five
// Millennium Canon), 1986-2005, 2005-2050 and 2050-2150, with their
// long-term parabola outside; `decimalYear` as 2026.5 for mid-2026. The
// 2005-2050 polynomial runs a few seconds ahead of the measured values of
// the 2020s, which moves the sun by well under an arcsecond.
long double deltaTSeconds(long double decimalYear);

// The Julian day in TT of a Julian day in UT.
long double terrestrialTime(long double julianDayUt);

// The sun's apparent geocentric place on the true equator and equinox of
// date, at a Julian day in TT.
struct ApparentSun {
    long double longitude = 0;       // ecliptic, degrees, 0 <= l < 360
    long double rightAscension = 0;  // degrees, 0 <= a < 360
    long double declination = 0;     // degrees
    long double distanceAu = 0;      // from the Earth's centre
    // Nutation in longitude times the cosine of the true obliquity
    // (degrees): apparent less mean sidereal time.
    long double equationOfEquinoxes = 0;
};
ApparentSun apparentSun(long double julianDayTt);

// Greenwich mean sidereal time (IAU 1982, Meeus 12.4) at a Julian day in
// UT, degrees, 0 <= t < 360. The apparent sidereal time adds the sun's
// equationOfEquinoxes.
long double meanSiderealTime(long double julianDayUt);

// Kilometres. The Earth-fixed frame: x toward longitude 0 on the equator,
// z toward the north pole; the equatorial frame of date: x toward the true
// equinox, z the same.
struct Vector3 {
    long double x = 0;
    long double y = 0;
    long double z = 0;
};
// a - b.
Vector3 difference(const Vector3& a, const Vector3& b);

// Degrees east and north positive, metres above the ellipsoid.
struct GeodeticSite {
    long double longitude = 0;
    long double latitude = 0;
    long double heightM = 0;
};

Vector3 siteEarthFixed(const GeodeticSite& site);
// On the equator at `longitude`, GeostationaryOrbitRadiusKm from the centre.
Vector3 geostationaryEarthFixed(long double longitude);
// The sun's geocentric position on the equator of date, at its distance.
Vector3 sunEquatorial(const ApparentSun& sun);
// A vector of the equatorial frame of date in the Earth-fixed frame, at
// apparent sidereal time `siderealTime` (degrees).
Vector3 earthFixedFromEquatorial(const Vector3& v, long double siderealTime);
// The sun's geocentric Earth-fixed position at a Julian day in UT.
Vector3 sunEarthFixed(long double julianDayUt);

// A direction from the site: azimuth clockwise from true north
// (0 <= a < 360), elevation above the plane normal to the ellipsoid.
struct HorizontalDirection {
    long double azimuth = 0;
    long double elevation = 0;
};
HorizontalDirection horizontalDirection(const GeodeticSite& site, const Vector3& siteToTarget);

// The angle in degrees (0..180) between two directions; 0 when either is
// the zero vector.
long double separationDegrees(const Vector3& a, const Vector3& b);
