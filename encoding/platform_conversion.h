#pragma once
// What each platform's implementation provides to text_encoding.cpp.

#include <cstddef>
#include <string>

enum class ByteEncoding { Cp936, Utf8 };

// Strict: false when the input is malformed or a character has no form in
// the target encoding.
bool decodeBytes(ByteEncoding encoding, const std::string& bytes, std::u16string& out);
bool encodeBytes(ByteEncoding encoding, const std::u16string& text, std::string& out);

// Never failing, as the system's own code page 936 conversion.
std::u16string decodeCp936Leniently(const char* bytes, std::size_t length);
std::string encodeCp936Leniently(const char16_t* text, std::size_t length);
