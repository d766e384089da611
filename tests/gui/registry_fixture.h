#pragma once
// The settings key in both hives, as the GUI tests set it up and read it back.

#include <windows.h>

#include <string>

struct StoredValue {
    bool present = false;
    DWORD type = REG_NONE;
    std::string bytes;
};

// Removes the settings key from HKEY_CURRENT_USER and HKEY_LOCAL_MACHINE.
void removeStoredSettings();

void storeValue(HKEY root, const char* name, DWORD type, const std::string& bytes);
// A REG_SZ value holding the code page 936 form of `utf8` and its NUL.
void storeText(HKEY root, const char* name, const std::string& utf8);
StoredValue readStoredValue(HKEY root, const char* name);

// The bytes of a REG_SZ value written for the UTF-8 text: code page 936 and a NUL.
std::string storedTextBytes(const std::string& utf8);
