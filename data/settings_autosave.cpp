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

bool SettingsAutosave::close(const ReceivingSite& site, const SatelliteTable& table,
                             ChangeFlags flags, const OffsetSetting& offset,
                             const DishSetting& dish, const BandSetting& band) {
    if (closed_) return false;
    closed_ = true;
    saveSettings(store_, site, table, flags);
    saveOffset(store_, offset);
    saveDish(store_, dish);
    saveBand(store_, band);
    return true;
}

namespace {

// As offsetChanged: `save` compares with what the store holds now (the text
// read at the start, or the last one written), then `written` is that text.
template <typename Setting>
void saveAsChanged(SettingsBackend& store, const Setting& setting, Setting& written,
                   bool& wasWritten, void (*save)(SettingsBackend&, const Setting&)) {
    Setting now = setting;
    std::memcpy(now.stored, wasWritten ? written.text : setting.stored, sizeof now.stored);
    save(store, now);
    std::memcpy(written.text, setting.text, sizeof written.text);
    written.text[sizeof written.text - 1] = '\0';
    wasWritten = true;
}

}  // namespace

void SettingsAutosave::dishChanged(const DishSetting& dish) {
    if (closed_) return;
    saveAsChanged(store_, dish, writtenDish_, dishWritten_, saveDish);
}

void SettingsAutosave::bandChanged(const BandSetting& band) {
    if (closed_) return;
    saveAsChanged(store_, band, writtenBand_, bandWritten_, saveBand);
}
