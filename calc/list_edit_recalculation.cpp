#include "calc/list_edit_recalculation.h"

#include <cstring>

void recalculateForSite(const char* cityBoxText, ReceivingSite& site, SatelliteTable& table,
                        ChangeFlags& flags, char (&description)[SiteDescriptionCapacity],
                        LastRecalculation& last) {
    recalculateAll(cityBoxText, site, table, flags, description);
    last.longitude = site.longitude;
    last.latitude = site.latitude;
}

void recalculateAfterListEdit(bool siteInputsUsable, const char* cityBoxText, ReceivingSite& site,
                              SatelliteTable& table, ChangeFlags& flags,
                              char (&description)[SiteDescriptionCapacity],
                              LastRecalculation& last) {
    if (siteInputsUsable) {
        recalculateForSite(cityBoxText, site, table, flags, description, last);
        return;
    }
    const long double typedLongitude = site.longitude;
    const long double typedLatitude = site.latitude;
    site.longitude = last.longitude;
    site.latitude = last.latitude;
    // The name as the last recalculation took it (recalculateAll rewrites the field).
    char name[sizeof site.name];
    std::memcpy(name, site.name, sizeof name);
    name[sizeof name - 1] = '\0';
    recalculateAll(name, site, table, flags, description);
    site.longitude = typedLongitude;
    site.latitude = typedLatitude;
}

ReceivingSite lastRecalculatedSite(const ReceivingSite& site, const LastRecalculation& last) {
    ReceivingSite recalculated = site;
    recalculated.longitude = last.longitude;
    recalculated.latitude = last.latitude;
    return recalculated;
}
