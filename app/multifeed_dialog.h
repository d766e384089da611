#pragma once
// The multifeed dialog (IDD_MULTIFEED): the dish aims at one satellite of
// the table, and every other one in reach gets an LNB beside the main one.
// Its boxes take the dish's focal length and diameter, kept for the
// settings store; the list and the drawing show where each LNB goes, seen
// from behind the dish.

#include <windows.h>

#include "data/receiving_site.h"
#include "data/satellite_table.h"
#include "data/settings_autosave.h"
#include "data/settings_store.h"

// IDM_MULTIFEED: the dialog for `row` of `table` as the main satellite
// (nothing for -1), modal to `owner`, for `site` (the coordinates of the
// last recalculation). The boxes' texts are left in `dish` and written
// through `autosave` as they change.
void showMultifeedDialog(HINSTANCE instance, HWND owner, const SatelliteTable& table, int row,
                         const ReceivingSite& site, MultifeedDishSetting& dish,
                         SettingsAutosave& autosave);
