#pragma once
// The city box (a drop-down combo box): the gazetteer's names in its list,
// and the coordinates kept in step with the name it shows.

#include <windows.h>

#include <cstddef>
#include <string>

#include "calc/site_input.h"

// The box, the text applyPlaceName last ran on, and the Latin letters its
// list shows the places of ("" while it lists every place).
struct CityBox {
    HWND box = nullptr;
    std::string appliedPlaceName;
    std::string listedLetters;
};

// Appends every gazetteer name, in table order, to the city box's list.
void fillCityBox(HWND cityBox);

// Reads the text of the city box's list entry `index` into `buffer`: at most
// capacity - 1 bytes, always NUL-terminated; "" when there is no such entry.
void readCityListEntry(HWND cityBox, int index, char* buffer, std::size_t capacity);

// Selects the first list entry, searching from entry 1 and then entry 0,
// whose text begins with `name`.
void selectCityEntry(HWND cityBox, const char* name);

// The coordinates follow the place name the box shows: applyPlaceName on
// its text, unless that is the text it last ran on (an empty box applied
// again would throw away the coordinates the user typed).
void applyShownPlaceName(CityBox& city, SiteControls& controls, ReceivingSite& site);

// Every way the box's text can change ends in applyPlaceName on the text it
// shows: typing, a list choice (the box then shows the whole entry, not the
// prefix typed before it), browsing the list, a list closed without a
// choice, and the focus leaving the box. `code` is the notification.
void onCityBoxNotification(CityBox& city, WORD code, SiteControls& controls, ReceivingSite& site);

// Latin letters typed into the box ("bj", "beijing") list the places whose
// pinyin or initials they begin, and open the list; any other text lists
// every place again. The box keeps its text and caret.
void listPlacesFor(CityBox& city, const std::string& text);

// At start-up, after applyPlaceName on the saved name: shows the list entry
// that begins with it, and takes that entry's coordinates (it may be a
// longer name than the one saved).
void showSavedPlace(CityBox& city, SiteControls& controls, ReceivingSite& site);
