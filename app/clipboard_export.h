#pragma once
// Command 3014: the site description and the result table on the clipboard.

#include <cstddef>

struct MainWindowState;

// The description read from control 2001 takes at most this many bytes with its NUL.
constexpr std::size_t ClipboardDescriptionCapacity = 35999;

// Puts the fixed-width result text on the clipboard as CF_TEXT (code page
// 936) and, converted, as CF_UNICODETEXT, so that a Unicode program pastes
// the right characters whatever the system's code page. An empty table, a
// failed allocation or a clipboard that cannot be opened copies nothing.
// Reads only: the table, its selection and the change flags stay as they are.
void copyResultsToClipboard(MainWindowState& state);
