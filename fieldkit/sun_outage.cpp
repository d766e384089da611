#include "fieldkit/sun_outage.h"

#include <cmath>

#include "fieldkit/field_limits.h"
#include "numtext/decimal_power.h"

long double bandFrequencyHz(Band band) {
    switch (band) {
        case Band::C:
            return CBandHz;
        case Band::Ka:
            return KaBandHz;
        case Band::Ku:
            break;
    }
    return KuBandHz;
}

long double beamwidthDegrees(long double dishDiameterM, long double frequencyHz) {
    ExtendedPrecisionScope precision;
    return 70 * (SpeedOfLightMetresPerSecond / frequencyHz) / dishDiameterM;
}

long double outageThresholdDegrees(long double beamwidth) {
    ExtendedPrecisionScope precision;
    return beamwidth / 2 + SunRadiusDegrees;
}

bool isOutageSite(const ReceivingSite& site, long double heightM) {
    return std::isfinite(site.longitude) && std::isfinite(site.latitude) &&
           std::fabs(site.latitude) <= 90 && std::isfinite(heightM) &&
           SiteHeightRangeMetres.contains(heightM);
}
