#pragma once
// A dialog's messages as a table: what it does when it starts, each
// control's command with the notification it answers, and optionally its
// list's notifications and its owner-drawn control, so that every dialog
// passes on what it does not handle alike.

#include <windows.h>

#include <cstddef>

// The command runs whatever the control notifies.
constexpr int AnyNotification = -1;

template <typename Context>
struct DialogCommand {
    int controlId;
    int notification;  // EN_CHANGE, BN_CLICKED, ... or AnyNotification
    void (*run)(HWND dialog, Context& context);
};

// The command that ends the dialog with `Result`.
template <typename Context, INT_PTR Result>
void endDialogWith(HWND dialog, Context&) {
    EndDialog(dialog, Result);
}

template <typename Context>
struct DialogMessages {
    // WM_INITDIALOG; the focus then goes to the first control.
    void (*initialise)(HWND dialog, Context& context);
    // WM_COMMAND: a control of the table is handled, even when it notified
    // something else; any other is not.
    const DialogCommand<Context>* commands;
    std::size_t commandCount;
    // WM_NOTIFY, if the dialog answers any.
    INT_PTR (*notify)(HWND dialog, const NMHDR& header, Context& context) = nullptr;
    // WM_DRAWITEM of the dialog's owner-drawn control, if it has one.
    int drawnControlId = 0;
    void (*draw)(HWND dialog, const Context& context, const DRAWITEMSTRUCT& item) = nullptr;
};

// A dialog's handler (see dialog_procedure.h) after `messages`.
template <typename Context>
INT_PTR handleDialogMessage(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam,
                            Context& context, const DialogMessages<Context>& messages) {
    switch (message) {
        case WM_INITDIALOG:
            messages.initialise(dialog, context);
            return TRUE;
        case WM_COMMAND:
            for (std::size_t i = 0; i < messages.commandCount; ++i) {
                const DialogCommand<Context>& command = messages.commands[i];
                if (command.controlId != LOWORD(wParam)) continue;
                if (command.notification == AnyNotification ||
                    command.notification == HIWORD(wParam))
                    command.run(dialog, context);
                return TRUE;
            }
            return FALSE;
        case WM_NOTIFY:
            if (messages.notify == nullptr) return FALSE;
            return messages.notify(dialog, *reinterpret_cast<const NMHDR*>(lParam), context);
        case WM_DRAWITEM:
            if (messages.draw == nullptr || wParam != static_cast<WPARAM>(messages.drawnControlId))
                return FALSE;
            messages.draw(dialog, context, *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            return TRUE;
        default:
            return FALSE;
    }
}
