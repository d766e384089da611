#pragma once
// The one way text crosses between the program and Windows. Texts inside the
// program are code page 936 bytes; Windows is handed UTF-16 (the W
// functions), converted here, whatever the system's code page.

#include <windows.h>

#include <cstddef>
#include <string>

// Reads the control's text into `buffer`: the whole buffer zero-filled, then
// at most capacity - 1 bytes of code page 936, never cut inside a character.
// Nothing is written when `capacity` is 0.
void readControlText(HWND control, char* buffer, std::size_t capacity);

// Sets the control's text from a NUL-terminated code page 936 text.
void setControlText(HWND control, const char* text);

// A code page 936 text as Windows' wide text, and back (a character with no
// code page 936 form becomes "?", as the system's own conversion makes it).
std::wstring wideText(const char* cp936);
std::string cp936Text(const wchar_t* text, std::size_t length);
inline std::string cp936Text(const std::wstring& text) {
    return cp936Text(text.data(), text.size());
}

// Copies a wide text into `buffer` as readControlText does.
void copyWideText(const wchar_t* text, std::size_t length, char* buffer, std::size_t capacity);
