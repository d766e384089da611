#include "data/nearest_place.h"

#include <gtest/gtest.h>

#include <string>

#include "encoding/text_encoding.h"

namespace {

struct DistanceCase {
    long double longitude1, latitude1, longitude2, latitude2;
    long double km;  // on the sphere of 6,371.0 km
};

TEST(NearestPlaceTest, GreatCircleDistancesOnTheSphere) {
    const long double pi = 3.14159265358979323846264338327950288L;
    const DistanceCase cases[] = {
        {116.46L, 39.92L, 116.46L, 39.92L, 0},
        {0, 0, 0, 1, 6371.0L * pi / 180},               // one degree of a meridian
        {0, 0, 90, 0, 6371.0L * pi / 2},                // a quarter of the equator
        {10, 60, 190, -60, 6371.0L * pi},               // antipodes
        {0, 60, 1, 60, 55.596934L},                     // a degree of longitude at 60 N
        {116.46L, 39.92L, 121.48L, 31.22L, 1068.157L},  // 北京 to 上海
    };
    for (const DistanceCase& c : cases)
        EXPECT_NEAR(greatCircleKm(c.longitude1, c.latitude1, c.longitude2, c.latitude2), c.km,
                    0.05L)
            << c.longitude1 << "," << c.latitude1 << " " << c.longitude2 << "," << c.latitude2;
}

struct NearestCase {
    long double longitude, latitude;
    const char* name;  // UTF-8
    long double km;
};

TEST(NearestPlaceTest, FindsTheNearestPlaceOfTheGazetteer) {
    const NearestCase cases[] = {
        {116.46L, 39.92L, u8"北京", 0},        // on a stored point
        {122.37L, 53.58L, u8"漠河", 11.119L},  // north of the northernmost place
        {117.92L, 29.93L, u8"黟县", 0},        // the last place
        {134.65L, 48.33L, u8"抚远", 36.963L},  // east of the easternmost place
    };
    for (const NearestCase& c : cases) {
        const NearestPlace nearest = nearestPlace(c.longitude, c.latitude);
        std::string name;
        ASSERT_TRUE(cp936ToUtf8(nearest.name, name));
        EXPECT_EQ(name, c.name) << c.longitude << "," << c.latitude;
        EXPECT_NEAR(nearest.distanceKm, c.km, 0.05L) << c.name;
    }
}

}  // namespace
