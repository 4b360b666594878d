#include "results/Callout.h"

#include <string_view>
#include <tuple>

#include "engine/ExactDecimal.h"
#include "engine/SizeLimits.h"
#include "texts/Meanings.h"
#include "texts/MoreStrings.h"
#include "texts/StringTable.h"

namespace brimsel {

namespace {

constexpr std::string_view kDiameter = "Ø";
constexpr std::string_view kPlusMinus = "±";

struct ExactMember {
    ExactDecimal Upper, Lower;
    SizeLimits Limits;
};

struct ExactResult {
    ExactMember Hole, Shaft;
};

std::optional<ExactMember> ReadMember(const std::string& size, const MemberResult& member) {
    const auto upper = ReadExactDecimal(member.Upper);
    const auto lower = ReadExactDecimal(member.Lower);
    const SizeLimits limits = ComputeSizeLimits(size, member.Upper, member.Lower);
    if (!upper || !lower || !limits.Ok) return std::nullopt;
    return ExactMember{*upper, *lower, limits};
}

std::optional<ExactResult> ReadResult(const ShownFit& result) {
    const auto hole = ReadMember(result.BasicSize, result.Hole);
    const auto shaft = ReadMember(result.BasicSize, result.Shaft);
    if (!hole || !shaft) return std::nullopt;
    return ExactResult{*hole, *shaft};
}

// A deviation the way a callout writes it: a sign before every value but 0.
std::string Signed(std::int64_t units, int decimals) {
    return units == 0 ? "0" : SignedDecimalText(units, decimals);
}

std::string Signed(const ExactDecimal& value) { return Signed(value.Units, value.Decimals); }

// Equal deviations either side of zero are written once, after a ±.
std::string Deviations(const ExactMember& member) {
    if (member.Upper.Units > 0 && member.Upper.Units == -member.Lower.Units) {
        return "(" + std::string(kPlusMinus) +
               ExactDecimalText(member.Upper.Units, member.Upper.Decimals) + ")";
    }
    return "(" + Signed(member.Upper) + "/" + Signed(member.Lower) + ")";
}

}  // namespace

std::optional<std::string> WriteCallout(const ShownFit& result, CalloutForm form) {
    const auto exact = ReadResult(result);
    if (!exact) return std::nullopt;
    const std::string diameter(kDiameter);
    switch (form) {
        case CalloutForm::Code:
            return diameter + result.BasicSize + " " + result.Hole.Zone + "/" + result.Shaft.Zone;
        case CalloutForm::CodeAndDeviations:
            return diameter + result.BasicSize + " " + result.Hole.Zone + Deviations(exact->Hole) +
                   "/" + result.Shaft.Zone + Deviations(exact->Shaft);
        case CalloutForm::HoleLimits:
            return diameter + exact->Hole.Limits.Largest + "/" + exact->Hole.Limits.Smallest;
        case CalloutForm::ShaftLimits:
            return diameter + exact->Shaft.Limits.Largest + "/" + exact->Shaft.Limits.Smallest;
    }
    return std::nullopt;
}

std::optional<std::string> WriteResultText(const ShownFit& result, Language languageIndex) {
    const auto exact = ReadResult(result);
    if (!exact) return std::nullopt;
    std::string text;
    const auto line = [&](std::string_view name, std::string_view value) {
        text.append(name).append("\t").append(value).append("\n");
    };
    const auto string = [&](int n) { return LookUpString(languageIndex, n, result.Edition); };
    const auto more = [&](More id) { return LookUpMore(languageIndex, id, result.Edition); };

    line(string(2), result.BasicSize + " mm");
    for (const auto& [name, shown, member] : {std::tuple(17, &result.Hole, &exact->Hole),
                                              std::tuple(18, &result.Shaft, &exact->Shaft)}) {
        line(string(name), shown->Zone);
        line(more(More::UpperDeviation), Signed(member->Upper));
        line(more(More::LowerDeviation), Signed(member->Lower));
        line(more(More::LargestSize), member->Limits.Largest);
        line(more(More::SmallestSize), member->Limits.Smallest);
    }

    const FitOutcome& fit = result.Outcome;
    line(LimitNameText(languageIndex, fit.LargestName), Signed(fit.Largest, fit.LargestDecimals));
    line(LimitNameText(languageIndex, fit.SmallestName),
         Signed(fit.Smallest, fit.SmallestDecimals));
    line(more(More::KindOfFit), KindText(languageIndex, fit.Kind));
    if (result.Edition == Edition::Gb2020) line(more(More::Standard), more(More::Edition2020));
    return text;
}

}  // namespace brimsel
