#include "calc/current_satellite_list.h"

#include <string>

#include "calc/calc_texts.h"

SatelliteListFileResult parseCurrentSatelliteList() {
    return parseSatelliteListFile(std::string(CurrentSatelliteListText, CurrentSatelliteListSize));
}

std::string withCurrentListDate(const std::string& menuItemText) {
    // （ and ） around the date. Neither '(' nor '&' can be the second byte
    // of a double-byte character, so the search cannot land inside one.
    const std::string date =
        std::string(calc_text::OpenBracket) + CurrentSatelliteListDate + calc_text::CloseBracket;
    const std::size_t accelerator = menuItemText.rfind("(&");
    if (accelerator == std::string::npos) return menuItemText + date;
    return menuItemText.substr(0, accelerator) + date + menuItemText.substr(accelerator);
}
