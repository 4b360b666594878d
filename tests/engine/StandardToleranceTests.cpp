#include <gtest/gtest.h>

#include <string>

#include "SyntheticTables.h"
#include "engine/StandardTolerance.h"

namespace brimsel {
namespace {

using test::MakeIndexedTolerances;

// Cell (k, r) of the indexed table.
float Cell(int k, int row) { return static_cast<float>(1000 * (row + 1) + 10 * k); }

const Table& Tolerances() {
    static const Table t = MakeIndexedTolerances({3, 10, 500, 3150});
    return t;
}

TEST(LookUpStandardTolerance, GradeTextSelectsColumnAndIsRewritten) {
    struct Row {
        int line;
        const char* grade;
        int column;
        const char* rewritten;
    };
    const Row rows[] = {
        {__LINE__, "01", 1, "-1"},
        {__LINE__, "-1", 1, "-1"},
        {__LINE__, "0", 2, "0"},
        {__LINE__, "1", 3, "1"},
        {__LINE__, "7", 9, "7"},
        {__LINE__, "18", 20, "18"},
        {__LINE__, " 7", 9, "7"},
        {__LINE__, "7x", 9, "7"},
        {__LINE__, "07", 9, "7"},
        {__LINE__, "+5", 7, "5"},
        // Halves go to the even column: 6.5 + 2 = 8.5 gives 8, 7.5 + 2 = 9.5 gives 10.
        {__LINE__, "6.5", 8, "6"},
        {__LINE__, "7.5", 10, "8"},
        {__LINE__, "7.6", 10, "8"},
        // A text without a number reads as 0, which is IT0.
        {__LINE__, "x", 2, "0"},
        {__LINE__, "001", 3, "1"},
    };
    for (const auto& row : rows) {
        testing::ScopedTrace trace(__FILE__, row.line, row.grade);
        const auto r = LookUpStandardTolerance(row.grade, 5.0f, Tolerances());
        ASSERT_FALSE(r.Failed);
        EXPECT_TRUE(r.BarPlaced);
        EXPECT_EQ(r.Tolerance, Cell(row.column, 1)) << "grade \"" << row.grade << '"';
        EXPECT_EQ(r.Grade, row.rewritten);
    }
}

TEST(LookUpStandardTolerance, RewrittenIt01GivesTheSameResultAgain) {
    const auto first = LookUpStandardTolerance("01", 100.0f, Tolerances());
    ASSERT_FALSE(first.Failed);
    ASSERT_EQ(first.Grade, "-1");
    const auto second = LookUpStandardTolerance(first.Grade, 100.0f, Tolerances());
    ASSERT_FALSE(second.Failed);
    EXPECT_EQ(second.Grade, "-1");
    EXPECT_EQ(second.Tolerance, first.Tolerance);
    EXPECT_EQ(second.Tolerance, Cell(1, 2));
}

TEST(LookUpStandardTolerance, DeltaOnlyForIt3ToIt8) {
    for (int n = -1; n <= 18; ++n) {
        const std::string grade = n == -1 ? "01" : std::to_string(n);
        const auto r = LookUpStandardTolerance(grade, 400.0f, Tolerances());
        ASSERT_FALSE(r.Failed) << grade;
        const int k = n + 2;
        EXPECT_EQ(r.Tolerance, Cell(k, 2)) << grade;
        EXPECT_EQ(r.Delta, n >= 3 && n <= 8 ? Cell(k, 2) - Cell(k - 1, 2) : 0.0f) << grade;
    }
}

TEST(LookUpStandardTolerance, RangeIncludesItsUpperLimit) {
    struct Row {
        int line;
        float size;
        int row;  // -1: above the last range
    };
    const Row rows[] = {
        {__LINE__, 0.0f, 0},   {__LINE__, 3.0f, 0},     {__LINE__, 3.001f, 1},
        {__LINE__, 10.0f, 1},  {__LINE__, 10.0001f, 2}, {__LINE__, 500.0f, 2},
        {__LINE__, 501.0f, 3}, {__LINE__, 3150.0f, 3},  {__LINE__, 3150.01f, -1},
        {__LINE__, -5.0f, 0},
    };
    for (const auto& row : rows) {
        testing::ScopedTrace trace(__FILE__, row.line, "size row");
        const auto r = LookUpStandardTolerance("5", row.size, Tolerances());
        ASSERT_FALSE(r.Failed) << "size " << row.size;
        EXPECT_EQ(r.Grade, "5");
        if (row.row < 0) {
            EXPECT_EQ(r.Tolerance, 0.0f) << "size " << row.size;
            EXPECT_EQ(r.Delta, 0.0f) << "size " << row.size;
        } else {
            EXPECT_EQ(r.Tolerance, Cell(7, row.row)) << "size " << row.size;
            EXPECT_EQ(r.Delta, Cell(7, row.row) - Cell(6, row.row)) << "size " << row.size;
        }
    }
}

TEST(LookUpStandardTolerance, InvalidGradeFailsBeforeTheBarIsPlaced) {
    for (const char* grade : {"", "21", "20.5", "99", "   25"}) {
        const auto r = LookUpStandardTolerance(grade, 100.0f, Tolerances());
        EXPECT_TRUE(r.Failed) << '"' << grade << '"';
        EXPECT_FALSE(r.BarPlaced) << '"' << grade << '"';
        EXPECT_EQ(r.Grade, grade);
        EXPECT_EQ(r.Tolerance, 0.0f);
    }
}

TEST(LookUpStandardTolerance, GradeOutsideTheTableFailsAfterTheBarIsPlaced) {
    const std::string hugeNegative = "-" + std::string(400, '9');
    // 19 and 20 pass the first check but name columns 21 and 22; below -1 the
    // index would reach column 0 (the size limit) or lie before the table.
    for (const std::string grade :
         {"19", "20", "20.0", "-2", "-3", "-1.6", "-99999999999999999999", hugeNegative.c_str()}) {
        const auto r = LookUpStandardTolerance(grade, 100.0f, Tolerances());
        EXPECT_TRUE(r.Failed) << '"' << grade << '"';
        EXPECT_TRUE(r.BarPlaced) << '"' << grade << '"';
        EXPECT_EQ(r.Grade, grade);
        EXPECT_EQ(r.Tolerance, 0.0f);
        EXPECT_EQ(r.Delta, 0.0f);
    }
}

TEST(LookUpStandardTolerance, ColumnsAreCheckedAgainstTheTableItself) {
    Table narrow = Table::Sized(9, 1);
    narrow(0, 0) = 3150.0f;
    narrow(8, 0) = 42.0f;
    const auto ok = LookUpStandardTolerance("6", 10.0f, narrow);
    EXPECT_FALSE(ok.Failed);
    EXPECT_EQ(ok.Tolerance, 42.0f);
    const auto outside = LookUpStandardTolerance("7", 10.0f, narrow);
    EXPECT_TRUE(outside.Failed);
    EXPECT_TRUE(outside.BarPlaced);
    EXPECT_EQ(outside.Grade, "7");

    const auto empty = LookUpStandardTolerance("7", 10.0f, Table{});
    EXPECT_TRUE(empty.Failed);

    const Table noRows = Table::Sized(21, 0);
    const auto none = LookUpStandardTolerance("7", 10.0f, noRows);
    EXPECT_FALSE(none.Failed);
    EXPECT_EQ(none.Tolerance, 0.0f);
}

}  // namespace
}  // namespace brimsel
