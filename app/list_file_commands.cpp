#include "app/list_file_commands.h"

#include <commctrl.h>

#include <string>
#include <vector>

#include "app/control_text.h"
#include "app/file_dialogs.h"
#include "app/main_commands.h"
#include "app/whole_files.h"
#include "calc/current_satellite_list.h"
#include "calc/satellite_list_file.h"
#include "data/satellite_catalogue.h"
#include "fieldkit/results_export.h"
#include "res/resource_ids.h"

namespace {

// The texts of the commands' dialogs and messages, in code page 936.
const char Caption[] = "Kestrave";
const char OpenCaption[] = "\xB4\xF2\xBF\xAA\xCE\xC0\xD0\xC7\xC1\xD0\xB1\xED";  // 打开卫星列表
const char SaveCaption[] = "\xB1\xA3\xB4\xE6\xCE\xC0\xD0\xC7\xC1\xD0\xB1\xED";  // 保存卫星列表
const char ExportCaption[] = "\xB5\xBC\xB3\xF6\xBC\xC6\xCB\xE3\xBD\xE1\xB9\xFB";  // 导出计算结果
const char ListFilter[] = "\xCE\xC0\xD0\xC7\xC1\xD0\xB1\xED (*.txt)";    // 卫星列表 (*.txt)
const char CsvFilter[] = "CSV \xCE\xC4\xBC\xFE (*.csv)";                 // CSV 文件 (*.csv)
const char AllFilesFilter[] = "\xCB\xF9\xD3\xD0\xCE\xC4\xBC\xFE (*.*)";  // 所有文件 (*.*)
const char ListFileName[] = "\xCE\xC0\xD0\xC7\xC1\xD0\xB1\xED.txt";      // 卫星列表.txt
const char QuoteOpen[] = "\xA1\xB0";                                     // “
const char QuoteClose[] = "\xA1\xB1";                                    // ”
const char UseOpen[] = "\xD3\xC3\xA1\xB0";                               // 用“
const char FromFile[] = "\xA1\xB1\xD6\xD0\xB5\xC4 ";                     // "”中的 "
// " 颗卫星替换当前的卫星列表？"
const char ReplaceFromFile[] =
    " \xBF\xC5\xCE\xC0\xD0\xC7\xCC\xE6\xBB\xBB\xB5\xB1\xC7\xB0\xB5\xC4\xCE\xC0\xD0\xC7\xC1\xD0"
    "\xB1\xED\xA3\xBF";
const char UseDated[] = "\xD3\xC3 ";  // "用 "
// " 的当前卫星列表（"
const char CurrentListOf[] = " \xB5\xC4\xB5\xB1\xC7\xB0\xCE\xC0\xD0\xC7\xC1\xD0\xB1\xED\xA3\xA8";
// 用上一个卫星列表（
const char UsePrevious[] =
    "\xD3\xC3\xC9\xCF\xD2\xBB\xB8\xF6\xCE\xC0\xD0\xC7\xC1\xD0\xB1\xED\xA3\xA8";
// 用内置卫星列表（
const char UseBuiltIn[] = "\xD3\xC3\xC4\xDA\xD6\xC3\xCE\xC0\xD0\xC7\xC1\xD0\xB1\xED\xA3\xA8";
// " 颗卫星）替换当前的卫星列表？"
const char ReplaceWithList[] =
    " \xBF\xC5\xCE\xC0\xD0\xC7\xA3\xA9\xCC\xE6\xBB\xBB\xB5\xB1\xC7\xB0\xB5\xC4\xCE\xC0\xD0\xC7"
    "\xC1\xD0\xB1\xED\xA3\xBF";
const char CannotOpen[] = "\xCE\xDE\xB7\xA8\xB4\xF2\xBF\xAA";   // 无法打开
const char CannotWrite[] = "\xCE\xDE\xB7\xA8\xD0\xB4\xC8\xEB";  // 无法写入
const char Colon[] = "\xA3\xBA\r\n";                            // "：" and a line break

bool askYesNo(const MainWindowState& state, const std::wstring& question) {
    return state.seams.showMessage(state.controls.window, question.c_str(),
                                   wideText(Caption).c_str(), MB_YESNO | MB_ICONQUESTION) == IDYES;
}

// A message naming a file: code page 936 texts before and after its name.
std::wstring aroundFileName(const std::string& before, const std::wstring& path,
                            const std::string& after) {
    return wideText(before.c_str()) + fileNameOfPath(path) + wideText(after.c_str());
}

// 无法打开“NAME”, and after a line break what is wrong when there is a reason.
void warnAboutFile(const MainWindowState& state, const char* what, const std::wstring& path,
                   const std::string& reason = std::string()) {
    const std::wstring text =
        aroundFileName(what + std::string(QuoteOpen), path,
                       reason.empty() ? QuoteClose : QuoteClose + std::string(Colon) + reason);
    state.seams.showMessage(state.controls.window, text.c_str(), wideText(Caption).c_str(),
                            MB_OK | MB_ICONWARNING);
}

FileDialogRequest listFileRequest(const char* caption) {
    FileDialogRequest request;
    request.caption = wideText(caption);
    request.filter =
        fileDialogFilter(wideText(ListFilter), L"*.txt", wideText(AllFilesFilter), L"*.*");
    request.defaultExtension = L"txt";
    return request;
}

// The records of a SatelliteListText: up to the empty one that ends it.
int recordCount(const char* list, std::size_t size) {
    int count = 0;
    for (std::size_t at = 0; at < size && list[at] != '\0'; ++at) {
        while (at < size && list[at] != '\0') ++at;
        ++count;
    }
    return count;
}

// The list the table holds is kept as PreviousData; the table becomes the
// list's rows, drawn once; then ListChanged and a recalculation, as after
// any list edit.
void replaceTable(MainWindowState& state, const char* list, std::size_t size) {
    savePreviousSatelliteList(state.model.settings, state.controls.table);
    state.model.previousListKept = true;
    HWND tableView = state.controls.tableView;
    {
        TableRedrawPause pause(tableView);
        SendMessageW(tableView, LVM_DELETEALLITEMS, 0, 0);
        reserveTableRows(tableView, recordCount(list, size));
        fillSatelliteTable(state.controls.table, list, size);
    }
    recalculate(state, RecalculationSite::InputsOrLast);
    listChanged(state);
}

void replaceAfterAsking(MainWindowState& state, const std::string& question, const char* list,
                        std::size_t size) {
    if (askYesNo(state, wideText(question.c_str()))) replaceTable(state, list, size);
}

}  // namespace

void openListFile(MainWindowState& state) {
    std::wstring path;
    if (!state.seams.askFileToOpen(state.controls.window, listFileRequest(OpenCaption), path))
        return;
    std::string bytes;
    if (!readFileStart(path, SatelliteListFileLimit, bytes)) {
        warnAboutFile(state, CannotOpen, path);
        return;
    }
    const SatelliteListFileResult result = parseSatelliteListFile(bytes);
    if (result.fault != SatelliteListFault::None) {
        warnAboutFile(state, CannotOpen, path, satelliteListFileMessage(result));
        return;
    }
    const std::wstring question =
        aroundFileName(UseOpen, path, FromFile + std::to_string(result.rowCount) + ReplaceFromFile);
    if (askYesNo(state, question)) replaceTable(state, result.list.data(), result.list.size());
}

void saveListFile(MainWindowState& state) {
    std::wstring path;
    FileDialogRequest request = listFileRequest(SaveCaption);
    request.fileName = wideText(ListFileName);
    if (!state.seams.askFileToSave(state.controls.window, request, path)) return;
    std::string text;
    if (!writeSatelliteListFile(state.controls.table, text) || !replaceFileWith(path, text))
        warnAboutFile(state, CannotWrite, path);
}

void exportResults(MainWindowState& state) {
    const MainWindowModel& model = state.model;
    const CalendarDate today = state.seams.today();
    FileDialogRequest request;
    request.caption = wideText(ExportCaption);
    request.filter =
        fileDialogFilter(wideText(CsvFilter), L"*.csv", wideText(AllFilesFilter), L"*.*");
    request.fileName = wideText(resultsFileName(model.siteDescription, today).c_str());
    request.defaultExtension = L"csv";
    std::wstring path;
    if (!state.seams.askFileToSave(state.controls.window, request, path)) return;

    // The site the table's numbers and its description are for.
    const std::string csv = resultsCsvFile(
        state.controls.table, lastRecalculatedSite(model.site, model.lastRecalculation),
        model.siteDescription, today);
    if (!replaceFileWith(path, csv)) warnAboutFile(state, CannotWrite, path);
}

void loadCurrentList(MainWindowState& state) {
    const SatelliteListFileResult current = parseCurrentSatelliteList();
    replaceAfterAsking(state,
                       UseDated + std::string(CurrentSatelliteListDate) + CurrentListOf +
                           std::to_string(current.rowCount) + ReplaceWithList,
                       current.list.data(), current.list.size());
}

void showCurrentListDate(HMENU menu) {
    wchar_t item[128] = {};
    const int length = GetMenuStringW(menu, IDM_LOAD_CURRENT_LIST, item, 128, MF_BYCOMMAND);
    if (length <= 0) return;
    const std::string dated =
        withCurrentListDate(cp936Text(item, static_cast<std::size_t>(length)));
    ModifyMenuW(menu, IDM_LOAD_CURRENT_LIST, MF_BYCOMMAND | MF_STRING, IDM_LOAD_CURRENT_LIST,
                wideText(dated.c_str()).c_str());
}

void restoreBuiltInList(MainWindowState& state) {
    const int rows = recordCount(DefaultCatalogue, DefaultCatalogueSize);
    replaceAfterAsking(state, UseBuiltIn + std::to_string(rows) + ReplaceWithList, DefaultCatalogue,
                       DefaultCatalogueSize);
}

void restorePreviousList(MainWindowState& state) {
    std::vector<char> previous;
    if (!loadPreviousSatelliteList(state.model.settings, previous)) return;
    const int rows = recordCount(previous.data(), previous.size());
    replaceAfterAsking(state, UsePrevious + std::to_string(rows) + ReplaceWithList, previous.data(),
                       previous.size());
}

bool previousListKept(SettingsBackend& settings) {
    std::vector<char> previous;
    return loadPreviousSatelliteList(settings, previous);
}
