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
    events.push_back("read longitude");
    copyText(longitudeText, buffer, capacity);
}

void MemorySiteControls::readLatitudeText(char* buffer, std::size_t capacity) {
    events.push_back("read latitude");
    copyText(latitudeText, buffer, capacity);
}

void MemorySiteControls::setLongitudeText(const char* text) {
    events.push_back(std::string("set longitude ") + text);
    longitudeText = text;
    readSiteInput(*this, site_);
}

void MemorySiteControls::setLatitudeText(const char* text) {
    events.push_back(std::string("set latitude ") + text);
    latitudeText = text;
    readSiteInput(*this, site_);
}

void MemorySiteControls::enableCoordinateBoxes(bool enabled) {
    events.push_back(enabled ? "boxes enabled" : "boxes disabled");
    coordinateBoxesEnabled = enabled;
}

void MemorySiteControls::enableRecalculate(bool enabled) { recalculateEnabled = enabled; }
