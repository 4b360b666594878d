#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "results/FitLimits.h"

namespace brimsel {
namespace {

struct LimitRow {
    const char* File;
    int Line;
    float ES, EI, es, ei;
    const char* HoleUpperCaption;
    const char* ShaftUpperCaption;
    int Decimals;
    std::string TextMax, TextMin;
    int First, Second, Kind;
};

#define ROW(...) \
    LimitRow { __FILE__, __LINE__, __VA_ARGS__ }

void Check(const std::vector<LimitRow>& rows) {
    for (const LimitRow& row : rows) {
        SCOPED_TRACE(testing::Message() << row.File << ":" << row.Line);
        const FitLimits limits = ComputeFitLimits(row.ES, row.EI, row.es, row.ei,
                                                  row.HoleUpperCaption, row.ShaftUpperCaption);
        EXPECT_EQ(limits.Decimals, row.Decimals);
        EXPECT_EQ(limits.TextMax, row.TextMax);
        EXPECT_EQ(limits.TextMin, row.TextMin);
        EXPECT_EQ(limits.FirstLimitString, row.First);
        EXPECT_EQ(limits.SecondLimitString, row.Second);
        EXPECT_EQ(limits.KindString, row.Kind);
    }
}

TEST(FitLimits, WorkedExampleClearanceAndInterference) {
    const FitLimits clearance =
        ComputeFitLimits(0.035f, 0.0f, -0.012f, -0.034f, "+0.035", "-0.012");
    EXPECT_FLOAT_EQ(clearance.Xmax, 0.069f);
    EXPECT_FLOAT_EQ(clearance.Xmin, 0.012f);
    EXPECT_EQ(clearance.TextMax, "+0.069");
    EXPECT_EQ(clearance.TextMin, "+0.012");
    EXPECT_DOUBLE_EQ(clearance.ValueMax, 0.069);
    EXPECT_DOUBLE_EQ(clearance.ValueMin, 0.012);
    EXPECT_EQ(clearance.FirstLimitString, 19);
    EXPECT_EQ(clearance.SecondLimitString, 20);
    EXPECT_EQ(clearance.KindString, 11);
    EXPECT_EQ(FractionBarRightEnd("+0.035", " 0", "-0.012", "-0.034"), 1995);

    const FitLimits interference =
        ComputeFitLimits(0.035f, 0.0f, 0.093f, 0.071f, "+0.035", "+0.093");
    EXPECT_EQ(interference.TextMax, "-0.036");
    EXPECT_EQ(interference.TextMin, "-0.093");
    EXPECT_DOUBLE_EQ(interference.ValueMax, -0.036);
    EXPECT_DOUBLE_EQ(interference.ValueMin, -0.093);
    EXPECT_EQ(interference.FirstLimitString, 22);
    EXPECT_EQ(interference.SecondLimitString, 21);
    EXPECT_EQ(interference.KindString, 13);
}

// One row per line of the table of resulting rows, plus the boundary values
// that decide between them.
TEST(FitLimits, ResultingRows) {
    Check({
        // vMax > 0, vMin > 0: clearance (H8/f7 at 100 mm).
        ROW(0.054f, 0.0f, -0.036f, -0.071f, "+0.054", "-0.036", 3, "+0.125", "+0.036", 19, 20, 11),
        // vMax > 0, vMin = 0: clearance with a zero smallest clearance (H7/h6).
        ROW(0.035f, 0.0f, 0.0f, -0.022f, "+0.035", " 0", 3, "+0.057", " 0", 19, 20, 11),
        // vMax > 0, vMin < 0: transition (H7/k6).
        ROW(0.035f, 0.0f, 0.025f, 0.003f, "+0.035", "+0.025", 3, "+0.032", "-0.025", 19, 21, 12),
        // vMax < 0, vMin < 0: interference.
        ROW(0.035f, 0.0f, 0.093f, 0.071f, "+0.035", "+0.093", 3, "-0.036", "-0.093", 22, 21, 13),
        // vMax = 0, vMin < 0: still interference, the largest clearance shown as " 0".
        ROW(0.035f, 0.0f, 0.059f, 0.035f, "+0.035", "+0.059", 3, " 0", "-0.059", 22, 21, 13),
        // vMax <= 0, vMin >= 0: only when both texts show zero.
        ROW(0.0f, -0.0004f, 0.0f, -0.0004f, " 0", " 0", 3, "+0.000", "-0.000", 22, 20, 12),
    });
}

TEST(FitLimits, DecimalsComeFromTheUpperCaptionsOnly) {
    Check({
        // A zero upper deviation shows " 0" and asks for no decimals, even
        // beside a lower deviation with four.
        ROW(0.010f, 0.0f, 0.0f, -0.0008f, "+0.010", " 0", 3, "+0.011", " 0", 19, 20, 11),
        ROW(0.0100f, 0.0f, 0.0f, -0.0008f, "+0.0100", " 0", 4, "+0.0108", " 0", 19, 20, 11),
        ROW(0.010f, 0.0f, -0.0045f, -0.0085f, "+0.010", "-0.0045", 4, "+0.0185", "+0.0045", 19, 20,
            11),
        // A hole upper caption of +0.0245 asks for four decimals.
        ROW(0.0245f, 0.0f, -0.009f, -0.025f, "+0.0245", "-0.009", 4, "+0.0495", "+0.0090", 19, 20,
            11),
        // Exactly three decimals keep three.
        ROW(0.025f, 0.0f, -0.025f, -0.050f, "+0.025", "-0.025", 3, "+0.075", "+0.025", 19, 20, 11),
    });
}

// What is shown decides names and kind: +0.0004 shown as +0.000 is zero.
TEST(FitLimits, ADifferenceShownAsZeroCountsAsZero) {
    const FitLimits limits = ComputeFitLimits(0.0f, -0.010f, 0.0f, -0.0004f, " 0", " 0");
    EXPECT_GT(limits.Xmax, 0.0f);
    EXPECT_EQ(limits.TextMax, "+0.000");
    EXPECT_EQ(limits.ValueMax, 0.0);
    EXPECT_EQ(limits.TextMin, "-0.010");
    EXPECT_EQ(limits.FirstLimitString, 22);
    EXPECT_EQ(limits.SecondLimitString, 21);
    EXPECT_EQ(limits.KindString, 13);

    const FitLimits tiny = ComputeFitLimits(0.0f, -0.0004f, 0.0f, -0.010f, " 0", " 0");
    EXPECT_LT(tiny.Xmin, 0.0f);
    EXPECT_EQ(tiny.TextMax, "+0.010");
    EXPECT_EQ(tiny.TextMin, "-0.000");
    EXPECT_EQ(tiny.FirstLimitString, 19);
    EXPECT_EQ(tiny.SecondLimitString, 20);
    EXPECT_EQ(tiny.KindString, 11);
}

TEST(FitLimits, FractionBarRightEnd) {
    struct Bar {
        int Line;
        const char *HoleUpper, *HoleLower, *ShaftUpper, *ShaftLower;
        int Expected;
    };
    for (const Bar& row : std::vector<Bar>{
             {__LINE__, "+0.035", " 0", "-0.012", "-0.034", 1995},
             {__LINE__, " - - -", " - - -", " - - -", " - - -", 1995},
             {__LINE__, "", "", "", "", 1995},
             {__LINE__, "+0.0245", " 0", "-0.012", "-0.034", 2070},
             {__LINE__, "+0.035", "+0.0125", "-0.012", "-0.034", 2070},
             {__LINE__, "+0.035", " 0", "-0.0045", "-0.034", 2070},
             {__LINE__, "+0.035", " 0", "-0.012", "-0.0340", 2070},
             {__LINE__, "+1.200", "+0.500", "-1.100", "-1.500", 1995},
             {__LINE__, "+10.200", "+0.500", "-1.100", "-1.500", 2070},
             // Counted in characters: a six-character caption with a
             // three-byte minus sign still fits.
             {__LINE__, "\u22120.036", " 0", "-0.012", "-0.034", 1995},
         }) {
        EXPECT_EQ(FractionBarRightEnd(row.HoleUpper, row.HoleLower, row.ShaftUpper, row.ShaftLower),
                  row.Expected)
            << "line " << row.Line;
    }
}

}  // namespace
}  // namespace brimsel
