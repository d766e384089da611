// Times the main window with the built-in list and with a stored list of the
// largest size the reader accepts (36,000 bytes), side by side in one run:
//
//   start-up     common controls, then the dialog created from IDD_MAIN_WINDOW
//                up to its first paint (city box filled, settings read, table
//                filled and recalculated, the window drawn);
//   recalculate  the Recalculate command over every row, and the repaint;
//   sort         one click on the longitude header, and the repaint.
//
// Prints the first (cold) start and the mean, fastest and slowest of the
// following ones for each list. The large list is stored in the settings for
// the run; whatever the settings held before is put back at the end.
//
//   main_window_startup_timing.exe [runs]     (default 20)

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
#include "res/resource_ids.h"

namespace {

constexpr std::size_t LargestStoredList = 36000;

double elapsedMilliseconds(const LARGE_INTEGER& start, const LARGE_INTEGER& end) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) /
           static_cast<double>(frequency.QuadPart);
}

double now() {
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    LARGE_INTEGER zero = {};
    return elapsedMilliseconds(zero, counter);
}

void pumpMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        DispatchMessageA(&message);
    }
}

// Short records ("57,S1", "123,S4") fill 36,000 bytes with many rows: about 5,400.
std::string largestList() {
    std::string list;
    for (int row = 0;; ++row) {
        std::string record = std::to_string(57 + row * 37 % 124) + ",S" + std::to_string(row % 10);
        // Room for this record's NUL and the two closing NULs.
        if (list.size() + record.size() + 1 + 2 > LargestStoredList) {
            break;
        }
        list += record;
        list += '\0';
    }
    // Pad the last description so that the value is exactly the largest size.
    std::size_t last = list.size() - 1;
    list.insert(last, LargestStoredList - 2 - list.size(), 'x');
    list.append(2, '\0');
    return list;
}

struct StoredData {
    bool present = false;
    DWORD type = REG_BINARY;
    std::vector<BYTE> bytes;
};

StoredData readValue(HKEY root, const char* name) {
    StoredData data;
    HKEY key;
    if (RegOpenKeyExA(root, SettingsKeyPath, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) {
        return data;
    }
    DWORD size = 0;
    if (RegQueryValueExA(key, name, nullptr, nullptr, nullptr, &size) == ERROR_SUCCESS) {
        data.bytes.resize(size);
        data.present = RegQueryValueExA(key, name, nullptr, &data.type, data.bytes.data(), &size) ==
                       ERROR_SUCCESS;
    }
    RegCloseKey(key);
    return data;
}

void writeValue(HKEY root, const char* name, const StoredData& data) {
    HKEY key;
    if (RegCreateKeyA(root, SettingsKeyPath, &key) != ERROR_SUCCESS) {
        return;
    }
    if (data.present) {
        RegSetValueExA(key, name, 0, data.type, data.bytes.data(),
                       static_cast<DWORD>(data.bytes.size()));
    } else {
        RegDeleteValueA(key, name);
    }
    RegCloseKey(key);
}

// The program saves as it goes (a recalculation writes the site, a sort the
// list, in both hives), so the run keeps every value it may touch and puts
// them back at the end.
const HKEY SettingsRoots[] = {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE};
const char* const SettingsValues[] = {"City", "X",    "Y",       "Data",        "Offset",
                                      "Dish", "Band", "Horizon", "FocalLength", "Diameter"};

std::vector<StoredData> readAllSettings() {
    std::vector<StoredData> values;
    for (HKEY root : SettingsRoots) {
        for (const char* name : SettingsValues) values.push_back(readValue(root, name));
    }
    return values;
}

void writeAllSettings(const std::vector<StoredData>& values) {
    std::size_t index = 0;
    for (HKEY root : SettingsRoots) {
        for (const char* name : SettingsValues) writeValue(root, name, values[index++]);
    }
}

// The list each window of a run starts with, in both hives.
void storeList(const StoredData& data) {
    for (HKEY root : SettingsRoots) writeValue(root, "Data", data);
}

struct Times {
    double start = 0;
    double recalculate = 0;
    double sort = 0;
    int rows = 0;
};

// One start, one recalculation and one sort of one window.
Times timeOneWindow(HINSTANCE instance, bool initialiseControls) {
    auto state = std::make_unique<MainWindowState>();
    state->controls.instance = instance;
    Times times;
    double begin = now();
    if (initialiseControls) {
        INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES};
        InitCommonControlsEx(&controls);
    }
    // createMainWindow returns once WM_INITDIALOG has been handled.
    HWND window = createMainWindow(*state);
    if (window == nullptr) {
        std::fprintf(stderr, "the main window could not be created\n");
        std::exit(1);
    }
    UpdateWindow(window);
    pumpMessages();
    times.start = now() - begin;
    HWND table = GetDlgItem(window, IDC_SATELLITE_TABLE);
    times.rows = static_cast<int>(SendMessageA(table, LVM_GETITEMCOUNT, 0, 0));

    begin = now();
    SendMessageA(window, WM_COMMAND, MAKEWPARAM(IDM_RECALCULATE, 0), 0);
    UpdateWindow(window);
    pumpMessages();
    times.recalculate = now() - begin;

    NMLISTVIEW click = {};
    click.hdr.hwndFrom = table;
    click.hdr.idFrom = IDC_SATELLITE_TABLE;
    click.hdr.code = LVN_COLUMNCLICK;
    click.iItem = -1;
    click.iSubItem = 1;
    begin = now();
    SendMessageA(window, WM_NOTIFY, IDC_SATELLITE_TABLE, reinterpret_cast<LPARAM>(&click));
    UpdateWindow(window);
    pumpMessages();
    times.sort = now() - begin;

    DestroyWindow(window);
    pumpMessages();
    return times;
}

struct Summary {
    double mean = 0;
    double fastest = 0;
    double slowest = 0;
};

Summary summarise(const std::vector<Times>& runs, double Times::*field) {
    Summary summary;
    summary.fastest = summary.slowest = runs.front().*field;
    for (const Times& run : runs) {
        summary.mean += run.*field;
        summary.fastest = std::min(summary.fastest, run.*field);
        summary.slowest = std::max(summary.slowest, run.*field);
    }
    summary.mean /= static_cast<double>(runs.size());
    return summary;
}

void report(const char* list, const Times& cold, const std::vector<Times>& warm) {
    std::printf("%s (%d rows)\n", list, cold.rows);
    std::printf("  start-up, first: %.2f ms\n", cold.start);
    struct Line {
        const char* name;
        double Times::*field;
    };
    const Line lines[] = {
        {"start-up", &Times::start}, {"recalculate", &Times::recalculate}, {"sort", &Times::sort}};
    for (const Line& line : lines) {
        Summary summary = summarise(warm, line.field);
        std::printf("  %-11s %zu more: mean %.2f ms, fastest %.2f ms, slowest %.2f ms\n", line.name,
                    warm.size(), summary.mean, summary.fastest, summary.slowest);
    }
}

}  // namespace

int main(int argc, char** argv) {
    int runs = argc > 1 ? std::atoi(argv[1]) : 20;
    if (runs < 1) {
        runs = 1;
    }
    HINSTANCE instance = GetModuleHandleA(nullptr);
    const std::vector<StoredData> original = readAllSettings();

    StoredData builtIn;  // no stored list: the built-in catalogue
    storeList(builtIn);
    Times builtInCold = timeOneWindow(instance, true);
    std::vector<Times> builtInWarm;
    for (int run = 0; run < runs; ++run) {
        builtInWarm.push_back(timeOneWindow(instance, false));
    }

    std::string list = largestList();
    StoredData largest = {true, REG_BINARY, std::vector<BYTE>(list.begin(), list.end())};
    storeList(largest);
    Times largestCold = timeOneWindow(instance, false);
    std::vector<Times> largestWarm;
    for (int run = 0; run < runs; ++run) {
        largestWarm.push_back(timeOneWindow(instance, false));
    }
    writeAllSettings(original);

    report("built-in list", builtInCold, builtInWarm);
    report("36,000-byte list", largestCold, largestWarm);
    double ratio =
        summarise(largestWarm, &Times::start).mean / summarise(builtInWarm, &Times::start).mean;
    std::printf("start-up of the 36,000-byte list: %.1f times the built-in list's\n", ratio);
    return 0;
}
