#include "app/list_file_commands.h"

#include <commctrl.h>

#include <string>
#include <vector>

#include "app/app_texts.h"
#include "app/control_text.h"
#include "app/file_prompts.h"
#include "app/main_commands.h"
#include "app/whole_files.h"
#include "calc/current_satellite_list.h"
#include "calc/satellite_list_file.h"
#include "data/satellite_catalogue.h"
#include "fieldkit/results_export.h"
#include "res/resource_ids.h"

namespace {

bool askYesNo(const MainWindowState& state, const std::wstring& question) {
    return state.seams.showMessage(state.controls.window, question.c_str(),
                                   wideText(FileMessageCaption).c_str(),
                                   MB_YESNO | MB_ICONQUESTION) == IDYES;
}

// The results for the site the table's numbers and its description are
// for: the last recalculation's.
std::string resultsCsv(const MainWindowState& state, const CalendarDate& today) {
    const MainWindowModel& model = state.model;
    return resultsCsvFile(state.controls.table,
                          lastRecalculatedSite(model.site, model.lastRecalculation),
                          model.siteDescription, today);
}

FileDialogRequest listFileRequest(const char* caption) {
    return fileKindRequest(caption, app_text::ListFilter, L"txt");
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
    if (!state.seams.askFileToOpen(state.controls.window,
                                   listFileRequest(app_text::OpenListCaption), path))
        return;
    std::string bytes;
    if (!readFileStart(path, SatelliteListFileLimit, bytes)) {
        warnAboutFile(state, app_text::CannotOpen, path);
        return;
    }
    const SatelliteListFileResult result = parseSatelliteListFile(bytes);
    if (result.fault != SatelliteListFault::None) {
        warnAboutFile(state, app_text::CannotOpen, path, satelliteListFileMessage(result));
        return;
    }
    const std::wstring question = aroundFileName(
        app_text::UseFile, path,
        app_text::FromFile + std::to_string(result.rowCount) + app_text::ReplaceFromFile);
    if (askYesNo(state, question)) replaceTable(state, result.list.data(), result.list.size());
}

void saveListFile(MainWindowState& state) {
    std::wstring path;
    FileDialogRequest request = listFileRequest(app_text::SaveListCaption);
    request.fileName = wideText(app_text::ListFileName);
    if (!state.seams.askFileToSave(state.controls.window, request, path)) return;
    std::string text;
    if (!writeSatelliteListFile(state.controls.table, text) || !replaceFileWith(path, text))
        warnAboutFile(state, app_text::CannotWrite, path);
}

void exportResults(MainWindowState& state) {
    std::wstring path;
    saveDatedFile(
        state, {app_text::ExportCaption, app_text::CsvFilter, L"csv", resultsFileName, resultsCsv},
        path);
}

void loadCurrentList(MainWindowState& state) {
    const SatelliteListFileResult current = parseCurrentSatelliteList();
    replaceAfterAsking(state,
                       app_text::UseDated + std::string(CurrentSatelliteListDate) +
                           app_text::CurrentListOf + std::to_string(current.rowCount) +
                           app_text::ReplaceWithList,
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
    replaceAfterAsking(state,
                       app_text::UseBuiltIn + std::to_string(rows) + app_text::ReplaceWithList,
                       DefaultCatalogue, DefaultCatalogueSize);
}

void restorePreviousList(MainWindowState& state) {
    std::vector<char> previous;
    if (!loadPreviousSatelliteList(state.model.settings, previous)) return;
    const int rows = recordCount(previous.data(), previous.size());
    replaceAfterAsking(state,
                       app_text::UsePrevious + std::to_string(rows) + app_text::ReplaceWithList,
                       previous.data(), previous.size());
}

bool previousListKept(SettingsBackend& settings) {
    std::vector<char> previous;
    return loadPreviousSatelliteList(settings, previous);
}
