#include "tests/gui/registry_fixture.h"

#include <vector>

#include "app/registry_settings.h"
#include "encoding/text_encoding.h"
#include "tests/gui/modal_window.h"

void removeStoredSettings() {
    RegDeleteTreeA(HKEY_CURRENT_USER, SettingsKeyPath);
    RegDeleteKeyA(HKEY_CURRENT_USER, SettingsKeyPath);
    RegDeleteTreeA(HKEY_LOCAL_MACHINE, SettingsKeyPath);
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, SettingsKeyPath);
}

void storeValue(HKEY root, const char* name, DWORD type, const std::string& bytes) {
    HKEY key;
    if (RegCreateKeyA(root, SettingsKeyPath, &key) != ERROR_SUCCESS) {
        return;
    }
    // The W function stores the bytes as they are, whatever the code page.
    RegSetValueExW(key, wideFromUtf8(name).c_str(), 0, type,
                   reinterpret_cast<const BYTE*>(bytes.data()), static_cast<DWORD>(bytes.size()));
    RegCloseKey(key);
}

void storeText(HKEY root, const char* name, const std::string& utf8) {
    storeValue(root, name, REG_SZ, storedTextBytes(utf8));
}

StoredValue readStoredValue(HKEY root, const char* name) {
    StoredValue value;
    HKEY key;
    if (RegOpenKeyExA(root, SettingsKeyPath, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) {
        return value;
    }
    DWORD size = 0;
    std::wstring wideName = wideFromUtf8(name);
    if (RegQueryValueExW(key, wideName.c_str(), nullptr, &value.type, nullptr, &size) ==
        ERROR_SUCCESS) {
        std::vector<char> bytes(size + 1);
        if (RegQueryValueExW(key, wideName.c_str(), nullptr, &value.type,
                             reinterpret_cast<BYTE*>(bytes.data()), &size) == ERROR_SUCCESS) {
            value.present = true;
            value.bytes.assign(bytes.data(), size);
        }
    }
    RegCloseKey(key);
    return value;
}

std::string storedTextBytes(const std::string& utf8) {
    // The text's UTF-16 characters and their NUL, as RegSetValueExA stores
    // the code page 936 text on a code page 936 system.
    std::u16string utf16;
    utf8ToUtf16(utf8, utf16);
    std::string bytes;
    for (char16_t unit : utf16 + u'\0') {
        bytes += static_cast<char>(unit & 0xFF);
        bytes += static_cast<char>(unit >> 8);
    }
    return bytes;
}
