// The satellite table in the list view: cells, columns, the column-click
// sort, and the enabling of the commands that work on it.

#include <windows.h>
// commctrl.h needs windows.h first
#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "app/list_view_table.h"
#include "data/satellite_table.h"
#include "encoding/text_encoding.h"
#include "res/resource_ids.h"
#include "tests/gui/gui_fixture.h"
#include "tests/gui/hosted_main_window.h"
#include "tests/gui/modal_window.h"

namespace {

// A list view of its own, with the program's five columns.
class ListViewTableTest : public ::testing::Test {
protected:
    void SetUp() override {
        INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_LISTVIEW_CLASSES};
        InitCommonControlsEx(&controls);
        listView_ = CreateWindowExW(0, WC_LISTVIEWW, L"", WS_POPUP | LVS_REPORT, 0, 0, 400, 300,
                                    nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        ASSERT_NE(listView_, nullptr);
        table_ = ListViewTable(listView_);
        insertSatelliteColumns(table_);
    }
    void TearDown() override { DestroyWindow(listView_); }

    std::string cellText(int row, int column) const {
        char buffer[CellTextCapacity];
        table_.getCell(row, column, buffer, sizeof buffer);
        return buffer;
    }

    HWND listView_ = nullptr;
    ListViewTable table_;
};

TEST_F(ListViewTableTest, RowsInsertAndDeleteAtTheirIndex) {
    table_.insertRow(0, "b");
    table_.insertRow(0, "a");
    table_.insertRow(2, "d");
    table_.insertRow(2, "c");
    ASSERT_EQ(table_.rowCount(), 4);
    EXPECT_EQ(cellText(0, 0) + cellText(1, 0) + cellText(2, 0) + cellText(3, 0), "abcd");
    table_.deleteRow(1);
    EXPECT_EQ(cellText(1, 0), "c");
    EXPECT_EQ(table_.rowCount(), 3);
}

TEST_F(ListViewTableTest, CellReadsAreZeroFilledAndCutToCapacity) {
    table_.insertRow(0, "name");
    table_.setCell(0, ColumnLongitude, "123456789");
    char buffer[8];
    std::memset(buffer, 'x', sizeof buffer);
    table_.getCell(0, ColumnLongitude, buffer, 5);
    EXPECT_EQ(std::string(buffer, 5), std::string("1234\0", 5));
    EXPECT_EQ(std::string(buffer + 5, 3), "xxx");  // nothing past the capacity

    std::memset(buffer, 'x', sizeof buffer);
    table_.getCell(0, ColumnAzimuth, buffer, sizeof buffer);  // never written
    EXPECT_EQ(std::string(buffer, sizeof buffer), std::string(sizeof buffer, '\0'));
    std::memset(buffer, 'x', sizeof buffer);
    table_.getCell(5, ColumnName, buffer, sizeof buffer);  // no such row
    EXPECT_EQ(std::string(buffer, sizeof buffer), std::string(sizeof buffer, '\0'));
}

TEST_F(ListViewTableTest, ACutInsideADoubleByteCharacterStaysWithinTheCapacity) {
    const std::string name = cp936FromUtf8("北京");  // 4 bytes
    table_.insertRow(0, name.c_str());
    char buffer[6];
    std::memset(buffer, 'x', sizeof buffer);
    table_.getCell(0, ColumnName, buffer,
                   4);  // room for 3 bytes: the second character does not fit
    std::size_t length = strnlen(buffer, 4);
    ASSERT_LT(length, 4u);
    EXPECT_EQ(std::string(buffer, length), name.substr(0, length));
    EXPECT_EQ(std::string(buffer + 4, 2), "xx");
}

TEST_F(ListViewTableTest, CodePage936TextsComeBackByteForByte) {
    const std::string azimuth = cp936FromUtf8("南偏西16.79度");
    table_.insertRow(0, cp936FromUtf8("国际703  (InterSat-707)").c_str());
    table_.setCell(0, ColumnAzimuth, azimuth.c_str());
    EXPECT_EQ(cellText(0, ColumnAzimuth), azimuth);
    EXPECT_EQ(utf8FromCp936(cellText(0, ColumnName)), "国际703  (InterSat-707)");
}

TEST_F(ListViewTableTest, NextSelectedRowWalksTheSelection) {
    for (const char* name : {"a", "b", "c", "d"}) {
        table_.insertRow(table_.rowCount(), name);
    }
    EXPECT_EQ(table_.nextSelectedRow(-1), -1);
    for (int row : {1, 3}) {
        LVITEMA selection = {};
        selection.stateMask = LVIS_SELECTED;
        selection.state = LVIS_SELECTED;
        SendMessageA(listView_, LVM_SETITEMSTATE, static_cast<WPARAM>(row),
                     reinterpret_cast<LPARAM>(&selection));
    }
    EXPECT_EQ(table_.nextSelectedRow(-1), 1);
    EXPECT_EQ(table_.nextSelectedRow(1), 3);
    EXPECT_EQ(table_.nextSelectedRow(3), -1);
}

TEST_F(ListViewTableTest, SortRowsComparesTheRowsFormerIndices) {
    const std::vector<std::string> names = {"c", "a", "d", "b"};
    for (const std::string& name : names) {
        table_.insertRow(table_.rowCount(), name.c_str());
    }
    table_.sortRows(
        [&](int first, int second) { return names.at(first).compare(names.at(second)); });
    EXPECT_EQ(cellText(0, 0) + cellText(1, 0) + cellText(2, 0) + cellText(3, 0), "abcd");
    // Sorting again sees the new order as the starting indices.
    table_.sortRows([&](int first, int second) { return second - first; });
    EXPECT_EQ(cellText(0, 0) + cellText(1, 0) + cellText(2, 0) + cellText(3, 0), "dcba");
}

struct ColumnLayoutCase {
    const char* title;
    int width;       // pixels at 96 per inch
    int widthAt144;  // one and a half times, rounded as MulDiv rounds
    int format;
};

using SatelliteTableTest = GuiTest;

TEST_F(SatelliteTableTest, ColumnsHaveTheirTitlesWidthsAndAlignments) {
    const ColumnLayoutCase columns[] = {
        {"卫星名称", 161, 242, LVCFMT_LEFT}, {"卫星经度", 60, 90, LVCFMT_RIGHT},
        {"天线仰角", 60, 90, LVCFMT_RIGHT},  {"天线方位角", 90, 135, LVCFMT_LEFT},
        {"极化角", 50, 75, LVCFMT_RIGHT},
    };
    // The widths are for 96 pixels per inch and grow with the screen's. A
    // run that sets the screen's pixels per inch says so in KESTRAVE_TEST_DPI.
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    char expectedDpi[8] = {};
    if (GetEnvironmentVariableA("KESTRAVE_TEST_DPI", expectedDpi, sizeof expectedDpi) > 0) {
        EXPECT_EQ(dpi, std::atoi(expectedDpi));
    }
    HostedMainWindow main;
    HWND table = main.item(IDC_SATELLITE_TABLE);
    for (int index = 0; index < 5; ++index) {
        wchar_t title[64] = {};
        LVCOLUMNW column = {};
        column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT;
        column.pszText = title;
        column.cchTextMax = 64;
        ASSERT_TRUE(SendMessageW(table, LVM_GETCOLUMNW, static_cast<WPARAM>(index),
                                 reinterpret_cast<LPARAM>(&column)));
        EXPECT_EQ(utf8FromWide(title), columns[index].title);
        EXPECT_EQ(column.cx,
                  dpi == 144 ? columns[index].widthAt144 : MulDiv(columns[index].width, dpi, 96))
            << dpi;
        EXPECT_EQ(column.fmt & LVCFMT_JUSTIFYMASK, columns[index].format);
    }
    LVCOLUMNW none = {};
    none.mask = LVCF_WIDTH;
    EXPECT_FALSE(SendMessageW(table, LVM_GETCOLUMNW, 5, reinterpret_cast<LPARAM>(&none)));
    auto extended = static_cast<DWORD>(SendMessageA(table, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0));
    EXPECT_EQ(extended & (LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT),
              static_cast<DWORD>(LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT));
}

std::vector<std::string> column(HostedMainWindow& main, int index) {
    std::vector<std::string> texts;
    for (int row = 0; row < main.rowCount(); ++row) {
        texts.push_back(main.cell(row, index));
    }
    return texts;
}

TEST_F(SatelliteTableTest, ColumnClicksSortAscendingThenDescendingAndMarkTheList) {
    HostedMainWindow main;
    const std::vector<std::string> loaded = column(main, ColumnLongitude);
    main.clickColumnHeader(ColumnLongitude);
    EXPECT_EQ(column(main, ColumnLongitude), loaded);  // the catalogue is in increasing order
    EXPECT_EQ(main.state().model.changeFlags & ListChanged, ListChanged);

    main.clickColumnHeader(ColumnLongitude);
    std::vector<std::string> descending(loaded.rbegin(), loaded.rend());
    EXPECT_EQ(column(main, ColumnLongitude), descending);
    EXPECT_EQ(main.cell(0, ColumnName), "国际701  (InterSat-701)");

    main.clickColumnHeader(ColumnPolarisation);  // another column starts ascending
    std::vector<std::string> polarisation = column(main, ColumnPolarisation);
    for (std::size_t row = 1; row < polarisation.size(); ++row) {
        EXPECT_LE(std::stod(polarisation[row - 1]), std::stod(polarisation[row])) << row;
    }
}

// How the Chinese (PRC) locale orders two texts, ignoring case: <0, 0 or >0.
int chineseOrder(const std::string& first, const std::string& second) {
    return CompareStringW(0x0804, NORM_IGNORECASE, wideFromUtf8(first).c_str(), -1,
                          wideFromUtf8(second).c_str(), -1) -
           CSTR_EQUAL;
}

TEST_F(SatelliteTableTest, NameClicksSortWithTheLocaleComparison) {
    HostedMainWindow main;
    main.clickColumnHeader(ColumnName);
    for (int row = 1; row < main.rowCount(); ++row) {
        EXPECT_LE(chineseOrder(main.cell(row - 1, ColumnName), main.cell(row, ColumnName)), 0)
            << row;
    }
    main.clickColumnHeader(ColumnName);
    for (int row = 1; row < main.rowCount(); ++row) {
        EXPECT_GE(chineseOrder(main.cell(row - 1, ColumnName), main.cell(row, ColumnName)), 0)
            << row;
    }
}

TEST_F(SatelliteTableTest, PopUpMenusFollowTheSelectionAndTheRowCount) {
    HostedMainWindow main;
    main.initMenuPopup(1);
    EXPECT_FALSE(main.menuCommandEnabled(IDM_MODIFY_SATELLITE));
    EXPECT_FALSE(main.menuCommandEnabled(IDM_DELETE_SATELLITES));
    EXPECT_TRUE(main.menuCommandEnabled(IDM_COPY_RESULTS));
    EXPECT_TRUE(main.menuCommandEnabled(IDM_ADD_SATELLITE));

    main.selectRow(1);
    main.initMenuPopup(1);
    EXPECT_TRUE(main.menuCommandEnabled(IDM_MODIFY_SATELLITE));
    EXPECT_TRUE(main.menuCommandEnabled(IDM_DELETE_SATELLITES));

    // Recalculate follows the site input only, whatever menu opens.
    main.emptyCityBox();
    main.setBoxText(IDC_LATITUDE, "91");
    main.initMenuPopup(0);
    EXPECT_FALSE(main.menuCommandEnabled(IDM_RECALCULATE));
}

TEST_F(SatelliteTableTest, AnEmptyTableGreysTheCopyCommand) {
    storeValue(HKEY_CURRENT_USER, "Data", REG_BINARY, std::string(2, '\0'));
    HostedMainWindow main;
    EXPECT_EQ(main.rowCount(), 0);
    main.initMenuPopup(1);
    EXPECT_FALSE(main.menuCommandEnabled(IDM_COPY_RESULTS));
    EXPECT_FALSE(main.menuCommandEnabled(IDM_MODIFY_SATELLITE));
}

// What the context menu showed while it was open: a timer looks while the
// menu's own message loop runs, then closes it.
struct OpenMenu {
    bool seen = false;
    UINT modify = 0;
    UINT remove = 0;
    UINT copy = 0;
};
OpenMenu openMenu;
HMENU trackedMenu = nullptr;

void CALLBACK closeOpenMenu(HWND, UINT, UINT_PTR timer, DWORD) {
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    if (GetGUIThreadInfo(GetCurrentThreadId(), &info) && (info.flags & GUI_INMENUMODE)) {
        openMenu.seen = true;
        openMenu.modify = GetMenuState(trackedMenu, IDM_MODIFY_SATELLITE, MF_BYCOMMAND);
        openMenu.remove = GetMenuState(trackedMenu, IDM_DELETE_SATELLITES, MF_BYCOMMAND);
        openMenu.copy = GetMenuState(trackedMenu, IDM_COPY_RESULTS, MF_BYCOMMAND);
    }
    KillTimer(nullptr, timer);
    EndMenu();
}

TEST_F(SatelliteTableTest, RightClickOpensTheSatelliteMenuEnabledForAnEmptyTable) {
    storeValue(HKEY_CURRENT_USER, "Data", REG_BINARY, std::string(2, '\0'));
    HostedMainWindow main;
    openMenu = OpenMenu();
    trackedMenu = main.state().controls.satelliteMenu;
    SetTimer(nullptr, 0, 200, closeOpenMenu);
    NMITEMACTIVATE click = {};
    click.hdr.hwndFrom = main.item(IDC_SATELLITE_TABLE);
    click.hdr.idFrom = IDC_SATELLITE_TABLE;
    click.hdr.code = NM_RCLICK;
    click.iItem = -1;
    SendMessageA(main.window(), WM_NOTIFY, IDC_SATELLITE_TABLE, reinterpret_cast<LPARAM>(&click));
    EXPECT_TRUE(openMenu.seen);
    EXPECT_TRUE(openMenu.modify & MF_GRAYED);
    EXPECT_TRUE(openMenu.remove & MF_GRAYED);
    EXPECT_TRUE(openMenu.copy & MF_GRAYED);
}

}  // namespace
