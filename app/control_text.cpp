#include "app/control_text.h"

#include <climits>

#include "encoding/text_encoding.h"

static_assert(sizeof(wchar_t) == sizeof(char16_t), "Windows' wide text is UTF-16");

std::wstring wideText(const char* cp936) {
    std::u16string utf16 = utf16FromCp936(cp936);
    return std::wstring(reinterpret_cast<const wchar_t*>(utf16.data()), utf16.size());
}

std::string cp936Text(const wchar_t* text, std::size_t length) {
    return cp936FromUtf16(reinterpret_cast<const char16_t*>(text), length);
}

void copyWideText(const wchar_t* text, std::size_t length, char* buffer, std::size_t capacity) {
    copyWholeCharacters(cp936Text(text, length), buffer, capacity);
}

void readControlText(HWND control, char* buffer, std::size_t capacity) {
    if (capacity == 0) {
        return;
    }
    // Every character takes at least one byte: capacity - 1 characters are
    // enough for capacity - 1 bytes.
    int limit = capacity > INT_MAX ? INT_MAX : static_cast<int>(capacity);
    std::wstring text(static_cast<std::size_t>(limit), L'\0');
    int length = GetWindowTextW(control, text.data(), limit);
    copyWideText(text.data(), length > 0 ? static_cast<std::size_t>(length) : 0, buffer, capacity);
}

void setControlText(HWND control, const char* text) {
    SetWindowTextW(control, wideText(text).c_str());
}
