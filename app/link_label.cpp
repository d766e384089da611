#include "app/link_label.h"

#include <shellapi.h>

#include <initializer_list>
#include <string>

#include "app/app_texts.h"
#include "app/control_text.h"
#include "app/dialog_procedure.h"
#include "res/resource_ids.h"

const char* const HomePageUrl = "https://kestrave.example.org/";
const char* const MailLink = app_text::MailLink;

namespace {

constexpr COLORREF LinkTextColour = RGB(0, 0, 255);

LinkLabelHost* hostOf(HWND label) {
    return reinterpret_cast<LinkLabelHost*>(GetWindowLongPtrW(GetParent(label), DWLP_USER));
}

HFONT* fontSlot(LinkLabelHost& host, int controlId) {
    switch (controlId) {
        case IDC_HOME_PAGE_LINK:
            return &host.homePageFont;
        case IDC_MAIL_LINK:
            return &host.mailFont;
        default:
            return nullptr;
    }
}

// The label's own font, underlined.
HFONT underlinedFontOf(HWND label) {
    auto font = reinterpret_cast<HFONT>(SendMessageW(label, WM_GETFONT, 0, 0));
    if (font == nullptr) {
        font = static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
    }
    LOGFONTW description = {};
    if (GetObjectW(font, sizeof description, &description) == 0) {
        return nullptr;
    }
    description.lfUnderline = TRUE;
    return CreateFontIndirectW(&description);
}

}  // namespace

void openWithShell(const char* target) {
    // The mail subject goes as its characters, not percent-encoded.
    ShellExecuteW(nullptr, nullptr, wideText(target).c_str(), nullptr, nullptr, SW_SHOW);
}

const char* linkTarget(int controlId) {
    switch (controlId) {
        case IDC_HOME_PAGE_LINK:
            return HomePageUrl;
        case IDC_MAIL_LINK:
            return MailLink;
        default:
            return nullptr;
    }
}

void installLinkLabel(HWND label) {
    LONG_PTR previous =
        SetWindowLongPtrW(label, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(LinkLabelProc));
    SetWindowLongPtrW(label, GWLP_USERDATA, previous);
}

namespace {

LRESULT handleLinkLabelMessage(HWND label, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_LBUTTONUP: {
            // On the release, not the press.
            LinkLabelHost* host = hostOf(label);
            const char* target = linkTarget(GetDlgCtrlID(label));
            if (host != nullptr && host->openLink != nullptr && target != nullptr) {
                host->openLink(target);
            }
            return 0;
        }
        case WM_NCHITTEST:
            // A static is transparent to the mouse unless it says otherwise.
            return HTCLIENT;
        case WM_SETCURSOR: {
            LinkLabelHost* host = hostOf(label);
            if (host != nullptr) {
                SetCursor(host->handCursor);
            }
            return 0;
        }
        default: {
            auto previous = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(label, GWLP_USERDATA));
            if (previous == nullptr) {
                return DefWindowProcW(label, message, wParam, lParam);
            }
            return CallWindowProcW(previous, label, message, wParam, lParam);
        }
    }
}

}  // namespace

LRESULT CALLBACK LinkLabelProc(HWND label, UINT message, WPARAM wParam, LPARAM lParam) {
    return withoutExceptions([&] { return handleLinkLabelMessage(label, message, wParam, lParam); },
                             static_cast<LRESULT>(0));
}

HBRUSH colourLinkLabel(LinkLabelHost& host, HDC dc, HWND label) {
    HFONT* font = fontSlot(host, GetDlgCtrlID(label));
    if (font == nullptr) {
        return nullptr;
    }
    if (*font == nullptr) {
        *font = underlinedFontOf(label);
        if (*font != nullptr) {
            // Made the label's own font as well: a static that selects its
            // font after asking for its colours (Wine's does) would otherwise
            // draw without the underline.
            SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(*font), FALSE);
        }
    }
    if (*font != nullptr) {
        SelectObject(dc, *font);
    }
    SetTextColor(dc, LinkTextColour);
    SetBkColor(dc, GetSysColor(COLOR_MENU));
    return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
}

void releaseLinkFonts(LinkLabelHost& host, HWND box) {
    // The labels go back to the box's font, so that nothing refers to the deleted ones.
    WPARAM boxFont = static_cast<WPARAM>(SendMessageW(box, WM_GETFONT, 0, 0));
    for (int id : {IDC_HOME_PAGE_LINK, IDC_MAIL_LINK}) {
        HFONT* font = fontSlot(host, id);
        if (*font != nullptr) {
            SendMessageW(GetDlgItem(box, id), WM_SETFONT, boxFont, FALSE);
            DeleteObject(*font);
            *font = nullptr;
        }
    }
}
