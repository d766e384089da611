#include "app/file_prompts.h"

#include "app/app_texts.h"
#include "app/control_text.h"
#include "app/whole_files.h"

FileDialogRequest fileKindRequest(const char* caption, const char* kind,
                                  const std::wstring& extension) {
    FileDialogRequest request;
    request.caption = wideText(caption);
    request.filter = fileDialogFilter(wideText(kind), L"*." + extension,
                                      wideText(app_text::AllFilesFilter), L"*.*");
    request.defaultExtension = extension;
    return request;
}

std::wstring aroundFileName(const std::string& before, const std::wstring& path,
                            const std::string& after) {
    return wideText(before.c_str()) + fileNameOfPath(path) + wideText(after.c_str());
}

void warnAboutFile(const MainWindowState& state, const char* what, const std::wstring& path,
                   const std::string& reason) {
    const std::string after = reason.empty()
                                  ? std::string(app_text::QuoteClose)
                                  : app_text::QuoteClose + (app_text::ReasonFollows + reason);
    const std::wstring text = aroundFileName(what + std::string(app_text::QuoteOpen), path, after);
    state.seams.showMessage(state.controls.window, text.c_str(),
                            wideText(FileMessageCaption).c_str(), MB_OK | MB_ICONWARNING);
}

bool saveDatedFile(const MainWindowState& state, const DatedFileKind& kind, std::wstring& path) {
    const CalendarDate today = state.seams.today();
    FileDialogRequest request = fileKindRequest(kind.caption, kind.kind, kind.extension);
    request.fileName = wideText(kind.fileName(state.model.siteDescription, today).c_str());
    if (!state.seams.askFileToSave(state.controls.window, request, path)) return false;
    if (replaceFileWith(path, kind.contents(state, today))) return true;
    warnAboutFile(state, app_text::CannotWrite, path);
    return false;
}
