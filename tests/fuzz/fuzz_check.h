#pragma once
// What every fuzz target uses to state a property of the code it drives.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

// Ends the run when `holds` is false. libFuzzer treats the abort as a crash
// and keeps the input that caused it.
inline void require(bool holds, const char* property) {
    if (holds) return;
    std::fprintf(stderr, "property broken: %s\n", property);
    std::abort();
}

// A heap copy of `size` bytes with nothing after them, so that AddressSanitizer
// reports the first byte read past the end.
inline std::unique_ptr<char[]> exactCopy(const std::uint8_t* data, std::size_t size) {
    std::unique_ptr<char[]> copy(new char[size]);
    if (size > 0) std::memcpy(copy.get(), data, size);
    return copy;
}

// `bytes` followed by a NUL in a buffer of exactly that many bytes.
inline std::unique_ptr<char[]> exactText(const char* bytes, std::size_t size) {
    std::unique_ptr<char[]> text(new char[size + 1]);
    if (size > 0) std::memcpy(text.get(), bytes, size);
    text[size] = '\0';
    return text;
}

// The NUL-separated texts of an input: one more than it has NULs.
inline std::vector<std::string> splitAtNuls(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> texts(1);
    for (std::size_t k = 0; k < size; ++k) {
        if (data[k] == 0) {
            texts.emplace_back();
        } else {
            texts.back() += static_cast<char>(data[k]);
        }
    }
    return texts;
}
