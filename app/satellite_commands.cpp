#include "app/satellite_commands.h"

#include "app/main_window.h"

// The satellite dialog, the deletion question, the clipboard export and the
// about box are not built yet; until then these commands do nothing.

void addSatellite(MainWindowState&) {}

void modifySelectedSatellite(MainWindowState&) {}

void deleteSelectedSatellites(MainWindowState&) {}

void copyResultsToClipboard(MainWindowState&) {}

void showAboutBox(MainWindowState&) {}
