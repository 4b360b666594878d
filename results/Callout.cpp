#include "results/Callout.h"

#include <string_view>
#include <utility>

#include "engine/BasicSize.h"
#include "engine/ExactDecimal.h"
#include "engine/NumberText.h"
#include "engine/SizeLimits.h"
#include "texts/Meanings.h"
#include "texts/MoreStrings.h"
#include "texts/StringTable.h"

namespace brimsel {

namespace {

constexpr std::string_view kDiameter = "Ø";
constexpr std::string_view kPlusMinus = "±";

// A deviation the way a callout writes it: a sign before every value but 0.
std::string Signed(std::int64_t units, int decimals) {
    return units == 0 ? "0" : SignedDecimalText(units, decimals);
}

// Equal deviations either side of zero are written once, after a ±.
std::string Deviations(const MemberResult& member) {
    const int decimals = DeviationDecimals(member.Upper, member.Lower);
    if (member.Upper > 0 && member.Upper == -member.Lower) {
        return "(" + std::string(kPlusMinus) + ExactDecimalText(member.Upper, decimals) + ")";
    }
    return "(" + Signed(member.Upper, decimals) + "/" + Signed(member.Lower, decimals) + ")";
}

SizeLimits LimitsOf(const ShownFit& result, const MemberResult& member) {
    return ComputeSizeLimits(ExactBasicSize(result.BasicSize), member.Upper, member.Lower);
}

}  // namespace

std::string WriteCallout(const ShownFit& result, CalloutForm form) {
    const std::string diameter(kDiameter);
    const std::string size = SingleText(result.BasicSize);
    switch (form) {
        case CalloutForm::Code:
            return diameter + size + " " + result.Hole.Zone + "/" + result.Shaft.Zone;
        case CalloutForm::CodeAndDeviations:
            return diameter + size + " " + result.Hole.Zone + Deviations(result.Hole) + "/" +
                   result.Shaft.Zone + Deviations(result.Shaft);
        case CalloutForm::HoleLimits:
        case CalloutForm::ShaftLimits: {
            const SizeLimits limits =
                LimitsOf(result, form == CalloutForm::HoleLimits ? result.Hole : result.Shaft);
            return diameter + limits.Largest + "/" + limits.Smallest;
        }
    }
    return {};
}

std::string WriteResultText(const ShownFit& result, Language languageIndex) {
    std::string text;
    const auto line = [&](std::string_view name, std::string_view value) {
        text.append(name).append("\t").append(value).append("\n");
    };
    const auto string = [&](int n) { return LookUpString(languageIndex, n, result.Edition); };
    const auto more = [&](More id) { return LookUpMore(languageIndex, id, result.Edition); };

    line(string(2), SingleText(result.BasicSize) + " mm");
    for (const auto& [name, member] : {std::pair(17, &result.Hole), std::pair(18, &result.Shaft)}) {
        const int decimals = DeviationDecimals(member->Upper, member->Lower);
        const SizeLimits limits = LimitsOf(result, *member);
        line(string(name), member->Zone);
        line(more(More::UpperDeviation), Signed(member->Upper, decimals));
        line(more(More::LowerDeviation), Signed(member->Lower, decimals));
        line(more(More::LargestSize), limits.Largest);
        line(more(More::SmallestSize), limits.Smallest);
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
