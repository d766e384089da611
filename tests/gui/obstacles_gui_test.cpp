// The obstacles: typed in compass bearings in their dialog, the rows of the
// satellites they hide drawn in grey, and kept for the next start.

#include <windows.h>
// commctrl.h needs windows.h first
#include <commctrl.h>
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "app/obstacle_commands.h"
#include "calc/recalculation.h"
#include "data/satellite_table.h"
#include "fieldkit/field_numbers.h"
#include "fieldkit/horizon_setting.h"
#include "fieldkit/magnetic_model.h"
#include "numtext/numtext.h"
#include "res/resource_ids.h"
#include "tests/gui/gui_fixture.h"
#include "tests/gui/hosted_main_window.h"
#include "tests/gui/modal_window.h"
#include "tests/gui/registry_fixture.h"

namespace {

using ObstaclesTest = GuiTest;

CalendarDate newYear2026() { return {2026, 1, 1}; }

// Two obstacles as a compass reads them: a block of flats from 220 to 260
// degrees, 30 degrees high, and a tree from 120 to 130, 25 high.
struct CompassObstacle {
    const char* from;
    const char* to;
    const char* elevation;
    double fromBearing, toBearing, top;
};
const CompassObstacle Obstacles[] = {
    {"220", "260", "30", 220, 260, 30},
    {"120", "130", "25", 120, 130, 25},
};

HWND item(HWND dialog, int id) { return GetDlgItem(dialog, id); }

// A cell of the dialog's list, as UTF-8.
std::string cellText(HWND list, int row, int column) {
    wchar_t text[64] = {};
    LVITEMW cell = {};
    cell.iSubItem = column;
    cell.pszText = text;
    cell.cchTextMax = 64;
    SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&cell));
    return utf8FromWide(text);
}
bool enabled(HWND dialog, int id) { return IsWindowEnabled(item(dialog, id)) != FALSE; }

void click(HWND dialog, int button) {
    SendMessageW(item(dialog, button), BM_CLICK, 0, 0);
    pumpDialog(dialog);
}

int listRows(HWND dialog) {
    return static_cast<int>(SendMessageW(item(dialog, IDC_OBSTACLE_LIST), LVM_GETITEMCOUNT, 0, 0));
}

void selectListRow(HWND dialog, int row) {
    LVITEMW select = {};
    select.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    select.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(item(dialog, IDC_OBSTACLE_LIST), LVM_SETITEMSTATE, static_cast<WPARAM>(row),
                 reinterpret_cast<LPARAM>(&select));
    pumpDialog(dialog);
}

// A bearing of the list turned by the declination rounded to hundredths, as
// the check box turns it, and shown with two decimals.
std::string turnedCell(long double bearing, long double declination) {
    char text[NumberTextCapacity];
    NumberToText(roundToHundredths(bearingWithinCircle(bearing + roundToHundredths(declination))),
                 text, 0, 2);
    return text;
}

// Presses `button` and answers the question it asks with `answer`; the
// question's text, or "" when none was asked.
std::string pressAndAnswer(HWND dialog, int button, int answer) {
    std::string question;
    whileModalOpen(
        dialog, [&] { click(dialog, button); },
        [&](HWND box) {
            question = controlText(GetDlgItem(box, 0xFFFF));
            // No is the default.
            EXPECT_EQ(GetWindowLongW(GetDlgItem(box, IDNO), GWL_STYLE) & BS_TYPEMASK,
                      BS_DEFPUSHBUTTON);
            SendMessageW(GetDlgItem(box, answer), BM_CLICK, 0, 0);
        });
    return question;
}

void typeObstacle(HWND dialog, const char* from, const char* to, const char* elevation) {
    setEditText(item(dialog, IDC_OBSTACLE_FROM), from);
    setEditText(item(dialog, IDC_OBSTACLE_TO), to);
    setEditText(item(dialog, IDC_OBSTACLE_ELEVATION), elevation);
    pumpDialog(dialog);
}

// The rows the installer expects hidden: above the horizon, below an
// obstacle's top, with the compass bearing (the true azimuth less the
// declination there) within its edges.
std::set<std::string> expectedHidden(HostedMainWindow& main) {
    const ReceivingSite& site = main.state().model.site;
    const double declination = evaluateMagneticField(wmm2025(), static_cast<double>(site.latitude),
                                                     static_cast<double>(site.longitude), 0, 2026.0)
                                   .declination;
    std::set<std::string> hidden;
    for (int row = 0; row < main.rowCount(); ++row) {
        const SatelliteFieldNumbers numbers =
            computeFieldNumbers(rowLongitude(main.state().controls.table, row), site, declination);
        for (const CompassObstacle& obstacle : Obstacles) {
            const double bearing = static_cast<double>(numbers.magneticAzimuth);
            if (numbers.visible && numbers.elevation < obstacle.top &&
                bearing >= obstacle.fromBearing && bearing <= obstacle.toBearing)
                hidden.insert(main.cell(row, ColumnLongitude));
        }
    }
    return hidden;
}

// The colour the table's custom draw gives the row's text, asked as the list view asks.
COLORREF drawnTextColour(HostedMainWindow& main, int row) {
    NMLVCUSTOMDRAW draw = {};
    draw.nmcd.hdr.hwndFrom = main.item(IDC_SATELLITE_TABLE);
    draw.nmcd.hdr.idFrom = IDC_SATELLITE_TABLE;
    draw.nmcd.hdr.code = NM_CUSTOMDRAW;
    draw.nmcd.dwDrawStage = CDDS_PREPAINT;
    SendMessageW(main.window(), WM_NOTIFY, IDC_SATELLITE_TABLE, reinterpret_cast<LPARAM>(&draw));
    if (GetWindowLongPtrW(main.window(), DWLP_MSGRESULT) != CDRF_NOTIFYITEMDRAW) return CLR_DEFAULT;
    draw.nmcd.dwDrawStage = CDDS_ITEMPREPAINT;
    draw.nmcd.dwItemSpec = static_cast<DWORD_PTR>(row);
    draw.clrText = CLR_DEFAULT;
    SendMessageW(main.window(), WM_NOTIFY, IDC_SATELLITE_TABLE, reinterpret_cast<LPARAM>(&draw));
    return draw.clrText;
}

// The rows drawn grey, by their longitude cells; every row's mark agrees with its colour.
std::set<std::string> greyRows(HostedMainWindow& main) {
    std::set<std::string> grey;
    for (int row = 0; row < main.rowCount(); ++row) {
        const bool drawnGrey = drawnTextColour(main, row) == GetSysColor(COLOR_GRAYTEXT);
        EXPECT_EQ(drawnGrey, rowHiddenByObstacles(main.state(), row)) << row;
        if (drawnGrey) grey.insert(main.cell(row, ColumnLongitude));
    }
    return grey;
}

TEST_F(ObstaclesTest, TwoObstaclesInCompassBearingsGreyTheRowsTheyHideAndStay) {
    {
        HostedMainWindow first;
        first.state().seams.today = newYear2026;
        first.command(IDOK);
        EXPECT_TRUE(greyRows(first).empty());

        whileModalOpen(
            first.window(), [&] { first.command(IDM_OBSTACLES); },
            [&](HWND dialog) {
                EXPECT_EQ(controlText(dialog), "遮挡物");
                EXPECT_EQ(controlText(item(dialog, IDC_OBSTACLE_SITE)),
                          "地点：北京  经度：东经116.46度  纬度：北纬39.92度");
                EXPECT_EQ(IsDlgButtonChecked(dialog, IDC_OBSTACLE_COMPASS), BST_CHECKED);
                EXPECT_FALSE(enabled(dialog, IDC_OBSTACLE_ADD));
                EXPECT_FALSE(enabled(dialog, IDC_OBSTACLE_CHANGE));
                EXPECT_FALSE(enabled(dialog, IDC_OBSTACLE_DELETE));
                // Bad numbers grey the add button.
                const char* const bad[][3] = {
                    {"220", "260", "abc"}, {"361", "10", "5"}, {"220", "", "30"}, {"1", "2", "91"}};
                for (const auto& numbers : bad) {
                    typeObstacle(dialog, numbers[0], numbers[1], numbers[2]);
                    EXPECT_FALSE(enabled(dialog, IDC_OBSTACLE_ADD)) << numbers[0] << numbers[2];
                }
                for (const CompassObstacle& obstacle : Obstacles) {
                    typeObstacle(dialog, obstacle.from, obstacle.to, obstacle.elevation);
                    EXPECT_TRUE(enabled(dialog, IDC_OBSTACLE_ADD));
                    click(dialog, IDC_OBSTACLE_ADD);
                }
                EXPECT_EQ(listRows(dialog), 2);
                EXPECT_EQ(cellText(item(dialog, IDC_OBSTACLE_LIST), 0, 3), "40.00");

                // A sector typed right edge first is asked about; No keeps it out.
                typeObstacle(dialog, "210", "150", "20");
                EXPECT_EQ(pressAndAnswer(dialog, IDC_OBSTACLE_ADD, IDNO),
                          "从 210 度顺时针到 150 度的遮挡物宽 300 度，确实要增加吗？");
                EXPECT_EQ(listRows(dialog), 2);
                EXPECT_EQ(controlText(item(dialog, IDC_OBSTACLE_FROM)), "210");
                pressAndAnswer(dialog, IDC_OBSTACLE_ADD, IDYES);
                ASSERT_EQ(listRows(dialog), 3);
                EXPECT_EQ(cellText(item(dialog, IDC_OBSTACLE_LIST), 2, 3), "300.00");
                // Delete on the selected row takes it away.
                selectListRow(dialog, 2);
                pressDialogKey(dialog, item(dialog, IDC_OBSTACLE_LIST), VK_DELETE);
                EXPECT_EQ(listRows(dialog), 2);

                // Unticked, the list shows true azimuths: each obstacle stays
                // where it is; ticked again, the numbers as typed.
                const ReceivingSite& site = first.state().model.site;
                const long double declination =
                    evaluateMagneticField(wmm2025(), static_cast<double>(site.latitude),
                                          static_cast<double>(site.longitude), 0, 2026.0)
                        .declination;
                HWND list = item(dialog, IDC_OBSTACLE_LIST);
                click(dialog, IDC_OBSTACLE_COMPASS);
                EXPECT_EQ(IsDlgButtonChecked(dialog, IDC_OBSTACLE_COMPASS), BST_UNCHECKED);
                EXPECT_EQ(cellText(list, 0, 0), turnedCell(220, declination));
                EXPECT_EQ(cellText(list, 1, 1), turnedCell(130, declination));
                EXPECT_EQ(cellText(list, 1, 2), "25.00");
                EXPECT_NE(cellText(list, 0, 0), "220.00");
                click(dialog, IDC_OBSTACLE_COMPASS);
                EXPECT_EQ(cellText(list, 0, 0), "220.00");
                EXPECT_EQ(cellText(list, 1, 1), "130.00");
                click(dialog, IDOK);
            });

        const std::set<std::string> hidden = expectedHidden(first);
        // The tree hides 166.0 only at its compass bearing: true, it would not.
        EXPECT_EQ(hidden.count("166.0"), 1u);
        EXPECT_EQ(hidden.count("57.0"), 1u);
        EXPECT_EQ(hidden.count("105.5"), 0u);
        EXPECT_EQ(greyRows(first), hidden);

        // The marks follow the rows through a sort.
        first.clickColumnHeader(ColumnElevation);
        EXPECT_EQ(greyRows(first), hidden);

        // Beijing's obstacles stay at Beijing: none at a customer's in Urumqi,
        // whose list starts empty under its own name.
        first.chooseCity(u8"乌鲁木齐");
        first.command(IDOK);
        EXPECT_TRUE(greyRows(first).empty());
        whileModalOpen(
            first.window(), [&] { first.command(IDM_OBSTACLES); },
            [&](HWND dialog) {
                EXPECT_EQ(controlText(item(dialog, IDC_OBSTACLE_SITE)),
                          "地点：乌鲁木齐  经度：东经87.62度  纬度：北纬43.79度");
                EXPECT_EQ(listRows(dialog), 0);
                typeObstacle(dialog, "100", "110", "80");
                click(dialog, IDC_OBSTACLE_ADD);
                click(dialog, IDOK);
            });
        first.chooseCity(u8"北京");
        first.command(IDOK);
        EXPECT_EQ(greyRows(first), hidden);
        first.closeWithMessage();
        ASSERT_TRUE(first.ended());
    }
    for (HKEY root : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE}) {
        const StoredValue stored = readStoredValue(root, "Horizon");
        EXPECT_EQ(stored.type, static_cast<DWORD>(REG_SZ));
        EXPECT_EQ(stored.bytes, storedTextBytes("S116.46,39.92,4:北京M;220.00,260.00,30.00;"
                                                "120.00,130.00,25.00"
                                                "S87.62,43.79,8:乌鲁木齐M;100.00,110.00,80.00"));
    }

    HostedMainWindow second;
    second.state().seams.today = newYear2026;
    second.command(IDOK);
    EXPECT_EQ(greyRows(second), expectedHidden(second));
    EXPECT_FALSE(greyRows(second).empty());
    whileModalOpen(
        second.window(), [&] { second.command(IDM_OBSTACLES); },
        [&](HWND dialog) {
            EXPECT_EQ(IsDlgButtonChecked(dialog, IDC_OBSTACLE_COMPASS), BST_CHECKED);
            EXPECT_EQ(SendMessageW(item(dialog, IDC_OBSTACLE_LIST), LVM_GETITEMCOUNT, 0, 0), 2);
            click(dialog, IDCANCEL);
        });
}

TEST_F(ObstaclesTest, ChangeAndDeleteWorkOnTheSelectedRowAndCancelKeepsTheOld) {
    // A value of the older form: the obstacles of the site saved beside it.
    storeValue(HKEY_CURRENT_USER, "Horizon", REG_SZ, storedTextBytes("T;200.00,280.00,40.00"));
    storeText(HKEY_CURRENT_USER, "City", "北京");
    storeText(HKEY_CURRENT_USER, "X", "116.46");
    storeText(HKEY_CURRENT_USER, "Y", "39.92");
    HostedMainWindow main;
    main.state().seams.today = newYear2026;
    main.command(IDOK);
    const std::set<std::string> before = greyRows(main);
    EXPECT_EQ(before.count("57.0"), 1u);

    whileModalOpen(
        main.window(), [&] { main.command(IDM_OBSTACLES); },
        [&](HWND dialog) {
            EXPECT_EQ(IsDlgButtonChecked(dialog, IDC_OBSTACLE_COMPASS), BST_UNCHECKED);
            HWND list = item(dialog, IDC_OBSTACLE_LIST);
            LVITEMW select = {};
            select.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
            select.state = LVIS_SELECTED | LVIS_FOCUSED;
            SendMessageW(list, LVM_SETITEMSTATE, 0, reinterpret_cast<LPARAM>(&select));
            pumpDialog(dialog);
            // The row's numbers come into the boxes.
            EXPECT_EQ(controlText(item(dialog, IDC_OBSTACLE_FROM)), "200.00");
            EXPECT_EQ(controlText(item(dialog, IDC_OBSTACLE_ELEVATION)), "40.00");
            EXPECT_TRUE(enabled(dialog, IDC_OBSTACLE_CHANGE));
            setEditText(item(dialog, IDC_OBSTACLE_ELEVATION), "x");
            pumpDialog(dialog);
            EXPECT_FALSE(enabled(dialog, IDC_OBSTACLE_CHANGE));
            EXPECT_TRUE(enabled(dialog, IDC_OBSTACLE_DELETE));
            // Enter in a box holding no obstacle neither adds nor closes.
            pressDialogKey(dialog, item(dialog, IDC_OBSTACLE_ELEVATION), VK_RETURN);
            EXPECT_EQ(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0), 1);
            EXPECT_TRUE(IsWindowVisible(dialog));
            setEditText(item(dialog, IDC_OBSTACLE_ELEVATION), "45");
            pumpDialog(dialog);
            click(dialog, IDC_OBSTACLE_CHANGE);
            EXPECT_EQ(cellText(list, 0, 2), "45.00");
            click(dialog, IDC_OBSTACLE_DELETE);
            EXPECT_EQ(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0), 0);
            // Enter in a box holding one adds it, and empties the boxes.
            typeObstacle(dialog, "10", "20", "30");
            pressDialogKey(dialog, item(dialog, IDC_OBSTACLE_ELEVATION), VK_RETURN);
            ASSERT_TRUE(IsWindowVisible(dialog));
            EXPECT_EQ(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0), 1);
            EXPECT_EQ(cellText(list, 0, 0), "10.00");
            EXPECT_EQ(controlText(item(dialog, IDC_OBSTACLE_FROM)), "");
            EXPECT_FALSE(enabled(dialog, IDC_OBSTACLE_ADD));
            click(dialog, IDCANCEL);
        });
    EXPECT_EQ(greyRows(main), before);
    main.closeWithMessage();
    EXPECT_EQ(readStoredValue(HKEY_CURRENT_USER, "Horizon").bytes,
              storedTextBytes("S116.46,39.92,4:北京T;200.00,280.00,40.00"));
}

TEST_F(ObstaclesTest, AStoredValueThatIsNoSettingIsIgnoredAndKept) {
    storeValue(HKEY_CURRENT_USER, "Horizon", REG_SZ, storedTextBytes("M;1,2"));
    {
        HostedMainWindow main;
        EXPECT_TRUE(greyRows(main).empty());
        main.closeWithMessage();
    }
    EXPECT_EQ(readStoredValue(HKEY_CURRENT_USER, "Horizon").bytes, storedTextBytes("M;1,2"));
}

}  // namespace
