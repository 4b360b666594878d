#include "engine/Formatting.h"

#include "engine/NumberText.h"

namespace brimsel {

std::int16_t CountDecimals(std::string_view text) {
    const auto point = text.find('.');
    if (point == std::string_view::npos) return 0;
    return static_cast<std::int16_t>(text.size() - point - 1);
}

namespace {

// Rounds an unsigned plain decimal text to `decimals` places, half away from
// zero, and pads it to exactly that many.
std::string RoundDecimalText(std::string_view magnitude, int decimals) {
    std::string whole(magnitude.substr(0, magnitude.find('.')));
    std::string fraction;
    if (const auto point = magnitude.find('.'); point != std::string_view::npos) {
        fraction = std::string(magnitude.substr(point + 1));
    }
    const auto keep = static_cast<std::size_t>(decimals);
    bool carry = fraction.size() > keep && fraction[keep] >= '5';
    fraction.resize(keep, '0');
    std::string digits = whole + fraction;
    for (std::size_t i = digits.size(); carry && i-- > 0;) {
        if (digits[i] == '9') {
            digits[i] = '0';
        } else {
            ++digits[i];
            carry = false;
        }
    }
    if (carry) digits.insert(digits.begin(), '1');
    const std::size_t wholeLength = digits.size() - keep;
    std::string out = digits.substr(0, wholeLength);
    if (out.empty()) out = "0";
    if (keep > 0) {
        out += '.';
        out += digits.substr(wholeLength);
    }
    return out;
}

}  // namespace

std::string FormatDeviation(float value, int decimals) {
    if (value == 0.0f) return " " + SingleText(0.0f);
    return FormatDeviationText(SingleText(value), decimals);
}

std::string FormatDeviationText(std::string_view plain, int decimals) {
    if (plain == "0") return " 0";
    if (decimals < 0) decimals = 0;
    const bool negative = plain.front() == '-';
    const std::string magnitude = RoundDecimalText(plain.substr(negative ? 1 : 0), decimals);
    return (negative ? "-" : "+") + magnitude;
}

int DecimalsForPairTexts(std::string_view first, std::string_view second) {
    return CountDecimals(first) <= 3 && CountDecimals(second) <= 3 ? 3 : 4;
}

}  // namespace brimsel
