// kestrave.exe: the program entry. The command line is ignored.

#include <windows.h>
// commctrl.h needs windows.h first
#include <commctrl.h>

#include "app/main_window.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    // The table and the tooltips are common controls.
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    runMainWindow(GetModuleHandleW(nullptr));
    ExitProcess(0);
}
