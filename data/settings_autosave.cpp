#include "data/settings_autosave.h"

#include <cstring>

namespace {

// `save` compares with what the store holds now (the text read at the
// start, or the last one written), then `written` is that text.
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
    saveAsChanged(store_, offset, written_, offsetWritten_, saveOffset);
}

void SettingsAutosave::dishChanged(const DishSetting& dish) {
    if (closed_) return;
    saveAsChanged(store_, dish, writtenDish_, dishWritten_, saveDish);
}

void SettingsAutosave::bandChanged(const BandSetting& band) {
    if (closed_) return;
    saveAsChanged(store_, band, writtenBand_, bandWritten_, saveBand);
}

void SettingsAutosave::horizonChanged(const HorizonSettingText& horizon) {
    if (closed_) return;
    saveAsChanged(store_, horizon, horizonWritten_, horizonWasWritten_, saveHorizon);
}

void SettingsAutosave::multifeedDishChanged(const MultifeedDishSetting& dish) {
    if (closed_) return;
    saveAsChanged(store_, dish.focalLength, focalLengthWritten_, focalLengthWasWritten_,
                  saveFocalLength);
    saveAsChanged(store_, dish.diameter, diameterWritten_, diameterWasWritten_, saveDiameter);
}

bool SettingsAutosave::close(const ReceivingSite& site, const SatelliteTable& table,
                             ChangeFlags flags, const OffsetSetting& offset,
                             const DishSetting& dish, const BandSetting& band,
                             const HorizonSettingText& horizon,
                             const MultifeedDishSetting& multifeedDish) {
    if (closed_) return false;
    closed_ = true;
    saveSettings(store_, site, table, flags);
    saveOffset(store_, offset);
    saveDish(store_, dish);
    saveBand(store_, band);
    saveHorizon(store_, horizon);
    saveFocalLength(store_, multifeedDish.focalLength);
    saveDiameter(store_, multifeedDish.diameter);
    return true;
}
