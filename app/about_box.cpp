#include "app/about_box.h"

#include <string>

#include "app/centre_window.h"
#include "app/control_text.h"
#include "app/dialog_procedure.h"
#include "res/resource_ids.h"

namespace {

// The longest link text and its NUL.
constexpr std::size_t LinkTextCapacity = 128;

// A label as wide as the text it shows in the font it uses, never narrower
// than its template: at a higher DPI the font grows more than the dialog
// units, and the static would wrap the address or cut its last letter.
void fitLabelToText(HWND label) {
    char text[LinkTextCapacity];
    readControlText(label, text, sizeof text);
    const std::wstring wide = wideText(text);
    HDC dc = GetDC(label);
    if (dc == nullptr) return;
    HGDIOBJ previous =
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(label, WM_GETFONT, 0, 0)));
    SIZE extent = {};
    const bool measured =
        GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &extent) != FALSE;
    SelectObject(dc, previous);
    ReleaseDC(label, dc);
    if (!measured) return;
    RECT rect;
    GetClientRect(label, &rect);
    const int width = extent.cx + 1 > rect.right ? extent.cx + 1 : rect.right;
    const int height = extent.cy > rect.bottom ? extent.cy : rect.bottom;
    SetWindowPos(label, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void onInitDialog(HWND box, LinkLabelHost& host) {
    auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(box, GWLP_HINSTANCE));
    HICON icon = LoadIconW(instance, MAKEINTRESOURCEW(IDI_KESTRAVE));
    SendMessageW(box, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    host.handCursor = LoadCursorW(instance, MAKEINTRESOURCEW(IDCUR_HAND));
    centreWindow(box);
    installLinkLabel(GetDlgItem(box, IDC_HOME_PAGE_LINK));
    installLinkLabel(GetDlgItem(box, IDC_MAIL_LINK));
    fitLabelToText(GetDlgItem(box, IDC_HOME_PAGE_LINK));
    fitLabelToText(GetDlgItem(box, IDC_MAIL_LINK));
}

INT_PTR handle(HWND box, UINT message, WPARAM wParam, LPARAM lParam, LinkLabelHost& host) {
    switch (message) {
        case WM_INITDIALOG:
            onInitDialog(box, host);
            return TRUE;
        case WM_CTLCOLORSTATIC: {
            // A brush answers this message directly, not through DWLP_MSGRESULT.
            HBRUSH brush = colourLinkLabel(host, reinterpret_cast<HDC>(wParam),
                                           reinterpret_cast<HWND>(lParam));
            return reinterpret_cast<INT_PTR>(brush);  // null: the default colours
        }
        case WM_COMMAND:
            // IDOK or Enter: the whole parameter is IDOK. Esc (IDCANCEL) does nothing.
            if (wParam == IDOK) {
                EndDialog(box, 0);
            }
            return TRUE;
        case WM_DESTROY:
            releaseLinkFonts(host, box);
            return FALSE;
        default:
            return FALSE;
    }
}

}  // namespace

void showAboutBox(HINSTANCE instance, HWND owner, LinkOpener openLink) {
    LinkLabelHost host;
    host.openLink = openLink;
    runModalDialog<LinkLabelHost, handle>(instance, IDD_ABOUT_BOX, owner, host);
}
