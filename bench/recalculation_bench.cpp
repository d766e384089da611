// A full recalculation: the site description and the results of the 39
// built-in satellites, as the Recalculate command computes them.

#include <benchmark/benchmark.h>

#include <string>

#include "bench/bench_site.h"
#include "calc/result_text.h"

namespace {

MemorySatelliteTable builtInTable() {
    MemorySatelliteTable table;
    insertSatelliteColumns(table);
    fillSatelliteTable(table, DefaultCatalogue, DefaultCatalogueSize);
    return table;
}

// What the Recalculate command takes: the site and the table, and what it
// gives besides the table's texts.
struct BuiltInAtBeijing {
    MemorySatelliteTable table = builtInTable();
    ReceivingSite site = beijing();
    ChangeFlags flags = 0;
    char description[SiteDescriptionCapacity] = {};
};

void BM_RecalculateAllBuiltIn(benchmark::State& state) {
    BuiltInAtBeijing b;
    for (auto _ : state) {
        recalculateAll("\xB1\xB1\xBE\xA9", b.site, b.table, b.flags, b.description);  // 北京
        benchmark::DoNotOptimize(b.description);
    }
    state.SetItemsProcessed(state.iterations() * b.table.rowCount());
}
BENCHMARK(BM_RecalculateAllBuiltIn);

// The clipboard text of the recalculated table.
void BM_FormatResultTextBuiltIn(benchmark::State& state) {
    BuiltInAtBeijing b;
    recalculateAll("", b.site, b.table, b.flags, b.description);
    std::string text(resultTextCapacity(b.table.rowCount(), std::string(b.description).size()),
                     '\0');
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            formatResultText(b.description, b.table, text.data(), text.size()));
    }
}
BENCHMARK(BM_FormatResultTextBuiltIn);

}  // namespace
