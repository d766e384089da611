#pragma once
// The main window: the modal dialog from template 2000 that is the whole program.

#include <windows.h>

#include <string>

#include "app/details_window.h"
#include "app/dialog_site_controls.h"
#include "app/link_label.h"
#include "app/list_view_table.h"
#include "app/registry_settings.h"
#include "app/satellite_deletion.h"
#include "calc/list_edit_recalculation.h"
#include "data/change_flags.h"
#include "data/receiving_site.h"
#include "data/satellite_table.h"
#include "data/settings_store.h"

// Everything the main window keeps while it is open. The program entry owns
// it and hands it to the dialog through the initialisation value; the window
// procedure finds it again in DWLP_USER.
struct MainWindowState {
    HINSTANCE instance = nullptr;

    HWND window = nullptr;
    HWND cityBox = nullptr;
    HWND longitudeBox = nullptr;
    HWND latitudeBox = nullptr;
    HWND tableView = nullptr;
    HWND tooltip = nullptr;
    HMENU menuBar = nullptr;
    // The menu bar's second pop-up, also the table's context menu.
    HMENU satelliteMenu = nullptr;

    ReceivingSite site;
    ChangeFlags changeFlags = 0;
    SortDirections sortDirections = 0;
    ListViewTable table;
    DialogSiteControls siteControls;
    RegistrySettingsBackend settings;
    // The details window's offset angle, kept as the value Offset, and the
    // date it computes for (today; the GUI tests put their own in place).
    OffsetSetting offset;
    CalendarDate (*today)() = localToday;
    char siteDescription[SiteDescriptionCapacity] = {};
    // The site of the last recalculation, for one started after a list edit
    // while the site inputs are invalid.
    LastRecalculation lastRecalculation;
    // The question before each deleted row, and the opener of the about
    // box's links; the GUI tests put their own in place.
    DeletionMessageBox askDeletion = MessageBoxW;
    LinkOpener openLink = openWithShell;
    // The city box text that applyPlaceName last ran on.
    std::string appliedPlaceName;
};

// The city box's text becomes the site name with this capacity (18 bytes and the NUL).
constexpr std::size_t SiteNameReadCapacity = SiteNameLimit + 1;
// The city box's text as it changes is read with this generous capacity.
constexpr std::size_t CityBoxEditReadCapacity = 36000;

// Typing limits in bytes: coordinate boxes 6, city box 18.
constexpr std::size_t CoordinateBoxLimit = 6;
constexpr std::size_t CityBoxLimit = 18;

// The main window's dialog procedure. Pass a MainWindowState as the
// initialisation value (DialogBoxParamW's last argument).
INT_PTR CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Shows the main window modally from template 2000 and returns when it has ended.
void runMainWindow(HINSTANCE instance);

// The Recalculate command: recalculateAll with the city box's text, then the
// description shown in control 2001. Remembers the site it computed for.
void recalculate(MainWindowState& state);
