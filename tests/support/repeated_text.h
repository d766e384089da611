#pragma once
// Long texts for the tests: one piece written `count` times.

#include <string>

inline std::string repeated(const std::string& piece, int count) {
    std::string text;
    for (int k = 0; k < count; ++k) text += piece;
    return text;
}
