#include "engine/StandardTolerance.h"

#include "engine/NumberText.h"

namespace brimsel {

namespace {

// Columns 1..20 hold the grades; column 0 is the size limit and must never be
// read as a tolerance, whatever grade text leads to it.
constexpr double kFirstGradeColumn = 1.0;
// Columns whose delta is defined: IT3 (5) to IT8 (10).
constexpr int kFirstDeltaColumn = 5;
constexpr int kLastDeltaColumn = 10;

}  // namespace

ToleranceLookup LookUpStandardTolerance(std::string_view grade, float basicSize,
                                        const Table& standardTolerances) {
    ToleranceLookup result;
    result.Grade = std::string(grade);

    const double v = ReadLeadingNumber(grade);
    if (grade.empty() || v > 20.0) return result;

    // Kept in double until it is known to be a column: "-1e400"-like texts
    // give infinities, and a huge value must not be converted to an integer.
    const double k = grade == "01" ? 1.0 : RoundHalfEven(v + 2.0);

    result.BarPlaced = true;

    if (!(k >= kFirstGradeColumn && k < static_cast<double>(standardTolerances.Columns))) {
        return result;
    }
    const auto column = static_cast<std::int32_t>(k);

    const Table& t = standardTolerances;
    if (!t.HasAllElements()) return result;
    for (std::int32_t row = 0; row < t.Rows; ++row) {
        if (!(t(0, row) >= basicSize)) continue;
        result.Tolerance = t(column, row);
        result.RangeLow = row > 0 ? t(0, row - 1) : 0.0f;
        result.RangeHigh = t(0, row);
        if (column >= kFirstDeltaColumn && column <= kLastDeltaColumn) {
            result.Delta = t(column, row) - t(column - 1, row);
        }
        break;
    }

    result.Grade = IntegerText(column - 2);
    result.Failed = false;
    return result;
}

}  // namespace brimsel
