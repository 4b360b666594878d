#include "interference/Selection.h"

#include <cmath>

#include "engine/ExactDecimal.h"

namespace brimsel::interference {

namespace {

constexpr double kMicronUnits = static_cast<double>(kUnitsPerMicron);

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
    return selection;
}

}  // namespace brimsel::interference
