#pragma once
// The LNB bar seen from behind the dish: the main LNB in the middle, every
// other LNB where it goes beside it (to one scale across and up), joined by
// the bar; the main LNB and a marked one labelled with their satellites'
// longitudes.

#include <windows.h>

#include "fieldkit/multifeed.h"

// Draws the LNBs of `plan` into `area` of `dc` with `font`; the one at index
// `selected` of plan.satellites is marked and labelled (-1 marks none). Without a dish
// (`withDish` false) it asks for the focal length and the diameter instead.
void drawMultifeedBar(HDC dc, const RECT& area, const MultifeedPlan& plan, bool withDish,
                      int selected, HFONT font);
