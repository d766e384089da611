#pragma once
// IDM_DELETE_SATELLITES: deletes the selected rows, asking about each one first.

#include <windows.h>

#include "data/satellite_table.h"

// Asks the user; answers IDYES, IDNO or IDCANCEL. The program asks with MessageBoxW.
using DeletionMessageBox = int(WINAPI*)(HWND owner, LPCWSTR text, LPCWSTR caption, UINT type);

// The question's caption, 警告!, and the text before the satellite's name,
// 真的要删除下面的卫星参数吗?\r\n (code page 936).
inline constexpr char DeletionCaption[] = "\xBE\xAF\xB8\xE6!";
inline constexpr char DeletionQuestionText[] =
    "\xD5\xE6\xB5\xC4\xD2\xAA\xC9\xBE\xB3\xFD\xCF\xC2\xC3\xE6\xB5\xC4\xCE\xC0\xD0\xC7"
    "\xB2\xCE\xCA\xFD\xC2\xF0?\r\n";
constexpr UINT DeletionQuestionType = MB_YESNOCANCEL | MB_ICONQUESTION | MB_DEFBUTTON2;

// Asks about each selected row with a message box owned by `owner`: Yes
// deletes it, No keeps it, Cancel stops. True when a row was deleted; nothing
// is recalculated.
bool deleteSelectedSatellites(HWND owner, SatelliteTable& table, DeletionMessageBox ask);
