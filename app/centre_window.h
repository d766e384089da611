#pragma once

#include <windows.h>

// Half of a signed value, rounded toward minus infinity.
int halfRoundedDown(int value);

// Moves a top-level window so that it is centred on the screen; its size stays.
void centreWindow(HWND window);
