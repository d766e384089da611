#include "calc/recalculation.h"

#include <cmath>
#include <cstring>

#include "calc/pointing.h"
#include "encoding/bounded_text.h"
#include "encoding/whole_characters.h"
#include "numtext/numtext.h"

namespace {

std::string degreesWithWord(long double value, const char* belowZeroWord,
                            const char* aboveZeroWord) {
    std::string text = value < 0 ? belowZeroWord : value > 0 ? aboveZeroWord : "";
    char number[NumberTextCapacity];
    NumberToText(std::fabs(value), number, 0, 2);
    return text + number + "\xB6\xC8";  // 度
}

void formatCoordinate(long double value, char (&text)[SiteTextCapacity]) {
    char number[NumberTextCapacity];
    NumberToText(value, number, 0, 2);
    BoundedText(text, sizeof text).append(number);
}

}  // namespace

void buildSiteDescription(const ReceivingSite& site, char (&description)[SiteDescriptionCapacity]) {
    BoundedText text(description, sizeof description);
    char name[sizeof site.name];
    std::memcpy(name, site.name, sizeof name);
    name[sizeof name - 1] = '\0';
    text.append(name[0] != '\0' ? name : "\xB5\xD8\xC3\xFB\xB2\xBB\xCF\xEA");  // 地名不详
    text.append("\r\n\xBE\xAD\xB6\xC8\xA3\xBA");                               // 经度：
    text.append(longitudeWords(site.longitude).c_str());
    text.append("\r\n\xCE\xB3\xB6\xC8\xA3\xBA");   // 纬度：
    const char* const south = "\xC4\xCF\xCE\xB3";  // 南纬
    const char* const north = "\xB1\xB1\xCE\xB3";  // 北纬
    text.append(degreesWithWord(site.latitude, south, north).c_str());
}

std::string longitudeWords(long double longitude) {
    return degreesWithWord(longitude, "\xCE\xF7\xBE\xAD", "\xB6\xAB\xBE\xAD");  // 西经, 东经
}

std::string siteNameLine(const char* description) {
    const char* end = std::strstr(description, "\r\n");
    return end != nullptr ? std::string(description, end) : std::string(description);
}

long double rowLongitude(const SatelliteTable& table, int row) {
    char text[CellReadCapacity];
    table.getCell(row, ColumnLongitude, text, sizeof text);
    long double longitude = 0;
    TextToNumber(text, &longitude);
    return longitude;
}

void recalculateAll(const char* cityBoxText, ReceivingSite& site, SatelliteTable& table,
                    ChangeFlags& flags, char (&description)[SiteDescriptionCapacity]) {
    flags |= SiteChanged;
    formatCoordinate(site.longitude, site.longitudeText);
    formatCoordinate(site.latitude, site.latitudeText);
    // The name never ends inside a double-byte character.
    const char* cityName = cityBoxText ? cityBoxText : "";
    BoundedText name(site.name, sizeof site.name);
    name.append(cityName, wholeCharacterLength(cityName, SiteNameLimit));
    buildSiteDescription(site, description);

    int rows = table.rowCount();
    for (int row = 0; row < rows; ++row) {
        // A text that is no number gets longitude 0's results.
        PointingResult result;
        computePointing(rowLongitude(table, row), site, result);
        table.setCell(row, ColumnElevation, result.elevationText);
        table.setCell(row, ColumnAzimuth, result.azimuthText);
        table.setCell(row, ColumnPolarisation, result.polarisationText);
    }
}
