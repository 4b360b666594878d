#include "fits/Catalogue.h"

#include <array>
#include <span>

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

// Where the selection lands once a group has been filled.
struct DefaultRule {
    enum class Kind { Fixed, BySize, CountBack };
    Kind How = Kind::Fixed;
    int Position = 0;       // Fixed; BySize at or below Limit; CountBack: subtracted from the count
    float Limit = 0.0f;     // BySize
    int PositionAbove = 0;  // BySize above Limit

    int Resolve(float size, int count) const {
        switch (How) {
            case Kind::Fixed:
                return Position;
            case Kind::BySize:
                return size <= Limit ? Position : PositionAbove;
            case Kind::CountBack:
                return count - Position;
        }
        return Position;
    }
};

constexpr DefaultRule Fixed(int position) { return {DefaultRule::Kind::Fixed, position, 0.0f, 0}; }
constexpr DefaultRule BySize(float limit, int upTo, int above) {
    return {DefaultRule::Kind::BySize, upTo, limit, above};
}
constexpr DefaultRule CountBack(int fromCount) {
    return {DefaultRule::Kind::CountBack, fromCount, 0.0f, 0};
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
    {"0H6", k0H6, Fixed(1)},
    {"1H6", k1H6, Fixed(1)},
    {"2H6", k2H6, Fixed(0)},
    {"0H7", k0H7, Fixed(1)},
    {"1H7", k1H7, Fixed(1)},
    {"2H7", k2H7, BySize(3, 1, 0)},
    {"0H8", k0H8, Fixed(1)},
    {"1H8", k1H8, Fixed(1)},
    {"2H8", k2H8, Fixed(0)},
    {"0H9", k0H9, CountBack(4)},
    {"0H10", k0H10, CountBack(2)},
    {"0H11", k0H11, BySize(500, 2, 1)},
    {"0H12", k0H12, Fixed(0)},
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
    {"0h5", k0h5, Fixed(1)},
    {"1h5", k1h5, Fixed(1)},
    {"2h5", k2h5, Fixed(0)},
    {"0h6", k0h6, Fixed(1)},
    {"1h6", k1h6, Fixed(1)},
    {"2h6", k2h6, Fixed(0)},
    {"0h7", k0h7, Fixed(1)},
    {"1h7", k1h7, Fixed(1)},
    {"0h8", k0h8, Fixed(2)},
    {"0h9", k0h9, Fixed(0)},
    {"0h10", k0h10, Fixed(0)},
    {"0h11", k0h11, BySize(500, 2, 1)},
    {"0h12", k0h12, Fixed(0)},
}};

ZoneList ListGroup(std::span<const Group> table, std::string_view key, float basicSize) {
    ZoneList list;
    for (const Group& group : table) {
        if (group.Key != key) continue;
        list.Found = true;
        for (const Entry& entry : group.Entries) {
            if (entry.Band.Holds(basicSize)) list.Entries.push_back(entry.Zone);
        }
        const int count = static_cast<int>(list.Entries.size());
        const int position = group.Default.Resolve(basicSize, count);
        // Every group keeps its default inside the list at every size; should
        // a table edit ever break that, select nothing rather than a wrong zone.
        list.DefaultPosition = position >= 0 && position < count ? position : -1;
        return list;
    }
    return list;
}

constexpr std::string_view kBaseHoles[] = {"H6", "H7", "H8", "H9", "H10", "H11", "H12"};
constexpr std::string_view kBaseShafts[] = {"h5", "h6", "h7", "h8", "h9", "h10", "h11", "h12"};

ZoneList Prefix(std::span<const std::string_view> zones, std::size_t count) {
    ZoneList list;
    list.Found = true;
    list.Entries.assign(zones.begin(), zones.begin() + static_cast<std::ptrdiff_t>(count));
    list.DefaultPosition = list.Entries.size() >= 2 ? 1 : 0;
    return list;
}

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
    if (basisIndex == 0) {
        return Prefix(kBaseHoles, fitKindIndex == 0 ? 7 : 3);  // H6..H12, or H6..H8
    }
    if (basisIndex == 1) {
        switch (fitKindIndex) {
            case 0:
                return Prefix(kBaseShafts, 8);  // h5..h12
            case 1:
                return Prefix(kBaseShafts, 3);  // h5..h7
            default:
                return Prefix(kBaseShafts, basicSize <= 500.0f ? 2 : 1);  // h5, h6 up to 500
        }
    }
    return {};
}

}  // namespace brimsel::fits
