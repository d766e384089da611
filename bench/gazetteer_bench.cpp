#include <benchmark/benchmark.h>

#include "data/gazetteer.h"

namespace {

// A name is looked up on every keystroke in the city box: a plain scan.
void lookUp(benchmark::State& state, const char* name) {
    long double longitude = 0, latitude = 0;
    for (auto _ : state) {
        int found = lookupPlace(name, &longitude, &latitude);
        benchmark::DoNotOptimize(found);
        benchmark::DoNotOptimize(longitude);
        benchmark::DoNotOptimize(latitude);
    }
}

// 黟县, the last entry: the whole table is scanned before it matches.
BENCHMARK_CAPTURE(lookUp, FoundLast, "\xF7\xF0\xCF\xD8");
// 北京, entry 101.
BENCHMARK_CAPTURE(lookUp, FoundEarly, "\xB1\xB1\xBE\xA9");
// 东乡 stands only with a province: four bytes, scanned to the end byte.
BENCHMARK_CAPTURE(lookUp, NotFound, "\xB6\xAB\xCF\xE7");
// 京, two bytes: refused before the scan.
BENCHMARK_CAPTURE(lookUp, RefusedLength, "\xBE\xA9");

void walkNames(benchmark::State& state) {
    for (auto _ : state) {
        GazetteerCursor cursor;
        char name[PlaceNameCapacity];
        int count = 0;
        while (nextPlaceName(cursor, name)) ++count;
        benchmark::DoNotOptimize(count);
    }
}
BENCHMARK(walkNames);

}  // namespace
