#pragma once
// The details window's sun outages: the dish box (IDC_DETAILS_DISH), the
// band choice (IDC_DETAILS_BAND), the two season texts and the sun's track
// in the sky picture. The dish and band typed and chosen are kept in their
// settings and written through the autosave as they change.

#include <windows.h>

#include "data/receiving_site.h"
#include "data/settings_autosave.h"
#include "data/settings_store.h"
#include "fieldkit/calendar_date.h"
#include "fieldkit/details_outage.h"
#include "fieldkit/sky_layout.h"

struct DetailsOutageControls {
    ReceivingSite site;  // the coordinates of the last recalculation
    long double satelliteLongitude = 0;
    CalendarDate today;
    DishSetting* dish = nullptr;
    BandSetting* band = nullptr;
    SettingsAutosave* autosave = nullptr;
    DetailsOutage outage;
    bool ready = false;  // the controls hold the settings' values
};

// WM_INITDIALOG: the controls filled from the settings, the texts and the
// track for them.
void initOutageControls(HWND dialog, DetailsOutageControls& controls, SkyLayout& sky);

// EN_CHANGE of the dish box and CBN_SELCHANGE of the band choice: the
// setting follows the control, and the texts and track follow at once.
void onDishChanged(HWND dialog, DetailsOutageControls& controls, SkyLayout& sky);
void onBandChanged(HWND dialog, DetailsOutageControls& controls, SkyLayout& sky);
