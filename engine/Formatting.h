// The text form of deviations and limits of fit: explicit sign, fixed decimals.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace brimsel {

// Number of characters after the first "." of a text; 0 when there is none.
std::int16_t CountDecimals(std::string_view text);

// "+" before positive values, "-" before negative ones, " 0" for zero; the
// value is rounded (half away from zero, on its plain decimal text) and padded
// to exactly `decimals` digits after the point.
std::string FormatDeviation(float value, int decimals);

// FormatDeviation on a value already written with SingleText, for callers
// that need each text more than once (every deviation caption).
std::string FormatDeviationText(std::string_view plain, int decimals);
// 3 when the plain texts (SingleText) of both values need at most 3 decimals, else 4.
int DecimalsForPairTexts(std::string_view first, std::string_view second);

}  // namespace brimsel
