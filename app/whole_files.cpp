#include "app/whole_files.h"

#include <windows.h>

#include <algorithm>

namespace {

// Closes the handle when it goes out of scope.
struct FileHandle {
    HANDLE handle;
    ~FileHandle() {
        if (handle != INVALID_HANDLE_VALUE) CloseHandle(handle);
    }
};

bool writeAll(HANDLE file, const std::string& bytes) {
    std::size_t written = 0;
    while (written < bytes.size()) {
        const DWORD chunk =
            static_cast<DWORD>(std::min<std::size_t>(bytes.size() - written, 1 << 20));
        DWORD done = 0;
        if (!WriteFile(file, bytes.data() + written, chunk, &done, nullptr) || done == 0)
            return false;
        written += done;
    }
    return FlushFileBuffers(file) != FALSE;
}

std::wstring folderOf(const std::wstring& path) {
    const std::size_t separator = path.find_last_of(L"\\/");
    return separator == std::wstring::npos ? std::wstring(L".") : path.substr(0, separator + 1);
}

}  // namespace

bool readFileStart(const std::wstring& path, std::size_t limit, std::string& bytes) {
    FileHandle file{CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr)};
    if (file.handle == INVALID_HANDLE_VALUE) return false;
    bytes.clear();
    char buffer[65536];
    while (bytes.size() <= limit) {
        const DWORD wanted =
            static_cast<DWORD>(std::min<std::size_t>(sizeof buffer, limit + 1 - bytes.size()));
        DWORD read = 0;
        if (!ReadFile(file.handle, buffer, wanted, &read, nullptr)) return false;
        if (read == 0) break;
        bytes.append(buffer, read);
    }
    return true;
}

bool replaceFileWith(const std::wstring& path, const std::string& bytes) {
    wchar_t temporary[MAX_PATH + 1] = {};
    if (GetTempFileNameW(folderOf(path).c_str(), L"kst", 0, temporary) == 0) return false;
    bool written = false;
    {
        FileHandle file{CreateFileW(temporary, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr)};
        written = file.handle != INVALID_HANDLE_VALUE && writeAll(file.handle, bytes);
    }
    if (written &&
        MoveFileExW(temporary, path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return true;
    }
    DeleteFileW(temporary);
    return false;
}
