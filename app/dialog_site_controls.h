#pragma once
// The site controls of the main window as the site-input handlers see them.

#include <windows.h>

#include "calc/site_input.h"

class DialogSiteControls final : public SiteControls {
public:
    DialogSiteControls() = default;
    DialogSiteControls(HWND longitudeBox, HWND latitudeBox, HWND recalculateButton, HMENU menuBar)
        : longitudeBox_(longitudeBox),
          latitudeBox_(latitudeBox),
          recalculateButton_(recalculateButton),
          menuBar_(menuBar) {}

    void readLongitudeText(char* buffer, std::size_t capacity) override;
    void readLatitudeText(char* buffer, std::size_t capacity) override;
    // Setting a box's text makes it notify the main window, which runs
    // readSiteInput before these return.
    void setLongitudeText(const char* text) override;
    void setLatitudeText(const char* text) override;
    void enableCoordinateBoxes(bool enabled) override;
    // IDOK and IDM_RECALCULATE together.
    void enableRecalculate(bool enabled) override;

    // Whether the site inputs were usable when readSiteInput or
    // applyPlaceName last judged them (Recalculate enabled).
    bool recalculateEnabled() const { return recalculateEnabled_; }

private:
    HWND longitudeBox_ = nullptr;
    HWND latitudeBox_ = nullptr;
    HWND recalculateButton_ = nullptr;
    HMENU menuBar_ = nullptr;
    bool recalculateEnabled_ = true;  // as the template's button starts
};
