// The deviation rules one at a time, on tables made for each rule.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "SyntheticTables.h"
#include "engine/Deviations.h"
#include "engine/Formatting.h"
#include "engine/NumberText.h"

namespace brimsel {
namespace {

using test::KeyRow;
using test::MakeDeviations;
using test::MakeIndexedTolerances;
using test::MakeKeys;

constexpr float U = kUndefinedMark;

// Size limits of the tolerance table used below; IT of grade n in row r is
// 1000 * (r + 1) + 10 * (n + 2), so Δ is 10 for IT3..IT8.
Table Tolerances() { return MakeIndexedTolerances({3, 10, 250, 315, 500, 3150}); }
double It(int n, int row) { return 1000.0 * (row + 1) + 10.0 * (n + 2); }
constexpr double kDelta = 10.0;

ToleranceData Data(Table keys, Table deviations, Table tolerances = Tolerances()) {
    ToleranceData d;
    d.DeviationKeys = std::move(keys);
    d.FundamentalDeviations = std::move(deviations);
    d.StandardTolerances = std::move(tolerances);
    d.FormatMark = 2;
    return d;
}

ZoneDeviations Hole(const ToleranceData& d, std::string_view letters, std::string_view grade,
                    float size, bool custom = false, std::string_view zoneText = "") {
    return EvaluateHoleZone(d, ZoneQuery{letters, grade, size, custom, zoneText});
}

ZoneDeviations Shaft(const ToleranceData& d, std::string_view letters, std::string_view grade,
                     float size, bool custom = false) {
    return EvaluateShaftZone(d, ZoneQuery{letters, grade, size, custom, ""});
}

// Success with the deviations (µm) stored as the float of the millimetre value.
testing::AssertionResult Microns(const ZoneDeviations& r, double upper, double lower) {
    if (!r.Ok()) return testing::AssertionFailure() << "failed with code " << r.ErrorCode;
    const auto u = static_cast<float>(upper / 1000.0);
    const auto l = static_cast<float>(lower / 1000.0);
    if (r.Upper != u || r.Lower != l) {
        return testing::AssertionFailure()
               << "got " << SingleText(r.Upper) << " / " << SingleText(r.Lower) << " mm, expected "
               << SingleText(u) << " / " << SingleText(l);
    }
    return testing::AssertionSuccess();
}

testing::AssertionResult FailsWith(const ZoneDeviations& r, int code) {
    if (r.ErrorCode != code) {
        return testing::AssertionFailure()
               << "code " << r.ErrorCode << " (" << SingleText(r.Upper) << " / "
               << SingleText(r.Lower) << "), expected " << code;
    }
    if (r.Upper != 0.0f || r.Lower != 0.0f || !r.UpperText.empty() || !r.LowerText.empty()) {
        return testing::AssertionFailure() << "a failed result carries deviations";
    }
    return testing::AssertionSuccess();
}

TEST(LetterCode, EncodesPairsOfCharacterCodesMinus50) {
    struct Row {
        int line;
        const char* letters;
        float code;
    };
    const Row rows[] = {
        {__LINE__, "A", 15},    {__LINE__, "H", 22},    {__LINE__, "Z", 40}, {__LINE__, "CD", 1718},
        {__LINE__, "ZC", 4017}, {__LINE__, "JS", 2433}, {__LINE__, "a", 47}, {__LINE__, "cd", 4950},
        {__LINE__, "zc", 7249}, {__LINE__, "ef", 5152}, {__LINE__, "z", 72},
    };
    for (const auto& row : rows) {
        testing::ScopedTrace trace(__FILE__, row.line, row.letters);
        EXPECT_EQ(EncodeLetterCode(row.letters), row.code);
        EXPECT_EQ(DecodeLetterCode(row.code), row.letters);
    }
}

TEST(LetterCode, DecodingReadsTheSevenDigitText) {
    EXPECT_EQ(DecodeLetterCode(0.0f), "2");
    EXPECT_EQ(DecodeLetterCode(-0.0f), "2");
    // An odd number of digits leaves a one-digit pair at the end.
    EXPECT_EQ(DecodeLetterCode(171.0f), "C3");
    EXPECT_EQ(DecodeLetterCode(1701.0f), "C3");
    // Beyond seven digits the text is rounded: 15161718 is written 15161720.
    EXPECT_EQ(DecodeLetterCode(15161718.0f), "ABCF");
    // Non-digit pairs are read leniently: "15.5" gives "15" and ".5" (0.5, so code 50).
    EXPECT_EQ(DecodeLetterCode(15.5f), "A2");
    EXPECT_EQ(DecodeLetterCode(-15.0f), "17");
}

// The key search compares codes without writing them as text where it can;
// whatever the code, a row must match exactly the letters its text decodes to.
TEST(KeySearch, MatchesExactlyTheDecodedLettersOfAnyCode) {
    ToleranceData d = Data(MakeKeys({{"A", 18, 1}}, {}), MakeDeviations({{3150, 7}}));
    auto check = [&](float code, int line) {
        d.DeviationKeys(0, 0) = code;
        const std::string own = DecodeLetterCode(code);
        const auto hit = Hole(d, own, "7", 5.0f);
        EXPECT_TRUE(hit.Ok()) << "line " << line << ": code " << SingleText(code) << " letters \""
                              << own << "\" error " << hit.ErrorCode;
        for (const float near : {code + 1.0f, std::nextafter(code, 1e30f)}) {
            const std::string other = DecodeLetterCode(near);
            if (other == own || other == "JS") continue;
            EXPECT_EQ(Hole(d, other, "7", 5.0f).ErrorCode, error_code::kHoleZone)
                << "line " << line << ": code " << SingleText(code) << " matched \"" << other
                << '"';
        }
    };
    for (int code = 0; code < 20000; ++code) check(static_cast<float>(code), __LINE__);
    for (int code = 9'999'000; code < 10'001'000; ++code) check(static_cast<float>(code), __LINE__);
    for (const float code : {15.5f, -15.0f, -0.0f, 1718.05f, 4017.5f, 15161718.0f, 99999999.0f,
                             123456.7f, 0.25f, 1e20f, -1e-3f}) {
        check(code, __LINE__);
    }
    // Both readings of a trailing digit: 171 ("17", "1") and 1701 ("17", "01").
    d.DeviationKeys(0, 0) = 1701.0f;
    EXPECT_TRUE(Hole(d, "C3", "7", 5.0f).Ok());
    d.DeviationKeys(0, 0) = 171.0f;
    EXPECT_TRUE(Hole(d, "C3", "7", 5.0f).Ok());
    EXPECT_EQ(Hole(d, "C", "7", 5.0f).ErrorCode, error_code::kHoleZone);
    EXPECT_EQ(Hole(d, "C31", "7", 5.0f).ErrorCode, error_code::kHoleZone);
    EXPECT_EQ(Hole(d, "", "7", 5.0f).ErrorCode, error_code::kHoleZone);
}

TEST(KeySearch, FirstRowOfTheLettersWhoseBandHoldsTheGrade) {
    const auto d = Data(MakeKeys({{"C", 18, 1},
                                  {"K", -1, 2},
                                  {"K", 8, 3},
                                  {"K", 12, 4},
                                  {"K", 18, 5},
                                  {"CD", 18, 6},
                                  {"K", 18, 1}},
                                 {}),
                        MakeDeviations({{3150, 11, 22, 33, 44, 55, 66}}));
    EXPECT_TRUE(Microns(Hole(d, "K", "01", 5.0f), 22, 22 - It(-1, 1)));
    EXPECT_TRUE(Microns(Hole(d, "K", "0", 5.0f), 33, 33 - It(0, 1)));
    EXPECT_TRUE(Microns(Hole(d, "K", "8", 5.0f), 33, 33 - It(8, 1)));
    EXPECT_TRUE(Microns(Hole(d, "K", "9", 5.0f), 44, 44 - It(9, 1)));
    EXPECT_TRUE(Microns(Hole(d, "K", "12", 5.0f), 44, 44 - It(12, 1)));
    EXPECT_TRUE(Microns(Hole(d, "K", "13", 5.0f), 55, 55 - It(13, 1)));
    EXPECT_TRUE(Microns(Hole(d, "C", "7", 5.0f), 11 + It(7, 1), 11));
    EXPECT_TRUE(Microns(Hole(d, "CD", "7", 5.0f), 66 + It(7, 1), 66));
    EXPECT_TRUE(FailsWith(Hole(d, "D", "7", 5.0f), error_code::kHoleZone));
}

TEST(KeySearch, GradeAboveTheLastBandIsNotValid) {
    const auto d = Data(MakeKeys({{"J", 6, 1}, {"J", 8, 2}}, {{"j", 6, 1}, {"j", 8, 2}}),
                        MakeDeviations({{3150, 5, 7}}));
    EXPECT_TRUE(Microns(Hole(d, "J", "8", 5.0f), 7, 7 - It(8, 1)));
    EXPECT_TRUE(FailsWith(Hole(d, "J", "9", 5.0f), error_code::kHoleZone));
    EXPECT_TRUE(Microns(Shaft(d, "j", "8", 5.0f), 7 + It(8, 1), 7));
    EXPECT_TRUE(FailsWith(Shaft(d, "j", "9", 5.0f), error_code::kShaftZone));
}

TEST(KeySearch, HolesSearchRows0To57AndShaftsTheRest) {
    Table keys = MakeKeys({}, {{"A", 18, 2}, {"b", 18, 1}});
    keys(0, 57) = EncodeLetterCode("Z");
    keys(1, 57) = 18;
    keys(2, 57) = 1;
    keys(0, 56) = EncodeLetterCode("y");
    keys(1, 56) = 18;
    keys(2, 56) = 1;
    const auto d = Data(std::move(keys), MakeDeviations({{3150, 100, 200}}));
    EXPECT_TRUE(Microns(Hole(d, "Z", "7", 5.0f), 100, 100 - It(7, 1)));
    EXPECT_TRUE(FailsWith(Hole(d, "A", "7", 5.0f), error_code::kHoleZone));
    EXPECT_TRUE(Microns(Shaft(d, "b", "7", 5.0f), 100, 100 - It(7, 1)));
    EXPECT_TRUE(FailsWith(Shaft(d, "y", "7", 5.0f), error_code::kShaftZone));
}

TEST(KeySearch, ZeroRowsDecodeToTwoAndNeverMatchALetter) {
    ASSERT_EQ(DecodeLetterCode(0.0f), "2");
    const auto d = Data(MakeKeys({}, {}), MakeDeviations({{3150, 1}}));
    for (const char* letters :
         {"A", "B", "C", "CD", "D", "E", "EF", "F", "FG", "G", "H",  "J",  "K", "M",
          "N", "P", "R", "S",  "T", "U", "V",  "X", "Y",  "Z", "ZA", "ZB", "ZC"}) {
        for (const char* grade : {"01", "0", "7", "18"}) {
            EXPECT_TRUE(FailsWith(Hole(d, letters, grade, 5.0f), error_code::kHoleZone))
                << letters << grade;
        }
    }
}

TEST(KeySearch, TableOfExactly58RowsHasNoShaftRows) {
    const auto d = Data(MakeKeys({{"h", 18, 1}, {"g", 18, 1}}, {}), MakeDeviations({{3150, 0}}));
    ASSERT_EQ(d.DeviationKeys.Rows, kHoleKeyRows);
    for (const char* letters :
         {"a", "b", "c", "cd", "d", "e", "ef", "f", "fg", "g", "h",  "j",  "k", "m",
          "n", "p", "r", "s",  "t", "u", "v",  "x", "y",  "z", "za", "zb", "zc"}) {
        EXPECT_TRUE(FailsWith(Shaft(d, letters, "7", 5.0f), error_code::kShaftZone)) << letters;
    }
    EXPECT_TRUE(Microns(Shaft(d, "js", "7", 5.0f), It(7, 1) / 2, -It(7, 1) / 2));
}

TEST(KeySearch, ShortKeyTableIsNeverReadPastItsEnd) {
    Table keys = Table::Sized(3, 2);
    keys(0, 1) = EncodeLetterCode("H");
    keys(1, 1) = 18;
    keys(2, 1) = 1;
    const auto d = Data(std::move(keys), MakeDeviations({{3150, 0}}));
    EXPECT_TRUE(Microns(Hole(d, "H", "7", 5.0f), It(7, 1), 0));
    EXPECT_TRUE(FailsWith(Shaft(d, "h", "7", 5.0f), error_code::kShaftZone));
    ToleranceData narrow = d;
    narrow.DeviationKeys = Table::Sized(2, 60);
    EXPECT_TRUE(FailsWith(Hole(narrow, "H", "7", 5.0f), error_code::kHoleZone));
}

TEST(DeviationColumn, ZeroMeansTheStandardGivesNoValue) {
    const auto d = Data(MakeKeys({{"T", 18, 0}}, {{"t", 18, 0}}), MakeDeviations({{3150, 1}}));
    EXPECT_TRUE(FailsWith(Hole(d, "T", "7", 5.0f), error_code::kHoleOutside));
    EXPECT_TRUE(FailsWith(Shaft(d, "t", "7", 5.0f), error_code::kShaftOutside));
}

TEST(DeviationColumn, RoundedHalfEvenAndCheckedAgainstTheTable) {
    const auto d = Data(MakeKeys({{"R", 18, 2.5f},
                                  {"S", 18, 3.5f},
                                  {"T", 18, 1.4f},
                                  {"U", 18, 0.4f},
                                  {"V", 18, 5.0f},
                                  {"X", 18, -1.0f}},
                                 {{"x", 18, 99.0f}}),
                        MakeDeviations({{3150, 10, 20, 30, 40}}));
    EXPECT_TRUE(Microns(Hole(d, "R", "7", 5.0f), 20, 20 - It(7, 1)));
    EXPECT_TRUE(Microns(Hole(d, "S", "7", 5.0f), 40, 40 - It(7, 1)));
    EXPECT_TRUE(Microns(Hole(d, "T", "7", 5.0f), 10, 10 - It(7, 1)));
    EXPECT_TRUE(FailsWith(Hole(d, "U", "7", 5.0f), error_code::kHoleOutside));
    EXPECT_TRUE(FailsWith(Hole(d, "V", "7", 5.0f), error_code::kHoleOutside));
    EXPECT_TRUE(FailsWith(Hole(d, "X", "7", 5.0f), error_code::kHoleOutside));
    EXPECT_TRUE(FailsWith(Shaft(d, "x", "7", 5.0f), error_code::kShaftOutside));
}

TEST(FundamentalDeviation, RowIsTheFirstWhoseLimitHoldsTheSize) {
    const auto d = Data(MakeKeys({{"G", 18, 1}}, {{"g", 18, 1}}),
                        MakeDeviations({{3, 2}, {6, 4}, {10, 5}, {14, 6}}));
    struct Row {
        int line;
        float size;
        double f;
    };
    const Row rows[] = {{__LINE__, 0.0f, 2}, {__LINE__, 3.0f, 2},  {__LINE__, 3.001f, 4},
                        {__LINE__, 6.0f, 4}, {__LINE__, 9.99f, 5}, {__LINE__, 14.0f, 6}};
    for (const auto& row : rows) {
        testing::ScopedTrace trace(__FILE__, row.line, "size row");
        const int itRow = row.size <= 3 ? 0 : row.size <= 10 ? 1 : 2;
        EXPECT_TRUE(Microns(Hole(d, "G", "6", row.size), row.f + It(6, itRow), row.f));
        EXPECT_TRUE(Microns(Shaft(d, "g", "6", row.size), row.f, row.f - It(6, itRow)));
    }
}

TEST(FundamentalDeviation, StaysZeroWhenNoRowHoldsTheSize) {
    const auto d =
        Data(MakeKeys({{"K", 18, 1}, {"A", 18, 1}}, {{"k", 18, 1}}), MakeDeviations({{500, -3}}));
    EXPECT_TRUE(Microns(Hole(d, "K", "9", 600.0f), 0, -It(9, 5)));
    EXPECT_TRUE(Microns(Hole(d, "A", "9", 600.0f), It(9, 5), 0));
    EXPECT_TRUE(Microns(Shaft(d, "k", "9", 600.0f), It(9, 5), 0));
}

TEST(FundamentalDeviation, UndefinedMarkIsOutsideTheStandard) {
    const auto d =
        Data(MakeKeys({{"V", 18, 1}}, {{"v", 18, 1}}), MakeDeviations({{10, U}, {18, -39}}));
    const auto hole = Hole(d, "V", "01", 8.0f);
    EXPECT_TRUE(FailsWith(hole, error_code::kHoleOutside));
    EXPECT_EQ(hole.Grade, "-1");
    EXPECT_TRUE(FailsWith(Shaft(d, "v", "6", 8.0f), error_code::kShaftOutside));
    EXPECT_TRUE(Microns(Hole(d, "V", "6", 15.0f), -39, -39 - It(6, 2)));
}

TEST(FundamentalDeviation, DeltaMarkAddsDeltaFromIt3Up) {
    const auto d =
        Data(MakeKeys({{"K", 18, 1}, {"P", 18, 2}, {"M", 18, 3}, {"N", 18, 4}, {"R", 18, 5}},
                      {{"k", 18, 1}, {"p", 18, 2}}),
             MakeDeviations({{3150, -3.05f, 2.05f, -2100.05f, -3.5f, -3.005f}}));
    struct Row {
        int line;
        const char* letters;
        const char* grade;
        double es;  // µm; NAN: code 31
    };
    const Row rows[] = {
        {__LINE__, "K", "3", -3 + kDelta},
        {__LINE__, "K", "7", -3 + kDelta},
        {__LINE__, "K", "8", -3 + kDelta},
        // Δ is defined for IT3..IT8 only; above, the cut-off value stands alone.
        {__LINE__, "K", "9", -3},
        {__LINE__, "K", "18", -3},
        {__LINE__, "K", "2", NAN},
        {__LINE__, "K", "1", NAN},
        {__LINE__, "K", "0", NAN},
        {__LINE__, "K", "01", NAN},
        {__LINE__, "P", "6", 2 + kDelta},
        {__LINE__, "M", "5", -2100 + kDelta},
        // Not a delta mark: taken as it is.
        {__LINE__, "N", "7", -3.5},
        {__LINE__, "N", "2", -3.5},
        {__LINE__, "R", "7", static_cast<double>(-3.005f)},
    };
    for (const auto& row : rows) {
        testing::ScopedTrace trace(__FILE__, row.line, std::string(row.letters) + row.grade);
        const int g = std::string(row.grade) == "01" ? -1 : std::stoi(row.grade);
        const auto r = Hole(d, row.letters, row.grade, 5.0f);
        if (std::isnan(row.es)) {
            EXPECT_TRUE(FailsWith(r, error_code::kHoleOutside));
        } else {
            EXPECT_TRUE(Microns(r, row.es, row.es - It(g, 1)));
        }
    }
    // Shaft cells are never delta marks.
    const auto k = static_cast<double>(-3.05f);
    const auto p = static_cast<double>(2.05f);
    EXPECT_TRUE(Microns(Shaft(d, "k", "7", 5.0f), k + It(7, 1), k));
    EXPECT_TRUE(Microns(Shaft(d, "p", "2", 5.0f), p + It(2, 1), p));
}

TEST(FundamentalDeviation, M6SpecialCaseAbove250UpTo315) {
    const auto d = Data(MakeKeys({{"M", 18, 1}}, {}),
                        MakeDeviations({{250, -17.05f}, {280, -20.05f}, {315, U}, {355, -21.05f}}));
    struct Row {
        int line;
        float size;
        const char* zoneText;
        double es;  // NAN: code 31
    };
    const Row rows[] = {
        {__LINE__, 250.0f, "M6", -17 + kDelta},
        {__LINE__, 250.01f, "M6", -9},
        {__LINE__, 300.0f, "M6", -9},
        {__LINE__, 315.0f, "M6", -9},
        {__LINE__, 315.01f, "M6", -21 + kDelta},
        // Only the exact zone text selects it.
        {__LINE__, 260.0f, "M7", -20 + kDelta},
        {__LINE__, 260.0f, "", -20 + kDelta},
        {__LINE__, 260.0f, "M6 ", -20 + kDelta},
        {__LINE__, 300.0f, "m6", NAN},
    };
    for (const auto& row : rows) {
        testing::ScopedTrace trace(__FILE__, row.line, row.zoneText);
        const int itRow = row.size <= 250 ? 2 : row.size <= 315 ? 3 : 4;
        const auto r = Hole(d, "M", "6", row.size, false, row.zoneText);
        if (std::isnan(row.es)) {
            EXPECT_TRUE(FailsWith(r, error_code::kHoleOutside)) << "size " << row.size;
        } else {
            EXPECT_TRUE(Microns(r, row.es, row.es - It(6, itRow))) << "size " << row.size;
        }
    }
    // The key search still comes first.
    const auto noKey = Data(MakeKeys({}, {}), MakeDeviations({{3150, -20.05f}}));
    EXPECT_TRUE(FailsWith(Hole(noKey, "M", "6", 300.0f, false, "M6"), error_code::kHoleZone));
}

TEST(SmallSizes, OnlyInTheCustomBasisUpTo1mm) {
    const auto d = Data(MakeKeys({{"A", 18, 1}, {"B", 18, 1}, {"H", 18, 2}, {"N", 18, 3}},
                                 {{"a", 18, 1}, {"b", 18, 1}, {"h", 18, 2}, {"n", 18, 4}}),
                        MakeDeviations({{3, 270, 0, -4, 4}}));
    struct Row {
        int line;
        const char* letters;
        const char* grade;
        float size;
        bool custom;
        bool fails;
    };
    const Row holes[] = {
        {__LINE__, "A", "11", 1.0f, true, true},   {__LINE__, "B", "11", 1.0f, true, true},
        {__LINE__, "H", "14", 1.0f, true, true},   {__LINE__, "H", "18", 0.5f, true, true},
        {__LINE__, "N", "9", 1.0f, true, true},    {__LINE__, "JS", "14", 1.0f, true, true},
        {__LINE__, "N", "8", 1.0f, true, false},   {__LINE__, "H", "13", 1.0f, true, false},
        {__LINE__, "A", "11", 1.0f, false, false}, {__LINE__, "N", "9", 1.0f, false, false},
        {__LINE__, "H", "14", 1.0f, false, false}, {__LINE__, "A", "11", 1.001f, true, false},
        {__LINE__, "N", "9", 1.001f, true, false},
    };
    for (const auto& row : holes) {
        testing::ScopedTrace trace(__FILE__, row.line, std::string(row.letters) + row.grade);
        const auto r = Hole(d, row.letters, row.grade, row.size, row.custom);
        EXPECT_EQ(r.ErrorCode, row.fails ? error_code::kHoleSmallSize : error_code::kNone);
    }
    const Row shafts[] = {
        {__LINE__, "a", "11", 1.0f, true, true},   {__LINE__, "b", "11", 1.0f, true, true},
        {__LINE__, "h", "14", 1.0f, true, true},   {__LINE__, "js", "16", 1.0f, true, true},
        {__LINE__, "n", "9", 1.0f, true, false},   {__LINE__, "h", "13", 1.0f, true, false},
        {__LINE__, "a", "11", 1.0f, false, false}, {__LINE__, "b", "11", 2.0f, true, false},
    };
    for (const auto& row : shafts) {
        testing::ScopedTrace trace(__FILE__, row.line, std::string(row.letters) + row.grade);
        const auto r = Shaft(d, row.letters, row.grade, row.size, row.custom);
        EXPECT_EQ(r.ErrorCode, row.fails ? error_code::kShaftSmallSize : error_code::kNone);
    }
}

TEST(SmallSizes, ZeroToleranceIsReportedFirst) {
    Table tolerances = Tolerances();
    tolerances(1, 0) = 0.0f;
    const auto d = Data(MakeKeys({{"A", 18, 1}}, {{"a", 18, 1}}), MakeDeviations({{3, U}}),
                        std::move(tolerances));
    EXPECT_TRUE(FailsWith(Hole(d, "A", "01", 1.0f, true), error_code::kHoleOutside));
    EXPECT_TRUE(FailsWith(Shaft(d, "a", "01", 1.0f, true), error_code::kShaftOutside));
    EXPECT_TRUE(FailsWith(Hole(d, "A", "0", 1.0f, true), error_code::kHoleSmallSize));
    EXPECT_TRUE(FailsWith(Hole(d, "A", "0", 2.0f, true), error_code::kHoleOutside));
}

TEST(LetterGroups, PlainCharacterOrderAgainstH) {
    const char* holes[] = {"A", "CD", "EF", "FG", "G", "H", "J", "K", "ZC", "Z", "HA"};
    const char* shafts[] = {"a", "cd", "ef", "fg", "g", "h", "j", "k", "zc", "z", "ha"};
    ToleranceData d = Data(MakeKeys({}, {}), MakeDeviations({{3150, 6}}));
    d.DeviationKeys = Table::Sized(3, 2 * kHoleKeyRows);
    for (int i = 0; i < 11; ++i) {
        d.DeviationKeys(0, i) = EncodeLetterCode(holes[i]);
        d.DeviationKeys(0, kHoleKeyRows + i) = EncodeLetterCode(shafts[i]);
        for (const int row : {i, kHoleKeyRows + i}) {
            d.DeviationKeys(1, row) = 18;
            d.DeviationKeys(2, row) = 1;
        }
    }
    const double it = It(7, 1);
    for (int i = 0; i < 11; ++i) {
        const bool above = i >= 6;
        EXPECT_TRUE(Microns(Hole(d, holes[i], "7", 5.0f), above ? 6 : 6 + it, above ? 6 - it : 6))
            << holes[i];
        EXPECT_TRUE(Microns(Shaft(d, shafts[i], "7", 5.0f), above ? 6 + it : 6, above ? 6 : 6 - it))
            << shafts[i];
    }
}

TEST(Symmetric, HalfToleranceWithOddValuesRoundedDownForIt7ToIt11) {
    struct Row {
        int line;
        const char* grade;
        float it;
        double half;  // µm
    };
    const Row rows[] = {
        {__LINE__, "6", 9, 4.5},       {__LINE__, "6", 35, 17.5}, {__LINE__, "7", 35, 17},
        {__LINE__, "7", 12, 6},        {__LINE__, "9", 87, 43},   {__LINE__, "11", 35, 17},
        {__LINE__, "12", 35, 17.5},    {__LINE__, "5", 15, 7.5},  {__LINE__, "8", 27, 13},
        {__LINE__, "10", 12.5f, 6.25}, {__LINE__, "7", 1, 0},     {__LINE__, "01", 0.25f, 0.125},
        {__LINE__, "16", 1.5f, 0.75},
    };
    // Neither a key row nor a deviation cell is read for JS and js.
    const auto keys = MakeKeys({}, {});
    const auto deviations = MakeDeviations({{3150, U}});
    for (const auto& row : rows) {
        testing::ScopedTrace trace(__FILE__, row.line, row.grade);
        Table tolerances = Tolerances();
        const int n = std::string(row.grade) == "01" ? -1 : std::stoi(row.grade);
        tolerances(n + 2, 1) = row.it;
        const auto d = Data(keys, deviations, std::move(tolerances));
        const auto hole = Hole(d, "JS", row.grade, 5.0f);
        const auto shaft = Shaft(d, "js", row.grade, 5.0f);
        EXPECT_TRUE(Microns(hole, row.half, -row.half));
        EXPECT_TRUE(Microns(shaft, row.half, -row.half));
        EXPECT_EQ(hole.Upper, -hole.Lower);
    }
}

TEST(Symmetric, JsCaptionsAtTheFinestGrade) {
    Table tolerances = Tolerances();
    tolerances(1, 0) = 0.3f;
    tolerances(8, 1) = 9.0f;
    const auto d = Data(MakeKeys({}, {}), MakeDeviations({{3150, U}}), std::move(tolerances));
    const auto fine = Hole(d, "JS", "01", 2.0f);
    ASSERT_TRUE(fine.Ok());
    EXPECT_EQ(SingleText(fine.Upper), "0.00015");
    EXPECT_EQ(SingleText(fine.Lower), "-0.00015");
    EXPECT_EQ(fine.UpperText, "+0.0002");
    EXPECT_EQ(fine.LowerText, "-0.0002");
    EXPECT_EQ(fine.Grade, "-1");
    const auto six = Shaft(d, "js", "6", 8.0f);
    EXPECT_EQ(six.UpperText, "+0.0045");
    EXPECT_EQ(six.LowerText, "-0.0045");
}

TEST(Results, MillimetresComeFromMicrometresNotFromFloatSums) {
    Table tolerances = Tolerances();
    tolerances(9, 1) = 35.0f;
    tolerances(8, 1) = 22.0f;
    const auto d = Data(MakeKeys({{"A", 18, 1}}, {{"k", 18, 2}, {"a", 18, 3}}),
                        MakeDeviations({{3150, 34, 3, -270}}), std::move(tolerances));
    // In float millimetres 0.034 + 0.035 would be 0.06900001 and need 4 decimals.
    const auto a = Hole(d, "A", "7", 5.0f);
    ASSERT_TRUE(Microns(a, 69, 34));
    EXPECT_EQ(a.Upper, 0.069f);
    EXPECT_EQ(a.UpperText, "+0.069");
    EXPECT_EQ(a.LowerText, "+0.034");
    const auto k = Shaft(d, "k", "6", 5.0f);
    EXPECT_EQ(k.Upper, 0.025f);
    EXPECT_EQ(k.UpperText, "+0.025");
    EXPECT_EQ(k.LowerText, "+0.003");
    const auto shaftA = Shaft(d, "a", "6", 5.0f);
    EXPECT_EQ(shaftA.UpperText, "-0.270");
    EXPECT_EQ(shaftA.LowerText, "-0.292");
}

TEST(Results, GradeFieldAfterTheComputation) {
    const auto d = Data(MakeKeys({{"V", 18, 1}, {"H", 18, 2}}, {}), MakeDeviations({{3150, U, 0}}));
    const auto ok = Hole(d, "H", "01", 5.0f);
    EXPECT_TRUE(ok.Ok());
    EXPECT_EQ(ok.Grade, "-1");
    EXPECT_TRUE(ok.BarPlaced);
    EXPECT_EQ(ok.LowerText, " 0");
    const auto again = Hole(d, "H", ok.Grade, 5.0f);
    EXPECT_EQ(again.Upper, ok.Upper);
    EXPECT_EQ(again.Grade, "-1");
    // Rewritten also when a later step fails.
    EXPECT_EQ(Hole(d, "V", "07", 5.0f).Grade, "7");
    EXPECT_EQ(Hole(d, "Q", "7", 5.0f).Grade, "7");
    // Left as given when the lookup fails, with the bar placed or not.
    const auto nineteen = Hole(d, "H", "19", 5.0f);
    EXPECT_TRUE(FailsWith(nineteen, error_code::kHoleZone));
    EXPECT_EQ(nineteen.Grade, "19");
    EXPECT_TRUE(nineteen.BarPlaced);
    const auto empty = Shaft(d, "h", "", 5.0f);
    EXPECT_TRUE(FailsWith(empty, error_code::kShaftZone));
    EXPECT_EQ(empty.Grade, "");
    EXPECT_FALSE(empty.BarPlaced);
    EXPECT_FALSE(Hole(d, "H", "21", 5.0f).BarPlaced);
}

TEST(Results, ZeroToleranceIsOutsideTheStandard) {
    Table tolerances = Tolerances();
    tolerances(1, 5) = 0.0f;
    const auto d = Data(MakeKeys({{"H", 18, 1}}, {{"h", 18, 1}}), MakeDeviations({{3150, 0}}),
                        std::move(tolerances));
    EXPECT_TRUE(FailsWith(Hole(d, "H", "01", 600.0f), error_code::kHoleOutside));
    EXPECT_TRUE(FailsWith(Shaft(d, "h", "01", 600.0f), error_code::kShaftOutside));
    EXPECT_TRUE(FailsWith(Hole(d, "JS", "01", 600.0f), error_code::kHoleOutside));
    // Above the last size range nothing is found: IT stays 0.
    EXPECT_TRUE(FailsWith(Hole(d, "H", "7", 3151.0f), error_code::kHoleOutside));
}

}  // namespace
}  // namespace brimsel
