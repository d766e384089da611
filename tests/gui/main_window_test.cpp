// The main window as it opens, its template, menu and tooltips, Esc and the close.

#include <windows.h>
// commctrl.h needs windows.h first
#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "app/centre_window.h"
#include "app/control_text.h"
#include "calc/current_satellite_list.h"
#include "data/satellite_table.h"
#include "encoding/text_encoding.h"
#include "res/resource_ids.h"
#include "tests/gui/gui_fixture.h"
#include "tests/gui/hosted_main_window.h"
#include "tests/gui/modal_window.h"
#include "tests/gui/template_check.h"

namespace {

using MainWindowTest = GuiTest;

TEST_F(MainWindowTest, FirstStartShowsBeijingAndTheCalculatedCatalogue) {
    HostedMainWindow main;
    EXPECT_EQ(main.text(IDC_CITY), "北京");
    EXPECT_EQ(main.text(IDC_LONGITUDE), "116.46");
    EXPECT_EQ(main.text(IDC_LATITUDE), "39.92");
    EXPECT_FALSE(main.enabled(IDC_LONGITUDE));
    EXPECT_FALSE(main.enabled(IDC_LATITUDE));
    EXPECT_TRUE(main.enabled(IDOK));
    EXPECT_TRUE(main.menuCommandEnabled(IDM_RECALCULATE));
    EXPECT_EQ(main.text(IDC_SITE_DESCRIPTION), BeijingDescription);

    ASSERT_EQ(main.rowCount(), 39);
    EXPECT_EQ(main.cell(0, ColumnName), "国际703  (InterSat-707)");
    EXPECT_EQ(main.cell(0, ColumnLongitude), "57.0");
    EXPECT_EQ(main.cell(38, ColumnName), "国际701  (InterSat-701)");
    EXPECT_EQ(main.cell(38, ColumnLongitude), "180.0");
    for (int row = 0; row < main.rowCount(); ++row) {
        EXPECT_NE(main.cell(row, ColumnElevation), "") << "row " << row;
        EXPECT_NE(main.cell(row, ColumnAzimuth), "") << "row " << row;
        EXPECT_NE(main.cell(row, ColumnPolarisation), "") << "row " << row;
    }
    int row = main.rowWithLongitude("105.5");
    ASSERT_EQ(row, 18);
    EXPECT_EQ(main.cell(row, ColumnElevation), "42.45");
    EXPECT_EQ(main.cell(row, ColumnAzimuth), "南偏西16.79度");
    EXPECT_EQ(main.cell(row, ColumnPolarisation), "-12.80");
    // Start-up ends with a recalculation; the list itself is untouched.
    EXPECT_EQ(main.state().model.changeFlags, SiteChanged);
}

TEST_F(MainWindowTest, OpensCentredWithItsIconAndTheFocusInTheCityBox) {
    HostedMainWindow main;
    expectCentred(main.window());
    EXPECT_NE(SendMessageA(main.window(), WM_GETICON, ICON_BIG, 0), 0);

    const std::string caption = controlText(main.window());
    EXPECT_EQ(caption.rfind("Kestrave V3.0", 0), 0u) << caption;

    HWND focus = GetFocus();
    EXPECT_TRUE(focus == main.item(IDC_CITY) || GetParent(focus) == main.item(IDC_CITY));
}

TEST(ControlText, ReadsAreZeroFilledAndCutToTheCapacity) {
    HWND edit = CreateWindowExW(0, L"Edit", L"", WS_POPUP, 0, 0, 100, 20, nullptr, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(edit, nullptr);
    setControlText(edit, "123456");
    char buffer[8];
    std::memset(buffer, 'x', sizeof buffer);
    readControlText(edit, buffer, 4);
    EXPECT_EQ(std::string(buffer, 4), std::string("123\0", 4));
    EXPECT_EQ(std::string(buffer + 4, 4), "xxxx");
    readControlText(edit, buffer, sizeof buffer);
    EXPECT_EQ(std::string(buffer, sizeof buffer), std::string("123456\0\0", 8));

    const std::string place = cp936FromUtf8("达尔罕茂明安联合旗");
    setControlText(edit, place.c_str());
    char field[20];
    readControlText(edit, field, sizeof field);
    EXPECT_EQ(std::string(field), place);
    // Never cut inside a character: 19 bytes hold nine of them.
    const std::string longer = cp936FromUtf8("达尔罕茂明安联合旗北");
    setControlText(edit, longer.c_str());
    std::memset(field, 'x', sizeof field);
    readControlText(edit, field, sizeof field);
    EXPECT_EQ(std::string(field, sizeof field), place + std::string(2, '\0'));
    DestroyWindow(edit);
}

// The runs in other locales say which ANSI code page they expect Wine to
// give, so that a locale Wine did not take cannot pass unnoticed.
TEST(AnsiCodePage, IsTheOneTheRunExpects) {
    char expected[8] = {};
    if (GetEnvironmentVariableA("KESTRAVE_TEST_CODE_PAGE", expected, sizeof expected) == 0) {
        GTEST_SKIP() << "code page " << GetACP();
    }
    EXPECT_EQ(GetACP(), static_cast<UINT>(std::atoi(expected)));
}

TEST(CentreWindow, HalvesRoundingTowardMinusInfinity) {
    EXPECT_EQ(halfRoundedDown(7), 3);
    EXPECT_EQ(halfRoundedDown(6), 3);
    EXPECT_EQ(halfRoundedDown(0), 0);
    EXPECT_EQ(halfRoundedDown(-1), -1);
    EXPECT_EQ(halfRoundedDown(-6), -3);
    EXPECT_EQ(halfRoundedDown(-7), -4);
}

TEST_F(MainWindowTest, ControlsStandAsTheTemplateLaysThemOut) {
    const DWORD tab = WS_TABSTOP;
    const std::vector<TemplateControl> expected = {
        {"Button", -1, box(303, 0, 93, 81), "计算新的接收地点", BS_GROUPBOX, 0},
        {"Static", -1, box(309, 15, 18, 8), "城市", SS_LEFT, 0},
        {"ComboBox", IDC_CITY, box(329, 12, 61, 0), "北京", CBS_DROPDOWN | CBS_AUTOHSCROLL | tab,
         CBS_SORT | CBS_SIMPLE, TemplateSize::WidthOnly},
        {"Static", -1, box(309, 31, 18, 8), "经度", 0, 0},
        {"Edit", IDC_LONGITUDE, box(329, 29, 61, 11), "116.46", tab, ES_AUTOHSCROLL},
        {"Static", -1, box(309, 47, 18, 8), "纬度", 0, 0},
        {"Edit", IDC_LATITUDE, box(329, 45, 61, 11), "39.92", tab, ES_AUTOHSCROLL},
        {"Button", IDOK, box(329, 61, 61, 14), "重新计算(&C)", BS_DEFPUSHBUTTON | tab, 0},
        {"Button", -1, box(303, 84, 93, 43), "接收地点", BS_GROUPBOX, 0},
        {"Static", IDC_SITE_DESCRIPTION, box(309, 96, 81, 27), BeijingDescription, SS_NOTIFY, 0},
        {"SysListView32", IDC_SATELLITE_TABLE, box(3, 1, 295, 126), "", LVS_REPORT | tab,
         LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_SORTASCENDING | LVS_SORTDESCENDING},
    };
    HostedMainWindow main;
    expectControlsAsTemplate(main.window(), expected);
    EXPECT_TRUE(GetWindowLongA(main.item(IDC_SATELLITE_TABLE), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    // The dialog manager draws the border of an edit box or a list view as a sunken edge.
    for (int id : {IDC_LONGITUDE, IDC_LATITUDE, IDC_SATELLITE_TABLE}) {
        EXPECT_TRUE((GetWindowLongA(main.item(id), GWL_STYLE) & WS_BORDER) ||
                    (GetWindowLongA(main.item(id), GWL_EXSTYLE) & WS_EX_CLIENTEDGE));
    }

    // Resizable beyond the template: a sizing border and the maximise box.
    expectDialogFrame(main.window(), 401, 131, WS_MAXIMIZEBOX | WS_THICKFRAME);
}

TEST_F(MainWindowTest, TextBoxesTakeAtMostTheirTypedBytes) {
    HostedMainWindow main;
    EXPECT_EQ(SendMessageA(main.item(IDC_LONGITUDE), EM_GETLIMITTEXT, 0, 0), 6);
    EXPECT_EQ(SendMessageA(main.item(IDC_LATITUDE), EM_GETLIMITTEXT, 0, 0), 6);
    COMBOBOXINFO city = {};
    city.cbSize = sizeof city;
    GetComboBoxInfo(main.item(IDC_CITY), &city);
    EXPECT_EQ(SendMessageA(city.hwndItem, EM_GETLIMITTEXT, 0, 0), 18);

    main.emptyCityBox();
    HWND latitude = main.item(IDC_LATITUDE);
    SendMessageA(latitude, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));
    for (char digit : std::string("12345678")) {
        SendMessageA(latitude, WM_CHAR, static_cast<WPARAM>(digit), 1);
    }
    EXPECT_EQ(main.text(IDC_LATITUDE), "123456");

    // The limits are bytes of code page 936: a Chinese character takes two,
    // and a character without a code page 936 form is never let in.
    main.typeIntoCityBox(L"\xD55C\x5185\x8499\x53E4\x963F\x62C9\x5584\x5DE6\x65D7\x5DE6\x53F3");
    EXPECT_EQ(main.text(IDC_CITY), "内蒙古阿拉善左旗左");
    SetFocus(latitude);
    SendMessageW(latitude, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L""));
    typeInto(latitude, L"1\u0151\u5317\U0001F600\u4EAC12");
    EXPECT_EQ(main.text(IDC_LATITUDE), "1北京1");

    // A paste keeps the whole characters that fit, up to the first line end.
    const std::wstring pasted = L"\x4E0A\x6D77x\x5E02\r\n7";
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, (pasted.size() + 1) * sizeof(wchar_t));
    std::memcpy(GlobalLock(block), pasted.c_str(), (pasted.size() + 1) * sizeof(wchar_t));
    GlobalUnlock(block);
    SetClipboardData(CF_UNICODETEXT, block);
    CloseClipboard();
    for (int box : {IDC_LONGITUDE, IDC_LATITUDE}) {
        SendMessageW(main.item(box), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"-"));
        SendMessageW(main.item(box), EM_SETSEL, 1, 1);
        SendMessageW(main.item(box), WM_PASTE, 0, 0);
    }
    EXPECT_EQ(main.text(IDC_LONGITUDE), "-上海x");
    SendMessageW(main.item(IDC_LATITUDE), EM_SETSEL, 0, -1);
    SendMessageW(main.item(IDC_LATITUDE), WM_PASTE, 0, 0);
    EXPECT_EQ(main.text(IDC_LATITUDE), "上海x");
}

struct MenuEntry {
    int popup;
    int position;
    int id;  // 0 for a separator
    const char* text;
};

TEST_F(MainWindowTest, MenuHoldsItsThreePopUpsAndTheirCommands) {
    const MenuEntry entries[] = {
        {0, 0, IDM_RECALCULATE, "重新计算(&C)\tF5"},
        {0, 1, 0, ""},
        {0, 2, IDM_OPEN_LIST, "打开卫星列表(&O)...\tCtrl+O"},
        {0, 3, IDM_SAVE_LIST, "保存卫星列表(&S)...\tCtrl+S"},
        {0, 4, IDM_EXPORT_RESULTS, "导出计算结果(&E)...\tCtrl+E"},
        {0, 5, IDM_SAVE_SHEET, "保存安装单(&P)..."},
        {0, 6, 0, ""},
        {0, 7, IDM_EXIT, "退出(&X)"},
        {1, 0, IDM_ADD_SATELLITE, "增加卫星参数(&A)..."},
        {1, 1, IDM_MODIFY_SATELLITE, "修改选定卫星(&M)..."},
        {1, 2, IDM_DELETE_SATELLITES, "删除选定卫星(&D)\tDel"},
        {1, 3, 0, ""},
        {1, 4, IDM_COPY_RESULTS, "将计算结果拷贝到剪贴板(&C)\tCtrl+C"},
        {1, 5, IDM_SATELLITE_DETAILS, "寻星详情(&I)..."},
        {1, 6, IDM_OBSTACLES, "遮挡物(&B)..."},
        {1, 7, IDM_MULTIFEED, "一锅多星(&M)..."},
        {1, 8, 0, ""},
        {1, 9, IDM_LOAD_CURRENT_LIST, "载入当前卫星列表"},  // with the list's date, below
        {1, 10, IDM_RESTORE_BUILT_IN_LIST, "恢复内置卫星列表(&R)"},
        {1, 11, IDM_RESTORE_PREVIOUS_LIST, "恢复上一个卫星列表(&U)"},
        {2, 0, IDM_ABOUT, "关于本程序(&A)..."},
    };
    const char* popups[] = {"文件(&F)", "卫星参数(&S)", "帮助(&H)"};
    HostedMainWindow main;
    HMENU bar = GetMenu(main.window());
    ASSERT_EQ(GetMenuItemCount(bar), 3);
    for (int popup = 0; popup < 3; ++popup) {
        wchar_t text[128] = {};
        GetMenuStringW(bar, static_cast<UINT>(popup), text, 128, MF_BYPOSITION);
        EXPECT_EQ(utf8FromWide(text), popups[popup]);
    }
    for (const MenuEntry& entry : entries) {
        HMENU popup = GetSubMenu(bar, entry.popup);
        SCOPED_TRACE(entry.text);
        UINT state = GetMenuState(popup, static_cast<UINT>(entry.position), MF_BYPOSITION);
        if (entry.id == 0) {
            EXPECT_TRUE(state & MF_SEPARATOR);
            continue;
        }
        EXPECT_EQ(static_cast<int>(GetMenuItemID(popup, entry.position)), entry.id);
        wchar_t text[128] = {};
        GetMenuStringW(popup, static_cast<UINT>(entry.position), text, 128, MF_BYPOSITION);
        const std::string expected =
            entry.id == IDM_LOAD_CURRENT_LIST
                ? u8"载入当前卫星列表（" + std::string(CurrentSatelliteListDate) + u8"）(&N)"
                : entry.text;
        EXPECT_EQ(utf8FromWide(text), expected);
    }
}

TEST_F(MainWindowTest, EveryControlHasItsTooltip) {
    const std::pair<int, const char*> tips[] = {
        {IDC_SITE_DESCRIPTION, "当前数据对应的寻星地点"},
        {IDC_LONGITUDE, "输入寻星地点的经度,东经为正,西经为负"},
        {IDC_LATITUDE, "输入寻星地点的纬度,北纬为正,南纬为负"},
        {IDC_CITY, "输入城市名查询经纬度,举例:北京,上海..."},
        {IDC_SATELLITE_TABLE,
         "仰角为正馈天线的角度,极化角方向为面对天线(即看到馈源的背面)顺时针转动为正"},
    };
    HostedMainWindow main;
    HWND tooltip = main.state().controls.tooltip;
    ASSERT_NE(tooltip, nullptr);
    EXPECT_EQ(SendMessageA(tooltip, TTM_GETTOOLCOUNT, 0, 0), 5);
    EXPECT_EQ(SendMessageA(tooltip, TTM_GETDELAYTIME, TTDT_AUTOPOP, 0), 20000);
    EXPECT_EQ(SendMessageA(tooltip, TTM_GETDELAYTIME, TTDT_INITIAL, 0), 50);
    EXPECT_TRUE(GetWindowLongA(tooltip, GWL_STYLE) & TTS_ALWAYSTIP);
    for (const auto& [id, text] : tips) {
        wchar_t buffer[256] = {};
        TTTOOLINFOW tool = {};
        tool.cbSize = sizeof tool;
        tool.hwnd = main.window();
        tool.uId = reinterpret_cast<UINT_PTR>(main.item(id));
        tool.lpszText = buffer;
        SendMessageW(tooltip, TTM_GETTEXTW, 256, reinterpret_cast<LPARAM>(&tool));
        EXPECT_EQ(utf8FromWide(buffer), text) << id;
        TTTOOLINFOW info = {};
        info.cbSize = sizeof info;
        info.hwnd = main.window();
        info.uId = reinterpret_cast<UINT_PTR>(main.item(id));
        ASSERT_TRUE(SendMessageA(tooltip, TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&info)));
        EXPECT_EQ(info.uFlags & (TTF_IDISHWND | TTF_SUBCLASS),
                  static_cast<UINT>(TTF_IDISHWND | TTF_SUBCLASS));
    }
}

TEST_F(MainWindowTest, EscapeLeavesTheWindowOpenAndWritesNothing) {
    HostedMainWindow main;
    // The first recalculation's site is already stored; Escape must not add
    // the close sequence's writes to it.
    const StoredValue city = readStoredValue(HKEY_CURRENT_USER, "City");
    main.pressKey(IDC_CITY, VK_ESCAPE);
    main.command(IDCANCEL);
    EXPECT_FALSE(main.ended());
    EXPECT_EQ(readStoredValue(HKEY_CURRENT_USER, "City").bytes, city.bytes);
    EXPECT_FALSE(readStoredValue(HKEY_CURRENT_USER, "Data").present);
    EXPECT_FALSE(readStoredValue(HKEY_LOCAL_MACHINE, "Data").present);
}

enum class CloseWay { CloseBox, CloseMessage, ExitCommand };

class MainWindowCloseTest : public GuiTest, public ::testing::WithParamInterface<CloseWay> {};

TEST_P(MainWindowCloseTest, SavesTheSiteButNotTheUntouchedListInBothHives) {
    HostedMainWindow main;
    switch (GetParam()) {
        case CloseWay::CloseBox:
            main.closeWithCloseBox();
            break;
        case CloseWay::CloseMessage:
            main.closeWithMessage();
            break;
        case CloseWay::ExitCommand:
            main.command(IDM_EXIT);
            break;
    }
    EXPECT_TRUE(main.ended());
    for (HKEY root : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE}) {
        StoredValue city = readStoredValue(root, "City");
        StoredValue longitude = readStoredValue(root, "X");
        StoredValue latitude = readStoredValue(root, "Y");
        EXPECT_EQ(city.type, static_cast<DWORD>(REG_SZ));
        EXPECT_EQ(city.bytes, storedTextBytes("北京"));
        EXPECT_EQ(longitude.type, static_cast<DWORD>(REG_SZ));
        EXPECT_EQ(longitude.bytes, storedTextBytes("116.46"));
        EXPECT_EQ(latitude.type, static_cast<DWORD>(REG_SZ));
        EXPECT_EQ(latitude.bytes, storedTextBytes("39.92"));
        EXPECT_FALSE(readStoredValue(root, "Data").present);
    }
}

INSTANTIATE_TEST_SUITE_P(EachWayToClose, MainWindowCloseTest,
                         ::testing::Values(CloseWay::CloseBox, CloseWay::CloseMessage,
                                           CloseWay::ExitCommand));

}  // namespace
