#include "fieldkit/sky_layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "encoding/text_encoding.h"
#include "fieldkit/sky_svg.h"

namespace {

ReceivingSite siteAt(const char* nameUtf8, long double longitude, long double latitude) {
    ReceivingSite site;
    const std::string name = cp936FromUtf8(nameUtf8);
    name.copy(site.name, sizeof site.name - 1);
    site.longitude = longitude;
    site.latitude = latitude;
    return site;
}

std::vector<SkySatelliteInput> satellitesEvery(const ReceivingSite& site, double from, double to,
                                               double step) {
    std::vector<SkySatelliteInput> satellites;
    for (double longitude = from; longitude <= to; longitude += step)
        satellites.push_back({cp936FromUtf8(u8"卫星 (Sat-") + std::to_string(int(longitude)) + ")",
                              computeFieldNumbers(longitude, site, 0)});
    return satellites;
}

// The room a text takes, as the layout estimates it.
SkyBox boxOf(const SkyText& text) {
    const double width = estimatedTextWidth(text.text, text.size);
    const double left = text.anchor == SkyAnchor::Start ? text.at.x
                        : text.anchor == SkyAnchor::End ? text.at.x - width
                                                        : text.at.x - width / 2;
    return {left, text.at.y - text.size, left + width, text.at.y};
}

bool overlap(const SkyBox& a, const SkyBox& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

TEST(SkyLayout, ProjectsTowardTheEquator) {
    const ReceivingSite north = siteAt(u8"北京", 116.46L, 39.92L);
    const SkyLayout layout = layoutSkyPicture(north, "2026-01-01", -7.55, "WMM2025", true, {});
    const SkyBox& sky = layout.frame.sky;
    // Due south at the horizon in the middle, east on the left, the zenith at the top.
    EXPECT_DOUBLE_EQ(skyPosition(layout.frame, 180, 0).x, (sky.left + sky.right) / 2);
    EXPECT_DOUBLE_EQ(skyPosition(layout.frame, 180, 0).y, sky.bottom);
    EXPECT_DOUBLE_EQ(skyPosition(layout.frame, 90, 90).x, sky.left);
    EXPECT_DOUBLE_EQ(skyPosition(layout.frame, 270, 90).x, sky.right);
    EXPECT_DOUBLE_EQ(skyPosition(layout.frame, 90, 90).y, sky.top);
    EXPECT_EQ(layout.gridX.size(), 19u);
    EXPECT_EQ(layout.gridY.size(), 10u);
    std::string words;
    for (const SkyText& word : layout.compassWords) words += utf8FromCp936(word.text) + " ";
    EXPECT_EQ(words, u8"东 东南 南 西南 西 ");
    EXPECT_EQ(utf8FromCp936(layout.title.text),
              u8"北京  经度：东经116.46度  纬度：北纬39.92度  2026-01-01");
    EXPECT_EQ(utf8FromCp936(layout.note.text), u8"磁偏角：西7.55度（WMM2025）");

    // The arc's highest point stands on the site's meridian, at 43.82 degrees.
    double top = sky.bottom;
    for (const auto& piece : layout.arc)
        for (const SkyPoint& point : piece) top = std::min(top, point.y);
    EXPECT_NEAR(top, skyPosition(layout.frame, 180, 43.82).y, 0.05);

    // The meridian down the middle; the arc's ends on the horizon where the
    // arc meets it, each named by its longitude toward the middle.
    EXPECT_DOUBLE_EQ(layout.meridianX, (sky.left + sky.right) / 2);
    EXPECT_EQ(utf8FromCp936(layout.meridianLabel.text), u8"子午线");
    ASSERT_EQ(layout.arcEnds.size(), 2u);
    ASSERT_EQ(layout.arcEndLabels.size(), 2u);
    EXPECT_EQ(utf8FromCp936(layout.arcEndLabels[0].text), u8"东经37.84度");   // west, right
    EXPECT_EQ(utf8FromCp936(layout.arcEndLabels[1].text), u8"西经164.92度");  // east, left
    EXPECT_EQ(layout.arcEndLabels[0].anchor, SkyAnchor::End);
    EXPECT_EQ(layout.arcEndLabels[1].anchor, SkyAnchor::Start);
    const std::vector<SkyPoint>& arc = layout.arc.front();
    EXPECT_NEAR(layout.arcEnds[0].x, arc.front().x, 2);  // within a quarter degree of longitude
    EXPECT_NEAR(layout.arcEnds[1].x, arc.back().x, 2);
    for (const SkyPoint& end : layout.arcEnds) EXPECT_DOUBLE_EQ(end.y, sky.bottom);
    for (const SkyText& label : layout.arcEndLabels) {
        EXPECT_GT(label.at.y - label.size, layout.ground.top);
        EXPECT_LT(label.at.y, layout.ground.bottom);
    }

    const ReceivingSite south = siteAt("", -70.5L, -33.45L);
    const SkyLayout southern = layoutSkyPicture(south, "2031.5", 3.2, "WMM2025", false, {});
    EXPECT_DOUBLE_EQ(southern.meridianX, (sky.left + sky.right) / 2);
    ASSERT_EQ(southern.arcEndLabels.size(), 2u);
    EXPECT_EQ(utf8FromCp936(southern.arcEndLabels[0].text), u8"西经150.05度");  // west, left
    EXPECT_EQ(utf8FromCp936(southern.arcEndLabels[1].text), u8"东经9.05度");
    EXPECT_LT(southern.arcEnds[0].x, southern.meridianX);
    // Beyond 81.3 degrees of latitude no arc, no ends.
    EXPECT_TRUE(
        layoutSkyPicture(siteAt("", 0, 82), "2031.5", 0, "WMM2025", true, {}).arcEndLabels.empty());
    words.clear();
    for (const SkyText& word : southern.compassWords) words += utf8FromCp936(word.text) + " ";
    EXPECT_EQ(words, u8"西 西北 北 东北 东 ");
    EXPECT_DOUBLE_EQ(skyPosition(southern.frame, 0, 0).x, (sky.left + sky.right) / 2);
    EXPECT_DOUBLE_EQ(skyPosition(southern.frame, 270, 0).x, sky.left);
    EXPECT_EQ(utf8FromCp936(southern.note.text), u8"磁偏角：东3.20度（WMM2025，超出模型有效期）");
    EXPECT_EQ(utf8FromCp936(southern.title.text).substr(0, 12), u8"地名不详");
}

// Forty crowded satellites, some below the horizon: every one gets a dot
// where its numbers say and a label inside the picture that overlaps no
// other label and no dot.
TEST(SkyLayout, LabelsNeverOverlap) {
    const ReceivingSite site = siteAt(u8"北京", 116.46L, 39.92L);
    const std::vector<SkySatelliteInput> satellites = satellitesEvery(site, 20, 215, 5);
    const SkyLayout layout =
        layoutSkyPicture(site, "2026-01-01", -7.55, "WMM2025", true, satellites);
    ASSERT_EQ(layout.satellites.size(), satellites.size());
    const SkyBox picture{0, 0, layout.width, layout.height};
    int hidden = 0;
    for (std::size_t i = 0; i < layout.satellites.size(); ++i) {
        const SkySatellite& mark = layout.satellites[i];
        EXPECT_EQ(mark.name, satellites[i].name);
        EXPECT_EQ(mark.visible, satellites[i].numbers.visible);
        if (mark.visible) {
            const SkyPoint expected =
                skyPosition(layout.frame, static_cast<double>(satellites[i].numbers.azimuth),
                            static_cast<double>(satellites[i].numbers.elevation));
            EXPECT_DOUBLE_EQ(mark.dot.x, expected.x);
            EXPECT_DOUBLE_EQ(mark.dot.y, expected.y);
        } else {
            ++hidden;
            EXPECT_LE(mark.dot.y, layout.ground.bottom);
            EXPECT_GT(mark.dot.y, layout.ground.top);
        }
        EXPECT_GE(mark.labelBox.left, picture.left);
        EXPECT_LE(mark.labelBox.right, picture.right);
        EXPECT_GE(mark.labelBox.top, layout.frame.sky.top);
        EXPECT_FALSE(overlap(mark.labelBox, boxOf(layout.meridianLabel))) << i;
        for (const SkyText& end : layout.arcEndLabels)
            EXPECT_FALSE(overlap(mark.labelBox, boxOf(end))) << i << " on an arc's end";
        for (std::size_t j = 0; j < layout.satellites.size(); ++j) {
            const SkySatellite& other = layout.satellites[j];
            if (j != i) {
                EXPECT_FALSE(overlap(mark.labelBox, other.labelBox)) << i << " and " << j;
                const SkyBox dot{other.dot.x - 3.5, other.dot.y - 3.5, other.dot.x + 3.5,
                                 other.dot.y + 3.5};
                EXPECT_FALSE(overlap(mark.labelBox, dot)) << i << " on the dot of " << j;
            }
        }
    }
    EXPECT_GT(hidden, 0);
}

// The moments of aiming by the sun lie on the day's track, each with its
// clock time; the picture draws both.
TEST(SkyLayout, SunAimMarksLieOnTheDaysTrack) {
    const struct {
        const char* name;
        ReceivingSite site;
        CalendarDate date;
        long double satellite;
    } cases[] = {
        {"Beijing, June: the away moment behind",
         siteAt("北京", 116.46L, 39.92L),
         {2027, 6, 21},
         165},
        {"Sydney, January", siteAt("悉尼", 151.2L, -33.87L), {2027, 1, 10}, 156},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SkyLayout layout = layoutSkyPicture(c.site, "2027", 0, "WMM2025", true,
                                            satellitesEvery(c.site, 100, 160, 30));
        const SunAimResult aim = sunAimMoments(c.site, c.satellite, c.date, 480);
        ASSERT_FALSE(aim.moments.empty());
        addSunAim(layout, c.site, c.date, 480, aim.moments);
        ASSERT_FALSE(layout.sunAimTrack.empty());
        // Those in the panorama only: the half of the sky toward the equator.
        const double centre = c.site.latitude < 0 ? 0 : 180;
        std::vector<SunAimMoment> shown;
        for (const SunAimMoment& m : aim.moments) {
            const double fromCentre = std::remainder(double(m.sunAzimuth) - centre, 360.0);
            if (std::fabs(fromCentre) <= 90) shown.push_back(m);
        }
        ASSERT_FALSE(shown.empty());
        ASSERT_EQ(layout.sunAimMarks.size(), shown.size());
        for (std::size_t i = 0; i < shown.size(); ++i) {
            const SkySunAimMark& mark = layout.sunAimMarks[i];
            EXPECT_EQ(mark.kind, shown[i].kind);
            EXPECT_EQ(mark.time.text, timeOfDayText(shown[i].second + 30).substr(0, 5));
            // Within a few pixels of a segment of the track.
            double nearest = 1e9;
            for (const std::vector<SkyPoint>& piece : layout.sunAimTrack) {
                for (std::size_t k = 1; k < piece.size(); ++k) {
                    const SkyPoint a = piece[k - 1];
                    const SkyPoint b = piece[k];
                    const double dx = b.x - a.x;
                    const double dy = b.y - a.y;
                    const double share = std::clamp(
                        ((mark.at.x - a.x) * dx + (mark.at.y - a.y) * dy) / (dx * dx + dy * dy),
                        0.0, 1.0);
                    nearest = std::min(nearest, std::hypot(a.x + share * dx - mark.at.x,
                                                           a.y + share * dy - mark.at.y));
                }
            }
            EXPECT_LT(nearest, 1.5) << mark.time.text;
        }
        const std::string svg = skyPictureSvg(layout, cp936ToUtf8);
        EXPECT_NE(svg.find(">" + layout.sunAimMarks[0].time.text + "</text>"), std::string::npos);
    }
}

TEST(SkySvg, NumbersAndTextsAreWrittenSafely) {
    struct Case {
        double value;
        const char* text;
    };
    const Case cases[] = {{0, "0"},          {12.34, "12.3"}, {-0.04, "0"},
                          {-12.35, "-12.4"}, {976, "976"},    {1e300 * 1e300, "0"}};
    for (const Case& c : cases) EXPECT_EQ(svgNumber(c.value), c.text) << c.value;

    const ReceivingSite site = siteAt(u8"北京", 116.46L, 39.92L);
    std::vector<SkySatelliteInput> satellites = {
        {cp936FromUtf8(u8"A&B <\"亚洲\"> 'x'"), computeFieldNumbers(105.5L, site, 0)}};
    const std::string svg = skyPictureSvg(
        layoutSkyPicture(site, "2026-01-01", -7.55, "WMM2025", true, satellites), cp936ToUtf8);
    EXPECT_EQ(svg.compare(0, 38, "<?xml version=\"1.0\" encoding=\"UTF-8\"?>"), 0);
    EXPECT_NE(svg.find(u8">A&amp;B &lt;&quot;亚洲&quot;&gt; &apos;x&apos;</text>"),
              std::string::npos);
    EXPECT_NE(svg.find(u8">磁偏角：西7.55度（WMM2025）</text>"), std::string::npos);
    EXPECT_EQ(svg.substr(svg.size() - 7), "</svg>\n");
}

}  // namespace
