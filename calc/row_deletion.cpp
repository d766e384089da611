#include "calc/row_deletion.h"

#include <cstddef>

namespace {

// A name is read with 127 bytes: at most 126 and the NUL.
constexpr std::size_t NameReadCapacity = 127;

}  // namespace

bool deleteSelectedRows(SatelliteTable& table, const DeletionQuestion& ask) {
    bool deleted = false;
    int row = table.nextSelectedRow(-1);
    while (row != -1) {
        char name[NameReadCapacity];
        table.getCell(row, ColumnName, name, sizeof name);
        DeletionAnswer answer = ask(name);
        if (answer == DeletionAnswer::Cancel) {
            break;
        }
        if (answer == DeletionAnswer::Yes) {
            table.deleteRow(row);
            deleted = true;
            // The row after it has moved up into its place: search from the row before.
            row = table.nextSelectedRow(row - 1);
        } else {
            row = table.nextSelectedRow(row);
        }
    }
    return deleted;
}
