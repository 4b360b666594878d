// Reading Quorbel.dat: its layout, damaged and cut copies, and loading it from disk.
#include <unistd.h>

#include <bit>
#include <stdexcept>

#include "Shipped.h"
#include "TestData.h"
#include "datafile/StandardTables.h"
#include "engine/DataFile.h"

namespace brimsel {
namespace {

namespace fs = std::filesystem;

template <typename Data>
auto Tables(Data& d) {
    return std::array{&d.DeviationKeys, &d.StandardTolerances, &d.FundamentalDeviations};
}

// Every count, every element's bits and the mark.
std::vector<std::uint32_t> Bits(const ToleranceData& data) {
    std::vector<std::uint32_t> bits{static_cast<std::uint16_t>(data.FormatMark)};
    for (const Table* t : Tables(data)) {
        bits.insert(bits.end(), {std::uint32_t(t->Columns), std::uint32_t(t->Rows)});
        for (const float e : t->Elements) bits.push_back(std::bit_cast<std::uint32_t>(e));
    }
    return bits;
}

void ExpectRead(const DataFileResult& result, const ToleranceData& expected) {
    ASSERT_TRUE(result.Ok()) << result.Problem;
    EXPECT_TRUE(Bits(*result.Data) == Bits(expected)) << "the tables read differ";
}

bool Rejected(const DataFileResult& result) { return !result.Ok() && !result.Problem.empty(); }

// Offset of a block (K, T, D) or of the mark (M) in the standard tables' file.
std::size_t Offset(char block) {
    std::size_t at = 0;
    for (std::size_t i = 0; i < 3 && block != "KTD"[i]; ++i)
        at += 18 + 4 * Tables(test::Shipped())[i]->Elements.size();
    return at;
}

// The standard tables with the changes of a damage.tsv row, and their file with
// its byte changes; `was` and `wrote` collect, in hex, the bytes overwritten and written.
std::string Changed(const std::string& changes, ToleranceData& data, std::string& was,
                    std::string& wrote) {
    std::vector<std::string> inFile;
    for (const std::string& change : test::Split(changes, ' ')) {
        const std::string value = change.substr(change.find('=') + 1);
        Table& table = *Tables(data)[std::string("KTD").find(change[0]) % 3];
        int a = 0, b = 0;
        if (change[1] == '+') {
            inFile.push_back(change);
        } else if (std::sscanf(change.c_str(), "%*c(%d,%d)", &a, &b) == 2) {
            table(a, b) = std::strtof(value.c_str(), nullptr);
        } else if (change[0] == 'M') {
            data.FormatMark = static_cast<std::int16_t>(std::stoi(value));
        } else if (std::sscanf(value.c_str(), "%dx%d", &a, &b) == 2) {
            Table resized = Table::Sized(a, b);
            for (std::int32_t row = 0; row < std::min(b, table.Rows); ++row)
                for (std::int32_t column = 0; column < std::min(a, table.Columns); ++column)
                    resized(column, row) = table(column, row);
            table = resized;
        } else {
            ADD_FAILURE() << "unknown change " << change;
        }
    }
    std::string bytes = EncodeToleranceFile(data);
    for (const std::string& change : inFile) {
        std::size_t at = Offset(change[0]) + std::stoul(change.substr(2));
        for (std::size_t i = change.find('=') + 1; i + 1 < change.size(); i += 2, ++at) {
            bytes.resize(std::max(bytes.size(), at + 1));
            const auto old = static_cast<unsigned char>(bytes[at]);
            was += {"0123456789ABCDEF"[old >> 4], "0123456789ABCDEF"[old & 15]};
            wrote += change.substr(i, 2);
            bytes[at] = static_cast<char>(std::stoi(change.substr(i, 2), nullptr, 16));
        }
    }
    return bytes;
}

TEST(DataFile, LayoutAndDamage) {
    for (const test::TsvRow& row : test::ReadTsv("engine/damage.tsv")) {
        const testing::ScopedTrace trace(row.File.c_str(), row.Line, row[2]);
        ToleranceData data = test::Shipped();
        std::string was, wrote;
        const DataFileResult result = DecodeToleranceFile(Changed(row[1], data, was, wrote));
        if (row[0] == "holds") {
            EXPECT_EQ(was, wrote);
        } else if (row[0] == "accepted") {
            ExpectRead(result, data);
        } else {
            EXPECT_TRUE(row[0] == "rejected" && Rejected(result))
                << row[0] << ", but " << (result.Ok() ? "accepted" : "rejected: " + result.Problem);
        }
    }
    // Every cut is rejected; the writer refuses a table that is not whole.
    const std::string good = EncodeToleranceFile(test::Shipped());
    for (std::size_t length = 0; length < good.size(); ++length)
        ASSERT_TRUE(Rejected(DecodeToleranceFile(std::string_view(good).substr(0, length))))
            << "cut to " << length << " bytes";
    ToleranceData uneven = test::Shipped();
    uneven.StandardTolerances.Elements.pop_back();
    EXPECT_THROW(EncodeToleranceFile(uneven), std::invalid_argument);
}

// Missing, damaged and unchanged files are checked where the programs load
// them; here what only a file on disk can be.
TEST(DataFile, LoadingAFolderOrAWriteProtectedFile) {
    const fs::path folder = fs::path(testing::TempDir()) / ("brimsel-" + std::to_string(getpid()));
    fs::remove_all(folder);
    fs::create_directories(folder / kDataFileName);
    EXPECT_TRUE(Rejected(LoadToleranceFile(folder / kDataFileName)));
    const fs::path path = folder / "copy.dat";
    std::ofstream(path, std::ios::binary)
        << EncodeToleranceFile(test::Shipped()) << std::string(999, 'x');
    fs::permissions(path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    ExpectRead(LoadToleranceFile(path), test::Shipped());
    fs::remove_all(folder);
}

}  // namespace
}  // namespace brimsel
