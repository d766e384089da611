#pragma once
// The sky picture drawn with GDI into a window's area: the panorama toward
// the equator with the horizon, the ground, a 10 degree grid, the
// geostationary arc, the obstacles filled, the sun's track dotted, every
// satellite of the list as a dot (hollow where hidden), one of them marked
// and labelled, and the compass words under the horizon.

#include <windows.h>

#include "fieldkit/sky_layout.h"

// Draws `layout` scaled into `area` of `dc` with `font` for its texts. The
// satellite at index `selected` (of layout.satellites) is marked and
// labelled; -1 marks none.
void drawSkyPicture(HDC dc, const RECT& area, const SkyLayout& layout, int selected, HFONT font);
