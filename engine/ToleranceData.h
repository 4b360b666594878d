// The tables read from the data file, the error codes of a computation and
// the limits of the basic size.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace brimsel {

// The largest basic size the standard covers, in millimetres.
inline constexpr float kLargestBasicSize = 3150.0f;

// A two-index table of single-precision values addressed as T(column, row).
// Elements are stored row after row; within a row, column 0 comes first.
struct Table {
    std::int32_t Columns = 0;
    std::int32_t Rows = 0;
    std::vector<float> Elements;

    // Holds every element its counts promise, so that any Has() cell can be read.
    bool HasAllElements() const {
        return Columns >= 0 && Rows >= 0 &&
               Elements.size() >=
                   static_cast<std::size_t>(Rows) * static_cast<std::size_t>(Columns);
    }
    bool Has(std::int64_t column, std::int64_t row) const {
        return column >= 0 && row >= 0 && column < Columns && row < Rows;
    }
    float operator()(std::int32_t column, std::int32_t row) const {
        return Elements[static_cast<std::size_t>(row) * static_cast<std::size_t>(Columns) +
                        static_cast<std::size_t>(column)];
    }
    float& operator()(std::int32_t column, std::int32_t row) {
        return Elements[static_cast<std::size_t>(row) * static_cast<std::size_t>(Columns) +
                        static_cast<std::size_t>(column)];
    }
    static Table Sized(std::int32_t columns, std::int32_t rows) {
        Table t;
        t.Columns = columns;
        t.Rows = rows;
        t.Elements.assign(static_cast<std::size_t>(columns) * static_cast<std::size_t>(rows), 0.0f);
        return t;
    }
};

// The contents of Quorbel.dat.
struct ToleranceData {
    Table DeviationKeys;          // which deviation column serves a zone's letters and grade
    Table StandardTolerances;     // IT values in micrometres by size range
    Table FundamentalDeviations;  // fundamental deviations in micrometres by size range
    std::int16_t FormatMark = 0;  // 2 for a file of this layout
};

// Hole rows of DeviationKeys are always rows 0 to 57; shaft rows follow.
inline constexpr std::int32_t kHoleKeyRows = 58;
// Marks inside FundamentalDeviations.
inline constexpr float kUndefinedMark = 5000.0f;

// Status codes of a computation: 0 computed, else why not.
namespace error_code {
inline constexpr std::int16_t kNone = 0;
inline constexpr std::int16_t kBasicSize = 1;
inline constexpr std::int16_t kHoleZone = 21;
inline constexpr std::int16_t kShaftZone = 22;
inline constexpr std::int16_t kHoleOutside = 31;
inline constexpr std::int16_t kShaftOutside = 32;
inline constexpr std::int16_t kHoleSmallSize = 41;
inline constexpr std::int16_t kShaftSmallSize = 42;
}  // namespace error_code

}  // namespace brimsel
