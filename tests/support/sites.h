#pragma once
// Receiving sites for the unit tests.

#include "data/receiving_site.h"

// A site with no name and no texts, at these coordinates (degrees).
inline ReceivingSite siteAt(long double longitude, long double latitude) {
    ReceivingSite site;
    site.longitude = longitude;
    site.latitude = latitude;
    return site;
}
