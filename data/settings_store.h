#pragma once
// The settings store: the receiving site and the satellite list kept from
// one run to the next as four values (City, X, Y as text; Data as bytes)
// under one key. The Win32 program keeps them in the registry; the tests
// keep them in memory (tests/support).

#include <cstddef>
#include <vector>

#include "data/change_flags.h"
#include "data/receiving_site.h"
#include "data/satellite_table.h"

// The most bytes of Data the reader accepts, and the writer's buffer.
constexpr std::size_t StoredListCapacity = 36000;
// The offset box of the details window takes 6 bytes; its field holds them and the NUL.
constexpr std::size_t OffsetTextCapacity = 7;

// The four value operations. Each one opens the store, does one thing and
// closes it again; none reports anything to the user.
class SettingsBackend {
public:
    virtual ~SettingsBackend() = default;
    // Reads the value's bytes into `field` (capacity bytes at most). Fails
    // (leaving `field` empty) when the value is missing or longer than `capacity`.
    virtual bool readStringValue(const char* name, char* field, std::size_t capacity) = 0;
    // Reads the value's bytes into `buffer` and their count into `*size`.
    // Fails when the value is missing or longer than `capacity`.
    virtual bool readBinaryValue(const char* name, char* buffer, std::size_t capacity,
                                 std::size_t* size) = 0;
    // Stores `text` and its NUL as a text value.
    virtual void writeStringValue(const char* name, const char* text) = 0;
    // Stores `size` bytes as a binary value.
    virtual void writeBinaryValue(const char* name, const char* bytes, std::size_t size) = 0;
};

// Reads City, X and Y into the site's name and texts; when all three are
// empty the name becomes 北京. A text read that is not NUL-terminated within
// its SiteTextCapacity bytes reads as empty.
void loadSite(SettingsBackend& store, ReceivingSite& site);

// Fills the empty table from Data, or from the built-in catalogue when Data
// cannot be read (missing, or longer than StoredListCapacity).
void loadSatelliteList(SettingsBackend& store, SatelliteTable& table);

// The bytes Data takes for the table as it stands: every record and its NUL, then two NULs.
std::size_t storedListSize(const SatelliteTable& table);

// Writes City, X and Y when SiteChanged is set, then Data when ListChanged is
// set. A list whose Data would exceed StoredListCapacity is not written, so
// the stored list stays one the reader accepts.
void saveSettings(SettingsBackend& store, const ReceivingSite& site, const SatelliteTable& table,
                  ChangeFlags flags);

// Its two parts: City, X and Y; and Data (not written when it would exceed
// StoredListCapacity).
void saveSite(SettingsBackend& store, const ReceivingSite& site);
void saveSatelliteList(SettingsBackend& store, const SatelliteTable& table);

// The list a replacement of the whole list (a file, the current or the
// built-in list) replaced, kept as one more value, PreviousData, in Data's
// layout, so that one wrong Yes can be taken back.
void savePreviousSatelliteList(SettingsBackend& store, const SatelliteTable& table);
// Reads PreviousData as Data is read; false when there is none that can be read.
bool loadPreviousSatelliteList(SettingsBackend& store, std::vector<char>& list);

// The offset angle the details window's box holds, kept as one more text
// value, Offset, which the earlier readers of the key never look at.
struct OffsetSetting {
    char text[OffsetTextCapacity] = {};
    // As read at the start: the close writes the value only when it differs.
    char stored[OffsetTextCapacity] = {};
};

constexpr char OffsetValueName[] = "Offset";

// Reads Offset. A missing value, or one that does not end within the field,
// reads as empty.
void loadOffset(SettingsBackend& store, OffsetSetting& offset);

// Writes Offset when its text changed since loadOffset.
void saveOffset(SettingsBackend& store, const OffsetSetting& offset);

// The details window's dish diameter (metres, a box of 6 bytes) and band
// choice for the sun outages, kept as two more text values, Dish and Band,
// like Offset: written at the close only when they changed. The band's
// words are the field kit's; here it is a text of BandTextCapacity bytes.
constexpr std::size_t DishTextCapacity = 7;
constexpr std::size_t BandTextCapacity = 3;
constexpr char DishValueName[] = "Dish";
constexpr char BandValueName[] = "Band";
// The diameter the box shows before one was kept.
constexpr char DefaultDishText[] = "0.6";

struct DishSetting {
    char text[DishTextCapacity] = "0.6";
    char stored[DishTextCapacity] = "0.6";
};

struct BandSetting {
    char text[BandTextCapacity] = {};
    char stored[BandTextCapacity] = {};
};

// Reads Dish: a value that does not end within the field is ignored, and
// the text stays DefaultDishText.
void loadDish(SettingsBackend& store, DishSetting& dish);
// Reads Band: a text that does not end within the field, or that `isWord`
// refuses, is ignored, and the text stays as it was (the caller's default).
void loadBand(SettingsBackend& store, BandSetting& band, bool (*isWord)(const char* text));

// Write Dish or Band when its text changed since it was loaded.
void saveDish(SettingsBackend& store, const DishSetting& dish);
void saveBand(SettingsBackend& store, const BandSetting& band);

// A text value of Capacity bytes with its NUL, as the program holds it.
template <std::size_t Capacity>
struct StoredText {
    char text[Capacity] = {};
    // As read at the start: the close writes the value only when it differs.
    char stored[Capacity] = {};
};

// Any of the text values above, seen as its two texts of `capacity` bytes.
struct TextValue {
    template <typename Setting>
    TextValue(const Setting& setting)
        : text(setting.text), stored(setting.stored), capacity(sizeof setting.text) {}

    const char* text;
    const char* stored;
    std::size_t capacity;
};

// Writes the value `name` when its text differs from its stored one.
void saveChangedText(SettingsBackend& store, const char* name, TextValue value);

// The obstacles around the site, kept as one more text value, Horizon: the
// text its owner keeps there (the obstacles dialog's setting as the field
// kit writes it, of the field kit's capacity).
constexpr char HorizonValueName[] = "Horizon";

// Reads Horizon. A missing value, or one that does not end within the
// field, reads as empty; whether the text is a setting is its reader's to say.
void loadHorizon(SettingsBackend& store, char* text, char* stored, std::size_t capacity);
template <std::size_t Capacity>
void loadHorizon(SettingsBackend& store, StoredText<Capacity>& horizon) {
    loadHorizon(store, horizon.text, horizon.stored, Capacity);
}

// Writes Horizon when its text changed since loadHorizon.
inline void saveHorizon(SettingsBackend& store, TextValue horizon) {
    saveChangedText(store, HorizonValueName, horizon);
}
