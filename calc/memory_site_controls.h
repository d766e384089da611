#pragma once
// The site controls over plain memory: used by kestrave-cli and by the
// tests of the site-input handlers. Like the real edit boxes, a box whose
// text is set notifies, and the notification runs readSiteInput.

#include <string>

#include "calc/site_input.h"

class MemorySiteControls : public SiteControls {
public:
    explicit MemorySiteControls(ReceivingSite& site) : site_(site) {}

    void readLongitudeText(char* buffer, std::size_t capacity) override;
    void readLatitudeText(char* buffer, std::size_t capacity) override;
    void setLongitudeText(const char* text) override;
    void setLatitudeText(const char* text) override;
    void enableCoordinateBoxes(bool enabled) override;
    void enableRecalculate(bool enabled) override;

    std::string longitudeText;
    std::string latitudeText;
    bool coordinateBoxesEnabled = true;
    bool recalculateEnabled = false;

private:
    ReceivingSite& site_;
};
