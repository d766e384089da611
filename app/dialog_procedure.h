#pragma once
// The one shape of the program's dialog procedures: the dialog's context
// arrives as the initialisation value and stays in DWLP_USER; nothing is
// handled before WM_INITDIALOG has brought it; no exception reaches the
// window manager.

#include <windows.h>

template <typename Context>
using DialogHandler = INT_PTR (*)(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam,
                                  Context& context);

template <typename Context, DialogHandler<Context> Handle>
INT_PTR guardedDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    try {
        if (message == WM_INITDIALOG) {
            SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        }
        auto* context = reinterpret_cast<Context*>(GetWindowLongPtrW(dialog, DWLP_USER));
        if (context == nullptr) {
            return FALSE;
        }
        return Handle(dialog, message, wParam, lParam, *context);
    } catch (...) {
        return TRUE;
    }
}
