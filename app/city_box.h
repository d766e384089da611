#pragma once
// The city box (a drop-down combo box) and the gazetteer's names.

#include <windows.h>

#include <cstddef>

// Appends every gazetteer name, in table order, to the city box's list.
void fillCityBox(HWND cityBox);

// Reads the text of the city box's list entry `index` into `buffer`: at most
// capacity - 1 bytes, always NUL-terminated; "" when there is no such entry.
void readCityListEntry(HWND cityBox, int index, char* buffer, std::size_t capacity);

// Selects the first list entry, searching from entry 1 and then entry 0,
// whose text begins with `name`.
void selectCityEntry(HWND cityBox, const char* name);
