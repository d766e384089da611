#pragma once
// The main window hosted inside the test program: created from template
// 2000 with MainWindowProc, driven with the messages a user's actions send,
// and read back through its controls. Texts go in and come out as UTF-8.

#include <windows.h>

#include <memory>
#include <string>

#include "app/main_window.h"

class HostedMainWindow {
public:
    // Creates the window; its initialisation reads the settings as they stand.
    HostedMainWindow();
    ~HostedMainWindow();
    HostedMainWindow(const HostedMainWindow&) = delete;
    HostedMainWindow& operator=(const HostedMainWindow&) = delete;

    HWND window() const { return window_; }
    HWND item(int id) const { return GetDlgItem(window_, id); }
    MainWindowState& state() { return *state_; }

    // The control's text.
    std::string text(int id) const;
    bool enabled(int id) const { return IsWindowEnabled(item(id)) != FALSE; }
    // MF_GRAYED, MF_ENABLED (0), ... of a menu command, as GetMenuState gives it.
    bool menuCommandEnabled(int command) const;

    int rowCount() const;
    std::string cell(int row, int column) const;
    // The first row whose longitude cell holds `longitude`, or -1.
    int rowWithLongitude(const std::string& longitude) const;
    void selectRow(int row);

    // Types into the city box's edit field, one character at a time.
    void typeIntoCityBox(const std::wstring& characters);
    // Selects the edit field's whole text and deletes it, as Backspace would.
    void emptyCityBox();
    // Picks the list entry with exactly this text, as a click in the drop-down list does.
    void chooseCity(const std::string& name);
    // Replaces a coordinate box's text (the box notifies as after any change).
    void setBoxText(int id, const std::string& text);

    void command(int id);
    // A key pressed while `focus` has the focus, through IsDialogMessage.
    void pressKey(int focus, UINT key);
    // The notification a click on a column header makes the table send.
    void clickColumnHeader(int column);
    // What the window does before a pop-up menu opens.
    void initMenuPopup(int menuIndex);

    // The close box (WM_SYSCOMMAND SC_CLOSE), WM_CLOSE or IDM_EXIT.
    void closeWithCloseBox();
    void closeWithMessage();
    // True once the window has ended its dialog (and so hidden itself).
    bool ended() const { return !IsWindowVisible(window_); }

    // Runs the messages waiting in the queue.
    void pumpMessages();

private:
    std::unique_ptr<MainWindowState> state_;
    HWND window_ = nullptr;
};

// The window's strings as UTF-8, for comparing with expected texts.
std::string utf8(const char* cp936);
