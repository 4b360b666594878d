// The standard's tables as the producer writes them: Quorbel.dat as built and
// as the producer replaces it, and every printed value against the standard's
// own formulas.
#include <unistd.h>

#include "Shipped.h"
#include "TestData.h"
#include "datafile/StandardTables.h"
#include "engine/DataFile.h"
#include "engine/Sha256.h"

namespace brimsel {
namespace {

namespace fs = std::filesystem;

// The producer writes the tables as built, replacing what the file held, and
// fails without a file to write.
TEST(StandardTables, BuiltFileAndProducer) {
    EXPECT_EQ(test::ReadFile(BRIMSEL_BUILT_DATA_FILE), EncodeToleranceFile(test::Shipped()));
    const fs::path path = fs::path(testing::TempDir()) / ("brimsel-" + std::to_string(getpid()));
    std::ofstream(path, std::ios::binary) << std::string(100000, 'x');
    const std::string producer = std::string("\"") + BRIMSEL_QUORBEL_MAKE + "\"";
    const fs::path header = path.string() + ".h";
    const auto entries = [&path] {
        return std::distance(fs::directory_iterator(path.parent_path()), {});
    };
    const auto before = entries();
    ASSERT_EQ(
        std::system((producer + " \"" + path.string() + "\" \"" + header.string() + "\"").c_str()),
        0);
    EXPECT_EQ(test::ReadFile(path), EncodeToleranceFile(test::Shipped()));
    EXPECT_NE(test::ReadFile(header).find("\"" + Sha256Hex(test::ReadFile(path)) + "\""),
              std::string::npos)
        << "the header holds the file's digest";
    EXPECT_EQ(entries(), before + 1) << "only the header added, no partial file left behind";
    EXPECT_NE(std::system((producer + " 2>/dev/null").c_str()), 0);
    fs::remove(path);
    fs::remove(header);
}

// Geometric mean of a size range's limits, the first range taken as 1 to 3 mm.
double MeanSize(double a, double b) { return a != 0 ? std::sqrt(a * b) : std::sqrt(3.0); }

// Row of the standard tolerances whose range holds a size.
std::int32_t ToleranceRow(double size) {
    const auto limits = ToleranceSizeLimits();
    return static_cast<std::int32_t>(std::lower_bound(limits.begin(), limits.end(), size) -
                                     limits.begin());
}

// Mean size of the range of the standard tolerances that holds a size.
double MainMean(double size) {
    const std::int32_t row = ToleranceRow(size);
    return MeanSize(row == 0 ? 0 : ToleranceSizeLimits()[row - 1], ToleranceSizeLimits()[row]);
}

// IT of a grade number (IT01 -1) at a size.
double It(int grade, double size) {
    return test::Shipped().StandardTolerances(grade + 2, ToleranceRow(size));
}

// One rounding step of the standard at a value, from rounding.tsv.
double Step(const std::string& scheme, double value) {
    static const auto rows = test::ReadTsv("datafile/rounding.tsv");
    for (const test::TsvRow& row : rows) {
        const bool upTo = row[1].starts_with("<=");
        const double bound = row[1] == "*" ? INFINITY : std::stod(row[1].substr(upTo ? 2 : 1));
        if (row[0] == scheme && (upTo ? std::abs(value) <= bound : std::abs(value) < bound))
            return std::stod(row[2]);
    }
    ADD_FAILURE() << "no rounding step for " << value << " in " << scheme;
    return 0;
}

// A printed cell lies within one rounding step of its formula's value (or of
// the span the formula allows), unless departures.tsv lists it; a listed cell
// keeps its printed value and lies further away.
void ExpectFollowsFormula(const std::string& column, double upTo, float printed,
                          std::pair<double, double> formula, double step) {
    static const auto departures = test::ReadTsv("datafile/departures.tsv");
    const auto [low, high] = formula;
    const bool within = printed >= low - step - 1e-9 && printed <= high + step + 1e-9;
    for (const test::TsvRow& row : departures) {
        if (row[0] != column || std::stod(row[1]) != upTo) continue;
        const testing::ScopedTrace trace(row.File.c_str(), row.Line, "departing cell");
        EXPECT_EQ(printed, std::stof(row[2]));
        EXPECT_FALSE(within) << "lies within rounding of " << low << " to " << high;
        return;
    }
    EXPECT_TRUE(within) << column << " up to " << upTo << " is " << printed << ", formula " << low
                        << " to " << high << "; a departure belongs in departures.tsv";
}

// The standard's derivation of ITn for a range of the standard tolerances.
double DerivedIt(int grade, double upTo) {
    static const double kMultiples[] = {7,   10,  16,  25,  40,   64,   100,
                                        160, 250, 400, 640, 1000, 1600, 2500};  // IT5 to IT18
    static const double kFine[] = {2, 2.7, 3.7, 5};  // IT1 to IT4 above 500 mm
    const double d = MainMean(upTo);
    const double factor = upTo <= 500 ? 0.45 * std::cbrt(d) + 0.001 * d : 0.004 * d + 2.1;
    if (grade >= 5) return kMultiples[grade - 5] * factor;
    if (upTo > 500) return kFine[grade - 1] * factor;
    if (grade <= 1)
        return grade == -1 ? 0.3 + 0.008 * d : grade == 0 ? 0.5 + 0.012 * d : 0.8 + 0.02 * d;
    // IT2 to IT4 lie in a geometric series from the printed IT1 to IT5.
    return It(1, upTo) * std::pow(It(5, upTo) / It(1, upTo), (grade - 1) / 4.0);
}

// The standard's formula for a shaft's fundamental deviation in a row of the
// deviations, signed as printed: a value, or the span it allows. di is the mean
// size of the row's own range, dm that of the tolerance range that holds it.
std::pair<double, double> DerivedDeviation(std::string_view h, std::int32_t row) {
    const double upTo = DeviationSizeLimits()[row];
    const double di = MeanSize(row == 0 ? 0 : DeviationSizeLimits()[row - 1], upTo);
    const double dm = MainMean(upTo);
    const bool above500 = upTo > 500;
    const auto it = [upTo](int grade) { return It(grade, upTo); };
    const auto between = [row](std::string_view a, std::string_view b) {
        const Table& t = test::Shipped().FundamentalDeviations;
        return std::sqrt(t(DeviationColumn(ZoneMember::Shaft, a, 18), row) *
                         t(DeviationColumn(ZoneMember::Shaft, b, 18), row));
    };
    if (h == "p" && !above500) return {it(7), it(7) + 5};
    if (h == "s" && upTo <= 50) return {it(8) + 1, it(8) + 4};
    double v = 0;  // h, and k up to IT3 and above IT7
    if (h == "a") v = di <= 120 ? -(265 + 1.3 * di) : -3.5 * di;
    if (h == "b") v = di <= 160 ? -(140 + 0.85 * di) : -1.8 * di;
    if (h == "c") v = di <= 40 ? -52 * std::pow(di, 0.2) : -(95 + 0.8 * di);
    if (h == "cd") v = -between("c", "d");
    if (h == "d") v = -16 * std::pow(dm, 0.44);
    if (h == "e") v = -11 * std::pow(dm, 0.41);
    if (h == "ef") v = -between("e", "f");
    if (h == "f") v = -5.5 * std::pow(dm, 0.41);
    if (h == "fg") v = -between("f", "g");
    if (h == "g") v = -2.5 * std::pow(dm, 0.34);
    if (h == "k4-7") v = above500 ? 0 : 0.6 * std::cbrt(dm);
    if (h == "m") v = above500 ? 0.024 * dm + 12.6 : it(7) - it(6);
    if (h == "n") v = above500 ? 0.04 * dm + 21 : 5 * std::pow(dm, 0.34);
    if (h == "p") v = 0.072 * dm + 37.8;
    if (h == "r") v = between("p", "s");
    // s above 50 mm and t to zc: IT of a grade plus a multiple of di.
    static const std::map<std::string_view, std::pair<int, double>> kItPlusDi = {
        {"s", {7, 0.4}}, {"t", {7, 0.63}}, {"u", {7, 1}},     {"v", {7, 1.25}}, {"x", {7, 1.6}},
        {"y", {7, 2}},   {"z", {7, 2.5}},  {"za", {8, 3.15}}, {"zb", {9, 4}},   {"zc", {10, 5}}};
    if (const auto f = kItPlusDi.find(h); f != kItPlusDi.end())
        v = it(f->second.first) + f->second.second * di;
    return {v, v};
}

TEST(StandardTables, PrintedValuesFollowTheStandardsFormulas) {
    const Table& tolerances = test::Shipped().StandardTolerances;
    for (std::int32_t row = 0; row < tolerances.Rows; ++row) {
        const double upTo = ToleranceSizeLimits()[row];
        for (int grade = -1; grade <= 18; ++grade) {
            const float printed = tolerances(grade + 2, row);
            const std::string column = grade == -1 ? "IT01" : "IT" + std::to_string(grade);
            if (grade <= 0 && upTo > 500) {  // IT01 and IT0 exist up to 500 mm only
                EXPECT_EQ(printed, 0) << column << " up to " << upTo;
                continue;
            }
            const double derived = DerivedIt(grade, upTo);
            ExpectFollowsFormula(column, upTo, printed, {derived, derived}, Step("IT", derived));
        }
    }
    const Table& deviations = test::Shipped().FundamentalDeviations;
    for (const DeviationBand& band : DeviationBands()) {
        // j is the one letter without a formula.
        if (band.Side != ZoneMember::Shaft || band.Column == 0 || band.Letters == "j") continue;
        for (std::int32_t row = 0; row < deviations.Rows; ++row) {
            const float printed = deviations(band.Column, row);
            if (printed == kUndefinedMark) continue;
            const auto formula = DerivedDeviation(band.Heading, row);
            const double middle = (formula.first + formula.second) / 2;
            ExpectFollowsFormula(std::string(band.Heading), DeviationSizeLimits()[row], printed,
                                 formula, Step(band.Heading < "h" ? "a-g" : "k-zc", middle));
        }
    }
}

}  // namespace
}  // namespace brimsel
