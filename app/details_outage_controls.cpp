#include "app/details_outage_controls.h"

#include "app/byte_limited_edit.h"
#include "app/control_text.h"
#include "encoding/text_builder.h"
#include "res/resource_ids.h"

namespace {

constexpr std::size_t DishBoxLimit = DishTextCapacity - 1;

// The seasons and the track for the dish and band the settings hold now.
void showOutage(HWND dialog, DetailsOutageControls& controls, SkyLayout& sky) {
    const Band band = BandChoices[bandChoiceOfWord(controls.band->text)].band;
    prepareDetailsOutage(controls.site, controls.satelliteLongitude, controls.today,
                         controls.dish->text, band, sky.frame, controls.outage);
    setControlText(GetDlgItem(dialog, IDC_DETAILS_NEXT_OUTAGE), controls.outage.next);
    setControlText(GetDlgItem(dialog, IDC_DETAILS_LATER_OUTAGE), controls.outage.later);
    sky.sunTrack = controls.outage.sunTrack;
    sky.sunTrackLabel = controls.outage.sunTrackLabel;
    InvalidateRect(GetDlgItem(dialog, IDC_DETAILS_SKY), nullptr, FALSE);
}

}  // namespace

void initOutageControls(HWND dialog, DetailsOutageControls& controls, SkyLayout& sky) {
    HWND dishBox = GetDlgItem(dialog, IDC_DETAILS_DISH);
    limitTypingToBytes(dishBox, DishBoxLimit);
    setControlText(dishBox, controls.dish->text);
    HWND bandList = GetDlgItem(dialog, IDC_DETAILS_BAND);
    for (const BandChoice& choice : BandChoices)
        SendMessageW(bandList, CB_ADDSTRING, 0,
                     reinterpret_cast<LPARAM>(wideText(choice.text).c_str()));
    SendMessageW(bandList, CB_SETCURSEL, static_cast<WPARAM>(bandChoiceOfWord(controls.band->text)),
                 0);
    controls.ready = true;
    showOutage(dialog, controls, sky);
}

void onDishChanged(HWND dialog, DetailsOutageControls& controls, SkyLayout& sky) {
    if (!controls.ready) return;
    readControlText(GetDlgItem(dialog, IDC_DETAILS_DISH), controls.dish->text,
                    sizeof controls.dish->text);
    controls.autosave->dishChanged(*controls.dish);
    showOutage(dialog, controls, sky);
}

void onBandChanged(HWND dialog, DetailsOutageControls& controls, SkyLayout& sky) {
    if (!controls.ready) return;
    const LRESULT index = SendMessageW(GetDlgItem(dialog, IDC_DETAILS_BAND), CB_GETCURSEL, 0, 0);
    if (index < 0 || index >= BandChoiceCount) return;
    TextBuilder(controls.band->text, sizeof controls.band->text) << BandChoices[index].word;
    controls.autosave->bandChanged(*controls.band);
    showOutage(dialog, controls, sky);
}
