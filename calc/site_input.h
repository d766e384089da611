#pragma once
// Receiving-site input: keeps the site's coordinates in step with the city
// box and the two coordinate boxes, and decides whether Recalculate may be used.

#include <cstddef>

#include "data/receiving_site.h"

// The three site controls and the Recalculate commands, as the handlers see
// them. Setting a coordinate box's text makes the box notify, so that
// readSiteInput runs before the setter returns (the Win32 edit box does this
// by itself; a memory version calls readSiteInput).
class SiteControls {
public:
    virtual ~SiteControls() = default;
    virtual void readLongitudeText(char* buffer, std::size_t capacity) = 0;
    virtual void readLatitudeText(char* buffer, std::size_t capacity) = 0;
    virtual void setLongitudeText(const char* text) = 0;
    virtual void setLatitudeText(const char* text) = 0;
    virtual void enableCoordinateBoxes(bool enabled) = 0;
    // The Recalculate button and menu command together.
    virtual void enableRecalculate(bool enabled) = 0;
};

// Coordinate box texts are read with this capacity.
constexpr std::size_t CoordinateTextCapacity = 255;

// True when `value` rounded to a 32-bit integer (ties to even) lies within
// -limit..limit; values too large for 32 bits are out of range.
bool roundsWithin(long double value, int limit);

// Reads both boxes into the site's longitude and latitude, stopping at the
// first empty or rejected text, and enables Recalculate exactly when both
// are numbers in range (latitude -90.5..90.5, longitude -180.5..180.5).
void readSiteInput(SiteControls& controls, ReceivingSite& site);

// The city box changed to `placeName`: an empty name unlocks the coordinate
// boxes and shows the texts of the last recalculation; any other name locks
// them and shows its gazetteer coordinates, or "?" when it has none.
void applyPlaceName(const char* placeName, SiteControls& controls, const ReceivingSite& site);
