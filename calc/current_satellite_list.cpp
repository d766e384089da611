#include "calc/current_satellite_list.h"

#include <string>

SatelliteListFileResult parseCurrentSatelliteList() {
    return parseSatelliteListFile(std::string(CurrentSatelliteListText, CurrentSatelliteListSize));
}
