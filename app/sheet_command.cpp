#include "app/sheet_command.h"

#include "app/control_text.h"
#include "app/whole_files.h"
#include "fieldkit/install_sheet.h"
#include "fieldkit/magnetic_model.h"

namespace {

// The texts of the command's dialog and warning, in code page 936.
const char Caption[] = "Kestrave";
const char SheetCaption[] = "\xB1\xA3\xB4\xE6\xB0\xB2\xD7\xB0\xB5\xA5";  // 保存安装单
const char PageFilter[] = "\xCD\xF8\xD2\xB3 (*.html)";                   // 网页 (*.html)
const char AllFilesFilter[] = "\xCB\xF9\xD3\xD0\xCE\xC4\xBC\xFE (*.*)";  // 所有文件 (*.*)
const char CannotWrite[] = "\xCE\xDE\xB7\xA8\xD0\xB4\xC8\xEB\xA1\xB0";   // 无法写入“
const char QuoteClose[] = "\xA1\xB1";                                    // ”

}  // namespace

void saveInstallSheet(MainWindowState& state) {
    const MainWindowModel& model = state.model;
    const CalendarDate today = state.seams.today();
    FileDialogRequest request;
    request.caption = wideText(SheetCaption);
    request.filter =
        fileDialogFilter(wideText(PageFilter), L"*.html", wideText(AllFilesFilter), L"*.*");
    request.fileName = wideText(installSheetFileName(model.siteDescription, today).c_str());
    request.defaultExtension = L"html";
    std::wstring path;
    if (!state.seams.askFileToSave(state.controls.window, request, path)) return;

    // The site the table's numbers and its description are for.
    FieldSurvey survey =
        surveyField(state.controls.table, lastRecalculatedSite(model.site, model.lastRecalculation),
                    model.siteDescription, dateText(today), decimalYearOf(today), 0);
    survey.horizon = model.obstacles;
    const InstallSheet sheet = buildInstallSheet(
        state.controls.table, survey,
        installSheetRequestOf(model.offset.text, model.dish.text, model.band.text, today));
    if (!replaceFileWith(path, installSheetHtml(sheet))) {
        const std::wstring text =
            wideText(CannotWrite) + fileNameOfPath(path) + wideText(QuoteClose);
        state.seams.showMessage(state.controls.window, text.c_str(), wideText(Caption).c_str(),
                                MB_OK | MB_ICONWARNING);
        return;
    }
    state.seams.openDocument(path);
}
