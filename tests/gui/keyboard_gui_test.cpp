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
