#pragma once
// The one way the program writes text into a fixed buffer: appends are cut
// at the buffer's last byte, which is kept for the terminating NUL.

#include <cstddef>
#include <cstring>

class BoundedText {
public:
    // Starts an empty text in `buffer`; `capacity` counts the NUL and is at least 1.
    BoundedText(char* buffer, std::size_t capacity) : buffer_(buffer), capacity_(capacity) {
        buffer_[0] = '\0';
    }

    // Appends as many of the `count` bytes as fit.
    void append(const char* bytes, std::size_t count) {
        const std::size_t room = capacity_ - 1 - length_;
        if (count > room) count = room;
        std::memcpy(buffer_ + length_, bytes, count);
        length_ += count;
        buffer_[length_] = '\0';
    }
    void append(const char* text) { append(text, std::strlen(text)); }
    void appendRepeated(char byte, std::size_t count) {
        const std::size_t room = capacity_ - 1 - length_;
        if (count > room) count = room;
        std::memset(buffer_ + length_, byte, count);
        length_ += count;
        buffer_[length_] = '\0';
    }

    // The bytes written so far, without the NUL.
    std::size_t length() const { return length_; }

private:
    char* buffer_;
    std::size_t capacity_;
    std::size_t length_ = 0;
};
