#include "app/city_box.h"

#include <string>

#include "app/control_text.h"
#include "data/gazetteer.h"

void fillCityBox(HWND cityBox) {
    // Reserving the room first spares the list thousands of reallocations.
    SendMessageW(cityBox, CB_INITSTORAGE, GazetteerPlaceCount,
                 GazetteerPlaceCount * PlaceNameCapacity * sizeof(wchar_t));
    GazetteerCursor cursor;
    char name[PlaceNameCapacity];
    while (nextPlaceName(cursor, name)) {
        SendMessageW(cityBox, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wideText(name).c_str()));
    }
}

void readCityListEntry(HWND cityBox, int index, char* buffer, std::size_t capacity) {
    LRESULT length =
        index < 0 ? CB_ERR : SendMessageW(cityBox, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    std::wstring entry;
    if (length != CB_ERR) {
        // CB_GETLBTEXT takes no capacity: read into room for the whole entry, then cut.
        entry.assign(static_cast<std::size_t>(length) + 1, L'\0');
        LRESULT read = SendMessageW(cityBox, CB_GETLBTEXT, static_cast<WPARAM>(index),
                                    reinterpret_cast<LPARAM>(entry.data()));
        entry.resize(read == CB_ERR ? 0 : static_cast<std::size_t>(read));
    }
    copyWideText(entry.data(), entry.size(), buffer, capacity);
}

void selectCityEntry(HWND cityBox, const char* name) {
    // CB_SELECTSTRING from entry 0: the search begins after it and wraps round.
    SendMessageW(cityBox, CB_SELECTSTRING, 0, reinterpret_cast<LPARAM>(wideText(name).c_str()));
}
