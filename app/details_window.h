#pragma once
// The details window (IDD_DETAILS_WINDOW): one satellite of the table seen from
// the site of the last recalculation, with its compass bearing, the
// elevation of an offset dish, range, delay and the sky picture. It only
// reads the table and the site; the offset angle typed into it is kept for
// the settings store.

#include <windows.h>

#include "data/receiving_site.h"
#include "data/satellite_table.h"
#include "data/settings_autosave.h"
#include "data/settings_store.h"
#include "fieldkit/calendar_date.h"
#include "fieldkit/horizon.h"

// IDM_SATELLITE_DETAILS and a double-click on a row: the window for `row` of `table`
// (nothing for -1), modal to `owner`, for `site` (the coordinates and
// description of the last recalculation) on `date`. The offset typed into it
// is left in `offset` and written through `autosave` as it changes; so are
// the dish and the band of the sun outages, in `dish` and `band`. The
// `obstacles` (true azimuths) give the line of sight and stand in the picture.
void showSatelliteDetails(HINSTANCE instance, HWND owner, const SatelliteTable& table, int row,
                          const ReceivingSite& site, const char* siteDescription,
                          const CalendarDate& date, OffsetSetting& offset,
                          SettingsAutosave& autosave, DishSetting& dish, BandSetting& band,
                          const Horizon& obstacles);
