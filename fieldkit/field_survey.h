#pragma once
// One look at the sky from a site on a date: the magnetic field there and
// the field kit's numbers for every row of the satellite table. The details
// window and kestrave-cli both start from it.

#include <optional>
#include <string>
#include <vector>

#include "data/nearest_place.h"
#include "data/receiving_site.h"
#include "data/satellite_table.h"
#include "fieldkit/horizon.h"
#include "fieldkit/magnetic_model.h"
#include "fieldkit/sky_layout.h"

struct FieldSurvey {
    ReceivingSite site;    // the coordinates the numbers are for
    std::string siteName;  // code page 936: the site description's first line
    std::string dateText;  // as given: YYYY-MM-DD or a decimal year
    double decimalYear = 0;
    double heightMetres = 0;  // above the WGS-84 ellipsoid
    const char* modelName = "";
    MagneticField magnetic;
    // Every row in table order: its name cell and its numbers.
    std::vector<SkySatelliteInput> satellites;
    // The obstacles around the site, when they are given (maybe none).
    std::optional<Horizon> horizon;
    // A site typed as coordinates (no name): the gazetteer's place nearest it.
    std::optional<NearestPlace> nearestPlace;
};

// Surveys every row of the recalculated `table` from `site` (its longitude
// and latitude), whose description `siteDescription` names it, `heightMetres`
// above the ellipsoid, on `dateText` (`decimalYear`), with WMM2025.
FieldSurvey surveyField(const SatelliteTable& table, const ReceivingSite& site,
                        const char* siteDescription, const std::string& dateText,
                        double decimalYear, double heightMetres);

// The sky picture of the survey, with its obstacles when they are given.
SkyLayout layoutSkyPicture(const FieldSurvey& survey);
