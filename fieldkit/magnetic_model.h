#pragma once
// The World Magnetic Model: the Earth's main magnetic field as a spherical
// harmonic series of degree 12 with a linear secular variation, evaluated
// on the WGS-84 ellipsoid. The WMM2025 coefficients are compiled in.

#include <cstddef>

#include "fieldkit/calendar_date.h"

// One row of a coefficient file: degree n, order m, the Gauss coefficients
// g and h at the epoch (nT) and their secular variation (nT per year).
struct MagneticCoefficient {
    int n;
    int m;
    double g;
    double h;
    double dg;
    double dh;
};

struct MagneticModel {
    const char* name;   // "WMM2025"
    double epoch;       // decimal year of the coefficients
    double validUntil;  // decimal year; the model is valid from epoch up to this
    int maxDegree;
    const MagneticCoefficient* coefficients;  // (maxDegree + 1) * (maxDegree + 2) / 2 - 1 rows
    std::size_t coefficientCount;
};

// The WMM2025 coefficients (see fieldkit/wmm/SOURCE.md), valid 2025.0 to 2030.0.
const MagneticModel& wmm2025();

// The field at one point. Angles in degrees, intensities in nT; north, east
// and down are the components in the local geodetic frame.
struct MagneticField {
    double declination = 0;  // east of true north positive
    double inclination = 0;  // downward positive
    double horizontalIntensity = 0;
    double totalIntensity = 0;
    double north = 0;
    double east = 0;
    double down = 0;
    // False when the date lies outside the model's validity; the field is
    // computed all the same.
    bool withinValidity = true;
};

// The field at geodetic `latitude` and `longitude` (degrees, north and east
// positive), `heightKm` above the WGS-84 ellipsoid, at `decimalYear`.
// A latitude beyond +-90 is taken as +-90. At the poles, where the
// declination has no meaning of its own, it is the limit along the given
// meridian (taken a hair's breadth from the pole).
MagneticField evaluateMagneticField(const MagneticModel& model, double latitude, double longitude,
                                    double heightKm, double decimalYear);

// Decimal year of a calendar date: year + (day of year - 1) / days in the
// year, 1 January being day 1. Returns false for a date that does not exist.
bool decimalYearOfDate(int year, int month, int day, double& decimalYear);

// The same for a date; the plain year for a date that does not exist.
double decimalYearOf(const CalendarDate& date);
