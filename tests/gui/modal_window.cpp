#include "tests/gui/modal_window.h"

#include <gtest/gtest.h>
// commctrl.h needs windows.h first
#include <commctrl.h>

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
    wchar_t className[16] = {};
    GetClassNameW(window, className, 16);
    // Dialogs and message boxes alike are of the dialog class.
    if (GetWindow(window, GW_OWNER) == search->owner && IsWindowVisible(window) &&
        lstrcmpW(className, L"#32770") == 0) {
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
    if (!IsDialogMessageW(window, &message)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    pumpDialog(window);
}

void pumpDialog(HWND window) {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (!IsDialogMessageW(window, &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
}

std::string utf8FromWide(const std::wstring& wide) {
    std::string utf8;
    utf16ToUtf8(std::u16string(wide.begin(), wide.end()), utf8);
    return utf8;
}

std::wstring wideFromUtf8(const std::string& utf8) {
    std::u16string utf16;
    utf8ToUtf16(utf8, utf16);
    return std::wstring(utf16.begin(), utf16.end());
}

std::string controlText(HWND control) {
    wchar_t buffer[512] = {};
    GetWindowTextW(control, buffer, 512);
    return utf8FromWide(buffer);
}

std::string listCellText(HWND list, int row, int column) {
    wchar_t text[128] = {};
    LVITEMW cell = {};
    cell.iSubItem = column;
    cell.pszText = text;
    cell.cchTextMax = 128;
    SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&cell));
    return utf8FromWide(text);
}

void setEditText(HWND edit, const std::string& utf8) {
    SetWindowTextW(edit, wideFromUtf8(utf8).c_str());
}

void typeInto(HWND edit, const std::wstring& characters) {
    SetFocus(edit);
    for (wchar_t character : characters) {
        SendMessageW(edit, WM_CHAR, character, 1);
    }
}
