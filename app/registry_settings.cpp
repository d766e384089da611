#include "app/registry_settings.h"

#include <climits>
#include <cstring>

const char SettingsKeyPath[] = "Software\\Orlek Software\\Kestrave";

namespace {

// Where a value is looked for first, and where the program has always kept it.
const HKEY ReadOrder[] = {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE};
const HKEY WriteOrder[] = {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER};

enum class ReadOutcome { Read, Failed, Absent };

// Reads one value of one hive into `buffer` (at most `capacity` bytes).
ReadOutcome readValue(HKEY root, const char* name, char* buffer, std::size_t capacity,
                      DWORD* size) {
    HKEY key;
    LONG status = RegOpenKeyExA(root, SettingsKeyPath, 0, KEY_QUERY_VALUE, &key);
    if (status != ERROR_SUCCESS) {
        // A hive whose key cannot be opened has nothing to offer: look further.
        return ReadOutcome::Absent;
    }
    *size = capacity > ULONG_MAX ? ULONG_MAX : static_cast<DWORD>(capacity);
    status = RegQueryValueExA(key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(buffer), size);
    RegCloseKey(key);
    if (status == ERROR_SUCCESS) {
        return ReadOutcome::Read;
    }
    return status == ERROR_FILE_NOT_FOUND ? ReadOutcome::Absent : ReadOutcome::Failed;
}

// The value from the first hive that has it; a value that is there but
// cannot be read (too long, say) is not looked for further.
bool readFirstPresent(const char* name, char* buffer, std::size_t capacity, DWORD* size) {
    for (HKEY root : ReadOrder) {
        ReadOutcome outcome = readValue(root, name, buffer, capacity, size);
        if (outcome != ReadOutcome::Absent) {
            return outcome == ReadOutcome::Read;
        }
    }
    return false;
}

void writeValue(const char* name, DWORD type, const char* bytes, DWORD size) {
    for (HKEY root : WriteOrder) {
        HKEY key;
        if (RegCreateKeyA(root, SettingsKeyPath, &key) != ERROR_SUCCESS) {
            continue;
        }
        RegSetValueExA(key, name, 0, type, reinterpret_cast<const BYTE*>(bytes), size);
        RegCloseKey(key);
    }
}

}  // namespace

bool RegistrySettingsBackend::readStringValue(const char* name, char* field, std::size_t capacity) {
    if (capacity == 0) {
        return false;
    }
    field[0] = '\0';
    DWORD size = 0;
    if (!readFirstPresent(name, field, capacity, &size)) {
        std::memset(field, 0, capacity);
        return false;
    }
    return true;
}

bool RegistrySettingsBackend::readBinaryValue(const char* name, char* buffer, std::size_t capacity,
                                              std::size_t* size) {
    DWORD read = 0;
    if (!readFirstPresent(name, buffer, capacity, &read)) {
        *size = 0;
        return false;
    }
    *size = read;
    return true;
}

void RegistrySettingsBackend::writeStringValue(const char* name, const char* text) {
    writeValue(name, REG_SZ, text, static_cast<DWORD>(std::strlen(text) + 1));
}

void RegistrySettingsBackend::writeBinaryValue(const char* name, const char* bytes,
                                               std::size_t size) {
    if (size > ULONG_MAX) {
        return;
    }
    writeValue(name, REG_BINARY, bytes, static_cast<DWORD>(size));
}
