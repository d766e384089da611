#include "fieldkit/sky_layout.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numeric>
#include <optional>

#include "calc/calc_texts.h"
#include "calc/recalculation.h"
#include "fieldkit/fieldkit_texts.h"
#include "fieldkit/polar_mount.h"
#include "numtext/numtext.h"

namespace {

// The picture's plan, in pixels.
constexpr double Width = 1000;
constexpr double Height = 590;
constexpr double PixelsPerDegreeUp = 4.6;
constexpr double SkyLeft = 56;
constexpr double SkyRight = 976;
constexpr double SkyTop = 70;
constexpr double GroundDepth = 10;
constexpr double LabelSize = 11;
constexpr double DotRadius = 3.5;

using calc_text::CloseBracket;
using calc_text::Degrees;
using calc_text::OpenBracket;
using fieldkit_text::DeclinationLabel;
using fieldkit_text::East;
using fieldkit_text::Meridian;
using fieldkit_text::North;
using fieldkit_text::NorthEast;
using fieldkit_text::NorthWest;
using fieldkit_text::OutsideValidity;
using fieldkit_text::SkyLegend;
using fieldkit_text::South;
using fieldkit_text::SouthEast;
using fieldkit_text::SouthWest;
using fieldkit_text::West;

// The compass words under the panorama, from its left edge.
const char* const NorthernWords[] = {East, SouthEast, South, SouthWest, West};
const char* const SouthernWords[] = {West, NorthWest, North, NorthEast, East};

std::string numberText(long double value) {
    char text[NumberTextCapacity];
    NumberToText(value, text, 0, 2);
    return text;
}

std::string wholeNumber(int value) { return std::to_string(value); }

// 北京  经度：东经116.46度  纬度：北纬39.92度  2026-01-01
std::string titleText(const ReceivingSite& site, const std::string& dateText) {
    char description[SiteDescriptionCapacity];
    buildSiteDescription(site, description);
    std::string title = description;
    for (std::size_t at; (at = title.find("\r\n")) != std::string::npos;)
        title.replace(at, 2, "  ");
    return title + "  " + dateText;
}

// 磁偏角：西7.55度（WMM2025）, as the details window and the installation sheet
// word it; outside the model's years 磁偏角：东3.20度（WMM2025，超出模型有效期）.
std::string declinationText(double declination, const char* modelName, bool modelValid) {
    std::string note = DeclinationLabel;
    if (declination < 0) note += West;
    if (declination > 0) note += East;
    note += numberText(std::fabs(declination)) + Degrees + OpenBracket + modelName;
    if (!modelValid) note += OutsideValidity;
    return note + CloseBracket;
}

bool overlaps(const SkyBox& a, const SkyBox& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

bool inside(const SkyBox& inner, const SkyBox& outer) {
    return inner.left >= outer.left && inner.right <= outer.right && inner.top >= outer.top &&
           inner.bottom <= outer.bottom;
}

// The label's box for a text whose baseline starts (Start) or ends (End) at `at`.
SkyBox labelBox(const SkyPoint& at, double width, SkyAnchor anchor) {
    const double left = anchor == SkyAnchor::Start ? at.x : at.x - width;
    return {left - 1, at.y - LabelSize, left + width + 1, at.y + 3};
}

// The room a text of the picture takes.
SkyBox textBox(const SkyText& text) {
    const double width = estimatedTextWidth(text.text, text.size);
    const double left = text.anchor == SkyAnchor::Start    ? text.at.x
                        : text.anchor == SkyAnchor::Middle ? text.at.x - width / 2
                                                           : text.at.x - width;
    return {left - 1, text.at.y - text.size, left + width + 1, text.at.y + 3};
}

// The meridian and the visible arc's ends, named.
void layoutMeridianAndArcEnds(SkyLayout& layout, const ReceivingSite& site) {
    const SkyFrame& frame = layout.frame;
    const double meridian = frame.leftAzimuth + 90;
    layout.meridianX = skyPosition(frame, meridian, 0).x;
    layout.meridianLabel = {
        Meridian, {layout.meridianX + 4, frame.sky.top + 13}, SkyAnchor::Start, LabelSize};
    const std::optional<VisibleArc> arc = visibleArcOf(site);
    if (!arc) return;
    for (long double end : {arc->west, arc->east}) {
        const SkyPoint at =
            skyPosition(frame, static_cast<double>(computeFieldNumbers(end, site, 0).azimuth), 0);
        const bool leftHalf = at.x < layout.meridianX;
        layout.arcEnds.push_back(at);
        layout.arcEndLabels.push_back({longitudeWords(end),
                                       {at.x + (leftHalf ? 2 : -2), layout.ground.top + 28},
                                       leftHalf ? SkyAnchor::Start : SkyAnchor::End,
                                       LabelSize});
    }
}

// Places every label where it overlaps no other label, no dot and none of
// the `reserved` boxes: beside its dot when there is room, else stacked
// upward (then downward) with a leader line, to the right of the dot first.
void placeLabels(std::vector<SkySatellite>& marks, const SkyBox& area,
                 const std::vector<SkyBox>& reserved) {
    std::vector<std::size_t> order(marks.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return marks[a].dot.x < marks[b].dot.x; });
    std::vector<SkyBox> taken = reserved;
    for (const SkySatellite& mark : marks)
        taken.push_back({mark.dot.x - DotRadius - 1, mark.dot.y - DotRadius - 1,
                         mark.dot.x + DotRadius + 1, mark.dot.y + DotRadius + 1});

    const double step = LabelSize + 3;
    const int levels = static_cast<int>((area.bottom - area.top) / step) + 1;
    for (std::size_t index : order) {
        SkySatellite& mark = marks[index];
        const double width = estimatedTextWidth(mark.name, LabelSize);
        bool placed = false;
        SkyPoint at;
        SkyAnchor anchor = SkyAnchor::Start;
        SkyBox box;
        // Level 0 beside the dot, then upward, then downward.
        for (int k = 0; k < 2 * levels && !placed; ++k) {
            const double lift = k < levels ? k * step : -(k - levels + 1) * step;
            for (SkyAnchor side : {SkyAnchor::Start, SkyAnchor::End}) {
                at = {mark.dot.x + (side == SkyAnchor::Start ? 5 : -5), mark.dot.y + 4 - lift};
                box = labelBox(at, width, side);
                if (!inside(box, area)) continue;
                bool free = true;
                for (const SkyBox& other : taken)
                    if (overlaps(box, other)) {
                        free = false;
                        break;
                    }
                if (free) {
                    anchor = side;
                    placed = true;
                    break;
                }
            }
        }
        if (!placed) {
            // More labels than the picture has room for: beside the dot, overlapping.
            at = {mark.dot.x + 5, mark.dot.y + 4};
            anchor = SkyAnchor::Start;
            box = labelBox(at, width, anchor);
        }
        mark.label = {mark.name, at, anchor, LabelSize};
        mark.labelBox = box;
        mark.leader = std::fabs(at.y - (mark.dot.y + 4)) > 0.5;
        // The leader ends at the middle of the label's nearer lower edge.
        mark.leaderEnd = {anchor == SkyAnchor::Start ? box.left : box.right,
                          at.y > mark.dot.y ? box.top : box.bottom};
        taken.push_back(box);
    }
}

}  // namespace

double estimatedTextWidth(const std::string& text, double size) {
    // In code page 936 a double-byte character is two bytes wide and about
    // one em: bytes x half an em holds for both kinds of character.
    return static_cast<double>(text.size()) * 0.55 * size;
}

SkyPoint skyPosition(const SkyFrame& frame, double azimuth, double elevation) {
    double turned = std::fmod(azimuth - frame.leftAzimuth, 360.0);
    if (turned < 0) turned += 360;
    // 180..360 lies behind the viewer: keep it next to the nearer edge.
    if (turned > 270) turned -= 360;
    const double across = (frame.sky.right - frame.sky.left) / 180;
    const double up = (frame.sky.bottom - frame.sky.top) / 90;
    return {frame.sky.left + turned * across, frame.sky.bottom - elevation * up};
}

std::vector<SkySatelliteInput> skySatellitesOf(const SatelliteTable& table,
                                               const ReceivingSite& site, long double declination) {
    std::vector<SkySatelliteInput> satellites;
    for (int row = 0; row < table.rowCount(); ++row) {
        char name[CellTextCapacity];
        table.getCell(row, ColumnName, name, sizeof name);
        satellites.push_back(
            {name, computeFieldNumbers(rowLongitude(table, row), site, declination)});
    }
    return satellites;
}

SkyLayout layoutSkyPicture(const ReceivingSite& site, const std::string& dateText,
                           double declination, const char* modelName, bool modelValid,
                           const std::vector<SkySatelliteInput>& satellites) {
    SkyLayout layout;
    layout.width = Width;
    layout.height = Height;
    const bool southern = site.latitude < 0;
    SkyFrame& frame = layout.frame;
    frame.sky = {SkyLeft, SkyTop, SkyRight, SkyTop + 90 * PixelsPerDegreeUp};
    frame.leftAzimuth = southern ? 270 : 90;
    frame.groundDepth = GroundDepth;
    layout.ground = {SkyLeft, frame.sky.bottom, SkyRight,
                     frame.sky.bottom + GroundDepth * PixelsPerDegreeUp};

    for (int step = 0; step <= 18; ++step) {
        const double x = skyPosition(frame, frame.leftAzimuth + step * 10, 0).x;
        layout.gridX.push_back(x);
        if (step % 3 == 0) {
            const int azimuth = (static_cast<int>(frame.leftAzimuth) + step * 10) % 360;
            layout.scale.push_back(
                {wholeNumber(azimuth), {x, layout.ground.top + 13}, SkyAnchor::Middle, 10});
        }
    }
    const char* const* words = southern ? SouthernWords : NorthernWords;
    for (int i = 0; i < 5; ++i) {
        const double x = skyPosition(frame, frame.leftAzimuth + i * 45, 0).x;
        layout.compassWords.push_back(
            {words[i], {x, layout.ground.bottom + 20}, SkyAnchor::Middle, 14});
    }
    for (int elevation = 0; elevation <= 90; elevation += 10) {
        const double y = skyPosition(frame, 180, elevation).y;
        layout.gridY.push_back(y);
        layout.scale.push_back({wholeNumber(elevation), {SkyLeft - 6, y + 4}, SkyAnchor::End, 10});
    }

    // The arc: satellites every quarter degree of longitude within a
    // quarter turn of the site's meridian, where they stand above the horizon.
    std::vector<SkyPoint> piece;
    for (int quarter = -360; quarter <= 360; ++quarter) {
        const long double longitude = site.longitude + quarter / 4.0L;
        const PointingAngles angles = computePointingAngles(longitude, site);
        if (angles.elevation >= 0) {
            piece.push_back(skyPosition(frame, static_cast<double>(trueAzimuth(angles)),
                                        static_cast<double>(angles.elevation)));
        } else if (!piece.empty()) {
            layout.arc.push_back(piece);
            piece.clear();
        }
    }
    if (!piece.empty()) layout.arc.push_back(piece);

    for (const SkySatelliteInput& input : satellites) {
        SkySatellite mark;
        mark.name = input.name;
        mark.visible = input.numbers.visible;
        const double elevation =
            std::max(static_cast<double>(input.numbers.elevation), -GroundDepth);
        mark.dot = skyPosition(frame, static_cast<double>(input.numbers.azimuth), elevation);
        mark.dot.x = std::clamp(mark.dot.x, SkyLeft, SkyRight);
        layout.satellites.push_back(mark);
    }
    layoutMeridianAndArcEnds(layout, site);
    std::vector<SkyBox> reserved = {textBox(layout.meridianLabel)};
    for (const SkyText& label : layout.arcEndLabels) reserved.push_back(textBox(label));
    placeLabels(layout.satellites, {SkyLeft, SkyTop, SkyRight, layout.ground.bottom}, reserved);

    layout.title = {titleText(site, dateText), {SkyLeft, 28}, SkyAnchor::Start, 16};
    layout.note = {
        declinationText(declination, modelName, modelValid), {SkyLeft, 52}, SkyAnchor::Start, 13};
    layout.legend = {SkyLegend, {SkyRight, Height - 8}, SkyAnchor::End, 11};
    return layout;
}

std::vector<std::vector<SkyPoint>> sunTrackPieces(const SkyFrame& frame,
                                                  const std::vector<SunTrackPoint>& track) {
    // The track's step: the least time between two of its points. A longer
    // gap is a night between them.
    int step = 0;
    for (std::size_t i = 1; i < track.size(); ++i) {
        const int gap = track[i].secondOfDay - track[i - 1].secondOfDay;
        if (gap > 0 && (step == 0 || gap < step)) step = gap;
    }
    std::vector<std::vector<SkyPoint>> pieces;
    const SunTrackPoint* previous = nullptr;
    for (const SunTrackPoint& point : track) {
        const SkyPoint at = skyPosition(frame, static_cast<double>(point.azimuth),
                                        static_cast<double>(point.elevation));
        if (!(at.x >= frame.sky.left && at.x <= frame.sky.right)) {
            previous = nullptr;
            continue;
        }
        if (previous == nullptr || point.secondOfDay - previous->secondOfDay > step)
            pieces.emplace_back();
        pieces.back().push_back(at);
        previous = &point;
    }
    return pieces;
}

void addSunAim(SkyLayout& layout, const ReceivingSite& site, const CalendarDate& date,
               int zoneOffsetMinutes, const std::vector<SunAimMoment>& moments) {
    constexpr int TrackStepMinutes = 5;
    constexpr double TimeSize = 11;
    layout.sunAimTrack =
        sunTrackPieces(layout.frame, sunTrack(site, 0, date, zoneOffsetMinutes, TrackStepMinutes));
    layout.sunAimMarks.clear();
    for (const SunAimMoment& moment : moments) {
        const SkyPoint at = skyPosition(layout.frame, static_cast<double>(moment.sunAzimuth),
                                        static_cast<double>(moment.sunElevation));
        if (!(at.x >= layout.frame.sky.left && at.x <= layout.frame.sky.right)) continue;
        char time[TimeTextCapacity];
        formatHourMinute(moment.second, time);
        layout.sunAimMarks.push_back(
            {at,
             {time, {at.x, at.y - TimeSize / 2 - 2}, SkyAnchor::Middle, TimeSize},
             moment.kind});
    }
}
