#include "cli/file_access.h"

#include <cstdio>
#include <memory>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#endif

#include "encoding/text_encoding.h"

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

File openFile(const std::string& path, const char* mode) {
#ifdef _WIN32
    // The C library's narrow names are in the system's code page, not UTF-8.
    std::u16string widePath;
    std::u16string wideMode;
    if (!utf8ToUtf16(path, widePath) || !utf8ToUtf16(mode, wideMode)) return nullptr;
    return File(_wfopen(reinterpret_cast<const wchar_t*>(widePath.c_str()),
                        reinterpret_cast<const wchar_t*>(wideMode.c_str())));
#else
    return File(std::fopen(path.c_str(), mode));
#endif
}

// For reading with every kind of sharing: the C library's own open shares
// no deleting, and a list that Excel or WPS shows is held open by them.
File openForReading(const std::string& path) {
#ifdef _WIN32
    std::u16string widePath;
    if (!utf8ToUtf16(path, widePath)) return nullptr;
    HANDLE handle = CreateFileW(reinterpret_cast<const wchar_t*>(widePath.c_str()), GENERIC_READ,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return nullptr;
    const int descriptor =
        _open_osfhandle(reinterpret_cast<intptr_t>(handle), _O_RDONLY | _O_BINARY);
    if (descriptor == -1) {
        CloseHandle(handle);
        return nullptr;
    }
    std::FILE* file = _fdopen(descriptor, "rb");
    if (file == nullptr) _close(descriptor);  // closes the handle too
    return File(file);
#else
    return openFile(path, "rb");
#endif
}

}  // namespace

bool readFileStart(const std::string& path, std::size_t limit, std::string& bytes) {
    bytes.clear();
    if (path.find('\0') != std::string::npos) return false;
    File file = openForReading(path);
    if (!file) return false;
    char chunk[16384];
    while (bytes.size() <= limit) {
        const std::size_t room = limit - bytes.size();
        const std::size_t wanted = room < sizeof chunk ? room + 1 : sizeof chunk;
        const std::size_t got = std::fread(chunk, 1, wanted, file.get());
        bytes.append(chunk, got);
        // A folder opens on some systems and then fails to read.
        if (got < wanted) return std::ferror(file.get()) == 0;
    }
    return true;
}

bool writeWholeFile(const std::string& path, const std::string& bytes) {
    File file = openFile(path, "wb");
    if (!file) return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file.get()) == bytes.size();
    return std::fclose(file.release()) == 0 && written;
}
