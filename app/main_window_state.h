#pragma once
// Everything the main window keeps while it is open, in three groups: its
// controls, the program's model, and the seams where the GUI tests put
// their own functions in place. The program entry owns it and hands it to
// the dialog through the initialisation value.

#include <windows.h>

#include <cstddef>

#include "app/city_box.h"
#include "app/dialog_site_controls.h"
#include "app/file_dialogs.h"
#include "app/link_label.h"
#include "app/list_view_table.h"
#include "app/main_window_layout.h"
#include "app/registry_settings.h"
#include "app/satellite_deletion.h"
#include "calc/list_edit_recalculation.h"
#include "calc/recalculation.h"
#include "data/change_flags.h"
#include "data/receiving_site.h"
#include "data/settings_autosave.h"
#include "data/settings_store.h"
#include "fieldkit/calendar_date.h"
#include "fieldkit/horizon.h"
#include "fieldkit/site_obstacles.h"

struct MainWindowControls {
    HINSTANCE instance = nullptr;
    HWND window = nullptr;
    CityBox city;
    HWND longitudeBox = nullptr;
    HWND latitudeBox = nullptr;
    HWND tableView = nullptr;
    HWND tooltip = nullptr;
    HMENU menuBar = nullptr;
    // The menu bar's second pop-up, also the table's context menu.
    HMENU satelliteMenu = nullptr;
    ListViewTable table;
    // The coordinate boxes and the Recalculate commands, as the site-input
    // handlers see them; they also remember whether the inputs are usable.
    DialogSiteControls siteControls;
    // Where the controls go as the window is resized.
    MainWindowLayout layout;
};

struct MainWindowModel {
    ReceivingSite site;
    ChangeFlags changeFlags = 0;
    SortDirections sortDirections = 0;
    RegistrySettingsBackend settings;
    // Writes each change to the settings as it happens, and the close's
    // values once.
    SettingsAutosave autosave{settings};
    // The details window's offset angle, kept as the value Offset.
    OffsetSetting offset;
    char siteDescription[SiteDescriptionCapacity] = {};
    // The site of the last recalculation, for one started after a list edit
    // while the site inputs are invalid.
    LastRecalculation lastRecalculation;
    // The details window's dish diameter and band for the sun outages,
    // kept as the values Dish and Band.
    DishSetting dish;
    BandSetting band;
    // The obstacles dialog's setting, kept as the value Horizon, and its
    // obstacles in true azimuths at the site of the last recalculation.
    HorizonSettingText horizon;
    Horizon obstacles;
    // The multifeed dialog's focal length and diameter, kept as the values
    // FocalLength and Diameter.
    MultifeedDishSetting multifeedDish;
    // Whether the settings keep a list that a replacement of the whole list
    // replaced (PreviousData): IDM_RESTORE_PREVIOUS_LIST is greyed without one.
    bool previousListKept = false;
};

struct MainWindowSeams {
    // The date the details window computes for.
    CalendarDate (*today)() = localToday;
    // The question before each deleted row.
    DeletionMessageBox askDeletion = MessageBoxW;
    // The opener of the about box's links.
    LinkOpener openLink = openWithShell;
    // The list and export commands' file dialogs, questions and warnings.
    FileDialog askFileToOpen = ::askFileToOpen;
    FileDialog askFileToSave = ::askFileToSave;
    MessageBoxFunction showMessage = MessageBoxW;
    // Opens the saved installation sheet.
    FileOpener openDocument = openWithDefaultProgram;
};

struct MainWindowState {
    MainWindowControls controls;
    MainWindowModel model;
    MainWindowSeams seams;
};

// The city box's text becomes the site name with this capacity (18 bytes and the NUL).
constexpr std::size_t SiteNameReadCapacity = SiteNameLimit + 1;

// Typing limits in bytes: coordinate boxes 6, city box 18.
constexpr std::size_t CoordinateBoxLimit = 6;
constexpr std::size_t CityBoxLimit = SiteNameLimit;
