#pragma once
// The one place where texts change encoding. Inside the program every text
// is code page 936 bytes; Windows is handed UTF-16, the command line, files
// and terminals UTF-8. One implementation per platform: Win32's conversion
// functions on Windows, iconv elsewhere.

#include <cstddef>
#include <string>

// The bytes that mark a file as UTF-8, where a file may start with them.
inline constexpr char Utf8ByteOrderMark[] = "\xEF\xBB\xBF";

// Each returns false, leaving `out` unspecified, when a character has no
// counterpart in the other encoding or the input is malformed.
bool utf8ToCp936(const std::string& utf8, std::string& out);
bool cp936ToUtf8(const std::string& cp936, std::string& out);
bool utf8ToUtf16(const std::string& utf8, std::u16string& out);
bool utf16ToUtf8(const std::u16string& utf16, std::string& out);
bool cp936ToUtf16(const std::string& cp936, std::u16string& out);
bool utf16ToCp936(const std::u16string& utf16, std::string& out);

// The converted text, or an empty string when the conversion fails (fixed
// texts, or texts already checked, such as the table's cells).
std::string cp936FromUtf8(const std::string& utf8);
std::string utf8FromCp936(const std::string& cp936);

// The boundary with Windows: converts as Windows' own code page 936
// conversion does, never failing. A byte that is no character becomes
// U+FFFD or the system's stand-in; a character with no code page 936 form
// becomes "?". (Input never lets such characters in; see cp936Size.)
std::u16string utf16FromCp936(const char* cp936);
std::string cp936FromUtf16(const char16_t* utf16, std::size_t length);
inline std::string cp936FromUtf16(const std::u16string& utf16) {
    return cp936FromUtf16(utf16.data(), utf16.size());
}

// The bytes the UTF-16 unit takes in code page 936: 1 or 2, or 0 when it has
// no code page 936 form (surrogates, 한, ő, ...).
std::size_t cp936Size(char16_t unit);

// How many of the first units of `utf16` can be kept within `byteRoom` bytes
// of code page 936: whole characters only, stopping before the first that
// does not fit or has no code page 936 form.
std::size_t unitsFittingCp936(const char16_t* utf16, std::size_t length, std::size_t byteRoom);

// Copies `cp936` into `buffer` as the controls' readers do: the whole buffer
// zero-filled, then at most capacity - 1 bytes, never cut inside a
// character. Nothing is written when `capacity` is 0.
void copyWholeCharacters(const std::string& cp936, char* buffer, std::size_t capacity);
