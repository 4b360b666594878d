// Limits of size and the check of a measured size against them, on the
// decimal digits of the texts, never in floating point.
#pragma once

#include <string>
#include <string_view>

namespace brimsel {

struct SizeLimits {
    bool Ok = false;       // every text was read
    std::string Largest;   // basic size + upper deviation ("100.035")
    std::string Smallest;  // basic size + lower deviation ("100.000")
};

// The basic size text ("12.5") plus the deviation captions ("+0.035", " 0",
// "-0.0045"), with as many decimals as the most precise of the three texts.
SizeLimits ComputeSizeLimits(std::string_view basicSize, std::string_view upperDeviation,
                             std::string_view lowerDeviation);

struct SizeCheck {
    bool Ok = false;      // the limits and the measured size were read
    bool Inside = false;  // smallest <= measured <= largest: the limits belong to the zone
    // The distance to the nearer limit, positive inside and negative outside,
    // with the decimals of the most precise of the three texts ("0.015", "-0.002").
    std::string Distance;
    bool NearerIsLargest = false;
};

// A measured size, a plain decimal text of at most 7 decimals, against limits
// of size as ComputeSizeLimits writes them.
SizeCheck CheckMeasuredSize(const SizeLimits& limits, std::string_view measured);

}  // namespace brimsel
