#include "fits/Catalogue.h"

#include <array>
#include <span>
#include <vector>

namespace brimsel::fits {

namespace {

// A band of basic sizes: above an exclusive lower bound, up to an inclusive
// upper bound. A missing bound is not compared at all, so an entry without a
// condition is listed whatever the size holds.
struct SizeBand {
    bool HasLower = false;
    float Lower = 0.0f;
    bool HasUpper = false;
    float Upper = 0.0f;

    bool Holds(float size) const {
        if (HasLower && !(size > Lower)) return false;
        if (HasUpper && !(size <= Upper)) return false;
        return true;
    }
};

constexpr SizeBand Always{};
constexpr SizeBand Above(float lower) { return {true, lower, false, 0.0f}; }
constexpr SizeBand UpTo(float upper) { return {false, 0.0f, true, upper}; }
constexpr SizeBand Between(float lower, float upper) { return {true, lower, true, upper}; }

struct Entry {
    std::string_view Zone;
    SizeBand Band = Always;
};

// The entry selected once a list has been filled: the first of these
// candidates whose own band holds the size and that the list holds. Naming the
// zone, not its position, keeps the default where it is when an entry is added.
struct DefaultRule {
    std::array<Entry, 2> Candidates{};

    int Resolve(const std::vector<std::string_view>& listed, float size) const {
        for (const Entry& candidate : Candidates) {
            if (candidate.Zone.empty() || !candidate.Band.Holds(size)) continue;
            for (std::size_t i = 0; i < listed.size(); ++i) {
                if (listed[i] == candidate.Zone) return static_cast<int>(i);
            }
        }
        return -1;
    }
};

constexpr DefaultRule Select(std::string_view zone) { return {{{{zone}, {}}}}; }
constexpr DefaultRule Select(Entry first, std::string_view otherwise) {
    return {{{first, {otherwise}}}};
}

struct Group {
    std::string_view Key;
    std::span<const Entry> Entries;
    DefaultRule Default;
};

// Hole basis: base hole zone, mating shaft zones.
constexpr Entry k0H6[] = {{"f5"}, {"g5"}, {"h5"}};
constexpr Entry k1H6[] = {{"js5"}, {"k5"}, {"m5"}, {"n5", UpTo(3)}};
constexpr Entry k2H6[] = {{"n5", Above(3)}, {"p5"}, {"r5"}, {"s5"}, {"t5", Above(24)}};
constexpr Entry k0H7[] = {{"f6"}, {"*g6"}, {"*h6"}};
constexpr Entry k1H7[] = {{"js6"}, {"*k6"}, {"m6"}, {"*n6"}, {"*p6", UpTo(3)}};
// clang-format off
constexpr Entry k2H7[] = {
    {"*p6", Above(3)}, {"r6"}, {"*s6"}, {"t6", Above(24)}, {"*u6"},
    {"v6", Between(14, 500)}, {"x6", UpTo(500)}, {"y6", Between(18, 500)}, {"z6", UpTo(500)}};
// clang-format on
constexpr Entry k0H8[] = {{"e7"}, {"*f7"}, {"g7"}, {"*h7"}, {"d8"}, {"e8"}, {"f8"}, {"h8"}};
constexpr Entry k1H8[] = {{"js7"}, {"k7"}, {"m7"}, {"n7"}, {"p7"}, {"r7", UpTo(100)}};
constexpr Entry k2H8[] = {{"r7", Above(100)}, {"s7"}, {"t7", Above(24)}, {"u7"}};
constexpr Entry k0H9[] = {{"c9", UpTo(500)}, {"*d9"}, {"e9"}, {"f9"}, {"*h9"}};
constexpr Entry k0H10[] = {{"c10", UpTo(500)}, {"d10"}, {"h10"}};
constexpr Entry k0H11[] = {
    {"a11", Between(1, 500)}, {"b11", Between(1, 500)}, {"*c11", UpTo(500)}, {"d11"}, {"*h11"}};
constexpr Entry k0H12[] = {{"b12", Between(1, 500)}, {"h12"}};

constexpr std::array<Group, 13> kHoleBasis{{
    {"0H6", k0H6, Select("g5")},
    {"1H6", k1H6, Select("k5")},
    {"2H6", k2H6, Select({"n5"}, "p5")},
    {"0H7", k0H7, Select("*g6")},
    {"1H7", k1H7, Select("*k6")},
    {"2H7", k2H7, Select({"*p6"}, "*s6")},
    {"0H8", k0H8, Select("*f7")},
    {"1H8", k1H8, Select("k7")},
    {"2H8", k2H8, Select({"r7"}, "s7")},
    {"0H9", k0H9, Select("*d9")},
    {"0H10", k0H10, Select("d10")},
    {"0H11", k0H11, Select({"*c11", Above(1)}, "*h11")},
    {"0H12", k0H12, Select({"b12"}, "h12")},
}};

// Shaft basis: base shaft zone, mating hole zones.
constexpr Entry k0h5[] = {{"F6"}, {"G6"}, {"H6"}};
constexpr Entry k1h5[] = {{"JS6"}, {"K6"}, {"M6"}};
constexpr Entry k2h5[] = {
    {"N6"}, {"P6", UpTo(500)}, {"R6", UpTo(500)}, {"S6", UpTo(500)}, {"T6", UpTo(500)}};
constexpr Entry k0h6[] = {{"F7"}, {"*G7"}, {"*H7"}};
constexpr Entry k1h6[] = {{"JS7"}, {"*K7"}, {"M7"}, {"*N7"}};
constexpr Entry k2h6[] = {{"*P7"}, {"R7"}, {"*S7"}, {"T7", Above(24)}, {"*U7"}};
constexpr Entry k0h7[] = {{"E8"}, {"*F8"}, {"*H8"}};
constexpr Entry k1h7[] = {{"JS8"}, {"K8"}, {"M8"}, {"N8", Above(1)}};
constexpr Entry k0h8[] = {{"D8"}, {"E8"}, {"F8"}, {"H8"}};
constexpr Entry k0h9[] = {{"*D9"}, {"E9"}, {"F9"}, {"*H9"}};
constexpr Entry k0h10[] = {{"D10"}, {"H10"}};
constexpr Entry k0h11[] = {
    {"A11", Between(1, 500)}, {"B11", Between(1, 500)}, {"*C11", UpTo(500)}, {"D11"}, {"*H11"}};
constexpr Entry k0h12[] = {{"B12", Between(1, 500)}, {"H12"}};

constexpr std::array<Group, 13> kShaftBasis{{
    {"0h5", k0h5, Select("G6")},
    {"1h5", k1h5, Select("K6")},
    {"2h5", k2h5, Select("N6")},
    {"0h6", k0h6, Select("*G7")},
    {"1h6", k1h6, Select("*K7")},
    {"2h6", k2h6, Select("*P7")},
    {"0h7", k0h7, Select("*F8")},
    {"1h7", k1h7, Select("K8")},
    {"0h8", k0h8, Select("F8")},
    {"0h9", k0h9, Select("*D9")},
    {"0h10", k0h10, Select("D10")},
    {"0h11", k0h11, Select({"*C11", Above(1)}, "*H11")},
    {"0h12", k0h12, Select({"B12"}, "H12")},
}};

ZoneList Fill(std::span<const Entry> entries, const DefaultRule& rule, float basicSize) {
    ZoneList list;
    list.Found = true;
    for (const Entry& entry : entries) {
        if (entry.Band.Holds(basicSize)) list.Entries.push_back(entry.Zone);
    }
    list.DefaultPosition = rule.Resolve(list.Entries, basicSize);
    return list;
}

ZoneList ListGroup(std::span<const Group> table, std::string_view key, float basicSize) {
    for (const Group& group : table) {
        if (group.Key == key) return Fill(group.Entries, group.Default, basicSize);
    }
    return {};
}

// Base zones by basis system and fit kind.
constexpr Entry kHoleBases[] = {{"H6"}, {"H7"}, {"H8"}, {"H9"}, {"H10"}, {"H11"}, {"H12"}};
constexpr Entry kShaftBases[] = {{"h5"}, {"h6"}, {"h7"}, {"h8"}, {"h9"}, {"h10"}, {"h11"}, {"h12"}};
constexpr Entry kInterferenceShaftBases[] = {{"h5"}, {"h6", UpTo(500)}};

}  // namespace

std::string FitGroupKey(std::int16_t fitKindIndex, std::string_view baseZone) {
    std::string key = std::to_string(fitKindIndex);
    key += baseZone;
    return key;
}

ZoneList ListHoleBasisGroup(std::string_view key, float basicSize) {
    return ListGroup(kHoleBasis, key, basicSize);
}

ZoneList ListShaftBasisGroup(std::string_view key, float basicSize) {
    return ListGroup(kShaftBasis, key, basicSize);
}

ZoneList BaseZones(std::int16_t basisIndex, std::int16_t fitKindIndex, float basicSize) {
    // Only the three fit kinds have base zones; any other index offers no list
    // rather than one whose keys match no group.
    if (fitKindIndex < 0 || fitKindIndex > 2) return {};
    const std::span<const Entry> holes = kHoleBases;
    const std::span<const Entry> shafts = kShaftBases;
    if (basisIndex == 0) {
        return Fill(fitKindIndex == 0 ? holes : holes.first(3), Select("H7"), basicSize);
    }
    if (basisIndex == 1) {
        const DefaultRule h6 = Select({"h6"}, "h5");
        switch (fitKindIndex) {
            case 0:
                return Fill(shafts, h6, basicSize);
            case 1:
                return Fill(shafts.first(3), h6, basicSize);
            default:
                return Fill(kInterferenceShaftBases, h6, basicSize);
        }
    }
    return {};
}

}  // namespace brimsel::fits
