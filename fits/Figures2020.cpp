// The fits of the two figures of GB/T 1800.1-2020, and the lists that the
// hole-basis and shaft-basis systems offer from them. The figures give no
// size notes: a fit is offered where both its zones are defined, and it is
// listed under the kind of fit it has at that size, which the tables decide.
#include <algorithm>
#include <array>
#include <optional>
#include <span>

#include "engine/Deviations.h"
#include "engine/ExactDecimal.h"
#include "engine/FitKind.h"
#include "engine/ZoneCode.h"
#include "fits/Catalogue.h"

namespace brimsel::fits {

namespace {

// One fit of a figure: the base zone and its mate, "*" before a framed
// (preferred) mate, as the lists write it.
struct FigureFit {
    std::string_view Base;
    std::string_view Mate;
};

// Hole basis, by the figure's columns (clearance, transition, interference)
// and, within a column, in the figure's order.
// clang-format off
constexpr FigureFit kHoleBasis[] = {
    {"H6", "g5"}, {"H6", "h5"},
    {"H7", "f6"}, {"H7", "*g6"}, {"H7", "*h6"},
    {"H8", "e7"}, {"H8", "*f7"}, {"H8", "*h7"},
    {"H8", "d8"}, {"H8", "*e8"}, {"H8", "f8"}, {"H8", "h8"},
    {"H9", "d8"}, {"H9", "*e8"}, {"H9", "f8"}, {"H9", "h8"},
    {"H10", "b9"}, {"H10", "c9"}, {"H10", "*d9"}, {"H10", "e9"}, {"H10", "*h9"},
    {"H11", "*b11"}, {"H11", "*c11"}, {"H11", "d10"}, {"H11", "h10"},

    {"H6", "js5"}, {"H6", "k5"}, {"H6", "m5"},
    {"H7", "*js6"}, {"H7", "*k6"}, {"H7", "m6"}, {"H7", "*n6"},
    {"H8", "js7"}, {"H8", "k7"}, {"H8", "m7"},

    {"H6", "n5"}, {"H6", "p5"},
    {"H7", "*p6"}, {"H7", "*r6"}, {"H7", "*s6"}, {"H7", "t6"}, {"H7", "u6"}, {"H7", "x6"},
    {"H8", "s7"}, {"H8", "u7"},
};

// Shaft basis. H10/h9 is framed as the hole-basis H10/h9 is.
constexpr FigureFit kShaftBasis[] = {
    {"h5", "G6"}, {"h5", "H6"},
    {"h6", "F7"}, {"h6", "*G7"}, {"h6", "*H7"},
    {"h7", "E8"}, {"h7", "*F8"}, {"h7", "*H8"},
    {"h8", "D9"}, {"h8", "*E9"}, {"h8", "F9"}, {"h8", "*H9"},
    {"h9", "E8"}, {"h9", "*F8"}, {"h9", "*H8"},
    {"h9", "D9"}, {"h9", "*E9"}, {"h9", "F9"}, {"h9", "*H9"},
    {"h9", "C10"}, {"h9", "*D10"}, {"h9", "*H10"},
    {"h9", "*B11"},

    {"h5", "JS6"}, {"h5", "K6"}, {"h5", "M6"},
    {"h6", "*JS7"}, {"h6", "*K7"}, {"h6", "M7"}, {"h6", "*N7"},

    {"h5", "N6"}, {"h5", "P6"},
    {"h6", "*P7"}, {"h6", "*R7"}, {"h6", "*S7"}, {"h6", "T7"}, {"h6", "U7"}, {"h6", "X7"},
};
// clang-format on

constexpr std::array<std::string_view, 6> kHoleBases = {"H6", "H7", "H8", "H9", "H10", "H11"};
constexpr std::array<std::string_view, 5> kShaftBases = {"h5", "h6", "h7", "h8", "h9"};

// A zone's limit deviations exactly, as its captions show them; none where
// the standard does not define the zone at this size. Sizes up to 1 mm take
// no a/b zones, whichever basis system lists them.
std::optional<std::array<std::int64_t, 2>> ZoneLimits(const ToleranceData& tables,
                                                      std::string_view zone, ZoneMember member,
                                                      float size) {
    std::string letters;
    std::string grade;
    SplitZoneCode(zone, letters, grade);
    const bool hole = member == ZoneMember::Hole;
    const ZoneQuery query{
        letters,        grade, size, /*sizes up to 1 mm*/ true, hole ? zone : std::string_view(),
        Edition::Gb2020};
    const ZoneDeviations deviations =
        hole ? EvaluateHoleZone(tables, query) : EvaluateShaftZone(tables, query);
    if (!deviations.Ok()) return std::nullopt;
    const auto upper = ReadExactDecimal(deviations.UpperText);
    const auto lower = ReadExactDecimal(deviations.LowerText);
    if (!upper || !lower) return std::nullopt;
    return std::array{upper->Units, lower->Units};
}

// The kind a fit has at a size; none where either zone is undefined.
std::optional<KindOfFit> KindAt(const ToleranceData& tables, std::string_view hole,
                                std::string_view shaft, float size) {
    const auto h = ZoneLimits(tables, hole, ZoneMember::Hole, size);
    const auto s = ZoneLimits(tables, shaft, ZoneMember::Shaft, size);
    if (!h || !s) return std::nullopt;
    return ClassifyFit((*h)[0] - (*s)[1], (*h)[1] - (*s)[0]);
}

// The mates of a base zone that have the kind at the size: framed first,
// each part in the figure's order; its first entry is selected.
ZoneList Group(const ToleranceData& tables, bool holeBasis, std::string_view base,
               std::int16_t kind, float size) {
    const std::span<const FigureFit> figure = holeBasis ? std::span<const FigureFit>(kHoleBasis)
                                                        : std::span<const FigureFit>(kShaftBasis);
    ZoneList list;
    for (const bool framed : {true, false}) {
        for (const FigureFit& fit : figure) {
            if (fit.Base != base || fit.Mate.starts_with('*') != framed) continue;
            const std::string_view mate = DropPreferredMark(fit.Mate);
            const auto found =
                KindAt(tables, holeBasis ? base : mate, holeBasis ? mate : base, size);
            if (found && static_cast<std::int16_t>(*found) == kind)
                list.Entries.push_back(fit.Mate);
        }
    }
    list.Found = !list.Entries.empty();
    list.DefaultPosition = list.Found ? 0 : -1;
    return list;
}

ZoneList Group(const ToleranceData& tables, bool holeBasis, std::string_view key, float size) {
    if (key.empty() || key[0] < '0' || key[0] > '2') return {};
    return Group(tables, holeBasis, key.substr(1), static_cast<std::int16_t>(key[0] - '0'), size);
}

}  // namespace

ZoneList BaseZones(const ToleranceData& tables, Edition edition, std::int16_t basisIndex,
                   std::int16_t fitKindIndex, float basicSize) {
    if (edition == Edition::Gb1998) return BaseZones(basisIndex, fitKindIndex, basicSize);
    if (basisIndex != 0 && basisIndex != 1) return {};
    if (fitKindIndex < 0 || fitKindIndex > 2) return {};
    const bool holeBasis = basisIndex == 0;
    const std::span<const std::string_view> bases =
        holeBasis ? std::span<const std::string_view>(kHoleBases)
                  : std::span<const std::string_view>(kShaftBases);
    ZoneList list;
    for (const std::string_view base : bases) {
        if (Group(tables, holeBasis, base, fitKindIndex, basicSize).Found) {
            list.Entries.push_back(base);
        }
    }
    list.Found = !list.Entries.empty();
    const auto selected = std::find(list.Entries.begin(), list.Entries.end(),
                                    std::string_view(holeBasis ? "H7" : "h6"));
    list.DefaultPosition = selected != list.Entries.end()
                               ? static_cast<int>(selected - list.Entries.begin())
                               : (list.Found ? 0 : -1);
    return list;
}

ZoneList ListHoleBasisGroup(const ToleranceData& tables, Edition edition, std::string_view key,
                            float basicSize) {
    if (edition == Edition::Gb1998) return ListHoleBasisGroup(key, basicSize);
    return Group(tables, true, key, basicSize);
}

ZoneList ListShaftBasisGroup(const ToleranceData& tables, Edition edition, std::string_view key,
                             float basicSize) {
    if (edition == Edition::Gb1998) return ListShaftBasisGroup(key, basicSize);
    return Group(tables, false, key, basicSize);
}

}  // namespace brimsel::fits
