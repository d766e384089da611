#pragma once
// Which site a recalculation computes for, at the Recalculate command and
// after the satellite list has been edited.

#include "calc/recalculation.h"

// The coordinates of the last recalculation; its name is the site's `name`.
struct LastRecalculation {
    long double longitude = 0;
    long double latitude = 0;
};

// The site the table's numbers are for: `site` at the last recalculation's coordinates.
ReceivingSite lastRecalculatedSite(const ReceivingSite& site, const LastRecalculation& last);

// recalculateAll with the city box's text, remembering the coordinates it computed for.
void recalculateForSite(const char* cityBoxText, ReceivingSite& site, SatelliteTable& table,
                        ChangeFlags& flags, char (&description)[SiteDescriptionCapacity],
                        LastRecalculation& last);

// The recalculation after a list edit. With usable site inputs it is
// recalculateForSite. Otherwise (Recalculate greyed) it computes for the
// site of the last recalculation, name and coordinates, so that the rows
// never get results for a site nobody chose and the description stays
// true; the site's coordinates then go back to what the boxes hold.
void recalculateAfterListEdit(bool siteInputsUsable, const char* cityBoxText, ReceivingSite& site,
                              SatelliteTable& table, ChangeFlags& flags,
                              char (&description)[SiteDescriptionCapacity],
                              LastRecalculation& last);
