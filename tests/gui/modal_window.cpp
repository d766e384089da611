#include "tests/gui/modal_window.h"

#include <gtest/gtest.h>

#include "encoding/text_encoding.h"

namespace {

constexpr UINT PollInterval = 10;  // ms
constexpr int PollsBeforeGivingUp = 1000;

struct PendingScript {
    HWND owner;
    const std::function<void(HWND)>* script;
    bool ran = false;
    int polls = 0;
};

// The timer procedure has no way in but this.
PendingScript* pending = nullptr;

struct OwnedSearch {
    HWND owner;
    HWND found;
};

BOOL CALLBACK findOwnedWindow(HWND window, LPARAM lParam) {
    auto* search = reinterpret_cast<OwnedSearch*>(lParam);
    char className[16] = {};
    GetClassNameA(window, className, sizeof className);
    // Dialogs and message boxes alike are of the dialog class.
    if (GetWindow(window, GW_OWNER) == search->owner && IsWindowVisible(window) &&
        lstrcmpA(className, "#32770") == 0) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

HWND shownOwnedWindow(HWND owner) {
    OwnedSearch search = {owner, nullptr};
    EnumThreadWindows(GetCurrentThreadId(), findOwnedWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

void CALLBACK onPoll(HWND, UINT, UINT_PTR timer, DWORD) {
    if (pending == nullptr || pending->ran) {
        return;
    }
    HWND window = shownOwnedWindow(pending->owner);
    if (window == nullptr) {
        if (++pending->polls == PollsBeforeGivingUp) {
            ADD_FAILURE() << "no modal window was shown";
            PostQuitMessage(1);  // ends whatever loop is running
        }
        return;
    }
    KillTimer(nullptr, timer);
    pending->ran = true;
    (*pending->script)(window);
    if (IsWindow(window) && IsWindowVisible(window)) {
        ADD_FAILURE() << "the modal window was left open";
        EndDialog(window, 0);
    }
}

}  // namespace

void whileModalOpen(HWND owner, const std::function<void()>& open,
                    const std::function<void(HWND window)>& script) {
    PendingScript run = {owner, &script};
    pending = &run;
    UINT_PTR timer = SetTimer(nullptr, 0, PollInterval, onPoll);
    open();
    KillTimer(nullptr, timer);
    pending = nullptr;
    EXPECT_TRUE(run.ran) << "the modal window never opened";
}

void pressDialogKey(HWND window, HWND focus, UINT key) {
    SetFocus(focus);
    MSG message = {};
    message.hwnd = focus;
    message.message = WM_KEYDOWN;
    message.wParam = key;
    message.lParam = 1;
    if (!IsDialogMessageA(window, &message)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    pumpDialog(window);
}

void pumpDialog(HWND window) {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (!IsDialogMessageA(window, &message)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
}

std::string controlText(HWND control) {
    char buffer[512] = {};
    GetWindowTextA(control, buffer, sizeof buffer);
    return utf8FromCp936(buffer);
}

void setEditText(HWND edit, const std::string& utf8) {
    SetWindowTextA(edit, cp936FromUtf8(utf8).c_str());
}

void typeInto(HWND edit, const std::wstring& characters) {
    SetFocus(edit);
    for (wchar_t character : characters) {
        SendMessageW(edit, WM_CHAR, character, 1);
    }
}
