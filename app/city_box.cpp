#include "app/city_box.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "data/gazetteer.h"

void fillCityBox(HWND cityBox) {
    // Reserving the room first spares the list thousands of reallocations.
    SendMessageA(cityBox, CB_INITSTORAGE, GazetteerPlaceCount,
                 GazetteerPlaceCount * PlaceNameCapacity);
    GazetteerCursor cursor;
    char name[PlaceNameCapacity];
    while (nextPlaceName(cursor, name)) {
        SendMessageA(cityBox, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
    }
}

void readCityListEntry(HWND cityBox, int index, char* buffer, std::size_t capacity) {
    if (capacity == 0) {
        return;
    }
    std::memset(buffer, 0, capacity);
    LRESULT length = SendMessageA(cityBox, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    if (index < 0 || length == CB_ERR) {
        return;
    }
    // CB_GETLBTEXT takes no capacity: read into room for the whole entry, then cut.
    std::vector<char> entry(static_cast<std::size_t>(length) + 1, '\0');
    if (SendMessageA(cityBox, CB_GETLBTEXT, static_cast<WPARAM>(index),
                     reinterpret_cast<LPARAM>(entry.data())) == CB_ERR) {
        return;
    }
    entry.back() = '\0';
    std::size_t copied = std::min(std::strlen(entry.data()), capacity - 1);
    std::memcpy(buffer, entry.data(), copied);
}
