#include "results/FitLimits.h"

#include <initializer_list>

#include "engine/FitKind.h"
#include "engine/Formatting.h"
#include "engine/NumberText.h"

namespace brimsel {

FitLimits ComputeFitLimits(float holeUpper, float holeLower, float shaftUpper, float shaftLower,
                           std::string_view holeUpperCaption, std::string_view shaftUpperCaption) {
    FitLimits limits;
    // A zero upper deviation is captioned " 0" without a point, so it never
    // asks for the fourth decimal even when its lower deviation has one.
    limits.Decimals =
        CountDecimals(holeUpperCaption) > 3 || CountDecimals(shaftUpperCaption) > 3 ? 4 : 3;
    limits.Xmax = holeUpper - shaftLower;
    limits.Xmin = holeLower - shaftUpper;
    limits.TextMax = FormatDeviation(limits.Xmax, limits.Decimals);
    limits.TextMin = FormatDeviation(limits.Xmin, limits.Decimals);
    // The names and the kind follow what is shown, so a difference that
    // rounds to zero on screen is treated as zero.
    limits.ValueMax = ReadLeadingNumber(limits.TextMax);
    limits.ValueMin = ReadLeadingNumber(limits.TextMin);
    limits.FirstLimitString = LargestLimitString(limits.ValueMax);
    limits.SecondLimitString = SmallestLimitString(limits.ValueMin);
    limits.KindString = KindString(ClassifyFit(limits.ValueMax, limits.ValueMin));
    return limits;
}

namespace {

// Characters as the label shows them: UTF-8 continuation bytes are not counted.
std::size_t CharacterCount(std::string_view text) {
    std::size_t count = 0;
    for (const char c : text) {
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++count;
    }
    return count;
}

}  // namespace

std::int16_t FractionBarRightEnd(std::string_view holeUpper, std::string_view holeLower,
                                 std::string_view shaftUpper, std::string_view shaftLower) {
    for (const std::string_view caption : {holeUpper, holeLower, shaftUpper, shaftLower}) {
        if (CharacterCount(caption) > 6) return 2070;
    }
    return 1995;
}

}  // namespace brimsel
