#include "data/settings_store.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "data/data_texts.h"
#include "data/satellite_catalogue.h"
#include "encoding/bounded_text.h"

namespace {

constexpr const char* CityValue = "City";
constexpr const char* LongitudeValue = "X";
constexpr const char* LatitudeValue = "Y";
constexpr const char* ListValue = "Data";
constexpr const char* PreviousListValue = "PreviousData";

using data_text::DefaultSiteName;
static_assert(sizeof DefaultSiteName <= SiteTextCapacity, "the site's name field holds it");

// Reads a text value into `text`. The field is zero-filled first, so that a
// value stored without its NUL still ends inside the field; a value that
// fills the whole field without a NUL is not a text and reads as empty.
void readTextOrEmpty(SettingsBackend& store, const char* name, char* text, std::size_t capacity) {
    std::memset(text, 0, capacity);
    store.readStringValue(name, text, capacity);
    if (std::memchr(text, '\0', capacity) == nullptr) text[0] = '\0';
}

void readSiteText(SettingsBackend& store, const char* name, char (&field)[SiteTextCapacity]) {
    readTextOrEmpty(store, name, field, sizeof field);
}

// Writes one site text, never reading past its field.
void writeSiteText(SettingsBackend& store, const char* name,
                   const char (&field)[SiteTextCapacity]) {
    char text[SiteTextCapacity];
    BoundedText(text, sizeof text).append(field, strnlen(field, sizeof field - 1));
    store.writeStringValue(name, text);
}

}  // namespace

void loadSite(SettingsBackend& store, ReceivingSite& site) {
    readSiteText(store, CityValue, site.name);
    readSiteText(store, LongitudeValue, site.longitudeText);
    readSiteText(store, LatitudeValue, site.latitudeText);
    if (site.name[0] == '\0' && site.longitudeText[0] == '\0' && site.latitudeText[0] == '\0') {
        std::memcpy(site.name, DefaultSiteName, sizeof DefaultSiteName);
    }
}

void loadSatelliteList(SettingsBackend& store, SatelliteTable& table) {
    std::vector<char> buffer(StoredListCapacity);
    std::size_t size = 0;
    if (store.readBinaryValue(ListValue, buffer.data(), buffer.size(), &size)) {
        fillSatelliteTable(table, buffer.data(), size);
    } else {
        fillSatelliteTable(table, DefaultCatalogue, DefaultCatalogueSize);
    }
}

std::size_t storedListSize(const SatelliteTable& table) {
    std::size_t size = 2;
    char record[MaxRecordLength + 1];
    for (int row = 0; row < table.rowCount(); ++row) {
        size += formSatelliteRecord(table, row, record, sizeof record) + 1;
    }
    return size;
}

void saveSite(SettingsBackend& store, const ReceivingSite& site) {
    writeSiteText(store, CityValue, site.name);
    writeSiteText(store, LongitudeValue, site.longitudeText);
    writeSiteText(store, LatitudeValue, site.latitudeText);
}

namespace {

// The table as Data's bytes under `name`. A list the reader would refuse is
// not written: the stored list keeps the last one that can be read back.
void writeList(SettingsBackend& store, const char* name, const SatelliteTable& table) {
    std::vector<char> data;
    data.reserve(StoredListCapacity);
    char record[MaxRecordLength + 1];
    for (int row = 0; row < table.rowCount(); ++row) {
        std::size_t length = formSatelliteRecord(table, row, record, sizeof record);
        if (data.size() + length + 1 + 2 > StoredListCapacity) return;
        data.insert(data.end(), record, record + length + 1);
    }
    data.push_back('\0');
    data.push_back('\0');
    store.writeBinaryValue(name, data.data(), data.size());
}

}  // namespace

void saveSatelliteList(SettingsBackend& store, const SatelliteTable& table) {
    writeList(store, ListValue, table);
}

void savePreviousSatelliteList(SettingsBackend& store, const SatelliteTable& table) {
    writeList(store, PreviousListValue, table);
}

bool loadPreviousSatelliteList(SettingsBackend& store, std::vector<char>& list) {
    list.assign(StoredListCapacity, '\0');
    std::size_t size = 0;
    if (!store.readBinaryValue(PreviousListValue, list.data(), list.size(), &size)) {
        list.clear();
        return false;
    }
    list.resize(size);
    return true;
}

void saveSettings(SettingsBackend& store, const ReceivingSite& site, const SatelliteTable& table,
                  ChangeFlags flags) {
    if (flags & SiteChanged) saveSite(store, site);
    if (flags & ListChanged) saveSatelliteList(store, table);
}

namespace {

// Reads a text value of at most capacity - 1 bytes into `text`; false,
// leaving `text` as it was, when it is missing or does not end within them.
bool readShortText(SettingsBackend& store, const char* name, char* text, std::size_t capacity) {
    std::vector<char> field(capacity, '\0');
    if (!store.readStringValue(name, field.data(), capacity)) return false;
    if (std::memchr(field.data(), '\0', capacity) == nullptr) return false;
    std::memcpy(text, field.data(), capacity);
    return true;
}

}  // namespace

namespace {

// A whole number of at most nine digits, with a '-' before it when `withSign`;
// `text` moves past it.
bool readWhole(const char*& text, bool withSign, long& value) {
    const bool negative = withSign && *text == '-';
    if (negative) ++text;
    const char* digits = text;
    value = 0;
    while (*text >= '0' && *text <= '9' && text - digits < 9) value = value * 10 + (*text++ - '0');
    if (text == digits || (*text >= '0' && *text <= '9')) return false;
    if (negative) value = -value;
    return true;
}

bool expectComma(const char*& text) { return *text++ == ','; }

}  // namespace

bool readWindowText(const char* text, WindowSetting& window) {
    WindowSetting read;
    long maximised = 0;
    if (!readWhole(text, true, read.x) || !expectComma(text) || !readWhole(text, true, read.y) ||
        !expectComma(text) || !readWhole(text, false, read.width) || !expectComma(text) ||
        !readWhole(text, false, read.height) || !expectComma(text) ||
        !readWhole(text, false, maximised) || *text != '\0')
        return false;
    if (read.width <= 0 || read.height <= 0 || maximised > 1) return false;
    read.maximised = maximised == 1;
    window = read;
    return true;
}

void formWindowText(const WindowSetting& window, char (&text)[WindowTextCapacity]) {
    const std::string formed = std::to_string(window.x) + "," + std::to_string(window.y) + "," +
                               std::to_string(window.width) + "," + std::to_string(window.height) +
                               "," + (window.maximised ? "1" : "0");
    const std::size_t length = std::min(formed.size(), WindowTextCapacity - 1);
    std::memcpy(text, formed.data(), length);
    text[length] = '\0';
}

bool loadWindow(SettingsBackend& store, WindowSetting& window) {
    char text[WindowTextCapacity] = {};
    return readShortText(store, WindowValueName, text, sizeof text) && readWindowText(text, window);
}

void saveWindow(SettingsBackend& store, const WindowSetting& window) {
    char text[WindowTextCapacity];
    formWindowText(window, text);
    store.writeStringValue(WindowValueName, text);
}

void loadOffset(SettingsBackend& store, OffsetSetting& offset) {
    readTextOrEmpty(store, OffsetValueName, offset.text, sizeof offset.text);
    std::memcpy(offset.stored, offset.text, sizeof offset.stored);
}

void saveOffset(SettingsBackend& store, const OffsetSetting& offset) {
    saveChangedText(store, OffsetValueName, offset);
}

void loadDish(SettingsBackend& store, DishSetting& dish) {
    readShortText(store, DishValueName, dish.text, sizeof dish.text);
    std::memcpy(dish.stored, dish.text, sizeof dish.stored);
}

void loadBand(SettingsBackend& store, BandSetting& band, bool (*isWord)(const char* text)) {
    char word[BandTextCapacity];
    if (readShortText(store, BandValueName, word, sizeof word) && isWord(word))
        std::memcpy(band.text, word, sizeof band.text);
    std::memcpy(band.stored, band.text, sizeof band.stored);
}

void saveDish(SettingsBackend& store, const DishSetting& dish) {
    saveChangedText(store, DishValueName, dish);
}

void saveBand(SettingsBackend& store, const BandSetting& band) {
    saveChangedText(store, BandValueName, band);
}

void loadHorizon(SettingsBackend& store, char* text, char* stored, std::size_t capacity) {
    readTextOrEmpty(store, HorizonValueName, text, capacity);
    std::memcpy(stored, text, capacity);
}

// The text bounded by its field, so that a field without its NUL is written
// cut to its capacity less one.
void saveChangedText(SettingsBackend& store, const char* name, TextValue value) {
    std::vector<char> bounded(value.capacity, '\0');
    std::memcpy(bounded.data(), value.text, strnlen(value.text, value.capacity - 1));
    if (strncmp(bounded.data(), value.stored, value.capacity) == 0) return;
    store.writeStringValue(name, bounded.data());
}

void loadMultifeedDish(SettingsBackend& store, MultifeedDishSetting& dish) {
    for (auto value : {std::make_pair(FocalLengthValueName, &dish.focalLength),
                       std::make_pair(DiameterValueName, &dish.diameter)}) {
        MillimetreSetting& setting = *value.second;
        readTextOrEmpty(store, value.first, setting.text, sizeof setting.text);
        std::memcpy(setting.stored, setting.text, sizeof setting.stored);
    }
}
