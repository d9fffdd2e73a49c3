// Cost of the number rules and the calculations per call, on typical workshop entries.
#include "core/lens.h"

#include <benchmark/benchmark.h>

namespace {

void isNumericText(benchmark::State& state)
{
    for (auto _ : state) benchmark::DoNotOptimize(lens::isNumericText(" -4.25 "));
}
BENCHMARK(isNumericText);

void strictNumber(benchmark::State& state)
{
    for (auto _ : state) benchmark::DoNotOptimize(lens::strictNumber(" -4.25 "));
}
BENCHMARK(strictNumber);

void leadingNumber(benchmark::State& state)
{
    for (auto _ : state) benchmark::DoNotOptimize(lens::leadingNumber("52.5mm"));
}
BENCHMARK(leadingNumber);

void roundTo2(benchmark::State& state)
{
    double x = 12.170731707317073;
    for (auto _ : state) {
        benchmark::DoNotOptimize(x);
        benchmark::DoNotOptimize(lens::roundTo2(x));
    }
}
BENCHMARK(roundTo2);

void numberText(benchmark::State& state)
{
    double x = 12.17;
    for (auto _ : state) {
        benchmark::DoNotOptimize(x);
        benchmark::DoNotOptimize(lens::numberText(x));
    }
}
BENCHMARK(numberText);

void wholeNumberText(benchmark::State& state)
{
    double x = -13.52;
    for (auto _ : state) {
        benchmark::DoNotOptimize(x);
        benchmark::DoNotOptimize(lens::wholeNumberText(x));
    }
}
BENCHMARK(wholeNumberText);

void computeSurfaceCurve(benchmark::State& state)
{
    for (auto _ : state) benchmark::DoNotOptimize(lens::computeSurfaceCurve("5"));
}
BENCHMARK(computeSurfaceCurve);

void computeMouldCurves(benchmark::State& state)
{
    for (auto _ : state) {
        benchmark::DoNotOptimize(lens::computeMouldCurves(true, lens::LensMaterial::Cr39, "-2", "-1", "6"));
    }
}
BENCHMARK(computeMouldCurves);

void computeGlassDiameter(benchmark::State& state)
{
    for (auto _ : state) benchmark::DoNotOptimize(lens::computeGlassDiameter("62", "52", "18", "56"));
}
BENCHMARK(computeGlassDiameter);

void checkEntry(benchmark::State& state)
{
    for (auto _ : state) benchmark::DoNotOptimize(lens::checkEntry(lens::EntryField::Ed, "", "52"));
}
BENCHMARK(checkEntry);

}  // namespace

BENCHMARK_MAIN();
