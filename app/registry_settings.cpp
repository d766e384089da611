#include "app/registry_settings.h"

#include <climits>
#include <cstring>
#include <string>
#include <vector>

#include "app/control_text.h"

const char SettingsKeyPath[] = "Software\\Orlek Software\\Kestrave";

namespace {

// Where a value is looked for first, and where the program has always kept it.
const HKEY ReadOrder[] = {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE};
const HKEY WriteOrder[] = {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER};

enum class ReadOutcome { Read, Failed, Absent };

bool isStringType(DWORD type) {
    return type == REG_SZ || type == REG_EXPAND_SZ || type == REG_MULTI_SZ;
}

// A value's bytes as the program keeps them: a string value's UTF-16
// characters in code page 936, any other value's bytes as they are.
std::string programBytes(DWORD type, const std::vector<BYTE>& stored, DWORD size) {
    if (!isStringType(type)) {
        return std::string(reinterpret_cast<const char*>(stored.data()), size);
    }
    std::wstring text(size / sizeof(wchar_t), L'\0');
    std::memcpy(text.data(), stored.data(), text.size() * sizeof(wchar_t));
    return cp936Text(text);
}

// Reads one value of one hive into `buffer` (at most `capacity` bytes).
ReadOutcome readValue(HKEY root, const char* name, char* buffer, std::size_t capacity,
                      std::size_t* size) {
    HKEY key;
    LONG status = RegOpenKeyExW(root, wideText(SettingsKeyPath).c_str(), 0, KEY_QUERY_VALUE, &key);
    if (status != ERROR_SUCCESS) {
        // A hive whose key cannot be opened has nothing to offer: look further.
        return ReadOutcome::Absent;
    }
    // A string that fits in `capacity` bytes of code page 936 takes at most
    // twice as many in UTF-16; a longer value is too long in any form.
    const std::size_t room = capacity > ULONG_MAX / 2 - 2 ? ULONG_MAX : capacity * 2 + 2;
    std::vector<BYTE> stored(room);
    DWORD type = REG_NONE;
    DWORD storedSize = static_cast<DWORD>(room);
    status =
        RegQueryValueExW(key, wideText(name).c_str(), nullptr, &type, stored.data(), &storedSize);
    RegCloseKey(key);
    if (status != ERROR_SUCCESS) {
        return status == ERROR_FILE_NOT_FOUND ? ReadOutcome::Absent : ReadOutcome::Failed;
    }
    std::string bytes = programBytes(type, stored, storedSize);
    if (bytes.size() > capacity) {
        return ReadOutcome::Failed;
    }
    std::memcpy(buffer, bytes.data(), bytes.size());
    *size = bytes.size();
    return ReadOutcome::Read;
}

// The value from the first hive that has it; a value that is there but
// cannot be read (too long, say) is not looked for further.
bool readFirstPresent(const char* name, char* buffer, std::size_t capacity, std::size_t* size) {
    for (HKEY root : ReadOrder) {
        ReadOutcome outcome = readValue(root, name, buffer, capacity, size);
        if (outcome != ReadOutcome::Absent) {
            return outcome == ReadOutcome::Read;
        }
    }
    return false;
}

void writeValue(const char* name, DWORD type, const void* bytes, DWORD size) {
    for (HKEY root : WriteOrder) {
        HKEY key;
        if (RegCreateKeyW(root, wideText(SettingsKeyPath).c_str(), &key) != ERROR_SUCCESS) {
            continue;
        }
        RegSetValueExW(key, wideText(name).c_str(), 0, type, static_cast<const BYTE*>(bytes), size);
        RegCloseKey(key);
    }
}

}  // namespace

bool RegistrySettingsBackend::readStringValue(const char* name, char* field, std::size_t capacity) {
    if (capacity == 0) {
        return false;
    }
    std::memset(field, 0, capacity);
    std::size_t size = 0;
    if (!readFirstPresent(name, field, capacity, &size)) {
        std::memset(field, 0, capacity);
        return false;
    }
    return true;
}

bool RegistrySettingsBackend::readBinaryValue(const char* name, char* buffer, std::size_t capacity,
                                              std::size_t* size) {
    *size = 0;
    return readFirstPresent(name, buffer, capacity, size);
}

void RegistrySettingsBackend::writeStringValue(const char* name, const char* text) {
    // The characters and their NUL, as Windows stores any REG_SZ text: on a
    // code page 936 system the very bytes RegSetValueExA would store.
    std::wstring wide = wideText(text);
    writeValue(name, REG_SZ, wide.c_str(), static_cast<DWORD>((wide.size() + 1) * sizeof(wchar_t)));
}

void RegistrySettingsBackend::writeBinaryValue(const char* name, const char* bytes,
                                               std::size_t size) {
    if (size > ULONG_MAX) {
        return;
    }
    writeValue(name, REG_BINARY, bytes, static_cast<DWORD>(size));
}
