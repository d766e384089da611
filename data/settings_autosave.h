#pragma once
// Settings written as the user goes, so that nothing is lost when the
// program is ended without its close sequence (a crash, the task manager, a
// power cut) or when Windows ends the session.
//
// After each change that sets a flag, the value the close sequence would
// write for that flag is written at once, whole (one value operation per
// value), so that the store holds at every moment what a close at that
// moment would leave in it, until the process ends: a session's end that
// does not end it leaves the window open, and later changes count as much.
// The close sequence itself writes once more, the same bytes, and only
// once: a close after the session's end writes nothing.

#include <optional>
#include <string>

#include "data/change_flags.h"
#include "data/receiving_site.h"
#include "data/satellite_table.h"
#include "data/settings_store.h"

// One text value written as it changes: its name in the store and the text
// last written under it here.
class TrackedText {
public:
    explicit TrackedText(const char* name) : name_(name) {}

    // Writes `value` when it differs from what the store holds now: the text
    // read at the start until one was written here, then the last written.
    void write(SettingsBackend& store, TextValue value);
    // The close sequence's write: when it differs from the text read at the start.
    void writeAtClose(SettingsBackend& store, TextValue value) const;

private:
    const char* name_;
    std::optional<std::string> written_;
};

// The text values the close sequence writes, as the program holds them.
struct ClosingTexts {
    TextValue offset;
    TextValue dish;
    TextValue band;
    TextValue horizon;  // the field kit's HorizonSettingText
};

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
    void offsetChanged(const OffsetSetting& offset) { changed(offset_, offset); }
    // After the dish box or the band choice changed: Dish or Band, when it
    // differs from what the store holds now.
    void dishChanged(const DishSetting& dish) { changed(dish_, dish); }
    void bandChanged(const BandSetting& band) { changed(band_, band); }
    // After the obstacles changed: Horizon, when it differs from what the
    // store holds now.
    void horizonChanged(TextValue horizon) { changed(horizon_, horizon); }

    // The close sequence's writes (saveSettings, then Offset, Dish, Band and
    // Horizon when they differ from the texts read at the start), the first
    // time only. True when they were written now.
    bool close(const ReceivingSite& site, const SatelliteTable& table, ChangeFlags flags,
               const ClosingTexts& texts);
    bool closed() const { return closed_; }

private:
    void changed(TrackedText& tracked, TextValue value);

    SettingsBackend& store_;
    TrackedText offset_{OffsetValueName};
    TrackedText dish_{DishValueName};
    TrackedText band_{BandValueName};
    TrackedText horizon_{HorizonValueName};
    bool closed_ = false;
};
