// The satellite list as a file and the two built-in lists: opening a list
// file (after a question), refusing a bad one, saving the list, exporting
// the results for Excel, the current and the built-in list; each list
// change stored in Data.

#include <windows.h>
// commctrl.h needs windows.h first
#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstring>
#include <deque>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "app/registry_settings.h"
#include "calc/current_satellite_list.h"
#include "data/satellite_catalogue.h"
#include "data/satellite_table.h"
#include "encoding/text_encoding.h"
#include "fieldkit/install_sheet.h"
#include "fieldkit/magnetic_model.h"
#include "fieldkit/results_export.h"
#include "res/resource_ids.h"
#include "tests/gui/gui_fixture.h"
#include "tests/gui/hosted_main_window.h"
#include "tests/gui/modal_window.h"
#include "tests/support/file_bytes.h"

namespace {

namespace fs = std::filesystem;

struct Message {
    std::string text;  // UTF-8
    std::string caption;
    UINT type;
};

// The test stands in for the user: a function pointer has no other way in.
std::vector<Message> messages;
std::deque<int> answers;
std::vector<FileDialogRequest> requests;
std::deque<fs::path> chosenFiles;
std::vector<fs::path> openedDocuments;

void openFromTheTest(const std::wstring& path) { openedDocuments.push_back(path); }

int WINAPI answerFromTheTest(HWND, LPCWSTR text, LPCWSTR caption, UINT type) {
    messages.push_back({utf8FromWide(text), utf8FromWide(caption), type});
    if ((type & MB_YESNO) == 0) return IDOK;
    if (answers.empty()) {
        ADD_FAILURE() << "asked once more than expected";
        return IDNO;
    }
    const int answer = answers.front();
    answers.pop_front();
    return answer;
}

bool chooseFromTheTest(HWND, const FileDialogRequest& request, std::wstring& path) {
    requests.push_back(request);
    if (chosenFiles.empty()) return false;  // cancelled
    path = chosenFiles.front().wstring();
    chosenFiles.pop_front();
    return true;
}

const std::string Bom = "\xEF\xBB\xBF";
const UINT Question = MB_YESNO | MB_ICONQUESTION;
const UINT Warning = MB_OK | MB_ICONWARNING;

// Two satellites as the program writes them: UTF-8, a byte order mark, CRLF.
const std::string TwoSatellites =
    Bom + u8"115.5,中星6E  (ChinaSat 6E)\r\n122.0,亚洲9号  (AsiaSat 9)\r\n";

class ListFileTest : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        messages.clear();
        answers.clear();
        requests.clear();
        chosenFiles.clear();
        openedDocuments.clear();
        // A name with Chinese characters: the question and the warning show
        // it whatever the system's code page.
        folder_ = fs::temp_directory_path() /
                  (L"kestrave-lists-" + std::to_wstring(GetCurrentProcessId()));
        fs::create_directories(folder_);
        window_ = std::make_unique<HostedMainWindow>();
        MainWindowSeams& seams = window_->state().seams;
        seams.askFileToOpen = chooseFromTheTest;
        seams.askFileToSave = chooseFromTheTest;
        seams.showMessage = answerFromTheTest;
        seams.openDocument = openFromTheTest;
        seams.today = [] { return CalendarDate{2026, 6, 22}; };
    }
    void TearDown() override {
        window_.reset();
        fs::remove_all(folder_);
        GuiTest::TearDown();
    }

    fs::path file(const std::string& utf8Name) const {
        return folder_ / fs::path(wideFromUtf8(utf8Name));
    }

    // The command with the files it is given and the answers to its questions.
    void run(int command, std::vector<fs::path> files, std::vector<int> replies = {}) {
        chosenFiles.assign(files.begin(), files.end());
        answers.assign(replies.begin(), replies.end());
        main().command(command);
        EXPECT_TRUE(chosenFiles.empty()) << "a file left unasked for";
        EXPECT_TRUE(answers.empty()) << "fewer questions than answers";
    }

    std::vector<std::string> rows() const {
        std::vector<std::string> all;
        for (int row = 0; row < main().rowCount(); ++row)
            all.push_back(main().cell(row, ColumnLongitude) + "," + main().cell(row, ColumnName));
        return all;
    }

    HostedMainWindow& main() const { return *window_; }

private:
    fs::path folder_;
    std::unique_ptr<HostedMainWindow> window_;
};

TEST_F(ListFileTest, OpeningAFileAsksWithItsNameAndCountThenReplacesTheTable) {
    const fs::path list = file(u8"今日卫星.txt");
    writeBytes(list, TwoSatellites);
    const std::vector<std::string> builtIn = rows();
    const ChangeFlags flags = main().state().model.changeFlags;

    run(IDM_OPEN_LIST, {list}, {IDNO});
    EXPECT_EQ(rows(), builtIn);
    EXPECT_EQ(main().state().model.changeFlags, flags);
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(utf8FromWide(requests[0].caption), u8"打开卫星列表");
    EXPECT_EQ(requests[0].fileName, L"");
    EXPECT_EQ(requests[0].filter, wideFromUtf8(u8"卫星列表 (*.txt)") + L'\0' + L"*.txt" + L'\0' +
                                      wideFromUtf8(u8"所有文件 (*.*)") + L'\0' + L"*.*" + L'\0');
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, u8"用“今日卫星.txt”中的 2 颗卫星替换当前的卫星列表？");
    EXPECT_EQ(messages[0].caption, "Kestrave");
    EXPECT_EQ(messages[0].type, Question);

    // Held open for writing elsewhere, as Excel and WPS hold a file they show.
    HANDLE held = CreateFileW(list.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    run(IDM_OPEN_LIST, {list}, {IDYES});
    CloseHandle(held);
    EXPECT_EQ(rows(), (std::vector<std::string>{u8"115.5,中星6E  (ChinaSat 6E)",
                                                u8"122.0,亚洲9号  (AsiaSat 9)"}));
    // Recalculated for 北京: AsiaSat 9 stands east of south.
    EXPECT_EQ(main().cell(1, ColumnAzimuth).substr(0, std::strlen(u8"南偏东")), u8"南偏东");
    EXPECT_EQ(main().state().model.changeFlags & ListChanged, ListChanged);
    EXPECT_EQ(readStoredValue(HKEY_CURRENT_USER, "Data").bytes,
              storedList({cp936FromUtf8(u8"115.5,中星6E  (ChinaSat 6E)"),
                          cp936FromUtf8(u8"122.0,亚洲9号  (AsiaSat 9)")}));

    // Cancelling the dialog does nothing at all.
    messages.clear();
    run(IDM_OPEN_LIST, {});
    EXPECT_TRUE(messages.empty());
}

TEST_F(ListFileTest, ABadFileGivesOneWarningWithTheLineAndChangesNothing) {
    const fs::path bad = file(u8"坏列表.txt");
    writeBytes(bad, "# c\n\n57.0,a\r\n# d\n\n60.0,b\nabc,x\n");
    const std::vector<std::string> builtIn = rows();
    const ChangeFlags flags = main().state().model.changeFlags;
    run(IDM_OPEN_LIST, {bad});
    run(IDM_OPEN_LIST, {file("missing.txt")});
    EXPECT_EQ(rows(), builtIn);
    EXPECT_EQ(main().state().model.changeFlags, flags);
    EXPECT_FALSE(readStoredValue(HKEY_CURRENT_USER, "Data").present);
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0].text, u8"无法打开“坏列表.txt”：\r\n第 7 行：经度“abc”无效");
    EXPECT_EQ(messages[0].caption, "Kestrave");
    EXPECT_EQ(messages[0].type, Warning);
    EXPECT_EQ(messages[1].text, u8"无法打开“missing.txt”");
}

TEST_F(ListFileTest, SavingWritesTheRowsAsTheFileTheyCameFrom) {
    const fs::path list = file(u8"列表.txt");
    writeBytes(list, TwoSatellites);
    run(IDM_OPEN_LIST, {list}, {IDYES});
    const fs::path saved = file(u8"保存的.txt");
    writeBytes(saved, "old contents, replaced whole");
    run(IDM_SAVE_LIST, {saved});
    EXPECT_EQ(readBytes(saved), TwoSatellites);
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(utf8FromWide(requests[1].caption), u8"保存卫星列表");
    EXPECT_EQ(utf8FromWide(requests[1].fileName), u8"卫星列表.txt");
    EXPECT_TRUE(messages.size() == 1) << "no warning";
    // Nothing but the saved file is left in the folder: no temporary file.
    EXPECT_EQ(std::distance(fs::directory_iterator(saved.parent_path()), fs::directory_iterator()),
              2);

    // A folder that does not exist: a warning, and no file.
    run(IDM_SAVE_LIST, {file(u8"无此文件夹") / L"x.txt"});
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[1].text, u8"无法写入“x.txt”");
    EXPECT_EQ(messages[1].type, Warning);

    // A folder of 250 characters, longer than a temporary file's name may
    // have (MAX_PATH - 14), and a file that is there already and one that is not.
    const fs::path parent = file("");
    const std::wstring deep = parent.wstring() + std::wstring(250 - parent.wstring().size(), L'd');
    ASSERT_TRUE(CreateDirectoryW((L"\\\\?\\" + deep).c_str(), nullptr));
    for (const wchar_t* name : {L"\\l.txt", L"\\l.txt", L"\\m.txt"}) {
        const fs::path target = deep + name;
        run(IDM_SAVE_LIST, {target});
        EXPECT_EQ(readBytes(target), TwoSatellites) << target;
        EXPECT_EQ(messages.size(), 2u) << "no warning";
        DeleteFileW((L"\\\\?\\" + target.wstring()).c_str());
    }
    EXPECT_TRUE(RemoveDirectoryW((L"\\\\?\\" + deep).c_str())) << "no temporary file left";
}

TEST_F(ListFileTest, ExportingWritesTheCliCsvAndTheSheetForTheLastSiteAndToday) {
    const fs::path csv = file("results.csv");
    run(IDM_EXPORT_RESULTS, {csv});
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(utf8FromWide(requests[0].caption), u8"导出计算结果");
    EXPECT_EQ(utf8FromWide(requests[0].fileName), u8"寻星结果_北京_2026-06-22.csv");
    EXPECT_TRUE(messages.empty());

    const std::string bytes = readBytes(csv);
    ASSERT_EQ(bytes.compare(0, Bom.size(), Bom), 0);
    std::vector<std::string> lines;
    for (std::size_t start = Bom.size(), end;
         (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(bytes.substr(start, end - start));
    ASSERT_EQ(lines.size(), 1 + 39u);
    EXPECT_EQ(lines[0].find("name,longitude_text,longitude,elevation,elevation_text,"), 0u);
    // Row 18 of the catalogue, with the table's own texts.
    EXPECT_EQ(lines[1 + 18].find(u8"亚洲3号  (AsiaSat-3S),105.5,105.5,"), 0u) << lines[19];
    EXPECT_NE(lines[1 + 18].find("," + main().cell(18, ColumnElevation) + ","), std::string::npos);
    // The magnetic azimuths are those of 北京 on the day of the export.
    ReceivingSite beijing;
    beijing.longitude = 116.46L;
    beijing.latitude = 39.92L;
    EXPECT_EQ(bytes, resultsCsvFile(main().state().controls.table, beijing,
                                    cp936FromUtf8(BeijingDescription).c_str(), {2026, 6, 22}));
    EXPECT_NE(bytes, resultsCsvFile(main().state().controls.table, beijing,
                                    cp936FromUtf8(BeijingDescription).c_str(), {2029, 6, 22}));

    // The installation sheet of the same site and day, then opened; one that
    // cannot be written gives a warning and opens nothing.
    const fs::path sheet = file("sheet.html");
    run(IDM_SAVE_SHEET, {sheet});
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(utf8FromWide(requests[1].caption), u8"保存安装单");
    EXPECT_EQ(utf8FromWide(requests[1].fileName), u8"安装单_北京_2026-06-22.html");
    const CalendarDate day{2026, 6, 22};
    ReceivingSite named = beijing;  // the sky picture's title names it
    const std::string name = cp936FromUtf8(u8"北京");
    name.copy(named.name, name.size());
    FieldSurvey survey =
        surveyField(main().state().controls.table, named, cp936FromUtf8(BeijingDescription).c_str(),
                    dateText(day), decimalYearOf(day), 0);
    survey.horizon = Horizon();
    EXPECT_EQ(readBytes(sheet),
              installSheetHtml(buildInstallSheet(main().state().controls.table, survey,
                                                 installSheetRequestOf("", "0.6", "Ku", day))));
    EXPECT_EQ(openedDocuments, std::vector<fs::path>{sheet});
    run(IDM_SAVE_SHEET, {file(u8"无此文件夹") / L"x.html"});
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, u8"无法写入“x.html”");
    EXPECT_EQ(openedDocuments.size(), 1u);
    messages.clear();

    // An empty table exports the header alone.
    run(IDM_OPEN_LIST, {[&] {
            writeBytes(file("empty.txt"), Bom);
            return file("empty.txt");
        }()},
        {IDYES});
    EXPECT_EQ(main().rowCount(), 0);
    run(IDM_EXPORT_RESULTS, {csv});
    EXPECT_EQ(readBytes(csv), Bom + lines[0] + "\r\n");
    // And saves as the byte order mark alone; no command of the lists is greyed.
    run(IDM_SAVE_LIST, {file("empty-saved.txt")});
    EXPECT_EQ(readBytes(file("empty-saved.txt")), Bom);
    main().initMenuPopup(0);
    main().initMenuPopup(1);
    for (int command : {IDM_OPEN_LIST, IDM_SAVE_LIST, IDM_EXPORT_RESULTS, IDM_SAVE_SHEET,
                        IDM_LOAD_CURRENT_LIST, IDM_RESTORE_BUILT_IN_LIST})
        EXPECT_TRUE(main().menuCommandEnabled(command)) << command;
}

TEST_F(ListFileTest, TheCurrentAndTheBuiltInListsReplaceTheTableAndAreStoredAtClose) {
    const SatelliteListFileResult current = parseCurrentSatelliteList();
    const std::string currentData = current.list + '\0';
    const std::string builtInData = storedList(catalogueRecords());
    main().initMenuPopup(1);
    EXPECT_FALSE(main().menuCommandEnabled(IDM_RESTORE_PREVIOUS_LIST)) << "no previous list yet";
    run(IDM_RESTORE_PREVIOUS_LIST, {});
    EXPECT_TRUE(messages.empty());

    run(IDM_LOAD_CURRENT_LIST, {}, {IDYES});
    // The list it replaced is kept, with Data's bytes.
    EXPECT_EQ(readStoredValue(HKEY_CURRENT_USER, "PreviousData").bytes, builtInData);
    EXPECT_EQ(readStoredValue(HKEY_CURRENT_USER, "PreviousData").type, REG_BINARY);
    EXPECT_EQ(readStoredValue(HKEY_CURRENT_USER, "Data").bytes, currentData);
    main().initMenuPopup(1);
    EXPECT_TRUE(main().menuCommandEnabled(IDM_RESTORE_PREVIOUS_LIST));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, u8"用 " + std::string(CurrentSatelliteListDate) +
                                    u8" 的当前卫星列表（" + std::to_string(current.rowCount) +
                                    u8" 颗卫星）替换当前的卫星列表？");
    EXPECT_EQ(messages[0].type, Question);
    EXPECT_EQ(main().rowCount(), current.rowCount);
    EXPECT_EQ(main().cell(0, ColumnName),
              utf8(current.list.substr(current.list.find(',') + 1).c_str()));
    // Every name shows whole in the first column at its first width: the
    // width that fits the longest one is no wider.
    HWND table = main().item(IDC_SATELLITE_TABLE);
    const LRESULT firstWidth = SendMessageW(table, LVM_GETCOLUMNWIDTH, ColumnName, 0);
    SendMessageW(table, LVM_SETCOLUMNWIDTH, ColumnName, LVSCW_AUTOSIZE);
    EXPECT_LE(SendMessageW(table, LVM_GETCOLUMNWIDTH, ColumnName, 0), firstWidth);
    SendMessageW(table, LVM_SETCOLUMNWIDTH, ColumnName, firstWidth);

    run(IDM_RESTORE_BUILT_IN_LIST, {}, {IDNO});
    EXPECT_EQ(messages[1].text, u8"用内置卫星列表（39 颗卫星）替换当前的卫星列表？");
    EXPECT_EQ(main().rowCount(), current.rowCount);
    EXPECT_EQ(readStoredValue(HKEY_CURRENT_USER, "PreviousData").bytes, builtInData)
        << "a No keeps nothing";
    run(IDM_RESTORE_BUILT_IN_LIST, {}, {IDYES});
    EXPECT_EQ(main().rowCount(), 39);
    EXPECT_EQ(main().cell(18, ColumnName), u8"亚洲3号  (AsiaSat-3S)");
    EXPECT_EQ(readStoredValue(HKEY_CURRENT_USER, "PreviousData").bytes, currentData);

    // The previous list swaps with the table, after a question; twice is
    // where it started.
    const std::string question = u8"用上一个卫星列表（" + std::to_string(current.rowCount) +
                                 u8" 颗卫星）替换当前的卫星列表？";
    run(IDM_RESTORE_PREVIOUS_LIST, {}, {IDNO});
    EXPECT_EQ(messages.back().text, question);
    EXPECT_EQ(messages.back().type, Question);
    EXPECT_EQ(main().rowCount(), 39);
    run(IDM_RESTORE_PREVIOUS_LIST, {}, {IDYES});
    EXPECT_EQ(main().rowCount(), current.rowCount);
    EXPECT_EQ(readStoredValue(HKEY_CURRENT_USER, "Data").bytes, currentData);
    EXPECT_EQ(readStoredValue(HKEY_CURRENT_USER, "PreviousData").bytes, builtInData);
    run(IDM_RESTORE_PREVIOUS_LIST, {}, {IDYES});
    EXPECT_EQ(messages.back().text, u8"用上一个卫星列表（39 颗卫星）替换当前的卫星列表？");
    EXPECT_EQ(main().rowCount(), 39);
    EXPECT_EQ(readStoredValue(HKEY_CURRENT_USER, "PreviousData").bytes, currentData);

    main().closeWithMessage();
    ASSERT_TRUE(main().ended());
    for (HKEY root : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE})
        EXPECT_EQ(readStoredValue(root, "Data").bytes, storedList(catalogueRecords()));
}

}  // namespace
