// Limits of fit and the kind of fit, from the four limit deviations.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace brimsel {

struct FitLimits {
    float Xmax = 0.0f;    // ES - ei, mm
    float Xmin = 0.0f;    // EI - es, mm
    int Decimals = 3;     // 4 when either upper-deviation caption has more than 3 decimals
    std::string TextMax;  // FormatDeviation(Xmax, Decimals)
    std::string TextMin;
    double ValueMax = 0.0;  // TextMax read back: a difference shown as zero counts as zero
    double ValueMin = 0.0;
    int FirstLimitString = 0;   // 19 (largest clearance) or 22 (smallest interference)
    int SecondLimitString = 0;  // 20 (smallest clearance) or 21 (largest interference)
    int KindString = 0;         // 11 clearance, 12 transition, 13 interference
};

FitLimits ComputeFitLimits(float holeUpper, float holeLower, float shaftUpper, float shaftLower,
                           std::string_view holeUpperCaption, std::string_view shaftUpperCaption);

// Right end of the fraction bar, twips: 2070 when any deviation caption is
// longer than 6 characters, else 1995.
std::int16_t FractionBarRightEnd(std::string_view holeUpper, std::string_view holeLower,
                                 std::string_view shaftUpper, std::string_view shaftLower);

}  // namespace brimsel
