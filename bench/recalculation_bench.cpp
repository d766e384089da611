// A full recalculation: the site description and the results of the 39
// built-in satellites, as the Recalculate command computes them.

#include <benchmark/benchmark.h>

#include <string>

#include "calc/recalculation.h"
#include "calc/result_text.h"
#include "data/memory_satellite_table.h"
#include "data/satellite_catalogue.h"

namespace {

MemorySatelliteTable builtInTable() {
    MemorySatelliteTable table;
    insertSatelliteColumns(table);
    fillSatelliteTable(table, DefaultCatalogue, DefaultCatalogueSize);
    return table;
}

void BM_RecalculateAllBuiltIn(benchmark::State& state) {
    MemorySatelliteTable table = builtInTable();
    ReceivingSite site;
    site.longitude = 116.46L;
    site.latitude = 39.92L;
    ChangeFlags flags = 0;
    char description[SiteDescriptionCapacity];
    for (auto _ : state) {
        recalculateAll("\xB1\xB1\xBE\xA9", site, table, flags, description);  // 北京
        benchmark::DoNotOptimize(description);
    }
    state.SetItemsProcessed(state.iterations() * table.rowCount());
}
BENCHMARK(BM_RecalculateAllBuiltIn);

// The clipboard text of the recalculated table.
void BM_FormatResultTextBuiltIn(benchmark::State& state) {
    MemorySatelliteTable table = builtInTable();
    ReceivingSite site;
    site.longitude = 116.46L;
    site.latitude = 39.92L;
    ChangeFlags flags = 0;
    char description[SiteDescriptionCapacity];
    recalculateAll("", site, table, flags, description);
    std::string text(resultTextCapacity(table.rowCount(), std::string(description).size()), '\0');
    for (auto _ : state) {
        benchmark::DoNotOptimize(formatResultText(description, table, text.data(), text.size()));
    }
}
BENCHMARK(BM_FormatResultTextBuiltIn);

}  // namespace
