// Every letter, every grade, sizes in and at the edges of every size range:
// the engine on the shipped tables against the standard's rules worked out
// independently in integer tenths of a micrometre.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "Iso286Reference.h"
#include "StandardZoneCheck.h"

namespace brimsel {
namespace {

using test::Describe;
using test::EvaluateZoneCode;
using test::NearlyExactMillimetres;

// One size just above the lower limit, one in the middle and the upper limit
// itself of every deviation size range.
std::vector<float> SweepSizes() {
    std::vector<float> sizes;
    float lower = 0.0f;
    for (const float upper : test::iso::DeviationSizeLimits()) {
        sizes.push_back(lower + 0.01f);
        sizes.push_back((lower + upper) / 2.0f);
        sizes.push_back(upper);
        lower = upper;
    }
    return sizes;
}

std::string GradeText(int grade) { return grade == -1 ? "01" : std::to_string(grade); }

std::string Expected(const test::iso::Outcome& e) {
    std::ostringstream out;
    for (std::size_t i = 0; i < e.Codes.size(); ++i) {
        out << (i ? " or " : "");
        if (e.Codes[i] == 0) {
            out << static_cast<double>(e.Upper20) / 20.0 << " / "
                << static_cast<double>(e.Lower20) / 20.0 << " um";
        } else {
            out << "error " << e.Codes[i];
        }
    }
    if (!e.Note.empty()) out << " [" << e.Note << "]";
    return out.str();
}

// Empty when the engine's result is what the reference allows.
std::string Mismatch(const ZoneDeviations& r, const test::iso::Outcome& e) {
    if (!e.Allows(r.ErrorCode)) return "code";
    if (!r.Ok()) return "";
    if (!NearlyExactMillimetres(r.Upper, static_cast<double>(e.Upper20) / 20000.0) ||
        !NearlyExactMillimetres(r.Lower, static_cast<double>(e.Lower20) / 20000.0)) {
        return "value";
    }
    const int d = test::iso::CaptionDecimals(e.Upper20, e.Lower20);
    if (r.UpperText != test::iso::Caption(e.Upper20, d) ||
        r.LowerText != test::iso::Caption(e.Lower20, d)) {
        return "caption \"" + test::iso::Caption(e.Upper20, d) + "\" / \"" +
               test::iso::Caption(e.Lower20, d) + "\"";
    }
    return "";
}

struct SweepCount {
    int zones = 0;
    int computed = 0;
    int failures = 0;
};

void Sweep(bool hole, bool custom, const std::vector<float>& sizes, SweepCount& count) {
    const auto& letters = hole ? test::iso::kHoleLetters : test::iso::kShaftLetters;
    for (const char* l : letters) {
        for (int grade = -1; grade <= 18; ++grade) {
            const std::string zone = l + GradeText(grade);
            for (const float size : sizes) {
                const auto r = EvaluateZoneCode(zone, size, custom);
                const auto e = hole ? test::iso::Hole(l, grade, size, custom)
                                    : test::iso::Shaft(l, grade, size, custom);
                ++count.zones;
                if (r.Ok()) ++count.computed;
                const std::string why = Mismatch(r, e);
                if (why.empty()) continue;
                // Keep the report readable if something systematic breaks.
                if (++count.failures > 60) continue;
                ADD_FAILURE() << zone << " at " << size << " mm" << (custom ? " (custom)" : "")
                              << ": got " << Describe(r) << ", expected " << Expected(e) << " ("
                              << why << ")";
            }
        }
    }
}

TEST(RuleSweep, EveryHoleZoneAtEverySizeRange) {
    SweepCount count;
    Sweep(true, false, SweepSizes(), count);
    EXPECT_EQ(count.failures, 0) << "of " << count.zones << " zones";
    EXPECT_GT(count.computed, count.zones / 2);
}

TEST(RuleSweep, EveryShaftZoneAtEverySizeRange) {
    SweepCount count;
    Sweep(false, false, SweepSizes(), count);
    EXPECT_EQ(count.failures, 0) << "of " << count.zones << " zones";
    EXPECT_GT(count.computed, count.zones / 2);
}

TEST(RuleSweep, SmallSizesInTheCustomBasis) {
    const std::vector<float> sizes = {0.0f, 0.5f, 1.0f, 1.01f, 3.0f};
    SweepCount count;
    Sweep(true, true, sizes, count);
    Sweep(false, true, sizes, count);
    EXPECT_EQ(count.failures, 0) << "of " << count.zones << " zones";
}

TEST(RuleSweep, ReferenceAgreesWithItsOwnWorkedExamples) {
    // Guards the reference itself against a slip that the engine might share.
    struct Row {
        int line;
        bool hole;
        const char* letters;
        int grade;
        float size;
        long upper20;
        long lower20;
    };
    const Row rows[] = {
        {__LINE__, true, "K", 7, 100, 200, -500},  {__LINE__, true, "M", 6, 300, -180, -820},
        {__LINE__, true, "JS", 7, 100, 340, -340}, {__LINE__, true, "F", 8, 30, 1060, 400},
        {__LINE__, true, "K", 4, 5, 10, -70},      {__LINE__, false, "g", 6, 100, -240, -680},
        {__LINE__, false, "k", 6, 100, 500, 60},   {__LINE__, false, "js", 6, 8, 90, -90},
        {__LINE__, true, "JS", -1, 2, 3, -3},      {__LINE__, true, "P", 7, 600, -1560, -2960},
    };
    for (const auto& row : rows) {
        testing::ScopedTrace trace(__FILE__, row.line, row.letters);
        const auto e = row.hole ? test::iso::Hole(row.letters, row.grade, row.size, false)
                                : test::iso::Shaft(row.letters, row.grade, row.size, false);
        ASSERT_TRUE(e.Allows(0)) << Expected(e);
        EXPECT_EQ(e.Upper20, row.upper20);
        EXPECT_EQ(e.Lower20, row.lower20);
    }
    EXPECT_EQ(test::iso::Caption(3, 4), "+0.0002");
    EXPECT_EQ(test::iso::Caption(-90, 4), "-0.0045");
    EXPECT_EQ(test::iso::Caption(700, 3), "+0.035");
    EXPECT_EQ(test::iso::Caption(-80, 4), "-0.0040");
    EXPECT_EQ(test::iso::Caption(0, 4), " 0");
    EXPECT_EQ(test::iso::Caption(-670400, 3), "-33.520");
}

}  // namespace
}  // namespace brimsel
