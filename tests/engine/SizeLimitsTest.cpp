// Limits of size and measured sizes against sums worked on the digits here.
#include <TestData.h>
#include <gtest/gtest.h>

#include "engine/SizeLimits.h"

namespace brimsel {
namespace {

// "12.5" as its digits scaled to `decimals` places: 125 with 1, 12500 with 3.
long long Scaled(std::string text, int decimals) {
    const std::size_t point = std::min(text.find('.'), text.size());
    const int has = point == text.size() ? 0 : static_cast<int>(text.size() - point - 1);
    if (point < text.size()) text.erase(point, 1);
    long long value = std::stoll(text);
    for (int i = has; i < decimals; ++i) value *= 10;
    return value;
}

int Decimals(const std::string& text) {
    const std::size_t point = text.find('.');
    return point == std::string::npos ? 0 : static_cast<int>(text.size() - point - 1);
}

std::string Unscaled(long long value, int decimals) {
    std::string digits = std::to_string(std::llabs(value));
    if (decimals > 0) {
        digits.insert(0, std::max(0, decimals + 1 - static_cast<int>(digits.size())), '0');
        digits.insert(digits.size() - decimals, ".");
    }
    return (value < 0 ? "-" : "") + digits;
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
            EXPECT_EQ(limits.Largest, Unscaled(Scaled(size, d) + Scaled(upper, d), d)) << size;
            EXPECT_EQ(limits.Smallest, Unscaled(Scaled(size, d) + Scaled(lower, d), d)) << size;
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
                      Unscaled(std::min(Scaled(row[3], d) - m, m - Scaled(row[4], d)), d));
        }
    }
}

}  // namespace
}  // namespace brimsel
