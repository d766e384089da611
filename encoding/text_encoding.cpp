#include "encoding/text_encoding.h"

#include <cstring>

#include "encoding/platform_conversion.h"
#include "encoding/whole_characters.h"

bool utf8ToUtf16(const std::string& utf8, std::u16string& out) {
    return decodeBytes(ByteEncoding::Utf8, utf8, out);
}

bool utf16ToUtf8(const std::u16string& utf16, std::string& out) {
    return encodeBytes(ByteEncoding::Utf8, utf16, out);
}

bool cp936ToUtf16(const std::string& cp936, std::u16string& out) {
    return decodeBytes(ByteEncoding::Cp936, cp936, out);
}

bool utf16ToCp936(const std::u16string& utf16, std::string& out) {
    return encodeBytes(ByteEncoding::Cp936, utf16, out);
}

bool utf8ToCp936(const std::string& utf8, std::string& out) {
    std::u16string utf16;
    return utf8ToUtf16(utf8, utf16) && utf16ToCp936(utf16, out);
}

bool cp936ToUtf8(const std::string& cp936, std::string& out) {
    std::u16string utf16;
    return cp936ToUtf16(cp936, utf16) && utf16ToUtf8(utf16, out);
}

std::string cp936FromUtf8(const std::string& utf8) {
    std::string out;
    return utf8ToCp936(utf8, out) ? out : std::string();
}

std::string utf8FromCp936(const std::string& cp936) {
    std::string out;
    return cp936ToUtf8(cp936, out) ? out : std::string();
}

std::u16string utf16FromCp936(const char* cp936) {
    return decodeCp936Leniently(cp936, std::strlen(cp936));
}

std::string cp936FromUtf16(const char16_t* utf16, std::size_t length) {
    return encodeCp936Leniently(utf16, length);
}

std::size_t cp936Size(char16_t unit) {
    if (unit < 0x80) return 1;
    // Half of a pair: the character lies beyond the range code page 936 covers.
    if (unit >= 0xD800 && unit <= 0xDFFF) return 0;
    std::string bytes;
    return encodeBytes(ByteEncoding::Cp936, std::u16string(1, unit), bytes) ? bytes.size() : 0;
}

std::size_t unitsFittingCp936(const char16_t* utf16, std::size_t length, std::size_t byteRoom) {
    std::size_t units = 0;
    std::size_t bytes = 0;
    for (; units < length; ++units) {
        std::size_t size = cp936Size(utf16[units]);
        if (size == 0 || bytes + size > byteRoom) break;
        bytes += size;
    }
    return units;
}

void copyWholeCharacters(const std::string& cp936, char* buffer, std::size_t capacity) {
    if (capacity == 0) return;
    std::memset(buffer, 0, capacity);
    std::memcpy(buffer, cp936.c_str(), wholeCharacterLength(cp936.c_str(), capacity - 1));
}
