#include "data/settings_autosave.h"

#include <cstring>

void SettingsAutosave::siteChanged(const ReceivingSite& site) {
    if (closed_) return;
    saveSite(store_, site);
}

void SettingsAutosave::listChanged(const SatelliteTable& table) {
    if (closed_) return;
    saveSatelliteList(store_, table);
}

void SettingsAutosave::offsetChanged(const OffsetSetting& offset) {
    if (closed_) return;
    // What the store holds: the text read at the start, or the last one written.
    OffsetSetting now = offset;
    std::memcpy(now.stored, offsetWritten_ ? written_.text : offset.stored, sizeof now.stored);
    saveOffset(store_, now);
    std::memcpy(written_.text, offset.text, sizeof written_.text);
    written_.text[sizeof written_.text - 1] = '\0';
    offsetWritten_ = true;
}

void SettingsAutosave::horizonChanged(const HorizonSettingText& horizon) {
    if (closed_) return;
    // What the store holds: the text read at the start, or the last one written.
    HorizonSettingText now = horizon;
    std::memcpy(now.stored, horizonWasWritten_ ? horizonWritten_.text : horizon.stored,
                sizeof now.stored);
    saveHorizon(store_, now);
    std::memcpy(horizonWritten_.text, horizon.text, sizeof horizonWritten_.text);
    horizonWritten_.text[sizeof horizonWritten_.text - 1] = '\0';
    horizonWasWritten_ = true;
}

bool SettingsAutosave::close(const ReceivingSite& site, const SatelliteTable& table,
                             ChangeFlags flags, const OffsetSetting& offset,
                             const HorizonSettingText& horizon) {
    if (closed_) return false;
    closed_ = true;
    saveSettings(store_, site, table, flags);
    saveOffset(store_, offset);
    saveHorizon(store_, horizon);
    return true;
}
