// What the engine's meanings are called: the kinds and limits of fit, the
// error codes (with the deviation captions each blanks in the window) and the
// rules that shaped a zone. One table each; every view reads them here.
#pragma once

#include <cstdint>
#include <string_view>

#include "engine/Deviations.h"
#include "engine/FitKind.h"
#include "texts/Language.h"
#include "texts/MoreStrings.h"

namespace brimsel {

// The kind of fit (strings 11..13) and the name of a limit of fit (19..22).
std::string_view KindText(Language language, KindOfFit kind);
std::string_view LimitNameText(Language language, FitLimitName name);

struct ErrorMeaning {
    std::int16_t Code;
    int Message;       // string number
    bool BlanksHole;   // the hole's deviation captions show " - - -"
    bool BlanksShaft;  // the shaft's
};

inline constexpr ErrorMeaning kErrorMeanings[] = {
    {error_code::kBasicSize, 25, true, true},       {error_code::kHoleZone, 26, true, false},
    {error_code::kShaftZone, 26, false, true},      {error_code::kHoleOutside, 27, true, false},
    {error_code::kShaftOutside, 27, false, true},   {error_code::kHoleSmallSize, 27, true, false},
    {error_code::kShaftSmallSize, 27, false, true},
};

// The entry of a code; nothing for 0 and unknown codes.
const ErrorMeaning* FindErrorMeaning(std::int16_t code);
// The message of an error code, in the words of the edition; empty for 0 and unknown codes.
std::string_view ErrorMessage(std::int16_t code, Language language,
                              Edition edition = Edition::Gb1998);

struct RuleMeaning {
    ZoneRule Rule;
    std::string_view Keyword;  // stable, for CSV and scripts
    More Text;                 // More::Count: no text (no rule beyond IT and the table)
};

inline constexpr RuleMeaning kRuleMeanings[] = {
    {ZoneRule::None, "none", More::Count},
    {ZoneRule::Delta, "delta", More::RuleDelta},
    {ZoneRule::Symmetric, "symmetric", More::RuleSymmetric},
    {ZoneRule::SymmetricRounded, "symmetric-rounded", More::RuleSymmetricRounded},
    {ZoneRule::M6Special, "m6-special", More::RuleM6Special},
    {ZoneRule::GradeBand, "grade-band", More::RuleGradeBand},
    {ZoneRule::SmallSize, "small-size", More::RuleSmallSize},
};

const RuleMeaning& FindRuleMeaning(ZoneRule rule);
inline std::string_view RuleKeyword(ZoneRule rule) { return FindRuleMeaning(rule).Keyword; }

}  // namespace brimsel
