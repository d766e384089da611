#pragma once
// Settings written as the user goes, so that nothing is lost when the
// program is ended without its close sequence (a crash, the task manager, a
// power cut) or when Windows ends the session.
//
// After each change that sets a flag, the value the close sequence would
// write for that flag is written at once, whole (one value operation per
// value), so that the store holds at every moment what a close at that
// moment would leave in it. The close sequence itself writes once more, the
// same bytes, and only once: a close after the session's end writes nothing.

#include "data/change_flags.h"
#include "data/receiving_site.h"
#include "data/satellite_table.h"
#include "data/settings_store.h"

class SettingsAutosave {
public:
    explicit SettingsAutosave(SettingsBackend& store) : store_(store) {}
    SettingsAutosave(const SettingsAutosave&) = delete;
    SettingsAutosave& operator=(const SettingsAutosave&) = delete;

    // After a recalculation (SiteChanged): City, X and Y.
    void siteChanged(const ReceivingSite& site);
    // After rows were added, modified, deleted or re-sorted (ListChanged):
    // Data, once for the whole change.
    void listChanged(const SatelliteTable& table);
    // After the offset box changed: Offset, when it differs from what the
    // store holds now.
    void offsetChanged(const OffsetSetting& offset);
    // After the dish box or the band choice changed: Dish or Band, when it
    // differs from what the store holds now.
    void dishChanged(const DishSetting& dish);
    void bandChanged(const BandSetting& band);
    // After the obstacles changed: Horizon, when it differs from what the
    // store holds now.
    void horizonChanged(const HorizonSettingText& horizon);
    // After the multifeed dialog's boxes changed: FocalLength and Diameter,
    // each when it differs from what the store holds now.
    void multifeedDishChanged(const MultifeedDishSetting& dish);

    // The close sequence's writes (saveSettings, then saveOffset, saveDish,
    // saveBand, saveHorizon, saveFocalLength and saveDiameter), the first
    // time only. True when they were written now.
    bool close(const ReceivingSite& site, const SatelliteTable& table, ChangeFlags flags,
               const OffsetSetting& offset, const DishSetting& dish, const BandSetting& band,
               const HorizonSettingText& horizon,
               const MultifeedDishSetting& multifeedDish = MultifeedDishSetting());
    bool closed() const { return closed_; }

private:
    SettingsBackend& store_;
    // The Offset text the store holds now; empty until one was written.
    OffsetSetting written_;
    bool offsetWritten_ = false;
    // The same for Dish and Band.
    DishSetting writtenDish_;
    bool dishWritten_ = false;
    BandSetting writtenBand_;
    bool bandWritten_ = false;
    // Likewise the Horizon text.
    HorizonSettingText horizonWritten_;
    bool horizonWasWritten_ = false;
    // Likewise FocalLength and Diameter.
    MillimetreSetting focalLengthWritten_;
    bool focalLengthWasWritten_ = false;
    MillimetreSetting diameterWritten_;
    bool diameterWasWritten_ = false;
    bool closed_ = false;
};
