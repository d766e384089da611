// The about box: its template, the two link labels (colours, cursor,
// opening on release) and the ways it closes.

#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/link_label.h"
#include "encoding/text_encoding.h"
#include "res/resource_ids.h"
#include "tests/gui/gui_fixture.h"
#include "tests/gui/hosted_main_window.h"
#include "tests/gui/modal_window.h"
#include "tests/gui/template_check.h"

namespace {

// The links the box asked to open, as raw bytes; the shell is never asked in the tests.
std::vector<std::string> openedLinks;

void recordLink(const char* target) { openedLinks.push_back(target); }

const char* const MailLinkUtf8 = "mailto:author@kestrave.example.org?subject=嗨！我喜欢你的程序！";

class AboutBoxTest : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        openedLinks.clear();
        window_ = std::make_unique<HostedMainWindow>();
        main().state().seams.openLink = recordLink;
    }

    HostedMainWindow& main() const { return *window_; }

    void inAboutBox(const std::function<void(HWND)>& script) {
        whileModalOpen(
            main().window(), [&] { main().command(IDM_ABOUT); }, script);
    }

    std::unique_ptr<HostedMainWindow> window_;
};

HWND homePageLabel(HWND box) { return GetDlgItem(box, IDC_HOME_PAGE_LINK); }
HWND mailLabel(HWND box) { return GetDlgItem(box, IDC_MAIL_LINK); }

void closeWithOk(HWND box) {
    SendMessageA(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
    pumpDialog(box);
}

HCURSOR handCursor() {
    return LoadCursorA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDCUR_HAND));
}

// The label's rectangle holds its whole text on one line, in the label's
// font, inside the box, and at least as wide as its template.
void expectTextFits(HWND label, HWND box) {
    wchar_t text[128] = {};
    const int length = GetWindowTextW(label, text, 128);
    HDC dc = GetDC(label);
    HGDIOBJ previous =
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(label, WM_GETFONT, 0, 0)));
    SIZE extent = {};
    GetTextExtentPoint32W(dc, text, length, &extent);
    SelectObject(dc, previous);
    ReleaseDC(label, dc);
    RECT rect;
    GetClientRect(label, &rect);
    EXPECT_GE(rect.right, extent.cx) << length;
    EXPECT_GE(rect.bottom, extent.cy);
    RECT inBox;
    GetWindowRect(label, &inBox);
    MapWindowPoints(nullptr, box, reinterpret_cast<POINT*>(&inBox), 2);
    RECT client;
    GetClientRect(box, &client);
    EXPECT_LE(inBox.right, client.right);
}

POINT centreOf(HWND window) {
    RECT rect;
    GetWindowRect(window, &rect);
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

TEST_F(AboutBoxTest, OpensAsItsTemplateLaysItOut) {
    inAboutBox([&](HWND about) {
        expectControlsAsTemplate(
            about,
            {
                {"Static", -1, box(17, 7, 21, 21), nullptr, SS_ICON, 0, TemplateSize::Ignored},
                {"Static", -1, box(43, 5, 137, 32), nullptr, SS_CENTER, 0},
                {"Static", -1, box(7, 38, 166, 1), "", SS_ETCHEDHORZ, 0, TemplateSize::Ignored},
                // The links grow to their texts where the font needs more room.
                {"Static", IDC_HOME_PAGE_LINK, box(32, 50, 116, 10),
                 "https://kestrave.example.org/", 0, 0, TemplateSize::Ignored},
                {"Static", IDC_MAIL_LINK, box(36, 68, 108, 10), "author@kestrave.example.org", 0, 0,
                 TemplateSize::Ignored},
                {"Static", -1, box(7, 87, 166, 1), "", SS_ETCHEDHORZ, 0, TemplateSize::Ignored},
                {"Button", IDOK, box(69, 95, 50, 14), "确定", BS_DEFPUSHBUTTON, 0},
            });
        expectDialogFrame(about, 189, 116);
        for (HWND label : {homePageLabel(about), mailLabel(about)}) expectTextFits(label, about);
        expectCentred(about);
        EXPECT_EQ(controlText(about).rfind("关于本程序", 0), 0u) << controlText(about);
        EXPECT_EQ(GetWindow(about, GW_OWNER), main().window());
        EXPECT_NE(SendMessageA(about, WM_GETICON, ICON_BIG, 0), 0);

        HWND icon = GetWindow(about, GW_CHILD);
        EXPECT_NE(SendMessageA(icon, STM_GETICON, 0, 0), 0);
        std::string name = controlText(GetWindow(icon, GW_HWNDNEXT));
        std::string firstLine = name.substr(0, name.find_first_of("\r\n"));
        EXPECT_NE(firstLine.find("Kestrave"), std::string::npos) << name;
        EXPECT_NE(firstLine.find("Ver 3.0"), std::string::npos) << name;

        for (HWND label : {homePageLabel(about), mailLabel(about)}) {
            EXPECT_EQ(GetWindowLongPtrW(label, GWLP_WNDPROC),
                      reinterpret_cast<LONG_PTR>(LinkLabelProc));
            EXPECT_NE(GetWindowLongPtrA(label, GWLP_USERDATA), 0) << "the static's own procedure";
        }
        closeWithOk(about);
    });
}

TEST_F(AboutBoxTest, ALinkOpensOnTheReleaseOfTheButtonNotOnThePress) {
    inAboutBox([&](HWND box) {
        SendMessageA(homePageLabel(box), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
        EXPECT_TRUE(openedLinks.empty());
        EXPECT_EQ(SendMessageA(homePageLabel(box), WM_LBUTTONUP, 0, MAKELPARAM(3, 3)), 0);
        ASSERT_EQ(openedLinks.size(), 1u);
        EXPECT_EQ(openedLinks[0], "https://kestrave.example.org/");

        // Pressed over the home page, released over the mail link: the mail link opens.
        SendMessageA(homePageLabel(box), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
        SendMessageA(mailLabel(box), WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
        ASSERT_EQ(openedLinks.size(), 2u);
        EXPECT_EQ(openedLinks[1], cp936FromUtf8(MailLinkUtf8))
            << "the subject as raw code page 936";

        // Released anywhere else: nothing.
        HWND name = GetWindow(GetWindow(box, GW_CHILD), GW_HWNDNEXT);
        SendMessageA(name, WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
        SendMessageA(box, WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
        EXPECT_EQ(openedLinks.size(), 2u);
        closeWithOk(box);
    });
    EXPECT_EQ(main().state().model.changeFlags, SiteChanged);
}

TEST_F(AboutBoxTest, TheLabelsTakeTheMouseAndShowTheHandCursor) {
    HCURSOR hand = handCursor();
    ASSERT_NE(hand, nullptr);
    ICONINFO info = {};
    ASSERT_TRUE(GetIconInfo(hand, &info));
    EXPECT_FALSE(info.fIcon);
    EXPECT_EQ(info.xHotspot, 5u);
    EXPECT_EQ(info.yHotspot, 0u);
    EXPECT_EQ(info.hbmColor, nullptr) << "monochrome";
    BITMAP mask = {};
    GetObjectA(info.hbmMask, sizeof mask, &mask);
    EXPECT_EQ(mask.bmWidth, 32);
    EXPECT_EQ(mask.bmHeight, 64);  // the AND and XOR masks, one above the other
    DeleteObject(info.hbmMask);

    inAboutBox([&](HWND box) {
        for (HWND label : {homePageLabel(box), mailLabel(box)}) {
            EXPECT_EQ(SendMessageA(label, WM_NCHITTEST, 0, 0), HTCLIENT);
            SetCursor(nullptr);
            EXPECT_EQ(SendMessageA(label, WM_SETCURSOR, reinterpret_cast<WPARAM>(label),
                                   MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)),
                      0);
            EXPECT_EQ(GetCursor(), hand);
            // Elsewhere in the box the pointer is the arrow again.
            SendMessageA(box, WM_SETCURSOR, reinterpret_cast<WPARAM>(box),
                         MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
            EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_ARROW));
        }
        closeWithOk(box);
    });
}

TEST_F(AboutBoxTest, TheRealPointerOverALabelIsTheHandAndAClickOpensItsLink) {
    inAboutBox([&](HWND box) {
        SetForegroundWindow(box);
        POINT over = centreOf(mailLabel(box));
        SetCursorPos(over.x, over.y);
        pumpDialog(box);
        EXPECT_EQ(WindowFromPoint(over), mailLabel(box));
        EXPECT_EQ(GetCursor(), handCursor());

        INPUT clicks[2] = {};
        clicks[0].type = INPUT_MOUSE;
        clicks[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
        clicks[1].type = INPUT_MOUSE;
        clicks[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
        SendInput(1, &clicks[0], sizeof(INPUT));
        pumpDialog(box);
        EXPECT_TRUE(openedLinks.empty()) << "opened on the press";
        SendInput(1, &clicks[1], sizeof(INPUT));
        pumpDialog(box);
        ASSERT_EQ(openedLinks.size(), 1u);
        EXPECT_EQ(openedLinks[0], cp936FromUtf8(MailLinkUtf8));

        POINT elsewhere = centreOf(GetDlgItem(box, IDOK));
        SetCursorPos(elsewhere.x, elsewhere.y - 20);
        pumpDialog(box);
        EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_ARROW));
        closeWithOk(box);
    });
}

TEST_F(AboutBoxTest, EachLabelDrawsBlueUnderlinedTextWithItsOwnFontReleasedAtTheClose) {
    HFONT fonts[2] = {};
    inAboutBox([&](HWND box) {
        HWND labels[2] = {homePageLabel(box), mailLabel(box)};
        for (int i = 0; i < 2; ++i) {
            HDC dc = GetDC(labels[i]);
            HGDIOBJ original = GetCurrentObject(dc, OBJ_FONT);
            for (int paint = 0; paint < 2; ++paint) {
                LRESULT brush = SendMessageA(box, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                             reinterpret_cast<LPARAM>(labels[i]));
                EXPECT_EQ(reinterpret_cast<HGDIOBJ>(brush), GetStockObject(NULL_BRUSH));
                EXPECT_EQ(GetTextColor(dc), RGB(0, 0, 255));
                EXPECT_EQ(GetBkColor(dc), GetSysColor(COLOR_MENU));
                auto font = static_cast<HFONT>(GetCurrentObject(dc, OBJ_FONT));
                if (paint == 0) {
                    fonts[i] = font;
                } else {
                    EXPECT_EQ(font, fonts[i]) << "one font per label, not one per drawing";
                }
            }
            // The box's font, underlined; the label itself draws with it too.
            LOGFONTA underlined = {};
            LOGFONTA boxFont = {};
            GetObjectA(fonts[i], sizeof underlined, &underlined);
            GetObjectA(reinterpret_cast<HFONT>(SendMessageA(box, WM_GETFONT, 0, 0)), sizeof boxFont,
                       &boxFont);
            EXPECT_TRUE(underlined.lfUnderline);
            EXPECT_FALSE(boxFont.lfUnderline);
            EXPECT_STREQ(underlined.lfFaceName, boxFont.lfFaceName);
            EXPECT_EQ(underlined.lfHeight, boxFont.lfHeight);
            EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(labels[i], WM_GETFONT, 0, 0)), fonts[i]);
            SelectObject(dc, original);
            ReleaseDC(labels[i], dc);
        }
        EXPECT_NE(fonts[0], fonts[1]);
        EXPECT_EQ(GetObjectType(fonts[0]), static_cast<DWORD>(OBJ_FONT));

        // The name is coloured as any static.
        HWND name = GetWindow(GetWindow(box, GW_CHILD), GW_HWNDNEXT);
        HDC dc = GetDC(name);
        LRESULT brush = SendMessageA(box, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                     reinterpret_cast<LPARAM>(name));
        EXPECT_NE(reinterpret_cast<HGDIOBJ>(brush), GetStockObject(NULL_BRUSH));
        EXPECT_NE(GetTextColor(dc), RGB(0, 0, 255));
        ReleaseDC(name, dc);
        closeWithOk(box);
    });
    EXPECT_EQ(GetObjectType(fonts[0]), 0u) << "released when the box closed";
    EXPECT_EQ(GetObjectType(fonts[1]), 0u);
}

enum class CloseWay { EnterKey, OkButton, CloseBox };

class AboutBoxCloseTest : public AboutBoxTest, public ::testing::WithParamInterface<CloseWay> {};

TEST_P(AboutBoxCloseTest, EscapeLeavesTheBoxOpenAndEachWayToCloseEndsIt) {
    bool closed = false;
    inAboutBox([&](HWND box) {
        pressDialogKey(box, GetDlgItem(box, IDOK), VK_ESCAPE);
        SendMessageA(box, WM_COMMAND, IDCANCEL, 0);
        // Only a parameter of exactly 1 closes: not a command 1 with a notification code.
        SendMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, 1), 0);
        pumpDialog(box);
        ASSERT_TRUE(IsWindowVisible(box));
        switch (GetParam()) {
            case CloseWay::EnterKey:
                pressDialogKey(box, GetDlgItem(box, IDOK), VK_RETURN);
                break;
            case CloseWay::OkButton:
                closeWithOk(box);
                break;
            case CloseWay::CloseBox:
                SendMessageA(box, WM_SYSCOMMAND, SC_CLOSE, 0);
                pumpDialog(box);
                break;
        }
        closed = !IsWindowVisible(box);
    });
    EXPECT_TRUE(closed);
    EXPECT_TRUE(openedLinks.empty());
    EXPECT_TRUE(IsWindowEnabled(main().window()));
    EXPECT_EQ(main().state().model.changeFlags, SiteChanged);
}

INSTANTIATE_TEST_SUITE_P(EachWayToClose, AboutBoxCloseTest,
                         ::testing::Values(CloseWay::EnterKey, CloseWay::OkButton,
                                           CloseWay::CloseBox));

}  // namespace
