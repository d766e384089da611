#include "fieldkit/sky_horizon.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "encoding/text_encoding.h"
#include "fieldkit/sky_svg.h"
#include "tests/support/sites.h"

namespace {

SkyLayout pictureOf(const ReceivingSite& site, const std::vector<SkySatelliteInput>& satellites) {
    return layoutSkyPicture(site, "2026-01-01", 0, "WMM2025", true, satellites);
}

Horizon sectorHorizon(std::vector<HorizonSector> sectors) {
    Horizon horizon;
    EXPECT_TRUE(horizon.setSectors(std::move(sectors)));
    return horizon;
}

// The outline's highest elevation strictly between two azimuths of the panorama.
double highestBetween(const SkyFrame& frame, const std::vector<SkyPoint>& outline, double from,
                      double to) {
    const double left = skyPosition(frame, from, 0).x;
    const double right = skyPosition(frame, to, 0).x;
    const double up = (frame.sky.bottom - frame.sky.top) / 90;
    double highest = 0;
    for (const SkyPoint& point : outline)
        if (point.x > left && point.x < right)
            highest = std::max(highest, (frame.sky.bottom - point.y) / up);
    return highest;
}

TEST(SkyHorizon, NothingAboveTheHorizonDrawsNoOutline) {
    const SkyLayout layout = pictureOf(siteAt(116.46L, 39.92L), {});
    EXPECT_TRUE(skyHorizonOutline(layout.frame, Horizon()).empty());
    // A sector entirely behind the viewer (north, for a northern site).
    EXPECT_TRUE(skyHorizonOutline(layout.frame, sectorHorizon({{350, 10, 40}})).empty());
    EXPECT_TRUE(skyHorizonOutline(layout.frame, sectorHorizon({{100, 120, 0}})).empty());
}

TEST(SkyHorizon, TheOutlineFollowsTheObstacles) {
    struct Case {
        const char* what;
        long double latitude;
        std::vector<HorizonSector> sectors;
        double from, to;  // azimuths of the panorama to look between
        double expected;  // the outline's top there
    };
    const Case cases[] = {
        {"inside the sector", 39.92L, {{200, 250, 35}}, 200, 250, 35},
        {"beside it, nothing", 39.92L, {{200, 250, 35}}, 150, 199.9, 0},
        {"the higher of two overlapping", 39.92L, {{200, 250, 35}, {240, 260, 50}}, 241, 249, 50},
        {"through north for a southern site", -33.45L, {{350, 10, 20}}, 355, 365, 20},
        {"a southern site's north is its middle", -33.45L, {{350, 10, 20}}, 20, 80, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const SkyLayout layout = pictureOf(siteAt(116.46L, c.latitude), {});
        const std::vector<SkyPoint> outline =
            skyHorizonOutline(layout.frame, sectorHorizon(c.sectors));
        EXPECT_NEAR(highestBetween(layout.frame, outline, c.from, c.to), c.expected, 1e-9);
    }
}

TEST(SkyHorizon, ASectorStandsOnVerticalEdgesAndTheOutlineCloses) {
    const SkyLayout layout = pictureOf(siteAt(116.46L, 39.92L), {});
    const std::vector<SkyPoint> outline =
        skyHorizonOutline(layout.frame, sectorHorizon({{200, 250, 35}}));
    ASSERT_GE(outline.size(), 4u);
    // It begins and ends on the horizon line at the panorama's edges.
    EXPECT_DOUBLE_EQ(outline.front().y, layout.frame.sky.bottom);
    EXPECT_DOUBLE_EQ(outline.back().y, layout.frame.sky.bottom);
    EXPECT_DOUBLE_EQ(outline.front().x, layout.frame.sky.left);
    EXPECT_DOUBLE_EQ(outline.back().x, layout.frame.sky.right);
    // At each end of the sector the outline steps straight up or down.
    const double top = skyPosition(layout.frame, 200, 35).y;
    for (double end : {200.0, 250.0}) {
        const double x = skyPosition(layout.frame, end, 0).x;
        bool low = false, high = false;
        for (const SkyPoint& point : outline) {
            if (std::abs(point.x - x) > 1e-3) continue;
            low = low || point.y == layout.frame.sky.bottom;
            high = high || std::abs(point.y - top) < 1e-9;
        }
        EXPECT_TRUE(low && high) << end;
    }
}

TEST(SkyHorizon, HiddenSatellitesAreHollowAndTheLegendSaysSo) {
    const ReceivingSite site = siteAt(116.46L, 39.92L);
    std::vector<SkySatelliteInput> satellites;
    for (double longitude : {87.5, 110.5, 138.0})
        satellites.push_back({"s", computeFieldNumbers(longitude, site, 0)});
    // A wall from south-south-west to west, higher than the satellite at 87.5
    // east (south-west of Beijing) stands, but not than the others.
    const Horizon horizon = sectorHorizon({{202.5, 270, 45}});
    SkyLayout layout = pictureOf(site, satellites);
    const std::string plainLegend = layout.legend.text;
    addHorizonToSky(layout, horizon, satellites);
    ASSERT_EQ(layout.satellites.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i)
        EXPECT_EQ(layout.satellites[i].visible,
                  satelliteClearance(horizon, satellites[i].numbers).clear)
            << i;
    EXPECT_FALSE(layout.satellites[0].visible);
    EXPECT_TRUE(layout.satellites[1].visible);
    EXPECT_FALSE(layout.horizon.empty());
    EXPECT_NE(layout.legend.text, plainLegend);
    EXPECT_NE(utf8FromCp936(layout.legend.text).find(u8"遮挡物"), std::string::npos);

    const std::string svg = skyPictureSvg(layout, cp936ToUtf8);
    EXPECT_NE(svg.find("<polygon points=\""), std::string::npos);
}

}  // namespace
