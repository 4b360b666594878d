#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "TableChecks.h"
#include "engine/NumberText.h"

namespace brimsel {
namespace {

using table_checks::MeanSize;
using table_checks::Standard;

const Table& Deviations() { return Standard().FundamentalDeviations; }
const Table& Keys() { return Standard().DeviationKeys; }

constexpr std::int32_t kRows = 41;

double UpTo(std::int32_t row) { return DeviationSizeLimits()[row]; }
double Above(std::int32_t row) { return row == 0 ? 0 : DeviationSizeLimits()[row - 1]; }
bool CarriesDelta(std::int32_t row) { return UpTo(row) > 3 && UpTo(row) <= 500; }

std::int32_t Column(Member side, std::string_view letters, int grade) {
    const std::int32_t column = DeviationColumn(side, letters, grade);
    EXPECT_GT(column, 0) << letters << grade;
    return column;
}

double Cell(Member side, std::string_view letters, int grade, std::int32_t row) {
    return Deviations()(Column(side, letters, grade), row);
}

TEST(DeviationTables, RowsAreTheStandardsSizeRangesWithIntermediateSteps) {
    // clang-format off
    const float kLimits[] = {3,   6,   10,  14,  18,   24,   30,   40,   50,   65,   80,
                             100, 120, 140, 160, 180,  200,  225,  250,  280,  315,  355,
                             400, 450, 500, 560, 630,  710,  800,  900,  1000, 1120, 1250,
                             1400, 1600, 1800, 2000, 2240, 2500, 2800, 3150};
    // clang-format on
    ASSERT_EQ(Deviations().Rows, kRows);
    ASSERT_EQ(DeviationSizeLimits().size(), std::size(kLimits));
    for (std::int32_t row = 0; row < kRows; ++row) {
        EXPECT_EQ(DeviationSizeLimits()[row], kLimits[row]) << row;
        EXPECT_EQ(Deviations()(0, row), kLimits[row]) << row;
    }
}

TEST(DeviationTables, LetterCodes) {
    EXPECT_EQ(LetterCode("A"), 15.0f);
    EXPECT_EQ(LetterCode("ZC"), 4017.0f);
    EXPECT_EQ(LetterCode("CD"), 1718.0f);
    EXPECT_EQ(LetterCode("a"), 47.0f);
    EXPECT_EQ(LetterCode("cd"), 4950.0f);
    EXPECT_EQ(LetterCode("zc"), 7249.0f);
}

TEST(DeviationTables, KeysHoldTheBandsInOrder) {
    const auto bands = DeviationBands();
    std::int32_t holeRow = 0;
    std::int32_t shaftRow = kHoleKeyRows;
    for (const DeviationBand& band : bands) {
        const std::int32_t row = band.Side == Member::Hole ? holeRow++ : shaftRow++;
        ASSERT_LT(row, Keys().Rows);
        EXPECT_EQ(Keys()(0, row), LetterCode(band.Letters)) << band.Letters;
        EXPECT_EQ(Keys()(1, row), band.HighestGrade) << band.Letters;
        EXPECT_EQ(Keys()(2, row), band.Column) << band.Letters;
        EXPECT_EQ(band.Column == 0, band.Heading.empty()) << band.Letters;
    }
    EXPECT_LE(holeRow, kHoleKeyRows);
    EXPECT_EQ(shaftRow, Keys().Rows);
    for (std::int32_t row = holeRow; row < kHoleKeyRows; ++row)
        for (std::int32_t column = 0; column < 3; ++column)
            EXPECT_EQ(Keys()(column, row), 0) << row;
}

TEST(DeviationTables, EveryLetterOfTheStandardHasBandsUpToIT18) {
    const std::vector<std::string> holes = {"A", "B", "C", "CD", "D", "E",  "EF", "F", "FG",
                                            "G", "H", "K", "M",  "N", "P",  "R",  "S", "T",
                                            "U", "V", "X", "Y",  "Z", "ZA", "ZB", "ZC"};
    for (const std::string& letters : holes) {
        std::string shaft = letters;
        std::transform(shaft.begin(), shaft.end(), shaft.begin(),
                       [](char c) { return static_cast<char>(c - 'A' + 'a'); });
        for (int grade = -1; grade <= 18; ++grade) {
            EXPECT_GT(DeviationColumn(Member::Hole, letters, grade), 0) << letters << grade;
            EXPECT_GT(DeviationColumn(Member::Shaft, shaft, grade), 0) << shaft << grade;
        }
        EXPECT_EQ(DeviationColumn(Member::Hole, letters, 19), -1) << letters;
    }
    EXPECT_EQ(DeviationColumn(Member::Hole, "JS", 7), -1);
    EXPECT_EQ(DeviationColumn(Member::Shaft, "js", 7), -1);
    EXPECT_EQ(DeviationColumn(Member::Hole, "Q", 7), -1);
    EXPECT_EQ(DeviationColumn(Member::Hole, "h", 7), -1);
}

TEST(DeviationTables, GradeBandsOfJAndK) {
    struct Expect {
        Member Side;
        const char* Letters;
        int Grade;
        const char* Heading;  // "" for column 0, nullptr for no band
    };
    // clang-format off
    const Expect kBands[] = {
        {Member::Hole, "J", -1, ""},     {Member::Hole, "J", 5, ""},       {Member::Hole, "J", 6, "J6"},
        {Member::Hole, "J", 7, "J7"},    {Member::Hole, "J", 8, "J8"},     {Member::Hole, "J", 9, nullptr},
        {Member::Shaft, "j", 4, ""},     {Member::Shaft, "j", 5, "j5-6"},  {Member::Shaft, "j", 6, "j5-6"},
        {Member::Shaft, "j", 7, "j7"},   {Member::Shaft, "j", 8, "j8"},    {Member::Shaft, "j", 9, nullptr},
        {Member::Shaft, "k", -1, "k≤3,>7"}, {Member::Shaft, "k", 3, "k≤3,>7"}, {Member::Shaft, "k", 4, "k4-7"},
        {Member::Shaft, "k", 7, "k4-7"}, {Member::Shaft, "k", 8, "k≤3,>7"}, {Member::Shaft, "k", 18, "k≤3,>7"},
        {Member::Hole, "K", 8, "K≤8"},   {Member::Hole, "K", 9, "K>8"},    {Member::Hole, "M", 3, "M≤8"},
        {Member::Hole, "N", 9, "N>8"},   {Member::Hole, "P", 7, "P≤7"},    {Member::Hole, "P", 8, "P"},
        {Member::Hole, "ZC", 0, "ZC≤7"}, {Member::Hole, "ZC", 18, "ZC"},
    };
    // clang-format on
    for (const Expect& e : kBands) {
        const std::int32_t column = DeviationColumn(e.Side, e.Letters, e.Grade);
        if (!e.Heading) {
            EXPECT_EQ(column, -1) << e.Letters << e.Grade;
            continue;
        }
        const DeviationBand* found = nullptr;
        for (const DeviationBand& band : DeviationBands())
            if (band.Side == e.Side && band.Letters == e.Letters && e.Grade <= band.HighestGrade) {
                found = &band;
                break;
            }
        ASSERT_NE(found, nullptr) << e.Letters << e.Grade;
        EXPECT_EQ(found->Heading, e.Heading) << e.Letters << e.Grade;
        EXPECT_EQ(found->Column, column) << e.Letters << e.Grade;
    }
}

TEST(DeviationTables, EachColumnServesOneBand) {
    std::set<std::int32_t> used;
    for (const DeviationBand& band : DeviationBands()) {
        if (band.Column == 0) continue;
        EXPECT_TRUE(used.insert(band.Column).second) << band.Letters << " column " << band.Column;
        EXPECT_LT(band.Column, Deviations().Columns);
    }
    EXPECT_EQ(used.size(), static_cast<std::size_t>(Deviations().Columns - 1));
}

// Where the standard gives a value at all, shaft letter by letter (upper
// limits of the first and last ranges that have one).
TEST(DeviationTables, ShaftValuesExistWhereTheStandardGivesThem) {
    struct Span {
        const char* Letters;
        int Grade;
        double From, To;
    };
    // clang-format off
    const Span kSpans[] = {
        {"a", 18, 3, 500},   {"b", 18, 3, 500},   {"c", 18, 3, 500},   {"cd", 18, 3, 10},
        {"d", 18, 3, 3150},  {"e", 18, 3, 3150},  {"ef", 18, 3, 10},   {"f", 18, 3, 3150},
        {"fg", 18, 3, 10},   {"g", 18, 3, 3150},  {"h", 18, 3, 3150},  {"j", 6, 3, 500},
        {"j", 7, 3, 500},    {"j", 8, 3, 3},      {"k", 3, 3, 3150},   {"k", 7, 3, 3150},
        {"k", 18, 3, 3150},  {"m", 18, 3, 3150},  {"n", 18, 3, 3150},  {"p", 18, 3, 3150},
        {"r", 18, 3, 3150},  {"s", 18, 3, 3150},  {"t", 18, 30, 3150}, {"u", 18, 3, 3150},
        {"v", 18, 18, 500},  {"x", 18, 3, 500},   {"y", 18, 24, 500},  {"z", 18, 3, 500},
        {"za", 18, 3, 500},  {"zb", 18, 3, 500},  {"zc", 18, 3, 500},
    };
    // clang-format on
    std::size_t shaftBandsWithColumns = 0;
    for (const DeviationBand& band : DeviationBands())
        if (band.Side == Member::Shaft && band.Column != 0) ++shaftBandsWithColumns;
    EXPECT_EQ(std::size(kSpans), shaftBandsWithColumns);
    for (const Span& span : kSpans) {
        for (std::int32_t row = 0; row < kRows; ++row) {
            const bool given = UpTo(row) >= span.From && UpTo(row) <= span.To;
            const double cell = Cell(Member::Shaft, span.Letters, span.Grade, row);
            EXPECT_EQ(cell != kUndefinedMark, given)
                << span.Letters << span.Grade << " up to " << UpTo(row) << " holds " << cell;
        }
    }
}

// Hole values follow from the shaft values of the same letter.
TEST(DeviationTables, HolesMirrorShaftsCellByCell) {
    enum class Rule { Same, PlusDelta, ZeroFrom3To500, NoneFrom3To500 };
    struct Mirror {
        std::string Hole;
        int HoleGrade;
        std::string Shaft;
        int ShaftGrade;
        Rule How;
    };
    // clang-format off
    std::vector<Mirror> mirrors = {
        {"A", 18, "a", 18, Rule::Same},  {"B", 18, "b", 18, Rule::Same},   {"C", 18, "c", 18, Rule::Same},
        {"CD", 18, "cd", 18, Rule::Same}, {"D", 18, "d", 18, Rule::Same},  {"E", 18, "e", 18, Rule::Same},
        {"EF", 18, "ef", 18, Rule::Same}, {"F", 18, "f", 18, Rule::Same},  {"FG", 18, "fg", 18, Rule::Same},
        {"G", 18, "g", 18, Rule::Same},  {"H", 18, "h", 18, Rule::Same},
        {"K", 8, "k", 7, Rule::PlusDelta}, {"K", 18, "k", 18, Rule::NoneFrom3To500},
        {"M", 8, "m", 18, Rule::PlusDelta}, {"M", 18, "m", 18, Rule::Same},
        {"N", 8, "n", 18, Rule::PlusDelta}, {"N", 18, "n", 18, Rule::ZeroFrom3To500},
    };
    // clang-format on
    for (const char* letters : {"P", "R", "S", "T", "U", "V", "X", "Y", "Z", "ZA", "ZB", "ZC"}) {
        std::string shaft = letters;
        for (char& c : shaft) c = static_cast<char>(c - 'A' + 'a');
        mirrors.push_back({letters, 7, shaft, 18, Rule::PlusDelta});
        mirrors.push_back({letters, 18, shaft, 18, Rule::Same});
    }
    for (const Mirror& m : mirrors) {
        for (std::int32_t row = 0; row < kRows; ++row) {
            const double shaft = Cell(Member::Shaft, m.Shaft, m.ShaftGrade, row);
            const float hole = static_cast<float>(Cell(Member::Hole, m.Hole, m.HoleGrade, row));
            float expected = shaft == kUndefinedMark ? kUndefinedMark : static_cast<float>(-shaft);
            if (shaft != kUndefinedMark && CarriesDelta(row)) {
                if (m.How == Rule::PlusDelta) expected = static_cast<float>(-shaft - 0.05);
                if (m.How == Rule::ZeroFrom3To500) expected = 0;
            }
            if (m.How == Rule::NoneFrom3To500 && CarriesDelta(row)) expected = kUndefinedMark;
            EXPECT_EQ(hole, expected) << m.Hole << m.HoleGrade << " against " << m.Shaft
                                      << m.ShaftGrade << " up to " << UpTo(row);
        }
    }
}

// The delta mark: exactly where the standard writes "number + Δ".
TEST(DeviationTables, DeltaMarksStandExactlyWhereTheStandardAddsDelta) {
    std::vector<bool> marksColumn(static_cast<std::size_t>(Deviations().Columns), false);
    for (const DeviationBand& band : DeviationBands()) {
        if (band.Side != Member::Hole || band.Column == 0) continue;
        const bool kmn = (band.Letters == "K" || band.Letters == "M" || band.Letters == "N") &&
                         band.HighestGrade == 8;
        const bool pzc = band.Letters >= "P" && band.HighestGrade == 7;
        marksColumn[band.Column] = kmn || pzc;
    }
    std::size_t marks = 0;
    for (std::int32_t column = 1; column < Deviations().Columns; ++column) {
        for (std::int32_t row = 0; row < kRows; ++row) {
            const float cell = Deviations()(column, row);
            const bool marked = SingleText(cell).ends_with(".05");
            const bool expected =
                marksColumn[column] && CarriesDelta(row) && cell != kUndefinedMark;
            EXPECT_EQ(marked, expected)
                << "column " << column << " up to " << UpTo(row) << " holds " << SingleText(cell);
            if (marked) {
                ++marks;
                EXPECT_EQ(cell, static_cast<float>(std::trunc(cell) - 0.05)) << SingleText(cell);
            } else {
                EXPECT_EQ(cell, std::trunc(cell)) << "column " << column << " up to " << UpTo(row)
                                                  << ": deviations are whole micrometres";
            }
        }
    }
    // K, M, N and P to ZC over the 24 ranges from 3 to 500 mm, less those of
    // T (5), V (3) and Y (4) where the standard gives no value.
    EXPECT_EQ(marks, 15u * 24 - 5 - 3 - 4);
}

// --- The standard's derivation of the shaft deviations ---------------------

// Geometric mean over the row's own range (intermediate steps) or over the
// main range of the standard tolerances that holds it.
double IntermediateMean(std::int32_t row) { return MeanSize(Above(row), UpTo(row)); }
double MainMean(std::int32_t row) {
    const std::int32_t main = table_checks::ToleranceRow(UpTo(row));
    return MeanSize(main == 0 ? 0 : ToleranceSizeLimits()[main - 1], ToleranceSizeLimits()[main]);
}
double It(int grade, std::int32_t row) { return table_checks::It(grade, UpTo(row)); }

struct Derivation {
    double Low, High;  // the formula's value, or the span it allows, signed as printed
};

std::optional<Derivation> Derive(std::string_view heading, std::int32_t row) {
    const double di = IntermediateMean(row);
    const double dm = MainMean(row);
    const bool above500 = UpTo(row) > 500;
    auto printed = [row](const char* letters) { return Cell(Member::Shaft, letters, 18, row); };
    auto point = [](double v) { return Derivation{v, v}; };
    if (heading == "a") return point(di <= 120 ? -(265 + 1.3 * di) : -3.5 * di);
    if (heading == "b") return point(di <= 160 ? -(140 + 0.85 * di) : -1.8 * di);
    if (heading == "c") return point(di <= 40 ? -52 * std::pow(di, 0.2) : -(95 + 0.8 * di));
    if (heading == "cd") return point(-std::sqrt(printed("c") * printed("d")));
    if (heading == "d") return point(-16 * std::pow(dm, 0.44));
    if (heading == "e") return point(-11 * std::pow(dm, 0.41));
    if (heading == "ef") return point(-std::sqrt(printed("e") * printed("f")));
    if (heading == "f") return point(-5.5 * std::pow(dm, 0.41));
    if (heading == "fg") return point(-std::sqrt(printed("f") * printed("g")));
    if (heading == "g") return point(-2.5 * std::pow(dm, 0.34));
    if (heading == "h" || heading == "k≤3,>7") return point(0);
    if (heading == "k4-7") return point(above500 ? 0 : 0.6 * std::cbrt(dm));
    if (heading == "m") return point(above500 ? 0.024 * dm + 12.6 : It(7, row) - It(6, row));
    if (heading == "n") return point(above500 ? 0.04 * dm + 21 : 5 * std::pow(dm, 0.34));
    if (heading == "p")
        return above500 ? point(0.072 * dm + 37.8) : Derivation{It(7, row), It(7, row) + 5};
    if (heading == "r") return point(std::sqrt(printed("p") * printed("s")));
    if (heading == "s")
        return UpTo(row) <= 50 ? Derivation{It(8, row) + 1, It(8, row) + 4}
                               : point(It(7, row) + 0.4 * di);
    if (heading == "t") return point(It(7, row) + 0.63 * di);
    if (heading == "u") return point(It(7, row) + di);
    if (heading == "v") return point(It(7, row) + 1.25 * di);
    if (heading == "x") return point(It(7, row) + 1.6 * di);
    if (heading == "y") return point(It(7, row) + 2 * di);
    if (heading == "z") return point(It(7, row) + 2.5 * di);
    if (heading == "za") return point(It(8, row) + 3.15 * di);
    if (heading == "zb") return point(It(9, row) + 4 * di);
    if (heading == "zc") return point(It(10, row) + 5 * di);
    return std::nullopt;  // j: the standard gives no formula
}

// Rounding steps of the standard for fundamental deviations: a to g round
// more coarsely than k to zc.
double DeviationStep(std::string_view heading, double value) {
    const double v = std::abs(value);
    const bool upperGroup = heading < "h";
    if (upperGroup) {
        if (v <= 45) return 1;
        if (v <= 60) return 2;
        if (v <= 200) return 5;
        if (v <= 560) return 10;
    } else {
        if (v <= 100) return 1;
        if (v <= 300) return 2;
        if (v <= 600) return 5;
        if (v <= 800) return 10;
    }
    if (v <= 1000) return 20;
    if (v <= 2000) return 50;
    return 100;
}

struct PrintedCell {
    const char* Heading;
    double UpTo;
    double Value;
};

// Cells the standard prints further than one rounding step from their own
// formula: the smallest sizes of the letters above h, the early ranges of c,
// the top ranges of m and p, and r where it is not quite the mean of p and s.
// clang-format off
const std::vector<PrintedCell> kDeparting = {
    {"b", 160, -280},
    {"c", 14, -95}, {"c", 24, -110}, {"c", 30, -110}, {"c", 40, -120},
    {"e", 900, -170}, {"e", 1000, -170},
    {"g", 3, -2},
    {"m", 3, 2}, {"m", 1400, 48}, {"m", 1600, 48}, {"m", 1800, 58}, {"m", 2000, 58},
    {"m", 2240, 68}, {"m", 2500, 68}, {"m", 2800, 76}, {"m", 3150, 76},
    {"n", 3, 4},
    {"p", 3, 6}, {"p", 900, 100}, {"p", 1000, 100}, {"p", 1800, 170}, {"p", 2000, 170},
    {"p", 2240, 195}, {"p", 2500, 195},
    {"r", 200, 77}, {"r", 560, 150}, {"r", 710, 175}, {"r", 800, 185}, {"r", 900, 210},
    {"r", 1000, 220}, {"r", 1250, 260}, {"r", 1600, 330},
    {"s", 710, 340}, {"s", 1120, 520}, {"s", 1400, 640},
    {"t", 30, 41}, {"t", 40, 48}, {"t", 630, 450}, {"t", 800, 560},
    {"u", 3, 18}, {"u", 6, 23}, {"u", 10, 28}, {"u", 14, 33},
    {"v", 18, 39},
    {"x", 3, 20}, {"x", 6, 28}, {"x", 10, 34}, {"x", 14, 40}, {"x", 18, 45},
    {"z", 3, 26}, {"z", 6, 35}, {"z", 10, 42}, {"z", 14, 50}, {"z", 18, 60},
    {"za", 3, 32}, {"za", 6, 42}, {"za", 10, 52},
    {"zb", 3, 40}, {"zb", 6, 50},
    {"zc", 3, 60}, {"zc", 6, 80},
};
// clang-format on

TEST(DeviationTables, ShaftValuesFollowTheirFormulas) {
    for (const DeviationBand& band : DeviationBands()) {
        if (band.Side != Member::Shaft || band.Column == 0) continue;
        if (band.Letters == "k" && band.HighestGrade == 18) continue;  // the same column as k≤3
        for (std::int32_t row = 0; row < kRows; ++row) {
            const double printed = Deviations()(band.Column, row);
            if (printed == kUndefinedMark) continue;
            const auto derived = Derive(band.Heading, row);
            if (!derived) continue;
            const double step = DeviationStep(band.Heading, (derived->Low + derived->High) / 2);
            const bool within =
                printed >= derived->Low - step - 1e-9 && printed <= derived->High + step + 1e-9;
            const PrintedCell* listed = nullptr;
            for (const PrintedCell& cell : kDeparting)
                if (band.Heading == cell.Heading && cell.UpTo == UpTo(row)) listed = &cell;
            if (listed) {
                EXPECT_EQ(printed, listed->Value) << __FILE__ << ": departing cell " << band.Heading
                                                  << " up to " << UpTo(row) << " changed";
                EXPECT_FALSE(within) << "listed as departing but within rounding: " << band.Heading
                                     << " up to " << UpTo(row);
            } else {
                EXPECT_TRUE(within)
                    << __FILE__ << ": " << band.Heading << " up to " << UpTo(row) << " is "
                    << printed << ", formula gives " << derived->Low << " to " << derived->High
                    << "\n  {\"" << band.Heading << "\", " << UpTo(row) << ", " << printed << "},";
            }
        }
    }
}

// Every deviation moves away from zero, or stays, as the size grows; J, which
// has no formula, is held by this and by its growth along the grades.
TEST(DeviationTables, ValuesGrowWithSize) {
    struct Drop {
        std::string_view Heading;
        double UpTo;
    };
    // k and K drop to 0 above 500 mm; N above IT8 is 0 from 3 to 500 mm.
    const Drop kDrops[] = {{"k4-7", 560}, {"K≤8", 560}, {"N>8", 6}};
    for (const DeviationBand& band : DeviationBands()) {
        if (band.Column == 0) continue;
        for (std::int32_t row = 1; row < kRows; ++row) {
            const double before = Deviations()(band.Column, row - 1);
            const double here = Deviations()(band.Column, row);
            if (before == kUndefinedMark || here == kUndefinedMark) continue;
            if (std::any_of(std::begin(kDrops), std::end(kDrops), [&](const Drop& d) {
                    return d.Heading == band.Heading && d.UpTo == UpTo(row);
                }))
                continue;
            EXPECT_GE(std::abs(std::trunc(here)), std::abs(std::trunc(before)))
                << band.Heading << " up to " << UpTo(row);
        }
    }
    for (std::int32_t row = 0; UpTo(row) <= 500; ++row) {
        EXPECT_LT(Cell(Member::Hole, "J", 6, row), Cell(Member::Hole, "J", 7, row)) << UpTo(row);
        EXPECT_LT(Cell(Member::Hole, "J", 7, row), Cell(Member::Hole, "J", 8, row)) << UpTo(row);
        EXPECT_GT(Cell(Member::Shaft, "j", 6, row), Cell(Member::Shaft, "j", 7, row)) << UpTo(row);
    }
}

// --- Published limit deviations --------------------------------------------

struct Limits {
    double Upper, Lower;  // micrometres
};

// The limit deviations a zone takes from the tables, the way the engine reads
// them (without the engine's special case for M6).
std::optional<Limits> ZoneLimits(Member side, std::string_view letters, int grade, double size) {
    const std::int32_t column = DeviationColumn(side, letters, grade);
    if (column <= 0) return std::nullopt;
    std::int32_t row = 0;
    while (UpTo(row) < size) ++row;
    double f = Deviations()(column, row);
    if (f == kUndefinedMark) return std::nullopt;
    const double it = table_checks::It(grade, size);
    if (SingleText(static_cast<float>(f)).ends_with(".05"))
        f = std::trunc(f) + it - table_checks::It(grade - 1, size);
    const bool upperIsF = side == Member::Hole ? letters > "H" : letters <= "h";
    return upperIsF ? Limits{f, f - it} : Limits{f + it, f};
}

TEST(DeviationTables, PublishedLimitDeviations) {
    struct Published {
        double Size;
        const char* Zone;
        double Upper, Lower;
    };
    // clang-format off
    const Published kPublished[] = {
        // holes
        {100, "H7", 35, 0},     {25, "H7", 21, 0},     {10, "H7", 15, 0},      {2, "H7", 10, 0},
        {1000, "H7", 90, 0},    {25, "H8", 33, 0},     {25, "H11", 130, 0},    {30, "F8", 53, 20},
        {25, "F7", 41, 20},     {25, "G7", 28, 7},     {50, "E8", 89, 50},     {50, "D9", 142, 80},
        {50, "C11", 290, 130},  {100, "A11", 600, 380}, {25, "J6", 8, -5},     {100, "J7", 22, -13},
        {25, "J8", 20, -13},    {100, "K7", 10, -25},  {25, "K7", 6, -15},     {25, "K6", 2, -11},
        {50, "K8", 12, -27},    {25, "K8", 10, -23},   {2, "K7", 0, -10},      {600, "K7", 0, -70},
        {100, "M7", 0, -35},    {25, "M6", -4, -17},   {50, "M8", 5, -34},     {25, "M8", 4, -29},
        {2, "M7", -2, -12},     {600, "M7", -26, -96}, {25, "N7", -7, -28},    {25, "N6", -11, -24},
        {50, "N8", -3, -42},    {50, "N9", 0, -62},    {25, "N10", 0, -84},    {2, "N7", -4, -14},
        {600, "N7", -44, -114}, {25, "P7", -14, -35},  {100, "P7", -24, -59},  {50, "P6", -21, -37},
        {25, "P6", -18, -31},   {2, "P7", -6, -16},    {600, "P7", -78, -148}, {25, "R7", -20, -41},
        {100, "R7", -38, -73},  {25, "S7", -27, -48},  {100, "S7", -58, -93},  {2, "S7", -14, -24},
        {30, "T7", -33, -54},   {25, "U7", -40, -61},  {2, "U7", -18, -28},
        // shafts
        {100, "h6", 0, -22},    {25, "h7", 0, -21},    {100, "g6", -12, -34},  {25, "g6", -7, -20},
        {10, "g6", -5, -14},    {1000, "g6", -26, -82}, {25, "f7", -20, -41},  {50, "f7", -25, -50},
        {2000, "f7", -120, -270}, {100, "e8", -72, -126}, {100, "d9", -120, -207}, {100, "c11", -170, -390},
        {100, "b11", -220, -440}, {100, "a11", -380, -600}, {25, "j5", 5, -4}, {25, "j6", 9, -4},
        {2, "j6", 4, -2},       {25, "j7", 13, -8},    {100, "k6", 25, 3},     {50, "k6", 18, 2},
        {25, "k6", 15, 2},      {10, "k6", 10, 1},     {2, "k6", 6, 0},        {25, "k7", 23, 2},
        {25, "m6", 21, 8},      {25, "m7", 29, 8},     {30, "n6", 28, 15},     {25, "n6", 28, 15},
        {10, "p6", 24, 15},     {25, "p6", 35, 22},    {25, "r6", 41, 28},     {25, "s6", 48, 35},
        {50, "s6", 59, 43},     {30, "t6", 54, 41},    {25, "u6", 61, 48},     {40, "u6", 76, 60},
    };
    // clang-format on
    for (const Published& p : kPublished) {
        const std::string zone = p.Zone;
        const std::size_t digits = zone.find_first_of("0123456789");
        const std::string letters = zone.substr(0, digits);
        const int grade = std::stoi(zone.substr(digits));
        const Member side = letters[0] >= 'a' ? Member::Shaft : Member::Hole;
        const auto limits = ZoneLimits(side, letters, grade, p.Size);
        ASSERT_TRUE(limits.has_value()) << p.Zone << " at " << p.Size;
        EXPECT_EQ(limits->Upper, p.Upper) << p.Zone << " at " << p.Size;
        EXPECT_EQ(limits->Lower, p.Lower) << p.Zone << " at " << p.Size;
    }
}

TEST(DeviationTables, ZonesOutsideTheStandardHaveNoValue) {
    struct Outside {
        double Size;
        Member Side;
        const char* Letters;
        int Grade;
    };
    // clang-format off
    const Outside kOutside[] = {
        {600, Member::Shaft, "a", 11}, {600, Member::Hole, "B", 11}, {12, Member::Shaft, "cd", 8},
        {12, Member::Hole, "EF", 8},   {20, Member::Shaft, "t", 6},  {20, Member::Hole, "T", 7},
        {12, Member::Shaft, "v", 6},   {16, Member::Hole, "Y", 8},   {600, Member::Shaft, "zc", 9},
        {600, Member::Hole, "J", 7},   {600, Member::Shaft, "j", 6}, {5, Member::Shaft, "j", 8},
        {5, Member::Hole, "K", 9},     {100, Member::Hole, "J", 5},  {100, Member::Shaft, "j", 4},
    };
    // clang-format on
    for (const Outside& o : kOutside)
        EXPECT_FALSE(ZoneLimits(o.Side, o.Letters, o.Grade, o.Size).has_value())
            << o.Letters << o.Grade << " at " << o.Size;
}

}  // namespace
}  // namespace brimsel
