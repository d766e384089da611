#pragma once
// Obstructions: trees, roofs and hills between the dish and the sky, as an
// installer measures them, and whether a satellite clears them. Azimuths
// are degrees clockwise from true north unless a name says compass.

#include <cstddef>
#include <string>
#include <vector>

#include "fieldkit/field_numbers.h"

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

// ---- Horizon files ----
//
// A UTF-8 or ASCII text with LF or CRLF line ends and an optional UTF-8 byte
// order mark: one obstacle `FROM,TO,ELEVATION` or one profile point
// `AZIMUTH,ELEVATION` per line, in true azimuths. The numbers are separated
// by a comma or blanks (spaces, tabs) or both: "120,150,12.5", "120 150 12.5",
// "120, 150, 12.5". `#` starts a comment to the end of its line; blank lines
// are skipped. The first line with numbers fixes the file's kind: every line
// after it has as many numbers. A file without numbers is a clear horizon.
//
// A number is what readStrictNumber (numtext/strict_number.h) reads:
//   accepted: "12" "12.5" ".5" "5." "+7" "1.2e1" "-0" (as 0)
//   refused:  "" "." "abc" "12abc" "1,5" (two numbers) "1e" "e5" "1e1-3" "1E1"
//             "1e0.5" "12°" "１２" (full-width), and numbers out of range.
//
// Refused: a file over HorizonFileLimit bytes, and the first bad line.

constexpr std::size_t HorizonFileLimit = 64 * 1024;
// The most bytes of a refused number HorizonFileError keeps.
constexpr std::size_t HorizonQuotedTextLimit = 24;

enum class HorizonFileProblem {
    None,
    TooLarge,           // more than HorizonFileLimit bytes; line 0
    WrongCount,         // a line with other than 2 or 3 numbers
    PointAmongSectors,  // 2 numbers in a file of obstacles (3 each)
    SectorAmongPoints,  // 3 numbers in a file of profile points (2 each)
    NotANumber,
    OutOfRange,      // an azimuth beyond 0..360 or an elevation beyond 0..90
    TooManySectors,  // the line of obstacle HorizonSectorCapacity + 1
    TooManyPoints,   // the line of point HorizonPointCapacity + 1
};

// Which number of its line a refusal names.
enum class HorizonField { None, From, To, Azimuth, Elevation };

struct HorizonFileError {
    HorizonFileProblem problem = HorizonFileProblem::None;
    std::size_t line = 0;  // 1-based; 0 for the file as a whole
    HorizonField field = HorizonField::None;
    // NotANumber, OutOfRange: the number's text as the file has it (any
    // bytes), cut to HorizonQuotedTextLimit bytes when textCut.
    std::string text;
    bool textCut = false;
    std::size_t count = 0;  // WrongCount: how many numbers the line has
};

// Reads a horizon file. Returns false with the first problem, leaving
// `horizon` as it was.
bool readHorizonFile(const std::string& fileText, Horizon& horizon, HorizonFileError& error);

// The refusal in English for the command line, one line, printable ASCII
// (other bytes of a quoted text as \xNN):
//   line 7: azimuth "abc" is not a number
//   line 4: elevation "95" is not within 0 to 90
//   line 3: 4 numbers, where an obstacle has 3 and a profile point 2
//   line 9: a profile point (2 numbers) in a file of obstacles (3 numbers each)
//   line 70: more than 64 obstacles
//   the file is larger than 65536 bytes
std::string horizonFileMessage(const HorizonFileError& error);

// ---- The stored setting ----
//
// The sectors as the user typed them, kept as one text value of ASCII
// bytes (the same in code page 936): `T` (true azimuths) or `M` (compass
// bearings), then for each sector `;FROM,TO,ELEVATION`, every number with
// two decimals as NumberToText writes them ("0" for zero).
//   "T"                                      no sectors
//   "M;120.00,150.00,12.50;350.00,10.00,0"  two sectors in compass bearings
// Numbers are kept to two decimals: formatting and reading round each one to
// the nearest hundredth, so a text read and written again reads the same.

struct HorizonSetting {
    bool compassBearings = false;  // the sectors are magnetic (compass) bearings
    std::vector<HorizonSector> sectors;
};

// "M" and 64 sectors of ";360.00,360.00,90.00", and the NUL.
constexpr std::size_t HorizonSettingCapacity = 1 + HorizonSectorCapacity * 20 + 1;

// Writes the setting; false (and an empty text) when it holds more than
// HorizonSectorCapacity sectors or one that is not valid.
bool formatHorizonSetting(const HorizonSetting& setting, char (&text)[HorizonSettingCapacity]);

// Reads a stored text: the form above without blanks, each number as a
// horizon file may hold it (any count of decimals), at most
// HorizonSectorCapacity valid sectors, shorter than HorizonSettingCapacity.
// Anything else returns false and leaves `setting` as it was.
bool parseHorizonSetting(const char* text, HorizonSetting& setting);

// A compass bearing as a true azimuth: bearing + declination (degrees, east
// positive, as the magnetic model gives it), 0 <= a < 360.
long double trueFromCompass(long double bearing, long double declination);

// The setting's sectors in true azimuths: compass bearings turned by the
// declination (0 to 360 stays the whole circle), true ones as they are.
std::vector<HorizonSector> trueSectors(const HorizonSetting& setting, long double declination);
