// SPDX-License-Identifier: MIT
// The core's work on one keystroke, piece by piece and as a whole.
#include "catalogue.h"
#include "conversion.h"
#include "factor_text.h"
#include "lenient_number.h"
#include "result_text.h"

#include <benchmark/benchmark.h>

namespace {

void recomputeRatio(benchmark::State &state)
{
    // Length, 1234.5 from "in" to "cm": reading, ratio and result pattern.
    const auto &length = *quantora::findByButton("Lengthcmd");
    for (auto _ : state)
        benchmark::DoNotOptimize(quantora::conversionResult("1234.5", length.units[5], length.units[1]));
}
BENCHMARK(recomputeRatio);

void recomputeRatioExact(benchmark::State &state)
{
    // The same by the exact factors.
    const auto &length = *quantora::findByButton("Lengthcmd");
    for (auto _ : state)
        benchmark::DoNotOptimize(quantora::conversionResult("1234.5", length.units[5], length.units[1],
                                                            {.factors = quantora::FactorSet::Exact}));
}
BENCHMARK(recomputeRatioExact);

void recomputeTemperature(benchmark::State &state)
{
    // 98.6 from °F to °C.
    const auto &temperature = *quantora::findByButton("TemperatureCmd");
    for (auto _ : state)
        benchmark::DoNotOptimize(quantora::conversionResult("98.6", temperature.units[1], temperature.units[0]));
}
BENCHMARK(recomputeTemperature);

void lenientReading(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(quantora::readLenientNumber("1 234.5e-3"));
}
BENCHMARK(lenientReading);

void resultPattern(benchmark::State &state)
{
    double value = 0.3937007874015748;
    for (auto _ : state) {
        benchmark::DoNotOptimize(value);
        benchmark::DoNotOptimize(quantora::formatResult(value));
    }
}
BENCHMARK(resultPattern);

void factorTextRule(benchmark::State &state)
{
    double value = 1 / 0.4298;
    for (auto _ : state) {
        benchmark::DoNotOptimize(value);
        benchmark::DoNotOptimize(quantora::factorText(value));
    }
}
BENCHMARK(factorTextRule);

void catalogueLookup(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(quantora::findByButton("DynamicViscosityCmd"));
}
BENCHMARK(catalogueLookup);

} // namespace

BENCHMARK_MAIN();
