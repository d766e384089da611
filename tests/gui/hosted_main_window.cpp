#include "tests/gui/hosted_main_window.h"

#include <commctrl.h>

#include "data/satellite_table.h"
#include "encoding/text_encoding.h"
#include "res/resource_ids.h"
#include "tests/gui/modal_window.h"

namespace {

constexpr std::size_t ReadCapacity = 512;

void initCommonControlsOnce() {
    static const bool done = [] {
        INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES};
        return InitCommonControlsEx(&controls) != FALSE;
    }();
    (void)done;
}

HWND cityEditField(HWND cityBox) {
    COMBOBOXINFO info = {};
    info.cbSize = sizeof info;
    GetComboBoxInfo(cityBox, &info);
    return info.hwndItem;
}

}  // namespace

std::string utf8(const char* cp936) { return utf8FromCp936(cp936); }

HostedMainWindow::HostedMainWindow() : state_(std::make_unique<MainWindowState>()) {
    initCommonControlsOnce();
    state_->controls.instance = GetModuleHandleW(nullptr);
    window_ = createMainWindow(*state_);
    pumpMessages();
}

HostedMainWindow::~HostedMainWindow() {
    if (window_ != nullptr) {
        DestroyWindow(window_);
        pumpMessages();
    }
}

std::string HostedMainWindow::text(int id) const { return controlText(item(id)); }

bool HostedMainWindow::menuCommandEnabled(int command) const {
    UINT state = GetMenuState(GetMenu(window_), static_cast<UINT>(command), MF_BYCOMMAND);
    return state != static_cast<UINT>(-1) && (state & (MF_GRAYED | MF_DISABLED)) == 0;
}

int HostedMainWindow::rowCount() const {
    return static_cast<int>(SendMessageW(item(IDC_SATELLITE_TABLE), LVM_GETITEMCOUNT, 0, 0));
}

std::string HostedMainWindow::cell(int row, int column) const {
    wchar_t buffer[ReadCapacity] = {};
    LVITEMW cellItem = {};
    cellItem.iSubItem = column;
    cellItem.pszText = buffer;
    cellItem.cchTextMax = ReadCapacity;
    SendMessageW(item(IDC_SATELLITE_TABLE), LVM_GETITEMTEXTW, static_cast<WPARAM>(row),
                 reinterpret_cast<LPARAM>(&cellItem));
    return utf8FromWide(buffer);
}

int HostedMainWindow::rowWithLongitude(const std::string& longitude) const {
    for (int row = 0; row < rowCount(); ++row) {
        if (cell(row, ColumnLongitude) == longitude) {
            return row;
        }
    }
    return -1;
}

void HostedMainWindow::selectRow(int row) {
    LVITEMW selection = {};
    selection.stateMask = LVIS_SELECTED;
    selection.state = LVIS_SELECTED;
    SendMessageW(item(IDC_SATELLITE_TABLE), LVM_SETITEMSTATE, static_cast<WPARAM>(row),
                 reinterpret_cast<LPARAM>(&selection));
}

void HostedMainWindow::typeIntoCityBox(const std::wstring& characters) {
    HWND edit = cityEditField(item(IDC_CITY));
    SetFocus(edit);
    for (wchar_t character : characters) {
        SendMessageW(edit, WM_CHAR, character, 1);
    }
    pumpMessages();
}

void HostedMainWindow::emptyCityBox() {
    HWND edit = cityEditField(item(IDC_CITY));
    SetFocus(edit);
    SendMessageW(edit, EM_SETSEL, 0, -1);
    SendMessageW(edit, WM_CHAR, VK_BACK, 1);
    pumpMessages();
}

void HostedMainWindow::chooseCity(const std::string& name) {
    HWND cityBox = item(IDC_CITY);
    std::wstring entry = wideFromUtf8(name);
    LRESULT index = SendMessageW(cityBox, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                 reinterpret_cast<LPARAM>(entry.c_str()));
    SendMessageW(cityBox, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendMessageW(window_, WM_COMMAND, MAKEWPARAM(IDC_CITY, CBN_SELENDOK),
                 reinterpret_cast<LPARAM>(cityBox));
    pumpMessages();
}

void HostedMainWindow::setBoxText(int id, const std::string& text) {
    setEditText(item(id), text);
    pumpMessages();
}

void HostedMainWindow::command(int id) {
    SendMessageW(window_, WM_COMMAND, MAKEWPARAM(id, 0), 0);
    pumpMessages();
}

void HostedMainWindow::pressKey(int focus, UINT key) {
    HWND target = item(focus);
    if (focus == IDC_CITY) {
        target = cityEditField(target);
    }
    pressDialogKey(window_, target, key);
}

void HostedMainWindow::clickColumnHeader(int column) {
    // The header tells the table about the click, and the table tells the window.
    HWND table = item(IDC_SATELLITE_TABLE);
    HWND header = reinterpret_cast<HWND>(SendMessageW(table, LVM_GETHEADER, 0, 0));
    NMHEADERW click = {};
    click.hdr.hwndFrom = header;
    click.hdr.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(header));
    click.hdr.code = HDN_ITEMCLICKW;
    click.iItem = column;
    click.iButton = 0;
    SendMessageW(table, WM_NOTIFY, click.hdr.idFrom, reinterpret_cast<LPARAM>(&click));
    pumpMessages();
}

void HostedMainWindow::initMenuPopup(int menuIndex) {
    HMENU popup = GetSubMenu(GetMenu(window_), menuIndex);
    SendMessageW(window_, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup),
                 MAKELPARAM(menuIndex, FALSE));
}

void HostedMainWindow::closeWithCloseBox() {
    SendMessageW(window_, WM_SYSCOMMAND, SC_CLOSE, 0);
    pumpMessages();
}

void HostedMainWindow::closeWithMessage() {
    SendMessageW(window_, WM_CLOSE, 0, 0);
    pumpMessages();
}

void HostedMainWindow::pumpMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (window_ == nullptr || !IsDialogMessageW(window_, &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
}
