#include "app/centre_window.h"

int halfRoundedDown(int value) { return value >= 0 ? value / 2 : -((1 - value) / 2); }

void centreWindow(HWND window) {
    RECT rect;
    RECT desktop;
    GetWindowRect(window, &rect);
    GetWindowRect(GetDesktopWindow(), &desktop);
    int width = rect.right - rect.left;
    int height = rect.bottom - rect.top;
    MoveWindow(window, halfRoundedDown(desktop.right - width),
               halfRoundedDown(desktop.bottom - height), width, height, FALSE);
}
