#include "app/dialog_site_controls.h"

#include "app/control_text.h"
#include "res/resource_ids.h"

void DialogSiteControls::readLongitudeText(char* buffer, std::size_t capacity) {
    readControlText(longitudeBox_, buffer, capacity);
}

void DialogSiteControls::readLatitudeText(char* buffer, std::size_t capacity) {
    readControlText(latitudeBox_, buffer, capacity);
}

void DialogSiteControls::setLongitudeText(const char* text) { setControlText(longitudeBox_, text); }

void DialogSiteControls::setLatitudeText(const char* text) { setControlText(latitudeBox_, text); }

void DialogSiteControls::enableCoordinateBoxes(bool enabled) {
    EnableWindow(longitudeBox_, enabled);
    EnableWindow(latitudeBox_, enabled);
}

void DialogSiteControls::enableRecalculate(bool enabled) {
    recalculateEnabled_ = enabled;
    EnableWindow(recalculateButton_, enabled);
    EnableMenuItem(menuBar_, IDM_RECALCULATE, MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}
