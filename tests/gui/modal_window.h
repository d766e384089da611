#pragma once
// Driving a modal window (a dialog or a message box) from inside its own
// message loop, the way a user acts on it while DialogBoxParamW or
// MessageBoxW waits.

#include <windows.h>

#include <functional>
#include <string>

// Calls `open`, which opens a modal window owned by `owner` and returns once
// it has ended; as soon as that window is shown, `script` runs inside its
// loop with the window's handle and is expected to close it. A window left
// open by the script is ended (and the test fails), so a test never hangs.
void whileModalOpen(HWND owner, const std::function<void()>& open,
                    const std::function<void(HWND window)>& script);

// A key pressed while `focus` has the focus, passed through IsDialogMessageW
// as the window's loop passes it, then the messages it led to.
void pressDialogKey(HWND window, HWND focus, UINT key);

// Runs the messages waiting in the queue through the window's dialog handling.
void pumpDialog(HWND window);

// A control's text as UTF-8.
std::string controlText(HWND control);

// Windows' wide text and UTF-8, for comparing with expected texts.
std::string utf8FromWide(const std::wstring& wide);
std::wstring wideFromUtf8(const std::string& utf8);

// Replaces an edit box's text; the box tells its dialog as after any change.
void setEditText(HWND edit, const std::string& utf8);

// Types the characters into the box as the keyboard would.
void typeInto(HWND edit, const std::wstring& characters);

// A cell of a dialog's list view (up to 127 characters), as UTF-8.
std::string listCellText(HWND list, int row, int column);
