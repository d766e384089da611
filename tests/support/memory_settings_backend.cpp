#include "tests/support/memory_settings_backend.h"

#include <cstring>

bool MemorySettingsBackend::readStringValue(const char* name, char* field, std::size_t capacity) {
    if (capacity > 0) field[0] = '\0';
    auto found = values.find(name);
    if (found == values.end() || found->second.bytes.size() > capacity) return false;
    std::memcpy(field, found->second.bytes.data(), found->second.bytes.size());
    return true;
}

bool MemorySettingsBackend::readBinaryValue(const char* name, char* buffer, std::size_t capacity,
                                            std::size_t* size) {
    auto found = values.find(name);
    if (found == values.end() || found->second.bytes.size() > capacity) return false;
    std::memcpy(buffer, found->second.bytes.data(), found->second.bytes.size());
    *size = found->second.bytes.size();
    return true;
}

void MemorySettingsBackend::writeStringValue(const char* name, const char* text) {
    values[name] = Value{ValueType::Text, std::string(text, std::strlen(text) + 1)};
}

void MemorySettingsBackend::writeBinaryValue(const char* name, const char* bytes,
                                             std::size_t size) {
    values[name] = Value{ValueType::Binary, std::string(bytes, size)};
}
