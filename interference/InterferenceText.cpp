#include "interference/InterferenceText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <iterator>

#include "texts/MoreStrings.h"

namespace brimsel::interference {

namespace {

struct ProblemText {
    Problem Id;
    More Text;
};

constexpr ProblemText kProblemTexts[] = {
    {Problem::NotANumber, More::ProblemNotANumber},
    {Problem::NoLoad, More::ProblemNoLoad},
    {Problem::BadDiameter, More::ProblemBadDiameter},
    {Problem::BadLength, More::ProblemBadLength},
    {Problem::HubTooThin, More::ProblemHubTooThin},
    {Problem::BadShaftBore, More::ProblemBadShaftBore},
    {Problem::BadModulus, More::ProblemBadModulus},
    {Problem::BadPoisson, More::ProblemBadPoisson},
    {Problem::BadStrength, More::ProblemBadStrength},
    {Problem::BadFriction, More::ProblemBadFriction},
    {Problem::BadRoughness, More::ProblemBadRoughness},
    {Problem::BadSafety, More::ProblemBadSafety},
    {Problem::BadClearance, More::ProblemBadClearance},
    {Problem::NoExpansion, More::ProblemNoExpansion},
    {Problem::NoFitHolds, More::ProblemNoFitHolds},
    {Problem::CannotCool, More::ProblemCannotCool},
    {Problem::BelowAbsoluteZero, More::ProblemBelowAbsoluteZero},
};

struct KeyText {
    std::string_view Key;
    More Text;
};

// In the order of Quantities(); the kind of fit closes the list.
constexpr KeyText kQuantityTexts[] = {
    {"F_t", More::QuantityFt},
    {"p_fmin", More::QuantityPfMin},
    {"q_a", More::QuantityQa},
    {"q_i", More::QuantityQi},
    {"C_a", More::QuantityCa},
    {"C_i", More::QuantityCi},
    {"e_amin", More::QuantityEaMin},
    {"e_imin", More::QuantityEiMin},
    {"delta_emin", More::QuantityDeltaEMin},
    {"delta_min", More::QuantityDeltaMin},
    {"a", More::QuantityA},
    {"b", More::QuantityB},
    {"c", More::QuantityC},
    {"p_famax", More::QuantityPfaMax},
    {"p_fimax", More::QuantityPfiMax},
    {"p_fmax", More::QuantityPfMax},
    {"F_tmax", More::QuantityFtMax},
    {"M_tmax", More::QuantityMtMax},
    {"e_amax", More::QuantityEaMax},
    {"e_imax", More::QuantityEiMax},
    {"delta_emax", More::QuantityDeltaEMax},
    {"Y_min", More::QuantityYMin},
    {"Y_max", More::QuantityYMax},
    {"p_min", More::QuantityPMin},
    {"F_cap", More::QuantityFCap},
    {"M_cap", More::QuantityMCap},
    {"slip_safety", More::QuantitySlipSafety},
    {"p_max", More::QuantityPMax},
    {"hub_bore_hoop", More::QuantityHubBoreHoop},
    {"hub_bore_radial", More::QuantityHubBoreRadial},
    {"hub_bore_von_mises", More::QuantityHubBoreVonMises},
    {"hub_od_hoop", More::QuantityHubOdHoop},
    {"shaft_bore_hoop", More::QuantityShaftBoreHoop},
    {"hub_od_growth", More::QuantityHubOdGrowth},
    {"press_force", More::QuantityPressForce},
    {"hub_heat_temp", More::QuantityHubHeatTemp},
    {"shaft_cool_temp", More::QuantityShaftCoolTemp},
    {"X_max_20", More::QuantityXMax20},
    {"X_min_20", More::QuantityXMin20},
    {"X_max", More::QuantityXMax},
    {"X_min", More::QuantityXMin},
    {"kind", More::QuantityKind},
};

constexpr KeyText kMaterialTexts[] = {
    {"steel", More::MaterialSteel},
    {"grey-iron-ht150", More::MaterialGreyIron150},
    {"grey-iron-ht250", More::MaterialGreyIron250},
    {"malleable-iron", More::MaterialMalleableIron},
    {"nodular-iron", More::MaterialNodularIron},
    {"bronze", More::MaterialBronze},
    {"brass", More::MaterialBrass},
    {"aluminium-alloy", More::MaterialAluminium},
    {"magnesium-aluminium-alloy", More::MaterialMagnesium},
};

constexpr KeyText kFrictionTexts[] = {
    {"steel-steel", More::FrictionSteelSteel},
    {"steel-cast-iron", More::FrictionSteelCastIron},
    {"steel-bronze", More::FrictionSteelBronze},
    {"cast-iron-cast-iron", More::FrictionCastIronCastIron},
};

template <std::size_t N>
const KeyText* FindKey(const KeyText (&table)[N], std::string_view key) {
    const auto* it = std::ranges::find(table, key, &KeyText::Key);
    return it == std::end(table) ? nullptr : it;
}

std::string Fixed(double value, int decimals) {
    char text[64];
    const auto [end, ec] =
        std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, decimals);
    std::string out = ec == std::errc() ? std::string(text, end) : std::string();
    // No "-0.0": a value that rounds to zero is zero.
    if (out.starts_with('-') && out.find_first_not_of("-0.") == std::string::npos) out.erase(0, 1);
    return out;
}

int DecimalsOf(std::string_view unit) {
    if (unit == "N") return 0;
    if (unit.empty()) return 3;
    return 1;
}

}  // namespace

std::string_view PartText(Part part, Language language) {
    if (part == Part::None) return {};
    return LookUpMore(language, part == Part::Hub ? More::PartHub : More::PartShaft);
}

std::string ProblemMessage(Problem problem, Part part, Language language) {
    const auto* it = std::ranges::find(kProblemTexts, problem, &ProblemText::Id);
    if (it == std::end(kProblemTexts)) return {};
    return FillIn(LookUpMore(language, it->Text), PartText(part, language));
}

std::string_view QuantityLabel(std::string_view key, Language language) {
    const KeyText* found = FindKey(kQuantityTexts, key);
    return found ? LookUpMore(language, found->Text) : key;
}

std::string_view ShownUnit(std::string_view unit) {
    if (unit == "um") return "µm";
    if (unit == "N*m") return "N·m";
    if (unit == "degC") return "°C";
    return unit;
}

std::string ReadableValue(double value, std::string_view unit) {
    return Fixed(value, DecimalsOf(unit));
}

std::string CsvValue(double value) {
    if (value == 0.0) return "0";
    // Ten significant digits, written without an exponent.
    const int magnitude = static_cast<int>(std::floor(std::log10(std::abs(value))));
    const int decimals = std::clamp(9 - magnitude, 0, 15);
    std::string text = Fixed(value, decimals);
    if (text.find('.') != std::string::npos) {
        while (text.ends_with('0')) text.pop_back();
        if (text.ends_with('.')) text.pop_back();
    }
    return text;
}

std::optional<double> ReadNumber(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    if (text.starts_with('+')) text.remove_prefix(1);
    // from_chars takes neither "inf" nor "nan" as a number here: both are refused below.
    double value = 0.0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size() ||
        !std::isfinite(value) || text.find_first_of("iInN") != std::string_view::npos) {
        return std::nullopt;
    }
    return value;
}

std::string_view MaterialName(std::string_view key, Language language) {
    const KeyText* found = FindKey(kMaterialTexts, key);
    return found ? LookUpMore(language, found->Text) : key;
}

std::string FrictionTip(Language language) {
    std::string tip(LookUpMore(language, More::FrictionTip));
    const auto range = [](Range r) { return Fixed(r.Low, 2) + "–" + Fixed(r.High, 2); };
    for (const FrictionRow& row : FrictionTable()) {
        const KeyText* name = FindKey(kFrictionTexts, row.Pair);
        tip += "\n" + std::string(name ? LookUpMore(language, name->Text) : row.Pair) + "  " +
               range(row.Dry) + " / " + range(row.Lubricated);
    }
    return tip;
}

std::string RangeTip(Range range, double scale, int decimals, Language language) {
    const std::string low = Fixed(range.Low * scale, decimals);
    const std::string high = Fixed(range.High * scale, decimals);
    if (low == high) return FillIn(LookUpMore(language, More::ValueTip), low);
    return FillIn(LookUpMore(language, More::RangeTip), low, high);
}

std::string SlipVerdict(const FitCheck& check, Language language) {
    return FillIn(LookUpMore(language, check.Holds ? More::VerdictHolds : More::VerdictSlips),
                  Fixed(check.SlipSafety, 2));
}

std::string YieldVerdict(const FitCheck& check, const Requirement& requirement, Language language) {
    return FillIn(LookUpMore(language, check.Elastic ? More::VerdictElastic : More::VerdictYields),
                  Fixed(check.PMax, 1), Fixed(requirement.PfMax, 1));
}

}  // namespace brimsel::interference
