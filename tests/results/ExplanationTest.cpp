// The derivation as text: the window's one line and the query command's lines
// for each special rule, against the standard's worked examples.
#include <TestData.h>
#include <gtest/gtest.h>

#include "datafile/StandardTables.h"
#include "engine/ZoneCode.h"
#include "results/Explanation.h"

namespace brimsel {
namespace {

// size, zone, language (1 or 2), "brief" and the line, or a line number and the line.
TEST(Explanation, Rows) {
    static const ToleranceData tables = BuildStandardTables();
    for (const test::TsvRow& row : test::ReadTsv("results/explanations.tsv")) {
        const testing::ScopedTrace trace(row.File.c_str(), row.Line, "");
        const ZoneMember member = MemberByCase(row[1]);
        const NormalisedZone zone = NormaliseZoneCode(row[1], member);
        const ZoneQuery query{zone.Letters, zone.Grade, std::stof(row[0]), true, zone.Text};
        const ZoneDeviations z = member == ZoneMember::Hole ? EvaluateHoleZone(tables, query)
                                                            : EvaluateShaftZone(tables, query);
        const auto language = static_cast<std::int16_t>(std::stoi(row[2]));
        if (row[3] == "brief") {
            EXPECT_EQ(ExplainZoneBriefly(row[0], zone.Text, member, z, language), row[4]);
            continue;
        }
        const std::vector<std::string> lines = ExplainZone(row[0], zone.Text, member, z, language);
        const auto at = static_cast<std::size_t>(std::stoi(row[3]));
        ASSERT_LT(at, lines.size());
        EXPECT_EQ(lines[at], row[4]);
    }
}

}  // namespace
}  // namespace brimsel
