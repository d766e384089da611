#include "app/main_window_keys.h"

#include "res/resource_ids.h"

namespace {

// What the filter needs: a hook procedure has no context of its own.
struct MainWindowKeys {
    HHOOK hook = nullptr;
    HWND window = nullptr;
    HWND table = nullptr;
    HACCEL windowKeys = nullptr;
    HACCEL tableKeys = nullptr;
};
MainWindowKeys keys;

bool translated(MSG& message) {
    if (message.hwnd != keys.window && !IsChild(keys.window, message.hwnd)) return false;
    if (message.hwnd == keys.table &&
        TranslateAcceleratorW(keys.window, keys.tableKeys, &message) != 0)
        return true;
    return TranslateAcceleratorW(keys.window, keys.windowKeys, &message) != 0;
}

LRESULT CALLBACK filterMessage(int code, WPARAM wParam, LPARAM lParam) {
    if (code == MSGF_DIALOGBOX && lParam != 0 && translated(*reinterpret_cast<MSG*>(lParam)))
        return TRUE;
    return CallNextHookEx(keys.hook, code, wParam, lParam);
}

}  // namespace

void installMainWindowKeys(HINSTANCE instance, HWND window, HWND table) {
    removeMainWindowKeys(keys.window);
    keys.window = window;
    keys.table = table;
    keys.windowKeys = LoadAcceleratorsW(instance, MAKEINTRESOURCEW(IDA_MAIN_WINDOW_KEYS));
    keys.tableKeys = LoadAcceleratorsW(instance, MAKEINTRESOURCEW(IDA_SATELLITE_TABLE_KEYS));
    keys.hook = SetWindowsHookExW(WH_MSGFILTER, filterMessage, nullptr, GetCurrentThreadId());
}

void removeMainWindowKeys(HWND window) {
    if (window == nullptr || window != keys.window) return;
    if (keys.hook != nullptr) UnhookWindowsHookEx(keys.hook);
    // Tables loaded from resources are freed with the module.
    keys = MainWindowKeys{};
}
