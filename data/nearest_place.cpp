#include "data/nearest_place.h"

#include <cmath>
#include <cstring>

namespace {

constexpr long double DegreesToRadians = 3.14159265358979323846264338327950288L / 180;

}  // namespace

long double greatCircleKm(long double longitude1, long double latitude1, long double longitude2,
                          long double latitude2) {
    // The haversine form stays accurate for the short distances that matter here.
    const long double halfLatitude = (latitude2 - latitude1) * DegreesToRadians / 2;
    const long double halfLongitude = (longitude2 - longitude1) * DegreesToRadians / 2;
    const long double a = std::sin(halfLatitude) * std::sin(halfLatitude) +
                          std::cos(latitude1 * DegreesToRadians) *
                              std::cos(latitude2 * DegreesToRadians) * std::sin(halfLongitude) *
                              std::sin(halfLongitude);
    return 2 * PlaceSphereRadiusKm * std::asin(std::sqrt(std::fmin(1.0L, a)));
}

NearestPlace nearestPlace(long double longitude, long double latitude) {
    NearestPlace nearest;
    GazetteerCursor cursor;
    char name[PlaceNameCapacity];
    long double placeLongitude = 0;
    long double placeLatitude = 0;
    bool first = true;
    while (nextPlace(cursor, name, &placeLongitude, &placeLatitude)) {
        const long double distance =
            greatCircleKm(longitude, latitude, placeLongitude, placeLatitude);
        if (first || distance < nearest.distanceKm) {
            std::memcpy(nearest.name, name, sizeof name);
            nearest.distanceKm = distance;
            first = false;
        }
    }
    return nearest;
}
