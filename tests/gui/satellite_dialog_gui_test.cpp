// The satellite dialog: adding and modifying rows, its checks of the typed
// texts, cancelling, and the recalculation that follows a confirmation.

#include <windows.h>
// commctrl.h needs windows.h first
#include <commctrl.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "app/satellite_dialog.h"
#include "calc/pointing.h"
#include "data/satellite_table.h"
#include "data/settings_store.h"
#include "encoding/text_encoding.h"
#include "numtext/numtext.h"
#include "res/resource_ids.h"
#include "tests/gui/gui_fixture.h"
#include "tests/gui/hosted_main_window.h"
#include "tests/gui/modal_window.h"
#include "tests/gui/template_check.h"

namespace {

using SatelliteDialogTest = GuiTest;

HWND longitudeBox(HWND dialog) { return GetDlgItem(dialog, IDC_SATELLITE_LONGITUDE); }
HWND descriptionBox(HWND dialog) { return GetDlgItem(dialog, IDC_SATELLITE_DESCRIPTION); }
bool okEnabled(HWND dialog) { return IsWindowEnabled(GetDlgItem(dialog, IDOK)) != FALSE; }

void click(HWND dialog, int button) {
    SendMessageA(GetDlgItem(dialog, button), BM_CLICK, 0, 0);
    pumpDialog(dialog);
}

// Opens the dialog with IDM_ADD_SATELLITE or IDM_MODIFY_SATELLITE and runs `script` in it.
void inDialog(HostedMainWindow& main, int command, const std::function<void(HWND)>& script) {
    whileModalOpen(
        main.window(), [&] { main.command(command); }, script);
}

// Types both texts into the empty dialog and confirms it.
void addThroughDialog(HostedMainWindow& main, const std::string& longitude,
                      const std::string& description) {
    inDialog(main, IDM_ADD_SATELLITE, [&](HWND dialog) {
        setEditText(longitudeBox(dialog), longitude);
        setEditText(descriptionBox(dialog), description);
        EXPECT_TRUE(okEnabled(dialog)) << longitude << " " << description;
        click(dialog, IDOK);
    });
}

std::vector<std::string> rowTexts(const HostedMainWindow& main, int row) {
    std::vector<std::string> cells;
    for (int column = 0; column < SatelliteColumnCount; ++column) {
        cells.push_back(main.cell(row, column));
    }
    return cells;
}

std::vector<std::vector<std::string>> tableTexts(const HostedMainWindow& main) {
    std::vector<std::vector<std::string>> rows;
    for (int row = 0; row < main.rowCount(); ++row) {
        rows.push_back(rowTexts(main, row));
    }
    return rows;
}

// A number as the program reads it.
long double number(const std::string& text) {
    std::string copy = text;
    long double value = 0;
    EXPECT_EQ(TextToNumber(copy.data(), &value), 1) << text;
    return value;
}

// The three result texts computePointing gives for the satellite from the site.
std::vector<std::string> pointingFrom(const std::string& siteLongitude,
                                      const std::string& siteLatitude,
                                      const std::string& satelliteLongitude) {
    ReceivingSite site;
    site.longitude = number(siteLongitude);
    site.latitude = number(siteLatitude);
    PointingResult result;
    computePointing(number(satelliteLongitude), site, result);
    return {utf8(result.elevationText), utf8(result.azimuthText), utf8(result.polarisationText)};
}

std::vector<std::string> resultsOf(const HostedMainWindow& main, int row) {
    return {main.cell(row, ColumnElevation), main.cell(row, ColumnAzimuth),
            main.cell(row, ColumnPolarisation)};
}

TEST_F(SatelliteDialogTest, OpensAsItsTemplateLaysItOutWithTheAddCaption) {
    HostedMainWindow main;
    inDialog(main, IDM_ADD_SATELLITE, [&](HWND dialog) {
        const DWORD tab = WS_TABSTOP;
        expectControlsAsTemplate(
            dialog,
            {
                {"Edit", IDC_SATELLITE_LONGITUDE, box(30, 9, 30, 11), "", tab,
                 ES_AUTOHSCROLL | ES_MULTILINE},
                {"Edit", IDC_SATELLITE_DESCRIPTION, box(30, 24, 145, 11), "", ES_AUTOHSCROLL | tab,
                 ES_MULTILINE},
                {"Button", IDOK, box(185, 6, 50, 14), "增加(&A)", BS_DEFPUSHBUTTON | tab, 0},
                {"Button", IDCANCEL, box(185, 22, 50, 14), "取消(&C)", tab, BS_DEFPUSHBUTTON},
                {"Static", -1, box(10, 11, 20, 9), "经度", 0, 0},
                {"Static", -1, box(10, 26, 20, 9), "说明", 0, 0},
                {"Static", -1, box(65, 11, 85, 9), "(东经为正，西经为负)", 0, 0},
            });
        expectDialogFrame(dialog, 242, 43);
        expectCentred(dialog);
        EXPECT_EQ(controlText(dialog), "卫星参数...");
        EXPECT_EQ(GetWindow(dialog, GW_OWNER), main.window());
        EXPECT_FALSE(IsWindowEnabled(main.window())) << "modal to the main window";
        EXPECT_EQ(GetFocus(), longitudeBox(dialog));
        for (HWND edit : {longitudeBox(dialog), descriptionBox(dialog)}) {
            EXPECT_TRUE((GetWindowLongA(edit, GWL_STYLE) & WS_BORDER) ||
                        (GetWindowLongA(edit, GWL_EXSTYLE) & WS_EX_CLIENTEDGE));
        }
        EXPECT_EQ(SendMessageA(longitudeBox(dialog), EM_GETLIMITTEXT, 0, 0), 6);
        EXPECT_EQ(SendMessageA(descriptionBox(dialog), EM_GETLIMITTEXT, 0, 0), 100);
        EXPECT_FALSE(okEnabled(dialog)) << "both boxes are empty";
        click(dialog, IDCANCEL);
    });
    EXPECT_TRUE(IsWindowEnabled(main.window()));
}

TEST_F(SatelliteDialogTest, TypingStopsAtTheBoxLimits) {
    HostedMainWindow main;
    inDialog(main, IDM_ADD_SATELLITE, [&](HWND dialog) {
        typeInto(longitudeBox(dialog), L"-123.456");
        EXPECT_EQ(controlText(longitudeBox(dialog)), "-123.4");
        typeInto(descriptionBox(dialog), std::wstring(120, L'x'));
        EXPECT_EQ(controlText(descriptionBox(dialog)), std::string(100, 'x'));
        click(dialog, IDCANCEL);
    });
}

struct ValidationCase {
    const char* longitude;
    const char* description;
    bool accepted;
};

TEST_F(SatelliteDialogTest, OkIsEnabledExactlyForAUsableLongitudeAndADescription) {
    const ValidationCase cases[] = {
        {"180.5", "a", true},   {"-180.5", "a", true}, {"180.6", "a", false}, {"181", "a", false},
        {"-180.6", "a", false}, {"abc", "a", false},   {"12abc", "a", false}, {"", "a", false},
        {"105.5", "", false},   {"180.6", "", false},  {"+57", "亚洲", true}, {"1E2", "a", false},
        {"1e2", "a", true},     {" 0", "a", true},
    };
    HostedMainWindow main;
    inDialog(main, IDM_ADD_SATELLITE, [&](HWND dialog) {
        for (const ValidationCase& c : cases) {
            // Either box changing checks both.
            setEditText(longitudeBox(dialog), c.longitude);
            setEditText(descriptionBox(dialog), c.description);
            EXPECT_EQ(okEnabled(dialog), c.accepted) << c.longitude << " / " << c.description;
            setEditText(descriptionBox(dialog), "x");
            setEditText(descriptionBox(dialog), c.description);
            setEditText(longitudeBox(dialog), c.longitude);
            EXPECT_EQ(okEnabled(dialog), c.accepted) << c.longitude << " / " << c.description;
        }
        // Typing, one character after the other, is checked as it goes.
        setEditText(longitudeBox(dialog), "");
        setEditText(descriptionBox(dialog), "a");
        typeInto(longitudeBox(dialog), L"180.");
        EXPECT_TRUE(okEnabled(dialog));
        typeInto(longitudeBox(dialog), L"6");
        EXPECT_FALSE(okEnabled(dialog));
        SendMessageW(longitudeBox(dialog), WM_CHAR, VK_BACK, 1);
        typeInto(longitudeBox(dialog), L"5");
        EXPECT_TRUE(okEnabled(dialog));
        click(dialog, IDCANCEL);
    });
    EXPECT_EQ(main.rowCount(), 39);
}

TEST_F(SatelliteDialogTest, AddAppendsAfterTheLastRowAndRecalculatesEveryRowForTheNewSite) {
    HostedMainWindow main;
    main.clickColumnHeader(ColumnLongitude);
    main.clickColumnHeader(ColumnLongitude);  // decreasing: the order is no longer the stored one
    const std::vector<std::vector<std::string>> before = tableTexts(main);
    main.chooseCity("上海");  // not yet recalculated
    addThroughDialog(main, "180.5", "新卫星");

    ASSERT_EQ(main.rowCount(), 40);
    EXPECT_EQ(main.cell(39, ColumnName), "新卫星");
    EXPECT_EQ(main.cell(39, ColumnLongitude), "180.5");
    EXPECT_EQ(resultsOf(main, 39), pointingFrom("121.48", "31.22", "180.5"));
    EXPECT_EQ(main.text(IDC_SITE_DESCRIPTION), "上海\r\n经度：东经121.48度\r\n纬度：北纬31.22度");
    for (int row = 0; row < 39; ++row) {
        SCOPED_TRACE(row);
        EXPECT_EQ(main.cell(row, ColumnName), before[row][ColumnName]);
        EXPECT_EQ(resultsOf(main, row),
                  pointingFrom("121.48", "31.22", main.cell(row, ColumnLongitude)));
    }
    EXPECT_EQ(main.state().model.changeFlags, ListChanged | SiteChanged);

    main.closeWithMessage();
    std::string data = readStoredValue(HKEY_LOCAL_MACHINE, "Data").bytes;
    const std::string last = cp936FromUtf8("180.5,新卫星") + std::string(3, '\0');
    ASSERT_GT(data.size(), last.size());
    EXPECT_EQ(data.substr(data.size() - last.size()), last);
}

TEST_F(SatelliteDialogTest, TheLongitudeIsStoredExactlyAsTypedAndComputedAsItsValue) {
    HostedMainWindow main;
    inDialog(main, IDM_ADD_SATELLITE, [&](HWND dialog) {
        typeInto(longitudeBox(dialog), L" +57");
        typeInto(descriptionBox(dialog), L" two  blanks ");
        EXPECT_TRUE(okEnabled(dialog));
        click(dialog, IDOK);
    });
    ASSERT_EQ(main.rowCount(), 40);
    EXPECT_EQ(main.cell(39, ColumnLongitude), " +57");
    EXPECT_EQ(main.cell(39, ColumnName), " two  blanks ");
    ASSERT_EQ(main.cell(0, ColumnLongitude), "57.0");
    EXPECT_EQ(resultsOf(main, 39), resultsOf(main, 0));
    main.closeWithMessage();
    std::string data = readStoredValue(HKEY_CURRENT_USER, "Data").bytes;
    EXPECT_NE(data.find(std::string(" +57, two  blanks \0\0\0", 21)), std::string::npos);
}

TEST_F(SatelliteDialogTest, ModifyShowsAndEditsTheLowestSelectedRow) {
    HostedMainWindow main;
    for (int row : {7, 3, 5}) {
        main.selectRow(row);
    }
    const std::vector<std::vector<std::string>> before = tableTexts(main);
    inDialog(main, IDM_MODIFY_SATELLITE, [&](HWND dialog) {
        EXPECT_EQ(controlText(GetDlgItem(dialog, IDOK)), "修改(&M)");
        EXPECT_EQ(controlText(longitudeBox(dialog)), before[3][ColumnLongitude]);
        EXPECT_EQ(controlText(descriptionBox(dialog)), before[3][ColumnName]);
        EXPECT_TRUE(okEnabled(dialog));
        EXPECT_EQ(GetFocus(), longitudeBox(dialog));
        setEditText(longitudeBox(dialog), "105.5");
        setEditText(descriptionBox(dialog), "改过的");
        click(dialog, IDOK);
    });
    ASSERT_EQ(main.rowCount(), 39);
    EXPECT_EQ(main.cell(3, ColumnName), "改过的");
    EXPECT_EQ(main.cell(3, ColumnLongitude), "105.5");
    EXPECT_EQ(resultsOf(main, 3), (std::vector<std::string>{"42.45", "南偏西16.79度", "-12.80"}));
    for (int row = 0; row < 39; ++row) {
        if (row != 3) {
            EXPECT_EQ(rowTexts(main, row), before[row]) << row;
        }
    }
    EXPECT_EQ(main.state().model.changeFlags, ListChanged | SiteChanged);
}

TEST_F(SatelliteDialogTest, ModifyWithNoSelectedRowWritesNothingButStillRecalculates) {
    HostedMainWindow main;
    const std::vector<std::vector<std::string>> before = tableTexts(main);
    main.chooseCity("上海");
    inDialog(main, IDM_MODIFY_SATELLITE, [&](HWND dialog) {
        EXPECT_EQ(controlText(GetDlgItem(dialog, IDOK)), "修改(&M)");
        EXPECT_EQ(controlText(longitudeBox(dialog)), "");
        EXPECT_EQ(controlText(descriptionBox(dialog)), "");
        EXPECT_FALSE(okEnabled(dialog));
        setEditText(longitudeBox(dialog), "10");
        setEditText(descriptionBox(dialog), "b");
        click(dialog, IDOK);
    });
    ASSERT_EQ(main.rowCount(), 39);
    for (int row = 0; row < 39; ++row) {
        EXPECT_EQ(main.cell(row, ColumnName), before[row][ColumnName]);
        EXPECT_EQ(main.cell(row, ColumnLongitude), before[row][ColumnLongitude]);
    }
    EXPECT_EQ(main.text(IDC_SITE_DESCRIPTION), "上海\r\n经度：东经121.48度\r\n纬度：北纬31.22度");
    EXPECT_EQ(main.state().model.changeFlags, ListChanged | SiteChanged);
}

enum class CancelWay { CancelButton, EscapeKey, CloseBox };

class SatelliteDialogCancelTest : public GuiTest,
                                  public ::testing::WithParamInterface<CancelWay> {};

TEST_P(SatelliteDialogCancelTest, LeavesTheTableTheDescriptionAndListChangedAsTheyWere) {
    HostedMainWindow main;
    main.selectRow(2);
    const std::vector<std::vector<std::string>> before = tableTexts(main);
    main.chooseCity("上海");
    for (int command : {IDM_ADD_SATELLITE, IDM_MODIFY_SATELLITE}) {
        inDialog(main, command, [&](HWND dialog) {
            setEditText(longitudeBox(dialog), "100");
            setEditText(descriptionBox(dialog), "c");
            ASSERT_TRUE(okEnabled(dialog));
            switch (GetParam()) {
                case CancelWay::CancelButton:
                    click(dialog, IDCANCEL);
                    break;
                case CancelWay::EscapeKey:
                    pressDialogKey(dialog, descriptionBox(dialog), VK_ESCAPE);
                    break;
                case CancelWay::CloseBox:
                    SendMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
                    pumpDialog(dialog);
                    break;
            }
        });
    }
    EXPECT_EQ(tableTexts(main), before);
    EXPECT_EQ(main.text(IDC_SITE_DESCRIPTION), BeijingDescription);
    EXPECT_EQ(main.state().model.changeFlags, SiteChanged);
}

INSTANTIATE_TEST_SUITE_P(EachWayToCancel, SatelliteDialogCancelTest,
                         ::testing::Values(CancelWay::CancelButton, CancelWay::EscapeKey,
                                           CancelWay::CloseBox));

TEST_F(SatelliteDialogTest, EnterConfirmsOnlyWhileOkIsEnabled) {
    HostedMainWindow main;
    inDialog(main, IDM_ADD_SATELLITE, [&](HWND dialog) {
        setEditText(longitudeBox(dialog), "181");
        setEditText(descriptionBox(dialog), "d");
        pressDialogKey(dialog, longitudeBox(dialog), VK_RETURN);
        // The command itself, whatever the keyboard handling made of Enter.
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        pumpDialog(dialog);
        ASSERT_TRUE(IsWindowVisible(dialog)) << "a refused longitude closed the dialog";
        EXPECT_EQ(main.rowCount(), 39);
        setEditText(longitudeBox(dialog), "180");
        pressDialogKey(dialog, longitudeBox(dialog), VK_RETURN);
    });
    ASSERT_EQ(main.rowCount(), 40);
    EXPECT_EQ(main.cell(39, ColumnLongitude), "180");
}

// 281 records of 127 bytes: 35,970 bytes of Data with the closing NULs.
std::string dataOf35970Bytes() {
    std::vector<std::string> records(281, "1," + std::string(125, 'd'));
    std::string data = storedList(records);
    EXPECT_EQ(data.size(), 35970u);
    return data;
}

TEST_F(SatelliteDialogTest, OkIsGreyedWhileTheStoredListWouldGrowPastWhatTheNextStartReads) {
    storeValue(HKEY_CURRENT_USER, "Data", REG_BINARY, dataOf35970Bytes());
    {
        HostedMainWindow main;
        ASSERT_EQ(main.rowCount(), 281);
        inDialog(main, IDM_ADD_SATELLITE, [&](HWND dialog) {
            setEditText(longitudeBox(dialog), "1");
            // A record of 30 bytes with its NUL makes exactly 36,000 bytes; 31 would not be read
            // back.
            setEditText(descriptionBox(dialog), std::string(28, 'n'));
            EXPECT_FALSE(okEnabled(dialog));
            SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
            ASSERT_TRUE(IsWindowVisible(dialog));
            setEditText(descriptionBox(dialog), std::string(27, 'n'));
            EXPECT_TRUE(okEnabled(dialog));
            setEditText(longitudeBox(dialog), "1.");
            EXPECT_FALSE(okEnabled(dialog));
            setEditText(longitudeBox(dialog), "1");
            click(dialog, IDOK);
        });
        ASSERT_EQ(main.rowCount(), 282);

        // Full: a modified row may keep its length or shrink, but not grow.
        main.selectRow(0);
        inDialog(main, IDM_MODIFY_SATELLITE, [&](HWND dialog) {
            EXPECT_TRUE(okEnabled(dialog)) << "unchanged";
            setEditText(longitudeBox(dialog), "-1");
            EXPECT_FALSE(okEnabled(dialog));
            setEditText(longitudeBox(dialog), "2");
            setEditText(descriptionBox(dialog), "short");
            EXPECT_TRUE(okEnabled(dialog));
            click(dialog, IDCANCEL);
        });
        inDialog(main, IDM_ADD_SATELLITE, [&](HWND dialog) {
            setEditText(longitudeBox(dialog), "0");
            setEditText(descriptionBox(dialog), "e");
            EXPECT_FALSE(okEnabled(dialog)) << "no new row fits any more";
            click(dialog, IDCANCEL);
        });
        main.closeWithMessage();
    }
    EXPECT_EQ(readStoredValue(HKEY_CURRENT_USER, "Data").bytes.size(), StoredListCapacity);
    HostedMainWindow next;
    ASSERT_EQ(next.rowCount(), 282) << "the list the next start reads is the one saved";
    EXPECT_EQ(next.cell(281, ColumnName), std::string(27, 'n'));
}

TEST_F(SatelliteDialogTest, ConfirmedWhileTheSiteInputsAreInvalidItComputesForTheLastSite) {
    HostedMainWindow main;
    main.emptyCityBox();  // the boxes open with the last recalculation's texts
    main.setBoxText(IDC_LONGITUDE, "100");
    main.setBoxText(IDC_LATITUDE, "abc");
    ASSERT_FALSE(main.enabled(IDOK));
    addThroughDialog(main, "105.5", "x");

    EXPECT_EQ(main.text(IDC_SITE_DESCRIPTION), BeijingDescription);
    EXPECT_EQ(resultsOf(main, 39), (std::vector<std::string>{"42.45", "南偏西16.79度", "-12.80"}));
    EXPECT_EQ(resultsOf(main, 18), resultsOf(main, 39));
    EXPECT_EQ(main.state().model.changeFlags, ListChanged | SiteChanged);
    // The site itself still follows the boxes.
    EXPECT_EQ(main.state().model.site.longitude, 100.0L);
    EXPECT_FALSE(main.enabled(IDOK));

    main.closeWithMessage();
    EXPECT_EQ(readStoredValue(HKEY_LOCAL_MACHINE, "City").bytes, storedTextBytes("北京"));
    EXPECT_EQ(readStoredValue(HKEY_LOCAL_MACHINE, "X").bytes, storedTextBytes("116.46"));
    EXPECT_EQ(readStoredValue(HKEY_LOCAL_MACHINE, "Y").bytes, storedTextBytes("39.92"));
}

TEST_F(SatelliteDialogTest, APlaceTheGazetteerLacksDoesNotTurnTheResultsToLongitudeZero) {
    HostedMainWindow main;
    main.emptyCityBox();
    main.typeIntoCityBox(L"火星");
    ASSERT_EQ(main.text(IDC_LONGITUDE), "?");
    ASSERT_FALSE(main.enabled(IDOK));
    main.selectRow(18);  // 105.5
    inDialog(main, IDM_MODIFY_SATELLITE, [&](HWND dialog) { click(dialog, IDOK); });
    EXPECT_EQ(main.text(IDC_SITE_DESCRIPTION), BeijingDescription);
    EXPECT_EQ(resultsOf(main, 18), (std::vector<std::string>{"42.45", "南偏西16.79度", "-12.80"}));
}

TEST_F(SatelliteDialogTest, ConfirmedWhileTheSiteInputsAreValidItComputesForTheTypedSite) {
    HostedMainWindow main;
    main.emptyCityBox();
    main.setBoxText(IDC_LONGITUDE, "-70.5");
    main.setBoxText(IDC_LATITUDE, "-33.45");
    ASSERT_TRUE(main.enabled(IDOK));
    addThroughDialog(main, "-61", "y");
    EXPECT_EQ(main.text(IDC_SITE_DESCRIPTION),
              "地名不详\r\n经度：西经70.50度\r\n纬度：南纬33.45度");
    EXPECT_EQ(resultsOf(main, 39), pointingFrom("-70.5", "-33.45", "-61"));
}

}  // namespace
