// The conversions on Windows: MultiByteToWideChar and WideCharToMultiByte.

#include <windows.h>

#include <climits>

#include "encoding/platform_conversion.h"

namespace {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "UTF-16 is Windows' wide text");

constexpr UINT Cp936 = 936;

UINT codePageOf(ByteEncoding encoding) { return encoding == ByteEncoding::Utf8 ? CP_UTF8 : Cp936; }

const wchar_t* wide(const char16_t* text) { return reinterpret_cast<const wchar_t*>(text); }
wchar_t* wide(char16_t* text) { return reinterpret_cast<wchar_t*>(text); }

int clampedSize(std::size_t size) { return size > INT_MAX ? INT_MAX : static_cast<int>(size); }

bool toUtf16(UINT codePage, DWORD flags, const char* bytes, std::size_t size, std::u16string& out) {
    out.clear();
    if (size == 0) return true;
    int length = MultiByteToWideChar(codePage, flags, bytes, clampedSize(size), nullptr, 0);
    if (length <= 0) return false;
    out.resize(static_cast<std::size_t>(length));
    return MultiByteToWideChar(codePage, flags, bytes, clampedSize(size), wide(out.data()),
                               length) == length;
}

}  // namespace

bool decodeBytes(ByteEncoding encoding, const std::string& bytes, std::u16string& out) {
    return toUtf16(codePageOf(encoding), MB_ERR_INVALID_CHARS, bytes.data(), bytes.size(), out);
}

bool encodeBytes(ByteEncoding encoding, const std::u16string& text, std::string& out) {
    out.clear();
    if (text.empty()) return true;
    const UINT codePage = codePageOf(encoding);
    // UTF-8 takes no default character; for 936 a substituted character is a failure.
    BOOL usedDefault = FALSE;
    BOOL* usedDefaultPointer = codePage == CP_UTF8 ? nullptr : &usedDefault;
    DWORD flags = codePage == CP_UTF8 ? WC_ERR_INVALID_CHARS : WC_NO_BEST_FIT_CHARS;
    const int units = clampedSize(text.size());
    int length = WideCharToMultiByte(codePage, flags, wide(text.data()), units, nullptr, 0, nullptr,
                                     usedDefaultPointer);
    if (length <= 0 || usedDefault) return false;
    out.resize(static_cast<std::size_t>(length));
    length = WideCharToMultiByte(codePage, flags, wide(text.data()), units, out.data(), length,
                                 nullptr, usedDefaultPointer);
    return length == static_cast<int>(out.size()) && !usedDefault;
}

std::u16string decodeCp936Leniently(const char* bytes, std::size_t length) {
    std::u16string out;
    toUtf16(Cp936, 0, bytes, length, out);
    return out;
}

std::string encodeCp936Leniently(const char16_t* text, std::size_t length) {
    std::string out;
    if (length == 0) return out;
    const int units = clampedSize(length);
    int size = WideCharToMultiByte(Cp936, 0, wide(text), units, nullptr, 0, nullptr, nullptr);
    if (size <= 0) return out;
    out.resize(static_cast<std::size_t>(size));
    size = WideCharToMultiByte(Cp936, 0, wide(text), units, out.data(), size, nullptr, nullptr);
    out.resize(size > 0 ? static_cast<std::size_t>(size) : 0);
    return out;
}
