// Exact decimals, limits of size and measured sizes against sums worked on the digits.

#include "Digits.h"
#include "TestData.h"
#include "engine/ExactDecimal.h"
#include "engine/SizeLimits.h"

namespace brimsel {
namespace {

using test::Decimals, test::Scaled;

TEST(ExactDecimal, ReadsRefusesAndWritesRows) {
    for (const test::TsvRow& row : test::ReadTsv("engine/exact-decimals.tsv")) {
        const testing::ScopedTrace trace(row.File.c_str(), row.Line, "");
        const auto read = ReadExactDecimal(test::Unescaped(row[1]));
        if (row[0] == "write") {
            EXPECT_EQ(ExactDecimalText(std::stoll(row[1]), std::stoi(row[2])), row[3]);
        } else if (row[0] == "refused") {
            EXPECT_FALSE(read);
        } else {
            ASSERT_TRUE(read);
            EXPECT_EQ(std::to_string(read->Units) + " " + std::to_string(read->Decimals),
                      row[2] + " " + row[3]);
        }
    }
}

TEST(SizeLimits, EverySizeWithEveryCaptionPair) {
    const std::vector<std::pair<std::string, std::string>> captions = {
        {"+0.035", " 0"},       {"-0.012", "-0.034"}, {"+0.0045", "-0.0045"},
        {"+0.0002", "-0.0002"}, {" 0", "-3.200"},     {"+3.520", "+1.700"}};
    for (const std::string size : {"0", "0.5", "1", "3", "12.5", "250.005", "3150", "3150.0",
                                   "3.0000002", "100.00", "0.0000001"}) {
        for (const auto& [upper, lower] : captions) {
            const int d = std::max({Decimals(size), Decimals(upper), Decimals(lower)});
            const SizeLimits limits = ComputeSizeLimits(size, upper, lower);
            ASSERT_TRUE(limits.Ok) << size << upper;
            EXPECT_EQ(limits.Largest, test::Written(Scaled(size, d) + Scaled(upper, d), d)) << size;
            EXPECT_EQ(limits.Smallest, test::Written(Scaled(size, d) + Scaled(lower, d), d))
                << size;
        }
    }
    EXPECT_FALSE(ComputeSizeLimits("100", " - - -", " 0").Ok);
    EXPECT_FALSE(ComputeSizeLimits("0.00000001", " 0", " 0").Ok);
}

// size, upper, lower, largest, smallest, then measured sizes with "in"/"out" and the distance.
TEST(SizeLimits, RowsAndChecks) {
    for (const test::TsvRow& row : test::ReadTsv("engine/size-limits.tsv")) {
        const testing::ScopedTrace trace(row.File.c_str(), row.Line, "");
        const auto caption = [](std::string t) {
            return t.size() > 1 && t[0] == '"' ? t.substr(1, t.size() - 2) : t;
        };
        const SizeLimits limits = ComputeSizeLimits(row[0], caption(row[1]), caption(row[2]));
        EXPECT_EQ(limits.Largest + " / " + limits.Smallest, row[3] + " / " + row[4]);
        for (std::size_t i = 5; i + 2 < row.Fields.size() + 1; i += 3) {
            const SizeCheck check = CheckMeasuredSize(limits, row[i]);
            EXPECT_TRUE(check.Ok) << row[i];
            EXPECT_EQ(check.Inside ? "in" : "out", row[i + 1]) << row[i];
            EXPECT_EQ(check.Distance, row[i + 2]) << row[i];
            // Independently: the smaller of the two differences, at the finer decimals.
            const int d = std::max({Decimals(row[3]), Decimals(row[4]), Decimals(row[i])});
            const long long m = Scaled(row[i], d);
            EXPECT_EQ(check.Distance,
                      test::Written(std::min(Scaled(row[3], d) - m, m - Scaled(row[4], d)), d));
        }
    }
}

}  // namespace
}  // namespace brimsel
