#include <gtest/gtest.h>

#include <string>

#include "TestData.h"
#include "results/FitLimits.h"

namespace brimsel {
namespace {

TEST(FitLimits, LimitsNamesAndKindAsShown) {
    for (const test::TsvRow& row : test::ReadTsv("results/limits.tsv")) {
        const testing::ScopedTrace trace(row.File.c_str(), row.Line, "");
        const FitLimits limits =
            ComputeFitLimits(std::stof(row[0]), std::stof(row[1]), std::stof(row[2]),
                             std::stof(row[3]), row[4], row[5]);
        EXPECT_FLOAT_EQ(limits.Xmax, std::stof(row[6]));
        EXPECT_FLOAT_EQ(limits.Xmin, std::stof(row[7]));
        EXPECT_EQ(limits.Decimals, std::stoi(row[8]));
        EXPECT_EQ(limits.TextMax, row[9]);
        EXPECT_EQ(limits.TextMin, row[10]);
        // The values are the texts read back: a difference shown as zero counts as zero.
        EXPECT_DOUBLE_EQ(limits.ValueMax, std::stod(row[9]));
        EXPECT_DOUBLE_EQ(limits.ValueMin, std::stod(row[10]));
        EXPECT_EQ(limits.FirstLimitString, std::stoi(row[11]));
        EXPECT_EQ(limits.SecondLimitString, std::stoi(row[12]));
        EXPECT_EQ(limits.KindString, std::stoi(row[13]));
    }
}

TEST(FitLimits, FractionBarRightEnd) {
    for (const test::TsvRow& row : test::ReadTsv("results/fraction-bar.tsv")) {
        const testing::ScopedTrace trace(row.File.c_str(), row.Line, "");
        EXPECT_EQ(FractionBarRightEnd(row[0], row[1], row[2], row[3]), std::stoi(row[4]));
    }
}

}  // namespace
}  // namespace brimsel
