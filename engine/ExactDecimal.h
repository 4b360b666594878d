// Decimal numbers kept exactly, as whole numbers of ten-millionths of their
// unit, read from and written as plain decimal text. Limits of size, measured
// sizes and fit searches add and compare these, never floats, so that the
// digits shown are the digits computed.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace brimsel {

// Digits after the point that an exact decimal keeps.
inline constexpr int kExactDecimals = 7;
// One unit of the text (one millimetre) in ten-millionths.
inline constexpr std::int64_t kExactScale = 10'000'000;

struct ExactDecimal {
    std::int64_t Units = 0;  // the value times 10^7
    int Decimals = 0;        // digits after the point in the text it was read from
};

// Blanks before it, an optional "+" or "-", then digits with at most one
// point and at least one digit ("12.5", "+0.035", " 0", "-0.0045", ".5",
// "3."), at most 7 decimals and 11 digits before the point. Anything else,
// including trailing characters, gives nothing.
std::optional<ExactDecimal> ReadExactDecimal(std::string_view text);

// Digits with at most one point and at least one digit ("100", "12.5", ".5",
// "3."): no sign, no blank, no exponent.
bool IsPlainDecimal(std::string_view text);

// The plain decimal text of units / 10^7 with exactly `decimals` (0..7) digits
// after the point and no point for 0 decimals; dropped digits round half away
// from zero; a minus sign only before a nonzero text.
std::string ExactDecimalText(std::int64_t units, int decimals);

// As ExactDecimalText, with a "+" before a positive value.
std::string SignedDecimalText(std::int64_t units, int decimals);

// Whole micrometres and tenths of a micrometre of a millimetre value.
inline constexpr std::int64_t kUnitsPerMicron = kExactScale / 1000;
inline constexpr std::int64_t kUnitsPerTenthMicron = kUnitsPerMicron / 10;

}  // namespace brimsel
