#pragma once
// What the program's pictures (the sky, the LNB bar) draw with: their
// common colours and the GDI steps they share, each object released as
// soon as it is drawn with.

#include <windows.h>

#include <string>

// A satellite's dot or LNB, the marked one, and the texts.
const COLORREF SatelliteColour = RGB(32, 64, 160);
const COLORREF MarkColour = RGB(208, 40, 40);
const COLORREF TextColour = RGB(0, 0, 0);

// A pen selected for as long as it lives.
class SelectedPen {
public:
    SelectedPen(HDC dc, int width, COLORREF colour, int style = PS_SOLID);
    ~SelectedPen();
    SelectedPen(const SelectedPen&) = delete;
    SelectedPen& operator=(const SelectedPen&) = delete;

private:
    HDC dc_;
    HPEN pen_;
    HGDIOBJ previous_;
};

void fillRectangle(HDC dc, const RECT& rect, COLORREF colour);

// A circle with the selected pen, filled with `fillColour` or hollow.
void drawCircle(HDC dc, POINT centre, int radius, COLORREF fillColour, bool filled);

// The one place the pictures hand a text to GDI: code page 936 in, UTF-16
// out, at the text alignment the device context has.
void drawPictureText(HDC dc, const std::string& text, int x, int y);
