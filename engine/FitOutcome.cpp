#include "engine/FitOutcome.h"

#include "engine/Deviations.h"
#include "engine/ExactDecimal.h"

namespace brimsel {

int DecimalsNeeded(std::int64_t units, int least) {
    int decimals = kExactDecimals;
    while (decimals > least && units % 10 == 0) {
        units /= 10;
        --decimals;
    }
    return decimals;
}

std::string FitLimitText(std::int64_t units, int decimals) {
    return units == 0 ? std::string(" 0") : SignedDecimalText(units, decimals);
}

FitOutcome ComputeFitOutcome(std::int64_t holeUpper, std::int64_t holeLower,
                             std::int64_t shaftUpper, std::int64_t shaftLower) {
    FitOutcome outcome;
    outcome.Largest = holeUpper - shaftLower;
    outcome.Smallest = holeLower - shaftUpper;
    outcome.LargestDecimals = DecimalsNeeded(outcome.Largest, kFitLimitDecimals);
    outcome.SmallestDecimals = DecimalsNeeded(outcome.Smallest, kFitLimitDecimals);
    outcome.LargestText = FitLimitText(outcome.Largest, outcome.LargestDecimals);
    outcome.SmallestText = FitLimitText(outcome.Smallest, outcome.SmallestDecimals);
    outcome.LargestName = NameOfLargest(outcome.Largest);
    outcome.SmallestName = NameOfSmallest(outcome.Smallest);
    outcome.Kind = ClassifyFit(outcome.Largest, outcome.Smallest);
    return outcome;
}

FitOutcome ComputeFitOutcome(const ZoneDeviations& hole, const ZoneDeviations& shaft) {
    return ComputeFitOutcome(hole.UpperUnits, hole.LowerUnits, shaft.UpperUnits, shaft.LowerUnits);
}

}  // namespace brimsel
