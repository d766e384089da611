#pragma once
// The settings store's four values in plain memory, for the tests and the
// fuzz targets, with the registry's rules for reading.

#include <cstddef>
#include <map>
#include <string>

#include "data/settings_store.h"

class MemorySettingsBackend final : public SettingsBackend {
public:
    enum class ValueType { Text, Binary };
    struct Value {
        ValueType type;
        std::string bytes;
    };

    bool readStringValue(const char* name, char* field, std::size_t capacity) override;
    bool readBinaryValue(const char* name, char* buffer, std::size_t capacity,
                         std::size_t* size) override;
    void writeStringValue(const char* name, const char* text) override;
    void writeBinaryValue(const char* name, const char* bytes, std::size_t size) override;

    std::map<std::string, Value> values;
};

// A store holding one text value of these bytes, or none for "absent".
inline MemorySettingsBackend storeWithText(const char* name, const std::string& bytes) {
    MemorySettingsBackend store;
    if (bytes != "absent") store.values[name] = {MemorySettingsBackend::ValueType::Text, bytes};
    return store;
}
