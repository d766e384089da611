#include "cli/text_encoding.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <iconv.h>

#include <cerrno>
#endif

namespace {

#ifdef _WIN32

bool toWide(UINT codePage, const std::string& in, std::wstring& wide) {
    wide.clear();
    if (in.empty()) return true;
    int length = MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, in.data(),
                                     static_cast<int>(in.size()), nullptr, 0);
    if (length <= 0) return false;
    wide.resize(static_cast<std::size_t>(length));
    return MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, in.data(),
                               static_cast<int>(in.size()), wide.data(), length) == length;
}

bool fromWide(UINT codePage, const std::wstring& wide, std::string& out) {
    out.clear();
    if (wide.empty()) return true;
    // UTF-8 takes no default character; for 936 a substituted character is a failure.
    BOOL usedDefault = FALSE;
    BOOL* usedDefaultPointer = codePage == CP_UTF8 ? nullptr : &usedDefault;
    DWORD flags = codePage == CP_UTF8 ? WC_ERR_INVALID_CHARS : WC_NO_BEST_FIT_CHARS;
    int length = WideCharToMultiByte(codePage, flags, wide.data(), static_cast<int>(wide.size()),
                                     nullptr, 0, nullptr, usedDefaultPointer);
    if (length <= 0 || usedDefault) return false;
    out.resize(static_cast<std::size_t>(length));
    length = WideCharToMultiByte(codePage, flags, wide.data(), static_cast<int>(wide.size()),
                                 out.data(), length, nullptr, usedDefaultPointer);
    return length == static_cast<int>(out.size()) && !usedDefault;
}

bool convert(UINT fromCodePage, UINT toCodePage, const std::string& in, std::string& out) {
    std::wstring wide;
    return toWide(fromCodePage, in, wide) && fromWide(toCodePage, wide, out);
}

constexpr UINT Utf8 = CP_UTF8;
constexpr UINT Cp936 = 936;

#else

bool convert(const char* from, const char* to, const std::string& in, std::string& out) {
    out.clear();
    iconv_t converter = iconv_open(to, from);
    if (converter == reinterpret_cast<iconv_t>(-1)) return false;
    std::string input = in;
    char* inPointer = input.data();
    std::size_t inLeft = input.size();
    bool ok = true;
    char chunk[256];
    while (inLeft > 0 && ok) {
        char* outPointer = chunk;
        std::size_t outLeft = sizeof chunk;
        std::size_t result = iconv(converter, &inPointer, &inLeft, &outPointer, &outLeft);
        out.append(chunk, sizeof chunk - outLeft);
        if (result == static_cast<std::size_t>(-1) && errno != E2BIG) ok = false;
        // iconv counts characters it replaced; none may be.
        if (result != static_cast<std::size_t>(-1) && result > 0) ok = false;
    }
    iconv_close(converter);
    return ok;
}

constexpr const char* Utf8 = "UTF-8";
constexpr const char* Cp936 = "CP936";

#endif

}  // namespace

bool utf8ToCp936(const std::string& utf8, std::string& out) {
    return convert(Utf8, Cp936, utf8, out);
}

bool cp936ToUtf8(const std::string& cp936, std::string& out) {
    return convert(Cp936, Utf8, cp936, out);
}

std::string cp936FromUtf8(const std::string& utf8) {
    std::string out;
    return utf8ToCp936(utf8, out) ? out : std::string();
}

std::string utf8FromCp936(const std::string& cp936) {
    std::string out;
    return cp936ToUtf8(cp936, out) ? out : std::string();
}
