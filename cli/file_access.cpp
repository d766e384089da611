#include "cli/file_access.h"

#include <cstdio>
#include <memory>

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

}  // namespace

bool readFileStart(const std::string& path, std::size_t limit, std::string& bytes) {
    bytes.clear();
    if (path.find('\0') != std::string::npos) return false;
    File file = openFile(path, "rb");
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
