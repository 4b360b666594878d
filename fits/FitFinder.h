// From a required range of clearance to the fits that give it: the preferred
// and common fits of the edition's list, or every hole-basis and shaft-basis fit
// of the standard, each computed as the main window shows it once applied,
// compared and ranked in exact integers (ten-millionths of a millimetre).
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/Edition.h"
#include "engine/FitKind.h"
#include "engine/ToleranceData.h"
#include "texts/Language.h"

namespace brimsel::fits {

enum class FitScope { Catalogue, All };
enum class BasisSystem { Hole, Shaft };
// In ranking order. Common: the 1999 catalogue's other fits; Listed: the
// 2020 figures' fits that are not framed. A search meets only one of the two.
enum class FitStanding { Preferred, Common, Listed, Other };

struct FitRequest {
    std::string_view Size;  // basic size, mm, 0..3150
    std::string_view Min;   // smallest clearance wanted, mm; negative: an interference
    std::string_view Max;   // largest clearance wanted, mm
    FitScope Scope = FitScope::Catalogue;
    std::optional<BasisSystem> Basis;                     // none: both systems
    std::size_t Limit = 0;                                // most fits returned; 0: all of them
    brimsel::Edition Edition = brimsel::Edition::Gb1998;  // the JS/js rule and the list
};

enum class FindProblem {
    None,
    SizeNotANumber,
    SizeOutside,
    SizeTooPrecise,
    MinNotANumber,
    MaxNotANumber,
    MinAboveMax
};

struct FoundFit {
    std::string Hole;  // "H7"
    std::string Shaft;
    BasisSystem Basis = BasisSystem::Hole;
    FitStanding Standing = FitStanding::Other;
    // Fits of the edition's list: the fit kind button of their group (0 clearance,
    // 1 transition, 2 interference) and the zones as the lists write them,
    // preferred mark included ("*g6"). -1 and empty for other fits.
    std::int16_t GroupKind = -1;
    std::string HoleEntry;
    std::string ShaftEntry;
    KindOfFit Kind = KindOfFit::Clearance;
    // Exact values in ten-millionths of a millimetre, written with Decimals.
    std::int64_t Max = 0;        // ES - ei
    std::int64_t Min = 0;        // EI - es
    std::int64_t MarginMin = 0;  // Min - the requested MIN; negative when it falls short
    std::int64_t MarginMax = 0;  // the requested MAX - Max; negative when it goes beyond
    std::int64_t Miss = 0;  // by how much the requested range would have to widen; 0 when it fits
    int Decimals = 3;
};

struct FitSearch {
    FindProblem Problem = FindProblem::None;
    float BasicSize = 0.0f;            // as the window holds the size
    std::string SizeText;              // and as it shows it
    std::vector<FoundFit> Fits;        // the qualifying fits, ranked, at most Limit
    std::size_t Qualifying = 0;        // all qualifying fits, before Limit
    std::vector<FoundFit> NearMisses;  // only when nothing qualifies: the nearest few
    std::size_t Considered = 0;        // fits of the scope that were compared
    bool Ok() const { return Problem == FindProblem::None; }
};

// Near misses offered when nothing qualifies (fewer when Limit is smaller).
inline constexpr std::size_t kNearMisses = 5;

// Ranking: preferred, common or listed, then other fits; within each the widest sum of
// both tolerances first (the cheapest to make), then the band whose middle
// lies nearest the middle of the requested range, then hole basis before
// shaft basis and the catalogue's (or the standard's letter and grade) order.
// Near misses rank by their miss first.
FitSearch FindFits(const ToleranceData& tables, const FitRequest& request);

// Keywords of the command's CSV and readable lines.
std::string_view ScopeKeyword(FitStanding standing);  // preferred, common, listed, other
std::string_view KindKeyword(KindOfFit kind);         // clearance, transition, interference
std::string_view BasisKeyword(BasisSystem basis);     // hole, shaft

// What is wrong with a request, in the language of `languageIndex` and the
// words of the edition; empty for a request without a problem.
std::string_view ProblemMessage(FindProblem problem, Language languageIndex,
                                Edition edition = Edition::Gb1998);

}  // namespace brimsel::fits
