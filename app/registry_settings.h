#pragma once
// The settings store's four value operations over the registry.
//
// The values live under SettingsKeyPath in HKEY_LOCAL_MACHINE, where earlier
// versions kept them. Ordinary users may not write that hive, so every value
// is written to HKEY_CURRENT_USER as well, and read from there when it is
// there. Every operation opens and closes the keys it uses; failures are silent.
//
// String values hold the code page 936 texts as their Unicode characters
// (REG_SZ, read and written with the W functions and converted here), so
// that they read the same on every code page; Data keeps its bytes.

#include <windows.h>

#include "data/settings_store.h"

extern const char SettingsKeyPath[];  // "Software\Orlek Software\Kestrave"

class RegistrySettingsBackend final : public SettingsBackend {
public:
    bool readStringValue(const char* name, char* field, std::size_t capacity) override;
    bool readBinaryValue(const char* name, char* buffer, std::size_t capacity,
                         std::size_t* size) override;
    void writeStringValue(const char* name, const char* text) override;
    void writeBinaryValue(const char* name, const char* bytes, std::size_t size) override;
};
