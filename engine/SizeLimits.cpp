#include "engine/SizeLimits.h"

#include <algorithm>
#include <optional>

#include "engine/BasicSize.h"
#include "engine/Deviations.h"
#include "engine/FitOutcome.h"

namespace brimsel {

int DeviationDecimals(std::int64_t upper, std::int64_t lower) {
    return std::max(DecimalsNeeded(upper, kFitLimitDecimals),
                    DecimalsNeeded(lower, kFitLimitDecimals));
}

SizeLimits ComputeSizeLimits(const ExactDecimal& basicSize, std::int64_t upper,
                             std::int64_t lower) {
    SizeLimits limits;
    limits.Decimals = std::max(basicSize.Decimals, DeviationDecimals(upper, lower));
    limits.LargestUnits = basicSize.Units + upper;
    limits.SmallestUnits = basicSize.Units + lower;
    limits.Largest = ExactDecimalText(limits.LargestUnits, limits.Decimals);
    limits.Smallest = ExactDecimalText(limits.SmallestUnits, limits.Decimals);
    limits.Ok = true;
    return limits;
}

SizeLimits ComputeSizeLimits(float basicSize, const ZoneDeviations& zone) {
    if (!zone.Ok()) return {};
    return ComputeSizeLimits(ExactBasicSize(basicSize), zone.UpperUnits, zone.LowerUnits);
}

SizeCheck CheckMeasuredSize(const SizeLimits& limits, std::string_view measured) {
    SizeCheck check;
    const std::optional<ExactDecimal> size = ReadExactDecimal(measured);
    if (!limits.Ok || !size) return check;
    const std::int64_t toLargest = limits.LargestUnits - size->Units;
    const std::int64_t toSmallest = size->Units - limits.SmallestUnits;
    check.NearerIsLargest = toLargest < toSmallest;
    const std::int64_t distance = std::min(toLargest, toSmallest);
    check.Inside = distance >= 0;
    check.Distance = ExactDecimalText(distance, std::max(limits.Decimals, size->Decimals));
    check.Ok = true;
    return check;
}

}  // namespace brimsel
