// The limits of a fit and its kind, computed once from the exact deviations
// of its two zones. The window, the copied result, the fit finder and
// brimsel-query all show this one outcome.
#pragma once

#include <cstdint>
#include <string>

#include "engine/FitKind.h"

namespace brimsel {

struct ZoneDeviations;

// Decimals a limit of fit is written with at least.
inline constexpr int kFitLimitDecimals = 3;

struct FitOutcome {
    std::int64_t Largest = 0;   // ES - ei, ten-millionths of a millimetre
    std::int64_t Smallest = 0;  // EI - es
    // The decimals each value needs, at least kFitLimitDecimals: the standard's
    // values need five at most (the quarter micrometres of IT01 and IT0).
    int LargestDecimals = kFitLimitDecimals;
    int SmallestDecimals = kFitLimitDecimals;
    // As shown: "+0.069", "-0.0003", " 0".
    std::string LargestText;
    std::string SmallestText;
    FitLimitName LargestName = FitLimitName::LargestClearance;
    FitLimitName SmallestName = FitLimitName::SmallestClearance;
    KindOfFit Kind = KindOfFit::Clearance;
};

FitOutcome ComputeFitOutcome(std::int64_t holeUpper, std::int64_t holeLower,
                             std::int64_t shaftUpper, std::int64_t shaftLower);
// From two computed zones (ErrorCode 0).
FitOutcome ComputeFitOutcome(const ZoneDeviations& hole, const ZoneDeviations& shaft);

// The decimals an exact value needs, at least `least`, at most 7.
int DecimalsNeeded(std::int64_t units, int least);

// A limit of fit as the window writes it: a sign before every value but 0,
// which is " 0".
std::string FitLimitText(std::int64_t units, int decimals);

}  // namespace brimsel
