// Standard tolerance (IT) and delta of a grade at a basic size.
#pragma once

#include <string>
#include <string_view>

#include "engine/ToleranceData.h"

namespace brimsel {

struct ToleranceLookup {
    // True when the grade text is not valid or the lookup failed.
    bool Failed = true;
    // True once the lookup has got as far as placing the left end of the
    // fraction bar in the result frame (it does so before reading the table).
    bool BarPlaced = false;
    // Micrometres; left at 0 when no size range holds the basic size.
    float Tolerance = 0.0f;
    // ITn - IT(n-1) for IT3 to IT8, else 0.
    float Delta = 0.0f;
    // The size range of the row read: above RangeLow up to and including
    // RangeHigh, mm; both 0 when no row was read.
    float RangeLow = 0.0f;
    float RangeHigh = 0.0f;
    // On success the grade number as text ("-1" for IT01), else the grade as given.
    std::string Grade;
};

// Grade text "01" is IT01, "0" IT0, "n" ITn; the written-back "-1" is IT01 again.
ToleranceLookup LookUpStandardTolerance(std::string_view grade, float basicSize,
                                        const Table& standardTolerances);

}  // namespace brimsel
