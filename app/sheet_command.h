#pragma once
// IDM_SAVE_SHEET: the installation sheet of the last recalculation's site
// for today, saved as one HTML page and opened in the default browser.

#include "app/main_window_state.h"

// The save dialog (proposing 安装单_SITE_YYYY-MM-DD.html), then the sheet
// with the site's obstacles and the stored Offset, Dish and Band, written
// beside the target and renamed over it, then opened; a failure gives a
// warning naming the file.
void saveInstallSheet(MainWindowState& state);
