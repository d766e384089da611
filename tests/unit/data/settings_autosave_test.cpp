#include "data/settings_autosave.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "calc/recalculation.h"
#include "data/satellite_table.h"
#include "tests/support/memory_settings_backend.h"
#include "tests/support/test_satellite_table.h"

namespace {

// The store keeps the Horizon text at the capacity its owner gives; any will do.
using HorizonSettingText = StoredText<1282>;

using ValueType = MemorySettingsBackend::ValueType;

// The memory store, counting its writes.
class CountingBackend final : public SettingsBackend {
public:
    bool readStringValue(const char* name, char* field, std::size_t capacity) override {
        return memory.readStringValue(name, field, capacity);
    }
    bool readBinaryValue(const char* name, char* buffer, std::size_t capacity,
                         std::size_t* size) override {
        return memory.readBinaryValue(name, buffer, capacity, size);
    }
    void writeStringValue(const char* name, const char* text) override {
        ++writes;
        memory.writeStringValue(name, text);
    }
    void writeBinaryValue(const char* name, const char* bytes, std::size_t size) override {
        ++writes;
        memory.writeBinaryValue(name, bytes, size);
    }
    MemorySettingsBackend memory;
    int writes = 0;
};

// What the program holds while it runs, and what its close would write.
struct Session {
    ReceivingSite site;
    TestSatelliteTable table;
    ChangeFlags flags = 0;
    OffsetSetting offset;
    DishSetting dish;
    BandSetting band;
    HorizonSettingText horizon;
    char description[SiteDescriptionCapacity] = {};

    void recalculate(const char* name, long double longitude, long double latitude) {
        site.longitude = longitude;
        site.latitude = latitude;
        recalculateAll(name, site, table, flags, description);
    }
    void add(const char* longitude, const char* name) {
        const int row = table.rowCount();
        table.insertRow(row, name);
        table.setCell(row, ColumnLongitude, longitude);
        flags |= ListChanged;
    }
    void typeOffset(const char* text) { std::strcpy(offset.text, text); }
    void typeDish(const char* text) { std::strcpy(dish.text, text); }
    void chooseBand(const char* word) { std::strcpy(band.text, word); }
    void setHorizon(const char* text) { std::strcpy(horizon.text, text); }

    // The store as the close sequence would leave `before` now.
    MemorySettingsBackend closedFrom(const MemorySettingsBackend& before) const {
        MemorySettingsBackend closed = before;
        saveSettings(closed, site, table, flags);
        saveOffset(closed, offset);
        saveDish(closed, dish);
        saveBand(closed, band);
        saveHorizon(closed, horizon);
        return closed;
    }
};

void expectSameValues(const MemorySettingsBackend& actual, const MemorySettingsBackend& expected) {
    ASSERT_EQ(actual.values.size(), expected.values.size());
    for (const auto& [name, value] : expected.values) {
        SCOPED_TRACE(name);
        ASSERT_EQ(actual.values.count(name), 1u);
        EXPECT_EQ(actual.values.at(name).type, value.type);
        EXPECT_EQ(actual.values.at(name).bytes, value.bytes);
    }
}

TEST(SettingsAutosave, AfterEachChangeTheStoreHoldsWhatACloseWouldWrite) {
    CountingBackend store;
    store.memory.values["City"] = {ValueType::Text, std::string("old\0", 4)};
    store.memory.values["Offset"] = {ValueType::Text, std::string("10\0", 3)};
    store.memory.values["Band"] = {ValueType::Text, std::string("C\0", 2)};
    store.memory.values["Horizon"] = {ValueType::Text, std::string("M\0", 2)};
    const MemorySettingsBackend start = store.memory;

    Session session;
    insertSatelliteColumns(session.table);
    session.add("105.5", "a");
    session.flags = 0;  // the list as loaded
    loadOffset(store, session.offset);
    loadDish(store, session.dish);
    loadBand(store, session.band, [](const char*) { return true; });
    loadHorizon(store, session.horizon);
    SettingsAutosave autosave(store);

    struct Step {
        const char* what;
        std::function<void()> change;
        int writes;  // one operation per value
    };
    const std::vector<Step> steps = {
        {"start-up recalculation",
         [&] {
             session.recalculate("here", 116.46L, 39.92L);
             autosave.siteChanged(session.site);
         },
         3},
        {"a satellite added",
         [&] {
             session.add("125.0", "b");
             autosave.listChanged(session.table);
         },
         1},
        {"the offset typed",
         [&] {
             session.typeOffset("22.6");
             autosave.offsetChanged(session.offset);
         },
         1},
        {"the offset typed again, the same", [&] { autosave.offsetChanged(session.offset); }, 0},
        {"a sort",
         [&] {
             session.table.sortRows([](int first, int second) { return second - first; });
             session.flags |= ListChanged;
             autosave.listChanged(session.table);
         },
         1},
        {"another site",
         [&] {
             session.recalculate("", -74, 40.7L);
             autosave.siteChanged(session.site);
         },
         3},
        {"every row deleted",
         [&] {
             while (session.table.rowCount() > 0) session.table.deleteRow(0);
             autosave.listChanged(session.table);
         },
         1},
        {"the offset back to the stored one",
         [&] {
             session.typeOffset("10");
             autosave.offsetChanged(session.offset);
         },
         1},
        {"the dish typed",
         [&] {
             session.typeDish("1.2");
             autosave.dishChanged(session.dish);
         },
         1},
        {"the dish typed again, the same", [&] { autosave.dishChanged(session.dish); }, 0},
        {"the band chosen",
         [&] {
             session.chooseBand("Ka");
             autosave.bandChanged(session.band);
         },
         1},
        {"the band chosen again, the same", [&] { autosave.bandChanged(session.band); }, 0},
        {"the band back to the stored one",
         [&] {
             session.chooseBand("C");
             autosave.bandChanged(session.band);
         },
         1},
        {"an obstacle added",
         [&] {
             session.setHorizon("M;202.50,270.00,35.00");
             autosave.horizonChanged(session.horizon);
         },
         1},
        {"the obstacles confirmed unchanged", [&] { autosave.horizonChanged(session.horizon); }, 0},
        {"the obstacles back to the stored ones",
         [&] {
             session.setHorizon("M");
             autosave.horizonChanged(session.horizon);
         },
         1},
        {"another obstacle",
         [&] {
             session.setHorizon("T;350.00,10.00,20.00");
             autosave.horizonChanged(session.horizon);
         },
         1},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        const int before = store.writes;
        step.change();
        EXPECT_EQ(store.writes - before, step.writes);
        expectSameValues(store.memory, session.closedFrom(start));
    }

    // The close writes the same bytes once more; a second close writes nothing.
    const MemorySettingsBackend beforeClose = store.memory;
    EXPECT_TRUE(autosave.close(session.site, session.table, session.flags,
                               {session.offset, session.dish, session.band, session.horizon}));
    expectSameValues(store.memory, beforeClose);
    const int afterClose = store.writes;
    EXPECT_FALSE(autosave.close(session.site, session.table, session.flags,
                                {session.offset, session.dish, session.band, session.horizon}));
    EXPECT_EQ(store.writes, afterClose);
    EXPECT_TRUE(autosave.closed());

    // A session's end that does not end the process (the close's writes
    // done, the window still open): every later change is still written.
    const MemorySettingsBackend afterSessionEnd = store.memory;
    autosave.siteChanged(session.site);
    autosave.listChanged(session.table);
    session.typeDish("2.4");
    autosave.dishChanged(session.dish);
    autosave.bandChanged(session.band);
    session.setHorizon("T");
    autosave.horizonChanged(session.horizon);
    EXPECT_GT(store.writes, afterClose);
    expectSameValues(store.memory, session.closedFrom(afterSessionEnd));
}

TEST(SettingsAutosave, ANewListTooLongForTheStoreIsNotWritten) {
    CountingBackend store;
    SettingsAutosave autosave(store);
    TestSatelliteTable table;
    insertSatelliteColumns(table);
    const std::string name(127, 'n');
    // 140 rows of 256 bytes each fit; 141 do not.
    for (int row = 0; row < 141; ++row) {
        table.insertRow(row, name.c_str());
        table.setCell(row, ColumnLongitude, std::string(127, '1').c_str());
    }
    autosave.listChanged(table);
    EXPECT_EQ(store.writes, 0);
    table.deleteRow(0);
    autosave.listChanged(table);
    ASSERT_EQ(store.writes, 1);
    EXPECT_EQ(store.memory.values.at("Data").bytes.size(), 140u * 256 + 2);
}

TEST(SettingsAutosave, ADishTypedBackToTheDefaultReadsAsTheDefault) {
    // No Dish at the start: the box shows the default. Typed away from it
    // and back, the store holds the default's text, which reads the same as
    // no value at all (the store has no removal).
    CountingBackend store;
    DishSetting dish;
    loadDish(store, dish);
    SettingsAutosave autosave(store);
    std::strcpy(dish.text, "1.2");
    autosave.dishChanged(dish);
    std::strcpy(dish.text, DefaultDishText);
    autosave.dishChanged(dish);
    EXPECT_EQ(store.writes, 2);
    DishSetting reread;
    loadDish(store, reread);
    EXPECT_STREQ(reread.text, DefaultDishText);
    // The close leaves it: the text is the one read at the start.
    autosave.close(ReceivingSite(), TestSatelliteTable(), 0,
                   {OffsetSetting(), dish, BandSetting(), HorizonSettingText()});
    EXPECT_EQ(store.memory.values.at("Dish").bytes, std::string("0.6", 4));
}

}  // namespace
