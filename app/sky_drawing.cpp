#include "app/sky_drawing.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "app/control_text.h"
#include "app/picture_drawing.h"

namespace {

const COLORREF SkyColour = RGB(236, 244, 252);
const COLORREF GroundColour = RGB(222, 214, 190);
const COLORREF GridColour = RGB(200, 210, 222);
const COLORREF HorizonColour = RGB(96, 96, 96);
const COLORREF ArcColour = RGB(208, 40, 40);
const COLORREF SunColour = RGB(255, 150, 0);
const COLORREF SunEdgeColour = RGB(150, 70, 0);
const COLORREF ObstacleColour = RGB(170, 150, 112);
const COLORREF ObstacleEdgeColour = RGB(90, 74, 42);
const COLORREF MeridianColour = RGB(58, 90, 122);
const COLORREF ArcEndColour = RGB(138, 42, 26);

// Room kept free around the panorama: half a compass word at each side,
// one line of text under the ground.
constexpr int SideMargin = 12;
constexpr int TopMargin = 4;

// Maps the layout's panorama (sky and ground band) onto a rectangle of the
// window; each axis has its own scale, since both count degrees.
struct Mapping {
    double sourceLeft, sourceTop, scaleX, scaleY;
    int left, top;

    POINT operator()(const SkyPoint& point) const {
        return {left + static_cast<int>(std::lround((point.x - sourceLeft) * scaleX)),
                top + static_cast<int>(std::lround((point.y - sourceTop) * scaleY))};
    }
    int x(double layoutX) const { return (*this)({layoutX, sourceTop}).x; }
    int y(double layoutY) const { return (*this)({sourceLeft, layoutY}).y; }
};

Mapping mappingInto(const RECT& target, const SkyLayout& layout) {
    const SkyBox& sky = layout.frame.sky;
    Mapping mapping;
    mapping.sourceLeft = sky.left;
    mapping.sourceTop = sky.top;
    mapping.scaleX = (target.right - target.left) / (sky.right - sky.left);
    mapping.scaleY = (target.bottom - target.top) / (layout.ground.bottom - sky.top);
    mapping.left = target.left;
    mapping.top = target.top;
    return mapping;
}

void line(HDC dc, int x1, int y1, int x2, int y2) {
    MoveToEx(dc, x1, y1, nullptr);
    LineTo(dc, x2, y2);
}

SIZE textSize(HDC dc, const std::string& text) {
    SIZE size = {0, 0};
    const std::wstring wide = wideText(text.c_str());
    GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &size);
    return size;
}

// The selected satellite's name beside its mark, kept inside the area.
void drawLabel(HDC dc, const RECT& area, POINT dot, int markRadius, const std::string& name) {
    const SIZE size = textSize(dc, name);
    int x = dot.x + markRadius + 2;
    if (x + size.cx > area.right) x = dot.x - markRadius - 2 - size.cx;
    x = std::max(static_cast<int>(area.left), x);
    int y = dot.y - markRadius - size.cy;
    if (y < area.top) y = dot.y + markRadius;
    // On the sky's colour, so that the arc and other dots do not cross it.
    SetBkMode(dc, OPAQUE);
    SetBkColor(dc, SkyColour);
    drawPictureText(dc, name, x, y);
    SetBkMode(dc, TRANSPARENT);
}

// The sun's track as a dotted line: dots `spacing` pixels apart along it.
void drawSunTrack(HDC dc, const Mapping& map, const std::vector<std::vector<SkyPoint>>& track,
                  int spacing, int radius) {
    SelectedPen pen(dc, 1, SunColour);
    for (const std::vector<SkyPoint>& piece : track) {
        double left = 0;  // the way to the next dot
        for (std::size_t i = 0; i < piece.size(); ++i) {
            const POINT to = map(piece[i]);
            if (i == 0) {
                drawCircle(dc, to, radius, SunColour, true);
                left = spacing;
                continue;
            }
            const POINT from = map(piece[i - 1]);
            const double length = std::hypot(to.x - from.x, to.y - from.y);
            double along = left;
            for (; along <= length; along += spacing) {
                const double share = along / length;
                const POINT dot = {
                    from.x + static_cast<LONG>(std::lround((to.x - from.x) * share)),
                    from.y + static_cast<LONG>(std::lround((to.y - from.y) * share))};
                drawCircle(dc, dot, radius, SunColour, true);
            }
            left = along - length;
        }
    }
}

// The track's legend in the panorama's upper right corner: three dots and its text.
void drawSunTrackLegend(HDC dc, const RECT& panorama, const std::string& label, int spacing,
                        int radius) {
    const SIZE size = textSize(dc, label);
    const int x = panorama.right - 4 - size.cx;
    const int y = panorama.top + 3;
    {
        SelectedPen pen(dc, 1, SunColour);
        for (int k = 1; k <= 3; ++k)
            drawCircle(dc, {x - 4 - k * spacing, y + size.cy / 2}, radius, SunColour, true);
    }
    SetBkMode(dc, OPAQUE);
    SetBkColor(dc, SkyColour);
    drawPictureText(dc, label, x, y);
    SetBkMode(dc, TRANSPARENT);
}

// The obstacles' outline, filled, over the sky and the grid.
void drawObstacles(HDC dc, const Mapping& map, const std::vector<SkyPoint>& outline) {
    if (outline.size() < 3) return;
    std::vector<POINT> points;
    for (const SkyPoint& point : outline) points.push_back(map(point));
    SelectedPen pen(dc, 1, ObstacleEdgeColour);
    HBRUSH brush = CreateSolidBrush(ObstacleColour);
    HGDIOBJ previous = SelectObject(dc, brush);
    Polygon(dc, points.data(), static_cast<int>(points.size()));
    SelectObject(dc, previous);
    DeleteObject(brush);
}

// Today's sun track as a line, and on it the moments of aiming by the sun:
// a filled sun where it stands in the satellite's direction, a ring where
// it stands opposite, each with its time above it.
void drawSunAim(HDC dc, const Mapping& map, const SkyLayout& layout, int markRadius) {
    {
        SelectedPen pen(dc, 1, SunColour);
        for (const std::vector<SkyPoint>& piece : layout.sunAimTrack) {
            std::vector<POINT> points;
            for (const SkyPoint& point : piece) points.push_back(map(point));
            if (points.size() > 1) Polyline(dc, points.data(), static_cast<int>(points.size()));
        }
    }
    for (const SkySunAimMark& mark : layout.sunAimMarks) {
        const POINT at = map(mark.at);
        {
            SelectedPen pen(dc, 2, SunEdgeColour);
            drawCircle(dc, at, markRadius / 2 + 1, SunColour, mark.kind == SunAimKind::Toward);
        }
        const SIZE size = textSize(dc, mark.time.text);
        SetTextColor(dc, SunEdgeColour);
        drawPictureText(dc, mark.time.text, at.x - size.cx / 2,
                        at.y - markRadius / 2 - 2 - size.cy);
        SetTextColor(dc, TextColour);
    }
}

// The meridian, dotted and named at its top, where a motor stands at 0; the
// visible arc's ends marked on the horizon and named by their longitudes
// just under it, each toward the middle of the picture.
void drawMeridianAndArcEnds(HDC dc, const Mapping& map, const RECT& panorama, int horizon,
                            const SkyLayout& layout) {
    const int x = map.x(layout.meridianX);
    {
        SelectedPen pen(dc, 1, MeridianColour, PS_DOT);
        line(dc, x, panorama.top, x, horizon);
    }
    SetTextColor(dc, MeridianColour);
    drawPictureText(dc, layout.meridianLabel.text, x + 3, panorama.top + 1);
    SetTextColor(dc, ArcEndColour);
    const std::size_t ends = std::min(layout.arcEnds.size(), layout.arcEndLabels.size());
    for (std::size_t i = 0; i < ends; ++i) {
        const POINT end = map(layout.arcEnds[i]);
        {
            SelectedPen pen(dc, 2, ArcColour);
            line(dc, end.x, end.y - 4, end.x, end.y + 4);
        }
        const SkyText& label = layout.arcEndLabels[i];
        const int width = textSize(dc, label.text).cx;
        const int left = label.anchor == SkyAnchor::End ? end.x - 2 - width : end.x + 2;
        // Inside the picture, its left edge first where it is too narrow.
        const int inside = std::max(static_cast<int>(panorama.left),
                                    std::min(left, static_cast<int>(panorama.right) - width));
        drawPictureText(dc, label.text, inside, horizon + 1);
    }
    SetTextColor(dc, TextColour);
}

}  // namespace

void drawSkyPicture(HDC dc, const RECT& area, const SkyLayout& layout, int selected, HFONT font) {
    const int saved = SaveDC(dc);
    HGDIOBJ previousFont =
        SelectObject(dc, font != nullptr ? font : GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, TextColour);
    const int lineHeight = textSize(dc, "0").cy;
    // Marks grow with the font, and so with the screen's DPI.
    const int dotRadius = std::max(2, lineHeight / 6);
    const int markRadius = std::max(6, lineHeight / 2);

    fillRectangle(dc, area, GetSysColor(COLOR_BTNFACE));
    const RECT panorama = {area.left + SideMargin, area.top + TopMargin, area.right - SideMargin,
                           area.bottom - lineHeight - 2};
    if (panorama.right <= panorama.left || panorama.bottom <= panorama.top) {
        SelectObject(dc, previousFont);
        RestoreDC(dc, saved);
        return;
    }
    const Mapping map = mappingInto(panorama, layout);
    const int horizon = map.y(layout.ground.top);
    fillRectangle(dc, {panorama.left, panorama.top, panorama.right, horizon}, SkyColour);
    fillRectangle(dc, {panorama.left, horizon, panorama.right, panorama.bottom}, GroundColour);

    {
        SelectedPen grid(dc, 1, GridColour);
        for (double x : layout.gridX) line(dc, map.x(x), panorama.top, map.x(x), horizon);
        for (double y : layout.gridY) line(dc, panorama.left, map.y(y), panorama.right, map.y(y));
    }
    // Elevations every 30 degrees along the left edge (gridY starts at the
    // horizon), in the text colour: the sky is lighter than the window, so
    // they read at least as well as the window's own texts.
    SetTextAlign(dc, TA_LEFT | TA_TOP);
    for (std::size_t step = 3; step < layout.gridY.size(); step += 3) {
        const int y = map.y(layout.gridY[step]);
        drawPictureText(dc, std::to_string(step * 10), panorama.left + 2, y + 1);
    }
    drawObstacles(dc, map, layout.horizon);
    {
        SelectedPen pen(dc, 1, HorizonColour);
        line(dc, panorama.left, horizon, panorama.right, horizon);
    }
    {
        SelectedPen pen(dc, 2, ArcColour);
        for (const std::vector<SkyPoint>& piece : layout.arc) {
            std::vector<POINT> points;
            for (const SkyPoint& point : piece) points.push_back(map(point));
            if (points.size() > 1) Polyline(dc, points.data(), static_cast<int>(points.size()));
        }
    }
    drawMeridianAndArcEnds(dc, map, panorama, horizon, layout);
    // The sun's track on the longest outage day, over the arc it runs close
    // to, under the satellites' dots. Its dots have no dark edge, so that
    // near an equinox, where it runs along the arc, the satellites' dark
    // dots stand out from it.
    const int sunSpacing = std::max(6, lineHeight / 2);
    drawSunTrack(dc, map, layout.sunTrack, sunSpacing, dotRadius);
    if (!layout.sunTrack.empty())
        drawSunTrackLegend(dc, panorama, layout.sunTrackLabel, sunSpacing, dotRadius);
    drawSunAim(dc, map, layout, markRadius);
    {
        // Above the horizon a filled dot, below it a hollow one.
        SelectedPen pen(dc, 1, SatelliteColour);
        for (const SkySatellite& satellite : layout.satellites)
            drawCircle(dc, map(satellite.dot), dotRadius, SatelliteColour, satellite.visible);
    }
    for (const SkyText& word : layout.compassWords) {
        const SIZE size = textSize(dc, word.text);
        drawPictureText(dc, word.text, map.x(word.at.x) - size.cx / 2, panorama.bottom + 1);
    }
    if (selected >= 0 && selected < static_cast<int>(layout.satellites.size())) {
        const SkySatellite& satellite = layout.satellites[static_cast<std::size_t>(selected)];
        const POINT dot = map(satellite.dot);
        {
            SelectedPen pen(dc, 2, MarkColour);
            drawCircle(dc, dot, markRadius, MarkColour, false);
            drawCircle(dc, dot, dotRadius, MarkColour, true);
        }
        drawLabel(dc, panorama, dot, markRadius, satellite.name);
    }
    SelectObject(dc, previousFont);
    RestoreDC(dc, saved);
}
