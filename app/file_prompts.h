#pragma once
// What the file commands ask and tell about a file: the dialog for a file
// of one kind, the warning naming a file, and the saving of today's file of
// the site, which asks and tells both.

#include <string>

#include "app/file_dialogs.h"
#include "app/main_window_state.h"

// The caption of the file commands' questions and warnings.
inline constexpr char FileMessageCaption[] = "Kestrave";

// A dialog's request for files of one kind: its caption, the kind's filter
// (`kind`, code page 936, for *.`extension`) and then all files; a name
// typed without an extension gets `extension`.
FileDialogRequest fileKindRequest(const char* caption, const char* kind,
                                  const std::wstring& extension);

// A file the program writes for the site of the last recalculation and a
// date: the save dialog's caption, the kind's filter and extension (as for
// fileKindRequest), the name it proposes (code page 936), and its bytes.
struct DatedFileKind {
    const char* caption;
    const char* kind;
    const wchar_t* extension;
    std::string (*fileName)(const char* siteDescription, const CalendarDate& date);
    std::string (*contents)(const MainWindowState& state, const CalendarDate& date);
};

// Today's file of `kind`: the save dialog proposing its name, then the file
// written beside the target and renamed over it; a failure gives a warning
// naming the file. True with `path` once the file is written.
bool saveDatedFile(const MainWindowState& state, const DatedFileKind& kind, std::wstring& path);

// A message around a file's name: code page 936 texts before and after it.
std::wstring aroundFileName(const std::string& before, const std::wstring& path,
                            const std::string& after);

// 无法打开“NAME” (`what` before the name), and after a line break what is
// wrong when there is a reason.
void warnAboutFile(const MainWindowState& state, const char* what, const std::wstring& path,
                   const std::string& reason = std::string());
