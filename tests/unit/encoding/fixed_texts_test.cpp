#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "app/app_texts.h"
#include "calc/calc_texts.h"
#include "data/data_texts.h"
#include "encoding/text_encoding.h"
#include "fieldkit/fieldkit_texts.h"
#include "numtext/numtext_texts.h"

namespace {

struct Table {
    const char* name;
    const FixedTextRow* rows;
    std::size_t count;
};

template <std::size_t Count>
Table tableOf(const char* name, const FixedTextRow (&rows)[Count]) {
    return {name, rows, Count};
}

// One table a line.
// clang-format off
std::vector<Table> allTables() {
    return {
        tableOf("numtext", numtext_text::AllTexts),
        tableOf("calc", calc_text::AllTexts),
        tableOf("data", data_text::AllTexts),
        tableOf("fieldkit", fieldkit_text::AllTexts),
        tableOf("app", app_text::AllTexts),
    };
}
// clang-format on

// The build's conversion (iconv's) gives the bytes this system's own
// conversion gives: under Wine that is Windows' code page 936. A text with
// NULs is converted piece by piece.
std::string convertedPieces(const std::string& utf8) {
    std::string converted;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = utf8.find('\0', start);
        std::string piece;
        EXPECT_TRUE(utf8ToCp936(utf8.substr(start, end - start), piece)) << utf8;
        converted += piece;
        if (end == std::string::npos) return converted;
        converted += '\0';
        start = end + 1;
    }
}

TEST(FixedTexts, EveryTextConvertsAndFitsItsField) {
    for (const Table& table : allTables()) {
        for (std::size_t i = 0; i < table.count; ++i) {
            const FixedTextRow& row = table.rows[i];
            SCOPED_TRACE(std::string(table.name) + "." + row.name);
            const std::string cp936(row.cp936, row.cp936Size);
            EXPECT_FALSE(cp936.empty());
            EXPECT_EQ(cp936, convertedPieces(std::string(row.utf8, row.utf8Size)));
            if (row.capacity != 0) {
                EXPECT_LE(row.cp936Size + 1, row.capacity);
            }
        }
    }
}

// A text lives once: the same words under two names would drift apart.
TEST(FixedTexts, EachWordingHasOneName) {
    std::map<std::string, std::string> namesOfTexts;
    for (const Table& table : allTables()) {
        for (std::size_t i = 0; i < table.count; ++i) {
            const FixedTextRow& row = table.rows[i];
            const std::string name = std::string(table.name) + "." + row.name;
            const auto [known, added] =
                namesOfTexts.emplace(std::string(row.cp936, row.cp936Size), name);
            EXPECT_TRUE(added) << name << " repeats " << known->second << ": " << row.utf8;
        }
    }
}

}  // namespace
