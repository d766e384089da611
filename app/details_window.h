#pragma once
// The details window (template 2700): one satellite of the table seen from
// the site of the last recalculation, with its compass bearing, the
// elevation of an offset dish, range, delay and the sky picture. It only
// reads the table and the site; the offset angle typed into it is kept for
// the settings store.

#include <windows.h>

#include <string>

#include "calc/details_text.h"
#include "data/receiving_site.h"
#include "data/satellite_table.h"
#include "data/settings_store.h"
#include "fieldkit/sky_layout.h"

// What the window shows, prepared before it opens.
struct DetailsWindowContent {
    std::string satelliteName;  // code page 936, as the cells hold them
    std::string longitudeText;
    std::string siteName;  // the site description's first line
    DetailsInput input;    // its texts point into the strings above
    SkyLayout sky;
    int selected = -1;  // the satellite's index in sky.satellites
};

// The window's context in DWLP_USER: the content and the offset it edits.
struct DetailsWindowContext {
    DetailsWindowContent content;
    OffsetSetting* offset = nullptr;
};

// Everything the window shows for `row` of `table`, from `site` (the
// coordinates and description of the last recalculation) on `date`.
void prepareDetails(const SatelliteTable& table, int row, const ReceivingSite& site,
                    const char* siteDescription, const CalendarDate& date,
                    DetailsWindowContent& content);

// Today, local time.
CalendarDate localToday();

INT_PTR CALLBACK DetailsWindowProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Command 3015 and a double-click on a row: the window for `row` of `table`
// (nothing for -1), modal to `owner`, for `site` (the coordinates and
// description of the last recalculation) on `date`. The offset typed into it
// is left in `offset`.
void showSatelliteDetails(HINSTANCE instance, HWND owner, const SatelliteTable& table, int row,
                          const ReceivingSite& site, const char* siteDescription,
                          const CalendarDate& date, OffsetSetting& offset);
