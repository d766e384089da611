// The installation sheet for the current list seen from Beijing: gathering
// its numbers (the outages' next season of every satellite among them) and
// writing the page.

#include <benchmark/benchmark.h>

#include "calc/current_satellite_list.h"
#include "calc/recalculation.h"
#include "data/memory_satellite_table.h"
#include "data/satellite_catalogue.h"
#include "encoding/text_encoding.h"
#include "fieldkit/install_sheet.h"
#include "fieldkit/magnetic_model.h"

namespace {

struct CurrentListAtBeijing {
    MemorySatelliteTable table;
    FieldSurvey survey;
    InstallSheetRequest request = installSheetRequestOf("", "0.6", "Ku", {2026, 12, 9});

    CurrentListAtBeijing() {
        insertSatelliteColumns(table);
        const SatelliteListFileResult current = parseCurrentSatelliteList();
        fillSatelliteTable(table, current.list.data(), current.list.size());
        ReceivingSite site;
        site.longitude = 116.46L;
        site.latitude = 39.92L;
        ChangeFlags flags = 0;
        char description[SiteDescriptionCapacity];
        recalculateAll(cp936FromUtf8(u8"北京").c_str(), site, table, flags, description);
        survey =
            surveyField(table, site, description, "2026-12-09", decimalYearOf({2026, 12, 9}), 0);
    }
};

void installSheetGathered(benchmark::State& state) {
    const CurrentListAtBeijing beijing;
    for (auto _ : state)
        benchmark::DoNotOptimize(buildInstallSheet(beijing.table, beijing.survey, beijing.request));
}
BENCHMARK(installSheetGathered)->Unit(benchmark::kMillisecond);

void installSheetWritten(benchmark::State& state) {
    const CurrentListAtBeijing beijing;
    const InstallSheet sheet = buildInstallSheet(beijing.table, beijing.survey, beijing.request);
    for (auto _ : state) benchmark::DoNotOptimize(installSheetHtml(sheet));
}
BENCHMARK(installSheetWritten)->Unit(benchmark::kMillisecond);

}  // namespace
