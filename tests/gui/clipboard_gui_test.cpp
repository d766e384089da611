// Copying the site description and the result table to the clipboard.

#include <windows.h>
// commctrl.h needs windows.h first
#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "data/satellite_table.h"
#include "encoding/text_encoding.h"
#include "res/resource_ids.h"
#include "tests/gui/gui_fixture.h"
#include "tests/gui/hosted_main_window.h"

namespace {

struct ClipboardBlock {
    bool present = false;
    std::string bytes;  // the whole block, as GlobalSize gives it
};

ClipboardBlock clipboardBlock(UINT format) {
    ClipboardBlock block;
    if (!OpenClipboard(nullptr)) {
        ADD_FAILURE() << "the clipboard cannot be opened";
        return block;
    }
    HANDLE data = GetClipboardData(format);
    if (data != nullptr) {
        const auto* bytes = static_cast<const char*>(GlobalLock(data));
        if (bytes != nullptr) {
            block.present = true;
            block.bytes.assign(bytes, GlobalSize(data));
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return block;
}

// The CF_TEXT text up to its terminating zero.
std::string clipboardText() {
    ClipboardBlock block = clipboardBlock(CF_TEXT);
    EXPECT_TRUE(block.present);
    return block.bytes.substr(0, block.bytes.find('\0'));
}

void putOnClipboard(const std::string& text) {
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    std::memcpy(GlobalLock(block), text.c_str(), text.size() + 1);
    GlobalUnlock(block);
    if (SetClipboardData(CF_TEXT, block) == nullptr) {
        GlobalFree(block);
    }
    CloseClipboard();
}

std::string cp936(const std::string& utf8) { return cp936FromUtf8(utf8); }
std::string blanks(std::size_t count) { return std::string(count, ' '); }

const std::string Header = cp936("卫星名称") + blanks(28) + cp936("卫星经度") + blanks(2) +
                           cp936("天线仰角") + blanks(2) + cp936("天线方位角") + blanks(4) +
                           cp936("极化角") + blanks(2) + "\r\n";
const std::string Rule = std::string(80, '-') + "\r\n";

using ClipboardTest = GuiTest;

TEST_F(ClipboardTest, OneRowGivesTheDescriptionHeaderRuleAndRowAsTextAndAsUnicode) {
    storeValue(HKEY_CURRENT_USER, "Data", REG_BINARY,
               storedList({cp936("105.5,亚洲3号  (AsiaSat-3S)")}));
    HostedMainWindow main;
    ASSERT_EQ(main.rowCount(), 1);
    putOnClipboard("before");
    main.command(IDM_COPY_RESULTS);

    const std::string description = cp936(BeijingDescription);
    const std::string expected = description + "\r\n\r\n" + Header + Rule +
                                 cp936("亚洲3号  (AsiaSat-3S)") + blanks(15) + "105.5" + blanks(5) +
                                 "42.45" + blanks(5) + cp936("南偏西16.79度") + blanks(1) +
                                 "-12.80" + blanks(2) + "\r\n";
    ClipboardBlock text = clipboardBlock(CF_TEXT);
    ASSERT_TRUE(text.present);
    ASSERT_GE(text.bytes.size(), (1u + 2u) * 80u + 10u + description.size() + 4u);
    EXPECT_EQ(text.bytes.substr(0, expected.size()), expected);
    // Nothing after the last line end but zeros.
    EXPECT_EQ(text.bytes.find_first_not_of('\0', expected.size()), std::string::npos);

    ClipboardBlock unicode = clipboardBlock(CF_UNICODETEXT);
    ASSERT_TRUE(unicode.present);
    const std::string utf8 = utf8FromCp936(expected);
    std::wstring wide(utf8.size() + 1, L'\0');
    wide.resize(static_cast<std::size_t>(
        MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(),
                            static_cast<int>(wide.size()))));
    ASSERT_GE(unicode.bytes.size(), (wide.size() + 1) * sizeof(wchar_t));
    std::wstring copied(reinterpret_cast<const wchar_t*>(unicode.bytes.data()));
    EXPECT_EQ(copied, wide);
    EXPECT_EQ(copied.substr(0, 4), L"\x5317\x4EAC\r\n");  // 北京

    // CF_TEXT is said to be Chinese (PRC), so that Windows converts it rightly.
    ClipboardBlock locale = clipboardBlock(CF_LOCALE);
    ASSERT_TRUE(locale.present);
    ASSERT_GE(locale.bytes.size(), sizeof(LCID));
    EXPECT_EQ(*reinterpret_cast<const LCID*>(locale.bytes.data()), 0x0804u);

    EXPECT_EQ(GetClipboardOwner(), main.window());
}

TEST_F(ClipboardTest, NamesLongerThanTheirFieldAreCutAtItsWidthBetweenCharacters) {
    const std::string forty = "0123456789012345678901234567890123456789";
    const std::string thirtyFiveAndOne = forty.substr(0, 35) + cp936("北") + "x";
    storeValue(HKEY_CURRENT_USER, "Data", REG_BINARY,
               storedList({"10," + forty, "20," + thirtyFiveAndOne, "30,short"}));
    HostedMainWindow main;
    main.command(IDM_COPY_RESULTS);
    const std::string text = clipboardText();
    const std::size_t rule = text.find(Rule);
    ASSERT_NE(rule, std::string::npos);
    const std::string rows = text.substr(rule + Rule.size());
    ASSERT_EQ(rows.size(), 3u * 80u);
    EXPECT_EQ(rows.substr(0, 38), forty.substr(0, 36) + "10");
    // A double-byte character that does not fit whole gives way to a blank.
    EXPECT_EQ(rows.substr(80, 38), forty.substr(0, 35) + " 20");
    EXPECT_EQ(rows.substr(160, 38), "short" + blanks(31) + "30");
}

TEST_F(ClipboardTest, CopyingChangesNeitherTheTableNorItsSelectionNorTheFlags) {
    HostedMainWindow main;
    main.selectRow(2);
    main.selectRow(5);
    std::vector<std::string> before;
    for (int row = 0; row < main.rowCount(); ++row) {
        for (int column = 0; column < SatelliteColumnCount; ++column) {
            before.push_back(main.cell(row, column));
        }
    }
    main.command(IDM_COPY_RESULTS);

    std::vector<std::string> after;
    for (int row = 0; row < main.rowCount(); ++row) {
        for (int column = 0; column < SatelliteColumnCount; ++column) {
            after.push_back(main.cell(row, column));
        }
    }
    EXPECT_EQ(after, before);
    HWND table = main.item(IDC_SATELLITE_TABLE);
    EXPECT_EQ(SendMessageA(table, LVM_GETSELECTEDCOUNT, 0, 0), 2);
    EXPECT_EQ(SendMessageA(table, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED), 2);
    EXPECT_EQ(SendMessageA(table, LVM_GETNEXTITEM, 2, LVNI_SELECTED), 5);
    EXPECT_EQ(main.state().model.changeFlags, SiteChanged);

    // Every row is there, in the table's order.
    const std::string text = clipboardText();
    std::size_t lines = 0;
    for (std::size_t at = text.find("\r\n"); at != std::string::npos;
         at = text.find("\r\n", at + 2)) {
        ++lines;
    }
    EXPECT_EQ(lines, 2u + 2u + 2u + 39u);
    EXPECT_NE(text.find(cp936("国际701  (InterSat-701)")), std::string::npos);
}

TEST_F(ClipboardTest, AnEmptyTableLeavesTheClipboardAsItWas) {
    storeValue(HKEY_CURRENT_USER, "Data", REG_BINARY, std::string(2, '\0'));
    HostedMainWindow main;
    ASSERT_EQ(main.rowCount(), 0);
    putOnClipboard("before");
    main.command(IDM_COPY_RESULTS);
    EXPECT_EQ(clipboardText(), "before");
}

}  // namespace
