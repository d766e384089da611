#pragma once
// Typing limits in bytes of code page 936, as the program counts every text.
// A Unicode edit control counts characters, so the limit is kept here: a
// keystroke that would pass it is refused, a paste keeps the whole
// characters that fit, and a character with no code page 936 form is never
// let in, so that what a box shows is what the program stores and compares.

#include <windows.h>

#include <cstddef>

// Limits an edit control, or the edit field of a combo box, to `limit` bytes
// (and to as many characters, EM_LIMITTEXT).
void limitTypingToBytes(HWND edit, std::size_t limit);

// The edit field inside a combo box with an editable field.
HWND comboBoxEditField(HWND comboBox);
