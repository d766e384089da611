#pragma once
// The program's bounded writer of composed texts: parts are appended whole
// characters at a time into a fixed buffer; once a part has been cut,
// nothing more is appended, so no stray piece of a later part follows.

#include <cstddef>

#include "encoding/bounded_text.h"
#include "encoding/whole_characters.h"

class TextBuilder {
public:
    // Starts an empty text in `buffer`; `capacity` counts the NUL and is at least 1.
    TextBuilder(char* buffer, std::size_t capacity)
        : text_(buffer, capacity), room_(capacity - 1) {}

    TextBuilder& operator<<(const char* part) {
        if (cut_) return *this;
        const std::size_t count = wholeCharacterLength(part, room_ - text_.length());
        cut_ = part[count] != '\0';
        text_.append(part, count);
        return *this;
    }

    std::size_t length() const { return text_.length(); }

private:
    BoundedText text_;
    std::size_t room_;
    bool cut_ = false;
};
