#include "app/multifeed_drawing.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "app/control_text.h"
#include "numtext/numtext.h"

namespace {

const COLORREF BackgroundColour = RGB(255, 255, 255);
const COLORREF BarColour = RGB(170, 170, 170);
const COLORREF LnbColour = RGB(32, 64, 160);
const COLORREF MarkColour = RGB(208, 40, 40);
const COLORREF TextColour = RGB(0, 0, 0);

// Room for a label above an LNB and for the side words.
constexpr int Margin = 18;
constexpr int LnbRadius = 5;
// The smallest span drawn, so that LNBs a few millimetres apart do not
// fill the picture as if they were far apart.
constexpr long double LeastSpanMm = 20;

const char AskForDish[] =
    "\xC7\xEB\xCA\xE4\xC8\xEB\xBD\xB9\xBE\xE0\xBA\xCD\xBF\xDA\xBE\xB6";  // 请输入焦距和口径
const char LeftWord[] = "\xD7\xF3";                                      // 左
const char RightWord[] = "\xD3\xD2";                                     // 右

struct Lnb {
    POINT at;
    std::string label;
    bool main = false;
    bool marked = false;
};

void drawText(HDC dc, int x, int y, const char* text, UINT align) {
    const std::wstring wide = wideText(text);
    SetTextAlign(dc, align);
    TextOutW(dc, x, y, wide.c_str(), static_cast<int>(wide.size()));
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
    const COLORREF colour = lnb.marked ? MarkColour : LnbColour;
    HPEN pen = CreatePen(PS_SOLID, 2, colour);
    HBRUSH brush = CreateSolidBrush(lnb.main ? colour : BackgroundColour);
    HGDIOBJ oldPen = SelectObject(dc, pen);
    HGDIOBJ oldBrush = SelectObject(dc, brush);
    Ellipse(dc, lnb.at.x - LnbRadius, lnb.at.y - LnbRadius, lnb.at.x + LnbRadius + 1,
            lnb.at.y + LnbRadius + 1);
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);
    DeleteObject(brush);
    DeleteObject(pen);
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
    HBRUSH background = CreateSolidBrush(BackgroundColour);
    FillRect(dc, &area, background);
    DeleteObject(background);
    HGDIOBJ oldFont = SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, TextColour);
    const int middle = (area.top + area.bottom) / 2;
    if (!withDish) {
        drawText(dc, (area.left + area.right) / 2, middle, AskForDish, TA_CENTER | TA_BASELINE);
        SelectObject(dc, oldFont);
        return;
    }
    drawText(dc, area.left + 4, middle, LeftWord, TA_LEFT | TA_BASELINE);
    drawText(dc, area.right - 4, middle, RightWord, TA_RIGHT | TA_BASELINE);

    const std::vector<Lnb> lnbs = placeLnbs(area, plan, selected);
    std::vector<POINT> bar;
    for (const Lnb& lnb : lnbs) bar.push_back(lnb.at);
    HPEN pen = CreatePen(PS_SOLID, 3, BarColour);
    HGDIOBJ oldPen = SelectObject(dc, pen);
    Polyline(dc, bar.data(), static_cast<int>(bar.size()));
    SelectObject(dc, oldPen);
    DeleteObject(pen);
    for (const Lnb& lnb : lnbs) drawLnb(dc, lnb);
    SelectObject(dc, oldFont);
}
