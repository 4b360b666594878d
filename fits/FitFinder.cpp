#include "fits/FitFinder.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <deque>

#include "engine/BasicSize.h"
#include "engine/Deviations.h"
#include "engine/ExactDecimal.h"
#include "engine/FitOutcome.h"
#include "engine/ZoneCode.h"
#include "fits/Catalogue.h"
#include "texts/MoreStrings.h"

namespace brimsel::fits {

namespace {

constexpr std::size_t kBaseLetter = 10;  // "H" / "h"
constexpr std::size_t kZones = kHoleLetters.size() * kGradeTexts.size();

// One zone as the window computes it: its exact deviations.
struct ZoneValue {
    std::string Text;
    bool Ok = false;
    std::int64_t Upper = 0;
    std::int64_t Lower = 0;
};

ZoneValue Evaluate(const ToleranceData& tables, ZoneMember member, std::string_view letters,
                   std::string_view grade, float size, bool customBasis, Edition edition) {
    ZoneValue zone;
    zone.Text = std::string(letters) + std::string(grade);
    const bool hole = member == ZoneMember::Hole;
    // The window hands the engine the hole zone box's text, which decides the
    // special case of M6.
    const ZoneQuery query{
        letters, grade, size, customBasis, hole ? std::string_view(zone.Text) : std::string_view(),
        edition};
    const ZoneDeviations deviations =
        hole ? EvaluateHoleZone(tables, query) : EvaluateShaftZone(tables, query);
    if (!deviations.Ok()) return zone;
    zone.Ok = true;
    zone.Upper = deviations.UpperUnits;
    zone.Lower = deviations.LowerUnits;
    return zone;
}

struct Candidate {
    const ZoneValue* Hole = nullptr;
    const ZoneValue* Shaft = nullptr;
    BasisSystem Basis = BasisSystem::Hole;
    FitStanding Standing = FitStanding::Other;
    std::int16_t GroupKind = -1;
    std::string_view HoleEntry;
    std::string_view ShaftEntry;
    FitOutcome Outcome;
    std::int64_t Miss = 0;
    int Order = 0;
    std::int64_t Max() const { return Outcome.Largest; }
    std::int64_t Min() const { return Outcome.Smallest; }
};

Candidate Pair(const ZoneValue& hole, const ZoneValue& shaft, BasisSystem basis, int order) {
    Candidate c;
    c.Hole = &hole;
    c.Shaft = &shaft;
    c.Basis = basis;
    c.Outcome = ComputeFitOutcome(hole.Upper, hole.Lower, shaft.Upper, shaft.Lower);
    c.Order = order;
    return c;
}

// The index of a zone of the standard's enumeration, or -1.
int ZoneIndex(std::string_view text, ZoneMember member) {
    std::string letters;
    std::string grade;
    SplitZoneCode(text, letters, grade);
    const auto& all = member == ZoneMember::Hole ? kHoleLetters : kShaftLetters;
    const auto l = std::find(all.begin(), all.end(), letters);
    const auto g = std::find(kGradeTexts.begin(), kGradeTexts.end(), grade);
    if (l == all.end() || g == kGradeTexts.end()) return -1;
    return static_cast<int>((l - all.begin()) * std::ssize(kGradeTexts) +
                            (g - kGradeTexts.begin()));
}

class Search {
  public:
    Search(const ToleranceData& tables, const FitRequest& request, float size)
        : tables_(tables), request_(request), size_(size) {}

    std::vector<Candidate> Candidates() {
        std::vector<Candidate> all;
        // Every base grade against every mating zone in both systems, at most:
        // one buffer, not a copy at each growth.
        all.reserve(request_.Scope == FitScope::All ? 2 * kGradeTexts.size() * kZones + 256 : 256);
        AddCatalogue(all);
        if (request_.Scope == FitScope::All) AddEveryFit(all);
        return all;
    }

  private:
    bool Wanted(BasisSystem basis) const { return !request_.Basis || *request_.Basis == basis; }

    // The listed zones keep the rules of their basis system, as the window
    // computes them there; a fit both systems offer is listed once, with its
    // better standing (hole basis on a tie).
    void AddCatalogue(std::vector<Candidate>& out) {
        const Edition edition = request_.Edition;
        for (const BasisSystem basis : {BasisSystem::Hole, BasisSystem::Shaft}) {
            if (!Wanted(basis)) continue;
            const bool holeBasis = basis == BasisSystem::Hole;
            for (std::int16_t kind = 0; kind <= 2; ++kind) {
                const ZoneList bases = BaseZones(tables_, edition, holeBasis ? 0 : 1, kind, size_);
                for (const std::string_view base : bases.Entries) {
                    const std::string key = FitGroupKey(kind, base);
                    const ZoneList group = holeBasis
                                               ? ListHoleBasisGroup(tables_, edition, key, size_)
                                               : ListShaftBasisGroup(tables_, edition, key, size_);
                    for (const std::string_view entry : group.Entries) {
                        AddCatalogueFit(out, basis, kind, holeBasis ? base : entry,
                                        holeBasis ? entry : base);
                    }
                }
            }
        }
    }

    void AddCatalogueFit(std::vector<Candidate>& out, BasisSystem basis, std::int16_t kind,
                         std::string_view holeEntry, std::string_view shaftEntry) {
        const ZoneValue& hole = CatalogueZone(holeEntry, ZoneMember::Hole);
        const ZoneValue& shaft = CatalogueZone(shaftEntry, ZoneMember::Shaft);
        if (!hole.Ok || !shaft.Ok) return;
        Candidate c = Pair(hole, shaft, basis, static_cast<int>(out.size()));
        const bool preferred = holeEntry.starts_with('*') || shaftEntry.starts_with('*');
        c.Standing = preferred                             ? FitStanding::Preferred
                     : request_.Edition == Edition::Gb2020 ? FitStanding::Listed
                                                           : FitStanding::Common;
        c.GroupKind = kind;
        c.HoleEntry = holeEntry;
        c.ShaftEntry = shaftEntry;
        for (Candidate& known : out) {
            if (known.Hole->Text != hole.Text || known.Shaft->Text != shaft.Text) continue;
            if (c.Standing < known.Standing) {
                c.Order = known.Order;
                known = c;
            }
            return;
        }
        out.push_back(c);
        const int h = ZoneIndex(hole.Text, ZoneMember::Hole);
        const int s = ZoneIndex(shaft.Text, ZoneMember::Shaft);
        if (h >= 0 && s >= 0) cataloguePairs_.push_back(static_cast<std::size_t>(h) * kZones + s);
    }

    const ZoneValue& CatalogueZone(std::string_view entry, ZoneMember member) {
        const std::string_view text = DropPreferredMark(entry);
        for (const ZoneValue& known : catalogueZones_) {
            if (known.Text == text) return known;
        }
        std::string letters;
        std::string grade;
        SplitZoneCode(text, letters, grade);
        catalogueZones_.push_back(
            Evaluate(tables_, member, letters, grade, size_, false, request_.Edition));
        return catalogueZones_.back();
    }

    // Every H/any and any/h fit in the custom system's rules, each zone
    // evaluated once; fits the catalogue already gave are not repeated.
    void AddEveryFit(std::vector<Candidate>& out) {
        holes_.reserve(kZones);
        shafts_.reserve(kZones);
        for (const std::string_view letters : kHoleLetters) {
            for (const std::string_view grade : kGradeTexts) {
                holes_.push_back(Evaluate(tables_, ZoneMember::Hole, letters, grade, size_, true,
                                          request_.Edition));
            }
        }
        for (const std::string_view letters : kShaftLetters) {
            for (const std::string_view grade : kGradeTexts) {
                shafts_.push_back(Evaluate(tables_, ZoneMember::Shaft, letters, grade, size_, true,
                                           request_.Edition));
            }
        }
        std::vector<bool> taken(kZones * kZones, false);
        for (const std::size_t pair : cataloguePairs_) taken[pair] = true;
        const auto add = [&](std::size_t h, std::size_t s, BasisSystem basis) {
            if (!holes_[h].Ok || !shafts_[s].Ok || taken[h * kZones + s]) return;
            taken[h * kZones + s] = true;
            out.push_back(Pair(holes_[h], shafts_[s], basis, static_cast<int>(out.size())));
        };
        const std::size_t firstBase = kBaseLetter * kGradeTexts.size();
        if (Wanted(BasisSystem::Hole)) {
            for (std::size_t h = firstBase; h < firstBase + kGradeTexts.size(); ++h) {
                for (std::size_t s = 0; s < kZones; ++s) add(h, s, BasisSystem::Hole);
            }
        }
        if (Wanted(BasisSystem::Shaft)) {
            for (std::size_t h = 0; h < kZones; ++h) {
                for (std::size_t s = firstBase; s < firstBase + kGradeTexts.size(); ++s) {
                    add(h, s, BasisSystem::Shaft);
                }
            }
        }
    }

    const ToleranceData& tables_;
    const FitRequest& request_;
    float size_;
    std::deque<ZoneValue> catalogueZones_;  // a deque: the candidates keep pointers into it
    std::vector<std::size_t> cataloguePairs_;
    std::vector<ZoneValue> holes_;
    std::vector<ZoneValue> shafts_;
};

FoundFit Describe(const Candidate& c, std::int64_t min, std::int64_t max, int requestDecimals) {
    FoundFit fit;
    fit.Hole = c.Hole->Text;
    fit.Shaft = c.Shaft->Text;
    fit.Basis = c.Basis;
    fit.Standing = c.Standing;
    fit.GroupKind = c.GroupKind;
    fit.HoleEntry = c.HoleEntry;
    fit.ShaftEntry = c.ShaftEntry;
    fit.Kind = c.Outcome.Kind;
    fit.Max = c.Max();
    fit.Min = c.Min();
    fit.MarginMin = fit.Min - min;
    fit.MarginMax = max - fit.Max;
    fit.Miss = c.Miss;
    fit.Decimals =
        std::max({c.Outcome.LargestDecimals, c.Outcome.SmallestDecimals, requestDecimals});
    return fit;
}

}  // namespace

FitSearch FindFits(const ToleranceData& tables, const FitRequest& request) {
    FitSearch result;
    // Read as the window and brimsel-query read a size, so that every size
    // comparison of the engine and the catalogue goes the same way.
    const BasicSizeReading size = ReadBasicSize(request.Size);
    switch (size.Refusal) {
        case SizeRefusal::None:
            break;
        case SizeRefusal::NotANumber:
            result.Problem = FindProblem::SizeNotANumber;
            return result;
        case SizeRefusal::Outside:
            result.Problem = FindProblem::SizeOutside;
            return result;
        case SizeRefusal::TooPrecise:
            result.Problem = FindProblem::SizeTooPrecise;
            return result;
    }
    const auto min = ReadExactDecimal(request.Min);
    const auto max = ReadExactDecimal(request.Max);
    if (!min || !max) {
        result.Problem = !min ? FindProblem::MinNotANumber : FindProblem::MaxNotANumber;
        return result;
    }
    if (min->Units > max->Units) {
        result.Problem = FindProblem::MinAboveMax;
        return result;
    }
    result.BasicSize = size.Value;
    result.SizeText = size.Text;

    Search search(tables, request, result.BasicSize);
    std::vector<Candidate> candidates = search.Candidates();
    result.Considered = candidates.size();

    const std::int64_t middle = min->Units + max->Units;
    const auto ranked = [middle](const Candidate& a, const Candidate& b) {
        if (a.Standing != b.Standing) return a.Standing < b.Standing;
        const std::int64_t widthA = a.Max() - a.Min();
        const std::int64_t widthB = b.Max() - b.Min();
        if (widthA != widthB) return widthA > widthB;
        const std::int64_t offA = std::llabs(a.Max() + a.Min() - middle);
        const std::int64_t offB = std::llabs(b.Max() + b.Min() - middle);
        if (offA != offB) return offA < offB;
        if (a.Basis != b.Basis) return a.Basis < b.Basis;
        return a.Order < b.Order;
    };

    for (Candidate& c : candidates) {
        c.Miss = std::max<std::int64_t>(0, min->Units - c.Min()) +
                 std::max<std::int64_t>(0, c.Max() - max->Units);
    }
    const auto fits = std::partition(candidates.begin(), candidates.end(),
                                     [](const Candidate& c) { return c.Miss == 0; });
    result.Qualifying = static_cast<std::size_t>(fits - candidates.begin());

    // With nothing qualifying, the near misses: every fit, nearest first.
    const bool nearMisses = result.Qualifying == 0;
    std::size_t count = nearMisses ? std::min(kNearMisses, candidates.size()) : result.Qualifying;
    if (request.Limit != 0) count = std::min(count, request.Limit);
    std::partial_sort(candidates.begin(), candidates.begin() + static_cast<std::ptrdiff_t>(count),
                      nearMisses ? candidates.end() : fits,
                      [&ranked](const Candidate& a, const Candidate& b) {
                          return a.Miss != b.Miss ? a.Miss < b.Miss : ranked(a, b);
                      });

    const int requestDecimals = std::max(min->Decimals, max->Decimals);
    std::vector<FoundFit>& out = nearMisses ? result.NearMisses : result.Fits;
    out.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        out.push_back(Describe(candidates[i], min->Units, max->Units, requestDecimals));
    }
    return result;
}

std::string_view ScopeKeyword(FitStanding standing) {
    switch (standing) {
        case FitStanding::Preferred:
            return "preferred";
        case FitStanding::Common:
            return "common";
        case FitStanding::Listed:
            return "listed";
        case FitStanding::Other:
            break;
    }
    return "other";
}

std::string_view KindKeyword(KindOfFit kind) {
    switch (kind) {
        case KindOfFit::Clearance:
            return "clearance";
        case KindOfFit::Transition:
            return "transition";
        case KindOfFit::Interference:
            break;
    }
    return "interference";
}

std::string_view BasisKeyword(BasisSystem basis) {
    return basis == BasisSystem::Hole ? "hole" : "shaft";
}

std::string_view ProblemMessage(FindProblem problem, Language languageIndex, Edition edition) {
    switch (problem) {
        case FindProblem::SizeNotANumber:
        case FindProblem::SizeOutside:
            return LookUpMore(languageIndex, More::FinderBadSize, edition);
        case FindProblem::SizeTooPrecise:
            return LookUpMore(languageIndex, More::TooManyDigits, edition);
        case FindProblem::MinNotANumber:
            return LookUpMore(languageIndex, More::FinderBadMin);
        case FindProblem::MaxNotANumber:
            return LookUpMore(languageIndex, More::FinderBadMax);
        case FindProblem::MinAboveMax:
            return LookUpMore(languageIndex, More::FinderMinAboveMax);
        case FindProblem::None:
            break;
    }
    return {};
}

}  // namespace brimsel::fits
