#include "calc/memory_site_controls.h"

#include <algorithm>
#include <cstring>

namespace {

void copyText(const std::string& text, char* buffer, std::size_t capacity) {
    const std::size_t length = std::min(text.size(), capacity - 1);
    std::memcpy(buffer, text.data(), length);
    buffer[length] = '\0';
}

}  // namespace

void MemorySiteControls::readLongitudeText(char* buffer, std::size_t capacity) {
    copyText(longitudeText, buffer, capacity);
}

void MemorySiteControls::readLatitudeText(char* buffer, std::size_t capacity) {
    copyText(latitudeText, buffer, capacity);
}

void MemorySiteControls::setLongitudeText(const char* text) {
    longitudeText = text;
    readSiteInput(*this, site_);
}

void MemorySiteControls::setLatitudeText(const char* text) {
    latitudeText = text;
    readSiteInput(*this, site_);
}

void MemorySiteControls::enableCoordinateBoxes(bool enabled) { coordinateBoxesEnabled = enabled; }

void MemorySiteControls::enableRecalculate(bool enabled) { recalculateEnabled = enabled; }
