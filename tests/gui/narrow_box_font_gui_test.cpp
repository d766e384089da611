// The 6-byte boxes (longitude and latitude of the main window, longitude of
// the satellite dialog) do not scroll: a text wider than the box is refused
// character by character. With the window font (宋体 or its stand-in under
// Wine) the widest texts a user types must still fit, and every character
// the program shows must have a glyph in that font.

#include <windows.h>
// commctrl.h needs windows.h first
#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data/gazetteer.h"
#include "res/resource_ids.h"
#include "tests/gui/gui_fixture.h"
#include "tests/gui/hosted_main_window.h"
#include "tests/gui/modal_window.h"

namespace {

using NarrowBoxFontTest = GuiTest;

const wchar_t* const WidestTexts[] = {L"-180.5", L"100.25", L"123.45"};

std::string utf8Of(const wchar_t* text) {
    char buffer[64] = {};
    WideCharToMultiByte(CP_UTF8, 0, text, -1, buffer, sizeof buffer, nullptr, nullptr);
    return buffer;
}

std::string utf8Of(const std::wstring& text) { return utf8Of(text.c_str()); }

// Empties the box, types the text key by key and reads back what the box kept.
void expectWholeTextsKept(HWND box, const char* which) {
    for (const wchar_t* text : WidestTexts) {
        setEditText(box, "");
        typeInto(box, text);
        EXPECT_EQ(controlText(box), utf8Of(text)) << which;
    }
}

std::wstring wide(const std::string& cp936) {
    int length = MultiByteToWideChar(936, 0, cp936.c_str(), -1, nullptr, 0);
    std::wstring text(static_cast<std::size_t>(length > 0 ? length : 1), L'\0');
    MultiByteToWideChar(936, 0, cp936.c_str(), -1, text.data(), length);
    text.resize(text.size() - 1);
    return text;
}

// The characters of `text` that the control's font has no glyph for.
std::wstring missingGlyphs(HWND control, const std::wstring& text) {
    HDC dc = GetDC(control);
    HGDIOBJ original =
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
    std::vector<WORD> glyphs(text.size());
    GetGlyphIndicesW(dc, text.c_str(), static_cast<int>(text.size()), glyphs.data(),
                     GGI_MARK_NONEXISTING_GLYPHS);
    SelectObject(dc, original);
    ReleaseDC(control, dc);
    std::wstring missing;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (glyphs[i] == 0xFFFF && text[i] != L'\r' && text[i] != L'\n') {
            missing += text[i];
        }
    }
    return missing;
}

TEST_F(NarrowBoxFontTest, TheWidestTextsFitEverySixByteBoxAndEveryCharacterShownHasAGlyph) {
    HostedMainWindow main;

    // Everything the window shows: the gazetteer's names, the table, the site
    // description, and the minus sign of a western or southern angle.
    std::string shown = "-0123456789.?";
    GazetteerCursor cursor;
    char name[PlaceNameCapacity];
    while (nextPlaceName(cursor, name)) {
        shown += name;
    }
    std::wstring shownWide = wide(shown);
    // The window's own texts, read as the characters it draws.
    for (int row = 0; row < main.rowCount(); ++row) {
        for (int column = 0; column < 5; ++column) {
            wchar_t cell[128] = {};
            LVITEMW item = {};
            item.iSubItem = column;
            item.pszText = cell;
            item.cchTextMax = 128;
            SendMessageW(main.item(IDC_SATELLITE_TABLE), LVM_GETITEMTEXTW, static_cast<WPARAM>(row),
                         reinterpret_cast<LPARAM>(&item));
            shownWide += cell;
        }
    }
    wchar_t descriptionText[256] = {};
    GetWindowTextW(main.item(IDC_SITE_DESCRIPTION), descriptionText, 256);
    shownWide += descriptionText;
    EXPECT_EQ(utf8Of(missingGlyphs(main.item(IDC_LONGITUDE), shownWide)), "");

    main.emptyCityBox();  // the coordinate boxes become editable
    expectWholeTextsKept(main.item(IDC_LONGITUDE), "longitude box");
    expectWholeTextsKept(main.item(IDC_LATITUDE), "latitude box");

    whileModalOpen(
        main.window(), [&] { main.command(IDM_ADD_SATELLITE); },
        [&](HWND dialog) {
            expectWholeTextsKept(GetDlgItem(dialog, IDC_SATELLITE_LONGITUDE),
                                 "satellite longitude box");
            SendMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
        });
}

}  // namespace
