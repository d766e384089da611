#include "calc/site_input.h"

#include <cmath>

#include "data/gazetteer.h"
#include "numtext/numtext.h"

bool roundsWithin(long double value, int limit) {
    // A 32-bit integer holds the rounded value only inside these bounds
    // (2147483647.5 would round to 2^31); NaN fails both comparisons.
    if (!(value >= -2147483648.5L && value < 2147483647.5L)) return false;
    // Round to nearest, ties to even: the default rounding mode.
    const long double rounded = std::nearbyint(value);
    return rounded >= -limit && rounded <= limit;
}

void readSiteInput(SiteControls& controls, ReceivingSite& site) {
    char text[CoordinateTextCapacity];

    // Stop at the first empty or rejected text: the coordinates after it keep their values.
    controls.readLongitudeText(text, sizeof text);
    bool valid = text[0] != '\0' && TextToNumber(text, &site.longitude) == 1;
    if (valid) {
        controls.readLatitudeText(text, sizeof text);
        valid = text[0] != '\0' && TextToNumber(text, &site.latitude) == 1;
    }
    valid = valid && roundsWithin(site.latitude, 90) && roundsWithin(site.longitude, 180);
    controls.enableRecalculate(valid);
}

void applyPlaceName(const char* placeName, SiteControls& controls, const ReceivingSite& site) {
    if (placeName[0] == '\0') {
        controls.enableCoordinateBoxes(true);
        controls.setLongitudeText(site.longitudeText);
        controls.setLatitudeText(site.latitudeText);
        return;
    }

    // Locked before anything is shown, so that nobody types into a box
    // whose text the gazetteer is about to replace.
    controls.enableCoordinateBoxes(false);
    long double longitude = 0;
    long double latitude = 0;
    if (lookupPlace(placeName, &longitude, &latitude) == 0) {
        controls.setLongitudeText("?");
        controls.setLatitudeText("?");
        return;
    }
    char text[NumberTextCapacity];
    NumberToText(longitude, text, 0, 2);
    controls.setLongitudeText(text);
    NumberToText(latitude, text, 0, 2);
    controls.setLatitudeText(text);
}
