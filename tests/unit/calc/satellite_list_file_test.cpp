#include "calc/satellite_list_file.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "data/memory_satellite_table.h"
#include "data/satellite_catalogue.h"
#include "data/settings_store.h"
#include "encoding/text_encoding.h"

namespace {

using Records = std::vector<std::string>;

const std::string Bom = "\xEF\xBB\xBF";

// The SatelliteListText of records given in UTF-8.
std::string listOf(const Records& utf8Records) {
    std::string list;
    for (const std::string& record : utf8Records) {
        const std::string cp936 = cp936FromUtf8(record);
        EXPECT_FALSE(cp936.empty()) << record;
        list += cp936;
        list += '\0';
    }
    return list + '\0';
}

std::string repeated(const std::string& text, int count) {
    std::string result;
    for (int k = 0; k < count; ++k) result += text;
    return result;
}

MemorySatelliteTable tableOf(const std::string& list) {
    MemorySatelliteTable table;
    insertSatelliteColumns(table);
    fillSatelliteTable(table, list.data(), list.size());
    return table;
}

struct AcceptedCase {
    const char* what;
    std::string file;
    Records records;
};

TEST(SatelliteListFile, ReadsEveryRecordOfEachSpellingOfTheFormat) {
    const std::string fiftyChinese = repeated(u8"星", 50);  // 100 bytes of code page 936
    const std::vector<AcceptedCase> cases = {
        {"LF", "57.0,a\n60.0,b\n", {"57.0,a", "60.0,b"}},
        {"CRLF", "57.0,a\r\n60.0,b\r\n", {"57.0,a", "60.0,b"}},
        {"no line end after the last line", "57.0,a\r\n60.0,b", {"57.0,a", "60.0,b"}},
        {"byte order mark", Bom + "57.0,a\r\n", {"57.0,a"}},
        {"UTF-8", u8"115.5,中星6E  (ChinaSat 6E)\n", {u8"115.5,中星6E  (ChinaSat 6E)"}},
        {"UTF-8 with a byte order mark",
         Bom + u8"105.5,亚洲7号  (AsiaSat 7)\r\n122.0,亚洲9号  (AsiaSat 9)\r\n",
         {u8"105.5,亚洲7号  (AsiaSat 7)", u8"122.0,亚洲9号  (AsiaSat 9)"}},
        {"code page 936, as Notepad saves ANSI",
         cp936FromUtf8(u8"134.0,亚太6C  (Apstar 6C)\r\n# 注释\r\n115.5,中星6E  (ChinaSat 6E)\r\n"),
         {u8"134.0,亚太6C  (Apstar 6C)", u8"115.5,中星6E  (ChinaSat 6E)"}},
        {"comments and blank lines",
         "# list\n\n   \n\t \r\n  # indented\n\t#tabbed\n57.0,a\n#\n",
         {"57.0,a"}},
        {"a comment needs no code page 936 form", u8"# 한국 😀\n57.0,a\n", {"57.0,a"}},
        {"a comma in the description", "57.0,a,b,\n", {"57.0,a,b,"}},
        {"a '#' after the first character", "57.0,#1\n", {"57.0,#1"}},
        {"blanks kept as written", " 57.0,x \n5 7.0, (y)\n", {" 57.0,x ", "5 7.0, (y)"}},
        {"a CR inside a line is text", "57.0,a\rb\r\n", {"57.0,a\rb"}},
        {"the longest texts the dialog takes",
         "-180.5," + std::string(100, 'd') + "\n180.5," + fiftyChinese + "\n",
         {"-180.5," + std::string(100, 'd'), "180.5," + fiftyChinese}},
        {"numbers as TextToNumber reads them", "1e2,a\n-0,b\n", {"1e2,a", "-0,b"}},
        {"empty file", "", {}},
        {"byte order mark alone", Bom, {}},
        {"comments alone", "# nothing\r\n\r\n", {}},
    };
    for (const AcceptedCase& c : cases) {
        const SatelliteListFileResult result = parseSatelliteListFile(c.file);
        EXPECT_EQ(result.fault, SatelliteListFault::None) << c.what << ": line " << result.line;
        EXPECT_EQ(result.list, listOf(c.records)) << c.what;
        EXPECT_EQ(result.rowCount, static_cast<int>(c.records.size())) << c.what;
        EXPECT_EQ(satelliteListFileMessage(result), "") << c.what;
    }
}

struct RefusedCase {
    const char* what;
    std::string file;
    SatelliteListFault fault;
    std::size_t line;
    std::string text;     // UTF-8
    std::string message;  // UTF-8
};

TEST(SatelliteListFile, RefusesTheFirstBadLineWithItsNumberAndWhatIsWrong) {
    const std::string fiftyOneChinese = repeated(u8"星", 51);
    const std::vector<RefusedCase> cases = {
        {"a longitude that is no number, counting comments and blank lines",
         "# c\n\n57.0,a\r\n# d\n\n60.0,b\nabc,x\n99,y\n", SatelliteListFault::LongitudeInvalid, 7,
         "abc", u8"第 7 行：经度“abc”无效"},
        {"no comma", "57.0,a\n57.0\n", SatelliteListFault::NoComma, 2, "57.0",
         u8"第 2 行：缺少逗号"},
        {"an empty description", "57.0,\n", SatelliteListFault::DescriptionEmpty, 1, "",
         u8"第 1 行：说明为空"},
        {"an empty longitude", ",x\n", SatelliteListFault::LongitudeInvalid, 1, "",
         u8"第 1 行：经度“”无效"},
        {"a longitude outside the half circle", "180.6,x\n", SatelliteListFault::LongitudeInvalid,
         1, "180.6", u8"第 1 行：经度“180.6”无效"},
        {"a longitude in Chinese, spelt as the file spells it", u8"东经57,x\n",
         SatelliteListFault::LongitudeInvalid, 1, u8"东经57", u8"第 1 行：经度“东经57”无效"},
        {"a longitude over the box's 6 bytes", "105.500,x\n", SatelliteListFault::LongitudeTooLong,
         1, "105.500", u8"第 1 行：经度“105.500”超过 6 字节"},
        {"the longitude's fault before the description's", "1234567,\n",
         SatelliteListFault::LongitudeTooLong, 1, "1234567", u8"第 1 行：经度“1234567”超过 6 字节"},
        {"a description of 101 bytes", "57.0,a\n57.0," + std::string(101, 'd') + "\n",
         SatelliteListFault::DescriptionTooLong, 2, std::string(101, 'd'),
         u8"第 2 行：说明超过 100 字节"},
        {"a description of 102 bytes of code page 936", "57.0," + fiftyOneChinese + "\n",
         SatelliteListFault::DescriptionTooLong, 1, fiftyOneChinese,
         u8"第 1 行：说明超过 100 字节"},
        {"a character without a code page 936 form", u8"57.0,a\n57.0,한국\n",
         SatelliteListFault::NoCp936Form, 2, "U+D55C",
         u8"第 2 行：含有无法用 GBK 表示的字符 U+D55C"},
        {"a character beyond the 16-bit range", u8"57.0,星😀\n", SatelliteListFault::NoCp936Form, 1,
         "U+1F600", u8"第 1 行：含有无法用 GBK 表示的字符 U+1F600"},
        {"a NUL byte", std::string("57.0,a\n57.0,a\0b\n", 15), SatelliteListFault::NulByte, 2, "",
         u8"第 2 行：含有 NUL 字节"},
        {"a line that is not UTF-8 after a byte order mark", Bom + "57.0,a\n60.0,\xB5\xDA\n",
         SatelliteListFault::NotUtf8, 2, "", u8"第 2 行：不是有效的 UTF-8 文本"},
        {"a line of a code page 936 file that is not code page 936 either",
         cp936FromUtf8(u8"57.0,中星\n60.0,亚太\n") + "62.0,a\xA1\n", SatelliteListFault::NotText, 3,
         "", u8"第 3 行：既不是 UTF-8 也不是 GBK 文本"},
    };
    for (const RefusedCase& c : cases) {
        const SatelliteListFileResult result = parseSatelliteListFile(c.file);
        EXPECT_EQ(result.fault, c.fault) << c.what;
        EXPECT_EQ(result.line, c.line) << c.what;
        EXPECT_EQ(result.text, cp936FromUtf8(c.text)) << c.what;
        EXPECT_EQ(satelliteListFileMessage(result), cp936FromUtf8(c.message)) << c.what;
        EXPECT_EQ(result.rowCount, 0) << c.what;
    }
}

// UTF-16 code units as file bytes, after the byte order mark, in either order.
std::string utf16File(const std::u16string& units, bool bigEndian) {
    std::string file = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (char16_t unit : units) {
        const char high = static_cast<char>(unit >> 8);
        const char low = static_cast<char>(unit & 0xFF);
        file += bigEndian ? std::string{high, low} : std::string{low, high};
    }
    return file;
}

TEST(SatelliteListFile, TheEncodingIsReadFromTheMarkOrFromTheRecordsLines) {
    const std::string gbk = cp936FromUtf8(u8"60.0,国际\r\n");
    const std::vector<AcceptedCase> cases = {
        {"a GBK byte in a comment of a UTF-8 file",
         u8"# \xB5\xDA list\n60.0,国际\n" + std::string("# \xA1\n"),
         {u8"60.0,国际"}},
        {"a GBK file whose bytes are also UTF-8 without a Chinese character",
         cp936FromUtf8(u8"110.5,小\n"),
         {u8"110.5,小"}},
        {"GBK with Chinese characters that are no UTF-8", gbk, {u8"60.0,国际"}},
        {"UTF-8 whose bytes would also be GBK", u8"60.0,国际\n", {u8"60.0,国际"}},
        {"ASCII alone", "57.0,a\n", {"57.0,a"}},
        {"UTF-16 little-endian with CRLF",
         utf16File(u"60.0,国际\r\n# 한\r\n57.0,a\r\n", false),
         {u8"60.0,国际", "57.0,a"}},
        {"UTF-16 big-endian", utf16File(u"110.5,小\n57.0,a", true), {u8"110.5,小", "57.0,a"}},
        {"UTF-16 beyond the 16-bit range in a comment",
         utf16File(u"# \U0001F600\n57.0,a\n", true),
         {"57.0,a"}},
        {"UTF-16 with the mark alone", utf16File(u"", false), {}},
    };
    for (const AcceptedCase& c : cases) {
        const SatelliteListFileResult result = parseSatelliteListFile(c.file);
        EXPECT_EQ(result.fault, SatelliteListFault::None) << c.what << ": line " << result.line;
        EXPECT_EQ(result.list, listOf(c.records)) << c.what;
    }

    const std::u16string loneSurrogate = u"57.0,a\n# \xD800\n60.0,b\xDC00\n";
    const std::vector<RefusedCase> refused = {
        {"a UTF-16 line with a lone surrogate", utf16File(loneSurrogate, false),
         SatelliteListFault::NotUtf16, 3, "", u8"第 3 行：不是有效的 UTF-16 文本"},
        {"UTF-16 cut inside its last unit", utf16File(u"57.0,a\n60.0,b", true).substr(0, 19),
         SatelliteListFault::NotUtf16, 2, "", u8"第 2 行：不是有效的 UTF-16 文本"},
        {"UTF-8 and GBK lines in one file", u8"60.0,中\n" + gbk, SatelliteListFault::NotUtf8, 2, "",
         u8"第 2 行：不是有效的 UTF-8 文本"},
        {"the first line that is neither, after a GBK line", gbk + "57.0,a\n62.0,a\xA1\n",
         SatelliteListFault::NotText, 3, "", u8"第 3 行：既不是 UTF-8 也不是 GBK 文本"},
    };
    for (const RefusedCase& c : refused) {
        const SatelliteListFileResult result = parseSatelliteListFile(c.file);
        EXPECT_EQ(result.fault, c.fault) << c.what;
        EXPECT_EQ(result.line, c.line) << c.what;
        EXPECT_EQ(satelliteListFileMessage(result), cp936FromUtf8(c.message)) << c.what;
    }
}

// 349 records of 103 stored bytes ("1,", 100 bytes, the NUL), the two closing
// NULs, then one record of `lastLength` bytes and its NUL.
std::string fileOfStoredSize(std::size_t storedSize) {
    std::string file;
    for (int k = 0; k < 349; ++k) file += "1," + std::string(100, 'd') + "\r\n";
    const std::size_t lastLength = storedSize - (2 + 349 * 103) - 1;
    return file + "1," + std::string(lastLength - 2, 'e') + "\r\n";
}

TEST(SatelliteListFile, TheWholeListMustFitTheStoredListsBytes) {
    for (std::size_t storedSize : {StoredListCapacity - 1, StoredListCapacity}) {
        const SatelliteListFileResult result = parseSatelliteListFile(fileOfStoredSize(storedSize));
        ASSERT_EQ(result.fault, SatelliteListFault::None) << storedSize;
        EXPECT_EQ(result.rowCount, 350);
        EXPECT_EQ(result.list.size() + 1, storedSize);
        // The store's own count of the table the list fills.
        EXPECT_EQ(storedListSize(tableOf(result.list)), storedSize);
    }
    const SatelliteListFileResult refused =
        parseSatelliteListFile(fileOfStoredSize(StoredListCapacity + 1));
    EXPECT_EQ(refused.fault, SatelliteListFault::ListTooLarge);
    EXPECT_EQ(refused.line, 350u);
    EXPECT_EQ(satelliteListFileMessage(refused),
              cp936FromUtf8(u8"第 350 行：卫星列表超过 36000 字节"));
}

TEST(SatelliteListFile, AFileOverTheSizeLimitIsRefusedAsAWhole) {
    // A file of comments only, so that nothing but its size can refuse it.
    std::string file = "#" + std::string(SatelliteListFileLimit - 1, ' ');
    EXPECT_EQ(parseSatelliteListFile(file).fault, SatelliteListFault::None);
    file += '\n';
    const SatelliteListFileResult result = parseSatelliteListFile(file);
    EXPECT_EQ(result.fault, SatelliteListFault::FileTooLarge);
    EXPECT_EQ(result.line, 0u);
    EXPECT_EQ(satelliteListFileMessage(result), cp936FromUtf8(u8"文件超过 1048576 字节"));
}

struct TableRow {
    std::string longitude;    // UTF-8
    std::string description;  // UTF-8
};

MemorySatelliteTable tableOfRows(const std::vector<TableRow>& rows) {
    MemorySatelliteTable table;
    insertSatelliteColumns(table);
    for (const TableRow& row : rows) {
        const int index = table.rowCount();
        table.insertRow(index, cp936FromUtf8(row.description).c_str());
        table.setCell(index, ColumnLongitude, cp936FromUtf8(row.longitude).c_str());
    }
    return table;
}

TEST(SatelliteListFileWriter, WritesUtf8WithAByteOrderMarkAndCrlfOneRowPerLine) {
    std::string text;
    ASSERT_TRUE(writeSatelliteListFile(tableOfRows({}), text));
    EXPECT_EQ(text, Bom);

    ASSERT_TRUE(writeSatelliteListFile(
        tableOfRows({{"134.0", u8"亚太6C  (Apstar 6C)"}, {" 57.0", "a,b"}, {"x", ""}}), text));
    EXPECT_EQ(text, Bom + u8"134.0,亚太6C  (Apstar 6C)\r\n 57.0,a,b\r\nx,\r\n");
}

TEST(SatelliteListFileWriter, RefusesARowThatCannotBeWrittenAsOneLine) {
    struct Case {
        const char* what;
        std::string longitude;    // code page 936
        std::string description;  // code page 936
    };
    const Case cases[] = {
        {"a lead byte without its trail byte", "57.0", "a\xA1"},
        {"a broken longitude", "\xFF", "a"},
        {"a comma in the longitude", "57,0", "a"},
        {"a line feed in the description", "57.0", "a\nb"},
        {"a line feed in the longitude", "5\n7", "a"},
    };
    for (const Case& c : cases) {
        MemorySatelliteTable table = tableOfRows({{"60.0", "b"}});
        table.insertRow(1, c.description.c_str());
        table.setCell(1, ColumnLongitude, c.longitude.c_str());
        std::string text;
        EXPECT_FALSE(writeSatelliteListFile(table, text)) << c.what;
    }
}

TEST(SatelliteListFileWriter, WhatItWritesReadsBackAsTheSameList) {
    const std::string catalogue(DefaultCatalogue, DefaultCatalogueSize);
    std::string text;
    ASSERT_TRUE(writeSatelliteListFile(tableOf(catalogue), text));
    const SatelliteListFileResult result = parseSatelliteListFile(text);
    ASSERT_EQ(result.fault, SatelliteListFault::None) << result.line;
    EXPECT_EQ(result.list, catalogue);
    EXPECT_EQ(result.rowCount, 39);

    const std::string odd =
        listOf({" 57.0,a,b", "-180.5," + std::string(100, 'd'), "1e2,#", u8"0,星\r", "5 . 5,  "});
    ASSERT_TRUE(writeSatelliteListFile(tableOf(odd), text));
    EXPECT_EQ(parseSatelliteListFile(text).list, odd);
}

}  // namespace
