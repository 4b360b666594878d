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

// 3 when the plain texts of both values need at most 3 decimals, else 4.
int DecimalsForPair(float first, float second);

}  // namespace brimsel
