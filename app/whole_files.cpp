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

// A path as the file functions take it beyond MAX_PATH characters: a full
// path with the \\?\ prefix (a shorter one is left as it is, since the
// prefix turns off the rest of the path's reading).
std::wstring longPathForm(const std::wstring& path) {
    if (path.size() < MAX_PATH || path.compare(0, 4, L"\\\\?\\") == 0) return path;
    if (path.size() > 2 && path[1] == L':' && path[2] == L'\\') return L"\\\\?\\" + path;
    if (path.compare(0, 2, L"\\\\") == 0) return L"\\\\?\\UNC\\" + path.substr(2);
    return path;
}

// A new, empty file beside `path` for the bytes to be written into first.
// GetTempFileNameW would refuse a folder longer than MAX_PATH - 14.
bool createTemporaryBeside(const std::wstring& path, std::wstring& temporary, HANDLE& file) {
    const unsigned long seed = GetTickCount() ^ (GetCurrentProcessId() << 16);
    for (unsigned long attempt = 0; attempt < 100; ++attempt) {
        wchar_t suffix[32];
        wsprintfW(suffix, L".kst%08lx.tmp", seed + attempt);
        temporary = path + suffix;
        file = CreateFileW(longPathForm(temporary).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE) return true;
        if (GetLastError() != ERROR_FILE_EXISTS) return false;
    }
    return false;
}

}  // namespace

bool readFileStart(const std::wstring& path, std::size_t limit, std::string& bytes) {
    // Every kind of sharing: Excel and WPS hold a list they show open for writing.
    FileHandle file{CreateFileW(longPathForm(path).c_str(), GENERIC_READ,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)};
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
    std::wstring temporary;
    HANDLE handle = INVALID_HANDLE_VALUE;
    if (!createTemporaryBeside(path, temporary, handle)) return false;
    bool written = false;
    {
        FileHandle file{handle};
        written = writeAll(file.handle, bytes);
    }
    const std::wstring target = longPathForm(path);
    const std::wstring source = longPathForm(temporary);
    if (written) {
        // An existing file keeps its permissions, owner and attributes.
        if (ReplaceFileW(target.c_str(), source.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS,
                         nullptr, nullptr))
            return true;
        if (GetFileAttributesW(target.c_str()) == INVALID_FILE_ATTRIBUTES &&
            MoveFileExW(source.c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH))
            return true;
    }
    DeleteFileW(source.c_str());
    return false;
}
