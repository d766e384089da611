#include "app/satellite_dialog.h"

#include <cstring>

#include "app/byte_limited_edit.h"
#include "app/centre_window.h"
#include "app/control_text.h"
#include "app/dialog_procedure.h"
#include "res/resource_ids.h"

namespace {

// The OK button shows the mode.
const char* const AddCaption = "\xD4\xF6\xBC\xD3(&A)";     // 增加(&A)
const char* const ModifyCaption = "\xD0\xDE\xB8\xC4(&M)";  // 修改(&M)

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

void validate(HWND dialog, const SatelliteDialogData& data) {
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
    setControlText(okButton(dialog),
                   data.mode == SatelliteDialogMode::Modify ? ModifyCaption : AddCaption);
    validate(dialog, data);
}

INT_PTR handle(HWND dialog, UINT message, WPARAM wParam, LPARAM, SatelliteDialogData& data) {
    switch (message) {
        case WM_INITDIALOG:
            onInitDialog(dialog, data);
            return TRUE;  // the focus goes to the first box, the longitude
        case WM_COMMAND:
            switch (LOWORD(wParam)) {
                case IDC_SATELLITE_LONGITUDE:
                case IDC_SATELLITE_DESCRIPTION:
                    validate(dialog, data);
                    return TRUE;
                case IDOK:
                    onOk(dialog, data);
                    return TRUE;
                case IDCANCEL:
                    EndDialog(dialog, IDCANCEL);
                    return TRUE;
                default:
                    return FALSE;
            }
        default:
            return FALSE;
    }
}

}  // namespace

bool runSatelliteDialog(HINSTANCE instance, HWND owner, SatelliteDialogData& data) {
    return runModalDialog<SatelliteDialogData, handle>(instance, IDD_SATELLITE_DIALOG, owner,
                                                       data) == IDOK;
}
