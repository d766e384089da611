#pragma once
// Deleting the selected rows of the table, asking about each one first.

#include <functional>

#include "data/satellite_table.h"

enum class DeletionAnswer { Yes, No, Cancel };

// Asked with the row's name (its column 0 text, read with capacity 127).
using DeletionQuestion = std::function<DeletionAnswer(const char* name)>;

// Walks the selected rows in increasing index order and asks about each:
// Yes deletes it (and the row that moves up into its place is considered
// next), No keeps it, Cancel stops. True when at least one row was deleted.
bool deleteSelectedRows(SatelliteTable& table, const DeletionQuestion& ask);
