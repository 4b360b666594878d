#include "results/Explanation.h"

#include "engine/ExactDecimal.h"
#include "engine/NumberText.h"
#include "engine/SizeLimits.h"
#include "texts/Meanings.h"
#include "texts/MoreStrings.h"
#include "texts/StringTable.h"

namespace brimsel {

namespace {

// Ten-millionths of a millimetre as micrometres, with as few decimals as the
// value needs ("17.5", "-25", "0.15").
std::string MicronText(std::int64_t units) {
    std::string text = ExactDecimalText(units * 1000, kExactDecimals);
    while (text.back() == '0') text.pop_back();
    if (text.back() == '.') text.pop_back();
    return text;
}

struct Symbols {
    std::string_view Upper, Lower;
};

Symbols SymbolsOf(ZoneMember member) {
    return member == ZoneMember::Hole ? Symbols{"ES", "EI"} : Symbols{"es", "ei"};
}

std::string GradeName(std::string_view grade) {
    return "IT" + std::string(grade == "-1" ? std::string_view("01") : grade);
}

// "-3 + Δ = -3 + 13 = 10" or "0": the fundamental deviation as it was used.
std::string FundamentalFormula(const ZoneDerivation& d) {
    if (d.DeltaUm.empty()) return d.FundamentalUm;
    return d.FundamentalUm + " + Δ = " + d.FundamentalUm + " + " + d.DeltaUm + " = " +
           MicronText(d.FundamentalUnits);
}

// The other limit from IT, or both limits of a symmetric zone, in micrometres.
std::string LimitFormula(const ZoneDeviations& z, ZoneMember member) {
    const ZoneDerivation& d = z.Derivation;
    const Symbols s = SymbolsOf(member);
    const std::int64_t it = d.ToleranceUnits;
    if (d.Role == FundamentalRole::None) {
        const bool rounded = d.Rule == ZoneRule::SymmetricRounded;
        const std::int64_t t = rounded ? it - kUnitsPerMicron : it;
        return std::string(s.Upper) + (rounded ? " = +(IT - 1)/2 = " : " = +IT/2 = ") +
               MicronText(t) + "/2 = " + MicronText(t / 2) + " µm, " + std::string(s.Lower) +
               " = -" + std::string(s.Upper) + " = " + MicronText(-t / 2) + " µm";
    }
    const std::int64_t f = d.FundamentalUnits;
    if (d.Role == FundamentalRole::Upper) {
        return std::string(s.Lower) + " = " + std::string(s.Upper) + " - IT = " + MicronText(f) +
               " - " + d.ToleranceUm + " = " + MicronText(f - it) + " µm";
    }
    return std::string(s.Upper) + " = " + std::string(s.Lower) + " + IT = " + MicronText(f) +
           " + " + d.ToleranceUm + " = " + MicronText(f + it) + " µm";
}

std::string RangeText(const ZoneDerivation& d, Language language, bool brief) {
    const bool first = d.RangeLow == "0";
    const More text = brief ? (first ? More::FirstRangeShort : More::RangeShort)
                            : (first ? More::FirstSizeRange : More::SizeRange);
    return FillIn(LookUpMore(language, text), d.RangeLow, d.RangeHigh);
}

std::string FundamentalLine(const ZoneDeviations& z, ZoneMember member, Language language) {
    const ZoneDerivation& d = z.Derivation;
    if (d.Role == FundamentalRole::None) {
        return std::string(LookUpMore(language, More::NoFundamentalDeviation));
    }
    const Symbols s = SymbolsOf(member);
    return FillIn(LookUpMore(language, More::FundamentalDeviation),
                  d.Role == FundamentalRole::Upper ? s.Upper : s.Lower) +
           " = " + FundamentalFormula(d) + " µm";
}

}  // namespace

std::string ErrorText(std::int16_t code, Language language, Edition edition) {
    std::string text = "error " + IntegerText(code);
    const std::string_view message = ErrorMessage(code, language, edition);
    if (!message.empty()) text.append(": ").append(message);
    return text;
}

std::vector<std::string> ExplainZone(std::string_view sizeText, std::string_view zone,
                                     ZoneMember member, const ZoneDeviations& deviations,
                                     const SizeLimits& limits, Language language) {
    const ZoneDerivation& d = deviations.Derivation;
    const std::string_view separator = LookUpMore(language, More::Separator);
    const auto term = [&](More id) { return LookUpMore(language, id, d.Edition); };
    std::vector<std::string> lines;
    lines.push_back(FillIn(term(More::ExplainHeading), zone, sizeText));
    if (!deviations.Ok()) lines.push_back(ErrorText(deviations.ErrorCode, language, d.Edition));
    if (!d.RangeHigh.empty()) lines.push_back(RangeText(d, language, false));
    if (!d.ToleranceUm.empty()) {
        lines.push_back(FillIn(LookUpMore(language, More::StandardTolerance),
                               GradeName(deviations.Grade), d.ToleranceUm));
    }
    if (deviations.Ok()) {
        lines.push_back(FundamentalLine(deviations, member, language));
        lines.push_back(LimitFormula(deviations, member));
        const Symbols s = SymbolsOf(member);
        lines.push_back(std::string(LookUpMore(language, More::LimitDeviations)) + " " +
                        std::string(s.Upper) + " = " + deviations.UpperText + " mm" +
                        std::string(separator) + std::string(s.Lower) + " = " +
                        deviations.LowerText + " mm");
        if (limits.Ok) {
            lines.push_back(std::string(term(More::LargestSize)) + " " + limits.Largest + " mm" +
                            std::string(separator) + std::string(term(More::SmallestSize)) + " " +
                            limits.Smallest + " mm");
        }
    }
    const More rule = FindRuleMeaning(d.Rule).Text;
    if (rule != More::Count) {
        lines.push_back(FillIn(LookUpMore(language, More::RuleLine), LookUpMore(language, rule)));
    }
    return lines;
}

// The size is already beside the zone name wherever the line is shown.
std::string ExplainZoneBriefly(std::string_view /*sizeText*/, std::string_view zone,
                               ZoneMember member, const ZoneDeviations& deviations,
                               Language language) {
    const ZoneDerivation& d = deviations.Derivation;
    const std::string separator(LookUpMore(language, More::Separator));
    std::string line(zone);
    line += language == Language::English ? ": " : "：";
    if (!deviations.Ok()) return line + ErrorText(deviations.ErrorCode, language, d.Edition);
    line += RangeText(d, language, true) + separator + GradeName(deviations.Grade) + " = " +
            d.ToleranceUm + " µm" + separator;
    if (d.Role == FundamentalRole::None) return line + LimitFormula(deviations, member);
    const Symbols s = SymbolsOf(member);
    return line + std::string(d.Role == FundamentalRole::Upper ? s.Upper : s.Lower) + " = " +
           FundamentalFormula(d) + " µm";
}

}  // namespace brimsel
