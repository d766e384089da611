#include "encoding/bounded_text.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

// Writes into the first `capacity` bytes of a guarded buffer and answers the
// text, its length, and whether any byte past the capacity changed.
struct Written {
    std::string text;
    std::size_t length;
    bool pastTheEnd;
};

template <typename Steps>
Written write(std::size_t capacity, Steps steps) {
    char buffer[16];
    std::memset(buffer, '#', sizeof buffer);
    BoundedText text(buffer, capacity);
    steps(text);
    bool changed = false;
    for (std::size_t k = capacity; k < sizeof buffer; ++k) changed = changed || buffer[k] != '#';
    return {buffer, text.length(), changed};
}

TEST(BoundedText, CutsAtTheLastByteAndAlwaysEndsWithANul) {
    struct Case {
        std::size_t capacity;
        const char* expected;
    };
    const auto steps = [](BoundedText& text) {
        text.append("ab");
        text.append("cdef", 3);
        text.appendRepeated('-', 2);
        text.append("gh");
    };
    // "abcde--gh" is 9 bytes: capacities around that length and the smallest.
    const Case cases[] = {{1, ""},       {2, "a"},        {4, "abc"},        {6, "abcde"},
                          {7, "abcde-"}, {9, "abcde--g"}, {10, "abcde--gh"}, {11, "abcde--gh"}};
    for (const Case& c : cases) {
        const Written written = write(c.capacity, steps);
        EXPECT_EQ(written.text, c.expected) << c.capacity;
        EXPECT_EQ(written.length, std::strlen(c.expected)) << c.capacity;
        EXPECT_FALSE(written.pastTheEnd) << c.capacity;
    }
}

TEST(BoundedText, StartsEmpty) {
    const Written written = write(5, [](BoundedText&) {});
    EXPECT_EQ(written.text, "");
    EXPECT_EQ(written.length, 0u);
}

}  // namespace
