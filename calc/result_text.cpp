#include "calc/result_text.h"

#include <cstring>
#include <vector>

#include "calc/whole_characters.h"

namespace {

// Cells are read as the copy command reads them.
constexpr std::size_t ResultCellCapacity = 35999;
constexpr std::size_t RuleLength = 80;

// Writes into the caller's buffer, never past capacity - 1 bytes, so that a
// terminating zero always fits.
class ResultWriter {
public:
    ResultWriter(char* buffer, std::size_t capacity) : buffer_(buffer), capacity_(capacity) {}

    void append(const char* bytes, std::size_t count) {
        std::size_t room = capacity_ - 1 - length_;
        if (count > room) count = room;
        std::memcpy(buffer_ + length_, bytes, count);
        length_ += count;
    }
    void append(const char* text) { append(text, std::strlen(text)); }
    void appendRepeated(char byte, std::size_t count) {
        for (std::size_t i = 0; i < count; ++i) append(&byte, 1);
    }
    // The text's bytes, then blanks up to `width`. A longer text is cut at
    // the width, or before the double-byte character that the width would split.
    void appendField(const char* text, std::size_t width) {
        const std::size_t length = wholeCharacterLength(text, width);
        append(text, length);
        appendRepeated(' ', width - length);
    }
    std::size_t finish() {
        buffer_[length_] = '\0';
        return length_;
    }

private:
    char* buffer_;
    std::size_t capacity_;
    std::size_t length_ = 0;
};

}  // namespace

std::size_t resultTextCapacity(int rowCount, std::size_t descriptionLength) {
    std::size_t rows = rowCount > 0 ? static_cast<std::size_t>(rowCount) : 0;
    return (rows + 2) * 80 + 10 + descriptionLength + 4;
}

std::size_t formatResultText(const char* description, const SatelliteTable& table, char* buffer,
                             std::size_t capacity) {
    if (buffer == nullptr || capacity == 0) return 0;
    ResultWriter text(buffer, capacity);

    text.append(description ? description : "");
    text.append("\r\n\r\n");

    for (int column = 0; column < SatelliteColumnCount; ++column)
        text.appendField(SatelliteColumns[column].title, ResultFieldWidths[column]);
    text.append("\r\n");

    text.appendRepeated('-', RuleLength);
    text.append("\r\n");

    std::vector<char> cell(ResultCellCapacity);
    int rows = table.rowCount();
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < SatelliteColumnCount; ++column) {
            table.getCell(row, column, cell.data(), cell.size());
            text.appendField(cell.data(), ResultFieldWidths[column]);
        }
        text.append("\r\n");
    }
    return text.finish();
}
