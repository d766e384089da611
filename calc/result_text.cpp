#include "calc/result_text.h"

#include <cstring>
#include <vector>

#include "encoding/bounded_text.h"
#include "encoding/whole_characters.h"

namespace {

constexpr std::size_t RuleLength = 80;

// The text's bytes, then blanks up to `width`. A longer text is cut at the
// width, or before the double-byte character that the width would split.
void appendField(BoundedText& text, const char* field, std::size_t width) {
    const std::size_t length = wholeCharacterLength(field, width);
    text.append(field, length);
    text.appendRepeated(' ', width - length);
}

}  // namespace

std::size_t resultTextCapacity(int rowCount, std::size_t descriptionLength) {
    std::size_t rows = rowCount > 0 ? static_cast<std::size_t>(rowCount) : 0;
    return (rows + 2) * 80 + 10 + descriptionLength + 4;
}

std::size_t formatResultText(const char* description, const SatelliteTable& table, char* buffer,
                             std::size_t capacity) {
    if (buffer == nullptr || capacity == 0) return 0;
    BoundedText text(buffer, capacity);

    text.append(description ? description : "");
    text.append("\r\n\r\n");

    for (int column = 0; column < SatelliteColumnCount; ++column)
        appendField(text, SatelliteColumns[column].title, ResultFieldWidths[column]);
    text.append("\r\n");

    text.appendRepeated('-', RuleLength);
    text.append("\r\n");

    std::vector<char> cell(ClipboardReadCapacity);
    int rows = table.rowCount();
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < SatelliteColumnCount; ++column) {
            table.getCell(row, column, cell.data(), cell.size());
            appendField(text, cell.data(), ResultFieldWidths[column]);
        }
        text.append("\r\n");
    }
    return text.length();
}
