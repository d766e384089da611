// The city box, the context menu and an added row, driven with real keys
// (SendInput) as a user presses them.

#include <windows.h>
// commctrl.h needs windows.h first
#include <commctrl.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "app/control_text.h"
#include "app/file_dialogs.h"
#include "data/gazetteer.h"
#include "numtext/numtext.h"
#include "res/resource_ids.h"
#include "tests/gui/gui_fixture.h"
#include "tests/gui/hosted_main_window.h"
#include "tests/gui/modal_window.h"

namespace {

using KeyboardTest = GuiTest;

void sendKey(WORD key, bool up) {
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    SendInput(1, &input, sizeof input);
}

// Lets the keys just sent arrive and everything they lead to run.
void settle(HostedMainWindow& main) {
    for (int round = 0; round < 10; ++round) {
        main.pumpMessages();
        Sleep(10);
    }
    main.pumpMessages();
}

// Presses the keys in order and releases them in reverse: {VK_MENU, VK_DOWN} is Alt+Down.
void chord(HostedMainWindow& main, const std::vector<WORD>& keys) {
    for (WORD key : keys) {
        sendKey(key, false);
    }
    for (auto key = keys.rbegin(); key != keys.rend(); ++key) {
        sendKey(*key, true);
    }
    settle(main);
}

HWND cityEditField(HostedMainWindow& main) {
    COMBOBOXINFO info = {};
    info.cbSize = sizeof info;
    GetComboBoxInfo(main.item(IDC_CITY), &info);
    return info.hwndItem;
}

void focus(HostedMainWindow& main, HWND control) {
    SetForegroundWindow(main.window());
    SetFocus(control);
    settle(main);
}

std::string cp936Text(HWND control) {
    char buffer[256] = {};
    readControlText(control, buffer, sizeof buffer);
    return buffer;
}

std::string twoDecimals(long double value) {
    char text[32];
    NumberToText(value, text, 0, 2);
    return text;
}

// The rule the city box keeps: the coordinate boxes hold the gazetteer's
// coordinates of the very name the box shows. Returns that name (UTF-8).
std::string expectCoordinatesOfShownName(HostedMainWindow& main) {
    std::string name = cp936Text(main.item(IDC_CITY));
    long double longitude = 0;
    long double latitude = 0;
    EXPECT_EQ(lookupPlace(name.c_str(), &longitude, &latitude), 1) << utf8(name.c_str());
    EXPECT_EQ(cp936Text(main.item(IDC_LONGITUDE)), twoDecimals(longitude)) << utf8(name.c_str());
    EXPECT_EQ(cp936Text(main.item(IDC_LATITUDE)), twoDecimals(latitude)) << utf8(name.c_str());
    return utf8(name.c_str());
}

std::string description(const std::string& name, const std::string& longitude,
                        const std::string& latitude) {
    return name + "\r\n经度：东经" + longitude + "度\r\n纬度：北纬" + latitude + "度";
}

TEST_F(KeyboardTest, TheCityBoxNeverShowsOneNameWithAnothersCoordinates) {
    HostedMainWindow main;
    focus(main, cityEditField(main));

    // The list dropped, the next entry browsed to, the list cancelled.
    chord(main, {VK_MENU, VK_DOWN});
    chord(main, {VK_DOWN});
    chord(main, {VK_ESCAPE});
    EXPECT_EQ(main.text(IDC_CITY), "北流");
    expectCoordinatesOfShownName(main);
    chord(main, {VK_RETURN});
    EXPECT_EQ(main.text(IDC_SITE_DESCRIPTION), description("北流", "110.35", "22.71"));

    // The same, the list left with Tab.
    focus(main, cityEditField(main));
    chord(main, {VK_MENU, VK_DOWN});
    chord(main, {VK_DOWN});
    chord(main, {VK_TAB});
    std::string tabbed = expectCoordinatesOfShownName(main);
    EXPECT_NE(tabbed, "北流");

    // A prefix typed into the dropped list, then Enter: the box shows the
    // whole chosen entry, with its coordinates.
    main.emptyCityBox();
    focus(main, cityEditField(main));
    chord(main, {VK_MENU, VK_DOWN});
    main.typeIntoCityBox(L"北");
    chord(main, {VK_RETURN});
    EXPECT_EQ(expectCoordinatesOfShownName(main), "北安");
    chord(main, {VK_RETURN});
    EXPECT_EQ(main.text(IDC_SITE_DESCRIPTION), description("北安", "126.49", "48.24"));

    main.closeWithMessage();
    EXPECT_EQ(readStoredValue(HKEY_CURRENT_USER, "City").bytes, storedTextBytes("北安"));
    EXPECT_EQ(readStoredValue(HKEY_CURRENT_USER, "X").bytes, storedTextBytes("126.49"));
    EXPECT_EQ(readStoredValue(HKEY_CURRENT_USER, "Y").bytes, storedTextBytes("48.24"));
}

TEST_F(KeyboardTest, AnEmptiedCityBoxKeepsTheTypedCoordinatesWhenTheListClosesUnused) {
    HostedMainWindow main;
    main.emptyCityBox();
    main.setBoxText(IDC_LONGITUDE, "100");
    main.setBoxText(IDC_LATITUDE, "30");
    focus(main, cityEditField(main));
    chord(main, {VK_MENU, VK_DOWN});
    chord(main, {VK_ESCAPE});
    chord(main, {VK_TAB});
    EXPECT_EQ(main.text(IDC_CITY), "");
    EXPECT_EQ(main.text(IDC_LONGITUDE), "100");
    EXPECT_EQ(main.text(IDC_LATITUDE), "30");
    EXPECT_TRUE(main.enabled(IDC_LONGITUDE));
}

// The window grown, maximised and restored, the usual keys, and a place
// found by its initials.
int deletionQuestions = 0;
int WINAPI answerNo(HWND, LPCWSTR, LPCWSTR, UINT) {
    ++deletionQuestions;
    return IDNO;
}
int openQuestions = 0;
bool refuseToOpen(HWND, const FileDialogRequest&, std::wstring&) {
    ++openQuestions;
    return false;
}

RECT placeOf(HostedMainWindow& main, int id) {
    RECT place;
    GetWindowRect(main.item(id), &place);
    MapWindowPoints(nullptr, main.window(), reinterpret_cast<POINT*>(&place), 2);
    return place;
}

long clientWidth(HostedMainWindow& main) {
    RECT client;
    GetClientRect(main.window(), &client);
    return client.right;
}

std::wstring clipboardUnicode() {
    std::wstring text;
    if (!OpenClipboard(nullptr)) return text;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        text = static_cast<const wchar_t*>(GlobalLock(data));
        GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
}

void emptyClipboard() {
    if (!OpenClipboard(nullptr)) return;
    EmptyClipboard();
    CloseClipboard();
}

TEST_F(KeyboardTest, TheWindowGrowsAndAnswersTheUsualKeysAndFindsPlacesByPinyin) {
    HostedMainWindow main;
    HWND table = main.item(IDC_SATELLITE_TABLE);
    const RECT firstTable = placeOf(main, IDC_SATELLITE_TABLE);
    const RECT firstCity = placeOf(main, IDC_CITY);
    const long firstWidth = clientWidth(main);
    const int firstColumn = static_cast<int>(SendMessageW(table, LVM_GETCOLUMNWIDTH, 0, 0));
    const int secondColumn = static_cast<int>(SendMessageW(table, LVM_GETCOLUMNWIDTH, 1, 0));

    // Grown by 200 x 150 pixels: the table takes the room, the first column
    // the width; the boxes keep their place at the top right.
    RECT frame;
    GetWindowRect(main.window(), &frame);
    SetWindowPos(main.window(), nullptr, 0, 0, frame.right - frame.left + 200,
                 frame.bottom - frame.top + 150, SWP_NOMOVE | SWP_NOZORDER);
    settle(main);
    const RECT grown = placeOf(main, IDC_SATELLITE_TABLE);
    EXPECT_EQ(grown.right - grown.left, firstTable.right - firstTable.left + 200);
    EXPECT_EQ(grown.bottom - grown.top, firstTable.bottom - firstTable.top + 150);
    const RECT movedCity = placeOf(main, IDC_CITY);
    EXPECT_EQ(movedCity.top, firstCity.top);
    EXPECT_EQ(clientWidth(main) - movedCity.left, firstWidth - firstCity.left);
    EXPECT_EQ(SendMessageW(table, LVM_GETCOLUMNWIDTH, 0, 0), firstColumn + 200);
    EXPECT_EQ(SendMessageW(table, LVM_GETCOLUMNWIDTH, 1, 0), secondColumn);

    ShowWindow(main.window(), SW_MAXIMIZE);
    settle(main);
    const RECT maximised = placeOf(main, IDC_SATELLITE_TABLE);
    EXPECT_GT(maximised.bottom - maximised.top, grown.bottom - grown.top);
    EXPECT_EQ(placeOf(main, IDC_CITY).top, firstCity.top);
    ShowWindow(main.window(), SW_RESTORE);
    settle(main);
    EXPECT_EQ(placeOf(main, IDC_SATELLITE_TABLE).right, grown.right);

    // In the table: Ctrl+A selects every row, Delete asks as the menu
    // command does, Ctrl+C copies the results.
    main.state().seams.askDeletion = answerNo;
    main.state().seams.askFileToOpen = refuseToOpen;
    focus(main, table);
    chord(main, {VK_CONTROL, 'A'});
    EXPECT_EQ(SendMessageW(table, LVM_GETSELECTEDCOUNT, 0, 0), main.rowCount());
    const int rows = main.rowCount();
    chord(main, {VK_DELETE});
    EXPECT_EQ(deletionQuestions, rows);
    EXPECT_EQ(main.rowCount(), rows);
    emptyClipboard();
    chord(main, {VK_CONTROL, 'C'});
    EXPECT_EQ(clipboardUnicode().rfind(L"\u5317\u4eac\r\n", 0), 0u);  // 北京, the description
    chord(main, {VK_CONTROL, 'O'});
    EXPECT_EQ(openQuestions, 1);

    // In the city box Ctrl+C copies its text and Delete edits it.
    focus(main, cityEditField(main));
    SendMessageW(cityEditField(main), EM_SETSEL, 0, -1);
    chord(main, {VK_CONTROL, 'C'});
    EXPECT_EQ(clipboardUnicode(), L"\u5317\u4eac");
    EXPECT_EQ(deletionQuestions, rows);

    // "bj" lists the places it begins; choosing 北京 applies it. F5 recalculates.
    main.chooseCity("上海");
    main.emptyCityBox();
    main.typeIntoCityBox(L"bj");
    const auto listed = SendMessageW(main.item(IDC_CITY), CB_GETCOUNT, 0, 0);
    EXPECT_GT(listed, 1);
    EXPECT_LT(listed, GazetteerPlaceCount);
    main.chooseCity("北京");
    SendMessageW(main.item(IDC_CITY), CB_SHOWDROPDOWN, FALSE, 0);
    settle(main);
    EXPECT_EQ(main.text(IDC_CITY), "北京");
    EXPECT_EQ(main.text(IDC_LONGITUDE), "116.46");
    EXPECT_EQ(main.text(IDC_LATITUDE), "39.92");
    // Chinese typed again lists every place.
    main.emptyCityBox();
    main.typeIntoCityBox(L"\u4e0a\u6d77");  // 上海
    EXPECT_EQ(SendMessageW(main.item(IDC_CITY), CB_GETCOUNT, 0, 0), GazetteerPlaceCount);
    focus(main, table);
    chord(main, {VK_F5});
    EXPECT_EQ(main.text(IDC_SITE_DESCRIPTION), description("上海", "121.48", "31.22"));

    // The size is kept as Window.
    main.closeWithMessage();
    // Stored as UTF-16 text: its ASCII characters are every other byte.
    const std::string stored = readStoredValue(HKEY_CURRENT_USER, "Window").bytes;
    std::string window;
    for (std::size_t i = 0; i < stored.size(); i += 2) window += stored[i];
    const std::string width = std::to_string(frame.right - frame.left + 200);
    EXPECT_NE(window.find("," + width + ","), std::string::npos) << window;
    EXPECT_EQ(window.substr(window.size() - 3), std::string(",0") + '\0') << window;
}

// Every pop-up menu opened while keys are pressed: which menu, where, and
// what its commands showed. Each is closed as soon as it is seen.
struct OpenedMenu {
    HMENU menu;
    POINT topLeft;
    bool modifyEnabled;
    bool copyEnabled;
};

struct MenuWatch {
    std::vector<OpenedMenu> opened;
    bool menuBarEntered = false;
};
MenuWatch* watch = nullptr;

BOOL CALLBACK findPopupMenu(HWND window, LPARAM lParam) {
    char className[16] = {};
    GetClassNameA(window, className, sizeof className);
    if (IsWindowVisible(window) && lstrcmpA(className, "#32768") == 0) {
        *reinterpret_cast<HWND*>(lParam) = window;
        return FALSE;
    }
    return TRUE;
}

bool commandEnabled(HMENU menu, UINT command) {
    return (GetMenuState(menu, command, MF_BYCOMMAND) & (MF_GRAYED | MF_DISABLED)) == 0;
}

void CALLBACK onMenuPoll(HWND, UINT, UINT_PTR, DWORD) {
    GUITHREADINFO thread = {};
    thread.cbSize = sizeof thread;
    if (watch == nullptr || !GetGUIThreadInfo(GetCurrentThreadId(), &thread) ||
        (thread.flags & GUI_INMENUMODE) == 0) {
        return;
    }
    HWND popup = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), findPopupMenu, reinterpret_cast<LPARAM>(&popup));
    if (popup == nullptr) {
        watch->menuBarEntered = true;
    } else {
        auto menu = reinterpret_cast<HMENU>(SendMessageA(popup, MN_GETHMENU, 0, 0));
        RECT frame;
        GetWindowRect(popup, &frame);
        watch->opened.push_back({menu,
                                 {frame.left, frame.top},
                                 commandEnabled(menu, IDM_MODIFY_SATELLITE),
                                 commandEnabled(menu, IDM_COPY_RESULTS)});
    }
    EndMenu();
}

// The menus that the keys (or clicks) sent by `act` opened.
MenuWatch menusOpenedBy(HostedMainWindow& main, const std::function<void()>& act) {
    MenuWatch seen;
    watch = &seen;
    UINT_PTR timer = SetTimer(nullptr, 0, 20, onMenuPoll);
    act();
    for (int round = 0; round < 5; ++round) {
        settle(main);
    }
    KillTimer(nullptr, timer);
    watch = nullptr;
    return seen;
}

POINT screenPoint(HWND control, LONG x, LONG y) {
    POINT point = {x, y};
    ClientToScreen(control, &point);
    return point;
}

void expectOneSatelliteMenuAt(HostedMainWindow& main, const MenuWatch& seen, POINT where,
                              const char* how) {
    EXPECT_FALSE(seen.menuBarEntered) << how;
    ASSERT_EQ(seen.opened.size(), 1u) << how;
    EXPECT_EQ(seen.opened[0].menu, main.state().controls.satelliteMenu) << how;
    EXPECT_EQ(seen.opened[0].topLeft.x, where.x) << how;
    EXPECT_EQ(seen.opened[0].topLeft.y, where.y) << how;
    EXPECT_FALSE(seen.opened[0].modifyEnabled) << how << ": no row is selected";
    EXPECT_TRUE(seen.opened[0].copyEnabled) << how;
}

TEST_F(KeyboardTest, ShiftF10AndTheMenuKeyOpenTheTablesContextMenuOnceWhereTheKeyboardIs) {
    HostedMainWindow main;
    HWND table = main.item(IDC_SATELLITE_TABLE);
    focus(main, table);
    RECT client;
    GetClientRect(table, &client);

    // No focused row: the table's top-left corner.
    MenuWatch seen = menusOpenedBy(main, [&] { chord(main, {VK_SHIFT, VK_F10}); });
    expectOneSatelliteMenuAt(main, seen, screenPoint(table, client.left, client.top), "Shift+F10");

    // A focused (not selected) row: just below it.
    LVITEMA focusOnly = {};
    focusOnly.stateMask = LVIS_FOCUSED | LVIS_SELECTED;
    focusOnly.state = LVIS_FOCUSED;
    SendMessageA(table, LVM_SETITEMSTATE, 3, reinterpret_cast<LPARAM>(&focusOnly));
    RECT row = {};
    row.left = LVIR_BOUNDS;
    SendMessageA(table, LVM_GETITEMRECT, 3, reinterpret_cast<LPARAM>(&row));
    seen = menusOpenedBy(main, [&] { chord(main, {VK_APPS}); });
    expectOneSatelliteMenuAt(main, seen, screenPoint(table, client.left, row.bottom), "Menu key");

    // A right click still opens it once, at the pointer.
    POINT pointer = screenPoint(table, 40, row.top + 2);
    SetCursorPos(pointer.x, pointer.y);
    settle(main);
    seen = menusOpenedBy(main, [&] {
        INPUT clicks[2] = {};
        clicks[0].type = clicks[1].type = INPUT_MOUSE;
        clicks[0].mi.dwFlags = MOUSEEVENTF_RIGHTDOWN;
        clicks[1].mi.dwFlags = MOUSEEVENTF_RIGHTUP;
        SendInput(2, clicks, sizeof(INPUT));
    });
    EXPECT_FALSE(seen.menuBarEntered);
    ASSERT_EQ(seen.opened.size(), 1u) << "right click";
    EXPECT_EQ(seen.opened[0].topLeft.x, pointer.x);
    EXPECT_EQ(seen.opened[0].topLeft.y, pointer.y);
}

TEST_F(KeyboardTest, AnAddedSatelliteIsScrolledIntoViewWithoutBeingSelected) {
    std::vector<std::string> records;
    for (int row = 0; row < 60; ++row) {
        records.push_back(std::to_string(60 + row) + ".0,S" + std::to_string(row));
    }
    storeValue(HKEY_CURRENT_USER, "Data", REG_BINARY, storedList(records));
    HostedMainWindow main;
    HWND table = main.item(IDC_SATELLITE_TABLE);
    ASSERT_EQ(main.rowCount(), 60);
    int perPage = static_cast<int>(SendMessageA(table, LVM_GETCOUNTPERPAGE, 0, 0));
    ASSERT_LT(perPage, 60);
    EXPECT_EQ(SendMessageA(table, LVM_GETTOPINDEX, 0, 0), 0);

    whileModalOpen(
        main.window(), [&] { main.command(IDM_ADD_SATELLITE); },
        [&](HWND dialog) {
            typeInto(GetDlgItem(dialog, IDC_SATELLITE_LONGITUDE), L"100.25");
            typeInto(GetDlgItem(dialog, IDC_SATELLITE_DESCRIPTION), L"新星");
            pressDialogKey(dialog, GetDlgItem(dialog, IDC_SATELLITE_DESCRIPTION), VK_RETURN);
        });
    ASSERT_EQ(main.rowCount(), 61);
    EXPECT_EQ(main.cell(60, 0), "新星");
    int top = static_cast<int>(SendMessageA(table, LVM_GETTOPINDEX, 0, 0));
    EXPECT_GT(top, 0);
    EXPECT_LE(top, 60);
    EXPECT_GT(top + perPage, 60) << "the new last row is below the visible rows";
    EXPECT_EQ(SendMessageA(table, LVM_GETSELECTEDCOUNT, 0, 0), 0);
}

}  // namespace
