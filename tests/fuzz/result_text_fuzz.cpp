// The result text of a table with arbitrary cell texts. It must fit the
// block the copy command allocates for it, and every field keeps its width.
//
// Input: NUL-separated texts: the site description, then the cells of each
// row, five to a row (a last row short of cells gets empty ones).

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "calc/result_text.h"
#include "data/memory_satellite_table.h"
#include "tests/fuzz/fuzz_check.h"

namespace {

constexpr std::size_t LineLength = 80;      // 78 bytes of fields and "\r\n"
constexpr std::size_t RuleLineLength = 82;  // 80 '-' and "\r\n"

bool isLeadByte(char c) {
    return static_cast<unsigned char>(c) >= 0x81 && static_cast<unsigned char>(c) <= 0xFE;
}

// The text's whole characters that fit `width` bytes (a lead byte with
// another byte after it is one double-byte character), then blanks.
std::string expectedField(const std::string& text, std::size_t width) {
    std::size_t length = 0;
    while (length < text.size()) {
        const std::size_t size = isLeadByte(text[length]) && length + 1 < text.size() ? 2 : 1;
        if (length + size > width) break;
        length += size;
    }
    return text.substr(0, length) + std::string(width - length, ' ');
}

std::string expectedLine(const std::string (&cells)[SatelliteColumnCount]) {
    std::string line;
    for (int column = 0; column < SatelliteColumnCount; ++column)
        line += expectedField(cells[column], ResultFieldWidths[column]);
    return line + "\r\n";
}

// The text written into a block of exactly `capacity` bytes, checking that
// nothing lands after its terminating zero.
std::string formatInto(const std::string& description, const SatelliteTable& table,
                       std::size_t capacity) {
    std::unique_ptr<char[]> block(new char[capacity]);
    std::memset(block.get(), 0x5A, capacity);
    const std::size_t length = formatResultText(description.c_str(), table, block.get(), capacity);
    if (capacity == 0) {
        require(length == 0, "no text fits no bytes");
        return "";
    }
    require(length < capacity && block[length] == '\0', "the text ends in a zero inside its block");
    for (std::size_t k = length + 1; k < capacity; ++k)
        require(block[k] == 0x5A, "nothing is written after the zero");
    return std::string(block.get(), length);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::string> texts = splitAtNuls(data, size);
    const std::string& description = texts[0];

    MemorySatelliteTable table;
    insertSatelliteColumns(table);
    std::string expected = description + "\r\n\r\n";
    std::string header[SatelliteColumnCount];
    for (int column = 0; column < SatelliteColumnCount; ++column)
        header[column] = SatelliteColumns[column].title;
    expected += expectedLine(header) + std::string(RuleLineLength - 2, '-') + "\r\n";
    for (std::size_t first = 1; first < texts.size(); first += SatelliteColumnCount) {
        std::string cells[SatelliteColumnCount];
        for (int column = 0; column < SatelliteColumnCount; ++column)
            if (first + column < texts.size()) cells[column] = texts[first + column];
        const int row = table.rowCount();
        table.insertRow(row, cells[ColumnName].c_str());
        for (int column = ColumnLongitude; column < SatelliteColumnCount; ++column)
            table.setCell(row, column, cells[column].c_str());
        expected += expectedLine(cells);
    }

    // The block the copy command allocates holds the whole text and its zero.
    const std::size_t capacity = resultTextCapacity(table.rowCount(), description.size());
    const std::string text = formatInto(description, table, capacity);
    require(text.size() + 1 <= capacity, "the text fits the allocated block");
    require(text.size() == description.size() + 4 + LineLength + RuleLineLength +
                               static_cast<std::size_t>(table.rowCount()) * LineLength,
            "the text is the description, an empty line, the header, the rule and the rows");
    require(text == expected, "every field keeps its width and its whole characters");

    // A smaller block gets the start of the same text, never more: one byte
    // short of the whole text, and a size that varies with the input (every
    // cell read zero-fills 35,999 bytes, so each format costs).
    for (std::size_t smaller : {text.size(), size % (text.size() + 1)}) {
        const std::string cut = formatInto(description, table, smaller);
        require(cut == text.substr(0, smaller == 0 ? 0 : smaller - 1),
                "a smaller block holds the start of the text");
    }
    return 0;
}
