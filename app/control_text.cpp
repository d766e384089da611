#include "app/control_text.h"

#include <climits>
#include <cstring>

void readControlText(HWND control, char* buffer, std::size_t capacity) {
    if (capacity == 0) {
        return;
    }
    std::memset(buffer, 0, capacity);
    int limit = capacity > INT_MAX ? INT_MAX : static_cast<int>(capacity);
    GetWindowTextA(control, buffer, limit);
    buffer[capacity - 1] = '\0';
}

void setControlText(HWND control, const char* text) { SetWindowTextA(control, text); }
