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
// A REG_SZ value holding `utf8` as Windows stores a text: UTF-16 and a NUL.
void storeText(HKEY root, const char* name, const std::string& utf8);
StoredValue readStoredValue(HKEY root, const char* name);

// The bytes of a REG_SZ value written for the UTF-8 text: UTF-16LE and a NUL, which
// is what RegSetValueExA stores for its code page 936 form on a 936 system.
std::string storedTextBytes(const std::string& utf8);
