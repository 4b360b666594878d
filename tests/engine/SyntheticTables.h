// Small hand-made tables, so that each rule of the engine can be checked on
// numbers chosen for it rather than on the standard's data.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string_view>
#include <vector>

#include "engine/Deviations.h"
#include "engine/QueryState.h"

namespace brimsel::test {

// A StandardTolerances table of 21 columns whose cell (k, r) is
// 1000 * (r + 1) + 10 * k, so any value read names its own row and column.
inline Table MakeIndexedTolerances(std::initializer_list<float> limits) {
    Table t = Table::Sized(21, static_cast<std::int32_t>(limits.size()));
    std::int32_t row = 0;
    for (const float limit : limits) {
        t(0, row) = limit;
        for (std::int32_t k = 1; k < 21; ++k) {
            t(k, row) = static_cast<float>(1000 * (row + 1) + 10 * k);
        }
        ++row;
    }
    return t;
}

struct KeyRow {
    std::string_view Letters;
    float HighestGrade;
    float Column;
};

// 58 hole rows (the given ones first, zeros after), then the shaft rows.
inline Table MakeKeys(std::initializer_list<KeyRow> holes, std::initializer_list<KeyRow> shafts) {
    Table t = Table::Sized(3, kHoleKeyRows + static_cast<std::int32_t>(shafts.size()));
    std::int32_t row = 0;
    auto put = [&](const KeyRow& k) {
        t(0, row) = EncodeLetterCode(k.Letters);
        t(1, row) = k.HighestGrade;
        t(2, row) = k.Column;
        ++row;
    };
    for (const auto& k : holes) put(k);
    row = kHoleKeyRows;
    for (const auto& k : shafts) put(k);
    return t;
}

// Rows of (size limit, column 1, column 2, ...).
inline Table MakeDeviations(std::initializer_list<std::vector<float>> rows) {
    const auto columns = static_cast<std::int32_t>(rows.begin()->size());
    Table t = Table::Sized(columns, static_cast<std::int32_t>(rows.size()));
    std::int32_t r = 0;
    for (const auto& cells : rows) {
        for (std::int32_t c = 0; c < columns; ++c) t(c, r) = cells[static_cast<std::size_t>(c)];
        ++r;
    }
    return t;
}

}  // namespace brimsel::test
