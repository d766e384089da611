// The site and the satellite list kept in the registry from one start to the next.

#include <gtest/gtest.h>
#include <windows.h>
// commctrl.h needs windows.h first
#include <commctrl.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "app/registry_settings.h"
#include "data/satellite_catalogue.h"
#include "data/satellite_table.h"
#include "res/resource_ids.h"
#include "tests/gui/gui_fixture.h"
#include "tests/gui/hosted_main_window.h"
#include "tests/gui/modal_window.h"

namespace {

using SettingsTest = GuiTest;

const char* const ShanghaiDescription = "上海\r\n经度：东经121.48度\r\n纬度：北纬31.22度";

TEST_F(SettingsTest, SecondStartReadsBackTheSiteAndTheResortedList) {
    {
        HostedMainWindow first;
        first.chooseCity("上海");
        first.command(IDOK);
        first.clickColumnHeader(ColumnLongitude);
        first.clickColumnHeader(ColumnLongitude);  // decreasing longitude
        first.closeWithMessage();
        ASSERT_TRUE(first.ended());
    }
    std::vector<std::string> records = catalogueRecords();
    std::vector<std::string> reversed(records.rbegin(), records.rend());
    for (HKEY root : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE}) {
        StoredValue data = readStoredValue(root, "Data");
        EXPECT_EQ(data.type, static_cast<DWORD>(REG_BINARY));
        EXPECT_EQ(data.bytes, storedList(reversed));
        EXPECT_EQ(readStoredValue(root, "City").bytes, storedTextBytes("上海"));
        EXPECT_EQ(readStoredValue(root, "X").bytes, storedTextBytes("121.48"));
    }

    HostedMainWindow second;
    EXPECT_EQ(second.text(IDC_CITY), "上海");
    EXPECT_EQ(second.text(IDC_LONGITUDE), "121.48");
    EXPECT_EQ(second.text(IDC_LATITUDE), "31.22");
    EXPECT_FALSE(second.enabled(IDC_LONGITUDE));
    EXPECT_EQ(second.text(IDC_SITE_DESCRIPTION), ShanghaiDescription);
    ASSERT_EQ(second.rowCount(), 39);
    EXPECT_EQ(second.cell(0, ColumnLongitude), "180.0");
    EXPECT_EQ(second.cell(38, ColumnLongitude), "57.0");
    EXPECT_EQ(second.state().model.changeFlags, SiteChanged);
}

TEST_F(SettingsTest, AResortThatKeepsTheCatalogueOrderStoresItsBytesAndOneNulMore) {
    HostedMainWindow main;
    main.clickColumnHeader(ColumnLongitude);
    main.command(IDM_EXIT);
    StoredValue data = readStoredValue(HKEY_LOCAL_MACHINE, "Data");
    EXPECT_EQ(data.type, static_cast<DWORD>(REG_BINARY));
    ASSERT_EQ(data.bytes.size(), 1066u);
    EXPECT_EQ(data.bytes, std::string(DefaultCatalogue, DefaultCatalogueSize) + '\0');
    EXPECT_EQ(readStoredValue(HKEY_CURRENT_USER, "Data").bytes, data.bytes);
}

TEST_F(SettingsTest, AnEmptyListIsStoredAsTwoNulsAndStaysEmpty) {
    storeValue(HKEY_LOCAL_MACHINE, "Data", REG_BINARY, std::string(2, '\0'));
    {
        HostedMainWindow first;
        EXPECT_EQ(first.rowCount(), 0);
        first.clickColumnHeader(ColumnName);  // sorting an empty table still marks it
        first.closeWithCloseBox();
    }
    EXPECT_EQ(readStoredValue(HKEY_CURRENT_USER, "Data").bytes, std::string(2, '\0'));
    EXPECT_EQ(readStoredValue(HKEY_LOCAL_MACHINE, "Data").bytes, std::string(2, '\0'));
    HostedMainWindow second;
    EXPECT_EQ(second.rowCount(), 0);
}

TEST_F(SettingsTest, AnEmptySavedNameOpensTheCoordinateBoxesWithTheSavedTexts) {
    storeText(HKEY_LOCAL_MACHINE, "City", "");
    storeText(HKEY_LOCAL_MACHINE, "X", "-70.50");
    storeText(HKEY_LOCAL_MACHINE, "Y", "-33.45");
    HostedMainWindow main;
    EXPECT_EQ(main.text(IDC_CITY), "");
    EXPECT_TRUE(main.enabled(IDC_LONGITUDE));
    EXPECT_TRUE(main.enabled(IDC_LATITUDE));
    EXPECT_EQ(main.text(IDC_LONGITUDE), "-70.50");
    EXPECT_EQ(main.text(IDC_LATITUDE), "-33.45");
    EXPECT_EQ(main.text(IDC_SITE_DESCRIPTION),
              "地名不详\r\n经度：西经70.50度\r\n纬度：南纬33.45度");
}

TEST_F(SettingsTest, ASavedNameSelectsTheFirstListEntryAfterEntry0ThatBeginsWithIt) {
    storeText(HKEY_CURRENT_USER, "City", "阿巴嘎");
    HostedMainWindow main;
    EXPECT_EQ(main.text(IDC_CITY), "阿巴嘎旗");
    EXPECT_EQ(main.text(IDC_SITE_DESCRIPTION),
              "阿巴嘎旗\r\n经度：东经114.97度\r\n纬度：北纬44.03度");
}

TEST_F(SettingsTest, ASavedNameTheGazetteerLacksShowsQuestionMarks) {
    storeText(HKEY_CURRENT_USER, "City", "不存在");
    storeText(HKEY_CURRENT_USER, "X", "10.00");
    storeText(HKEY_CURRENT_USER, "Y", "20.00");
    HostedMainWindow main;
    EXPECT_EQ(main.text(IDC_LONGITUDE), "?");
    EXPECT_EQ(main.text(IDC_LATITUDE), "?");
    EXPECT_FALSE(main.enabled(IDC_LONGITUDE));
    EXPECT_FALSE(main.enabled(IDOK));
}

TEST_F(SettingsTest, ValuesOnlyUnderTheCurrentUserAreRead) {
    storeText(HKEY_CURRENT_USER, "City", "上海");
    storeValue(HKEY_CURRENT_USER, "Data", REG_BINARY, storedList({"105.5,one", "57.0,two"}));
    HostedMainWindow main;
    EXPECT_EQ(main.text(IDC_SITE_DESCRIPTION), ShanghaiDescription);
    ASSERT_EQ(main.rowCount(), 2);
    EXPECT_EQ(main.cell(0, ColumnName), "one");
    EXPECT_EQ(main.cell(1, ColumnLongitude), "57.0");
}

TEST_F(SettingsTest, EachValueComesFromTheCurrentUserWhenItIsThere) {
    storeText(HKEY_LOCAL_MACHINE, "City", "上海");
    storeText(HKEY_LOCAL_MACHINE, "X", "10.00");
    storeText(HKEY_LOCAL_MACHINE, "Y", "20.00");
    storeValue(HKEY_LOCAL_MACHINE, "Data", REG_BINARY, storedList({"1.0,machine"}));
    storeText(HKEY_CURRENT_USER, "City", "");
    storeText(HKEY_CURRENT_USER, "Y", "-5.00");
    storeValue(HKEY_CURRENT_USER, "Data", REG_BINARY, storedList({"2.0,user"}));
    HostedMainWindow main;
    EXPECT_EQ(main.text(IDC_CITY), "");
    EXPECT_EQ(main.text(IDC_LONGITUDE), "10.00");
    EXPECT_EQ(main.text(IDC_LATITUDE), "-5.00");
    ASSERT_EQ(main.rowCount(), 1);
    EXPECT_EQ(main.cell(0, ColumnName), "user");
}

TEST_F(SettingsTest, RegistryReadsRefuseValuesLongerThanTheirRoom) {
    RegistrySettingsBackend backend;
    char field[SiteTextCapacity];
    storeText(HKEY_CURRENT_USER, "X", std::string(19, '1'));
    EXPECT_TRUE(backend.readStringValue("X", field, sizeof field));
    EXPECT_EQ(std::string(field), std::string(19, '1'));

    // Too long under the current user: unreadable, and the machine's value is not taken instead.
    storeText(HKEY_CURRENT_USER, "X", std::string(20, '1'));
    storeText(HKEY_LOCAL_MACHINE, "X", "5");
    std::memset(field, 'x', sizeof field);
    EXPECT_FALSE(backend.readStringValue("X", field, sizeof field));
    EXPECT_EQ(std::string(field, sizeof field), std::string(sizeof field, '\0'));

    std::vector<char> buffer(StoredListCapacity);
    std::size_t size = 0;
    storeValue(HKEY_LOCAL_MACHINE, "Data", REG_BINARY, std::string(StoredListCapacity, 'a'));
    EXPECT_TRUE(backend.readBinaryValue("Data", buffer.data(), buffer.size(), &size));
    EXPECT_EQ(size, StoredListCapacity);
    storeValue(HKEY_LOCAL_MACHINE, "Data", REG_BINARY, std::string(StoredListCapacity + 1, 'a'));
    EXPECT_FALSE(backend.readBinaryValue("Data", buffer.data(), buffer.size(), &size));
    EXPECT_FALSE(backend.readStringValue("Missing", field, sizeof field));
}

TEST_F(SettingsTest, AStoredListTooLongToReadGivesTheCatalogue) {
    storeValue(HKEY_CURRENT_USER, "Data", REG_BINARY, std::string(StoredListCapacity + 1, 'a'));
    HostedMainWindow main;
    EXPECT_EQ(main.rowCount(), 39);
}

// kestrave.exe itself, as a user starts it, so that it can be ended as Windows
// ends a program: at the session's end, from the task manager, by a crash.
class RunningProgram {
public:
    RunningProgram() {
        std::wstring path = L"Z:" + wideFromUtf8(KESTRAVE_PROGRAM_PATH);
        for (wchar_t& c : path) {
            if (c == L'/') c = L'\\';
        }
        STARTUPINFOW startup = {};
        startup.cb = sizeof startup;
        if (!CreateProcessW(path.c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                            &startup, &process_)) {
            return;
        }
        WaitForInputIdle(process_.hProcess, 10000);
        main_ = waitForWindow(IDC_CITY);
    }
    ~RunningProgram() {
        if (process_.hProcess == nullptr) return;
        TerminateProcess(process_.hProcess, 1);
        WaitForSingleObject(process_.hProcess, 10000);
        CloseHandle(process_.hThread);
        CloseHandle(process_.hProcess);
    }
    RunningProgram(const RunningProgram&) = delete;
    RunningProgram& operator=(const RunningProgram&) = delete;

    HWND window() const { return main_; }

    // 上海 chosen in the city box and recalculated; then a satellite added
    // through the satellite dialog.
    void editSiteAndList() {
        HWND cityBox = GetDlgItem(main_, IDC_CITY);
        std::wstring shanghai = wideFromUtf8("上海");
        LRESULT index = SendMessageW(cityBox, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                     reinterpret_cast<LPARAM>(shanghai.c_str()));
        SendMessageW(cityBox, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
        SendMessageW(main_, WM_COMMAND, MAKEWPARAM(IDC_CITY, CBN_SELENDOK),
                     reinterpret_cast<LPARAM>(cityBox));
        SendMessageW(main_, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(main_, IDOK)));

        HWND table = GetDlgItem(main_, IDC_SATELLITE_TABLE);
        const LRESULT rows = SendMessageW(table, LVM_GETITEMCOUNT, 0, 0);
        PostMessageW(main_, WM_COMMAND, MAKEWPARAM(IDM_ADD_SATELLITE, 0), 0);
        HWND dialog = waitForWindow(IDC_SATELLITE_LONGITUDE);
        if (dialog == nullptr) return;
        SendMessageW(GetDlgItem(dialog, IDC_SATELLITE_LONGITUDE), WM_SETTEXT, 0,
                     reinterpret_cast<LPARAM>(L"100.5"));
        SendMessageW(GetDlgItem(dialog, IDC_SATELLITE_DESCRIPTION), WM_SETTEXT, 0,
                     reinterpret_cast<LPARAM>(L"Test satellite"));
        SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK)));
        // The dialog's own loop may still take a message before it ends: wait
        // for the row, then a message sent is handled once the command that
        // added it (and saved the list) has returned.
        for (int attempt = 0; attempt < 500 && SendMessageW(table, LVM_GETITEMCOUNT, 0, 0) == rows;
             ++attempt)
            Sleep(10);
        SendMessageW(main_, WM_NULL, 0, 0);
    }

    bool waitForExit() { return WaitForSingleObject(process_.hProcess, 10000) == WAIT_OBJECT_0; }

private:
    // The program's visible window that holds the control `id`.
    HWND waitForWindow(int id) {
        for (int attempt = 0; attempt < 200; ++attempt) {
            WindowSearch search{id, nullptr};
            EnumThreadWindows(process_.dwThreadId, findWindowWithControl,
                              reinterpret_cast<LPARAM>(&search));
            if (search.found != nullptr) return search.found;
            Sleep(50);
        }
        return nullptr;
    }
    struct WindowSearch {
        int id;
        HWND found;
    };
    static BOOL CALLBACK findWindowWithControl(HWND window, LPARAM parameter) {
        auto& search = *reinterpret_cast<WindowSearch*>(parameter);
        if (IsWindowVisible(window) && GetDlgItem(window, search.id) != nullptr) {
            search.found = window;
            return FALSE;
        }
        return TRUE;
    }

    PROCESS_INFORMATION process_ = {};
    HWND main_ = nullptr;
};

// Every value the program keeps, in both hives.
std::vector<StoredValue> storedSettings() {
    std::vector<StoredValue> values;
    for (HKEY root : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE}) {
        for (const char* name : {"City", "X", "Y", "Data", "Offset", "Dish", "Band", "Horizon",
                                 "FocalLength", "Diameter"}) {
            values.push_back(readStoredValue(root, name));
        }
    }
    return values;
}

// Each value's presence, type, length and a hash of its bytes, in one line.
std::string describe(const std::vector<StoredValue>& values) {
    std::string text;
    for (const StoredValue& value : values) {
        if (!value.present) {
            text += "- ";
            continue;
        }
        std::uint32_t hash = 2166136261u;  // FNV-1a
        for (unsigned char byte : value.bytes) hash = (hash ^ byte) * 16777619u;
        text += std::to_string(value.type) + "/" + std::to_string(value.bytes.size()) + "/" +
                std::to_string(hash) + " ";
    }
    return text;
}

enum class ProgramEnd {
    SessionEnds,
    // The session's end announced before the edits, the process not ended then.
    SessionEndedBeforeTheEdits,
    // The Restart Manager asks the program to close itself.
    RestartManagerClosesIt,
    Killed,
};

void endSession(HWND window, LPARAM how) {
    EXPECT_EQ(SendMessageW(window, WM_QUERYENDSESSION, 0, how), TRUE);
    SendMessageW(window, WM_ENDSESSION, TRUE, how);
}

// The same edits, then the program closed the usual way: what it leaves
// behind is what every other end must leave.
std::vector<StoredValue> settingsAfterAClose() {
    removeStoredSettings();
    RunningProgram program;
    program.editSiteAndList();
    PostMessageW(program.window(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(program.waitForExit());
    return storedSettings();
}

TEST_F(SettingsTest, NothingIsLostWhenTheSessionEndsOrTheProgramIsKilled) {
    const std::vector<StoredValue> closed = settingsAfterAClose();
    ASSERT_EQ(closed[0].bytes, storedTextBytes("上海"));
    std::vector<std::string> records = catalogueRecords();
    records.push_back("100.5,Test satellite");
    ASSERT_EQ(closed[3].bytes, storedList(records)) << "the added satellite is stored";

    for (ProgramEnd end : {ProgramEnd::SessionEnds, ProgramEnd::SessionEndedBeforeTheEdits,
                           ProgramEnd::RestartManagerClosesIt, ProgramEnd::Killed}) {
        removeStoredSettings();
        {
            RunningProgram program;
            ASSERT_NE(program.window(), nullptr);
            if (end == ProgramEnd::SessionEndedBeforeTheEdits) endSession(program.window(), 0);
            program.editSiteAndList();
            if (end == ProgramEnd::SessionEnds) endSession(program.window(), 0);
            if (end == ProgramEnd::RestartManagerClosesIt) {
                endSession(program.window(), ENDSESSION_CLOSEAPP);
                EXPECT_TRUE(program.waitForExit()) << "the window closed itself";
            }
        }  // ended here, as Windows ends it
        EXPECT_EQ(describe(storedSettings()), describe(closed)) << static_cast<int>(end);
    }
}

}  // namespace
