#include "engine/DataFile.h"

#include <bit>
#include <cmath>
#include <cstdio>
#include <limits>
#include <memory>
#include <stdexcept>
#include <system_error>

#include "engine/Sha256.h"

namespace brimsel {
namespace {

// The real file is about 15 kB; anything this large is not a data file, and
// reading it whole could exhaust memory before it is rejected.
constexpr std::uintmax_t kLargestFile = 64u * 1024u * 1024u;

constexpr std::int16_t kIndexCount = 2;
constexpr std::int32_t kStandardToleranceColumns = 21;
constexpr std::int32_t kDeviationKeyColumns = 3;

DataFileResult Rejected(std::string problem) {
    DataFileResult result;
    result.Problem = std::move(problem);
    return result;
}

class ByteReader {
  public:
    explicit ByteReader(std::string_view bytes) : bytes_(bytes) {}

    std::size_t Remaining() const { return bytes_.size() - at_; }

    bool U16(std::uint16_t& value) {
        if (Remaining() < 2) return false;
        value = static_cast<std::uint16_t>(Byte(0) | Byte(1) << 8);
        at_ += 2;
        return true;
    }
    bool U32(std::uint32_t& value) {
        if (Remaining() < 4) return false;
        value = Byte(0) | Byte(1) << 8 | Byte(2) << 16 | Byte(3) << 24;
        at_ += 4;
        return true;
    }

  private:
    std::uint32_t Byte(std::size_t offset) const {
        return static_cast<unsigned char>(bytes_[at_ + offset]);
    }

    std::string_view bytes_;
    std::size_t at_ = 0;
};

// Reads one table block; on failure returns false with the reason in problem.
bool ReadTable(ByteReader& reader, std::string_view name, Table& table, std::string& problem) {
    const std::string prefix = std::string(name) + ": ";
    std::uint16_t indexCount = 0;
    if (!reader.U16(indexCount)) {
        problem = prefix + "file cut short in the header";
        return false;
    }
    if (static_cast<std::int16_t>(indexCount) != kIndexCount) {
        problem = prefix + "index count " + std::to_string(static_cast<std::int16_t>(indexCount)) +
                  ", not 2";
        return false;
    }
    std::uint32_t counts[2] = {};
    for (std::uint32_t& count : counts) {
        std::uint32_t lowerBound = 0;
        if (!reader.U32(count) || !reader.U32(lowerBound)) {
            problem = prefix + "file cut short in the header";
            return false;
        }
        if (lowerBound != 0) {
            problem = prefix + "lower bound " +
                      std::to_string(static_cast<std::int32_t>(lowerBound)) + ", not 0";
            return false;
        }
        if (count > static_cast<std::uint32_t>(std::numeric_limits<std::int32_t>::max())) {
            problem = prefix + "absurd element count";
            return false;
        }
    }
    // Both counts are below 2^31, so the product fits in 64 bits; it is
    // compared with what the file still holds before anything is allocated.
    const std::uint64_t elements = std::uint64_t{counts[0]} * std::uint64_t{counts[1]};
    if (elements > reader.Remaining() / 4) {
        problem = prefix + "element counts do not match the file length";
        return false;
    }
    table.Columns = static_cast<std::int32_t>(counts[0]);
    table.Rows = static_cast<std::int32_t>(counts[1]);
    table.Elements.resize(static_cast<std::size_t>(elements));
    for (float& element : table.Elements) {
        std::uint32_t bits = 0;
        reader.U32(bits);
        element = std::bit_cast<float>(bits);
        if (!std::isfinite(element)) {
            problem = prefix + "holds a value that is not a finite number";
            return false;
        }
    }
    return true;
}

// A deviation column must stay inside the table however the engine rounds it.
bool NamesExistingColumn(float column, std::int32_t columns) {
    return column >= 0.0f && static_cast<double>(column) <= static_cast<double>(columns) - 1.0;
}

std::string CheckLimits(const ToleranceData& data) {
    const Table& keys = data.DeviationKeys;
    const Table& tolerances = data.StandardTolerances;
    const Table& deviations = data.FundamentalDeviations;
    if (keys.Columns < kDeviationKeyColumns || keys.Rows < kHoleKeyRows)
        return "DeviationKeys: fewer than 3 columns or 58 rows";
    if (tolerances.Columns != kStandardToleranceColumns || tolerances.Rows < 1)
        return "StandardTolerances: not 21 columns or no rows";
    if (deviations.Columns < 1 || deviations.Rows < 1)
        return "FundamentalDeviations: no size column or no rows";
    if (deviations(0, deviations.Rows - 1) < kLargestBasicSize)
        return "FundamentalDeviations: does not reach 3150 mm";
    for (std::int32_t row = 0; row < keys.Rows; ++row) {
        if (!NamesExistingColumn(keys(2, row), deviations.Columns))
            return "DeviationKeys: row " + std::to_string(row) +
                   " names a column that FundamentalDeviations lacks";
    }
    return {};
}

void PutU16(std::string& out, std::uint16_t value) {
    out.push_back(static_cast<char>(value & 0xFF));
    out.push_back(static_cast<char>(value >> 8));
}

void PutU32(std::string& out, std::uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<char>(value >> shift & 0xFF));
}

void PutTable(std::string& out, const Table& table) {
    if (table.Columns < 0 || table.Rows < 0 ||
        table.Elements.size() !=
            static_cast<std::size_t>(table.Columns) * static_cast<std::size_t>(table.Rows))
        throw std::invalid_argument("table size does not match its element count");
    PutU16(out, static_cast<std::uint16_t>(kIndexCount));
    PutU32(out, static_cast<std::uint32_t>(table.Columns));
    PutU32(out, 0);
    PutU32(out, static_cast<std::uint32_t>(table.Rows));
    PutU32(out, 0);
    for (const float element : table.Elements) PutU32(out, std::bit_cast<std::uint32_t>(element));
}

}  // namespace

DataFileResult DecodeToleranceFile(std::string_view bytes) {
    ByteReader reader(bytes);
    ToleranceData data;
    std::string problem;
    if (!ReadTable(reader, "DeviationKeys", data.DeviationKeys, problem) ||
        !ReadTable(reader, "StandardTolerances", data.StandardTolerances, problem) ||
        !ReadTable(reader, "FundamentalDeviations", data.FundamentalDeviations, problem))
        return Rejected(std::move(problem));
    std::uint16_t mark = 0;
    if (!reader.U16(mark)) return Rejected("file cut short before the format mark");
    data.FormatMark = static_cast<std::int16_t>(mark);
    if (data.FormatMark != kFormatMark)
        return Rejected("format mark " + std::to_string(data.FormatMark) + ", not 2");
    if (std::string limits = CheckLimits(data); !limits.empty()) return Rejected(std::move(limits));
    DataFileResult result;
    result.Data = std::move(data);
    return result;
}

DataFileResult DecodeShippedFile(std::string_view bytes, std::string_view digest) {
    DataFileResult result = DecodeToleranceFile(bytes);
    if (result.Ok() && Sha256Hex(bytes) != digest) {
        return Rejected(
            "the content differs from the tables this version of the program was built with");
    }
    return result;
}

DataFileResult LoadToleranceFile(const std::filesystem::path& path, std::string_view digest) {
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    if (error || !std::filesystem::exists(status)) return Rejected("file not found");
    if (!std::filesystem::is_regular_file(status)) return Rejected("not a regular file");
    // Read through the C library: opening an iostream would first build the
    // C++ locale, which costs the window's start-up time and memory for
    // nothing a byte reader needs. "rb" only reads: it never creates or
    // truncates the file.
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> in(std::fopen(path.c_str(), "rb"),
                                                             &std::fclose);
    if (!in) return Rejected("file cannot be opened");
    if (std::fseek(in.get(), 0, SEEK_END) != 0) return Rejected("file cannot be read");
    const long size = std::ftell(in.get());
    if (size < 0) return Rejected("file cannot be read");
    if (static_cast<std::uintmax_t>(size) > kLargestFile) return Rejected("file far too large");
    if (std::fseek(in.get(), 0, SEEK_SET) != 0) return Rejected("file cannot be read");
    std::string bytes(static_cast<std::size_t>(size), '\0');
    if (std::fread(bytes.data(), 1, bytes.size(), in.get()) != bytes.size()) {
        return Rejected("file cannot be read");
    }
    return DecodeShippedFile(bytes, digest);
}

std::string EncodeToleranceFile(const ToleranceData& data) {
    std::string out;
    for (const Table* table :
         {&data.DeviationKeys, &data.StandardTolerances, &data.FundamentalDeviations})
        PutTable(out, *table);
    PutU16(out, static_cast<std::uint16_t>(data.FormatMark));
    return out;
}

}  // namespace brimsel
