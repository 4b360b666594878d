#include "interference/Selection.h"

#include <algorithm>
#include <cmath>

#include "engine/ExactDecimal.h"
#include "engine/FitOutcome.h"

namespace brimsel::interference {

namespace {

constexpr double kMicronUnits = static_cast<double>(kUnitsPerMicron);
constexpr int kShownDecimals = 4;  // 0.1 µm

}  // namespace

std::int64_t SafeFinderMin(double deltaEMax) {
    return static_cast<std::int64_t>(std::ceil(-deltaEMax * kMicronUnits));
}

std::int64_t SafeFinderMax(double deltaMin) {
    return static_cast<std::int64_t>(std::floor(-deltaMin * kMicronUnits));
}

Selection SelectFits(const ToleranceData& tables, const Requirement& requirement,
                     fits::FitRequest request) {
    Selection selection;
    if (!requirement.Ok()) return selection;
    selection.Min = ExactDecimalText(SafeFinderMin(requirement.DeltaEMax), kExactDecimals);
    selection.Max = ExactDecimalText(SafeFinderMax(requirement.DeltaMin), kExactDecimals);
    request.Min = selection.Min;
    request.Max = selection.Max;
    selection.Search = fits::FindFits(tables, request);
    // The bounds are engineering values: the fits are written with the
    // digits their limits need, at least to 0.1 µm, and not with the seven
    // decimals the bounds were compared with.
    for (auto* list : {&selection.Search.Fits, &selection.Search.NearMisses}) {
        for (fits::FoundFit& fit : *list) {
            fit.Decimals = std::max(DecimalsNeeded(fit.Max, kShownDecimals),
                                    DecimalsNeeded(fit.Min, kShownDecimals));
        }
    }
    return selection;
}

}  // namespace brimsel::interference
