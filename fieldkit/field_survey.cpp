#include "fieldkit/field_survey.h"

#include "calc/recalculation.h"
#include "fieldkit/sky_horizon.h"

FieldSurvey surveyField(const SatelliteTable& table, const ReceivingSite& site,
                        const char* siteDescription, const std::string& dateText,
                        double decimalYear, double heightMetres) {
    FieldSurvey survey;
    survey.site = site;
    survey.siteName = siteNameLine(siteDescription);
    survey.dateText = dateText;
    survey.decimalYear = decimalYear;
    survey.heightMetres = heightMetres;
    survey.modelName = wmm2025().name;
    survey.magnetic = evaluateMagneticField(wmm2025(), static_cast<double>(site.latitude),
                                            static_cast<double>(site.longitude),
                                            heightMetres / 1000, decimalYear);
    survey.satellites = skySatellitesOf(table, site, survey.magnetic.declination);
    if (site.name[0] == '\0') survey.nearestPlace = nearestPlace(site.longitude, site.latitude);
    return survey;
}

SkyLayout layoutSkyPicture(const FieldSurvey& survey) {
    SkyLayout layout =
        layoutSkyPicture(survey.site, survey.dateText, survey.magnetic.declination,
                         survey.modelName, survey.magnetic.withinValidity, survey.satellites);
    if (survey.horizon) addHorizonToSky(layout, *survey.horizon, survey.satellites);
    return layout;
}
