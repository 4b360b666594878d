#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "fits/Catalogue.h"

namespace brimsel::fits {
namespace {

using Zones = std::vector<std::string>;

// The smallest single above a bound: the first size a "size > n" entry meets.
float JustAbove(float bound) { return std::nextafter(bound, 1.0e9f); }

Zones Texts(const ZoneList& list) { return Zones(list.Entries.begin(), list.Entries.end()); }

enum class Basis { Hole, Shaft };

ZoneList List(Basis basis, std::string_view key, float size) {
    return basis == Basis::Hole ? ListHoleBasisGroup(key, size) : ListShaftBasisGroup(key, size);
}

struct GroupRow {
    const char* File;
    int Line;
    Basis Table;
    std::string Key;
    float Size;
    Zones Expected;
    int Default;
};

#define ROW(...) \
    GroupRow { __FILE__, __LINE__, __VA_ARGS__ }

constexpr Basis H = Basis::Hole;
constexpr Basis S = Basis::Shaft;

void Check(const std::vector<GroupRow>& rows) {
    for (const GroupRow& row : rows) {
        SCOPED_TRACE(testing::Message() << row.File << ":" << row.Line << " key " << row.Key
                                        << " at size " << row.Size);
        const ZoneList list = List(row.Table, row.Key, row.Size);
        EXPECT_TRUE(list.Found);
        EXPECT_EQ(Texts(list), row.Expected);
        EXPECT_EQ(list.DefaultPosition, row.Default);
    }
}

// Each bound of every size condition, at the bound and at the next single above it.
TEST(Catalogue, SizeConditionsAtTheirBounds) {
    Check({
        // 1 mm: the lower bound of the a/b and A/B zones and of "N8".
        ROW(H, "0H11", 1.0f, {"*c11", "d11", "*h11"}, 2),
        ROW(H, "0H11", JustAbove(1), {"a11", "b11", "*c11", "d11", "*h11"}, 2),
        ROW(S, "0h11", 1.0f, {"*C11", "D11", "*H11"}, 2),
        ROW(S, "0h11", JustAbove(1), {"A11", "B11", "*C11", "D11", "*H11"}, 2),
        ROW(H, "0H12", 1.0f, {"h12"}, 0),
        ROW(H, "0H12", JustAbove(1), {"b12", "h12"}, 0),
        ROW(S, "0h12", 1.0f, {"H12"}, 0),
        ROW(S, "0h12", JustAbove(1), {"B12", "H12"}, 0),
        ROW(S, "1h7", 1.0f, {"JS8", "K8", "M8"}, 1),
        ROW(S, "1h7", JustAbove(1), {"JS8", "K8", "M8", "N8"}, 1),
        // 3 mm: "n5" and "*p6" change groups, and "2H7" moves its default.
        ROW(H, "1H6", 3.0f, {"js5", "k5", "m5", "n5"}, 1),
        ROW(H, "1H6", JustAbove(3), {"js5", "k5", "m5"}, 1),
        ROW(H, "2H6", 3.0f, {"p5", "r5", "s5"}, 0),
        ROW(H, "2H6", JustAbove(3), {"n5", "p5", "r5", "s5"}, 0),
        ROW(H, "1H7", 3.0f, {"js6", "*k6", "m6", "*n6", "*p6"}, 1),
        ROW(H, "1H7", JustAbove(3), {"js6", "*k6", "m6", "*n6"}, 1),
        ROW(H, "2H7", 3.0f, {"r6", "*s6", "*u6", "x6", "z6"}, 1),
        ROW(H, "2H7", JustAbove(3), {"*p6", "r6", "*s6", "*u6", "x6", "z6"}, 0),
        // 14 and 18 mm: "v6" and "y6".
        ROW(H, "2H7", 14.0f, {"*p6", "r6", "*s6", "*u6", "x6", "z6"}, 0),
        ROW(H, "2H7", JustAbove(14), {"*p6", "r6", "*s6", "*u6", "v6", "x6", "z6"}, 0),
        ROW(H, "2H7", 18.0f, {"*p6", "r6", "*s6", "*u6", "v6", "x6", "z6"}, 0),
        ROW(H, "2H7", JustAbove(18), {"*p6", "r6", "*s6", "*u6", "v6", "x6", "y6", "z6"}, 0),
        // 24 mm: the t zones.
        ROW(H, "2H6", 24.0f, {"n5", "p5", "r5", "s5"}, 0),
        ROW(H, "2H6", JustAbove(24), {"n5", "p5", "r5", "s5", "t5"}, 0),
        ROW(H, "2H7", 24.0f, {"*p6", "r6", "*s6", "*u6", "v6", "x6", "y6", "z6"}, 0),
        ROW(H, "2H7", JustAbove(24), {"*p6", "r6", "*s6", "t6", "*u6", "v6", "x6", "y6", "z6"}, 0),
        ROW(H, "2H8", 24.0f, {"s7", "u7"}, 0),
        ROW(H, "2H8", JustAbove(24), {"s7", "t7", "u7"}, 0),
        ROW(S, "2h6", 24.0f, {"*P7", "R7", "*S7", "*U7"}, 0),
        ROW(S, "2h6", JustAbove(24), {"*P7", "R7", "*S7", "T7", "*U7"}, 0),
        // 100 mm: "r7" moves from transition to interference.
        ROW(H, "1H8", 100.0f, {"js7", "k7", "m7", "n7", "p7", "r7"}, 1),
        ROW(H, "1H8", JustAbove(100), {"js7", "k7", "m7", "n7", "p7"}, 1),
        ROW(H, "2H8", 100.0f, {"s7", "t7", "u7"}, 0),
        ROW(H, "2H8", JustAbove(100), {"r7", "s7", "t7", "u7"}, 0),
        // 500 mm: the upper bound of most conditions.
        ROW(H, "2H7", 500.0f, {"*p6", "r6", "*s6", "t6", "*u6", "v6", "x6", "y6", "z6"}, 0),
        ROW(H, "2H7", JustAbove(500), {"*p6", "r6", "*s6", "t6", "*u6"}, 0),
        ROW(H, "0H9", 500.0f, {"c9", "*d9", "e9", "f9", "*h9"}, 1),
        ROW(H, "0H9", JustAbove(500), {"*d9", "e9", "f9", "*h9"}, 0),
        ROW(H, "0H10", 500.0f, {"c10", "d10", "h10"}, 1),
        ROW(H, "0H10", JustAbove(500), {"d10", "h10"}, 0),
        ROW(H, "0H11", 500.0f, {"a11", "b11", "*c11", "d11", "*h11"}, 2),
        ROW(H, "0H11", JustAbove(500), {"d11", "*h11"}, 1),
        ROW(H, "0H12", 500.0f, {"b12", "h12"}, 0),
        ROW(H, "0H12", JustAbove(500), {"h12"}, 0),
        ROW(S, "2h5", 500.0f, {"N6", "P6", "R6", "S6", "T6"}, 0),
        ROW(S, "2h5", JustAbove(500), {"N6"}, 0),
        ROW(S, "0h11", 500.0f, {"A11", "B11", "*C11", "D11", "*H11"}, 2),
        ROW(S, "0h11", JustAbove(500), {"D11", "*H11"}, 1),
        ROW(S, "0h12", 500.0f, {"B12", "H12"}, 0),
        ROW(S, "0h12", JustAbove(500), {"H12"}, 0),
    });
}

// Size 0 meets every "size <= n" and no "size > n".
TEST(Catalogue, SizeZero) {
    Check({
        ROW(H, "2H6", 0.0f, {"p5", "r5", "s5"}, 0),
        ROW(H, "2H7", 0.0f, {"r6", "*s6", "*u6", "x6", "z6"}, 1),
        ROW(H, "2H8", 0.0f, {"s7", "u7"}, 0),
        ROW(H, "0H9", 0.0f, {"c9", "*d9", "e9", "f9", "*h9"}, 1),
        ROW(H, "0H10", 0.0f, {"c10", "d10", "h10"}, 1),
        ROW(H, "0H11", 0.0f, {"*c11", "d11", "*h11"}, 2),
        ROW(H, "0H12", 0.0f, {"h12"}, 0),
        ROW(S, "2h6", 0.0f, {"*P7", "R7", "*S7", "*U7"}, 0),
        ROW(S, "1h7", 0.0f, {"JS8", "K8", "M8"}, 1),
        ROW(S, "0h12", 0.0f, {"H12"}, 0),
    });
}

// Sizes inside the bands, away from every bound.
TEST(Catalogue, SizesBetweenTheBounds) {
    Check({
        ROW(H, "0H7", 100.0f, {"f6", "*g6", "*h6"}, 1),
        ROW(H, "1H6", 3.5f, {"js5", "k5", "m5"}, 1),
        ROW(H, "2H6", 3.5f, {"n5", "p5", "r5", "s5"}, 0),
        ROW(H, "2H7", 2.0f, {"r6", "*s6", "*u6", "x6", "z6"}, 1),
        ROW(H, "2H7", 30.0f, {"*p6", "r6", "*s6", "t6", "*u6", "v6", "x6", "y6", "z6"}, 0),
        ROW(H, "2H7", 600.0f, {"*p6", "r6", "*s6", "t6", "*u6"}, 0),
        ROW(H, "2H8", 3150.0f, {"r7", "s7", "t7", "u7"}, 0),
        ROW(H, "0H11", 2.0f, {"a11", "b11", "*c11", "d11", "*h11"}, 2),
        ROW(H, "0H11", 501.0f, {"d11", "*h11"}, 1),
        ROW(H, "0H12", 600.0f, {"h12"}, 0),
        ROW(H, "0H9", 3150.0f, {"*d9", "e9", "f9", "*h9"}, 0),
        ROW(S, "2h5", 600.0f, {"N6"}, 0),
    });
}

// The groups without size conditions list the same zones at every size.
TEST(Catalogue, UnconditionalGroupsAtEverySize) {
    struct Fixed {
        Basis Table;
        const char* Key;
        Zones Expected;
        int Default;
    };
    const std::vector<Fixed> groups = {
        {H, "0H6", {"f5", "g5", "h5"}, 1},
        {H, "0H7", {"f6", "*g6", "*h6"}, 1},
        {H, "0H8", {"e7", "*f7", "g7", "*h7", "d8", "e8", "f8", "h8"}, 1},
        {S, "0h5", {"F6", "G6", "H6"}, 1},
        {S, "1h5", {"JS6", "K6", "M6"}, 1},
        {S, "0h6", {"F7", "*G7", "*H7"}, 1},
        {S, "1h6", {"JS7", "*K7", "M7", "*N7"}, 1},
        {S, "0h7", {"E8", "*F8", "*H8"}, 1},
        {S, "0h8", {"D8", "E8", "F8", "H8"}, 2},
        {S, "0h9", {"*D9", "E9", "F9", "*H9"}, 0},
        {S, "0h10", {"D10", "H10"}, 0},
    };
    std::vector<GroupRow> rows;
    for (const Fixed& group : groups) {
        for (const float size : {0.0f, 1.0f, 3.0f, 24.0f, 100.0f, 500.0f, 501.0f, 3150.0f}) {
            rows.push_back(ROW(group.Table, group.Key, size, group.Expected, group.Default));
        }
    }
    Check(rows);
}

const std::vector<std::string> kHoleBasisKeys = {"0H6", "1H6", "2H6", "0H7",  "1H7",  "2H7", "0H8",
                                                 "1H8", "2H8", "0H9", "0H10", "0H11", "0H12"};
const std::vector<std::string> kShaftBasisKeys = {"0h5", "1h5", "2h5", "0h6",  "1h6",  "2h6", "0h7",
                                                  "1h7", "0h8", "0h9", "0h10", "0h11", "0h12"};

std::vector<float> SweepSizes() {
    std::vector<float> sizes = {std::numeric_limits<float>::quiet_NaN(), -1.0f,
                                std::numeric_limits<float>::infinity()};
    for (int i = 0; i <= 3150 * 4; ++i) sizes.push_back(static_cast<float>(i) / 4.0f);
    for (const float bound : {1.0f, 3.0f, 14.0f, 18.0f, 24.0f, 100.0f, 500.0f}) {
        sizes.push_back(std::nextafter(bound, 0.0f));
        sizes.push_back(JustAbove(bound));
    }
    return sizes;
}

TEST(Catalogue, EveryGroupKeepsAnEntryAndItsDefaultAtEverySize) {
    const std::vector<float> sizes = SweepSizes();
    for (const Basis basis : {H, S}) {
        for (const std::string& key : basis == H ? kHoleBasisKeys : kShaftBasisKeys) {
            for (const float size : sizes) {
                const ZoneList list = List(basis, key, size);
                ASSERT_TRUE(list.Found) << key;
                ASSERT_FALSE(list.Entries.empty()) << key << " at " << size;
                ASSERT_GE(list.DefaultPosition, 0) << key << " at " << size;
                ASSERT_LT(list.DefaultPosition, static_cast<int>(list.Entries.size()))
                    << key << " at " << size;
            }
        }
    }
}

TEST(Catalogue, KeysWithoutAGroup) {
    struct Unknown {
        Basis Table;
        const char* Key;
    };
    for (const Unknown& row : std::vector<Unknown>{{H, ""},
                                                   {H, "0"},
                                                   {H, "0h7"},
                                                   {H, "3H7"},
                                                   {H, "1H9"},
                                                   {H, "0H13"},
                                                   {H, "0H7 "},
                                                   {H, "00H7"},
                                                   {S, "0H7"},
                                                   {S, "2h7"},
                                                   {S, "0h"}}) {
        for (const float size : {0.0f, 100.0f, 600.0f}) {
            const ZoneList list = List(row.Table, row.Key, size);
            EXPECT_FALSE(list.Found) << '"' << row.Key << '"';
            EXPECT_TRUE(list.Entries.empty()) << '"' << row.Key << '"';
            EXPECT_EQ(list.DefaultPosition, -1) << '"' << row.Key << '"';
        }
    }
}

TEST(Catalogue, GroupKeyIsTheKindDigitAndTheZone) {
    EXPECT_EQ(FitGroupKey(0, "H7"), "0H7");
    EXPECT_EQ(FitGroupKey(2, "h5"), "2h5");
    EXPECT_EQ(FitGroupKey(1, "H10"), "1H10");
    EXPECT_EQ(FitGroupKey(0, ""), "0");
}

struct BaseRow {
    const char* File;
    int Line;
    std::int16_t BasisIndex;
    std::int16_t FitKind;
    float Size;
    Zones Expected;
    int Default;
};

TEST(Catalogue, BaseZones) {
    const Zones holes7 = {"H6", "H7", "H8", "H9", "H10", "H11", "H12"};
    const Zones holes3 = {"H6", "H7", "H8"};
    const std::vector<BaseRow> rows = {
        {__FILE__, __LINE__, 0, 0, 100.0f, holes7, 1},
        {__FILE__, __LINE__, 0, 0, 3150.0f, holes7, 1},
        {__FILE__, __LINE__, 0, 1, 100.0f, holes3, 1},
        {__FILE__, __LINE__, 0, 2, 600.0f, holes3, 1},
        {__FILE__, __LINE__, 1, 0, 100.0f, {"h5", "h6", "h7", "h8", "h9", "h10", "h11", "h12"}, 1},
        {__FILE__, __LINE__, 1, 1, 600.0f, {"h5", "h6", "h7"}, 1},
        {__FILE__, __LINE__, 1, 2, 0.0f, {"h5", "h6"}, 1},
        {__FILE__, __LINE__, 1, 2, 500.0f, {"h5", "h6"}, 1},
        {__FILE__, __LINE__, 1, 2, JustAbove(500), {"h5"}, 0},
        {__FILE__, __LINE__, 1, 2, 3150.0f, {"h5"}, 0},
    };
    for (const BaseRow& row : rows) {
        SCOPED_TRACE(testing::Message() << row.File << ":" << row.Line);
        const ZoneList list = BaseZones(row.BasisIndex, row.FitKind, row.Size);
        EXPECT_TRUE(list.Found);
        EXPECT_EQ(Texts(list), row.Expected);
        EXPECT_EQ(list.DefaultPosition, row.Default);
    }
}

TEST(Catalogue, NoBaseZonesOutsideTheTwoBasisSystemsAndThreeKinds) {
    for (const auto& [basis, kind] : std::vector<std::pair<std::int16_t, std::int16_t>>{
             {2, 0}, {2, 1}, {2, 2}, {3, 0}, {-1, 0}, {0, 3}, {1, 3}, {0, -1}}) {
        const ZoneList list = BaseZones(basis, kind, 100.0f);
        EXPECT_FALSE(list.Found) << basis << "/" << kind;
        EXPECT_TRUE(list.Entries.empty()) << basis << "/" << kind;
        EXPECT_EQ(list.DefaultPosition, -1) << basis << "/" << kind;
    }
}

// A base zone the window offers must always find its mating group.
TEST(Catalogue, EveryBaseZoneHasAGroup) {
    for (const float size : SweepSizes()) {
        for (std::int16_t kind = 0; kind <= 2; ++kind) {
            for (const std::int16_t basis : {std::int16_t{0}, std::int16_t{1}}) {
                const ZoneList bases = BaseZones(basis, kind, size);
                ASSERT_FALSE(bases.Entries.empty());
                ASSERT_GE(bases.DefaultPosition, 0);
                ASSERT_LT(bases.DefaultPosition, static_cast<int>(bases.Entries.size()));
                for (const std::string_view zone : bases.Entries) {
                    const std::string key = FitGroupKey(kind, zone);
                    const ZoneList group =
                        basis == 0 ? ListHoleBasisGroup(key, size) : ListShaftBasisGroup(key, size);
                    ASSERT_TRUE(group.Found) << key << " at " << size;
                }
            }
        }
    }
}

}  // namespace
}  // namespace brimsel::fits
