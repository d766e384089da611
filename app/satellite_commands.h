#pragma once
// The main window's commands that edit, export or explain the satellite
// list: 3011 add, 3012 modify, 3013 delete, 3014 copy, 3021 about.

struct MainWindowState;

void addSatellite(MainWindowState& state);
void modifySelectedSatellite(MainWindowState& state);
void deleteSelectedSatellites(MainWindowState& state);
void copyResultsToClipboard(MainWindowState& state);
void showAboutBox(MainWindowState& state);
