// The settings readers fed values of any bytes and size: City, X and Y of 0
// to 40 bytes, with or without a NUL, and Data with or without its closing
// NULs, of either value type. What they read is then saved and read again.
//
// Input: one byte of flags (bits 0-3: City, X, Y, Data are present; bits 4-7:
// the same value is stored as binary rather than text), then for City, X and
// Y a length byte (taken modulo 41) and that many bytes, then Data.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>

#include "data/satellite_catalogue.h"
#include "data/settings_store.h"
#include "tests/fuzz/fuzz_check.h"
#include "tests/support/memory_settings_backend.h"
#include "tests/support/test_satellite_table.h"

namespace {

constexpr std::size_t LargestSiteValue = 40;
constexpr std::size_t LargestListValue = 40000;
constexpr std::size_t CellLimit = CellTextCapacity - 1;
const char* const SiteValueNames[] = {"City", "X", "Y"};
// 北京
const std::string DefaultSiteName = "\xB1\xB1\xBE\xA9";

class InputReader {
public:
    InputReader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    std::uint8_t byte() { return position_ < size_ ? data_[position_++] : 0; }
    std::string bytes(std::size_t count) {
        count = std::min(count, size_ - position_);
        std::string taken(reinterpret_cast<const char*>(data_ + position_), count);
        position_ += count;
        return taken;
    }
    std::string rest() { return bytes(size_ - position_); }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t position_ = 0;
};

// What a site field must hold after reading `value`: a value longer than the
// field is refused, a value without a NUL that fills the whole field is no
// text; anything else reads up to its first NUL.
std::string expectedSiteText(const MemorySettingsBackend& store, const char* name) {
    auto found = store.values.find(name);
    if (found == store.values.end()) return "";
    const std::string& value = found->second.bytes;
    if (value.size() > SiteTextCapacity) return "";
    const std::size_t nul = value.find('\0');
    if (nul == std::string::npos) return value.size() < SiteTextCapacity ? value : "";
    return value.substr(0, nul);
}

// The site's three text fields, in the order City, X, Y.
std::string fieldText(const ReceivingSite& site, int index) {
    const char* field = index == 0   ? site.name
                        : index == 1 ? site.longitudeText
                                     : site.latitudeText;
    require(std::memchr(field, '\0', SiteTextCapacity) != nullptr,
            "a site field is NUL-terminated within its 20 bytes");
    return field;
}

// Reads the site into a site whose every byte is 0xA5, and checks that only
// the three text fields changed.
ReceivingSite loadCheckedSite(SettingsBackend& store) {
    ReceivingSite site;
    std::memset(&site, 0xA5, sizeof site);
    loadSite(store, site);
    const unsigned char* bytes = reinterpret_cast<const unsigned char*>(&site);
    for (std::size_t k = 0; k < sizeof site; ++k) {
        const bool inField = (k >= offsetof(ReceivingSite, name) &&
                              k < offsetof(ReceivingSite, name) + SiteTextCapacity) ||
                             (k >= offsetof(ReceivingSite, longitudeText) &&
                              k < offsetof(ReceivingSite, longitudeText) + SiteTextCapacity) ||
                             (k >= offsetof(ReceivingSite, latitudeText) &&
                              k < offsetof(ReceivingSite, latitudeText) + SiteTextCapacity);
        require(inField || bytes[k] == 0xA5, "loading the site writes only its three text fields");
    }
    return site;
}

bool sameRows(const TestSatelliteTable& a, const TestSatelliteTable& b) {
    if (a.rowCount() != b.rowCount()) return false;
    for (int row = 0; row < a.rowCount(); ++row)
        for (int column = 0; column < SatelliteColumnCount; ++column)
            if (a.cellText(row, column) != b.cellText(row, column)) return false;
    return true;
}

TestSatelliteTable tableFilledFrom(const char* list, std::size_t size) {
    TestSatelliteTable table;
    insertSatelliteColumns(table);
    fillSatelliteTable(table, list, size);
    return table;
}

const TestSatelliteTable& catalogueTable() {
    static const TestSatelliteTable table = tableFilledFrom(DefaultCatalogue, DefaultCatalogueSize);
    return table;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    InputReader input(data, size);
    const std::uint8_t flags = input.byte();
    MemorySettingsBackend store;
    auto typeOf = [&](int index) {
        return (flags >> (4 + index) & 1) != 0 ? MemorySettingsBackend::ValueType::Binary
                                               : MemorySettingsBackend::ValueType::Text;
    };
    for (int index = 0; index < 3; ++index) {
        std::string value = input.bytes(input.byte() % (LargestSiteValue + 1));
        if ((flags >> index & 1) != 0) store.values[SiteValueNames[index]] = {typeOf(index), value};
    }
    const std::string list = input.rest();
    if (list.size() > LargestListValue) return 0;
    if ((flags & 8) != 0) store.values["Data"] = {typeOf(3), list};

    // The site.
    const ReceivingSite site = loadCheckedSite(store);
    std::string expected[3];
    for (int index = 0; index < 3; ++index)
        expected[index] = expectedSiteText(store, SiteValueNames[index]);
    if (expected[0].empty() && expected[1].empty() && expected[2].empty())
        expected[0] = DefaultSiteName;
    for (int index = 0; index < 3; ++index)
        require(fieldText(site, index) == expected[index], "a site text reads as stored");

    // The list: Data when it can be read, else the built-in catalogue.
    TestSatelliteTable table;
    insertSatelliteColumns(table);
    loadSatelliteList(store, table);
    const bool listReadable = (flags & 8) != 0 && list.size() <= StoredListCapacity;
    std::unique_ptr<char[]> stored =
        exactCopy(reinterpret_cast<const std::uint8_t*>(list.data()), list.size());
    require(sameRows(table,
                     listReadable ? tableFilledFrom(stored.get(), list.size()) : catalogueTable()),
            "the list comes from Data, or the catalogue without it");

    // Saving writes what was read; the writer keeps Data to what the reader accepts.
    MemorySettingsBackend saved;
    saveSettings(saved, site, table, ListChanged | SiteChanged);
    for (int index = 0; index < 3; ++index) {
        const auto& value = saved.values.at(SiteValueNames[index]);
        require(value.type == MemorySettingsBackend::ValueType::Text &&
                    value.bytes == expected[index] + std::string(1, '\0'),
                "a site text is saved with its NUL");
    }
    const std::size_t listSize = storedListSize(table);
    auto savedList = saved.values.find("Data");
    if (listSize > StoredListCapacity) {
        require(savedList == saved.values.end(), "a list the reader would refuse is not saved");
    } else {
        require(savedList != saved.values.end() &&
                    savedList->second.type == MemorySettingsBackend::ValueType::Binary &&
                    savedList->second.bytes.size() == listSize &&
                    savedList->second.bytes.compare(listSize - 2, 2, std::string(2, '\0')) == 0,
                "the list is saved as its records and two NULs");
    }

    // Reading the saved values gives the same site, and every row whose texts
    // a record carries unchanged (a longitude text shorter than 20 bytes
    // without a comma, a description of at most 127 bytes) comes back as it was.
    const ReceivingSite reloaded = loadCheckedSite(saved);
    for (int index = 0; index < 3; ++index)
        require(fieldText(reloaded, index) == expected[index], "the saved site reads back");
    TestSatelliteTable reloadedTable;
    insertSatelliteColumns(reloadedTable);
    loadSatelliteList(saved, reloadedTable);
    if (savedList == saved.values.end()) {
        require(sameRows(reloadedTable, catalogueTable()), "without Data the catalogue is read");
        return 0;
    }
    require(reloadedTable.rowCount() == table.rowCount(), "every saved row reads back");
    for (int row = 0; row < table.rowCount(); ++row) {
        const std::string longitude = table.cellText(row, ColumnLongitude);
        const std::string description = table.cellText(row, ColumnName);
        if (longitude.size() >= RecordLongitudeLimit || longitude.find(',') != std::string::npos ||
            description.size() > CellLimit)
            continue;
        require(reloadedTable.cellText(row, ColumnLongitude) == longitude &&
                    reloadedTable.cellText(row, ColumnName) == description,
                "a saved row reads back");
    }
    return 0;
}
