// Reader, density and details throughput. strtold runs on the same texts in the same
// process, so the ratio to it is the figure that travels between machines.
#include <benchmark/benchmark.h>

#include <cstdlib>

#include "core/decimal_reader.h"
#include "core/density.h"
#include "core/display_details.h"

namespace {

const char* const kShort = "21.5";
const char* const kLong = "  -123456789012345678.123456789012345678e-4890";

void ReadDecimalShort(benchmark::State& state)
{
    Extended value;
    for (auto _ : state) {
        benchmark::DoNotOptimize(ReadDecimal(kShort, &value, kReadDecimalStore));
        benchmark::DoNotOptimize(value);
    }
}

void ReadDecimalLong(benchmark::State& state)
{
    Extended value;
    for (auto _ : state) {
        benchmark::DoNotOptimize(ReadDecimal(kLong, &value, kReadDecimalStore));
        benchmark::DoNotOptimize(value);
    }
}

void StrtoldShort(benchmark::State& state)
{
    for (auto _ : state) benchmark::DoNotOptimize(std::strtold(kShort, nullptr));
}

void StrtoldLong(benchmark::State& state)
{
    for (auto _ : state) benchmark::DoNotOptimize(std::strtold(kLong, nullptr));
}

void CalculateDensityDefault(benchmark::State& state)
{
    for (auto _ : state) benchmark::DoNotOptimize(CalculateDensity(1920, 1080, kShort));
}

// Everything quorvel-cli --details computes, to hold against the density alone.
void CalculateDetailsDefault(benchmark::State& state)
{
    for (auto _ : state) benchmark::DoNotOptimize(CalculateDetails(1920, 1080, kShort));
}

}  // namespace

BENCHMARK(ReadDecimalShort);
BENCHMARK(StrtoldShort);
BENCHMARK(ReadDecimalLong);
BENCHMARK(StrtoldLong);
BENCHMARK(CalculateDensityDefault);
BENCHMARK(CalculateDetailsDefault);
