// What the window and the query command present: limits of fit, callouts,
// the diagram's levels and commands, and the derivation as text.
#include "TestData.h"
#include "datafile/StandardTables.h"
#include "engine/ExactDecimal.h"
#include "engine/FitOutcome.h"
#include "engine/ZoneCode.h"
#include "results/Callout.h"
#include "results/Diagram.h"
#include "results/Explanation.h"
#include "results/FitLimits.h"
#include "texts/Meanings.h"
#include "texts/StringTable.h"

namespace brimsel {
namespace {

// Each row a test of its own, named after its line.
class FitOutcomeRows : public testing::TestWithParam<test::TsvRow> {};

TEST_P(FitOutcomeRows, LimitsNamesAndKindFromExactDeviations) {
    const test::TsvRow& row = GetParam();
    const auto units = [&](int i) { return test::Scaled(row[i], kExactDecimals); };
    const FitOutcome outcome = ComputeFitOutcome(units(0), units(1), units(2), units(3));
    const auto text = [](int n) { return std::string(LookUpString(Language::English, n)); };
    EXPECT_EQ(outcome.LargestText + "|" + outcome.SmallestText + "|" +
                  std::string(LimitNameText(Language::English, outcome.LargestName)) + "|" +
                  std::string(LimitNameText(Language::English, outcome.SmallestName)) + "|" +
                  std::string(KindText(Language::English, outcome.Kind)),
              row[4] + "|" + row[5] + "|" + text(std::stoi(row[6])) + "|" +
                  text(std::stoi(row[7])) + "|" + text(std::stoi(row[8])));
    // The difference written independently, with the decimals of the text.
    EXPECT_EQ(test::Written(units(0) - units(3), kExactDecimals, true),
              test::Written(test::Scaled(row[4], kExactDecimals), kExactDecimals, true));
}

INSTANTIATE_TEST_SUITE_P(Limits, FitOutcomeRows,
                         testing::ValuesIn(test::ReadTsv("results/limits.tsv")), test::RowName);

TSV_ROW_TEST(FractionBarRows, RightEnd, "results/fraction-bar.tsv") {
    EXPECT_EQ(FractionBarRightEnd(row[0], row[1], row[2], row[3]), std::stoi(row[4]));
}

using test::Decimals, test::Scaled, test::Written;

TSV_ROW_TEST(CalloutRows, FormsAndResultTextAgainstDigitArithmetic, "results/callouts.tsv") {
    const auto units = [&](int i) { return test::Scaled(row[i], kExactDecimals); };
    const ShownFit fit{std::stof(row[0]),
                       {row[1], units(2), units(3)},
                       {row[4], units(5), units(6)},
                       ComputeFitOutcome(units(2), units(3), units(5), units(6))};
    EXPECT_EQ(WriteCallout(fit, CalloutForm::Code), "Ø" + row[0] + " " + row[1] + "/" + row[4]);
    EXPECT_EQ(WriteCallout(fit, CalloutForm::CodeAndDeviations), row[7]);
    for (const int first : {2, 5}) {
        const int d = std::max({Decimals(row[0]), test::NeededDecimals(row[first], 3),
                                test::NeededDecimals(row[first + 1], 3)});
        const auto limit = [&](int i) {
            return Written(Scaled(row[0], d) + Scaled(row[i], d), d, false);
        };
        EXPECT_EQ(
            WriteCallout(fit, first == 2 ? CalloutForm::HoleLimits : CalloutForm::ShaftLimits),
            "Ø" + limit(first) + "/" + limit(first + 1));
    }
    // Each limit with the decimals it needs, three at least.
    const auto difference = [&](int a, int b) {
        const int d = std::max({3, Decimals(row[a]), Decimals(row[b])});
        return Written(Scaled(row[a], d) - Scaled(row[b], d), d, true);
    };
    const auto name = [&](int i) {
        return std::string(LookUpString(Language::English, std::stoi(row[i])));
    };
    const std::string ending = name(8) + "\t" + difference(2, 6) + "\n" + name(9) + "\t" +
                               difference(3, 5) + "\nkind of fit\t" + name(10) + "\n";
    EXPECT_TRUE(WriteResultText(fit, Language::English).ends_with(ending)) << ending;
}

// As diagram.tsv writes commands: text 15,435 ZeroLine "0", line x1,y1 x2,y2 Pen,
// box x1,y1 x2,y2 Pen/Fill.
std::string Describe(const DiagramCommand& c) {
    const auto ink = [](Ink i) {
        return std::string(std::array{"ZeroLine", "ZoneName", "HoleZone", "ShaftZone"}.at(int(i)));
    };
    const std::string from = std::to_string(c.X1) + "," + std::to_string(c.Y1);
    const std::string to = " " + std::to_string(c.X2) + "," + std::to_string(c.Y2) + " ";
    if (c.What == DiagramCommand::Kind::Text)
        return "text " + from + " " + ink(c.Pen) + " \"" + c.Text + "\"";
    if (c.What == DiagramCommand::Kind::Line) return "line " + from + to + ink(c.Pen);
    return "box " + from + to + ink(c.Pen) + "/" + ink(c.Fill);
}

// The shortest text that reads back as the same single: "15000" is 15000 exactly.
std::string Exact(float value) {
    char text[32];
    return {text, std::to_chars(text, text + sizeof text, value).ptr};
}

// What one check of diagram.tsv looks at, as text.
std::string Checked(const DiagramLayout& layout, const std::string& check) {
    const std::pair<const char*, std::int16_t> levels[] = {
        {"Hd", layout.UsableHeight}, {"yES", layout.YHoleUpper},  {"yEI", layout.YHoleLower},
        {"yes", layout.YShaftUpper}, {"yei", layout.YShaftLower}, {"y0", layout.YZero},
        {"Y0t", layout.YZeroMarks},  {"Yh", layout.YHoleName},    {"Ys", layout.YShaftName}};
    std::string all;
    for (const auto& [name, level] : levels) {
        if (check == name) return std::to_string(level);
        all += (all.empty() ? "" : " ") + std::to_string(level);
    }
    const std::size_t count = layout.Commands.size();
    if (check == "levels") return all;
    if (check == "scale") return Exact(layout.Scale);
    if (check == "count") return std::to_string(count);
    if (check == "sound")
        return std::isfinite(layout.Scale) && count >= 8 && count <= 10
                   ? "finite scale, 8 to 10 commands"
                   : Exact(layout.Scale) + " scale, " + std::to_string(count) + " commands";
    if (check == "lines") {
        std::string lines;
        for (const DiagramCommand& c : layout.Commands)
            if (c.What == DiagramCommand::Kind::Line)
                lines += (lines.empty() ? "" : " | ") + Describe(c);
        return lines;
    }
    const std::size_t n = check.starts_with("cmd") ? std::stoul(check.substr(3)) : count;
    return n < count ? Describe(layout.Commands[n]) : "no " + check;
}

TEST(Diagram, LevelsAndCommands) {
    DiagramInput input;
    input.HoleName = "hole";
    input.ShaftName = "shaft";
    for (const test::TsvRow& row : test::ReadTsv("results/diagram.tsv")) {
        const testing::ScopedTrace trace(row.File.c_str(), row.Line, row[8]);
        if (!row[0].empty()) {
            // strtof, not stof: the inputs include NaN and the smallest denormal.
            input.HoleUpper = std::strtof(row[0].c_str(), nullptr);
            input.HoleLower = std::strtof(row[1].c_str(), nullptr);
            input.ShaftUpper = std::strtof(row[2].c_str(), nullptr);
            input.ShaftLower = std::strtof(row[3].c_str(), nullptr);
            input.SurfaceHeight = std::stoi(row[4]);
            input.TextHeight = static_cast<std::int16_t>(std::stoi(row[5]));
            input.HoleNameWidth = static_cast<std::int16_t>(std::stoi(row[6]));
            input.ShaftNameWidth = static_cast<std::int16_t>(std::stoi(row[7]));
        }
        EXPECT_EQ(Checked(LayOutToleranceDiagram(input), row[8]), row[9]);
    }
}

// The window's one line of derivation and the query command's lines
// for each special rule, against the standard's worked examples.
// size, zone, language (1 or 2), "brief" and the line, or a line number and
// the line; then the edition when not 1998.
TSV_ROW_TEST(ExplanationRows, Lines, "results/explanations.tsv") {
    static const ToleranceData tables = BuildStandardTables();
    const ZoneMember member = MemberByCase(row[1]);
    const NormalisedZone zone = NormaliseZoneCode(row[1], member);
    const ZoneQuery query{
        zone.Letters, zone.Grade, std::stof(row[0]),
        true,         zone.Text,  ReadEdition(row.Fields.size() > 5 ? row[5] : "1998").value()};
    const ZoneDeviations z = member == ZoneMember::Hole ? EvaluateHoleZone(tables, query)
                                                        : EvaluateShaftZone(tables, query);
    const auto language = static_cast<Language>(std::stoi(row[2]));
    if (row[3] == "brief") {
        EXPECT_EQ(ExplainZoneBriefly(row[0], zone.Text, member, z, language), row[4]);
        return;
    }
    const std::vector<std::string> lines =
        ExplainZone(row[0], zone.Text, member, z, ComputeSizeLimits(query.BasicSize, z), language);
    const auto at = static_cast<std::size_t>(std::stoi(row[3]));
    ASSERT_LT(at, lines.size());
    EXPECT_EQ(lines[at], row[4]);
}

}  // namespace
}  // namespace brimsel
