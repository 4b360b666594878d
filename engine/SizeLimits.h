// Limits of size and the check of a measured size against them, on the exact
// basic size and the exact deviations, never in floating point and never on
// the rounded deviation captions.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/ExactDecimal.h"

namespace brimsel {

struct ZoneDeviations;

struct SizeLimits {
    bool Ok = false;
    std::int64_t LargestUnits = 0;   // basic size + upper deviation, ten-millionths of a mm
    std::int64_t SmallestUnits = 0;  // basic size + lower deviation
    int Decimals = 0;
    std::string Largest;   // "100.035", "2.00015"
    std::string Smallest;  // "100.000", "1.99985"
};

// The decimals a zone's pair of deviations is written with outside its
// captions (callouts, copied text): three at least, more as either exact value
// needs; the same as the captions' own wherever they hold the exact value.
int DeviationDecimals(std::int64_t upper, std::int64_t lower);

// The basic size plus each exact deviation, written with the decimals of the
// size's text or of the deviations, whichever are more.
SizeLimits ComputeSizeLimits(const ExactDecimal& basicSize, std::int64_t upper, std::int64_t lower);
// For a computed zone (ErrorCode 0) at a size held in single precision, whose
// text the basic-size reader made sure is the size typed.
SizeLimits ComputeSizeLimits(float basicSize, const ZoneDeviations& zone);

struct SizeCheck {
    bool Ok = false;      // the limits and the measured size were read
    bool Inside = false;  // smallest <= measured <= largest: the limits belong to the zone
    // The distance to the nearer limit, positive inside and negative outside,
    // with the decimals of the limits or of the measured size, whichever are more
    // ("0.015", "-0.002").
    std::string Distance;
    bool NearerIsLargest = false;
};

// A measured size, a plain decimal text of at most 7 decimals, against limits
// of size as ComputeSizeLimits computes them.
SizeCheck CheckMeasuredSize(const SizeLimits& limits, std::string_view measured);

}  // namespace brimsel
