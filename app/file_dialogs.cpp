#include "app/file_dialogs.h"

#include <commdlg.h>
#include <shellapi.h>

#include <algorithm>
#include <vector>

namespace {

// Room for a long path; the dialog refuses a longer one.
constexpr DWORD PathCapacity = 32768;

bool runFileDialog(HWND owner, const FileDialogRequest& request, DWORD flags, bool save,
                   std::wstring& path) {
    std::vector<wchar_t> file(PathCapacity, L'\0');
    // The proposed name, cut to the room there is.
    request.fileName.copy(file.data(),
                          std::min<std::size_t>(request.fileName.size(), PathCapacity - 1));
    OPENFILENAMEW dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = request.filter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = PathCapacity;
    dialog.lpstrTitle = request.caption.c_str();
    dialog.lpstrDefExt =
        request.defaultExtension.empty() ? nullptr : request.defaultExtension.c_str();
    dialog.Flags = flags | OFN_EXPLORER | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR;
    const BOOL chosen = save ? GetSaveFileNameW(&dialog) : GetOpenFileNameW(&dialog);
    if (!chosen) return false;
    file.back() = L'\0';
    path = file.data();
    return true;
}

}  // namespace

bool askFileToOpen(HWND owner, const FileDialogRequest& request, std::wstring& path) {
    return runFileDialog(owner, request, OFN_FILEMUSTEXIST, false, path);
}

bool askFileToSave(HWND owner, const FileDialogRequest& request, std::wstring& path) {
    return runFileDialog(owner, request, OFN_OVERWRITEPROMPT, true, path);
}

std::wstring fileDialogFilter(const std::wstring& firstDescription,
                              const std::wstring& firstPattern,
                              const std::wstring& secondDescription,
                              const std::wstring& secondPattern) {
    std::wstring filter;
    for (const std::wstring* part :
         {&firstDescription, &firstPattern, &secondDescription, &secondPattern}) {
        filter += *part;
        filter += L'\0';
    }
    // The wide string's own NUL ends the filter.
    return filter;
}

std::wstring fileNameOfPath(const std::wstring& path) {
    const std::size_t separator = path.find_last_of(L"\\/");
    return separator == std::wstring::npos ? path : path.substr(separator + 1);
}

void openWithDefaultProgram(const std::wstring& path) {
    ShellExecuteW(nullptr, L"open", path.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}
