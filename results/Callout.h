// The result the window shows, as texts a designer pastes into a drawing or a
// note: tolerance callouts written the ISO 129-1 way, and the whole result as
// plain text. Everything is read from the captions as shown and computed on
// their decimal digits, so a copied number is the number on screen.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "engine/Edition.h"
#include "engine/FitOutcome.h"
#include "texts/Language.h"

namespace brimsel {

struct MemberResult {
    std::string Zone;   // "H7", "g6"
    std::string Upper;  // deviation captions as shown: "+0.035", " 0", "-0.0045"
    std::string Lower;
};

struct ShownFit {
    std::string BasicSize;  // as shown: "100", "12.5"
    MemberResult Hole;
    MemberResult Shaft;
    FitOutcome Outcome;  // the limits and the kind, from the exact deviations
    brimsel::Edition Edition = brimsel::Edition::Gb1998;  // whose terms the text uses
};

enum class CalloutForm {
    Code,               // Ø100 H7/g6
    CodeAndDeviations,  // Ø100 H7(+0.035/0)/g6(-0.012/-0.034)
    HoleLimits,         // Ø100.035/100.000
    ShaftLimits,        // Ø99.988/99.966
};
inline constexpr CalloutForm kCalloutForms[] = {CalloutForm::Code, CalloutForm::CodeAndDeviations,
                                                CalloutForm::HoleLimits, CalloutForm::ShaftLimits};

// Nothing when a number of the result is not a number (a blanked caption).
std::optional<std::string> WriteCallout(const ShownFit& result, CalloutForm form);

// Basic size, both zones with their deviations and limits of size, the limits
// of fit and the kind of fit, one "name<TAB>value" line each, in the language
// of `languageIndex` (1 Chinese, 2 English). Nothing as for WriteCallout.
// The limits of fit are written as the window shows them, a zero as "0".
// Under the 2020 edition the names are its terms and a last line names it.
std::optional<std::string> WriteResultText(const ShownFit& result, Language languageIndex);

}  // namespace brimsel
