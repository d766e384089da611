#include "app/multifeed_drawing.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "app/app_texts.h"
#include "app/picture_drawing.h"
#include "numtext/numtext.h"

namespace {

const COLORREF BackgroundColour = RGB(255, 255, 255);
const COLORREF BarColour = RGB(170, 170, 170);

// Room for a label above an LNB and for the side words.
constexpr int Margin = 18;
constexpr int LnbRadius = 5;
// The smallest span drawn, so that LNBs a few millimetres apart do not
// fill the picture as if they were far apart.
constexpr long double LeastSpanMm = 20;

struct Lnb {
    POINT at;
    std::string label;
    bool main = false;
    bool marked = false;
};

void drawText(HDC dc, int x, int y, const char* text, UINT align) {
    SetTextAlign(dc, align);
    drawPictureText(dc, text, x, y);
}

std::string longitudeLabel(long double longitude) {
    char text[NumberTextCapacity];
    NumberToText(longitude, text, 0, 1);
    return text;
}

// The LNBs in window coordinates, one scale for both axes so that the
// directions stay true, left to right.
std::vector<Lnb> placeLnbs(const RECT& area, const MultifeedPlan& plan, int selected) {
    long double spanX = LeastSpanMm;
    long double spanY = LeastSpanMm;
    for (const MultifeedSatellite& s : plan.satellites) {
        spanX = std::max(spanX, std::fabs(s.placement.lnbRightMm));
        spanY = std::max(spanY, std::fabs(s.placement.lnbUpMm));
    }
    const long double halfWidth = (area.right - area.left) / 2.0L - Margin;
    const long double halfHeight = (area.bottom - area.top) / 2.0L - Margin;
    const long double scale = std::max(0.0L, std::min(halfWidth / spanX, halfHeight / spanY));
    const int centreX = (area.left + area.right) / 2;
    const int centreY = (area.top + area.bottom) / 2;

    std::vector<Lnb> lnbs;
    lnbs.push_back({{centreX, centreY}, longitudeLabel(plan.mainLongitude), true, false});
    for (std::size_t i = 0; i < plan.satellites.size(); ++i) {
        const FeedPlacement& p = plan.satellites[i].placement;
        const POINT at = {centreX + static_cast<int>(std::lround(p.lnbRightMm * scale)),
                          centreY - static_cast<int>(std::lround(p.lnbUpMm * scale))};
        lnbs.push_back({at, longitudeLabel(plan.satellites[i].longitude), false,
                        static_cast<int>(i) == selected});
    }
    std::sort(lnbs.begin(), lnbs.end(), [](const Lnb& a, const Lnb& b) { return a.at.x < b.at.x; });
    return lnbs;
}

void drawLnb(HDC dc, const Lnb& lnb) {
    const COLORREF colour = lnb.marked ? MarkColour : SatelliteColour;
    {
        SelectedPen pen(dc, 2, colour);
        drawCircle(dc, lnb.at, LnbRadius, lnb.main ? colour : BackgroundColour, true);
    }
    // Only the main LNB and the marked one are labelled: the others may lie
    // a few pixels apart.
    if (!lnb.main && !lnb.marked) return;
    // The main label above, the marked one below, so that neighbours' do not overlap.
    SetTextColor(dc, lnb.marked ? MarkColour : TextColour);
    if (lnb.main) {
        drawText(dc, lnb.at.x, lnb.at.y - LnbRadius - 2, lnb.label.c_str(), TA_CENTER | TA_BOTTOM);
    } else {
        drawText(dc, lnb.at.x, lnb.at.y + LnbRadius + 2, lnb.label.c_str(), TA_CENTER | TA_TOP);
    }
}

}  // namespace

void drawMultifeedBar(HDC dc, const RECT& area, const MultifeedPlan& plan, bool withDish,
                      int selected, HFONT font) {
    fillRectangle(dc, area, BackgroundColour);
    HGDIOBJ oldFont = SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, TextColour);
    const int middle = (area.top + area.bottom) / 2;
    if (!withDish) {
        drawText(dc, (area.left + area.right) / 2, middle, app_text::AskForDish,
                 TA_CENTER | TA_BASELINE);
        SelectObject(dc, oldFont);
        return;
    }
    drawText(dc, area.left + 4, middle, app_text::LeftSide, TA_LEFT | TA_BASELINE);
    drawText(dc, area.right - 4, middle, app_text::RightSide, TA_RIGHT | TA_BASELINE);

    const std::vector<Lnb> lnbs = placeLnbs(area, plan, selected);
    std::vector<POINT> bar;
    for (const Lnb& lnb : lnbs) bar.push_back(lnb.at);
    {
        SelectedPen pen(dc, 3, BarColour);
        Polyline(dc, bar.data(), static_cast<int>(bar.size()));
    }
    for (const Lnb& lnb : lnbs) drawLnb(dc, lnb);
    SelectObject(dc, oldFont);
}
