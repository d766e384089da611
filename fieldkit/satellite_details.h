#pragma once
// What the details window shows for one row of the table, prepared before
// it opens: its texts' input and the sky picture.

#include "data/receiving_site.h"
#include "data/satellite_table.h"
#include "fieldkit/calendar_date.h"
#include "fieldkit/details_text.h"
#include "fieldkit/horizon.h"
#include "fieldkit/sky_layout.h"

struct SatelliteDetails {
    DetailsInput input;
    SkyLayout sky;
    int selected = -1;  // the satellite's index in sky.satellites
    // The satellite against the obstacles, and whether the site has any.
    HorizonClearance lineOfSight;
    bool anyObstacle = false;

    SatelliteDetails() = default;
    // Large, and made once for the window that shows it.
    SatelliteDetails(const SatelliteDetails&) = delete;
    SatelliteDetails& operator=(const SatelliteDetails&) = delete;
};

// Everything the window shows for `row` (0 <= row < rowCount) of the
// recalculated `table`, from `site` (the coordinates of the last
// recalculation), named by `siteDescription`, on `date`, with the
// `obstacles` around the site (in true azimuths) in the sky picture.
void prepareSatelliteDetails(const SatelliteTable& table, int row, const ReceivingSite& site,
                             const char* siteDescription, const CalendarDate& date,
                             SatelliteDetails& details, const Horizon& obstacles);
