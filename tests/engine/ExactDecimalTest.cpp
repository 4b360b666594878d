// Exact decimals: what is read, what is refused, and the text written back.
#include <gtest/gtest.h>

#include "engine/ExactDecimal.h"

namespace brimsel {
namespace {

TEST(ExactDecimal, ReadsPlainDecimalTextsExactly) {
    struct Row {
        const char* text;
        long long units;
        int decimals;
    };
    for (const Row& r :
         {Row{"12.5", 125'000'000, 1}, Row{"+0.035", 350'000, 3}, Row{" 0", 0, 0},
          Row{"-0.0045", -45'000, 4}, Row{".5", 5'000'000, 1}, Row{"3.", 30'000'000, 0},
          Row{"3150.0000001", 31'500'000'001, 7}, Row{"000000000000123", 1'230'000'000, 0},
          Row{"99999999999", 999'999'999'990'000'000, 0}}) {
        const auto read = ReadExactDecimal(r.text);
        ASSERT_TRUE(read) << r.text;
        EXPECT_EQ(read->Units, r.units) << r.text;
        EXPECT_EQ(read->Decimals, r.decimals) << r.text;
    }
    for (const char* bad : {"", " ", "+", ".", "1.2.3", "1e3", "0x10", "12 ", "1,5", "--1",
                            "0.00000001", "100000000000"}) {
        EXPECT_FALSE(ReadExactDecimal(bad)) << bad;
    }
}

TEST(ExactDecimal, WritesTheDigitsWithRoundingHalfAwayFromZero) {
    EXPECT_EQ(ExactDecimalText(1'000'350'000, 3), "100.035");
    EXPECT_EQ(ExactDecimalText(1'000'000'000, 3), "100.000");
    EXPECT_EQ(ExactDecimalText(45'000, 4), "0.0045");
    EXPECT_EQ(ExactDecimalText(-45'000, 3), "-0.005");
    EXPECT_EQ(ExactDecimalText(-4'000, 3), "0.000");
    EXPECT_EQ(ExactDecimalText(125'000'000, 0), "13");
    EXPECT_EQ(ExactDecimalText(31'500'000'001, 7), "3150.0000001");
}

}  // namespace
}  // namespace brimsel
