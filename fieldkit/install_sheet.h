#pragma once
// The installation sheet (安装单): everything an installer takes to the roof,
// on one self-contained UTF-8 HTML page (inline CSS and SVG, no script,
// nothing fetched) that prints on A4 and reads on a phone. The program's
// 保存安装单 and kestrave-cli --sheet write the same page.

#include <optional>
#include <string>
#include <vector>

#include "data/receiving_site.h"
#include "data/satellite_table.h"
#include "fieldkit/calendar_date.h"
#include "fieldkit/field_report.h"
#include "fieldkit/field_survey.h"
#include "fieldkit/sun_outage.h"

// What the sheet is for besides the survey: the offset dish, the dish and
// band of the sun outages, and the day the outages and the sun's moments
// count from.
struct InstallSheetRequest {
    std::optional<double> offsetAngle;  // degrees; no offset column without it
    long double dishMetres = 0.6L;
    long double frequencyHz = KuBandHz;
    std::string bandText;  // UTF-8, how the sheet names the band: Ku波段 12.25GHz
    CalendarDate date;     // in Beijing time
};

// The request from the program's stored settings on `date`: the details
// window's offset box (none when empty or refused), dish box (0.6 m when
// refused) and band word (Ku for any other), as that window reads them.
InstallSheetRequest installSheetRequestOf(const char* offsetText, const char* dishText,
                                          const char* bandWord, const CalendarDate& date);

// How the sheet names a band: C波段 4GHz, Ku波段 12.25GHz, Ka波段 20.2GHz (UTF-8).
std::string bandTextOf(Band band);

// One row of the sheet's table: the field report's row and what the sheet
// adds to it, every text UTF-8.
struct InstallSheetRow {
    FieldReportRow report;
    std::string lineOfSight;   // 通畅 / 被遮挡 / 在地平线以下
    bool hidden = false;       // below the horizon or behind an obstacle
    std::string outageSeason;  // 2027-03-01 至 03-09，最长13分钟; 无; -
    std::string motorAngle;    // 东12.34度, 西12.34度, 0.00度; - outside the visible arc
    std::string sunAim;        // the day's moments: 10:57 背向；16:05 指向; 无; -
};

struct InstallSheet {
    FieldReportSite site;
    std::string coordinates;  // 东经116.41度，北纬39.91度
    std::string declination;  // 西7.60度（WMM2025，2026-12-09）
    std::string polarMount;   // 极轴仰角39.92度，偏置角6.27度，天线仰角43.81度
    std::string dishAndBand;  // 0.6米天线，Ku波段 12.25GHz
    std::string offsetAngle;  // 偏馈角 20度, or empty
    bool withOffset = false;
    std::vector<InstallSheetRow> rows;
    std::string skySvg;  // the sky picture, an SVG document
    std::string listDate;
};

// Gathers the sheet for every row of the recalculated `table` and its survey.
InstallSheet buildInstallSheet(const SatelliteTable& table, const FieldSurvey& survey,
                               const InstallSheetRequest& request);

// The page itself.
std::string installSheetHtml(const InstallSheet& sheet);

// The name the program proposes, in code page 936: 安装单_SITE_YYYY-MM-DD.html,
// SITE being the site description's first line as resultsFileName writes it.
std::string installSheetFileName(const char* siteDescription, const CalendarDate& date);
