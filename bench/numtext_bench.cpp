// NumberToText and TextToNumber beside the C library doing the nearest job.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "numtext/numtext.h"

namespace {

// Angles and coordinates as the program formats them.
const long double Values[] = {116.41L, -39.92L,  42.4527L, 16.7913L,  -12.8049L, 0.0052L,
                              180.0L,  359.999L, 77.1106L, -54.9312L, 5.5087L,   121.48L};
const char* const Texts[] = {"116.41", "-39.92", "42.45", "16.79",  "-12.80", "0.005",
                             "180.00", "360.00", "77.11", "-54.93", "5.51",   "121.48"};
constexpr std::size_t Count = sizeof Values / sizeof Values[0];

void numberToText(benchmark::State& state) {
    char buffer[32];
    std::size_t k = 0;
    for (auto _ : state) {
        NumberToText(Values[k], buffer, 0, 2);
        benchmark::DoNotOptimize(buffer);
        k = (k + 1) % Count;
    }
}
BENCHMARK(numberToText);

void snprintfTwoDecimals(benchmark::State& state) {
    char buffer[32];
    std::size_t k = 0;
    for (auto _ : state) {
        std::snprintf(buffer, sizeof buffer, "%.2Lf", Values[k]);
        benchmark::DoNotOptimize(buffer);
        k = (k + 1) % Count;
    }
}
BENCHMARK(snprintfTwoDecimals);

// Both conversions get a fresh copy: TextToNumber edits its text in place.
void textToNumber(benchmark::State& state) {
    char buffer[32];
    long double value;
    std::size_t k = 0;
    for (auto _ : state) {
        std::strcpy(buffer, Texts[k]);
        benchmark::DoNotOptimize(TextToNumber(buffer, &value));
        benchmark::DoNotOptimize(value);
        k = (k + 1) % Count;
    }
}
BENCHMARK(textToNumber);

void strtoldBaseline(benchmark::State& state) {
    char buffer[32];
    std::size_t k = 0;
    for (auto _ : state) {
        std::strcpy(buffer, Texts[k]);
        char* end;
        long double value = std::strtold(buffer, &end);
        benchmark::DoNotOptimize(value);
        benchmark::DoNotOptimize(end);
        k = (k + 1) % Count;
    }
}
BENCHMARK(strtoldBaseline);

}  // namespace
