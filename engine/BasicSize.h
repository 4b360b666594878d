// The one reading of a basic size, for the window, brimsel-query and the fit
// finder: a text becomes the single-precision size every computation compares,
// or a refusal with its reason.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/ExactDecimal.h"

namespace brimsel {

enum class SizeRefusal : std::uint8_t {
    None,
    NotANumber,  // not a plain decimal
    Outside,     // below 0 or above 3150 mm
    TooPrecise,  // more digits than the single-precision size keeps ("3.0000002")
};

enum class SizeForm : std::uint8_t {
    Plain,    // digits with at most one point, nothing else ("100", "12.5", ".5", "007")
    Leading,  // the size box: its leading number, blanks and a sign allowed, the rest ignored
};

struct BasicSizeReading {
    SizeRefusal Refusal = SizeRefusal::None;
    float Value = 0.0f;  // mm; also set for a size outside, as the window holds it
    std::string Text;    // the size as shown ("7" for "007"); empty when refused
    bool Ok() const { return Refusal == SizeRefusal::None; }
};

// A size is refused when the digits it was written with are not the digits
// it shows: the size computed is always the size shown. In the Leading form a
// text without a number reads as 0, as the size box always read it.
BasicSizeReading ReadBasicSize(std::string_view text, SizeForm form = SizeForm::Plain);

// The exact value of a size the reader admitted: the digits it is shown with,
// which are the digits typed ("12.5" is 125000000 ten-millionths, 1 decimal).
// A float the reader would refuse is taken to 7 decimals.
ExactDecimal ExactBasicSize(float size);

}  // namespace brimsel
