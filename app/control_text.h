#pragma once
// The one way text crosses between the program and its controls. Texts are
// code page 936 bytes; the controls keep them in whatever form they like.

#include <windows.h>

#include <cstddef>

// Reads the control's text into `buffer`: at most capacity - 1 bytes, always
// NUL-terminated. Nothing is written when `capacity` is 0.
void readControlText(HWND control, char* buffer, std::size_t capacity);

// Sets the control's text from a NUL-terminated code page 936 text.
void setControlText(HWND control, const char* text);
