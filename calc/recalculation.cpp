#include "calc/recalculation.h"

#include <cmath>
#include <cstring>

#include "calc/calc_texts.h"
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
    return text + number + calc_text::Degrees;
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
    text.append(name[0] != '\0' ? name : calc_text::UnknownPlace);
    text.append(calc_text::LongitudeLine);
    text.append(longitudeWords(site.longitude).c_str());
    text.append(calc_text::LatitudeLine);
    text.append(
        degreesWithWord(site.latitude, calc_text::SouthLatitude, calc_text::NorthLatitude).c_str());
}

std::string longitudeWords(long double longitude) {
    return degreesWithWord(longitude, calc_text::WestLongitude, calc_text::EastLongitude);
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
