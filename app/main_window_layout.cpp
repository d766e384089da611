#include "app/main_window_layout.h"

#include <commctrl.h>

#include <algorithm>

void rememberFirstLayout(HWND window, MainWindowLayout& layout) {
    RECT client;
    GetClientRect(window, &client);
    layout.firstClient = {client.right, client.bottom};
    RECT frame;
    GetWindowRect(window, &frame);
    layout.firstWindow = {frame.right - frame.left, frame.bottom - frame.top};
    layout.firstPlaces.clear();
    for (HWND child = GetWindow(window, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        RECT place;
        GetWindowRect(child, &place);
        MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&place), 2);
        layout.firstPlaces.emplace_back(child, place);
    }
}

void layOutMainWindow(HWND window, HWND table, MainWindowLayout& layout) {
    RECT client;
    GetClientRect(window, &client);
    // A minimised window has no client area: nothing moves.
    if (client.right == 0 || layout.firstPlaces.empty()) return;
    const int extraWidth = std::max(0L, client.right - layout.firstClient.cx);
    const int extraHeight = std::max(0L, client.bottom - layout.firstClient.cy);

    HDWP moves = BeginDeferWindowPos(static_cast<int>(layout.firstPlaces.size()));
    for (const auto& [control, first] : layout.firstPlaces) {
        const bool isTable = control == table;
        const int x = first.left + (isTable ? 0 : extraWidth);
        const int width = first.right - first.left + (isTable ? extraWidth : 0);
        const int height = first.bottom - first.top + (isTable ? extraHeight : 0);
        if (moves != nullptr)
            moves = DeferWindowPos(moves, control, nullptr, x, first.top, width, height,
                                   SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (moves != nullptr) EndDeferWindowPos(moves);

    // The first column takes the table's new width, keeping any width the user gave it.
    const int columnWidth = static_cast<int>(SendMessageW(table, LVM_GETCOLUMNWIDTH, 0, 0));
    const int widened = columnWidth + extraWidth - layout.laidOutExtraWidth;
    SendMessageW(table, LVM_SETCOLUMNWIDTH, 0, MAKELPARAM(std::max(widened, 0), 0));
    layout.laidOutExtraWidth = extraWidth;
    InvalidateRect(window, nullptr, TRUE);
}

void limitMainWindowSize(const MainWindowLayout& layout, MINMAXINFO& info) {
    if (layout.firstWindow.cx == 0) return;  // before the window knows its first size
    info.ptMinTrackSize.x = layout.firstWindow.cx;
    info.ptMinTrackSize.y = layout.firstWindow.cy;
}

WindowSetting windowPlacementOf(HWND window) {
    WINDOWPLACEMENT placement = {};
    placement.length = sizeof placement;
    GetWindowPlacement(window, &placement);
    const RECT& normal = placement.rcNormalPosition;
    return {normal.left, normal.top, normal.right - normal.left, normal.bottom - normal.top,
            placement.showCmd == SW_SHOWMAXIMIZED || IsZoomed(window) != FALSE};
}

void placeWindow(HWND window, const MainWindowLayout& layout, const WindowSetting& saved) {
    RECT wanted = {saved.x, saved.y,
                   saved.x + std::max(saved.width, static_cast<long>(layout.firstWindow.cx)),
                   saved.y + std::max(saved.height, static_cast<long>(layout.firstWindow.cy))};
    // The nearest monitor's work area holds the whole window where it can,
    // and its top left corner (the caption) always.
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof monitor;
    if (GetMonitorInfoW(MonitorFromRect(&wanted, MONITOR_DEFAULTTONEAREST), &monitor)) {
        const RECT& work = monitor.rcWork;
        const long width = std::min(wanted.right - wanted.left, work.right - work.left);
        const long height = std::min(wanted.bottom - wanted.top, work.bottom - work.top);
        const long x = std::max(work.left, std::min(wanted.left, work.right - width));
        const long y = std::max(work.top, std::min(wanted.top, work.bottom - height));
        wanted = {x, y, x + std::max(width, static_cast<long>(layout.firstWindow.cx)),
                  y + std::max(height, static_cast<long>(layout.firstWindow.cy))};
    }
    WINDOWPLACEMENT placement = {};
    placement.length = sizeof placement;
    placement.showCmd = saved.maximised ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL;
    placement.rcNormalPosition = wanted;
    SetWindowPlacement(window, &placement);
}
