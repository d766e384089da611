#pragma once
// The sky picture as plain geometry: a panorama of the sky toward the
// equator with the geostationary arc and every satellite of the list as a
// labelled dot. Writers draw it as they like (SVG, GDI); every position is
// in pixels of a picture of `width` x `height`, y downward, and every text
// is code page 936.

#include <string>
#include <vector>

#include "data/receiving_site.h"
#include "data/satellite_table.h"
#include "fieldkit/field_numbers.h"
#include "fieldkit/sun_aim.h"
#include "fieldkit/sun_track.h"

struct SkyPoint {
    double x = 0;
    double y = 0;
};

struct SkyBox {
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;
};

enum class SkyAnchor { Start, Middle, End };

// A text whose baseline passes through `at`; `anchor` says which end of the
// text (or its middle) lies there.
struct SkyText {
    std::string text;
    SkyPoint at;
    SkyAnchor anchor = SkyAnchor::Start;
    double size = 12;  // font size in pixels
};

// How azimuth and elevation map into the picture. The panorama spans 180
// degrees of azimuth centred on due south (northern or equatorial site,
// east on the left) or due north (southern site, west on the left), and
// elevations from 90 at the top of `sky` to -groundDepth at the bottom of
// the ground band.
struct SkyFrame {
    SkyBox sky;               // elevation 0..90
    double leftAzimuth = 90;  // 90 (east) or 270 (west)
    double groundDepth = 10;  // degrees shown below the horizon
};

// Where (azimuth, elevation) lies in the picture; an azimuth outside the
// panorama gives an x beyond the sky box.
SkyPoint skyPosition(const SkyFrame& frame, double azimuth, double elevation);

struct SkySatellite {
    std::string name;
    SkyPoint dot;          // elevation below the ground band's depth is drawn at its bottom
    bool visible = false;  // above the horizon: a filled dot, else a hollow one
    SkyText label;
    SkyBox labelBox;      // the label's room; no two overlap
    bool leader = false;  // the label stands away from its dot: draw a line
    SkyPoint leaderEnd;   // from the dot to here
};

// A moment of aiming by the sun on today's track: where the sun stands then
// and its time (HH:MM) above it.
struct SkySunAimMark {
    SkyPoint at;
    SkyText time;
    SunAimKind kind = SunAimKind::Toward;
};

struct SkyLayout {
    double width = 0;
    double height = 0;
    SkyFrame frame;
    SkyBox ground;                      // the band below the horizon
    std::vector<double> gridX;          // every 10 degrees of azimuth
    std::vector<double> gridY;          // every 10 degrees of elevation, 0 (horizon) first
    std::vector<SkyText> scale;         // degree numbers along both axes
    std::vector<SkyText> compassWords;  // 东 东南 南 西南 西, or 西 西北 北 东北 东
    std::vector<std::vector<SkyPoint>> arc;  // the geostationary arc above the horizon
    std::vector<SkySatellite> satellites;    // in the list's order
    SkyText title;                           // site, coordinates, date
    SkyText note;                            // the magnetic declination
    SkyText legend;
    // The sun's track on one day, drawn dotted, and its legend
    // (太阳轨迹（2027-03-05）); empty unless asked for.
    std::vector<std::vector<SkyPoint>> sunTrack;
    std::string sunTrackLabel;
    // The obstacles' outline, closed along the horizon line; empty without any.
    std::vector<SkyPoint> horizon;
    // Today's sun track, drawn as a line, and the moments of aiming by the
    // sun on it; empty unless asked for (addSunAim).
    std::vector<std::vector<SkyPoint>> sunAimTrack;
    std::vector<SkySunAimMark> sunAimMarks;
    // The site's meridian (due south, due north at a southern site), where a
    // polar mount's motor stands at 0: a line at meridianX from the top of
    // the sky to the horizon, named at its top.
    double meridianX = 0;
    SkyText meridianLabel;  // 子午线
    // The visible arc's ends on the horizon (the points), each named by its
    // longitude just under the horizon (东经37.84度); none where the whole
    // arc lies below the horizon.
    std::vector<SkyPoint> arcEnds;
    std::vector<SkyText> arcEndLabels;
};

struct SkySatelliteInput {
    std::string name;  // code page 936
    SatelliteFieldNumbers numbers;
};

// Every row of the table as the picture takes it: its name cell, and the
// numbers for its longitude as a recalculation reads it, with the magnetic
// declination (degrees, east positive) at the site.
std::vector<SkySatelliteInput> skySatellitesOf(const SatelliteTable& table,
                                               const ReceivingSite& site, long double declination);

// Lays the picture out for the site (its name as the site description shows
// it), the date as text, the magnetic declination (degrees, east positive)
// with the model's name and whether the date lies within its validity.
SkyLayout layoutSkyPicture(const ReceivingSite& site, const std::string& dateText,
                           double declination, const char* modelName, bool modelValid,
                           const std::vector<SkySatelliteInput>& satellites);

// Estimated width in pixels of a code page 936 text at `size` pixels: a
// double-byte character is about one em, an ASCII character about half.
double estimatedTextWidth(const std::string& text, double size);

// The points of `track` (in time order, above the horizon) where they lie
// within the panorama of `frame`, as pieces of consecutive points.
std::vector<std::vector<SkyPoint>> sunTrackPieces(const SkyFrame& frame,
                                                  const std::vector<SunTrackPoint>& track);

// Adds the sun's track on `date` (in the zone) seen from `site` and the
// `moments` on it that lie within the panorama.
void addSunAim(SkyLayout& layout, const ReceivingSite& site, const CalendarDate& date,
               int zoneOffsetMinutes, const std::vector<SunAimMoment>& moments);
