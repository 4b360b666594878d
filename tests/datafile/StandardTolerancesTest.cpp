#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "TableChecks.h"

namespace brimsel {
namespace {

using table_checks::MeanSize;
using table_checks::RoundingStep;
using table_checks::Standard;

const Table& Tolerances() { return Standard().StandardTolerances; }

double Lower(std::int32_t row) { return row == 0 ? 0 : ToleranceSizeLimits()[row - 1]; }

// IT of a grade number in a row.
double It(int grade, std::int32_t row) { return Tolerances()(grade + 2, row); }

// The standard tolerance factor i (up to 500 mm) or I (above), micrometres.
double Factor(std::int32_t row) {
    const double d = MeanSize(Lower(row), ToleranceSizeLimits()[row]);
    return ToleranceSizeLimits()[row] <= 500 ? 0.45 * std::cbrt(d) + 0.001 * d : 0.004 * d + 2.1;
}

// The standard's derivation of ITn in a row.
double Derived(int grade, std::int32_t row) {
    static const double kMultiples[] = {7,   10,  16,  25,  40,   64,   100,
                                        160, 250, 400, 640, 1000, 1600, 2500};
    const double limit = ToleranceSizeLimits()[row];
    const double d = MeanSize(Lower(row), limit);
    if (grade >= 5) return kMultiples[grade - 5] * Factor(row);
    if (limit > 500) {
        static const double kFine[] = {2, 2.7, 3.7, 5};  // IT1 to IT4 times I
        return kFine[grade - 1] * Factor(row);
    }
    if (grade == -1) return 0.3 + 0.008 * d;
    if (grade == 0) return 0.5 + 0.012 * d;
    if (grade == 1) return 0.8 + 0.020 * d;
    // IT2 to IT4 lie in a geometric series from the printed IT1 to IT5.
    return It(1, row) * std::pow(It(5, row) / It(1, row), (grade - 1) / 4.0);
}

struct PrintedCell {
    double UpTo;
    int Grade;
    double Value;  // micrometres, as printed
};

// Cells the standard prints further from their own formula than one rounding
// step: mostly the small sizes, where the formula's mean size of the first
// range (1.7 mm) gives too little, and the ranges on either side of 500 mm.
// clang-format off
const std::vector<PrintedCell> kDeparting = {
    {3, 7, 10}, {3, 9, 25}, {3, 10, 40}, {3, 11, 60}, {3, 12, 100},
    {3, 14, 250}, {3, 15, 400}, {3, 16, 600}, {3, 17, 1000},
    {6, 1, 1}, {6, 4, 4}, {6, 10, 48}, {6, 15, 480},
    {10, 12, 150}, {10, 17, 1500},
    {18, 0, 0.8}, {18, 12, 180}, {18, 17, 1800},
    {30, -1, 0.6}, {30, 0, 1},
    {500, 1, 8}, {500, 6, 40}, {500, 11, 400}, {500, 16, 4000},
    {630, 5, 32}, {800, 5, 36}, {3150, 5, 96},
};
// clang-format on

std::string GradeName(int grade) { return grade == -1 ? "IT01" : "IT" + std::to_string(grade); }

TEST(StandardTolerances, RowsAreTheStandardsSizeRanges) {
    ASSERT_EQ(Tolerances().Columns, 21);
    ASSERT_EQ(Tolerances().Rows, 21);
    for (std::int32_t row = 0; row < 21; ++row)
        EXPECT_EQ(Tolerances()(0, row), ToleranceSizeLimits()[row]) << row;
    EXPECT_EQ(ToleranceSizeLimits().front(), 3.0f);
    EXPECT_EQ(ToleranceSizeLimits().back(), 3150.0f);
}

TEST(StandardTolerances, FineGradesExistUpTo500Only) {
    for (std::int32_t row = 0; row < 21; ++row) {
        for (int grade = -1; grade <= 0; ++grade) {
            if (ToleranceSizeLimits()[row] <= 500)
                EXPECT_GT(It(grade, row), 0)
                    << GradeName(grade) << " up to " << ToleranceSizeLimits()[row];
            else
                EXPECT_EQ(It(grade, row), 0)
                    << GradeName(grade) << " up to " << ToleranceSizeLimits()[row];
        }
        for (int grade = 1; grade <= 18; ++grade)
            EXPECT_GT(It(grade, row), 0)
                << GradeName(grade) << " up to " << ToleranceSizeLimits()[row];
    }
}

TEST(StandardTolerances, PrintedValuesFollowTheirFormulas) {
    for (std::int32_t row = 0; row < 21; ++row) {
        const double limit = ToleranceSizeLimits()[row];
        for (int grade = -1; grade <= 18; ++grade) {
            const double printed = It(grade, row);
            if (printed == 0) continue;
            const double derived = Derived(grade, row);
            const bool within = std::abs(printed - derived) <= RoundingStep(derived) + 1e-9;
            const PrintedCell* listed = nullptr;
            for (const PrintedCell& cell : kDeparting)
                if (cell.UpTo == limit && cell.Grade == grade) listed = &cell;
            if (listed) {
                EXPECT_EQ(static_cast<float>(printed), static_cast<float>(listed->Value))
                    << __FILE__ << ": departing cell " << GradeName(grade) << " up to " << limit
                    << " changed";
                EXPECT_FALSE(within)
                    << "listed as departing but within rounding: " << GradeName(grade) << " up to "
                    << limit << " = " << printed;
            } else {
                EXPECT_TRUE(within) << __FILE__ << ": " << GradeName(grade) << " up to " << limit
                                    << " is " << printed << ", formula gives " << derived << "\n  {"
                                    << limit << ", " << grade << ", " << printed << "},";
            }
        }
    }
}

// From IT6 on, five grades up is ten times the tolerance.
TEST(StandardTolerances, FiveGradesUpIsTenTimes) {
    for (std::int32_t row = 0; row < 21; ++row)
        for (int grade = 12; grade <= 18; ++grade)
            EXPECT_EQ(It(grade, row), 10 * It(grade - 5, row))
                << GradeName(grade) << " up to " << ToleranceSizeLimits()[row];
}

TEST(StandardTolerances, GrowAlongSizesAndGrades) {
    for (std::int32_t row = 0; row < 21; ++row) {
        for (int grade = -1; grade <= 18; ++grade) {
            if (It(grade, row) == 0) continue;
            if (grade < 18) {
                EXPECT_LT(It(grade, row), It(grade + 1, row))
                    << GradeName(grade) << " up to " << ToleranceSizeLimits()[row];
            }
            if (row > 0 && It(grade, row - 1) > 0) {
                EXPECT_LE(It(grade, row - 1), It(grade, row))
                    << GradeName(grade) << " up to " << ToleranceSizeLimits()[row];
            }
        }
    }
}

// The standard's own table of Δ for IT3 to IT8, 3 to 500 mm, is the difference
// of neighbouring grades; the hole deviations with Δ rely on that.
TEST(StandardTolerances, DeltaIsTheDifferenceOfNeighbouringGrades) {
    struct DeltaRow {
        double UpTo;
        double Delta[6];  // IT3 to IT8
    };
    // clang-format off
    const DeltaRow kPrinted[] = {
        {6, {1, 1.5, 1, 3, 4, 6}},    {10, {1, 1.5, 2, 3, 6, 7}},   {18, {1, 2, 3, 3, 7, 9}},
        {30, {1.5, 2, 3, 4, 8, 12}},  {50, {1.5, 3, 4, 5, 9, 14}},  {80, {2, 3, 5, 6, 11, 16}},
        {120, {2, 4, 5, 7, 13, 19}},  {180, {3, 4, 6, 7, 15, 23}},  {250, {3, 4, 6, 9, 17, 26}},
        {315, {4, 4, 7, 9, 20, 29}},  {400, {4, 5, 7, 11, 21, 32}}, {500, {5, 5, 7, 13, 23, 34}},
    };
    // clang-format on
    for (const DeltaRow& printed : kPrinted) {
        const std::int32_t row = table_checks::ToleranceRow(printed.UpTo);
        for (int grade = 3; grade <= 8; ++grade)
            EXPECT_FLOAT_EQ(static_cast<float>(It(grade, row) - It(grade - 1, row)),
                            static_cast<float>(printed.Delta[grade - 3]))
                << "Δ of IT" << grade << " up to " << printed.UpTo;
    }
}

}  // namespace
}  // namespace brimsel
