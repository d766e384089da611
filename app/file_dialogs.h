#pragma once
// The common open and save dialogs, as the list and export commands ask
// for a file.

#include <windows.h>

#include <string>

// What a dialog shows: its caption, its filter (description and pattern
// pairs, each text ended by a NUL; the wide string holds the NULs) and, for
// the save dialog, the name it proposes and the extension a name without one
// gets.
struct FileDialogRequest {
    std::wstring caption;
    std::wstring filter;
    std::wstring fileName;
    std::wstring defaultExtension;
};

// Asks for a file: true with its full path, false when the user cancels.
using FileDialog = bool (*)(HWND owner, const FileDialogRequest& request, std::wstring& path);

// GetOpenFileNameW: an existing file.
bool askFileToOpen(HWND owner, const FileDialogRequest& request, std::wstring& path);
// GetSaveFileNameW: asks before it replaces an existing file.
bool askFileToSave(HWND owner, const FileDialogRequest& request, std::wstring& path);

// The filter of two entries: each description followed by its pattern.
std::wstring fileDialogFilter(const std::wstring& firstDescription,
                              const std::wstring& firstPattern,
                              const std::wstring& secondDescription,
                              const std::wstring& secondPattern);

// Shows a message box and answers IDYES, IDNO, IDOK...; the program shows
// MessageBoxW.
using MessageBoxFunction = int(WINAPI*)(HWND owner, LPCWSTR text, LPCWSTR caption, UINT type);

// A path's last part: the name the user knows the file by.
std::wstring fileNameOfPath(const std::wstring& path);

// Opens a file in the program Windows associates with it (a page in the
// default browser).
using FileOpener = void (*)(const std::wstring& path);
void openWithDefaultProgram(const std::wstring& path);
