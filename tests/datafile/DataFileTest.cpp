#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "datafile/StandardTables.h"
#include "engine/DataFile.h"

namespace brimsel {
namespace {

namespace fs = std::filesystem;

constexpr std::size_t kHeaderBytes = 18;

std::size_t ElementCount(const ToleranceData& data) {
    return data.DeviationKeys.Elements.size() + data.StandardTolerances.Elements.size() +
           data.FundamentalDeviations.Elements.size();
}

void ExpectSameTable(const Table& actual, const Table& expected, const char* name) {
    EXPECT_EQ(actual.Columns, expected.Columns) << name;
    EXPECT_EQ(actual.Rows, expected.Rows) << name;
    ASSERT_EQ(actual.Elements.size(), expected.Elements.size()) << name;
    for (std::size_t i = 0; i < actual.Elements.size(); ++i) {
        ASSERT_EQ(std::bit_cast<std::uint32_t>(actual.Elements[i]),
                  std::bit_cast<std::uint32_t>(expected.Elements[i]))
            << name << " element " << i << ": " << actual.Elements[i] << " vs "
            << expected.Elements[i];
    }
}

void ExpectSameData(const ToleranceData& actual, const ToleranceData& expected) {
    ExpectSameTable(actual.DeviationKeys, expected.DeviationKeys, "DeviationKeys");
    ExpectSameTable(actual.StandardTolerances, expected.StandardTolerances, "StandardTolerances");
    ExpectSameTable(actual.FundamentalDeviations, expected.FundamentalDeviations,
                    "FundamentalDeviations");
    EXPECT_EQ(actual.FormatMark, expected.FormatMark);
}

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteFile(const fs::path& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// A fresh folder per test: the tests may run in parallel processes.
class ScratchFolder {
  public:
    ScratchFolder() {
        std::random_device random;
        path_ = fs::temp_directory_path() /
                ("brimsel-datafile-" + std::to_string(random()) + std::to_string(random()));
        fs::create_directories(path_);
    }
    ~ScratchFolder() {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
    const fs::path& Path() const { return path_; }

  private:
    fs::path path_;
};

// Offsets of the three blocks and of the format mark in an encoded file.
struct Layout {
    std::size_t Block[3];
    std::size_t Mark;
};

Layout LayoutOf(const ToleranceData& data) {
    Layout layout{};
    std::size_t at = 0;
    const Table* tables[3] = {&data.DeviationKeys, &data.StandardTolerances,
                              &data.FundamentalDeviations};
    for (int i = 0; i < 3; ++i) {
        layout.Block[i] = at;
        at += kHeaderBytes + 4 * tables[i]->Elements.size();
    }
    layout.Mark = at;
    return layout;
}

void PutU16(std::string& bytes, std::size_t at, std::uint16_t value) {
    bytes[at] = static_cast<char>(value & 0xFF);
    bytes[at + 1] = static_cast<char>(value >> 8);
}

void PutU32(std::string& bytes, std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<char>(value >> (8 * i) & 0xFF);
}

std::uint32_t GetU32(const std::string& bytes, std::size_t at) {
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i) value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

const ToleranceData& Standard() {
    static const ToleranceData data = BuildStandardTables();
    return data;
}

TEST(DataFile, RoundTripKeepsEveryElement) {
    const std::string bytes = EncodeToleranceFile(Standard());
    const DataFileResult result = DecodeToleranceFile(bytes);
    ASSERT_TRUE(result.Ok()) << result.Problem;
    ExpectSameData(*result.Data, Standard());
}

TEST(DataFile, FileIsHeadersPlusFourBytesPerElement) {
    EXPECT_EQ(EncodeToleranceFile(Standard()).size(), 56 + 4 * ElementCount(Standard()));
}

// The first index record of every block counts the columns, the second the rows.
TEST(DataFile, IndexRecordsAreColumnsThenRows) {
    const std::string bytes = EncodeToleranceFile(Standard());
    const Layout layout = LayoutOf(Standard());
    const Table* tables[3] = {&Standard().DeviationKeys, &Standard().StandardTolerances,
                              &Standard().FundamentalDeviations};
    for (int i = 0; i < 3; ++i) {
        const std::size_t at = layout.Block[i];
        EXPECT_EQ(bytes[at], 2) << "block " << i;
        EXPECT_EQ(bytes[at + 1], 0) << "block " << i;
        EXPECT_EQ(GetU32(bytes, at + 2), static_cast<std::uint32_t>(tables[i]->Columns));
        EXPECT_EQ(GetU32(bytes, at + 6), 0u);
        EXPECT_EQ(GetU32(bytes, at + 10), static_cast<std::uint32_t>(tables[i]->Rows));
        EXPECT_EQ(GetU32(bytes, at + 14), 0u);
    }
    // DeviationKeys(1, 0), the highest grade of the first row, is the second float.
    EXPECT_EQ(std::bit_cast<float>(GetU32(bytes, kHeaderBytes + 4)),
              Standard().DeviationKeys(1, 0));
    EXPECT_EQ(bytes[layout.Mark], 2);
    EXPECT_EQ(bytes[layout.Mark + 1], 0);
}

TEST(DataFile, BytesAfterTheMarkAreIgnored) {
    for (const std::string& tail :
         {std::string(1, '\0'), std::string(1000, '\xFF'), std::string("x")}) {
        const DataFileResult result = DecodeToleranceFile(EncodeToleranceFile(Standard()) + tail);
        ASSERT_TRUE(result.Ok()) << result.Problem;
        ExpectSameData(*result.Data, Standard());
    }
}

TEST(DataFile, EveryShorterFileIsRejected) {
    const std::string bytes = EncodeToleranceFile(Standard());
    for (std::size_t length = 0; length < bytes.size(); ++length) {
        const DataFileResult result =
            DecodeToleranceFile(std::string_view(bytes).substr(0, length));
        ASSERT_FALSE(result.Ok()) << "accepted a file cut to " << length << " bytes";
        ASSERT_FALSE(result.Problem.empty()) << length;
    }
}

struct ByteDamage {
    const char* What;
    std::function<void(std::string&, const Layout&)> Apply;
};

TEST(DataFile, DamagedHeadersAreRejected) {
    // clang-format off
    const std::vector<ByteDamage> damages = {
        {"index count 1", [](std::string& b, const Layout& l) { PutU16(b, l.Block[0], 1); }},
        {"index count 3", [](std::string& b, const Layout& l) { PutU16(b, l.Block[1], 3); }},
        {"index count -1", [](std::string& b, const Layout& l) { PutU16(b, l.Block[2], 0xFFFF); }},
        {"columns lower bound 1", [](std::string& b, const Layout& l) { PutU32(b, l.Block[0] + 6, 1); }},
        {"rows lower bound -1",
         [](std::string& b, const Layout& l) { PutU32(b, l.Block[0] + 14, 0xFFFFFFFF); }},
        {"tolerances lower bound 1", [](std::string& b, const Layout& l) { PutU32(b, l.Block[1] + 6, 1); }},
        {"tolerances rows lower bound 1",
         [](std::string& b, const Layout& l) { PutU32(b, l.Block[1] + 14, 1); }},
        {"deviations lower bound 1", [](std::string& b, const Layout& l) { PutU32(b, l.Block[2] + 6, 1); }},
        {"deviations rows lower bound 1",
         [](std::string& b, const Layout& l) { PutU32(b, l.Block[2] + 14, 1); }},
        {"one key row more", [](std::string& b, const Layout& l) { PutU32(b, l.Block[0] + 10, 91); }},
        {"one key row less", [](std::string& b, const Layout& l) { PutU32(b, l.Block[0] + 10, 89); }},
        {"one deviation row more",
         [](std::string& b, const Layout& l) { PutU32(b, l.Block[2] + 10, 42); }},
        {"one deviation column less",
         [](std::string& b, const Layout& l) { PutU32(b, l.Block[2] + 2, 75); }},
        {"largest column count",
         [](std::string& b, const Layout& l) { PutU32(b, l.Block[2] + 2, 0xFFFFFFFF); }},
        {"largest counts",
         [](std::string& b, const Layout& l) {
             PutU32(b, l.Block[0] + 2, 0xFFFFFFFF);
             PutU32(b, l.Block[0] + 10, 0xFFFFFFFF);
         }},
        {"counts whose 32-bit product is 0",
         [](std::string& b, const Layout& l) {
             PutU32(b, l.Block[2] + 2, 0x10000);
             PutU32(b, l.Block[2] + 10, 0x10000);
         }},
        {"counts whose 32-bit product is small",
         [](std::string& b, const Layout& l) {
             PutU32(b, l.Block[1] + 2, 0x80000001);
             PutU32(b, l.Block[1] + 10, 2);
         }},
        {"format mark 1", [](std::string& b, const Layout& l) { PutU16(b, l.Mark, 1); }},
        {"format mark 0", [](std::string& b, const Layout& l) { PutU16(b, l.Mark, 0); }},
        {"format mark 3", [](std::string& b, const Layout& l) { PutU16(b, l.Mark, 3); }},
        {"format mark 0x0202", [](std::string& b, const Layout& l) { PutU16(b, l.Mark, 0x0202); }},
    };
    // clang-format on
    const Layout layout = LayoutOf(Standard());
    for (const ByteDamage& damage : damages) {
        std::string bytes = EncodeToleranceFile(Standard());
        damage.Apply(bytes, layout);
        const DataFileResult result = DecodeToleranceFile(bytes);
        EXPECT_FALSE(result.Ok()) << damage.What;
        EXPECT_FALSE(result.Problem.empty()) << damage.What;
    }
}

struct TableDamage {
    const char* What;
    std::function<void(ToleranceData&)> Apply;
};

Table Resized(const Table& table, std::int32_t columns, std::int32_t rows) {
    Table resized = Table::Sized(columns, rows);
    for (std::int32_t row = 0; row < std::min(rows, table.Rows); ++row)
        for (std::int32_t column = 0; column < std::min(columns, table.Columns); ++column)
            resized(column, row) = table(column, row);
    return resized;
}

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInfinity = std::numeric_limits<float>::infinity();

TEST(DataFile, TablesOutsideTheEnginesLimitsAreRejected) {
    // clang-format off
    const std::vector<TableDamage> damages = {
        {"57 key rows", [](ToleranceData& d) { d.DeviationKeys = Resized(d.DeviationKeys, 3, 57); }},
        {"2 key columns", [](ToleranceData& d) { d.DeviationKeys = Resized(d.DeviationKeys, 2, 90); }},
        {"no keys", [](ToleranceData& d) { d.DeviationKeys = Table{}; }},
        {"20 tolerance columns",
         [](ToleranceData& d) { d.StandardTolerances = Resized(d.StandardTolerances, 20, 21); }},
        {"22 tolerance columns",
         [](ToleranceData& d) { d.StandardTolerances = Resized(d.StandardTolerances, 22, 21); }},
        {"no tolerance rows",
         [](ToleranceData& d) { d.StandardTolerances = Resized(d.StandardTolerances, 21, 0); }},
        {"no deviation rows",
         [](ToleranceData& d) { d.FundamentalDeviations = Resized(d.FundamentalDeviations, 76, 0); }},
        {"no deviation columns",
         [](ToleranceData& d) { d.FundamentalDeviations = Resized(d.FundamentalDeviations, 0, 41); }},
        {"deviations end at 2800",
         [](ToleranceData& d) { d.FundamentalDeviations = Resized(d.FundamentalDeviations, 76, 40); }},
        {"deviations end at 3149.9",
         [](ToleranceData& d) { d.FundamentalDeviations(0, 40) = 3149.9f; }},
        {"key names the column past the last",
         [](ToleranceData& d) { d.DeviationKeys(2, 0) = 76; }},
        {"shaft key names the column past the last",
         [](ToleranceData& d) { d.DeviationKeys(2, d.DeviationKeys.Rows - 1) = 76; }},
        {"unused hole row names a missing column", [](ToleranceData& d) { d.DeviationKeys(2, 57) = 1000; }},
        {"key column -1", [](ToleranceData& d) { d.DeviationKeys(2, 3) = -1; }},
        {"key column -0.6", [](ToleranceData& d) { d.DeviationKeys(2, 3) = -0.6f; }},
        {"key column 75.5", [](ToleranceData& d) { d.DeviationKeys(2, 3) = 75.5f; }},
        {"key column huge", [](ToleranceData& d) { d.DeviationKeys(2, 3) = 3e9f; }},
        {"key column infinite", [](ToleranceData& d) { d.DeviationKeys(2, 70) = kInfinity; }},
        {"key column NaN", [](ToleranceData& d) { d.DeviationKeys(2, 70) = kNaN; }},
        {"letter code NaN", [](ToleranceData& d) { d.DeviationKeys(0, 5) = kNaN; }},
        {"highest grade NaN", [](ToleranceData& d) { d.DeviationKeys(1, 60) = kNaN; }},
        {"tolerance size limit NaN", [](ToleranceData& d) { d.StandardTolerances(0, 7) = kNaN; }},
        {"tolerance value NaN", [](ToleranceData& d) { d.StandardTolerances(9, 7) = kNaN; }},
        {"deviation size limit NaN", [](ToleranceData& d) { d.FundamentalDeviations(0, 40) = kNaN; }},
        {"deviation size limit -inf",
         [](ToleranceData& d) { d.FundamentalDeviations(0, 10) = -kInfinity; }},
        {"deviation value NaN", [](ToleranceData& d) { d.FundamentalDeviations(30, 10) = kNaN; }},
        {"format mark 1", [](ToleranceData& d) { d.FormatMark = 1; }},
        {"format mark -2", [](ToleranceData& d) { d.FormatMark = -2; }},
    };
    // clang-format on
    for (const TableDamage& damage : damages) {
        ToleranceData data = Standard();
        damage.Apply(data);
        const DataFileResult result = DecodeToleranceFile(EncodeToleranceFile(data));
        EXPECT_FALSE(result.Ok()) << damage.What;
        EXPECT_FALSE(result.Problem.empty()) << damage.What;
    }
}

TEST(DataFile, TablesAtTheEnginesLimitsAreAccepted) {
    // clang-format off
    const std::vector<TableDamage> edges = {
        {"exactly 58 key rows: no shaft rows",
         [](ToleranceData& d) { d.DeviationKeys = Resized(d.DeviationKeys, 3, 58); }},
        {"more key columns than read",
         [](ToleranceData& d) { d.DeviationKeys = Resized(d.DeviationKeys, 5, 90); }},
        {"one tolerance row", [](ToleranceData& d) { d.StandardTolerances = Resized(d.StandardTolerances, 21, 1); }},
        {"key names the last column", [](ToleranceData& d) { d.DeviationKeys(2, 0) = 75; }},
        {"key names column 0", [](ToleranceData& d) { d.DeviationKeys(2, 0) = 0; }},
        {"deviations beyond 3150", [](ToleranceData& d) { d.FundamentalDeviations(0, 40) = 4000; }},
    };
    // clang-format on
    for (const TableDamage& edge : edges) {
        ToleranceData data = Standard();
        edge.Apply(data);
        const DataFileResult result = DecodeToleranceFile(EncodeToleranceFile(data));
        ASSERT_TRUE(result.Ok()) << edge.What << ": " << result.Problem;
        ExpectSameData(*result.Data, data);
    }
}

// Whatever a damaged header says, an accepted file obeys the engine's limits.
TEST(DataFile, NoHeaderByteMakesAnUnsafeTable) {
    const std::string good = EncodeToleranceFile(Standard());
    const Layout layout = LayoutOf(Standard());
    std::vector<std::size_t> offsets;
    for (const std::size_t block : layout.Block)
        for (std::size_t i = 0; i < kHeaderBytes; ++i) offsets.push_back(block + i);
    offsets.push_back(layout.Mark);
    offsets.push_back(layout.Mark + 1);
    for (const std::size_t at : offsets) {
        for (const int value : {0x00, 0x01, 0x02, 0x7F, 0x80, 0xFE, 0xFF}) {
            std::string bytes = good;
            bytes[at] = static_cast<char>(value);
            const DataFileResult result = DecodeToleranceFile(bytes);
            if (!result.Ok()) continue;
            const ToleranceData& d = *result.Data;
            for (const Table* t :
                 {&d.DeviationKeys, &d.StandardTolerances, &d.FundamentalDeviations})
                ASSERT_EQ(t->Elements.size(), static_cast<std::size_t>(t->Columns) * t->Rows) << at;
            ASSERT_GE(d.DeviationKeys.Columns, 3) << at;
            ASSERT_GE(d.DeviationKeys.Rows, 58) << at;
            ASSERT_EQ(d.StandardTolerances.Columns, 21) << at;
            ASSERT_GE(d.FundamentalDeviations(0, d.FundamentalDeviations.Rows - 1), 3150.0f) << at;
        }
    }
}

TEST(DataFile, BuiltFileBesideTheProgramsHoldsTheStandardTables) {
    const fs::path built = BRIMSEL_BUILT_DATA_FILE;
    ASSERT_EQ(fs::path(built).filename(), kDataFileName);
    const DataFileResult result = LoadToleranceFile(built);
    ASSERT_TRUE(result.Ok()) << result.Problem;
    ExpectSameData(*result.Data, Standard());
    EXPECT_EQ(fs::file_size(built), 56 + 4 * ElementCount(Standard()));
    EXPECT_EQ(ReadFile(built), EncodeToleranceFile(Standard()));
}

TEST(DataFile, ProducerWritesTheFileItIsGiven) {
    const ScratchFolder folder;
    const fs::path target = folder.Path() / kDataFileName;
    WriteFile(target, "an older file that is replaced");
    const std::string command =
        std::string("\"") + BRIMSEL_QUORBEL_MAKE + "\" \"" + target.string() + "\"";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    EXPECT_EQ(ReadFile(target), EncodeToleranceFile(Standard()));
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.Path()), fs::directory_iterator{}), 1)
        << "the producer left a partial file behind";
}

TEST(DataFile, ProducerWithoutATargetFails) {
    const std::string command = std::string("\"") + BRIMSEL_QUORBEL_MAKE + "\" 2>/dev/null";
    EXPECT_NE(std::system(command.c_str()), 0);
}

TEST(DataFile, MissingFileIsRejectedAndNotCreated) {
    const ScratchFolder folder;
    const fs::path missing = folder.Path() / kDataFileName;
    const DataFileResult result = LoadToleranceFile(missing);
    EXPECT_FALSE(result.Ok());
    EXPECT_FALSE(result.Problem.empty());
    EXPECT_FALSE(fs::exists(missing));
}

TEST(DataFile, FolderInsteadOfAFileIsRejected) {
    const ScratchFolder folder;
    fs::create_directory(folder.Path() / kDataFileName);
    EXPECT_FALSE(LoadToleranceFile(folder.Path() / kDataFileName).Ok());
}

TEST(DataFile, LoadRejectsEmptyAndDamagedFilesAndLeavesThemAsTheyWere) {
    const ScratchFolder folder;
    const fs::path path = folder.Path() / kDataFileName;
    std::string bytes = EncodeToleranceFile(Standard());
    PutU16(bytes, LayoutOf(Standard()).Mark, 1);
    for (const std::string& content : {std::string(), bytes}) {
        WriteFile(path, content);
        const DataFileResult result = LoadToleranceFile(path);
        EXPECT_FALSE(result.Ok());
        EXPECT_FALSE(result.Problem.empty());
        EXPECT_EQ(ReadFile(path), content);
    }
}

TEST(DataFile, WriteProtectedFileIsRead) {
    const ScratchFolder folder;
    const fs::path path = folder.Path() / kDataFileName;
    WriteFile(path, EncodeToleranceFile(Standard()) + "tail");
    fs::permissions(path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    const DataFileResult result = LoadToleranceFile(path);
    ASSERT_TRUE(result.Ok()) << result.Problem;
    ExpectSameData(*result.Data, Standard());
}

TEST(DataFile, EncodingATableWhoseSizeDisagreesWithItsElementsThrows) {
    ToleranceData data = Standard();
    data.StandardTolerances.Elements.pop_back();
    EXPECT_THROW(EncodeToleranceFile(data), std::invalid_argument);
}

}  // namespace
}  // namespace brimsel
