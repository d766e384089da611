#include "app/picture_drawing.h"

#include "app/control_text.h"

SelectedPen::SelectedPen(HDC dc, int width, COLORREF colour, int style)
    : dc_(dc), pen_(CreatePen(style, width, colour)) {
    previous_ = SelectObject(dc_, pen_);
}

SelectedPen::~SelectedPen() {
    SelectObject(dc_, previous_);
    DeleteObject(pen_);
}

void fillRectangle(HDC dc, const RECT& rect, COLORREF colour) {
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc, &rect, brush);
    DeleteObject(brush);
}

void drawCircle(HDC dc, POINT centre, int radius, COLORREF fillColour, bool filled) {
    HBRUSH brush = filled ? CreateSolidBrush(fillColour) : nullptr;
    HGDIOBJ previous = SelectObject(dc, filled ? brush : GetStockObject(NULL_BRUSH));
    Ellipse(dc, centre.x - radius, centre.y - radius, centre.x + radius + 1, centre.y + radius + 1);
    SelectObject(dc, previous);
    if (brush != nullptr) DeleteObject(brush);
}

void drawPictureText(HDC dc, const std::string& text, int x, int y) {
    const std::wstring wide = wideText(text.c_str());
    TextOutW(dc, x, y, wide.c_str(), static_cast<int>(wide.size()));
}
