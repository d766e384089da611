#include "fieldkit/satellite_details.h"

#include "calc/recalculation.h"
#include "fieldkit/field_survey.h"
#include "fieldkit/polar_mount.h"
#include "fieldkit/sun_outage.h"

void prepareSatelliteDetails(const SatelliteTable& table, int row, const ReceivingSite& site,
                             const char* siteDescription, const CalendarDate& date,
                             SatelliteDetails& details, const Horizon& obstacles) {
    FieldSurvey survey =
        surveyField(table, site, siteDescription, dateText(date), decimalYearOf(date), 0);
    if (!obstacles.empty()) survey.horizon = obstacles;
    details.sky = layoutSkyPicture(survey);
    details.selected = row;

    DetailsInput& input = details.input;
    input.satelliteName = cellText(table, row, ColumnName);
    input.longitudeText = cellText(table, row, ColumnLongitude);
    input.siteName = survey.siteName;
    input.date = date;
    input.southernSite = site.latitude < 0;
    computePointing(rowLongitude(table, row), site, input.pointing);
    input.numbers = survey.satellites[static_cast<std::size_t>(row)].numbers;
    input.magnetic = survey.magnetic;
    input.modelName = survey.modelName;
    details.lineOfSight = satelliteClearance(obstacles, input.numbers);
    input.sunAim = sunAimMoments(site, rowLongitude(table, row), date, BeijingZoneMinutes);
    addSunAim(details.sky, site, date, BeijingZoneMinutes, input.sunAim.moments);
    details.anyObstacle = !obstacles.empty();
    input.motorAngle = motorAngle(rowLongitude(table, row), site);
    input.polarMount = polarMountAt(site.latitude);
}
