// The values one main window keeps between events: the tables read from the
// data file, the current inputs and the last computed limit deviations.
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

// Status codes stored in QueryState::ErrorCode.
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

// Field order and types follow the window's own record: 16-bit Integers,
// 32-bit Singles, Booleans and Strings, all zero when the window is created.
struct QueryState {
    std::int16_t BasisIndex = 0;    // 0 hole basis, 1 shaft basis, 2 custom
    std::int16_t FitKindIndex = 0;  // 0 clearance, 1 transition, 2 interference
    ToleranceData ToleranceTables;
    float HoleUpperDev = 0.0f;   // ES, mm
    float HoleLowerDev = 0.0f;   // EI, mm
    float ShaftUpperDev = 0.0f;  // es, mm
    float ShaftLowerDev = 0.0f;  // ei, mm
    float BasicSize = 0.0f;      // mm
    bool HoleOk = false;
    bool ShaftOk = false;
    std::int16_t LanguageIndex = 0;  // 1 Simplified Chinese, 2 English
    std::int16_t ErrorCode = 0;
    std::string HoleLetter;   // upper case: "H", "JS", "ZC"
    std::string HoleGrade;    // "7", "01", "0"; the lookup rewrites it to the grade number
    std::string ShaftLetter;  // lower case: "h", "js", "zc"
    std::string ShaftGrade;
};

}  // namespace brimsel
