#include "fieldkit/install_sheet.h"

#include <gtest/gtest.h>

#include <string>

#include "calc/recalculation.h"
#include "data/memory_satellite_table.h"
#include "encoding/text_encoding.h"
#include "fieldkit/calendar_date.h"
#include "fieldkit/magnetic_model.h"
#include "fieldkit/sun_aim.h"

namespace {

// Beijing's table of a few rows (UTF-8 names and longitudes), recalculated.
struct BeijingSheet {
    MemorySatelliteTable table;
    ReceivingSite site;
    char description[SiteDescriptionCapacity] = {};

    explicit BeijingSheet(std::initializer_list<std::pair<const char*, const char*>> rows) {
        insertSatelliteColumns(table);
        int at = 0;
        for (const auto& row : rows) {
            table.insertRow(at, cp936FromUtf8(row.first).c_str());
            table.setCell(at, ColumnLongitude, row.second);
            ++at;
        }
        site.longitude = 116.46L;
        site.latitude = 39.92L;
        ChangeFlags flags = 0;
        recalculateAll(cp936FromUtf8(u8"北京").c_str(), site, table, flags, description);
    }

    InstallSheet sheet(const InstallSheetRequest& request,
                       const std::optional<Horizon>& horizon = std::nullopt) const {
        FieldSurvey survey = surveyField(table, site, description, dateText(request.date),
                                         decimalYearOf(request.date), 0);
        survey.horizon = horizon;
        return buildInstallSheet(table, survey, request);
    }
};

InstallSheetRequest requestOn(const CalendarDate& date) {
    InstallSheetRequest request;
    request.date = date;
    request.bandText = u8"Ku波段 12.25GHz";
    return request;
}

TEST(InstallSheet, SaysForEachRowWhetherTheSatelliteCanBeSeen) {
    Horizon wall;  // a wall from the south-south-west to the west, 50 degrees high
    ASSERT_TRUE(wall.setSectors({{200, 270, 50}}));
    const BeijingSheet beijing(
        {{u8"亚洲7号", "105.5"}, {u8"高加索", "57.0"}, {u8"大西洋", "-30.0"}});
    const struct {
        std::optional<Horizon> horizon;
        const char* words[3];
        bool hidden[3];
    } cases[] = {
        {std::nullopt, {u8"通畅", u8"通畅", u8"卫星在地平线以下"}, {false, false, true}},
        {wall, {u8"通畅", u8"被遮挡", u8"卫星在地平线以下"}, {false, true, true}},
    };
    for (const auto& c : cases) {
        const InstallSheet sheet = beijing.sheet(requestOn({2026, 12, 9}), c.horizon);
        ASSERT_EQ(sheet.rows.size(), 3u);
        for (int row = 0; row < 3; ++row) {
            EXPECT_EQ(sheet.rows[row].lineOfSight, c.words[row]) << row;
            EXPECT_EQ(sheet.rows[row].hidden, c.hidden[row]) << row;
        }
        // West of the meridian by the details window's angle; none below the horizon.
        EXPECT_EQ(sheet.rows[0].motorAngle, u8"西12.39度");
        EXPECT_EQ(sheet.rows[2].motorAngle, "-");
        // The day's moments of aiming by the sun, each at its minute and side.
        const SunAimResult aim = sunAimMoments(beijing.site, 105.5L, {2026, 12, 9}, 480);
        ASSERT_FALSE(aim.moments.empty());
        std::string moments;
        for (const SunAimMoment& moment : aim.moments) {
            char time[TimeTextCapacity];
            formatHourMinute(moment.second, time);
            moments += (moments.empty() ? "" : u8"；") + std::string(time) +
                       (moment.kind == SunAimKind::Toward ? u8" 背向" : u8" 指向");
        }
        EXPECT_EQ(sheet.rows[0].sunAim, moments);
        EXPECT_EQ(sheet.rows[2].sunAim, "-");
    }
}

TEST(InstallSheet, GivesTheNextOutageSeasonFromItsDay) {
    const BeijingSheet beijing({{u8"亚洲7号", "105.5"}, {u8"大西洋", "-30.0"}});
    const struct {
        CalendarDate date;
        const char* season;  // of 105.5 E, for a 0.6 m dish at Ku band
    } cases[] = {
        {{2026, 12, 9}, u8"2027-03-01 至 03-09，最长13分钟"},
        {{2027, 3, 20}, u8"2027-10-05 至 10-13，最长13分钟"},
    };
    for (const auto& c : cases) {
        const InstallSheet sheet = beijing.sheet(requestOn(c.date));
        EXPECT_EQ(sheet.rows[0].outageSeason, c.season) << dateText(c.date);
        EXPECT_EQ(sheet.rows[1].outageSeason, u8"无") << "below the horizon";
    }
}

TEST(InstallSheetHtml, HoldsTheSiteEveryRowAndNothingFetchedOrRun) {
    const BeijingSheet beijing({{u8"亚洲7号 <A&B>", "105.5"}, {u8"大西洋", "-30.0"}});
    InstallSheetRequest request = requestOn({2026, 12, 9});
    const std::string plain = installSheetHtml(beijing.sheet(request));
    request.offsetAngle = 20;
    const std::string offset = installSheetHtml(beijing.sheet(request));

    for (const std::string& page : {plain, offset}) {
        EXPECT_EQ(page.rfind("<!DOCTYPE html>", 0), 0u);
        EXPECT_NE(page.find("<meta charset=\"utf-8\">"), std::string::npos);
        EXPECT_NE(page.find(u8"东经116.46度，北纬39.92度"), std::string::npos);
        EXPECT_NE(page.find(u8"<dt>极轴座</dt><dd>极轴仰角39.92度，偏置角6.27度，天线仰角43.81度"),
                  std::string::npos);
        EXPECT_NE(page.find(u8"亚洲7号 &lt;A&amp;B&gt;"), std::string::npos) << "escaped";
        // A row below the horizon: grey, and every column to the last.
        const std::size_t hidden = page.find("<tr class=\"hidden\"><td>" + std::string(u8"大西洋"));
        ASSERT_NE(hidden, std::string::npos);
        EXPECT_EQ(page.compare(page.find("</tr>", hidden) - 10, 10, "<td>-</td>"), 0);
        EXPECT_NE(page.find("@page wide{size:A4 landscape"), std::string::npos);
        EXPECT_NE(page.find("<thead>"), std::string::npos) << "a header repeated on each page";
        for (const char* outside : {"<script", "<link", "src=", "href=", "@import", "url("})
            EXPECT_EQ(page.find(outside), std::string::npos) << outside;
        EXPECT_EQ(page.find("<?xml"), std::string::npos) << "the sky picture inline";
    }
    EXPECT_EQ(plain.find(u8"<th>偏馈仰角"), std::string::npos);
    EXPECT_EQ(plain.find(u8"最近的地名"), std::string::npos) << "a named site";
    EXPECT_NE(offset.find(u8"<th>偏馈仰角</th>"), std::string::npos);
    EXPECT_NE(offset.find(u8"<dt>偏馈角</dt><dd>20.00度</dd>"), std::string::npos);
}

TEST(InstallSheetFileName, IsTheSiteAndTheDateAsTheExportNamesThem) {
    EXPECT_EQ(
        installSheetFileName(cp936FromUtf8(u8"北京\r\n经度：东经116.46度").c_str(), {2026, 12, 9}),
        cp936FromUtf8(u8"安装单_北京_2026-12-09.html"));
    EXPECT_EQ(installSheetFileName("a/b", {2026, 1, 2}),
              cp936FromUtf8(u8"安装单_a_b_2026-01-02.html"));
}

}  // namespace
