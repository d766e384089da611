#include "fieldkit/compass_bearings.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/support/horizons.h"

namespace {

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

TEST(CompassBearings, TheCheckBoxTurnsTheListBothWaysAndBack) {
    // Typed numbers, turned to the other kind and back, at declinations
    // west and east with many decimals, give the typed numbers again.
    const std::vector<HorizonSector> typed = {
        {210, 280, 35},          {350, 10, 20},      {0, 360, 5},
        {0.01L, 359.99L, 1},     {7.63L, 7.63L, 90}, {123.45L, 123.46L, 0},
        {352.37L, 4.5L, 12.25L},
    };
    for (const bool compass : {true, false}) {
        for (const long double declination : {-7.6345L, 3.8151L, 0.0L, -0.004L, 15.5L}) {
            SCOPED_TRACE(static_cast<double>(declination));
            const HorizonSetting turned =
                settingInBearings({compass, typed}, !compass, declination);
            EXPECT_EQ(turned.compassBearings, !compass);
            const HorizonSetting back = settingInBearings(turned, compass, declination);
            EXPECT_EQ(back.compassBearings, compass);
            for (std::size_t k = 0; k < typed.size(); ++k) {
                EXPECT_NEAR(static_cast<double>(back.sectors[k].from),
                            static_cast<double>(typed[k].from), 0.005);
                EXPECT_NEAR(static_cast<double>(back.sectors[k].to),
                            static_cast<double>(typed[k].to), 0.005);
                EXPECT_EQ(back.sectors[k].elevation, typed[k].elevation);
            }
        }
    }
    // Each obstacle stays where it is: 7.63 degrees west, the compass's 210
    // is 202.37 true, and 350 to 5 becomes 342.37 to 357.37.
    const HorizonSetting turned =
        settingInBearings({true, {{210, 5, 5}, {350, 5, 5}}}, false, -7.6345L);
    EXPECT_EQ(turned.sectors[0].from, roundToHundredths(202.37L));
    EXPECT_EQ(turned.sectors[1].from, roundToHundredths(342.37L));
    EXPECT_EQ(turned.sectors[1].to, roundToHundredths(357.37L));
    // Nothing to turn when the kind stays.
    EXPECT_EQ(settingInBearings({true, {{210, 350, 5}}}, true, -7.6345L).sectors[0].from, 210);
}

}  // namespace
