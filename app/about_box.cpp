#include "app/about_box.h"

#include "app/centre_window.h"
#include "app/dialog_procedure.h"
#include "res/resource_ids.h"

namespace {

void onInitDialog(HWND box, LinkLabelHost& host) {
    auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(box, GWLP_HINSTANCE));
    HICON icon = LoadIconW(instance, MAKEINTRESOURCEW(IDI_KESTRAVE));
    SendMessageW(box, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    host.handCursor = LoadCursorW(instance, MAKEINTRESOURCEW(IDCUR_HAND));
    centreWindow(box);
    installLinkLabel(GetDlgItem(box, IDC_HOME_PAGE_LINK));
    installLinkLabel(GetDlgItem(box, IDC_MAIL_LINK));
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
            // Button 1 or Enter: the whole parameter is 1. Esc (2) does nothing.
            if (wParam == IDOK) {
                EndDialog(box, 0);
            }
            return TRUE;
        case WM_CLOSE:
            EndDialog(box, 0);
            return TRUE;
        case WM_DESTROY:
            releaseLinkFonts(host, box);
            return FALSE;
        default:
            return FALSE;
    }
}

}  // namespace

INT_PTR CALLBACK AboutBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
    return guardedDialogProc<LinkLabelHost, handle>(box, message, wParam, lParam);
}

void showAboutBox(HINSTANCE instance, HWND owner, LinkOpener openLink) {
    LinkLabelHost host;
    host.openLink = openLink;
    DialogBoxParamW(instance, MAKEINTRESOURCEW(IDD_ABOUT_BOX), owner, AboutBoxProc,
                    reinterpret_cast<LPARAM>(&host));
}
