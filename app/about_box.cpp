#include "app/about_box.h"

#include "app/centre_window.h"
#include "app/link_label.h"
#include "app/main_window.h"
#include "res/resource_ids.h"

namespace {

void onInitDialog(HWND box, LinkLabelHost& host) {
    auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(box, GWLP_HINSTANCE));
    HICON icon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_KESTRAVE));
    SendMessageA(box, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    host.handCursor = LoadCursorA(instance, MAKEINTRESOURCEA(IDCUR_HAND));
    centreWindow(box);
    installLinkLabel(GetDlgItem(box, IDC_HOME_PAGE_LINK));
    installLinkLabel(GetDlgItem(box, IDC_MAIL_LINK));
}

INT_PTR dispatch(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrA(box, DWLP_USER, lParam);
        onInitDialog(box, *reinterpret_cast<LinkLabelHost*>(lParam));
        return TRUE;
    }
    auto* host = reinterpret_cast<LinkLabelHost*>(GetWindowLongPtrA(box, DWLP_USER));
    if (host == nullptr) {
        return FALSE;
    }
    switch (message) {
        case WM_CTLCOLORSTATIC: {
            // A brush answers this message directly, not through DWLP_MSGRESULT.
            HBRUSH brush = colourLinkLabel(*host, reinterpret_cast<HDC>(wParam),
                                           reinterpret_cast<HWND>(lParam));
            return reinterpret_cast<INT_PTR>(brush);  // null: the default colours
        }
        case WM_COMMAND:
            // Button 1 or Enter: the whole parameter is 1. Esc (2) does nothing.
            if (wParam == IDOK) {
                EndDialog(box, 0);
            }
            return TRUE;
        case WM_CLOSE:
            EndDialog(box, 0);
            return TRUE;
        case WM_DESTROY:
            releaseLinkFonts(*host, box);
            return FALSE;
        default:
            return FALSE;
    }
}

}  // namespace

INT_PTR CALLBACK AboutBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
    // Nothing may be thrown back into the window manager.
    try {
        return dispatch(box, message, wParam, lParam);
    } catch (...) {
        return TRUE;
    }
}

void showAboutBox(MainWindowState& state) {
    LinkLabelHost host;
    host.openLink = state.openLink;
    DialogBoxParamA(state.instance, MAKEINTRESOURCEA(IDD_ABOUT_BOX), state.window, AboutBoxProc,
                    reinterpret_cast<LPARAM>(&host));
}
