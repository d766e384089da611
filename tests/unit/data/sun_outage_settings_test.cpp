// The details window's dish diameter and band in the settings store.

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "data/settings_store.h"
#include "tests/support/memory_settings_backend.h"

namespace {

using ValueType = MemorySettingsBackend::ValueType;

// The words of this test's caller: those that begin with a capital.
bool isCapitalised(const char* text) { return *text >= 'A' && *text <= 'Z'; }

struct StoredCase {
    std::string stored;  // bytes of the value; "absent" for none
    const char* read;
};

TEST(DishSetting, ReadsOnlyTextsThatEndWithinTheFieldElseKeepsTheDefault) {
    const StoredCase cases[] = {
        {"absent", DefaultDishText},
        {std::string("1.2", 4), "1.2"},
        {std::string("123456", 7), "123456"},          // six bytes and the NUL: the whole field
        {std::string("1234567", 7), DefaultDishText},  // no NUL within the field
        {std::string("1234567", 8), DefaultDishText},  // longer than the field
        {std::string("", 1), ""},                      // an emptied box, kept as typed
        {std::string("abc", 4), "abc"},                // read as typed, as Offset is
    };
    for (const StoredCase& c : cases) {
        SCOPED_TRACE(c.stored);
        MemorySettingsBackend store;
        if (c.stored != "absent") store.values["Dish"] = {ValueType::Text, c.stored};
        const MemorySettingsBackend before = store;
        DishSetting dish;
        loadDish(store, dish);
        EXPECT_STREQ(dish.text, c.read);
        // Nothing changed: nothing is written.
        saveDish(store, dish);
        EXPECT_EQ(store.values.size(), before.values.size());
        if (c.stored != "absent") {
            EXPECT_EQ(store.values["Dish"].bytes, c.stored);
        }
    }
}

TEST(BandSetting, ReadsOnlyATextTheCallerTakes) {
    const StoredCase cases[] = {
        {"absent", "K"},
        {std::string("C", 2), "C"},
        {std::string("c", 2), "K"},    // refused by the caller
        {std::string("Ka ", 4), "K"},  // longer than the field
        {std::string("Ka", 2), "Ka"},  // a value without its NUL still ends in the field
    };
    for (const StoredCase& c : cases) {
        SCOPED_TRACE(c.stored);
        MemorySettingsBackend store = storeWithText("Band", c.stored);
        BandSetting band = {"K", "x"};
        loadBand(store, band, isCapitalised);
        EXPECT_STREQ(band.text, c.read);
        EXPECT_STREQ(band.stored, c.read);
    }
}

TEST(DishAndBandSettings, WrittenOnlyWhenChanged) {
    MemorySettingsBackend store;
    DishSetting dish;
    BandSetting band;
    loadDish(store, dish);
    loadBand(store, band, isCapitalised);

    // The defaults, unchanged or changed back: nothing.
    std::strcpy(dish.text, "1.2");
    std::strcpy(dish.text, "0.6");
    saveDish(store, dish);
    saveBand(store, band);
    EXPECT_TRUE(store.values.empty());

    std::strcpy(dish.text, "0.45");
    std::strcpy(band.text, "C");
    saveDish(store, dish);
    saveBand(store, band);
    ASSERT_EQ(store.values.count("Dish"), 1u);
    ASSERT_EQ(store.values.count("Band"), 1u);
    EXPECT_EQ(store.values["Dish"].type, ValueType::Text);
    EXPECT_EQ(store.values["Dish"].bytes, std::string("0.45", 5));
    EXPECT_EQ(store.values["Band"].type, ValueType::Text);
    EXPECT_EQ(store.values["Band"].bytes, std::string("C", 2));

    // The whole field without a NUL is written as its six bytes and a NUL.
    std::memcpy(dish.text, "1234567", sizeof dish.text);
    saveDish(store, dish);
    EXPECT_EQ(store.values["Dish"].bytes, std::string("123456", 7));
}

}  // namespace
