#pragma once
// What the benchmarks share: the site they compute for, Beijing, and the
// longitudes of a satellite list.

#include <cstddef>
#include <vector>

#include "calc/recalculation.h"
#include "data/memory_satellite_table.h"
#include "data/receiving_site.h"
#include "data/satellite_catalogue.h"

// Beijing, 116.46 E 39.92 N, without a name.
inline ReceivingSite beijing() {
    ReceivingSite site;
    site.longitude = 116.46L;
    site.latitude = 39.92L;
    return site;
}

// The longitudes of a list in its file's text, as a recalculation reads them.
inline std::vector<long double> listLongitudes(const char* list, std::size_t size) {
    MemorySatelliteTable table;
    fillSatelliteTable(table, list, size);
    std::vector<long double> longitudes;
    for (int row = 0; row < table.rowCount(); ++row) longitudes.push_back(rowLongitude(table, row));
    return longitudes;
}
