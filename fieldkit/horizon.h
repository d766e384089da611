#pragma once
// Obstructions: trees, roofs and hills between the dish and the sky, as an
// installer measures them, and whether a satellite clears them. Azimuths
// are degrees clockwise from true north unless a name says compass.

#include <cstddef>
#include <string>
#include <vector>

#include "fieldkit/field_numbers.h"

// The ends of an azimuth's range (360 is north again) and of an elevation's.
constexpr long double FullTurn = 360;
constexpr long double Zenith = 90;

// An obstacle measured with a compass (its left and right edges) and an
// inclinometer (its top): the horizon from azimuth `from` clockwise to `to`,
// both ends included, rises to `elevation`.
//   Azimuths are 0 to 360; an end at 360 is north, as an end at 0 is, except
//   that 0 to 360 is the whole circle. from == to is that one azimuth (a
//   mast): 10 to 10, and 360 to 0, cover only 10 and north. 350 to 10 passes
//   through north; 10 to 350 is all but the 20 degrees around north.
//   Elevation 0 to 90.
struct HorizonSector {
    long double from = 0;
    long double to = 0;
    long double elevation = 0;
};

// A point of a horizon profile: the horizon's elevation (0 to 90) at one
// azimuth (0 to 360; 360 is north, as 0 is).
struct HorizonPoint {
    long double azimuth = 0;
    long double elevation = 0;
};

// The most sectors a horizon (and the stored setting) holds, and the most
// profile points: one every half degree.
constexpr std::size_t HorizonSectorCapacity = 64;
constexpr std::size_t HorizonPointCapacity = 720;

// Whether every number lies within its range (NaN does not).
bool isValidSector(const HorizonSector& sector);
bool isValidPoint(const HorizonPoint& point);

// Whether the valid `sector` covers `azimuth` (0 <= azimuth < 360).
bool sectorCovers(const HorizonSector& sector, long double azimuth);

// The valid `sector`'s width clockwise from `from` to `to`: 0 for one
// azimuth, 360 for the whole circle 0 to 360; 210 to 150 is 300.
long double sectorWidth(const HorizonSector& sector);

// The horizon at a site: sectors, a profile, both or neither. Its elevation
// at an azimuth is the highest of every sector covering that azimuth and of
// the profile there; 0 where nothing is.
//
// The profile joins its points by straight lines in azimuth, through north
// from the last point round to the first; one point is a constant horizon.
// Points are kept sorted by azimuth; points at one azimuth keep their order,
// so that two of them make a vertical edge (the line arrives at the first
// and leaves from the last), and at that azimuth itself the highest counts.
// Points at 0 and at 360 both stand at north: the line from the last point
// ends at a point at 360, the line to the first starts at a point at 0.
class Horizon {
public:
    // Nothing in the way: 0 at every azimuth.
    Horizon() = default;

    // Take the sectors, or the points, when every one is valid and there are
    // at most HorizonSectorCapacity or HorizonPointCapacity of them; otherwise
    // return false and keep what the horizon held.
    bool setSectors(std::vector<HorizonSector> sectors);
    bool setProfile(std::vector<HorizonPoint> points);

    const std::vector<HorizonSector>& sectors() const { return sectors_; }
    // Sorted by azimuth, as described above.
    const std::vector<HorizonPoint>& profile() const { return profile_; }
    bool empty() const { return sectors_.empty() && profile_.empty(); }

    // The horizon's elevation (0 to 90) at `azimuth`, any finite number of
    // degrees. A NaN or infinite azimuth gives 90: nothing without a
    // direction counts as clear.
    long double elevationAt(long double azimuth) const;

private:
    std::vector<HorizonSector> sectors_;
    std::vector<HorizonPoint> profile_;
};

// A satellite against the horizon.
struct HorizonClearance {
    long double horizonElevation = 0;  // the horizon's elevation at the satellite's azimuth
    long double clearance = 0;         // the satellite's elevation less that
    bool clear = false;                // the satellite stands above the horizon's elevation
};

HorizonClearance clearanceAt(const Horizon& horizon, long double trueAzimuth,
                             long double elevation);
// With the satellite's true azimuth and elevation. With an empty horizon,
// `clear` is SatelliteFieldNumbers::visible.
HorizonClearance satelliteClearance(const Horizon& horizon, const SatelliteFieldNumbers& numbers);
