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
        const auto number = [](int n) { return std::to_string(n); };
        EXPECT_EQ(limits.TextMax + "|" + limits.TextMin + "|" + number(limits.FirstLimitString) +
                      "|" + number(limits.SecondLimitString) + "|" + number(limits.KindString),
                  row[6] + "|" + row[7] + "|" + row[8] + "|" + row[9] + "|" + row[10]);
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
