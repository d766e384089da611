#pragma once
// Every GUI test starts with no stored settings and leaves none behind.

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "data/satellite_catalogue.h"
#include "tests/gui/registry_fixture.h"

class GuiTest : public ::testing::Test {
protected:
    void SetUp() override { removeStoredSettings(); }
    void TearDown() override { removeStoredSettings(); }
};

// 北京 at 116.46 E, 39.92 N, as the site description shows it.
inline const char* const BeijingDescription = "北京\r\n经度：东经116.46度\r\n纬度：北纬39.92度";

// The Data bytes of a list of record texts: each record and its NUL, then two NULs.
inline std::string storedList(const std::vector<std::string>& records) {
    std::string bytes;
    for (const std::string& record : records) {
        bytes += record + '\0';
    }
    return bytes + std::string(2, '\0');
}

// The records of the built-in catalogue (code page 936), in their stored order.
inline std::vector<std::string> catalogueRecords() {
    std::vector<std::string> records;
    for (const char* record = DefaultCatalogue; *record != '\0';
         record += std::strlen(record) + 1) {
        records.emplace_back(record);
    }
    return records;
}
