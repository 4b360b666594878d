// Shared helpers of the checks of the entered tables against the standard's
// own derivation.
#pragma once

#include <cmath>
#include <cstdint>
#include <span>

#include "datafile/StandardTables.h"

namespace brimsel::table_checks {

inline const ToleranceData& Standard() {
    static const ToleranceData data = BuildStandardTables();
    return data;
}

// Geometric mean of a size range's limits, the first range taken as 1 to 3 mm.
inline double MeanSize(double above, double upTo) {
    return above == 0 ? std::sqrt(3.0) : std::sqrt(above * upTo);
}

// The standard rounds a computed value to a multiple of a step that grows
// with the value. A printed value counts as "within rounding" when it lies no
// more than one step from the computed one, whichever way the standard rounded.
inline double RoundingStep(double value) {
    const double v = std::abs(value);
    if (v < 1) return 0.1;
    if (v < 5) return 0.5;
    if (v <= 60) return 1;
    if (v <= 100) return 2;
    if (v <= 200) return 5;
    if (v <= 500) return 10;
    if (v <= 1000) return 20;
    if (v <= 2000) return 50;
    if (v <= 5000) return 100;
    if (v <= 10000) return 200;
    if (v <= 20000) return 500;
    return 1000;
}

// Row of StandardTolerances whose range holds a size.
inline std::int32_t ToleranceRow(double size) {
    const auto limits = ToleranceSizeLimits();
    for (std::size_t row = 0; row < limits.size(); ++row)
        if (limits[row] >= size) return static_cast<std::int32_t>(row);
    return -1;
}

// IT of a grade number (IT01 -1) in the tolerance range that holds a size.
inline double It(int grade, double size) {
    return Standard().StandardTolerances(grade + 2, ToleranceRow(size));
}

}  // namespace brimsel::table_checks
