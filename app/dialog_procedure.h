#pragma once
// The one shape of the program's dialogs and window procedures. A dialog's
// context arrives as the initialisation value and stays in DWLP_USER;
// nothing is handled before WM_INITDIALOG has brought it; a close request
// the dialog leaves unhandled ends it with IDCANCEL; and no exception
// reaches the window manager from any dialog, window or subclass procedure.

#include <windows.h>

#include <utility>

// Runs `body` and gives its result, or `failure` if anything below it threw.
template <typename Body>
auto withoutExceptions(Body&& body, decltype(body()) failure) noexcept -> decltype(body()) {
    try {
        return std::forward<Body>(body)();
    } catch (...) {
        return failure;
    }
}

template <typename Context>
using DialogHandler = INT_PTR (*)(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam,
                                  Context& context);

template <typename Context, DialogHandler<Context> Handle>
INT_PTR CALLBACK guardedDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    return withoutExceptions(
        [&]() -> INT_PTR {
            if (message == WM_INITDIALOG) {
                SetWindowLongPtrW(dialog, DWLP_USER, lParam);
            }
            auto* context = reinterpret_cast<Context*>(GetWindowLongPtrW(dialog, DWLP_USER));
            if (context == nullptr) {
                return FALSE;
            }
            const INT_PTR result = Handle(dialog, message, wParam, lParam, *context);
            if (result == FALSE && message == WM_CLOSE) {
                EndDialog(dialog, IDCANCEL);
                return TRUE;
            }
            return result;
        },
        TRUE);
}

// Runs the dialog of template `templateId` modally to `owner` with `context`
// and returns what it ended with (EndDialog's result; -1 when it could not
// be created).
template <typename Context, DialogHandler<Context> Handle>
INT_PTR runModalDialog(HINSTANCE instance, int templateId, HWND owner, Context& context) {
    return DialogBoxParamW(instance, MAKEINTRESOURCEW(templateId), owner,
                           guardedDialogProc<Context, Handle>, reinterpret_cast<LPARAM>(&context));
}

// Creates the dialog of template `templateId` without a loop of its own,
// for a host that runs the messages itself (the tests, the timing program).
template <typename Context, DialogHandler<Context> Handle>
HWND createDialog(HINSTANCE instance, int templateId, HWND owner, Context& context) {
    return CreateDialogParamW(instance, MAKEINTRESOURCEW(templateId), owner,
                              guardedDialogProc<Context, Handle>,
                              reinterpret_cast<LPARAM>(&context));
}
