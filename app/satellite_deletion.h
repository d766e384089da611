#pragma once
// IDM_DELETE_SATELLITES: deletes the selected rows, asking about each one first.

#include <windows.h>

#include "data/satellite_table.h"

// Asks the user; answers IDYES, IDNO or IDCANCEL. The program asks with MessageBoxW.
using DeletionMessageBox = int(WINAPI*)(HWND owner, LPCWSTR text, LPCWSTR caption, UINT type);

// The question, app_text::DeletionQuestion and the satellite's name under
// app_text::DeletionCaption, with No as the default answer.
constexpr UINT DeletionQuestionType = MB_YESNOCANCEL | MB_ICONQUESTION | MB_DEFBUTTON2;

// Asks about each selected row with a message box owned by `owner`: Yes
// deletes it, No keeps it, Cancel stops. True when a row was deleted; nothing
// is recalculated.
bool deleteSelectedSatellites(HWND owner, SatelliteTable& table, DeletionMessageBox ask);
