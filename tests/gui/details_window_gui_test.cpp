// The details window: one satellite's compass bearing, offset-dish
// elevation, range, delay and sky picture, opened from the menu and by a
// double-click, changing nothing in the main window; the offset angle kept.

#include <gtest/gtest.h>
#include <windows.h>
// commctrl.h needs windows.h first
#include <commctrl.h>

#include <string>
#include <vector>

#include "app/registry_settings.h"
#include "data/satellite_table.h"
#include "encoding/text_encoding.h"
#include "fieldkit/details_outage.h"
#include "fieldkit/field_limits.h"
#include "fieldkit/multifeed.h"
#include "fieldkit/sun_aim.h"
#include "res/resource_ids.h"
#include "tests/gui/gui_fixture.h"
#include "tests/gui/hosted_main_window.h"
#include "tests/gui/modal_window.h"
#include "tests/gui/template_check.h"

namespace {

using DetailsWindowTest = GuiTest;

// WMM2025 gives Beijing a declination of 7.55 degrees west on 2026-01-01.
CalendarDate newYear2026() { return {2026, 1, 1}; }
// After the model's years.
CalendarDate newYear2031() { return {2031, 1, 1}; }

std::string dlgText(HWND dialog, int id) { return controlText(GetDlgItem(dialog, id)); }

// The one moment of aiming by the sun at the satellite from 北京 on `date`,
// Beijing time, to the minute.
std::string sunAimMinute(long double satelliteLongitude, const CalendarDate& date) {
    ReceivingSite beijing;
    beijing.longitude = 116.46L;
    beijing.latitude = 39.92L;
    const SunAimResult aim = sunAimMoments(beijing, satelliteLongitude, date, BeijingZoneMinutes);
    if (aim.moments.size() != 1) return "?";
    char time[TimeTextCapacity];
    formatHourMinute(aim.moments[0].second, time);
    return time;
}

// Everything the main window shows, to compare before and after.
struct MainWindowView {
    std::string description;
    std::vector<std::string> cells;
    ChangeFlags flags;
    bool operator==(const MainWindowView& other) const {
        return description == other.description && cells == other.cells && flags == other.flags;
    }
};

MainWindowView view(HostedMainWindow& main) {
    MainWindowView seen{main.text(IDC_SITE_DESCRIPTION), {}, main.state().model.changeFlags};
    for (int row = 0; row < main.rowCount(); ++row)
        for (int column = 0; column < SatelliteColumnCount; ++column)
            seen.cells.push_back(main.cell(row, column));
    return seen;
}

// The notification a double-click on a row makes the table send.
void doubleClickRow(HostedMainWindow& main, int row) {
    NMITEMACTIVATE click = {};
    click.hdr.hwndFrom = main.item(IDC_SATELLITE_TABLE);
    click.hdr.idFrom = IDC_SATELLITE_TABLE;
    click.hdr.code = NM_DBLCLK;
    click.iItem = row;
    SendMessageW(main.window(), WM_NOTIFY, IDC_SATELLITE_TABLE, reinterpret_cast<LPARAM>(&click));
    main.pumpMessages();
}

void setOffset(HWND dialog, const std::string& text) {
    setEditText(GetDlgItem(dialog, IDC_DETAILS_OFFSET), text);
    pumpDialog(dialog);
}

TEST_F(DetailsWindowTest, OpensForTheSelectedRowWithEveryTextAndChangesNothing) {
    storeValue(
        HKEY_CURRENT_USER, "Data", REG_BINARY,
        storedList({"57.0,one", cp936FromUtf8("105.5,亚洲3号  (AsiaSat-3S)"),
                    cp936FromUtf8("125.0,中星6号  (ChinaSat-6)"), cp936FromUtf8("-60.0,西方")}));
    HostedMainWindow main;
    main.state().seams.today = newYear2026;
    // The menu item itself (text and place) is checked with the whole menu.

    main.initMenuPopup(1);
    EXPECT_FALSE(main.menuCommandEnabled(IDM_SATELLITE_DETAILS));
    const int row = main.rowWithLongitude("105.5");
    ASSERT_NE(row, -1);
    main.selectRow(row);
    main.initMenuPopup(1);
    EXPECT_TRUE(main.menuCommandEnabled(IDM_SATELLITE_DETAILS));
    const MainWindowView before = view(main);

    whileModalOpen(
        main.window(), [&] { main.command(IDM_SATELLITE_DETAILS); },
        [&](HWND dialog) {
            EXPECT_EQ(controlText(dialog), "寻星详情");
            EXPECT_EQ(GetWindow(dialog, GW_OWNER), main.window());
            expectCentred(dialog);
            EXPECT_EQ(dlgText(dialog, IDC_DETAILS_SATELLITE), "亚洲3号  (AsiaSat-3S)  105.5度");
            EXPECT_EQ(dlgText(dialog, IDC_DETAILS_SITE), "北京　2026-01-01");
            EXPECT_EQ(dlgText(dialog, IDC_DETAILS_ELEVATION),
                      "天线仰角：42.45度\r\n偏馈天线仰角：-");
            // 180 + 16.79 from due north; the compass reads 7.55 more.
            EXPECT_EQ(dlgText(dialog, IDC_DETAILS_TRUE_AZIMUTH),
                      "真方位角：南偏西16.79度（196.79度）");
            EXPECT_EQ(dlgText(dialog, IDC_DETAILS_DECLINATION), "磁偏角：西7.55度（WMM2025）");
            EXPECT_EQ(dlgText(dialog, IDC_DETAILS_COMPASS),
                      "罗盘方位角：204.34度（南偏西24.34度）");
            EXPECT_EQ(dlgText(dialog, IDC_DETAILS_POLARISATION), "极化角：-12.80度");
            // sqrt(R^2 + r^2 - 2Rr cos 39.92 cos 10.96) = 37596.6 km, / c = 125.41 ms.
            EXPECT_EQ(dlgText(dialog, IDC_DETAILS_RANGE), "距离：37597公里　单程时延：125.4毫秒");
            // No obstacle is stored for the site: nothing to be higher than.
            EXPECT_EQ(dlgText(dialog, IDC_DETAILS_LINE_OF_SIGHT), "视线：无遮挡物");
            EXPECT_EQ(dlgText(dialog, IDC_DETAILS_MOTOR_ANGLE), "马达角度：西12.39度");
            EXPECT_EQ(dlgText(dialog, IDC_DETAILS_POLAR_MOUNT),
                      "极轴座：极轴仰角39.92度，偏置角6.27度，天线仰角43.81度");
            // At 196.79 degrees the January sun passes once, in the afternoon.
            EXPECT_EQ(dlgText(dialog, IDC_DETAILS_SUN_AIM),
                      "对日寻星：今天 " + sunAimMinute(105.5L, newYear2026()) +
                          " 太阳在卫星方向（影子背向卫星）");
            HWND sky = GetDlgItem(dialog, IDC_DETAILS_SKY);
            ASSERT_NE(sky, nullptr);
            EXPECT_EQ(GetWindowLongA(sky, GWL_STYLE) & SS_TYPEMASK, SS_OWNERDRAW);

            // The offset box: an angle from 0 to 60, six bytes.
            setOffset(dialog, "22.6");
            EXPECT_EQ(dlgText(dialog, IDC_DETAILS_ELEVATION),
                      "天线仰角：42.45度\r\n偏馈天线仰角：19.85度");
            setOffset(dialog, "61");
            EXPECT_EQ(dlgText(dialog, IDC_DETAILS_ELEVATION),
                      "天线仰角：42.45度\r\n偏馈天线仰角：-");
            HWND offsetBox = GetDlgItem(dialog, IDC_DETAILS_OFFSET);
            setEditText(offsetBox, "");
            typeInto(offsetBox, L"17.5000");
            pumpDialog(dialog);
            EXPECT_EQ(controlText(offsetBox), "17.500");
            EXPECT_EQ(dlgText(dialog, IDC_DETAILS_ELEVATION),
                      "天线仰角：42.45度\r\n偏馈天线仰角：24.95度");
            pressDialogKey(dialog, offsetBox, VK_ESCAPE);
        });
    EXPECT_TRUE(view(main) == before);

    // A double-click opens it for the clicked row; Enter closes it. After
    // the model's years there is no declination and so no compass bearing.
    main.state().seams.today = newYear2031;
    const int western = main.rowWithLongitude("-60.0");
    const int eastern = main.rowWithLongitude("125.0");
    ASSERT_NE(eastern, -1);
    ASSERT_NE(western, -1);
    whileModalOpen(
        main.window(), [&] { doubleClickRow(main, eastern); },
        [&](HWND dialog) {
            EXPECT_EQ(dlgText(dialog, IDC_DETAILS_SATELLITE), "中星6号  (ChinaSat-6)  125.0度");
            EXPECT_EQ(dlgText(dialog, IDC_DETAILS_SITE), "北京　2031-01-01");
            EXPECT_EQ(dlgText(dialog, IDC_DETAILS_ELEVATION),
                      "天线仰角：42.98度\r\n偏馈天线仰角：25.48度");
            EXPECT_EQ(dlgText(dialog, IDC_DETAILS_TRUE_AZIMUTH),
                      "真方位角：南偏东13.17度（166.83度）");
            EXPECT_EQ(dlgText(dialog, IDC_DETAILS_DECLINATION), "磁偏角：-");
            EXPECT_EQ(dlgText(dialog, IDC_DETAILS_COMPASS), "罗盘方位角：-");
            EXPECT_EQ(dlgText(dialog, IDC_DETAILS_POLARISATION), "极化角：10.06度");
            EXPECT_EQ(dlgText(dialog, IDC_DETAILS_RANGE), "距离：37557公里　单程时延：125.3毫秒");
            EXPECT_EQ(dlgText(dialog, IDC_DETAILS_MOTOR_ANGLE), "马达角度：东9.65度");
            pressDialogKey(dialog, GetDlgItem(dialog, IDC_DETAILS_OFFSET), VK_RETURN);
        });
    whileModalOpen(
        main.window(), [&] { doubleClickRow(main, western); },
        [&](HWND dialog) {
            EXPECT_EQ(dlgText(dialog, IDC_DETAILS_SATELLITE), "西方  -60.0度");
            EXPECT_EQ(dlgText(dialog, IDC_DETAILS_RANGE), "卫星在地平线以下");
            EXPECT_EQ(dlgText(dialog, IDC_DETAILS_LINE_OF_SIGHT),
                      "视线：被遮挡（卫星在地平线以下）");
            EXPECT_EQ(dlgText(dialog, IDC_DETAILS_MOTOR_ANGLE), "马达角度：-（卫星在地平线以下）");
            EXPECT_EQ(dlgText(dialog, IDC_DETAILS_SUN_AIM), "对日寻星：无（卫星在地平线以下）");
            SendMessageW(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
            pumpDialog(dialog);
        });
    EXPECT_TRUE(view(main) == before);
}

TEST_F(DetailsWindowTest, TheOffsetAngleIsKeptAcrossARestartAndWrittenOnlyWhenChanged) {
    {
        HostedMainWindow first;
        first.selectRow(first.rowWithLongitude("105.5"));
        first.closeWithMessage();
    }
    // Nothing typed: nothing written.
    EXPECT_FALSE(readStoredValue(HKEY_CURRENT_USER, "Offset").present);
    EXPECT_FALSE(readStoredValue(HKEY_LOCAL_MACHINE, "Offset").present);
    {
        HostedMainWindow second;
        second.selectRow(second.rowWithLongitude("105.5"));
        whileModalOpen(
            second.window(), [&] { second.command(IDM_SATELLITE_DETAILS); },
            [&](HWND dialog) {
                setOffset(dialog, "22.6");
                SendMessageW(dialog, WM_CLOSE, 0, 0);
            });
        second.closeWithCloseBox();
    }
    for (HKEY root : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE}) {
        StoredValue offset = readStoredValue(root, "Offset");
        EXPECT_EQ(offset.type, static_cast<DWORD>(REG_SZ));
        EXPECT_EQ(offset.bytes, storedTextBytes("22.6"));
    }
    RegDeleteKeyValueA(HKEY_LOCAL_MACHINE, SettingsKeyPath, "Offset");
    {
        HostedMainWindow third;
        third.selectRow(third.rowWithLongitude("105.5"));
        whileModalOpen(
            third.window(), [&] { third.command(IDM_SATELLITE_DETAILS); },
            [&](HWND dialog) {
                EXPECT_EQ(dlgText(dialog, IDC_DETAILS_OFFSET), "22.6");
                EXPECT_EQ(dlgText(dialog, IDC_DETAILS_ELEVATION),
                          "天线仰角：42.45度\r\n偏馈天线仰角：19.85度");
                pressDialogKey(dialog, GetDlgItem(dialog, IDC_DETAILS_OFFSET), VK_ESCAPE);
            });
        third.command(IDM_EXIT);
    }
    // Unchanged in this run: the value is not written again.
    EXPECT_FALSE(readStoredValue(HKEY_LOCAL_MACHINE, "Offset").present);
    EXPECT_EQ(readStoredValue(HKEY_CURRENT_USER, "Offset").bytes, storedTextBytes("22.6"));
}

// --- Sun outages --------------------------------------------------------------

CalendarDate newYear2027() { return {2027, 1, 1}; }

std::string comboEntry(HWND combo, int index) {
    const LRESULT length = SendMessageW(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length < 0) return "";
    std::wstring entry(static_cast<std::size_t>(length) + 1, L'\0');
    SendMessageW(combo, CB_GETLBTEXT, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(entry.data()));
    entry.resize(static_cast<std::size_t>(length));
    return utf8FromWide(entry);
}

// What the window should show for 亚洲3号 from 北京 on 2027-01-01, as the
// field kit words it (UTF-8).
struct OutageTexts {
    std::string next;
    std::string later;
};
OutageTexts expectedOutage(const char* dish, Band band) {
    ReceivingSite beijing;
    beijing.longitude = 116.46L;
    beijing.latitude = 39.92L;
    SkyFrame frame;
    DetailsOutage outage;
    prepareDetailsOutage(beijing, 105.5L, newYear2027(), dish, band, frame, outage);
    return {utf8FromCp936(outage.next), utf8FromCp936(outage.later)};
}

void expectOutageTexts(HWND dialog, const OutageTexts& texts) {
    EXPECT_EQ(dlgText(dialog, IDC_DETAILS_NEXT_OUTAGE), texts.next);
    EXPECT_EQ(dlgText(dialog, IDC_DETAILS_LATER_OUTAGE), texts.later);
}

TEST_F(DetailsWindowTest, SunOutagesFollowTheDishAndBandWhichAreKept) {
    storeValue(
        HKEY_CURRENT_USER, "Data", REG_BINARY,
        storedList({cp936FromUtf8("105.5,亚洲3号  (AsiaSat-3S)"), cp936FromUtf8("-60.0,西方")}));
    {
        // Opened and closed with nothing changed: nothing is written.
        HostedMainWindow first;
        first.state().seams.today = newYear2027;
        first.selectRow(first.rowWithLongitude("105.5"));
        whileModalOpen(
            first.window(), [&] { first.command(IDM_SATELLITE_DETAILS); },
            [&](HWND dialog) {
                HWND band = GetDlgItem(dialog, IDC_DETAILS_BAND);
                EXPECT_EQ(dlgText(dialog, IDC_DETAILS_DISH), "0.6");
                ASSERT_EQ(SendMessageW(band, CB_GETCOUNT, 0, 0), 3);
                EXPECT_EQ(comboEntry(band, 0), "C波段 4GHz");
                EXPECT_EQ(comboEntry(band, 1), "Ku波段 12.25GHz");
                EXPECT_EQ(comboEntry(band, 2), "Ka波段 20.2GHz");
                EXPECT_EQ(SendMessageW(band, CB_GETCURSEL, 0, 0), 1);
                EXPECT_EQ(dlgText(dialog, IDC_DETAILS_NEXT_OUTAGE),
                          "日凌：2027-03-01 至 2027-03-09，最长 2027-03-05 13:09–13:22（13分钟）");
                EXPECT_EQ(dlgText(dialog, IDC_DETAILS_LATER_OUTAGE)
                              .find("日凌：2027-10-05 至 2027-10-13，最长 2027-10-"),
                          0u);
                SendMessageW(dialog, WM_CLOSE, 0, 0);
            });
        first.closeWithMessage();
    }
    for (const char* name : {"Dish", "Band"}) {
        EXPECT_FALSE(readStoredValue(HKEY_CURRENT_USER, name).present) << name;
        EXPECT_FALSE(readStoredValue(HKEY_LOCAL_MACHINE, name).present) << name;
    }
    {
        HostedMainWindow second;
        second.state().seams.today = newYear2027;
        second.selectRow(second.rowWithLongitude("105.5"));
        whileModalOpen(
            second.window(), [&] { second.command(IDM_SATELLITE_DETAILS); },
            [&](HWND dialog) {
                HWND band = GetDlgItem(dialog, IDC_DETAILS_BAND);
                HWND dish = GetDlgItem(dialog, IDC_DETAILS_DISH);
                // The band chosen with the keys: C, then back through Ku to Ka.
                pressDialogKey(dialog, band, VK_UP);
                EXPECT_EQ(SendMessageW(band, CB_GETCURSEL, 0, 0), 0);
                expectOutageTexts(dialog, expectedOutage("0.6", Band::C));
                pressDialogKey(dialog, band, VK_DOWN);
                pressDialogKey(dialog, band, VK_DOWN);
                EXPECT_EQ(SendMessageW(band, CB_GETCURSEL, 0, 0), 2);
                expectOutageTexts(dialog, expectedOutage("0.6", Band::Ka));
                // Written as it changes, not only at the close.
                EXPECT_EQ(readStoredValue(HKEY_CURRENT_USER, "Band").bytes, storedTextBytes("Ka"));

                // A diameter the rule cannot take says so; the second text is empty.
                for (const char* refused : {"", "abc", "0.05", "31"}) {
                    setEditText(dish, refused);
                    pumpDialog(dialog);
                    EXPECT_EQ(dlgText(dialog, IDC_DETAILS_NEXT_OUTAGE),
                              "日凌：-（天线口径应为0.1至30米）")
                        << refused;
                    EXPECT_EQ(dlgText(dialog, IDC_DETAILS_LATER_OUTAGE), "") << refused;
                }
                // Six bytes at most.
                setEditText(dish, "");
                typeInto(dish, L"1.20000");
                pumpDialog(dialog);
                EXPECT_EQ(controlText(dish), "1.2000");
                expectOutageTexts(dialog, expectedOutage("1.2000", Band::Ka));
                setEditText(dish, "0.45");
                pumpDialog(dialog);
                pressDialogKey(dialog, band, VK_UP);
                pressDialogKey(dialog, band, VK_UP);
                expectOutageTexts(dialog, expectedOutage("0.45", Band::C));
                SendMessageW(dialog, WM_CLOSE, 0, 0);
            });
        second.closeWithCloseBox();
    }
    for (HKEY root : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE}) {
        const StoredValue dish = readStoredValue(root, "Dish");
        const StoredValue band = readStoredValue(root, "Band");
        EXPECT_EQ(dish.type, static_cast<DWORD>(REG_SZ));
        EXPECT_EQ(dish.bytes, storedTextBytes("0.45"));
        EXPECT_EQ(band.type, static_cast<DWORD>(REG_SZ));
        EXPECT_EQ(band.bytes, storedTextBytes("C"));
    }
    {
        // Kept across a restart; a satellite below the horizon has no outage.
        HostedMainWindow third;
        third.state().seams.today = newYear2027;
        third.selectRow(third.rowWithLongitude("105.5"));
        whileModalOpen(
            third.window(), [&] { third.command(IDM_SATELLITE_DETAILS); },
            [&](HWND dialog) {
                EXPECT_EQ(dlgText(dialog, IDC_DETAILS_DISH), "0.45");
                EXPECT_EQ(SendMessageW(GetDlgItem(dialog, IDC_DETAILS_BAND), CB_GETCURSEL, 0, 0),
                          0);
                expectOutageTexts(dialog, expectedOutage("0.45", Band::C));
                SendMessageW(dialog, WM_CLOSE, 0, 0);
            });
        whileModalOpen(
            third.window(), [&] { doubleClickRow(third, third.rowWithLongitude("-60.0")); },
            [&](HWND dialog) {
                EXPECT_EQ(dlgText(dialog, IDC_DETAILS_NEXT_OUTAGE), "日凌：无（卫星在地平线以下）");
                EXPECT_EQ(dlgText(dialog, IDC_DETAILS_LATER_OUTAGE), "");
                SendMessageW(dialog, WM_CLOSE, 0, 0);
            });
        third.command(IDM_EXIT);
    }
}

}  // namespace

namespace {

TEST_F(DetailsWindowTest, TheLineOfSightSaysWhetherTheObstaclesHideTheSatellite) {
    // In true azimuths: a wall from 200 to 280 degrees, 40 high, and a roof
    // from 100 to 200, 20 high.
    storeValue(HKEY_CURRENT_USER, "Horizon", REG_SZ,
               storedTextBytes("T;200.00,280.00,40.00;100.00,200.00,20.00"));
    storeValue(HKEY_CURRENT_USER, "Data", REG_BINARY,
               storedList({"57.0,west", "105.5,south", "-60.0,under"}));
    HostedMainWindow main;
    main.state().seams.today = newYear2026;
    main.command(IDOK);
    struct Case {
        const char* longitude;
        const char* lineOfSight;
    };
    const Case cases[] = {
        // 14.53 degrees high at 249.26, behind the wall.
        {"57.0", "视线：被遮挡（遮挡物高40.00度）"},
        // 42.45 high at 196.79, above the roof.
        {"105.5", "视线：通畅（高出遮挡22.45度）"},
        {"-60.0", "视线：被遮挡（卫星在地平线以下）"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.longitude);
        whileModalOpen(
            main.window(), [&] { doubleClickRow(main, main.rowWithLongitude(c.longitude)); },
            [&](HWND dialog) {
                EXPECT_EQ(dlgText(dialog, IDC_DETAILS_LINE_OF_SIGHT), c.lineOfSight);
                pressDialogKey(dialog, GetDlgItem(dialog, IDC_DETAILS_OFFSET), VK_ESCAPE);
            });
    }
}

// --- Several LNBs on one dish ---------------------------------------------------

// The list shows the field kit's rows for the main satellite at 134.0 from
// the site: every other satellite in reach, nearest first.
void expectMultifeedRows(HWND dialog, HostedMainWindow& main, const MultifeedDish& dish,
                         bool withDish) {
    const MultifeedPlan plan =
        planMultifeed(main.state().controls.table, main.state().model.site, 134, dish);
    HWND list = GetDlgItem(dialog, IDC_MULTIFEED_LIST);
    ASSERT_FALSE(plan.satellites.empty());
    ASSERT_EQ(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0),
              static_cast<LRESULT>(plan.satellites.size()));
    for (std::size_t i = 0; i < plan.satellites.size(); ++i) {
        const MultifeedCells cells = multifeedCells(plan.satellites[i], withDish);
        const int row = static_cast<int>(i);
        EXPECT_EQ(listCellText(list, row, 0), utf8(cells.name.c_str()));
        EXPECT_EQ(listCellText(list, row, 1), cells.separation);
        EXPECT_EQ(listCellText(list, row, 2), cells.right);
        EXPECT_EQ(listCellText(list, row, 3), cells.up);
        EXPECT_EQ(listCellText(list, row, 4), cells.skew);
    }
    EXPECT_EQ(dlgText(dialog, IDC_MULTIFEED_ADVICE),
              utf8(multifeedAdviceText(plan.satellites[0], withDish).c_str()));
}

void setDishBox(HWND dialog, int id, const std::string& text) {
    setEditText(GetDlgItem(dialog, id), text);
    pumpDialog(dialog);
}

void expectStoredDish(const char* focalLength, const char* diameter) {
    for (HKEY root : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE}) {
        const StoredValue f = readStoredValue(root, "FocalLength");
        const StoredValue d = readStoredValue(root, "Diameter");
        EXPECT_EQ(f.type, static_cast<DWORD>(REG_SZ));
        EXPECT_EQ(d.type, static_cast<DWORD>(REG_SZ));
        EXPECT_EQ(f.bytes, storedTextBytes(focalLength));
        EXPECT_EQ(d.bytes, storedTextBytes(diameter));
    }
}

TEST_F(DetailsWindowTest, MultifeedListFollowsTheDishBoxesWhichAreKept) {
    {
        HostedMainWindow first;
        first.initMenuPopup(1);
        EXPECT_FALSE(first.menuCommandEnabled(IDM_MULTIFEED));
        first.selectRow(first.rowWithLongitude("134.0"));
        first.initMenuPopup(1);
        EXPECT_TRUE(first.menuCommandEnabled(IDM_MULTIFEED));
        const MainWindowView before = view(first);
        whileModalOpen(
            first.window(), [&] { first.command(IDM_MULTIFEED); },
            [&](HWND dialog) {
                EXPECT_EQ(controlText(dialog), "一锅多星");
                EXPECT_EQ(
                    dlgText(dialog, IDC_MULTIFEED_MAIN)
                        .rfind("主星：" + first.cell(first.rowWithLongitude("134.0"), ColumnName) +
                                   "  134.0度  极化角",
                               0),
                    0u);
                // Without a dish the angles show, the millimetres do not.
                EXPECT_EQ(dlgText(dialog, IDC_MULTIFEED_FOCAL_LENGTH), "");
                expectMultifeedRows(dialog, first, {FocalLengthRangeMm.low, DiameterRangeMm.low},
                                    false);
                setDishBox(dialog, IDC_MULTIFEED_FOCAL_LENGTH, "360");
                setDishBox(dialog, IDC_MULTIFEED_DIAMETER, "600");
                expectMultifeedRows(dialog, first, {360, 600}, true);
                // Written as they change.
                expectStoredDish("360", "600");
                setDishBox(dialog, IDC_MULTIFEED_DIAMETER, "5001");
                expectMultifeedRows(dialog, first, {360, 600}, false);
                setDishBox(dialog, IDC_MULTIFEED_DIAMETER, "5000");
                expectMultifeedRows(dialog, first, {360, 5000}, true);
                // Six bytes at most.
                typeInto(GetDlgItem(dialog, IDC_MULTIFEED_FOCAL_LENGTH), L"1234567");
                EXPECT_EQ(dlgText(dialog, IDC_MULTIFEED_FOCAL_LENGTH).size(), 6u);
                setDishBox(dialog, IDC_MULTIFEED_FOCAL_LENGTH, "450");
                SendMessageW(dialog, WM_CLOSE, 0, 0);
            });
        EXPECT_TRUE(view(first) == before);
        first.closeWithCloseBox();
    }
    expectStoredDish("450", "5000");
    HostedMainWindow second;
    second.selectRow(second.rowWithLongitude("134.0"));
    whileModalOpen(
        second.window(), [&] { second.command(IDM_MULTIFEED); },
        [&](HWND dialog) {
            EXPECT_EQ(dlgText(dialog, IDC_MULTIFEED_FOCAL_LENGTH), "450");
            EXPECT_EQ(dlgText(dialog, IDC_MULTIFEED_DIAMETER), "5000");
            expectMultifeedRows(dialog, second, {450, 5000}, true);
            pressDialogKey(dialog, GetDlgItem(dialog, IDC_MULTIFEED_DIAMETER), VK_ESCAPE);
        });
}

}  // namespace
