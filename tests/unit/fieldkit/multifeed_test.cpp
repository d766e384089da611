#include "fieldkit/multifeed.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "data/memory_satellite_table.h"
#include "encoding/text_encoding.h"
#include "tests/support/sites.h"

namespace {

SatelliteFieldNumbers direction(long double azimuth, long double elevation) {
    SatelliteFieldNumbers numbers;
    numbers.azimuth = azimuth;
    numbers.elevation = elevation;
    numbers.visible = elevation > 0;
    return numbers;
}

FeedPlacement placementFrom(const ReceivingSite& site, long double mainLongitude,
                            long double otherLongitude, const MultifeedDish& dish) {
    return placeFeed(computeFieldNumbers(mainLongitude, site, 0),
                     computeFieldNumbers(otherLongitude, site, 0), dish);
}

constexpr MultifeedDish Dish = {450, 750};  // f/D 0.6
constexpr long double Close = 1e-12L;

TEST(Multifeed, BeamDeviationFactorFollowsTheDishsDepth) {
    struct Case {
        MultifeedDish dish;
        long double factor;
    };
    const Case cases[] = {
        {{600, 1000}, 0.905L},  // f/D 0.6, an offset dish's usual
        {{450, 750}, 0.905L},   // the same ratio at another size
        {{150, 600}, 0.68L},    // f/D 0.25: q = 1
        {{3000, 200}, 1.0L},    // a flat dish hardly deviates
    };
    for (const Case& c : cases) {
        EXPECT_NEAR(static_cast<double>(beamDeviationFactor(c.dish)), static_cast<double>(c.factor),
                    0.0005)
            << c.dish.focalLengthMm << "/" << c.dish.diameterMm;
    }
}

// Two directions on the same vertical: nothing to the side, the whole
// separation up or down, and the LNB the opposite way.
TEST(Multifeed, PairOnTheMeridianMovesOnlyUpOrDown) {
    struct Case {
        long double azimuth, mainElevation, otherElevation;
    };
    const Case cases[] = {{180, 40, 45}, {180, 45, 40}, {0, 30, 50}, {180, 10, 12.5L}};
    for (const Case& c : cases) {
        const FeedPlacement p = placeFeed(direction(c.azimuth, c.mainElevation),
                                          direction(c.azimuth, c.otherElevation), Dish);
        const long double rise = c.otherElevation - c.mainElevation;
        EXPECT_NEAR(static_cast<double>(p.right), 0, 1e-12);
        EXPECT_NEAR(static_cast<double>(p.lnbRightMm), 0, 1e-9);
        EXPECT_NEAR(static_cast<double>(p.up), static_cast<double>(rise), 1e-12);
        EXPECT_NEAR(static_cast<double>(p.separation), std::fabs(static_cast<double>(rise)), 1e-12);
        const long double drop =
            -std::copysign(Dish.focalLengthMm, rise) *
            std::tan(std::fabs(rise) * RadiansPerDegree / beamDeviationFactor(Dish));
        EXPECT_NEAR(static_cast<double>(p.lnbUpMm), static_cast<double>(drop), 1e-9);
    }
}

// A satellite east of the meridian and its mirror west of it: the sideways
// parts change sign, the rest stays; from the north, east lies to the left.
TEST(Multifeed, SatellitesSymmetricAboutTheMeridianGiveMirrorResults) {
    struct Case {
        long double siteLongitude, siteLatitude, gap;
    };
    const Case cases[] = {{116, 39.9L, 3}, {116, 39.9L, 12}, {87.6L, 43.8L, 7.5L}};
    for (const Case& c : cases) {
        const ReceivingSite site = siteAt(c.siteLongitude, c.siteLatitude);
        const FeedPlacement east =
            placementFrom(site, c.siteLongitude, c.siteLongitude + c.gap, Dish);
        const FeedPlacement west =
            placementFrom(site, c.siteLongitude, c.siteLongitude - c.gap, Dish);
        EXPECT_LT(east.right, 0);
        EXPECT_GT(east.lnbRightMm, 0);
        EXPECT_NEAR(static_cast<double>(east.right), static_cast<double>(-west.right), Close);
        EXPECT_NEAR(static_cast<double>(east.up), static_cast<double>(west.up), Close);
        EXPECT_NEAR(static_cast<double>(east.separation), static_cast<double>(west.separation),
                    Close);
        EXPECT_NEAR(static_cast<double>(east.lnbRightMm), static_cast<double>(-west.lnbRightMm),
                    1e-9);
        EXPECT_NEAR(static_cast<double>(east.lnbUpMm), static_cast<double>(west.lnbUpMm), 1e-9);
    }
}

// South of the equator the dish looks north: the mirror image of the
// northern site, so left and right swap and up stays.
TEST(Multifeed, SouthernSiteMirrorsTheNorthernOne) {
    struct Case {
        long double siteLongitude, siteLatitude, mainLongitude, otherLongitude;
    };
    const Case cases[] = {
        {151.2L, 33.9L, 156, 160}, {-46.6L, 23.5L, -61, -55}, {18.4L, 33.9L, 10, 25}};
    for (const Case& c : cases) {
        const FeedPlacement north = placementFrom(siteAt(c.siteLongitude, c.siteLatitude),
                                                  c.mainLongitude, c.otherLongitude, Dish);
        const FeedPlacement south = placementFrom(siteAt(c.siteLongitude, -c.siteLatitude),
                                                  c.mainLongitude, c.otherLongitude, Dish);
        const bool eastward = c.otherLongitude > c.mainLongitude;
        EXPECT_EQ(south.right > 0, eastward);
        EXPECT_NEAR(static_cast<double>(south.right), static_cast<double>(-north.right), Close);
        EXPECT_NEAR(static_cast<double>(south.up), static_cast<double>(north.up), Close);
        EXPECT_NEAR(static_cast<double>(south.lnbRightMm), static_cast<double>(-north.lnbRightMm),
                    1e-9);
        EXPECT_NEAR(static_cast<double>(south.lnbUpMm), static_cast<double>(north.lnbUpMm), 1e-9);
    }
}

// The LNB lies F tan(separation / BDF) from the main one, opposite the satellite.
TEST(Multifeed, LnbDistanceFollowsTheSeparation) {
    const ReceivingSite site = siteAt(116.46L, 39.92L);
    for (long double other : {105.5L, 125.0L, 130.5L, 138.0L, 140.0L}) {
        const FeedPlacement p = placementFrom(site, 134, other, Dish);
        const long double distance = Dish.focalLengthMm * std::tan(p.separation * RadiansPerDegree /
                                                                   beamDeviationFactor(Dish));
        EXPECT_NEAR(static_cast<double>(std::hypot(p.lnbRightMm, p.lnbUpMm)),
                    static_cast<double>(distance), 1e-9);
        EXPECT_LT(p.lnbRightMm * p.right, 0) << static_cast<double>(other);
        EXPECT_LE(p.lnbUpMm * p.up, 0) << static_cast<double>(other);
    }
}

MemorySatelliteTable tableOf(const std::vector<std::pair<const char*, const char*>>& rows) {
    MemorySatelliteTable table;
    for (const auto& row : rows) {
        const int at = table.rowCount();
        table.insertRow(at, row.first);
        table.setCell(at, ColumnLongitude, row.second);
    }
    return table;
}

// Only the others within 20 degrees and above the horizon, nearest first.
TEST(Multifeed, PlanOffersTheSatellitesInReachNearestFirst) {
    const MemorySatelliteTable table = tableOf({{"far west", "105.5"},
                                                {"main", "134.0"},
                                                {"east", "138.0"},
                                                {"below", "300"},
                                                {"west", "130.5"},
                                                {"edge", "150"},
                                                {"beyond", "160"}});
    const ReceivingSite site = siteAt(116.46L, 39.92L);
    const MultifeedPlan plan = planMultifeed(table, site, 134, Dish);
    std::vector<std::string> names;
    for (const MultifeedSatellite& s : plan.satellites) {
        names.push_back(s.name);
        EXPECT_LE(s.placement.separation, MultifeedReachDegrees);
        EXPECT_EQ(s.relativeSkew, s.skew - plan.main.polarisation);
        EXPECT_EQ(s.skew, computeFieldNumbers(s.longitude, site, 0).polarisation);
    }
    EXPECT_EQ(names, (std::vector<std::string>{"west", "east", "edge"}));
}

TEST(Multifeed, PlanIsEmptyWhenTheMainSatelliteIsBelowTheHorizon) {
    const MemorySatelliteTable table = tableOf({{"a", "300"}, {"b", "305"}});
    EXPECT_TRUE(planMultifeed(table, siteAt(116.46L, 39.92L), 302, Dish).satellites.empty());
}

TEST(Multifeed, MoveTextNamesEachDirectionInWholeMillimetres) {
    struct Case {
        long double right, up;
        const char* text;  // UTF-8
    };
    const Case cases[] = {
        {-43.2L, 12.4L, u8"向左 43 毫米，向上 12 毫米"},
        {10.5L, -0.4L, u8"向右 11 毫米"},
        {0.4L, -7.5L, u8"向下 8 毫米"},
        {-0.49L, 0.3L, u8"原位"},
        {1234, 56, u8"向右 1234 毫米，向上 56 毫米"},
    };
    for (const Case& c : cases) {
        FeedPlacement p;
        p.lnbRightMm = c.right;
        p.lnbUpMm = c.up;
        std::string utf8;
        ASSERT_TRUE(cp936ToUtf8(feedMoveText(p), utf8));
        EXPECT_EQ(utf8, c.text);
    }
}

// The dialog's boxes: numbers within their ranges, ends included.
TEST(Multifeed, DishBoxesTakeNumbersWithinTheirRanges) {
    struct Case {
        const char* focalLength;
        const char* diameter;
        bool read;
    };
    const Case cases[] = {
        {"50", "200", true},      {"3000", "5000", true}, {"49.99", "600", false},
        {"3000.1", "600", false}, {"360", "199", false},  {"360", "5000.5", false},
        {"", "600", false},       {"360", "", false},     {"360mm", "600", false},
    };
    for (const Case& c : cases) {
        MultifeedDish dish;
        EXPECT_EQ(readMultifeedDish(c.focalLength, c.diameter, dish), c.read)
            << c.focalLength << " " << c.diameter;
    }
}

TEST(Multifeed, ListCellsShowWholeMillimetresOnlyWithADish) {
    MultifeedSatellite satellite;
    satellite.name = "east";
    satellite.placement.separation = 4.456L;
    satellite.placement.lnbRightMm = -14.6L;
    satellite.placement.lnbUpMm = -0.4L;
    satellite.skew = 23.694L;
    const MultifeedCells with = multifeedCells(satellite, true);
    EXPECT_EQ(with.name, "east");
    EXPECT_EQ(with.separation, "4.46");
    EXPECT_EQ(with.right, "-15");
    EXPECT_EQ(with.up, "0");
    EXPECT_EQ(with.skew, "23.69");
    const MultifeedCells without = multifeedCells(satellite, false);
    EXPECT_EQ(without.right, "-");
    EXPECT_EQ(without.up, "-");
    EXPECT_EQ(without.separation, "4.46");
}

TEST(Multifeed, AdviceNamesTheMoveAndTheSkew) {
    struct Case {
        bool withDish;
        long double relativeSkew;
        const char* text;  // UTF-8
    };
    const Case cases[] = {
        {true, 3.876L, u8"亚太5C：向右 29 毫米，向上 11 毫米；极化角比主星大 3.88 度"},
        {true, -2.16L, u8"亚太5C：向右 29 毫米，向上 11 毫米；极化角比主星小 2.16 度"},
        {false, 3.876L, u8"亚太5C：极化角比主星大 3.88 度"},
    };
    for (const Case& c : cases) {
        MultifeedSatellite satellite;
        satellite.name = cp936FromUtf8(u8"亚太5C");
        satellite.placement.lnbRightMm = 29.2L;
        satellite.placement.lnbUpMm = 10.7L;
        satellite.relativeSkew = c.relativeSkew;
        EXPECT_EQ(utf8FromCp936(multifeedAdviceText(satellite, c.withDish)), c.text);
    }
    EXPECT_EQ(utf8FromCp936(MultifeedNoneInReachText), u8"20度以内没有其他卫星");
}

}  // namespace
