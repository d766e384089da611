#include "data/settings_store.h"

#include <cstring>
#include <vector>

#include "data/satellite_catalogue.h"
#include "encoding/bounded_text.h"

namespace {

constexpr const char* CityValue = "City";
constexpr const char* LongitudeValue = "X";
constexpr const char* LatitudeValue = "Y";
constexpr const char* ListValue = "Data";
constexpr const char* OffsetValue = "Offset";

// 北京
constexpr char DefaultSiteName[] = "\xB1\xB1\xBE\xA9";

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

void saveSatelliteList(SettingsBackend& store, const SatelliteTable& table) {
    std::vector<char> data;
    data.reserve(StoredListCapacity);
    char record[MaxRecordLength + 1];
    for (int row = 0; row < table.rowCount(); ++row) {
        std::size_t length = formSatelliteRecord(table, row, record, sizeof record);
        // A list the reader would refuse is not written: the stored list
        // keeps the last one that can be read back.
        if (data.size() + length + 1 + 2 > StoredListCapacity) return;
        data.insert(data.end(), record, record + length + 1);
    }
    data.push_back('\0');
    data.push_back('\0');
    store.writeBinaryValue(ListValue, data.data(), data.size());
}

void saveSettings(SettingsBackend& store, const ReceivingSite& site, const SatelliteTable& table,
                  ChangeFlags flags) {
    if (flags & SiteChanged) saveSite(store, site);
    if (flags & ListChanged) saveSatelliteList(store, table);
}

namespace {

constexpr const char* DishValue = "Dish";
constexpr const char* BandValue = "Band";
constexpr const char* HorizonValue = "Horizon";

// Reads a text value of at most capacity - 1 bytes into `text`; false,
// leaving `text` as it was, when it is missing or does not end within them.
bool readShortText(SettingsBackend& store, const char* name, char* text, std::size_t capacity) {
    std::vector<char> field(capacity, '\0');
    if (!store.readStringValue(name, field.data(), capacity)) return false;
    if (std::memchr(field.data(), '\0', capacity) == nullptr) return false;
    std::memcpy(text, field.data(), capacity);
    return true;
}

// Writes `text` (bounded by its field) when it differs from `stored`.
void writeChangedText(SettingsBackend& store, const char* name, const char* text,
                      const char* stored, std::size_t capacity) {
    std::vector<char> bounded(capacity, '\0');
    std::memcpy(bounded.data(), text, strnlen(text, capacity - 1));
    if (strncmp(bounded.data(), stored, capacity) == 0) return;
    store.writeStringValue(name, bounded.data());
}

}  // namespace

void loadOffset(SettingsBackend& store, OffsetSetting& offset) {
    readTextOrEmpty(store, OffsetValue, offset.text, sizeof offset.text);
    std::memcpy(offset.stored, offset.text, sizeof offset.stored);
}

void saveOffset(SettingsBackend& store, const OffsetSetting& offset) {
    writeChangedText(store, OffsetValue, offset.text, offset.stored, sizeof offset.text);
}

void loadDish(SettingsBackend& store, DishSetting& dish) {
    readShortText(store, DishValue, dish.text, sizeof dish.text);
    std::memcpy(dish.stored, dish.text, sizeof dish.stored);
}

void loadBand(SettingsBackend& store, BandSetting& band, bool (*isWord)(const char* text)) {
    char word[BandTextCapacity];
    if (readShortText(store, BandValue, word, sizeof word) && isWord(word))
        std::memcpy(band.text, word, sizeof band.text);
    std::memcpy(band.stored, band.text, sizeof band.stored);
}

void saveDish(SettingsBackend& store, const DishSetting& dish) {
    writeChangedText(store, DishValue, dish.text, dish.stored, sizeof dish.text);
}

void saveBand(SettingsBackend& store, const BandSetting& band) {
    writeChangedText(store, BandValue, band.text, band.stored, sizeof band.text);
}

void loadHorizon(SettingsBackend& store, HorizonSettingText& horizon) {
    readTextOrEmpty(store, HorizonValue, horizon.text, sizeof horizon.text);
    std::memcpy(horizon.stored, horizon.text, sizeof horizon.stored);
}

void saveHorizon(SettingsBackend& store, const HorizonSettingText& horizon) {
    writeChangedText(store, HorizonValue, horizon.text, horizon.stored, sizeof horizon.text);
}
