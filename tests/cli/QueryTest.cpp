#include <gtest/gtest.h>

#include <string>

#include "CliTestSupport.h"
#include "cli/Query.h"
#include "engine/NumberText.h"

namespace brimsel {
namespace {

using test::ShippedTables;

struct ZoneRow {
    int line;
    const char* size;
    const char* zone;
    const char* shown;
    ZoneMember member;
    const char* upperMm;
    const char* lowerMm;
    const char* upperText;
    const char* lowerText;
};

constexpr ZoneMember kHole = ZoneMember::Hole;
constexpr ZoneMember kShaft = ZoneMember::Shaft;

// The standard's values for these zones, as the window shows them.
const ZoneRow kWorkedExamples[] = {
    {__LINE__, "100", "H7", "H7", kHole, "0.035", "0", "+0.035", " 0"},
    {__LINE__, "100", "K7", "K7", kHole, "0.01", "-0.025", "+0.010", "-0.025"},
    {__LINE__, "300", "M6", "M6", kHole, "-0.009", "-0.041", "-0.009", "-0.041"},
    {__LINE__, "100", "JS7", "JS7", kHole, "0.017", "-0.017", "+0.017", "-0.017"},
    {__LINE__, "5", "JS7", "JS7", kHole, "0.006", "-0.006", "+0.006", "-0.006"},
    {__LINE__, "8", "JS6", "JS6", kHole, "0.0045", "-0.0045", "+0.0045", "-0.0045"},
    {__LINE__, "30", "F8", "F8", kHole, "0.053", "0.02", "+0.053", "+0.020"},
    {__LINE__, "100", "h6", "h6", kShaft, "0", "-0.022", " 0", "-0.022"},
    {__LINE__, "100", "g6", "g6", kShaft, "-0.012", "-0.034", "-0.012", "-0.034"},
    {__LINE__, "100", "k6", "k6", kShaft, "0.025", "0.003", "+0.025", "+0.003"},
    {__LINE__, "8", "js6", "js6", kShaft, "0.0045", "-0.0045", "+0.0045", "-0.0045"},
    {__LINE__, "5", "js7", "js7", kShaft, "0.006", "-0.006", "+0.006", "-0.006"},
    // The zone text as typed is normalised first; M06 still takes the M6 rule.
    {__LINE__, "300", "M06", "M6", kHole, "-0.009", "-0.041", "-0.009", "-0.041"},
    {__LINE__, "300", "*M6", "M6", kHole, "-0.009", "-0.041", "-0.009", "-0.041"},
    {__LINE__, "100", "*g6", "g6", kShaft, "-0.012", "-0.034", "-0.012", "-0.034"},
    {__LINE__, "100", "Js7", "JS7", kHole, "0.017", "-0.017", "+0.017", "-0.017"},
    {__LINE__, "5", "jS7", "js7", kShaft, "0.006", "-0.006", "+0.006", "-0.006"},
    {__LINE__, "100", "H07", "H7", kHole, "0.035", "0", "+0.035", " 0"},
    {__LINE__, "100.0", "H7", "H7", kHole, "0.035", "0", "+0.035", " 0"},
    // Every query follows the custom basis: N9 is refused at 1 mm, n9 is not.
    {__LINE__, "1", "N8", "N8", kHole, "-0.004", "-0.018", "-0.004", "-0.018"},
    {__LINE__, "1", "n9", "n9", kShaft, "0.029", "0.004", "+0.029", "+0.004"},
    {__LINE__, "1.0001", "A11", "A11", kHole, "0.33", "0.27", "+0.330", "+0.270"},
};

TEST(EvaluateQuery, WorkedExamples) {
    for (const ZoneRow& row : kWorkedExamples) {
        testing::ScopedTrace trace(__FILE__, row.line, std::string(row.zone) + " at " + row.size);
        const QueryResult result = EvaluateQuery(ShippedTables(), row.size, row.zone);
        ASSERT_EQ(result.Zones.size(), 1u);
        EXPECT_FALSE(result.Fit);
        const ZoneResult& zone = result.Zones[0];
        EXPECT_EQ(zone.Code, 0);
        EXPECT_EQ(zone.Zone, row.shown);
        EXPECT_EQ(zone.Member, row.member);
        EXPECT_EQ(SingleText(zone.Upper), row.upperMm);
        EXPECT_EQ(SingleText(zone.Lower), row.lowerMm);
        EXPECT_EQ(zone.UpperText, row.upperText);
        EXPECT_EQ(zone.LowerText, row.lowerText);
        EXPECT_TRUE(result.AllComputed());
    }
}

struct ErrorRow {
    int line;
    const char* size;
    const char* zone;
    const char* shown;
    int code;
};

const ErrorRow kErrors[] = {
    {__LINE__, "100", "Q7", "Q7", 21},
    {__LINE__, "100", "q7", "q7", 22},
    {__LINE__, "100", "H19", "H19", 21},
    {__LINE__, "100", "h19", "h19", 22},
    {__LINE__, "100", "JS", "JS", 21},
    {__LINE__, "100", "", "", 21},
    {__LINE__, "100", "7", "7", 21},
    {__LINE__, "100", "K2", "K2", 31},
    {__LINE__, "1", "A11", "A11", 41},
    {__LINE__, "1", "B11", "B11", 41},
    {__LINE__, "1", "H14", "H14", 41},
    {__LINE__, "1", "N9", "N9", 41},
    {__LINE__, "1", "a11", "a11", 42},
    {__LINE__, "1", "h14", "h14", 42},
    {__LINE__, "0.5", "b11", "b11", 42},
    {__LINE__, "501", "H01", "H01", 31},
    // Characters the zone boxes never take are refused, not cut away.
    {__LINE__, "100", "H7-3", "H7-3", 21},
    {__LINE__, "100", "H7.5", "H7.5", 21},
    {__LINE__, "100", "g6 ", "g6 ", 22},
    {__LINE__, "100", "**H7", "**H7", 21},
    {__LINE__, "100",
     "H\xc3\x97"
     "7",
     "H\xc3\x97"
     "7",
     21},
    // A bad size is reported for every zone, before anything else.
    {__LINE__, "12x", "H7", "H7", 1},
    {__LINE__, "", "H7", "H7", 1},
    {__LINE__, "1e3", "H7", "H7", 1},
    {__LINE__, "nan", "g6", "g6", 1},
    {__LINE__, "inf", "g6", "g6", 1},
    {__LINE__, "-5", "H7", "H7", 1},
    {__LINE__, "3150.1", "H7", "H7", 1},
    {__LINE__, "12x", "H7-3", "H7-3", 1},
};

TEST(EvaluateQuery, FailuresCarryTheirCode) {
    for (const ErrorRow& row : kErrors) {
        testing::ScopedTrace trace(__FILE__, row.line, std::string(row.zone) + " at " + row.size);
        const QueryResult result = EvaluateQuery(ShippedTables(), row.size, row.zone);
        ASSERT_EQ(result.Zones.size(), 1u);
        EXPECT_EQ(result.Zones[0].Code, row.code);
        EXPECT_EQ(result.Zones[0].Zone, row.shown);
        EXPECT_TRUE(result.Zones[0].UpperText.empty());
        EXPECT_FALSE(result.AllComputed());
        EXPECT_FALSE(ErrorMessage(result.Zones[0].Code, kChinese).empty());
    }
}

TEST(ParseBasicSize, OnlyPlainDecimalsFrom0To3150) {
    struct Row {
        int line;
        const char* text;
        bool valid;
        float value;
    };
    const Row rows[] = {
        {__LINE__, "100", true, 100.0f},
        {__LINE__, "12.5", true, 12.5f},
        {__LINE__, "007", true, 7.0f},
        {__LINE__, "0", true, 0.0f},
        {__LINE__, ".5", true, 0.5f},
        {__LINE__, "5.", true, 5.0f},
        {__LINE__, "3150", true, 3150.0f},
        {__LINE__, "3150.0000", true, 3150.0f},
        {__LINE__, "0.1", true, 0.1f},
        {__LINE__, "", false, 0},
        {__LINE__, ".", false, 0},
        {__LINE__, "12x", false, 0},
        {__LINE__, "1e3", false, 0},
        {__LINE__, "nan", false, 0},
        {__LINE__, "inf", false, 0},
        {__LINE__, "-5", false, 0},
        {__LINE__, "-0", false, 0},
        {__LINE__, "+5", false, 0},
        {__LINE__, " 5", false, 0},
        {__LINE__, "5 ", false, 0},
        {__LINE__, "1.2.3", false, 0},
        {__LINE__, "12,5", false, 0},
        {__LINE__, "0x10", false, 0},
        {__LINE__, "3150.1", false, 0},
        {__LINE__, "3151", false, 0},
        {__LINE__, "99999999999999999999999999999999999999999", false, 0},
    };
    for (const Row& row : rows) {
        testing::ScopedTrace trace(__FILE__, row.line, std::string("\"") + row.text + "\"");
        const auto size = ParseBasicSize(row.text);
        ASSERT_EQ(size.has_value(), row.valid);
        if (size) {
            EXPECT_EQ(*size, row.value);
        }
    }
}

TEST(EvaluateQuery, SizeIsShownAsTheWindowShowsIt) {
    EXPECT_EQ(EvaluateQuery(ShippedTables(), "0100.50", "H7").SizeText, "100.5");
    EXPECT_EQ(EvaluateQuery(ShippedTables(), "12x", "H7").SizeText, "12x");
}

struct FitRow {
    int line;
    const char* size;
    const char* zone;
    const char* shown;
    float xmax;
    float xmin;
    const char* maxText;
    const char* minText;
    int firstName;
    int secondName;
    int kind;
};

TEST(EvaluateQuery, FitsGiveBothZonesAndTheLimits) {
    const FitRow rows[] = {
        {__LINE__, "100", "H7/g6", "H7/g6", 0.069f, 0.012f, "+0.069", "+0.012", 19, 20, 11},
        {__LINE__, "100", "H7/s6", "H7/s6", -0.036f, -0.093f, "-0.036", "-0.093", 22, 21, 13},
        {__LINE__, "100", "H7/k6", "H7/k6", 0.032f, -0.025f, "+0.032", "-0.025", 19, 21, 12},
        {__LINE__, "100", "H7/h6", "H7/h6", 0.057f, 0.0f, "+0.057", " 0", 19, 20, 11},
        // The position tells hole from shaft in a fit, whatever the case.
        {__LINE__, "100", "h7/G6", "H7/g6", 0.069f, 0.012f, "+0.069", "+0.012", 19, 20, 11},
        {__LINE__, "100", "*H7/*g6", "H7/g6", 0.069f, 0.012f, "+0.069", "+0.012", 19, 20, 11},
    };
    for (const FitRow& row : rows) {
        testing::ScopedTrace trace(__FILE__, row.line, std::string(row.zone) + " at " + row.size);
        const QueryResult result = EvaluateQuery(ShippedTables(), row.size, row.zone);
        ASSERT_EQ(result.Zones.size(), 2u);
        EXPECT_EQ(result.Zones[0].Member, ZoneMember::Hole);
        EXPECT_EQ(result.Zones[1].Member, ZoneMember::Shaft);
        ASSERT_TRUE(result.Fit);
        const FitResult& fit = *result.Fit;
        EXPECT_EQ(fit.Code, 0);
        EXPECT_EQ(fit.Zone, row.shown);
        EXPECT_NEAR(fit.Limits.Xmax, row.xmax, 1e-7);
        EXPECT_NEAR(fit.Limits.Xmin, row.xmin, 1e-7);
        EXPECT_EQ(fit.Limits.TextMax, row.maxText);
        EXPECT_EQ(fit.Limits.TextMin, row.minText);
        EXPECT_EQ(fit.Limits.FirstLimitString, row.firstName);
        EXPECT_EQ(fit.Limits.SecondLimitString, row.secondName);
        EXPECT_EQ(fit.Limits.KindString, row.kind);
    }
}

TEST(EvaluateQuery, AFitWithAFailedZoneCarriesThatCode) {
    const ErrorRow rows[] = {
        {__LINE__, "100", "H7/q7", "H7/q7", 22}, {__LINE__, "100", "Q7/g6", "Q7/g6", 21},
        {__LINE__, "100", "Q7/q7", "Q7/q7", 21}, {__LINE__, "100", "H7/", "H7/", 22},
        {__LINE__, "100", "/g6", "/g6", 21},     {__LINE__, "100", "H7/g6/f7", "H7/g6/f7", 22},
        {__LINE__, "1", "H7/a11", "H7/a11", 42}, {__LINE__, "abc", "H7/g6", "H7/g6", 1},
    };
    for (const ErrorRow& row : rows) {
        testing::ScopedTrace trace(__FILE__, row.line, std::string(row.zone) + " at " + row.size);
        const QueryResult result = EvaluateQuery(ShippedTables(), row.size, row.zone);
        ASSERT_TRUE(result.Fit);
        EXPECT_EQ(result.Fit->Code, row.code);
        EXPECT_EQ(result.Fit->Zone, row.shown);
        EXPECT_FALSE(result.AllComputed());
    }
}

TEST(AppendCsvField, QuotesWhatACsvReaderWouldMisread) {
    struct Row {
        int line;
        const char* field;
        const char* written;
    };
    const Row rows[] = {
        {__LINE__, "+0.035", "+0.035"},
        {__LINE__, " 0", "\" 0\""},
        {__LINE__, "", ""},
        {__LINE__, "a,b", "\"a,b\""},
        {__LINE__, "say \"x\"", "\"say \"\"x\"\"\""},
        {__LINE__, "two\nlines", "\"two\nlines\""},
        {__LINE__, "end ", "\"end \""},
        {__LINE__, "最大间隙", "最大间隙"},
    };
    for (const Row& row : rows) {
        testing::ScopedTrace trace(__FILE__, row.line, row.field);
        std::string out;
        AppendCsvField(out, row.field);
        EXPECT_EQ(out, row.written);
    }
}

TEST(AppendCsvRows, ZoneRowsThenTheFitRow) {
    const QueryResult result = EvaluateQuery(ShippedTables(), "100", "H7/g6");
    std::string out;
    AppendCsvRows(out, result, kEnglish);
    EXPECT_EQ(out,
              "100,H7,0.035,0,+0.035,\" 0\",0,,,,,\n"
              "100,g6,-0.012,-0.034,-0.012,-0.034,0,,,,,\n"
              "100,H7/g6,0.069,0.012,,,0,+0.069,+0.012,MAX clearance,MIN clearance,"
              "Clearance Fit\n");
    // The subtraction leaves float noise (-0.004000001); the row gives the
    // limits as shown, so that they agree with the names and the kind.
    out.clear();
    AppendCsvRows(out, EvaluateQuery(ShippedTables(), "1", "H7/s6"), kEnglish);
    EXPECT_NE(out.find("\n1,H7/s6,-0.004,-0.02,,,0,-0.004,-0.020,MIN interference,"
                       "MAX interference,Interference Fit\n"),
              std::string::npos)
        << out;
}

TEST(AppendCsvRows, FailedRowsLeaveTheValuesEmpty) {
    std::string out;
    AppendCsvRows(out, EvaluateQuery(ShippedTables(), "1,5", "H7/q7"), kChinese);
    EXPECT_EQ(out,
              "\"1,5\",H7,,,,,1,,,,,\n"
              "\"1,5\",q7,,,,,1,,,,,\n"
              "\"1,5\",H7/q7,,,,,1,,,,,\n");
    out.clear();
    AppendCsvRows(out, EvaluateQuery(ShippedTables(), "100", "H7/q7"), kChinese);
    EXPECT_EQ(out,
              "100,H7,0.035,0,+0.035,\" 0\",0,,,,,\n"
              "100,q7,,,,,22,,,,,\n"
              "100,H7/q7,,,,,22,,,,,\n");
}

TEST(AppendCsvRows, EveryRowHasAllTwelveColumns) {
    const auto header = test::ParseCsv(kCsvHeader);
    ASSERT_EQ(header.size(), 1u);
    ASSERT_EQ(header[0].size(), 12u);
    for (const char* zone : {"H7", "q7", "H7/s6", "H7/q7", "a,b/\"c\""}) {
        std::string out;
        AppendCsvRows(out, EvaluateQuery(ShippedTables(), "100", zone), kChinese);
        for (const auto& row : test::ParseCsv(out)) {
            testing::ScopedTrace trace(__FILE__, __LINE__, zone);
            EXPECT_EQ(row.size(), 12u);
        }
    }
}

TEST(AppendReadableLines, OneLinePerZoneAndFit) {
    std::string out;
    AppendReadableLines(out, EvaluateQuery(ShippedTables(), "100", "H7/s6"), kChinese);
    AppendReadableLines(out, EvaluateQuery(ShippedTables(), "100", "Q7"), kChinese);
    AppendReadableLines(out, EvaluateQuery(ShippedTables(), "4000", "g6"), kEnglish);
    EXPECT_EQ(out,
              "100  H7  ES=+0.035  EI= 0\n"
              "100  s6  es=+0.093  ei=+0.071\n"
              "100  H7/s6  最小过盈=-0.036  最大过盈=-0.093  过盈配合\n"
              "100  Q7  error 21: 公差等级输入未完成或错误\n"
              "4000  g6  error 1: please input 0～3150 as the bisic dimension\n");
}

TEST(ErrorMessage, EachCodeItsMessage) {
    for (const int code : {21, 22}) {
        EXPECT_EQ(ErrorMessage(static_cast<std::int16_t>(code), kEnglish),
                  "incorrect Tolerance Setting")
            << code;
    }
    for (const int code : {31, 32, 41, 42}) {
        EXPECT_EQ(ErrorMessage(static_cast<std::int16_t>(code), kChinese),
                  "基本尺寸或公差等级超出标准的适用范围")
            << code;
    }
    EXPECT_EQ(ErrorMessage(1, kChinese), "基本尺寸应输入0～3150");
    EXPECT_EQ(ErrorMessage(7, kEnglish), "");
}

}  // namespace
}  // namespace brimsel
