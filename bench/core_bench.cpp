// Cost of the number rules and the calculations per call, on typical workshop entries.
#include "core/lens.h"

#include <benchmark/benchmark.h>

#include <functional>
#include <utility>

int main(int argc, char** argv)
{
    // Values pass through DoNotOptimize so that the compiler cannot fold the calls away.
    double curve = 12.170731707317073;
    double shown = 12.17;  // the calculations show values already rounded to hundredths
    double negative = -13.52;
    const std::pair<const char*, std::function<void()>> operations[] = {
        {"isNumericText", [] { benchmark::DoNotOptimize(lens::isNumericText(" -4.25 ")); }},
        {"strictNumber", [] { benchmark::DoNotOptimize(lens::strictNumber(" -4.25 ")); }},
        {"leadingNumber", [] { benchmark::DoNotOptimize(lens::leadingNumber("52.5mm")); }},
        {"roundTo2",
         [&] {
             benchmark::DoNotOptimize(curve);
             benchmark::DoNotOptimize(lens::roundTo2(curve));
         }},
        {"numberText",
         [&] {
             benchmark::DoNotOptimize(shown);
             benchmark::DoNotOptimize(lens::numberText(shown));
         }},
        {"wholeNumberText",
         [&] {
             benchmark::DoNotOptimize(negative);
             benchmark::DoNotOptimize(lens::wholeNumberText(negative));
         }},
        {"computeSurfaceCurve", [] { benchmark::DoNotOptimize(lens::computeSurfaceCurve("5")); }},
        {"computeMouldCurves",
         [] { benchmark::DoNotOptimize(lens::computeMouldCurves(true, lens::LensMaterial::Cr39, "-2", "-1", "6")); }},
        {"computeGlassDiameter", [] { benchmark::DoNotOptimize(lens::computeGlassDiameter("62", "52", "18", "56")); }},
        {"checkEntry", [] { benchmark::DoNotOptimize(lens::checkEntry(lens::EntryField::Ed, "", "52")); }},
    };
    for (const auto& [name, operation] : operations) {
        benchmark::RegisterBenchmark(name, [&operation](benchmark::State& state) {
            for (auto _ : state) operation();
        });
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
}
