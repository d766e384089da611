#pragma once
// The about box (template 9000): the program's icon, name and version, and
// two link labels, one to the home page and one for a mail to the author.

#include <windows.h>

#include "app/link_label.h"

// The box receives a LinkLabelHost through DialogBoxParamW and keeps it in DWLP_USER.
INT_PTR CALLBACK AboutBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam);

// Command 3021: the box, modal to `owner`; its links open with `openLink`.
// Enter, its OK button and its close box close it; Esc does not.
void showAboutBox(HINSTANCE instance, HWND owner, LinkOpener openLink);
