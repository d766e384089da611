#include "app/city_box.h"

#include <cstring>
#include <string>

#include "app/control_text.h"
#include "data/gazetteer.h"
#include "data/place_match.h"

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

namespace {

// The city box's text as it changes is read with this generous capacity.
constexpr std::size_t CityBoxEditReadCapacity = 36000;

std::string shownText(HWND cityBox) {
    std::string text(CityBoxEditReadCapacity, '\0');
    readControlText(cityBox, text.data(), text.size());
    text.resize(std::strlen(text.c_str()));
    return text;
}

void applyText(CityBox& city, const std::string& text, SiteControls& controls,
               ReceivingSite& site) {
    city.appliedPlaceName = text;
    applyPlaceName(text.c_str(), controls, site);
}

}  // namespace

void applyShownPlaceName(CityBox& city, SiteControls& controls, ReceivingSite& site) {
    const std::string text = shownText(city.box);
    if (city.appliedPlaceName != text) applyText(city, text, controls, site);
}

void listPlacesFor(CityBox& city, const std::string& text) {
    const std::string letters = isLatinLetters(text.c_str()) ? text : std::string();
    if (letters == city.listedLetters) return;
    city.listedLetters = letters;
    // Emptying the list empties the edit field too: its text and caret are put back.
    const WORD caret = HIWORD(SendMessageW(city.box, CB_GETEDITSEL, 0, 0));
    SendMessageW(city.box, CB_RESETCONTENT, 0, 0);
    if (letters.empty()) {
        fillCityBox(city.box);
    } else {
        for (const std::string& name : matchingPlaces(letters.c_str()))
            SendMessageW(city.box, CB_ADDSTRING, 0,
                         reinterpret_cast<LPARAM>(wideText(name.c_str()).c_str()));
    }
    setControlText(city.box, text.c_str());
    if (!letters.empty()) SendMessageW(city.box, CB_SHOWDROPDOWN, TRUE, 0);
    // Opening the list selects the whole text; typing goes on at the caret.
    SendMessageW(city.box, CB_SETEDITSEL, 0, MAKELPARAM(caret, caret));
}

void onCityBoxNotification(CityBox& city, WORD code, SiteControls& controls, ReceivingSite& site) {
    switch (code) {
        case CBN_EDITCHANGE: {
            const std::string text = shownText(city.box);
            listPlacesFor(city, text);
            applyText(city, text, controls, site);
            break;
        }
        case CBN_DROPDOWN:
            // A name chosen from the places of some letters: the list opens whole again.
            listPlacesFor(city, shownText(city.box));
            break;
        case CBN_SELENDOK: {
            int index = static_cast<int>(SendMessageW(city.box, CB_GETCURSEL, 0, 0));
            if (index != CB_ERR) {
                std::string entry(CityBoxEditReadCapacity, '\0');
                readCityListEntry(city.box, index, entry.data(), entry.size());
                setControlText(city.box, entry.c_str());
            }
            applyShownPlaceName(city, controls, site);
            break;
        }
        case CBN_SELCHANGE:
        case CBN_SELENDCANCEL:
        case CBN_CLOSEUP:
        case CBN_KILLFOCUS:
            applyShownPlaceName(city, controls, site);
            break;
        default:
            break;
    }
}

void showSavedPlace(CityBox& city, SiteControls& controls, ReceivingSite& site) {
    city.appliedPlaceName = site.name;
    // An empty name leaves the box empty, whatever a list control might
    // make of an empty prefix.
    if (site.name[0] == '\0') return;
    selectCityEntry(city.box, site.name);
    applyShownPlaceName(city, controls, site);
}
