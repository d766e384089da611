// Times the open-list command with the largest list file that fits the
// stored list (36,000 bytes of records: about 5,400 rows): from the command
// to the repainted window, the question answered Yes at once. Each open
// starts from the 39 built-in rows, restored in between (not timed). Prints
// the first open and the mean, fastest and slowest of the following ones,
// and the file's parse alone for comparison. Each open stores the list, as
// the command does; the stored lists of both hives are put back at the end.
//
//   list_file_open_timing.exe [runs]     (default 20)

#include <windows.h>
// commctrl.h needs windows.h first
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "app/registry_settings.h"
#include "app/whole_files.h"
#include "calc/satellite_list_file.h"
#include "data/settings_store.h"
#include "res/resource_ids.h"

namespace {

// The file the open dialog "chooses"; a seam is a plain function.
std::wstring listPath;

bool chooseTheList(HWND, const FileDialogRequest&, std::wstring& path) {
    path = listPath;
    return true;
}

int WINAPI answerYes(HWND, LPCWSTR, LPCWSTR, UINT) { return IDYES; }

double now() {
    LARGE_INTEGER frequency;
    LARGE_INTEGER counter;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&counter);
    return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

void pumpMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
}

// Short records ("57,S1", "123,S4") up to the stored list's capacity, one per CRLF line.
std::string largestListFile(int& rows) {
    std::string file;
    std::size_t stored = 2;  // the two closing NULs
    for (rows = 0;; ++rows) {
        const std::string record =
            std::to_string(57 + rows * 37 % 124) + ",S" + std::to_string(rows % 10);
        if (stored + record.size() + 1 > StoredListCapacity) break;
        stored += record.size() + 1;
        file += record + "\r\n";
    }
    return file;
}

// The settings key, ASCII as it is.
const std::wstring SettingsKey(SettingsKeyPath,
                               SettingsKeyPath + std::char_traits<char>::length(SettingsKeyPath));

// The stored list of one hive, to put back after the run.
struct StoredData {
    HKEY root = nullptr;
    bool present = false;
    std::vector<BYTE> bytes;
};

StoredData readData(HKEY root) {
    StoredData data;
    data.root = root;
    HKEY key;
    if (RegOpenKeyExW(root, SettingsKey.c_str(), 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return data;
    DWORD size = 0;
    if (RegQueryValueExW(key, L"Data", nullptr, nullptr, nullptr, &size) == ERROR_SUCCESS) {
        data.bytes.resize(size);
        data.present = RegQueryValueExW(key, L"Data", nullptr, nullptr, data.bytes.data(), &size) ==
                       ERROR_SUCCESS;
    }
    RegCloseKey(key);
    return data;
}

void putBack(const StoredData& data) {
    HKEY key;
    if (RegCreateKeyExW(data.root, SettingsKey.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key,
                        nullptr) != ERROR_SUCCESS)
        return;
    if (data.present) {
        RegSetValueExW(key, L"Data", 0, REG_BINARY, data.bytes.data(),
                       static_cast<DWORD>(data.bytes.size()));
    } else {
        RegDeleteValueW(key, L"Data");
    }
    RegCloseKey(key);
}

double command(HWND window, int id) {
    const double begin = now();
    SendMessageW(window, WM_COMMAND, MAKEWPARAM(id, 0), 0);
    UpdateWindow(window);
    pumpMessages();
    return now() - begin;
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = std::max(1, argc > 1 ? std::atoi(argv[1]) : 20);
    int rows = 0;
    const std::string file = largestListFile(rows);
    wchar_t folder[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    listPath = std::wstring(folder) + L"kestrave-largest-list.txt";
    if (!replaceFileWith(listPath, file)) {
        std::fprintf(stderr, "the list file could not be written\n");
        return 1;
    }

    const double parseBegin = now();
    const SatelliteListFileResult parsed = parseSatelliteListFile(file);
    const double parseTime = now() - parseBegin;
    if (parsed.fault != SatelliteListFault::None) {
        std::fprintf(stderr, "the list file is refused at line %zu\n", parsed.line);
        return 1;
    }

    const StoredData userList = readData(HKEY_CURRENT_USER);
    const StoredData machineList = readData(HKEY_LOCAL_MACHINE);
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    auto state = std::make_unique<MainWindowState>();
    state->controls.instance = GetModuleHandleW(nullptr);
    state->seams.askFileToOpen = chooseTheList;
    state->seams.showMessage = answerYes;
    HWND window = createMainWindow(*state);
    if (window == nullptr) {
        std::fprintf(stderr, "the main window could not be created\n");
        return 1;
    }
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);
    pumpMessages();

    std::vector<double> opens;
    for (int run = 0; run <= runs; ++run) {
        command(window, IDM_RESTORE_BUILT_IN_LIST);
        opens.push_back(command(window, IDM_OPEN_LIST));
    }
    const int shown = static_cast<int>(state->controls.table.rowCount());
    DestroyWindow(window);
    pumpMessages();
    DeleteFileW(listPath.c_str());
    putBack(userList);
    putBack(machineList);

    const double first = opens.front();
    opens.erase(opens.begin());
    double mean = 0;
    for (double time : opens) mean += time;
    mean /= static_cast<double>(opens.size());
    std::printf("open the largest list file (%d rows, %zu bytes; the table shows %d)\n", rows,
                file.size(), shown);
    std::printf("  parse alone: %.2f ms\n", parseTime);
    std::printf("  open, first: %.2f ms\n", first);
    std::printf("  open, %zu more: mean %.2f ms, fastest %.2f ms, slowest %.2f ms\n", opens.size(),
                mean, *std::min_element(opens.begin(), opens.end()),
                *std::max_element(opens.begin(), opens.end()));
    return 0;
}
