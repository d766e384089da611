#pragma once
// IDM_COPY_RESULTS: the site description and the result table on the clipboard.

#include <windows.h>

#include <cstddef>

#include "calc/result_text.h"
#include "data/satellite_table.h"

// The locale the clipboard's CF_TEXT is in: Chinese (PRC), code page 936.
constexpr LCID ClipboardTextLocale = 0x0804;

// Puts the fixed-width result text on the clipboard, owned by `owner`, as
// CF_TEXT (code page 936), converted as CF_UNICODETEXT, and with CF_LOCALE
// 0x0804, so that every program pastes the right characters whatever the
// system's code page. An empty table, a failed allocation or a clipboard
// that cannot be opened copies nothing. Reads only.
void copyResultsToClipboard(HWND owner, const char* description, const SatelliteTable& table);
