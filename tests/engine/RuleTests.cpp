// The number texts and each rule of the lookup and the deviations, on tables
// made for the rule rather than on the standard's data.
// Then exact decimals, limits of size and measured sizes against sums worked on the digits.
#include "TestData.h"
#include "ZoneRows.h"
#include "engine/ExactDecimal.h"
#include "engine/Formatting.h"
#include "engine/SizeLimits.h"
#include "engine/StandardTolerance.h"

namespace brimsel::test {
namespace {

// A table field of rules.tsv (its layout is described there) applied to `t`;
// rows beyond the table's end add rows, the first row of an empty table sets
// its columns.
Table Parse(const std::string& field, Table t) {
    int at = 0, c = 0, r = 0;
    for (const auto& token : Split(field, ' ')) {
        if (std::sscanf(token.c_str(), "%dx%d", &c, &r) == 2) {
            t = Table::Sized(c, r);
        } else if (std::sscanf(token.c_str(), "%d,%d=", &c, &r) == 2) {
            t.Elements.at(static_cast<std::size_t>(r) * t.Columns + c) =
                std::stof(token.substr(token.find('=') + 1));
        } else if (token.starts_with('@')) {
            at = std::stoi(token.substr(1));
        } else if (!token.empty()) {
            const auto cells = Split(token, ':');
            if (t.Columns == 0) t.Columns = static_cast<int>(cells.size());
            t.Rows = std::max(t.Rows, at + 1);
            t.Elements.resize(static_cast<std::size_t>(t.Rows) * t.Columns);
            for (std::size_t k = 0; k < cells.size(); ++k) {
                char* end = nullptr;
                const float v = std::strtof(cells[k].c_str(), &end);
                t.Elements.at(static_cast<std::size_t>(at) * t.Columns + k) =
                    *end || end == cells[k].c_str() ? EncodeLetterCode(cells[k]) : v;
            }
            ++at;
        }
    }
    return t;
}

ToleranceData Tables(const std::string& keys, const std::string& deviations,
                     const std::string& tolerances) {
    Table indexed = Table::Sized(21, 6);
    const float limits[] = {3, 10, 250, 315, 500, 3150};
    for (int r = 0; r < 6; ++r)
        for (int k = 0; k < 21; ++k)
            indexed(k, r) = k ? static_cast<float>(1000 * (r + 1) + 10 * k) : limits[r];
    return {Parse(keys, Table::Sized(3, kHoleKeyRows)), Parse(tolerances, indexed),
            Parse(deviations, {}), 2};
}

TSV_ROW_TEST(NumberTextRows, Written, "engine/number-texts.tsv") {
    static const Table indexed = Tables("", "3150:0", "").StandardTolerances;
    const std::string& f = row[0];
    const std::string a = Unquote(row[1]), want = Unquote(row.Fields.back());
    const auto x = static_cast<float>(FloatSum(a)), y = static_cast<float>(FloatSum(row[2]));
    // Numbers as gtest prints them, texts that are equal exactly when they are.
    const auto number = [](double v) { return testing::PrintToString(v + 0.0); };
    std::string got = "unknown function";
    if (f == "SingleText") got = SingleText(x);
    if (f == "FormatDeviation") got = FormatDeviation(x, std::stoi(row[2]));
    if (f == "LeadingDigitsText") got = LeadingDigitsText(a);
    if (f == "IntegerText") got = IntegerText(std::stoll(a));
    if (f == "DecodeLetterCode") got = DecodeLetterCode(x);
    if (f == "ReadLeadingNumber") got = number(ReadLeadingNumber(a));
    if (f == "RoundHalfEven") got = number(RoundHalfEven(std::strtod(a.c_str(), nullptr)));
    if (f == "CountDecimals") got = number(CountDecimals(a));
    if (f == "DecimalsForPair") got = number(DecimalsForPairTexts(SingleText(x), SingleText(y)));
    if (f == "EncodeLetterCode") got = number(EncodeLetterCode(a));
    if (f == "Delta") got = number(LookUpStandardTolerance(a, y, indexed).Delta);
    EXPECT_EQ(got, want) << f << " \"" << a << '"';
}

TEST(Rules, OnHandMadeTables) {
    std::map<std::string, ToleranceData> tables;
    for (const auto& row : ReadTsv("engine/rules.tsv")) {
        const testing::ScopedTrace trace(row.File.c_str(), row.Line, "");
        if (row[0] == "table") {
            tables[row[1]] = Tables(row[2], row[3], row[4]);
            continue;
        }
        const auto table = tables.find(row[0]);
        ASSERT_NE(table, tables.end()) << "no table " << row[0];
        for (const auto& letters : Split(row[1], ','))
            for (const auto& grade : Split(row[2], ','))
                CheckZoneRow(table->second, row, 4, letters, Unquote(grade), row[3], true);
    }
}

// The key search compares codes without writing them as text where it can;
// whatever the code, a row must match exactly the letters its text decodes to.
TEST(Rules, KeySearchMatchesExactlyTheDecodedLettersOfAnyCode) {
    ToleranceData d = Tables("A:18:1", "3150:7", "");
    const auto check = [&](float code) {
        d.DeviationKeys(0, 0) = code;
        const std::string own = DecodeLetterCode(code);
        for (const float near : {code, code + 1.0f, std::nextafter(code, 1e30f)}) {
            const std::string letters = DecodeLetterCode(near);
            if (near != code && (letters == own || letters == "JS")) continue;
            EXPECT_EQ(EvaluateHoleZone(d, {letters, "7", 5.0f, false, ""}).ErrorCode,
                      letters == own ? 0 : 21)
                << "code " << SingleText(code) << " letters \"" << letters << '"';
        }
    };
    for (int code = 0; code < 20000; ++code) check(static_cast<float>(code));
    for (int code = 9'999'000; code < 10'001'000; ++code) check(static_cast<float>(code));
    for (const float code : {15.5f, -15.0f, -0.0f, 1718.05f, 4017.5f, 15161718.0f, 99999999.0f,
                             123456.7f, 0.25f, 1e20f, -1e-3f})
        check(code);
}

// Exact decimals, limits of size and measured sizes against sums worked on the digits.
TSV_ROW_TEST(ExactDecimalRows, ReadsRefusesAndWrites, "engine/exact-decimals.tsv") {
    const auto read = ReadExactDecimal(test::Unescaped(row[1]));
    if (row[0] == "write") {
        EXPECT_EQ(ExactDecimalText(std::stoll(row[1]), std::stoi(row[2])), row[3]);
    } else if (row[0] == "refused") {
        EXPECT_FALSE(read);
    } else {
        ASSERT_TRUE(read);
        EXPECT_EQ(std::to_string(read->Units) + " " + std::to_string(read->Decimals),
                  row[2] + " " + row[3]);
    }
}

// size, upper, lower, largest, smallest ("-" when the size is refused), then
// measured sizes with "in"/"out" and the distance.
TSV_ROW_TEST(SizeLimitRows, LimitsAndChecks, "engine/size-limits.tsv") {
    const std::string upper = Unquote(row[1]), lower = Unquote(row[2]);
    const auto size = ReadExactDecimal(row[0]);
    const auto units = [](const std::string& text) { return ReadExactDecimal(text)->Units; };
    const SizeLimits limits =
        size ? ComputeSizeLimits(*size, units(upper), units(lower)) : SizeLimits{};
    const std::string got = limits.Ok ? limits.Largest + " / " + limits.Smallest : "- / -";
    EXPECT_EQ(got, row[3] + " / " + row[4]);
    // Independently: the size plus each deviation, with the size's decimals or
    // the deviations' own (three at least), whichever are more.
    const int d = std::max(
        {Decimals(row[0]), test::NeededDecimals(upper, 3), test::NeededDecimals(lower, 3)});
    const auto sum = [&](const std::string& c) {
        return Written(Scaled(row[0], d) + Scaled(c, d), d);
    };
    if (limits.Ok) {
        EXPECT_EQ(got, sum(upper) + " / " + sum(lower));
    }
    for (std::size_t i = 5; i + 2 < row.Fields.size() + 1; i += 3) {
        const SizeCheck check = CheckMeasuredSize(limits, row[i]);
        EXPECT_TRUE(check.Ok) << row[i];
        EXPECT_EQ(check.Inside ? "in" : "out", row[i + 1]) << row[i];
        EXPECT_EQ(check.Distance, row[i + 2]) << row[i];
        // Independently: the smaller of the two differences, at the finer decimals.
        const int e = std::max({Decimals(row[3]), Decimals(row[4]), Decimals(row[i])});
        const long long m = Scaled(row[i], e);
        EXPECT_EQ(check.Distance,
                  Written(std::min(Scaled(row[3], e) - m, m - Scaled(row[4], e)), e));
    }
}

// The command line's edition keywords, and texts that name no edition.
TEST(Edition, KeywordsReadBackAndNothingElse) {
    for (const std::string_view keyword : {"1998", "2020"})
        EXPECT_EQ(EditionKeyword(ReadEdition(keyword).value()), keyword);
    EXPECT_EQ(ReadEdition("1998"), Edition::Gb1998);
    for (const std::string_view bad : {"2019", "", " 1998", "2020 ", "GB1998"})
        EXPECT_FALSE(ReadEdition(bad)) << bad;
}

}  // namespace
}  // namespace brimsel::test
