#pragma once
// The commands that take the satellite list from a file or a built-in list
// and write the list or the results to a file: IDM_OPEN_LIST, IDM_SAVE_LIST,
// IDM_EXPORT_RESULTS, IDM_LOAD_CURRENT_LIST and IDM_RESTORE_BUILT_IN_LIST.
// A list replaces the table only after the user says Yes; the list it
// replaces is kept first as the settings' PreviousData, then ListChanged is
// set and every row recalculated. None of them is ever greyed.

#include "app/main_window_state.h"

// The open dialog, then the question naming the file and its number of
// satellites; a file that is refused gives one warning naming the file and
// the refused line, and changes nothing.
void openListFile(MainWindowState& state);

// The save dialog, then the table's rows as a list file (UTF-8 with a byte
// order mark, CRLF), written beside the target and renamed over it; a
// failure gives a warning naming the file.
void saveListFile(MainWindowState& state);

// The save dialog, then the results of the last recalculation's site for
// today as kestrave-cli --format csv writes them (UTF-8 with a byte order
// mark, CRLF).
void exportResults(MainWindowState& state);

// The dated current list, after a question naming its date and size.
void loadCurrentList(MainWindowState& state);

// At the window's start: the compiled-in list's date in the text of the
// IDM_LOAD_CURRENT_LIST item of `menu`.
void showCurrentListDate(HMENU menu);

// The built-in DefaultCatalogue, after a question naming its size.
void restoreBuiltInList(MainWindowState& state);

// IDM_RESTORE_PREVIOUS_LIST: the list the last replacement replaced, after a
// question naming its size; the list it replaces is kept in its turn, so
// that the command swaps the two. Nothing without a previous list.
void restorePreviousList(MainWindowState& state);

// Whether the settings keep a previous list, for the start.
bool previousListKept(SettingsBackend& settings);
