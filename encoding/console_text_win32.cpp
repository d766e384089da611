#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include "encoding/console_text.h"
// shellapi.h needs windows.h first
#include <shellapi.h>

#include "encoding/text_encoding.h"

namespace {

// The console the stream shows on, or null when it goes to a pipe or a file.
HANDLE consoleOf(std::FILE* stream) {
    HANDLE handle = GetStdHandle(stream == stderr ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE);
    DWORD mode = 0;
    if (handle == nullptr || handle == INVALID_HANDLE_VALUE || !GetConsoleMode(handle, &mode)) {
        return nullptr;
    }
    return handle;
}

bool writeToConsole(HANDLE console, const std::u16string& text) {
    constexpr std::size_t Chunk = 4096;
    const auto* next = reinterpret_cast<const wchar_t*>(text.data());
    std::size_t left = text.size();
    while (left > 0) {
        std::size_t count = left < Chunk ? left : Chunk;
        // A surrogate pair goes out in one piece.
        if (count < left && next[count - 1] >= 0xD800 && next[count - 1] <= 0xDBFF) --count;
        DWORD written = 0;
        if (!WriteConsoleW(console, next, static_cast<DWORD>(count), &written, nullptr) ||
            written == 0) {
            return false;
        }
        next += written;
        left -= written;
    }
    return true;
}

}  // namespace

std::vector<std::string> utf8Arguments(int, char**) {
    std::vector<std::string> arguments;
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    if (wide == nullptr) return arguments;
    for (int i = 1; i < count; ++i) {
        // A lone surrogate becomes U+FFFD, which no option accepts.
        const int length =
            WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, nullptr, 0, nullptr, nullptr);
        std::string argument(length > 0 ? static_cast<std::size_t>(length) : 1, '\0');
        WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, argument.data(), length, nullptr, nullptr);
        argument.resize(argument.size() - 1);
        arguments.push_back(argument);
    }
    LocalFree(wide);
    return arguments;
}

void keepOutputBytes() { _setmode(_fileno(stdout), _O_BINARY); }

bool writeOutput(std::FILE* stream, const std::string& utf8) {
    if (HANDLE console = consoleOf(stream)) {
        std::u16string text;
        if (utf8ToUtf16(utf8, text)) {
            // Whatever went through the C runtime first stays first.
            std::fflush(stream);
            return writeToConsole(console, text);
        }
    }
    return std::fwrite(utf8.data(), 1, utf8.size(), stream) == utf8.size();
}
