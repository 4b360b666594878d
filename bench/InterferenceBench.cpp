// The interference calculation with its selection, measured in process against
// the fit finder alone asked the same (the floor): the calculation's own part
// is the difference. BM_FitH7g6 (EngineBench.cpp) is the single fit beside them.
#include <benchmark/benchmark.h>

#include "BatchInput.h"
#include "fits/FitFinder.h"
#include "interference/Interference.h"
#include "interference/Selection.h"

namespace brimsel::bench {
namespace {

using namespace interference;

// 200 N·m through a steel hub of 117 mm on a solid 34.5 mm steel shaft, pressed.
InterferenceInput Example() {
    InterferenceInput in;
    in.Torque = 200.0;
    in.Diameter = 34.5;
    in.Length = 21.0;
    in.HubOutside = 117.0;
    in.Hub.E = 220000.0;
    in.Hub.Nu = 0.3;
    in.Hub.Strength = 400.0;
    in.Hub.Ra = 0.8;
    in.Hub.HeatingAlpha = 11e-6;
    in.Shaft = in.Hub;
    in.Shaft.CoolingAlpha = -8.5e-6;
    in.Friction = 0.11;
    return in;
}

// The requirement, the qualifying fits of the scope and the check of the first.
void BM_InterferenceSelection(benchmark::State& state, fits::FitScope scope) {
    const ToleranceData& tables = TablesBesideProgram();
    const InterferenceInput input = Example();
    std::size_t considered = 0;
    for (auto _ : state) {
        const Requirement requirement = ComputeRequirement(input);
        Selection selection =
            SelectFits(tables, requirement, {"34.5", "", "", scope, std::nullopt, 0});
        const std::vector<fits::FoundFit>& found = selection.Search.Fits;
        FitCheck check =
            CheckFit(input, requirement,
                     found.empty() ? ExactFitLimits{} : ExactFitLimits{found[0].Max, found[0].Min});
        considered = selection.Search.Considered;
        benchmark::DoNotOptimize(selection);
        benchmark::DoNotOptimize(check);
    }
    state.counters["fits"] = static_cast<double>(considered);
}
BENCHMARK_CAPTURE(BM_InterferenceSelection, catalogue, fits::FitScope::Catalogue)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_InterferenceSelection, all, fits::FitScope::All)
    ->Unit(benchmark::kMillisecond);

// The floor: the finder alone, asked for the bounds the calculation gives.
void BM_InterferenceFloor(benchmark::State& state, fits::FitScope scope) {
    const ToleranceData& tables = TablesBesideProgram();
    const fits::FitRequest request{"34.5", "-0.0687007", "-0.0210272", scope, std::nullopt, 0};
    for (auto _ : state) {
        fits::FitSearch found = fits::FindFits(tables, request);
        benchmark::DoNotOptimize(found);
    }
}
BENCHMARK_CAPTURE(BM_InterferenceFloor, catalogue, fits::FitScope::Catalogue)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_InterferenceFloor, all, fits::FitScope::All)->Unit(benchmark::kMillisecond);

// The calculation alone: the requirement and one check.
void BM_InterferenceCalculation(benchmark::State& state) {
    const InterferenceInput input = Example();
    const ExactFitLimits h7s6{-180'000, -590'000};
    for (auto _ : state) {
        const Requirement requirement = ComputeRequirement(input);
        FitCheck check = CheckFit(input, requirement, h7s6);
        benchmark::DoNotOptimize(check);
    }
}
BENCHMARK(BM_InterferenceCalculation);

}  // namespace
}  // namespace brimsel::bench
