#include "calc/row_deletion.h"

#include <cstddef>

bool deleteSelectedRows(SatelliteTable& table, const DeletionQuestion& ask) {
    bool deleted = false;
    int row = table.nextSelectedRow(-1);
    while (row != -1) {
        char name[CellReadCapacity];
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
