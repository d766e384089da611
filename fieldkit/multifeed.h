#pragma once
// Several LNBs on one dish (一锅多星): the dish points at the main satellite
// and each further LNB sits beside the main one, in the focal plane, moved
// by the angle between the satellites as seen from the site. Directions are
// as seen from behind the dish, looking toward the main satellite.

#include <string>
#include <vector>

#include "data/receiving_site.h"
#include "data/satellite_table.h"
#include "fieldkit/field_numbers.h"

// Satellites farther than this from the main one are not offered: a feed
// that far off the axis no longer sees a usable beam.
constexpr long double MultifeedReachDegrees = 20;

// The dish, in millimetres (the CLI and the dialog take FocalLengthRangeMm
// and DiameterRangeMm of fieldkit/field_limits.h).
struct MultifeedDish {
    long double focalLengthMm = 0;
    long double diameterMm = 0;
};

// The beam deviation factor: how far the beam turns for a turn of the feed
// off the axis, (1 + 0.36 q) / (1 + q) with q = (D / 4F)^2 (0.905 at f/D 0.6).
long double beamDeviationFactor(const MultifeedDish& dish);

// Where the other satellite lies from the main one, and where its LNB goes.
struct FeedPlacement {
    long double separation = 0;  // degrees between the two directions
    long double right = 0;       // degrees, the other satellite to the right
    long double up = 0;          // degrees, the other satellite upward
    long double lnbRightMm = 0;  // the LNB's move from the main one, to the right
    long double lnbUpMm = 0;     // and upward
};

// The placement for the directions (true azimuth and elevation) of the main
// satellite `main` and another `other`, on `dish`. The LNB moves the opposite
// way to the satellite, F tan(separation / BDF) from the main LNB. Directions
// that coincide give all zeros.
FeedPlacement placeFeed(const SatelliteFieldNumbers& main, const SatelliteFieldNumbers& other,
                        const MultifeedDish& dish);

// One further satellite of the list and its LNB.
struct MultifeedSatellite {
    std::string name;  // the table's name cell, code page 936
    long double longitude = 0;
    FeedPlacement placement;
    long double skew = 0;          // its polarisation angle, degrees
    long double relativeSkew = 0;  // the skew less the main LNB's
};

struct MultifeedPlan {
    long double mainLongitude = 0;
    SatelliteFieldNumbers main;  // the main satellite from the site
    long double beamDeviation = 0;
    // The other satellites within reach and above the horizon, in increasing
    // separation (list order among equals); none when the main satellite is
    // below the horizon.
    std::vector<MultifeedSatellite> satellites;
};

// The plan for a dish at `site` pointing at `mainLongitude`, over every row
// of the recalculated `table` but those at the main satellite's longitude.
MultifeedPlan planMultifeed(const SatelliteTable& table, const ReceivingSite& site,
                            long double mainLongitude, const MultifeedDish& dish);

// The LNB's move in words, code page 936, whole millimetres:
// 向左 43 毫米，向上 12 毫米; a move that rounds to nothing is left out, and
// 原位 stands for no move at all.
std::string feedMoveText(const FeedPlacement& placement);

// The dish the multifeed dialog's boxes describe (code page 936 texts):
// false while either box holds no number within its range.
bool readMultifeedDish(const char* focalLengthText, const char* diameterText, MultifeedDish& dish);

// One row of the multifeed dialog's list, code page 936: 卫星名称, 夹角
// (degrees), 左右 and 上下 (the LNB's move, whole millimetres, right and up
// positive; "-" without a dish) and 极化角 (degrees).
struct MultifeedCells {
    std::string name, separation, right, up, skew;
};
MultifeedCells multifeedCells(const MultifeedSatellite& satellite, bool withDish);

// The dialog's heading, code page 936: 主星：亚太6C  (Apstar 6C)  134.0度
// 极化角19.81度, the name and longitude as the table's cells show them.
std::string multifeedMainText(const std::string& name, const std::string& longitudeText,
                              const MultifeedPlan& plan);

// What to do for one LNB, code page 936: 亚太5C：向右 29 毫米，向上 11 毫米；
// 极化角比主星大 3.88 度; the move is left out without a dish.
std::string multifeedAdviceText(const MultifeedSatellite& satellite, bool withDish);

// The advice when no other satellite is in reach, code page 936: 20度以内没有其他卫星.
extern const char* const MultifeedNoneInReachText;
