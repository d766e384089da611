#include "fieldkit/sun_track.h"

#include "fieldkit/noded_sun.h"
#include "fieldkit/solar_position.h"
#include "fieldkit/sun_outage.h"
#include "numtext/decimal_power.h"

std::vector<SunTrackPoint> sunTrack(const ReceivingSite& site, long double heightM,
                                    const CalendarDate& date, int zoneOffsetMinutes,
                                    int stepMinutes) {
    ExtendedPrecisionScope precision;
    std::vector<SunTrackPoint> track;
    if (!isCalendarDate(date) || !isOutageSite(site, heightM) || !isZoneOffset(zoneOffsetMinutes) ||
        stepMinutes < 1 || stepMinutes > 1440)
        return track;
    const GeodeticSite geodetic{site.longitude, site.latitude, heightM};
    const Vector3 position = siteEarthFixed(geodetic);
    const long double midnight = midnightFromJ2000(date, zoneOffsetMinutes);
    NodedSun sun(midnight, midnight + 1);
    for (int minute = 0; minute < 1440; minute += stepMinutes) {
        const long double t = midnight + minute / 1440.0L;
        const HorizontalDirection d =
            horizontalDirection(geodetic, difference(sun.earthFixed(t), position));
        if (d.elevation > 0) track.push_back({minute * 60, d.azimuth, d.elevation});
    }
    return track;
}
