#include "calc/recalculation.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "calc/pointing.h"
#include "calc/whole_characters.h"
#include "numtext/numtext.h"

namespace {

// The most bytes of the city box's text that become the site's name.
constexpr std::size_t SiteNameLimit = 18;
// Row longitude texts are read with this capacity (at most 126 bytes).
constexpr std::size_t LongitudeCellCapacity = 127;
// Room for any text NumberToText writes with two decimals.
constexpr std::size_t NumberTextCapacity = 32;

// Appends to a fixed buffer, never past its last byte, which stays a NUL.
class TextBuilder {
public:
    TextBuilder(char* buffer, std::size_t capacity) : buffer_(buffer), capacity_(capacity) {
        buffer_[0] = '\0';
    }
    void append(const char* text) {
        std::size_t count = std::strlen(text);
        std::size_t room = capacity_ - 1 - length_;
        if (count > room) count = room;
        std::memcpy(buffer_ + length_, text, count);
        length_ += count;
        buffer_[length_] = '\0';
    }

private:
    char* buffer_;
    std::size_t capacity_;
    std::size_t length_ = 0;
};

// Copies at most `limit` bytes of `text` into `field` (limit + 1 bytes or
// more) without splitting a double-byte character.
void copyWholeCharacters(const char* text, std::size_t limit, char* field) {
    const std::size_t length = wholeCharacterLength(text, limit);
    std::memcpy(field, text, length);
    field[length] = '\0';
}

void appendDegrees(TextBuilder& description, long double value, const char* belowZeroWord,
                   const char* aboveZeroWord) {
    if (value < 0)
        description.append(belowZeroWord);
    else if (value > 0)
        description.append(aboveZeroWord);
    char number[NumberTextCapacity];
    NumberToText(std::fabs(value), number, 0, 2);
    description.append(number);
    description.append("\xB6\xC8");  // 度
}

void formatCoordinate(long double value, char (&text)[20]) {
    char number[NumberTextCapacity];
    NumberToText(value, number, 0, 2);
    auto length =
        static_cast<std::size_t>(std::find(number, number + sizeof text - 1, '\0') - number);
    std::memcpy(text, number, length);
    text[length] = '\0';
}

}  // namespace

void buildSiteDescription(const ReceivingSite& site, char (&description)[SiteDescriptionCapacity]) {
    TextBuilder text(description, SiteDescriptionCapacity);
    char name[sizeof site.name];
    std::memcpy(name, site.name, sizeof name);
    name[sizeof name - 1] = '\0';
    text.append(name[0] != '\0' ? name : "\xB5\xD8\xC3\xFB\xB2\xBB\xCF\xEA");     // 地名不详
    text.append("\r\n\xBE\xAD\xB6\xC8\xA3\xBA");                                  // 经度：
    appendDegrees(text, site.longitude, "\xCE\xF7\xBE\xAD", "\xB6\xAB\xBE\xAD");  // 西经, 东经
    text.append("\r\n\xCE\xB3\xB6\xC8\xA3\xBA");                                  // 纬度：
    appendDegrees(text, site.latitude, "\xC4\xCF\xCE\xB3", "\xB1\xB1\xCE\xB3");   // 南纬, 北纬
}

void recalculateAll(const char* cityBoxText, ReceivingSite& site, SatelliteTable& table,
                    ChangeFlags& flags, char (&description)[SiteDescriptionCapacity]) {
    flags |= SiteChanged;
    formatCoordinate(site.longitude, site.longitudeText);
    formatCoordinate(site.latitude, site.latitudeText);
    copyWholeCharacters(cityBoxText ? cityBoxText : "", SiteNameLimit, site.name);
    buildSiteDescription(site, description);

    int rows = table.rowCount();
    for (int row = 0; row < rows; ++row) {
        char longitudeText[LongitudeCellCapacity];
        table.getCell(row, ColumnLongitude, longitudeText, sizeof longitudeText);
        // A text that is no number reads as 0, and the row gets longitude 0's results.
        long double longitude = 0;
        TextToNumber(longitudeText, &longitude);
        PointingResult result;
        computePointing(longitude, site, result);
        table.setCell(row, ColumnElevation, result.elevationText);
        table.setCell(row, ColumnAzimuth, result.azimuthText);
        table.setCell(row, ColumnPolarisation, result.polarisationText);
    }
}
