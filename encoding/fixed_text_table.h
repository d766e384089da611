#pragma once
// A row of a table of fixed texts: the program's texts are written once, in
// UTF-8, in a table per subsystem, and the build turns each table into a
// header of code page 936 constants (cmake/EmbedTexts.cmake). The rows let
// the tests check every text against its UTF-8 spelling.

#include <cstddef>

struct FixedTextRow {
    const char* name;
    const char* cp936;
    std::size_t cp936Size;  // without the terminating NUL; a text may hold NULs
    const char* utf8;
    std::size_t utf8Size;
    std::size_t capacity;  // the bytes, with the NUL, the text must fit in; 0 for any
};
