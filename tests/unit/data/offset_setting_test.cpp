// The details window's offset angle in the settings store.

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "data/settings_store.h"
#include "tests/support/memory_settings_backend.h"

namespace {

using ValueType = MemorySettingsBackend::ValueType;

TEST(OffsetSetting, ReadsOnlyTextsThatEndWithinTheField) {
    struct Case {
        std::string stored;  // bytes of the value; "absent" for none
        const char* read;
    };
    const Case cases[] = {
        {"absent", ""},
        {std::string("22.6", 5), "22.6"},
        {std::string("123456", 7), "123456"},  // six bytes and the NUL: the whole field
        {std::string("1234567", 7), ""},       // no NUL within the field
        {std::string("1234567", 8), ""},       // longer than the field
        {std::string("", 1), ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored);
        MemorySettingsBackend store;
        if (c.stored != "absent") store.values["Offset"] = {ValueType::Text, c.stored};
        OffsetSetting offset;
        loadOffset(store, offset);
        EXPECT_EQ(std::string(offset.text), c.read);
        // Read back unchanged: nothing is written.
        saveOffset(store, offset);
        EXPECT_EQ(store.values.count("Offset"), c.stored == "absent" ? 0u : 1u);
    }
}

TEST(OffsetSetting, WrittenAtCloseOnlyWhenChanged) {
    MemorySettingsBackend store;
    store.values["Offset"] = {ValueType::Text, std::string("17", 3)};
    OffsetSetting offset;
    loadOffset(store, offset);

    // Changed and changed back: the stored value is still what was read.
    store.values.clear();
    std::strcpy(offset.text, "22.6");
    std::strcpy(offset.text, "17");
    saveOffset(store, offset);
    EXPECT_TRUE(store.values.empty());

    std::strcpy(offset.text, "");
    saveOffset(store, offset);
    ASSERT_EQ(store.values.count("Offset"), 1u);
    EXPECT_EQ(store.values["Offset"].type, ValueType::Text);
    EXPECT_EQ(store.values["Offset"].bytes, std::string(1, '\0'));

    // The whole field without a NUL is written as its six bytes and a NUL.
    std::memcpy(offset.text, "1234567", sizeof offset.text);
    saveOffset(store, offset);
    EXPECT_EQ(store.values["Offset"].bytes, std::string("123456", 7));
}

}  // namespace
