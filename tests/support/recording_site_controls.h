#pragma once
// The memory site controls, logging what the site-input handlers do to them.

#include <string>
#include <vector>

#include "calc/memory_site_controls.h"

class RecordingSiteControls final : public MemorySiteControls {
public:
    using MemorySiteControls::MemorySiteControls;

    void readLongitudeText(char* buffer, std::size_t capacity) override {
        events.push_back("read longitude");
        MemorySiteControls::readLongitudeText(buffer, capacity);
    }
    void readLatitudeText(char* buffer, std::size_t capacity) override {
        events.push_back("read latitude");
        MemorySiteControls::readLatitudeText(buffer, capacity);
    }
    void setLongitudeText(const char* text) override {
        events.push_back(std::string("set longitude ") + text);
        MemorySiteControls::setLongitudeText(text);
    }
    void setLatitudeText(const char* text) override {
        events.push_back(std::string("set latitude ") + text);
        MemorySiteControls::setLatitudeText(text);
    }
    void enableCoordinateBoxes(bool enabled) override {
        events.push_back(enabled ? "boxes enabled" : "boxes disabled");
        MemorySiteControls::enableCoordinateBoxes(enabled);
    }

    // What the handlers did, in order: "read longitude", "set latitude 39.92",
    // "boxes disabled" ... (Recalculate's state is kept, not logged).
    std::vector<std::string> events;
};
