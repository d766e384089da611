#include "app/satellite_deletion.h"

#include <cstring>

#include "app/main_window.h"

namespace {

// A name is read with 127 bytes: at most 126 and the NUL.
constexpr std::size_t NameReadCapacity = 127;
constexpr std::size_t QuestionTextLength = sizeof DeletionQuestionText - 1;

int askAbout(MainWindowState& state, const char* name) {
    char question[QuestionTextLength + NameReadCapacity];
    std::memcpy(question, DeletionQuestionText, QuestionTextLength);
    std::memcpy(question + QuestionTextLength, name, std::strlen(name) + 1);
    return state.askDeletion(state.window, question, DeletionCaption, DeletionQuestionType);
}

}  // namespace

void deleteSelectedSatellites(MainWindowState& state) {
    int row = state.table.nextSelectedRow(-1);
    while (row != -1) {
        char name[NameReadCapacity];
        state.table.getCell(row, ColumnName, name, sizeof name);
        int answer = askAbout(state, name);
        if (answer == IDYES) {
            state.table.deleteRow(row);
            state.changeFlags |= ListChanged;
            // The row after it has moved up into its place: search from the row before.
            row = state.table.nextSelectedRow(row - 1);
        } else if (answer == IDCANCEL) {
            break;
        } else {
            row = state.table.nextSelectedRow(row);
        }
    }
}
