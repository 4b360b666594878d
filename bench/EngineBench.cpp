// Costs of one query and of a whole batch, measured in process.
#include <benchmark/benchmark.h>

#include <sstream>

#include "BatchInput.h"
#include "cli/CommandLine.h"
#include "engine/Deviations.h"
#include "engine/FitOutcome.h"
#include "fits/Catalogue.h"
#include "fits/FitFinder.h"

namespace brimsel::bench {
namespace {

ZoneQuery Zone(std::string_view letters, std::string_view grade, float size) {
    return ZoneQuery{
        .Letters = letters, .Grade = grade, .BasicSize = size, .CustomBasis = true, .ZoneText = {}};
}

using ZoneEvaluator = ZoneDeviations (*)(const ToleranceData&, const ZoneQuery&);

// The lookup, the deviations and both captions of one zone; K7 also takes
// the delta path.
void BM_Zone(benchmark::State& state, ZoneEvaluator evaluate, std::string_view letters,
             std::string_view grade, float size) {
    const ToleranceData& tables = TablesBesideProgram();
    const ZoneQuery query = Zone(letters, grade, size);
    for (auto _ : state) {
        ZoneDeviations result = evaluate(tables, query);
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK_CAPTURE(BM_Zone, hole_H7_100, EvaluateHoleZone, "H", "7", 100.0f);
BENCHMARK_CAPTURE(BM_Zone, hole_K7_100, EvaluateHoleZone, "K", "7", 100.0f);
BENCHMARK_CAPTURE(BM_Zone, shaft_g6_100, EvaluateShaftZone, "g", "6", 100.0f);
// A zone the standard leaves undefined at this size: the failure path.
BENCHMARK_CAPTURE(BM_Zone, shaft_zc11_2500, EvaluateShaftZone, "zc", "11", 2500.0f);

// Both zones and the limits of fit, as one fit query of the window computes them.
void BM_FitH7g6(benchmark::State& state) {
    const ToleranceData& tables = TablesBesideProgram();
    const ZoneQuery hole = Zone("H", "7", 100.0f);
    const ZoneQuery shaft = Zone("g", "6", 100.0f);
    for (auto _ : state) {
        const ZoneDeviations h = EvaluateHoleZone(tables, hole);
        const ZoneDeviations s = EvaluateShaftZone(tables, shaft);
        FitOutcome outcome = ComputeFitOutcome(h, s);
        benchmark::DoNotOptimize(outcome);
    }
}
BENCHMARK(BM_FitH7g6);

// One search of the fit finder at 40 mm for 10..50 um of clearance: the
// catalogue alone, and every H/any and any/h fit of the standard. The fit
// above (BM_FitH7g6) is the floor: a search costs about as much as that many
// single fits.
void BM_FindFits(benchmark::State& state, fits::FitScope scope, Edition edition) {
    const ToleranceData& tables = TablesBesideProgram();
    const fits::FitRequest request{"40", "0.010", "0.050", scope, std::nullopt, 0, edition};
    std::size_t considered = 0;
    for (auto _ : state) {
        fits::FitSearch found = fits::FindFits(tables, request);
        considered = found.Considered;
        benchmark::DoNotOptimize(found);
    }
    state.counters["fits"] = static_cast<double>(considered);
}
BENCHMARK_CAPTURE(BM_FindFits, catalogue, fits::FitScope::Catalogue, Edition::Gb1998)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_FindFits, all, fits::FitScope::All, Edition::Gb1998)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_FindFits, catalogue_2020, fits::FitScope::Catalogue, Edition::Gb2020)
    ->Unit(benchmark::kMicrosecond);

// The lists the window fills for hole basis and clearance: the base zones
// and the mates of H7. The 2020 lists compute each fit's kind at the size.
void BM_Lists(benchmark::State& state, Edition edition) {
    const ToleranceData& tables = TablesBesideProgram();
    for (auto _ : state) {
        fits::ZoneList bases = fits::BaseZones(tables, edition, 0, 0, 40.0f);
        fits::ZoneList mates = fits::ListHoleBasisGroup(tables, edition, "0H7", 40.0f);
        benchmark::DoNotOptimize(bases);
        benchmark::DoNotOptimize(mates);
    }
}
BENCHMARK_CAPTURE(BM_Lists, 1998, Edition::Gb1998)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Lists, 2020, Edition::Gb2020)->Unit(benchmark::kMicrosecond);

// One fit query of the command: size and zone texts in, three CSV rows out.
void BM_CommandFitRow(benchmark::State& state) {
    const ToleranceData& tables = TablesBesideProgram();
    std::string out;
    for (auto _ : state) {
        out.clear();
        cli::AppendCsvRows(out, cli::EvaluateQuery(tables, "100", "H7/g6"), Language::Chinese);
        benchmark::DoNotOptimize(out.data());
    }
}
BENCHMARK(BM_CommandFitRow);

// The whole batch table in process, without starting a program.
void BM_BatchAllZones(benchmark::State& state) {
    const ToleranceData& tables = TablesBesideProgram();
    const std::string input = AllZonesInput(tables);
    std::int64_t rows = 0;
    for (const char c : input) rows += c == '\n';
    for (auto _ : state) {
        std::istringstream in(input);
        std::ostringstream out;
        benchmark::DoNotOptimize(cli::RunBatch(tables, in, out, Language::Chinese));
    }
    state.SetItemsProcessed(state.iterations() * rows);
    state.counters["queries"] = static_cast<double>(rows);
}
BENCHMARK(BM_BatchAllZones)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace brimsel::bench
