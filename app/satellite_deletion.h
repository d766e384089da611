#pragma once
// Command 3013: deletes the selected rows, asking about each one first.

#include <windows.h>

struct MainWindowState;

// Asks the user; answers IDYES, IDNO or IDCANCEL. The program asks with MessageBoxA.
using DeletionQuestion = int(WINAPI*)(HWND owner, LPCSTR text, LPCSTR caption, UINT type);

// The question's caption, 警告!, and the text before the satellite's name,
// 真的要删除下面的卫星参数吗?\r\n (code page 936).
inline constexpr char DeletionCaption[] = "\xBE\xAF\xB8\xE6!";
inline constexpr char DeletionQuestionText[] =
    "\xD5\xE6\xB5\xC4\xD2\xAA\xC9\xBE\xB3\xFD\xCF\xC2\xC3\xE6\xB5\xC4\xCE\xC0\xD0\xC7"
    "\xB2\xCE\xCA\xFD\xC2\xF0?\r\n";
constexpr UINT DeletionQuestionType = MB_YESNOCANCEL | MB_ICONQUESTION | MB_DEFBUTTON2;

// Walks the selected rows in increasing index order and asks about each:
// Yes deletes it (and the row that moves up into its place is considered
// next), No keeps it, Cancel stops. Each deletion sets ListChanged; nothing
// is recalculated.
void deleteSelectedSatellites(MainWindowState& state);
