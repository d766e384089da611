#pragma once
// The satellite dialog (IDD_SATELLITE_DIALOG): the longitude and description of a
// satellite to add at the end of the table or to put into the first
// selected row. The dialog only edits texts; its caller writes the row.

#include <windows.h>

#include <functional>

#include "calc/satellite_entry.h"

// How the dialog was opened: 0 adds, 1 modifies. The OK button shows it.
enum class SatelliteDialogMode : int { Add = 0, Modify = 1 };

// Texts in, texts out. The dialog keeps it in DWLP_USER.
struct SatelliteDialogData {
    SatelliteDialogMode mode = SatelliteDialogMode::Add;
    // Shown when the dialog opens; what the boxes hold when OK is pressed.
    char longitude[CellReadCapacity] = {};
    char description[CellReadCapacity] = {};
    // Whether OK may write these texts; OK is greyed while it says no.
    std::function<bool(const char* longitude, const char* description)> acceptable;
};

// Shows the dialog modally to `owner`. True when the user confirmed it with
// OK (the texts are then in `data`), false when it was cancelled or closed.
bool runSatelliteDialog(HINSTANCE instance, HWND owner, SatelliteDialogData& data);
