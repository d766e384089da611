#include "cli/console_output.h"

#include "encoding/text_encoding.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

#ifdef _WIN32

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

#endif

}  // namespace

bool writeOutput(std::FILE* stream, const std::string& utf8) {
#ifdef _WIN32
    if (HANDLE console = consoleOf(stream)) {
        std::u16string text;
        if (utf8ToUtf16(utf8, text)) {
            // Whatever went through the C runtime first stays first.
            std::fflush(stream);
            return writeToConsole(console, text);
        }
    }
#endif
    return std::fwrite(utf8.data(), 1, utf8.size(), stream) == utf8.size();
}
