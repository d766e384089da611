#include "app/byte_limited_edit.h"

#include <commctrl.h>

#include <string>

#include "app/control_text.h"
#include "app/dialog_procedure.h"
#include "encoding/text_encoding.h"

namespace {

constexpr UINT_PTR SubclassId = 1;

std::size_t cp936Length(const std::wstring& text) { return cp936Text(text).size(); }

// The bytes left for typing: the limit less the text that stays around the selection.
std::size_t byteRoom(HWND edit, std::size_t limit) {
    int length = GetWindowTextLengthW(edit);
    std::wstring text(static_cast<std::size_t>(length > 0 ? length : 0) + 1, L'\0');
    length = GetWindowTextW(edit, text.data(), static_cast<int>(text.size()));
    text.resize(length > 0 ? static_cast<std::size_t>(length) : 0);
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    start = start < text.size() ? start : static_cast<DWORD>(text.size());
    end = end < text.size() ? (end > start ? end : start) : static_cast<DWORD>(text.size());
    std::size_t kept = cp936Length(text) - cp936Length(text.substr(start, end - start));
    return kept < limit ? limit - kept : 0;
}

bool isControlCharacter(WPARAM unit) { return unit < 0x20 || unit == 0x7F; }

bool characterFits(HWND edit, std::size_t limit, WPARAM unit) {
    std::size_t size = cp936Size(static_cast<char16_t>(unit));
    return size != 0 && size <= byteRoom(edit, limit);
}

// Pastes the start of the clipboard's text that fits, up to its first line end.
void pasteWhatFits(HWND edit, std::size_t limit) {
    if (!OpenClipboard(edit)) {
        return;
    }
    std::wstring text;
    if (HANDLE block = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* clipboardText = static_cast<const wchar_t*>(GlobalLock(block))) {
            text = clipboardText;
            GlobalUnlock(block);
        }
    }
    CloseClipboard();
    std::size_t line = 0;
    while (line < text.size() && !isControlCharacter(text[line])) {
        ++line;
    }
    std::size_t kept = unitsFittingCp936(reinterpret_cast<const char16_t*>(text.data()), line,
                                         byteRoom(edit, limit));
    text.resize(kept);
    if (!text.empty()) {
        SendMessageW(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
    }
}

LRESULT CALLBACK byteLimitedEditProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam,
                                     UINT_PTR, DWORD_PTR limit);

LRESULT handleEditMessage(HWND edit, UINT message, WPARAM wParam, LPARAM lParam,
                          std::size_t limit) {
    switch (message) {
        case WM_CHAR:
        case WM_IME_CHAR:
            if (!isControlCharacter(wParam) && !characterFits(edit, limit, wParam)) {
                return 0;
            }
            break;
        case WM_PASTE:
            pasteWhatFits(edit, limit);
            return 0;
        case WM_NCDESTROY:
            RemoveWindowSubclass(edit, byteLimitedEditProc, SubclassId);
            break;
        default:
            break;
    }
    return DefSubclassProc(edit, message, wParam, lParam);
}

LRESULT CALLBACK byteLimitedEditProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam,
                                     UINT_PTR, DWORD_PTR limit) {
    LRESULT result = 0;
    const bool handled = withoutExceptions(
        [&] {
            result = handleEditMessage(edit, message, wParam, lParam, limit);
            return true;
        },
        false);
    // A failure on the way (no memory for a text) leaves the message to the
    // edit control, as without the limit.
    return handled ? result : DefSubclassProc(edit, message, wParam, lParam);
}

}  // namespace

void limitTypingToBytes(HWND edit, std::size_t limit) {
    // The control's own limit counts characters; the subclass counts bytes.
    SendMessageW(edit, EM_LIMITTEXT, limit, 0);
    SetWindowSubclass(edit, byteLimitedEditProc, SubclassId, limit);
}

HWND comboBoxEditField(HWND comboBox) {
    COMBOBOXINFO info = {};
    info.cbSize = sizeof info;
    return GetComboBoxInfo(comboBox, &info) ? info.hwndItem : nullptr;
}
