#include <gtest/gtest.h>

#include <string>

#include "cli/ZoneCode.h"

namespace brimsel {
namespace {

struct SplitRow {
    int line;
    const char* code;
    const char* letters;
    const char* grade;
};

TEST(SplitZoneCode, SplitsAtTheFirstDigit) {
    const SplitRow rows[] = {
        {__LINE__, "H7", "H", "7"},     {__LINE__, "js10", "js", "10"},
        {__LINE__, "cd01", "cd", "01"}, {__LINE__, "7H", "", "7H"},
        {__LINE__, "JS", "JS", ""},     {__LINE__, "", "", ""},
        {__LINE__, "ZC11", "ZC", "11"}, {__LINE__, "H7x9", "H", "7x9"},
    };
    for (const SplitRow& row : rows) {
        testing::ScopedTrace trace(__FILE__, row.line, row.code);
        std::string letters = "stale";
        std::string grade = "stale";
        SplitZoneCode(row.code, letters, grade);
        EXPECT_EQ(letters, row.letters);
        EXPECT_EQ(grade, row.grade);
    }
}

struct NormaliseRow {
    int line;
    const char* text;
    ZoneMember member;
    const char* letters;
    const char* grade;
    const char* shown;
};

constexpr ZoneMember kHole = ZoneMember::Hole;
constexpr ZoneMember kShaft = ZoneMember::Shaft;

const NormaliseRow kNormaliseRows[] = {
    {__LINE__, "H7", kHole, "H", "7", "H7"},
    {__LINE__, "h7", kHole, "H", "7", "H7"},
    {__LINE__, "JS6", kShaft, "js", "6", "js6"},
    {__LINE__, "*g6", kShaft, "g", "6", "g6"},
    {__LINE__, "*G7", kShaft, "g", "7", "g7"},
    {__LINE__, " H7", kHole, "H", "7", "H7"},
    {__LINE__, "H07", kHole, "H", "7", "H7"},
    {__LINE__, "H01", kHole, "H", "01", "H01"},
    {__LINE__, "H0", kHole, "H", "0", "H0"},
    {__LINE__, "H00", kHole, "H", "0", "H0"},
    {__LINE__, "H010", kHole, "H", "10", "H10"},
    {__LINE__, "h001", kShaft, "h", "1", "h1"},
    {__LINE__, "H7x", kHole, "H", "7", "H7"},
    {__LINE__, "cd01", kShaft, "cd", "01", "cd01"},
    {__LINE__, "Js7", kHole, "JS", "7", "JS7"},
    {__LINE__, "7H", kHole, "", "7", "7"},
    {__LINE__, "JS", kHole, "JS", "", "JS"},
    {__LINE__, "", kShaft, "", "", ""},
    {__LINE__, "*", kHole, "", "", ""},
    // One mark is dropped, not two: the rest keeps its "*" among the letters.
    {__LINE__, "**H7", kHole, "*H", "7", "*H7"},
    // A long grade keeps its magnitude instead of wrapping into a small one.
    {__LINE__, "H4294967303", kHole, "H", "4294967303", "H4294967303"},
};

TEST(NormaliseZoneCode, FollowsTheZoneBoxRules) {
    for (const NormaliseRow& row : kNormaliseRows) {
        testing::ScopedTrace trace(__FILE__, row.line, row.text);
        const NormalisedZone zone = NormaliseZoneCode(row.text, row.member);
        EXPECT_EQ(zone.Letters, row.letters);
        EXPECT_EQ(zone.Grade, row.grade);
        EXPECT_EQ(zone.Text, row.shown);
    }
}

// The zone box writes its result back and handles it again; that second pass
// must change nothing, or the box and the computation would disagree.
TEST(NormaliseZoneCode, SecondPassChangesNothing) {
    for (const NormaliseRow& row : kNormaliseRows) {
        const NormalisedZone first = NormaliseZoneCode(row.text, row.member);
        if (!first.Text.empty() && (first.Text.front() == '*' || first.Text.front() == ' ')) {
            continue;
        }
        testing::ScopedTrace trace(__FILE__, row.line, row.text);
        EXPECT_EQ(NormaliseZoneCode(first.Text, row.member), first);
    }
}

TEST(MemberByCase, FirstLetterDecides) {
    struct Row {
        int line;
        const char* text;
        ZoneMember member;
    };
    const Row rows[] = {
        {__LINE__, "H7", kHole},   {__LINE__, "g6", kShaft},  {__LINE__, "Js7", kHole},
        {__LINE__, "jS7", kShaft}, {__LINE__, "*g6", kShaft}, {__LINE__, "7h", kShaft},
        {__LINE__, "7", kHole},    {__LINE__, "", kHole},
    };
    for (const Row& row : rows) {
        testing::ScopedTrace trace(__FILE__, row.line, row.text);
        EXPECT_EQ(MemberByCase(row.text), row.member);
    }
}

}  // namespace
}  // namespace brimsel
