#pragma once
// The about box (IDD_ABOUT_BOX): the program's icon, name and version, and
// two link labels, one to the home page and one for a mail to the author.

#include <windows.h>

#include "app/link_label.h"

// IDM_ABOUT: the box, modal to `owner`; its links open with `openLink`.
// Enter, its OK button and its close box close it; Esc does not.
void showAboutBox(HINSTANCE instance, HWND owner, LinkOpener openLink);
