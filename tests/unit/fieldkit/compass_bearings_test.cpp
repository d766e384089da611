#include "fieldkit/compass_bearings.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

Horizon sectorHorizon(std::vector<HorizonSector> sectors) {
    Horizon horizon;
    EXPECT_TRUE(horizon.setSectors(std::move(sectors)));
    return horizon;
}

TEST(CompassBearings, CompassBearingsToTrueAzimuths) {
    struct Case {
        long double bearing, declination, azimuth;
    };
    const Case cases[] = {
        {350, 15, 5}, {10, -15, 355}, {0, 0, 0}, {360, 0, 0}, {180, -7.5L, 172.5L}, {345, 15, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(trueFromCompass(c.bearing, c.declination), c.azimuth);
    }

    const HorizonSetting compass{true, {{350, 355, 20}, {0, 360, 5}, {90, 90, 30}}};
    const std::vector<HorizonSector> sectors = trueSectors(compass, 5);
    const Horizon horizon = sectorHorizon(sectors);
    EXPECT_EQ(sectors[0].from, 355);
    EXPECT_EQ(sectors[0].to, 0);
    EXPECT_EQ(horizon.elevationAt(0), 20);
    EXPECT_EQ(horizon.elevationAt(1), 5);  // the whole circle stays whole
    EXPECT_EQ(horizon.elevationAt(95), 30);
    EXPECT_EQ(horizon.elevationAt(90), 5);

    const HorizonSetting asTyped{false, compass.sectors};
    EXPECT_EQ(trueSectors(asTyped, 5)[0].from, 350);
}

}  // namespace
