#include "app/satellite_deletion.h"

#include <string>

#include "app/app_texts.h"
#include "app/control_text.h"
#include "calc/row_deletion.h"

bool deleteSelectedSatellites(HWND owner, SatelliteTable& table, DeletionMessageBox ask) {
    const std::wstring caption = wideText(app_text::DeletionCaption);
    return deleteSelectedRows(table, [&](const char* name) {
        std::wstring question = wideText((std::string(app_text::DeletionQuestion) + name).c_str());
        switch (ask(owner, question.c_str(), caption.c_str(), DeletionQuestionType)) {
            case IDYES:
                return DeletionAnswer::Yes;
            case IDCANCEL:
                return DeletionAnswer::Cancel;
            default:
                return DeletionAnswer::No;
        }
    });
}
