#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "engine/Formatting.h"
#include "engine/NumberText.h"

namespace brimsel {
namespace {

// Each row carries its own line, so a failure points at the row itself.
#define ROW_TRACE(row) testing::ScopedTrace trace(__FILE__, (row).line, "table row")

TEST(SingleText, PlainSevenDigitText) {
    struct Row {
        int line;
        float value;
        const char* text;
    };
    const Row rows[] = {
        {__LINE__, 0.035f, "0.035"},
        {__LINE__, -0.0045f, "-0.0045"},
        {__LINE__, 0.0f, "0"},
        {__LINE__, -0.0f, "0"},
        {__LINE__, 100.0f, "100"},
        {__LINE__, 12.5f, "12.5"},
        {__LINE__, 0.01f, "0.01"},
        {__LINE__, 0.025f, "0.025"},
        {__LINE__, -2.05f, "-2.05"},
        {__LINE__, -11.05f, "-11.05"},
        {__LINE__, -2100.05f, "-2100.05"},
        {__LINE__, 0.00015f, "0.00015"},
        {__LINE__, 1718.0f, "1718"},
        {__LINE__, 3150.0f, "3150"},
        // 0.035f + 0.034f in float arithmetic: one unit too many in the 8th digit.
        {__LINE__, 0.035f + 0.034f, "0.06900001"},
        {__LINE__, 0.069f, "0.069"},
        // Beyond seven digits the text is rounded, with zeros to the point.
        {__LINE__, 15161718.0f, "15161720"},
        {__LINE__, 1.0e-6f, "0.000001"},
    };
    for (const auto& row : rows) {
        ROW_TRACE(row);
        EXPECT_EQ(SingleText(row.value), row.text) << "value " << row.value;
    }
}

TEST(ReadLeadingNumber, LenientReading) {
    struct Row {
        int line;
        const char* text;
        double value;
    };
    const Row rows[] = {
        {__LINE__, "7", 7},    {__LINE__, "01", 1},     {__LINE__, "  12", 12},
        {__LINE__, "\t8", 8},  {__LINE__, "-1", -1},    {__LINE__, "+3", 3},
        {__LINE__, "7x", 7},   {__LINE__, "7.5", 7.5},  {__LINE__, "1.5.2", 1.5},
        {__LINE__, ".5", 0.5}, {__LINE__, "-.5", -0.5}, {__LINE__, "", 0},
        {__LINE__, "abc", 0},  {__LINE__, "-", 0},      {__LINE__, ".", 0},
        {__LINE__, "1e3", 1},  {__LINE__, "- 5", 0},    {__LINE__, "21", 21},
    };
    for (const auto& row : rows) {
        ROW_TRACE(row);
        EXPECT_EQ(ReadLeadingNumber(row.text), row.value) << "text \"" << row.text << '"';
    }
    const std::string huge(400, '9');
    EXPECT_TRUE(std::isinf(ReadLeadingNumber(huge)));
    EXPECT_TRUE(std::isinf(ReadLeadingNumber("-" + huge)));
}

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour) {
    struct Row {
        int line;
        double value;
        double rounded;
    };
    const Row rows[] = {
        {__LINE__, 0.5, 0},   {__LINE__, 1.5, 2},
        {__LINE__, 2.5, 2},   {__LINE__, 3.5, 4},
        {__LINE__, -0.5, 0},  {__LINE__, -1.5, -2},
        {__LINE__, -2.5, -2}, {__LINE__, 8.5, 8},
        {__LINE__, 9.5, 10},  {__LINE__, 2.4, 2},
        {__LINE__, 2.6, 3},   {__LINE__, -2.6, -3},
        {__LINE__, 7, 7},     {__LINE__, 0.49999999999999994, 0},
    };
    for (const auto& row : rows) {
        ROW_TRACE(row);
        EXPECT_EQ(RoundHalfEven(row.value), row.rounded) << "value " << row.value;
    }
    EXPECT_EQ(RoundHalfEven(-std::numeric_limits<double>::infinity()),
              -std::numeric_limits<double>::infinity());
}

TEST(IntegerText, SignedPlainText) {
    EXPECT_EQ(IntegerText(-1), "-1");
    EXPECT_EQ(IntegerText(0), "0");
    EXPECT_EQ(IntegerText(18), "18");
}

TEST(LeadingDigitsText, ValueOfLeadingDigits) {
    struct Row {
        int line;
        const char* text;
        const char* digits;
    };
    const Row rows[] = {
        {__LINE__, "07", "7"},
        {__LINE__, "7x", "7"},
        {__LINE__, "00", "0"},
        {__LINE__, "010", "10"},
        {__LINE__, "", "0"},
        {__LINE__, "x7", "0"},
        {__LINE__, "0000000000000000000000123", "123"},
        {__LINE__, "123456789012345678901234567890", "123456789012345678901234567890"},
    };
    for (const auto& row : rows) {
        ROW_TRACE(row);
        EXPECT_EQ(LeadingDigitsText(row.text), row.digits) << "text \"" << row.text << '"';
    }
}

TEST(CountDecimals, CharactersAfterTheFirstPoint) {
    struct Row {
        int line;
        const char* text;
        int decimals;
    };
    const Row rows[] = {
        {__LINE__, "0.025", 3}, {__LINE__, "-0.0045", 4},    {__LINE__, "0", 0},
        {__LINE__, "12", 0},    {__LINE__, "1.5.2", 3},      {__LINE__, "", 0},
        {__LINE__, "3.", 0},    {__LINE__, "0.06900001", 8},
    };
    for (const auto& row : rows) {
        ROW_TRACE(row);
        EXPECT_EQ(CountDecimals(row.text), row.decimals) << "text \"" << row.text << '"';
    }
}

TEST(FormatDeviation, SignAndFixedDecimals) {
    struct Row {
        int line;
        float value;
        int decimals;
        const char* text;
    };
    const Row rows[] = {
        {__LINE__, 0.035f, 3, "+0.035"},    {__LINE__, -0.025f, 3, "-0.025"},
        {__LINE__, 0.01f, 3, "+0.010"},     {__LINE__, 1.2f, 3, "+1.200"},
        {__LINE__, 0.0045f, 4, "+0.0045"},  {__LINE__, 0.012f, 4, "+0.0120"},
        {__LINE__, -0.0045f, 4, "-0.0045"}, {__LINE__, -0.004f, 4, "-0.0040"},
        {__LINE__, 25.0f, 0, "+25"},        {__LINE__, 0.6f, 0, "+1"},
        {__LINE__, 0.00015f, 4, "+0.0002"}, {__LINE__, -0.00015f, 4, "-0.0002"},
        {__LINE__, 0.99996f, 4, "+1.0000"}, {__LINE__, -0.0315f, 3, "-0.032"},
        {__LINE__, 2.1f, 3, "+2.100"},      {__LINE__, -3.3f, 4, "-3.3000"},
    };
    for (const auto& row : rows) {
        ROW_TRACE(row);
        EXPECT_EQ(FormatDeviation(row.value, row.decimals), row.text)
            << "value " << row.value << " with " << row.decimals << " decimals";
    }
}

TEST(FormatDeviation, ZeroIsABlankAndADigitForAnyDecimals) {
    for (int d = 0; d <= 6; ++d) {
        EXPECT_EQ(FormatDeviation(0.0f, d), " 0") << d << " decimals";
        EXPECT_EQ(FormatDeviation(-0.0f, d), " 0") << d << " decimals";
    }
}

TEST(DecimalsForPair, FourWhenEitherValueNeedsMoreThanThree) {
    struct Row {
        int line;
        float first;
        float second;
        int decimals;
    };
    const Row rows[] = {
        {__LINE__, 0.035f, 0.0f, 3},        {__LINE__, 0.0045f, -0.004f, 4},
        {__LINE__, -0.004f, 0.0045f, 4},    {__LINE__, 0.01f, -0.025f, 3},
        {__LINE__, 0.00015f, -0.00015f, 4}, {__LINE__, 0.035f + 0.034f, 0.0f, 4},
        {__LINE__, 1.35f, -2.1f, 3},
    };
    for (const auto& row : rows) {
        ROW_TRACE(row);
        EXPECT_EQ(DecimalsForPair(row.first, row.second), row.decimals)
            << row.first << " and " << row.second;
    }
    const int d = DecimalsForPair(0.0045f, -0.004f);
    EXPECT_EQ(FormatDeviation(0.0045f, d), "+0.0045");
    EXPECT_EQ(FormatDeviation(-0.004f, d), "-0.0040");
}

}  // namespace
}  // namespace brimsel
