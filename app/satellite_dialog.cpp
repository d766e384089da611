#include "app/satellite_dialog.h"

#include <cstring>
#include <iterator>

#include "app/app_texts.h"
#include "app/byte_limited_edit.h"
#include "app/centre_window.h"
#include "app/control_text.h"
#include "app/dialog_messages.h"
#include "app/dialog_procedure.h"
#include "res/resource_ids.h"

namespace {

HWND okButton(HWND dialog) { return GetDlgItem(dialog, IDOK); }
HWND longitudeBox(HWND dialog) { return GetDlgItem(dialog, IDC_SATELLITE_LONGITUDE); }
HWND descriptionBox(HWND dialog) { return GetDlgItem(dialog, IDC_SATELLITE_DESCRIPTION); }

struct BoxTexts {
    char longitude[CellReadCapacity];
    char description[CellReadCapacity];
};

BoxTexts readBoxes(HWND dialog) {
    BoxTexts texts;
    readControlText(longitudeBox(dialog), texts.longitude, sizeof texts.longitude);
    readControlText(descriptionBox(dialog), texts.description, sizeof texts.description);
    return texts;
}

bool acceptable(const SatelliteDialogData& data, const BoxTexts& texts) {
    return !data.acceptable || data.acceptable(texts.longitude, texts.description);
}

void validate(HWND dialog, SatelliteDialogData& data) {
    EnableWindow(okButton(dialog), acceptable(data, readBoxes(dialog)));
}

// Enter may still arrive while the button is greyed: nothing unusable is confirmed.
void onOk(HWND dialog, SatelliteDialogData& data) {
    BoxTexts texts = readBoxes(dialog);
    if (!acceptable(data, texts)) {
        return;
    }
    static_assert(sizeof texts.longitude == sizeof data.longitude);
    static_assert(sizeof texts.description == sizeof data.description);
    std::memcpy(data.longitude, texts.longitude, sizeof data.longitude);
    std::memcpy(data.description, texts.description, sizeof data.description);
    EndDialog(dialog, IDOK);
}

void onInitDialog(HWND dialog, SatelliteDialogData& data) {
    centreWindow(dialog);
    limitTypingToBytes(longitudeBox(dialog), SatelliteLongitudeLimit);
    limitTypingToBytes(descriptionBox(dialog), SatelliteDescriptionLimit);
    setControlText(descriptionBox(dialog), data.description);
    setControlText(longitudeBox(dialog), data.longitude);
    // The OK button shows the mode.
    setControlText(okButton(dialog), data.mode == SatelliteDialogMode::Modify
                                         ? app_text::ModifyButton
                                         : app_text::AddButton);
    validate(dialog, data);
}

const DialogCommand<SatelliteDialogData> Commands[] = {
    {IDC_SATELLITE_LONGITUDE, AnyNotification, validate},
    {IDC_SATELLITE_DESCRIPTION, AnyNotification, validate},
    {IDOK, AnyNotification, onOk},
    {IDCANCEL, AnyNotification, endDialogWith<SatelliteDialogData, IDCANCEL>},
};

const DialogMessages<SatelliteDialogData> Messages = {onInitDialog, Commands, std::size(Commands)};

INT_PTR handle(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam,
               SatelliteDialogData& context) {
    return handleDialogMessage(dialog, message, wParam, lParam, context, Messages);
}

}  // namespace

bool runSatelliteDialog(HINSTANCE instance, HWND owner, SatelliteDialogData& data) {
    return runModalDialog<SatelliteDialogData, handle>(instance, IDD_SATELLITE_DIALOG, owner,
                                                       data) == IDOK;
}
