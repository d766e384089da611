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
constexpr std::size_t BufferSize = 32;

// One sample an iteration, in turn: step(k) for k = 0, 1, ..., Count - 1, 0, ...
template <class Step>
void eachSample(benchmark::State& state, Step step) {
    std::size_t k = 0;
    for (auto _ : state) {
        step(k);
        k = (k + 1) % Count;
    }
}

// Writing Values[k] into a buffer by write(value, buffer).
template <class Write>
void writeEach(benchmark::State& state, Write write) {
    char buffer[BufferSize];
    eachSample(state, [&](std::size_t k) {
        write(Values[k], buffer);
        benchmark::DoNotOptimize(buffer);
    });
}

// Reading Texts[k] by read(buffer), from a fresh copy: TextToNumber edits
// its text in place.
template <class Read>
void readEach(benchmark::State& state, Read read) {
    char buffer[BufferSize];
    eachSample(state, [&](std::size_t k) {
        std::strcpy(buffer, Texts[k]);
        read(buffer);
    });
}

void numberToText(benchmark::State& state) {
    writeEach(state, [](long double value, char* buffer) { NumberToText(value, buffer, 0, 2); });
}
BENCHMARK(numberToText);

void snprintfTwoDecimals(benchmark::State& state) {
    writeEach(state, [](long double value, char* buffer) {
        std::snprintf(buffer, BufferSize, "%.2Lf", value);
    });
}
BENCHMARK(snprintfTwoDecimals);

void textToNumber(benchmark::State& state) {
    readEach(state, [](char* buffer) {
        long double value;
        benchmark::DoNotOptimize(TextToNumber(buffer, &value));
        benchmark::DoNotOptimize(value);
    });
}
BENCHMARK(textToNumber);

void strtoldBaseline(benchmark::State& state) {
    readEach(state, [](char* buffer) {
        char* end;
        long double value = std::strtold(buffer, &end);
        benchmark::DoNotOptimize(value);
        benchmark::DoNotOptimize(end);
    });
}
BENCHMARK(strtoldBaseline);

}  // namespace
