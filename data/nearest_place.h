#pragma once
// The gazetteer's place nearest a site typed as coordinates, so a site
// without a name can say which town it is near.

#include "data/gazetteer.h"

// The sphere the distance is measured on, in kilometres.
constexpr long double PlaceSphereRadiusKm = 6371.0L;

struct NearestPlace {
    char name[PlaceNameCapacity] = {};  // code page 936
    long double distanceKm = 0;         // along the great circle
};

// The great-circle distance between two points (degrees, east and north
// positive) on the sphere of PlaceSphereRadiusKm.
long double greatCircleKm(long double longitude1, long double latitude1, long double longitude2,
                          long double latitude2);

// The place nearest the point; of two equally near, the first in the table.
NearestPlace nearestPlace(long double longitude, long double latitude);
