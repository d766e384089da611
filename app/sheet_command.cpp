#include "app/sheet_command.h"

#include "app/app_texts.h"
#include "app/file_prompts.h"
#include "fieldkit/install_sheet.h"
#include "fieldkit/magnetic_model.h"

namespace {

// The sheet for the site the table's numbers and its description are for:
// the last recalculation's.
std::string sheetPage(const MainWindowState& state, const CalendarDate& today) {
    const MainWindowModel& model = state.model;
    FieldSurvey survey =
        surveyField(state.controls.table, lastRecalculatedSite(model.site, model.lastRecalculation),
                    model.siteDescription, dateText(today), decimalYearOf(today), 0);
    survey.horizon = model.obstacles;
    const InstallSheet sheet = buildInstallSheet(
        state.controls.table, survey,
        installSheetRequestOf(model.offset.text, model.dish.text, model.band.text, today));
    return installSheetHtml(sheet);
}

}  // namespace

void saveInstallSheet(MainWindowState& state) {
    std::wstring path;
    if (saveDatedFile(state,
                      {app_text::SheetCaption, app_text::PageFilter, L"html", installSheetFileName,
                       sheetPage},
                      path))
        state.seams.openDocument(path);
}
