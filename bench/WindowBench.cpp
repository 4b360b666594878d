// One basic-size change with its whole chain in the real window, offscreen:
// list rebuild, both computations, the limits of fit and the diagram painted
// into the surface's image.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <array>
#include <cstdlib>

#include "datafile/StandardTables.h"
#include "ui/Controls.h"
#include "ui/FitFinderDialog.h"
#include "ui/Form1.h"
#include "ui/InterferenceDialog.h"

namespace {

// The window started on the standard's tables; false (and the benchmark
// skipped) when the start-up failed.
bool Start(brimsel::ui::Form1& form, benchmark::State& state) {
    form.ReadToleranceData = [] {
        return brimsel::DataFileResult{brimsel::BuildStandardTables(), {}};
    };
    if (form.Form1_Load()) return true;
    state.SkipWithError("start-up failed");
    return false;
}

void ChangeBasicSize(benchmark::State& state, std::int16_t basis) {
    brimsel::ui::Form1 form;
    if (!Start(form, state)) return;
    form.OptionJZ[static_cast<std::size_t>(basis)]->click();
    // Alternate between sizes in different ranges so that every change is a real one.
    const std::array<QString, 4> sizes{QStringLiteral("100"), QStringLiteral("25"),
                                       QStringLiteral("630"), QStringLiteral("7.5")};
    std::size_t i = 0;
    for (auto _ : state) {
        brimsel::ui::WriteText(*form.Text1, sizes[i++ % sizes.size()]);
        benchmark::DoNotOptimize(form.Query.HoleUpperDev);
    }
    if (!form.Query.HoleOk || !form.Query.ShaftOk) state.SkipWithError("no fit shown");
}

void BM_SizeChangeHoleBasis(benchmark::State& state) { ChangeBasicSize(state, 0); }
void BM_SizeChangeShaftBasis(benchmark::State& state) { ChangeBasicSize(state, 1); }
void BM_SizeChangeCustom(benchmark::State& state) { ChangeBasicSize(state, 2); }
BENCHMARK(BM_SizeChangeHoleBasis)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SizeChangeShaftBasis)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SizeChangeCustom)->Unit(benchmark::kMicrosecond);

// One keystroke in the fit finder's largest-clearance box: the search, the
// list rebuilt (at most kFinderRows rows) and the dialog painted. The size
// change above is the floor: what the window itself does for one keystroke.
void Keystroke(benchmark::State& state, int scope) {
    brimsel::ui::Form1 form;
    if (!Start(form, state)) return;
    form.OpenFitFinder();
    brimsel::ui::FitFinderDialog& finder = *form.FitFinder;
    finder.ScopeList->setCurrentIndex(scope);
    finder.MinBox->setText(QStringLiteral("0.005"));
    // "0.06" and "0.069" in turn, as the last digit is typed and erased.
    const std::array<QString, 2> texts{QStringLiteral("0.06"), QStringLiteral("0.069")};
    std::size_t i = 0;
    for (auto _ : state) {
        finder.MaxBox->setText(texts[i++ % texts.size()]);
        finder.repaint();
        benchmark::DoNotOptimize(finder.Fits->topLevelItemCount());
    }
    state.counters["rows"] = finder.Fits->topLevelItemCount();
}
void BM_FinderKeystrokeCatalogue(benchmark::State& state) { Keystroke(state, 0); }
void BM_FinderKeystrokeAll(benchmark::State& state) { Keystroke(state, 1); }
BENCHMARK(BM_FinderKeystrokeCatalogue)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FinderKeystrokeAll)->Unit(benchmark::kMicrosecond);

// One keystroke in the interference dialog, the published example typed in:
// the requirement, the selection over the scope, the list, the check and the
// dialog painted. The floor, measured in the same run, is a keystroke in the
// main window's size box with its whole chain (as BM_SizeChange*); the
// counters give both in milliseconds and their ratio.
void InterferenceKeystroke(benchmark::State& state, bool all) {
    brimsel::ui::Form1 form;
    if (!Start(form, state)) return;
    brimsel::ui::WriteText(*form.Text1, QStringLiteral("34.5"));
    form.OpenInterference();
    brimsel::ui::InterferenceDialog& dialog = *form.Interference;
    for (auto [box, text] : {std::pair{dialog.TorqueBox, "200"},
                             {dialog.LengthBox, "21"},
                             {dialog.HubOutsideBox, "117"},
                             {dialog.FrictionBox, "0.11"},
                             {dialog.Hub.Strength, "400"},
                             {dialog.Shaft.Strength, "400"},
                             {dialog.Hub.Roughness, "0.8"},
                             {dialog.Shaft.Roughness, "0.8"}}) {
        box->setText(QString::fromLatin1(text));
    }
    dialog.AllFits->setChecked(all);
    constexpr int kFloorKeystrokes = 200;
    const std::array<QString, 2> sizes{QStringLiteral("34"), QStringLiteral("34.5")};
    QElapsedTimer clock;
    clock.start();
    for (int k = 0; k < kFloorKeystrokes; ++k) {
        brimsel::ui::WriteText(*form.Text1, sizes[static_cast<std::size_t>(k) % sizes.size()]);
        form.repaint();
    }
    const double floorMs = static_cast<double>(clock.nsecsElapsed()) / 1e6 / kFloorKeystrokes;
    // "200" and "2000" in turn, as the last digit is typed and erased.
    const std::array<QString, 2> texts{QStringLiteral("200"), QStringLiteral("2000")};
    std::size_t i = 0;
    std::int64_t spent = 0;
    for (auto _ : state) {
        clock.restart();
        dialog.TorqueBox->setText(texts[i++ % texts.size()]);
        dialog.repaint();
        spent += clock.nsecsElapsed();
        benchmark::DoNotOptimize(dialog.Fits->topLevelItemCount());
    }
    const double keystrokeMs = static_cast<double>(spent) / 1e6 / static_cast<double>(i);
    state.counters["keystroke_ms"] = keystrokeMs;
    state.counters["floor_ms"] = floorMs;
    state.counters["ratio"] = keystrokeMs / floorMs;
}
void BM_InterferenceKeystrokeCatalogue(benchmark::State& state) {
    InterferenceKeystroke(state, false);
}
void BM_InterferenceKeystrokeAll(benchmark::State& state) { InterferenceKeystroke(state, true); }
BENCHMARK(BM_InterferenceKeystrokeCatalogue)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_InterferenceKeystrokeAll)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
