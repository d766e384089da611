#include "data/settings_autosave.h"

#include <cstring>

void TrackedText::write(SettingsBackend& store, TextValue value) {
    if (written_) value.stored = written_->c_str();
    saveChangedText(store, name_, value);
    written_ = std::string(value.text, strnlen(value.text, value.capacity - 1));
}

void TrackedText::writeAtClose(SettingsBackend& store, TextValue value) const {
    saveChangedText(store, name_, value);
}

void SettingsAutosave::siteChanged(const ReceivingSite& site) { saveSite(store_, site); }

void SettingsAutosave::listChanged(const SatelliteTable& table) {
    saveSatelliteList(store_, table);
}

void SettingsAutosave::changed(TrackedText& tracked, TextValue value) {
    tracked.write(store_, value);
}

bool SettingsAutosave::close(const ReceivingSite& site, const SatelliteTable& table,
                             ChangeFlags flags, const ClosingTexts& texts) {
    if (closed_) return false;
    closed_ = true;
    saveSettings(store_, site, table, flags);
    offset_.writeAtClose(store_, texts.offset);
    dish_.writeAtClose(store_, texts.dish);
    band_.writeAtClose(store_, texts.band);
    horizon_.writeAtClose(store_, texts.horizon);
    return true;
}
