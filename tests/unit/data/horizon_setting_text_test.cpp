// The obstacles' text in the settings store.

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "data/settings_store.h"
#include "tests/support/memory_settings_backend.h"

namespace {

using ValueType = MemorySettingsBackend::ValueType;

// The store keeps the Horizon text at the capacity its owner gives; any will do.
constexpr std::size_t HorizonTextCapacity = 1282;
using HorizonSettingText = StoredText<HorizonTextCapacity>;

TEST(HorizonSettingText, ReadsOnlyTextsThatEndWithinTheField) {
    const std::string whole(HorizonTextCapacity - 1, '1');
    struct Case {
        std::string stored;  // bytes of the value; "absent" for none
        std::string read;
    };
    const Case cases[] = {
        {"absent", ""},
        {std::string("M;120.00,150.00,12.50", 22), "M;120.00,150.00,12.50"},
        {whole + '\0', whole},     // the whole field and the NUL
        {whole + '1', ""},         // no NUL within the field
        {whole + "1" + '\0', ""},  // longer than the field
        // Not a setting, but a text: the reader of the text refuses it.
        {std::string("garbage", 8), "garbage"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored.substr(0, 30));
        MemorySettingsBackend store;
        if (c.stored != "absent") store.values["Horizon"] = {ValueType::Text, c.stored};
        HorizonSettingText horizon;
        loadHorizon(store, horizon);
        EXPECT_EQ(std::string(horizon.text), c.read);
        // Read back unchanged: nothing is written.
        saveHorizon(store, horizon);
        EXPECT_EQ(store.values.count("Horizon"), c.stored == "absent" ? 0u : 1u);
        if (c.stored != "absent") {
            EXPECT_EQ(store.values["Horizon"].bytes, c.stored);
        }
    }
}

TEST(HorizonSettingText, WrittenOnlyWhenChanged) {
    MemorySettingsBackend store;
    store.values["Horizon"] = {ValueType::Text, std::string("M", 2)};
    HorizonSettingText horizon;
    loadHorizon(store, horizon);

    store.values.clear();
    std::strcpy(horizon.text, "M;1.00,2.00,3.00");
    std::strcpy(horizon.text, "M");
    saveHorizon(store, horizon);
    EXPECT_TRUE(store.values.empty());

    std::strcpy(horizon.text, "T;350.00,10.00,20.00");
    saveHorizon(store, horizon);
    ASSERT_EQ(store.values.count("Horizon"), 1u);
    EXPECT_EQ(store.values["Horizon"].type, ValueType::Text);
    EXPECT_EQ(store.values["Horizon"].bytes, std::string("T;350.00,10.00,20.00", 21));

    // A field without a NUL is written cut to its capacity less one, with a NUL.
    std::memset(horizon.text, 'x', sizeof horizon.text);
    saveHorizon(store, horizon);
    EXPECT_EQ(store.values["Horizon"].bytes, std::string(HorizonTextCapacity - 1, 'x') + '\0');
}

}  // namespace
