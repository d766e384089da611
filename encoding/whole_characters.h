#pragma once
// Cutting code page 936 texts without splitting a character.

#include <cstddef>

// The length of the longest start of `text` (NUL-terminated) that takes at
// most `limit` bytes and ends between characters: a lead byte (0x81-0xFE)
// and the byte after it form one character.
inline std::size_t wholeCharacterLength(const char* text, std::size_t limit) {
    std::size_t length = 0;
    while (text[length] != '\0') {
        const auto byte = static_cast<unsigned char>(text[length]);
        const bool lead = byte >= 0x81 && byte <= 0xFE && text[length + 1] != '\0';
        const std::size_t size = lead ? 2 : 1;
        if (length + size > limit) break;
        length += size;
    }
    return length;
}
