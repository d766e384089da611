// Times the main window's start: common controls, then the dialog created
// from template 2000 up to the end of its WM_INITDIALOG (city box filled,
// settings read, table filled and recalculated). Prints the first (cold)
// start and the mean, fastest and slowest of the following ones.
//
//   main_window_startup_timing.exe [runs]     (default 50)

#include <windows.h>
// commctrl.h needs windows.h first
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

#include "app/main_window.h"
#include "res/resource_ids.h"

namespace {

double elapsedMilliseconds(const LARGE_INTEGER& start, const LARGE_INTEGER& end) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) /
           static_cast<double>(frequency.QuadPart);
}

// One start: returns the milliseconds until the window's initialisation has ended.
double timeOneStart(HINSTANCE instance, bool initialiseControls) {
    auto state = std::make_unique<MainWindowState>();
    state->instance = instance;
    LARGE_INTEGER start;
    LARGE_INTEGER end;
    QueryPerformanceCounter(&start);
    if (initialiseControls) {
        INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES};
        InitCommonControlsEx(&controls);
    }
    // CreateDialogParam returns once WM_INITDIALOG has been handled.
    HWND window = CreateDialogParamA(instance, MAKEINTRESOURCEA(IDD_MAIN_WINDOW), nullptr,
                                     MainWindowProc, reinterpret_cast<LPARAM>(state.get()));
    QueryPerformanceCounter(&end);
    if (window == nullptr) {
        std::fprintf(stderr, "the main window could not be created\n");
        std::exit(1);
    }
    DestroyWindow(window);
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        DispatchMessageA(&message);
    }
    return elapsedMilliseconds(start, end);
}

}  // namespace

int main(int argc, char** argv) {
    int runs = argc > 1 ? std::atoi(argv[1]) : 50;
    if (runs < 1) {
        runs = 1;
    }
    HINSTANCE instance = GetModuleHandleA(nullptr);
    double cold = timeOneStart(instance, true);
    std::vector<double> warm;
    for (int run = 0; run < runs; ++run) {
        warm.push_back(timeOneStart(instance, false));
    }
    double sum = 0;
    for (double time : warm) {
        sum += time;
    }
    std::printf("main window start-up, first: %.2f ms\n", cold);
    std::printf("main window start-up, %d more: mean %.2f ms, fastest %.2f ms, slowest %.2f ms\n",
                runs, sum / runs, *std::min_element(warm.begin(), warm.end()),
                *std::max_element(warm.begin(), warm.end()));
    return 0;
}
