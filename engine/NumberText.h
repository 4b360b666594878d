// Number-to-text and text-to-number rules used throughout the program.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace brimsel {

// A Single as plain decimal text: at most 7 significant digits, no exponent,
// no trailing zeros ("0.035", "-0.0045", "0", "100", "12.5").
std::string SingleText(float value);

// The lenient reading of a leading number: blanks skipped, then an optional
// sign, digits and one decimal point; reading stops at the first character
// that does not fit. No number at all gives 0.
double ReadLeadingNumber(std::string_view text);

// Nearest integer, a value exactly halfway going to the even neighbour.
double RoundHalfEven(double value);

// Plain integer text with a minus sign when negative.
std::string IntegerText(long long value);

// The decimal text of the value of the leading digits of a text ("07" gives
// "7", "7x" gives "7", "00" gives "0", "010" gives "10"); overflow-free, so a
// long run of digits keeps its magnitude. A text without leading digits gives "0".
std::string LeadingDigitsText(std::string_view text);

}  // namespace brimsel
