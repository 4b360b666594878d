#include "engine/SizeLimits.h"

#include <algorithm>
#include <optional>

#include "engine/ExactDecimal.h"

namespace brimsel {

SizeLimits ComputeSizeLimits(std::string_view basicSize, std::string_view upperDeviation,
                             std::string_view lowerDeviation) {
    SizeLimits limits;
    const std::optional<ExactDecimal> size = ReadExactDecimal(basicSize);
    const std::optional<ExactDecimal> upper = ReadExactDecimal(upperDeviation);
    const std::optional<ExactDecimal> lower = ReadExactDecimal(lowerDeviation);
    if (!size || !upper || !lower) return limits;
    const int decimals = std::max({size->Decimals, upper->Decimals, lower->Decimals});
    limits.Largest = ExactDecimalText(size->Units + upper->Units, decimals);
    limits.Smallest = ExactDecimalText(size->Units + lower->Units, decimals);
    limits.Ok = true;
    return limits;
}

SizeCheck CheckMeasuredSize(const SizeLimits& limits, std::string_view measured) {
    SizeCheck check;
    const std::optional<ExactDecimal> largest = ReadExactDecimal(limits.Largest);
    const std::optional<ExactDecimal> smallest = ReadExactDecimal(limits.Smallest);
    const std::optional<ExactDecimal> size = ReadExactDecimal(measured);
    if (!limits.Ok || !largest || !smallest || !size) return check;
    const std::int64_t toLargest = largest->Units - size->Units;
    const std::int64_t toSmallest = size->Units - smallest->Units;
    check.NearerIsLargest = toLargest < toSmallest;
    const std::int64_t distance = std::min(toLargest, toSmallest);
    check.Inside = distance >= 0;
    const int decimals = std::max({largest->Decimals, smallest->Decimals, size->Decimals});
    check.Distance = ExactDecimalText(distance, decimals);
    check.Ok = true;
    return check;
}

}  // namespace brimsel
