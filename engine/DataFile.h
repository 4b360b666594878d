// Reading and writing Quorbel.dat.
//
// Layout, little-endian, no gaps: three table blocks (DeviationKeys,
// StandardTolerances, FundamentalDeviations), then a 16-bit format mark 2.
// A block is a 16-bit index count (2), two index records of a 32-bit element
// count and a 32-bit signed lower bound (0), then the elements as 32-bit
// floats, row after row, column 0 first within a row.
//
// Index record order: the FIRST record describes the columns, the SECOND the
// rows, in every table, in the writer and the reader alike (the first index of
// T(column, row) is the column).
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/ToleranceData.h"

namespace brimsel {

struct DataFileResult {
    std::optional<ToleranceData> Data;  // empty when the file was rejected
    std::string Problem;                // why it was rejected, for logs and tests
    bool Ok() const { return Data.has_value(); }
};

// The layout alone: checks every limit that later computations rely on, so
// that an accepted file can never make them index outside a table. Bytes after
// the format mark are not read.
DataFileResult DecodeToleranceFile(std::string_view bytes);
// What the programs accept: the layout as above, and then exactly the content
// whose SHA-256 is `digest` (64 hexadecimal digits), the tables the program
// was built with. A flipped bit, a changed value, bytes appended or cut are
// all refused; a file that breaks the layout is refused with what is wrong.
DataFileResult DecodeShippedFile(std::string_view bytes, std::string_view digest);
// Opens the file for reading only, reads it whole in one operation, closes it,
// and checks it as DecodeShippedFile does.
DataFileResult LoadToleranceFile(const std::filesystem::path& path, std::string_view digest);
std::string EncodeToleranceFile(const ToleranceData& data);

inline constexpr const char* kDataFileName = "Quorbel.dat";
inline constexpr std::int16_t kFormatMark = 2;

}  // namespace brimsel
