#include "calc/current_satellite_list.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>

#include "calc/result_text.h"
#include "data/satellite_catalogue.h"
#include "data/satellite_table.h"
#include "encoding/text_encoding.h"
#include "numtext/numtext.h"

namespace {

std::string sourceFile() {
    std::ifstream file(KESTRAVE_CURRENT_LIST_PATH, std::ios::binary);
    EXPECT_TRUE(file) << KESTRAVE_CURRENT_LIST_PATH;
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

TEST(CurrentSatelliteList, IsTheDataFileByteForByte) {
    const std::string source = sourceFile();
    ASSERT_FALSE(source.empty());
    EXPECT_EQ(std::string(CurrentSatelliteListText, CurrentSatelliteListSize), source);
    EXPECT_EQ(CurrentSatelliteListText[CurrentSatelliteListSize], '\0');
}

TEST(CurrentSatelliteList, CarriesTheDateOfItsHeader) {
    const std::string date = CurrentSatelliteListDate;
    ASSERT_EQ(date.size(), 10u);
    for (std::size_t k : {0, 1, 2, 3, 5, 6, 8, 9}) EXPECT_TRUE(isDigit(date[k])) << date;
    EXPECT_EQ(date[4], '-');
    EXPECT_EQ(date[7], '-');
    const std::string source = sourceFile();
    EXPECT_NE(source.find("\n# date: " + date + "\n"), std::string::npos);
    EXPECT_EQ(source.find("# date: "), source.rfind("# date: ")) << "one date line";
}

// "115.5,中星6E  (ChinaSat 6E)": digits, a point and one decimal; a Chinese
// name without blanks, two blanks, the English name in parentheses.
void expectCatalogueStyle(const std::string& longitude, const std::string& description) {
    const std::size_t point = longitude.find('.');
    EXPECT_TRUE(point != std::string::npos && point > 0 && point + 2 == longitude.size() &&
                isDigit(longitude.back()))
        << longitude;
    for (std::size_t k = 0; k < point && point != std::string::npos; ++k) {
        EXPECT_TRUE(isDigit(longitude[k])) << longitude;
    }
    const std::size_t open = description.find("  (");
    ASSERT_NE(open, std::string::npos) << description;
    const std::string chinese = description.substr(0, open);
    const std::string english = description.substr(open + 3);
    EXPECT_TRUE(!chinese.empty() && static_cast<unsigned char>(chinese[0]) >= 0x80) << description;
    EXPECT_EQ(chinese.find(' '), std::string::npos) << description;
    ASSERT_GE(english.size(), 2u) << description;
    EXPECT_EQ(english.back(), ')') << description;
    EXPECT_EQ(english.find_first_of("()"), english.size() - 1) << description;
    EXPECT_NE(english[0], ' ') << description;
}

TEST(CurrentSatelliteList, ParsesIntoSixtyToEightyRowsEastwardFrom56To180) {
    const SatelliteListFileResult result = parseCurrentSatelliteList();
    ASSERT_EQ(result.fault, SatelliteListFault::None) << result.line;
    EXPECT_GE(result.rowCount, 60);
    EXPECT_LE(result.rowCount, 80);

    long double previous = 56;
    int rows = 0;
    for (std::size_t position = 0; result.list[position] != '\0';) {
        const SatelliteRecordParts parts =
            splitSatelliteRecord(result.list.data() + position, result.list.size() - position);
        const std::string description(parts.description, parts.descriptionLength);
        expectCatalogueStyle(parts.longitudeText, description);

        char number[sizeof parts.longitudeText];
        std::copy(std::begin(parts.longitudeText), std::end(parts.longitudeText), number);
        long double longitude = 0;
        ASSERT_EQ(TextToNumber(number, &longitude), 1) << parts.longitudeText;
        if (rows == 0) {
            EXPECT_GE(longitude, previous) << parts.longitudeText;
        } else {
            EXPECT_GT(longitude, previous) << parts.longitudeText;
        }
        EXPECT_LE(longitude, 180) << parts.longitudeText;
        previous = longitude;
        position += parts.recordLength + 1;
        ++rows;
    }
    EXPECT_EQ(rows, result.rowCount);
}

// The clipboard's name field holds 36 bytes: a name of 35 at most keeps a
// blank between it and the longitude. In the table, 宋体 draws a byte 6
// pixels wide at 96 pixels per inch and the list view keeps 12 of a column's
// pixels for its padding: the first column at its first width shows the
// rest's worth of bytes whole.
TEST(CurrentSatelliteList, EveryNameFitsTheClipboardsFieldAndTheTablesFirstColumn) {
    const SatelliteListFileResult result = parseCurrentSatelliteList();
    ASSERT_EQ(result.fault, SatelliteListFault::None) << result.line;
    const std::size_t clipboardRoom = ResultFieldWidths[ColumnName] - 1;
    const std::size_t columnRoom =
        static_cast<std::size_t>(SatelliteColumns[ColumnName].width - 12) / 6;
    const std::size_t room = std::min(clipboardRoom, columnRoom);
    for (std::size_t position = 0; result.list[position] != '\0';) {
        const SatelliteRecordParts parts =
            splitSatelliteRecord(result.list.data() + position, result.list.size() - position);
        EXPECT_LE(parts.descriptionLength, room)
            << utf8FromCp936(std::string(parts.description, parts.descriptionLength));
        position += parts.recordLength + 1;
    }
}

TEST(CurrentSatelliteList, PutsItsDateIntoTheMenuItemBeforeTheAccelerator) {
    const std::string date = CurrentSatelliteListDate;
    const std::pair<const char*, std::string> cases[] = {
        {u8"载入当前卫星列表(&N)", u8"载入当前卫星列表（" + date + u8"）(&N)"},
        {u8"载入当前卫星列表", u8"载入当前卫星列表（" + date + u8"）"},
        {u8"列表(&L)(&N)", u8"列表(&L)（" + date + u8"）(&N)"},
        {"", u8"（" + date + u8"）"},
    };
    for (const auto& [item, dated] : cases)
        EXPECT_EQ(utf8FromCp936(withCurrentListDate(cp936FromUtf8(item))), dated) << item;
}

}  // namespace
