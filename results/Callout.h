// The result the window shows, as texts a designer pastes into a drawing or a
// note: tolerance callouts written the ISO 129-1 way, and the whole result as
// plain text. Every number comes from the exact deviations, so a copied
// number is the exact one, with the digits the window shows wherever its
// captions hold the exact value.
#pragma once

#include <cstdint>
#include <string>

#include "engine/Edition.h"
#include "engine/FitOutcome.h"
#include "texts/Language.h"

namespace brimsel {

struct MemberResult {
    std::string Zone;        // "H7", "g6"
    std::int64_t Upper = 0;  // exact deviations, ten-millionths of a millimetre
    std::int64_t Lower = 0;
};

struct ShownFit {
    float BasicSize = 0.0f;  // mm, as the basic-size reader admitted it
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

std::string WriteCallout(const ShownFit& result, CalloutForm form);

// Basic size, both zones with their deviations and limits of size, the limits
// of fit and the kind of fit, one "name<TAB>value" line each, in the language
// of `languageIndex` (1 Chinese, 2 English).
// The limits of fit are written as the window shows them, a zero as "0".
// Under the 2020 edition the names are its terms and a last line names it.
std::string WriteResultText(const ShownFit& result, Language languageIndex);

}  // namespace brimsel
