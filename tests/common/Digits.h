// Decimal texts worked on their digits: a computation apart from the
// program's, for the tests that check its exact sums.
#pragma once

#include <algorithm>
#include <string>

namespace brimsel::test {

inline int Decimals(const std::string& text) {
    const auto point = text.find('.');
    return point == std::string::npos ? 0 : static_cast<int>(text.size() - point - 1);
}

// "12.5" as a whole number of 10^-decimals: 125 with 1, 12500 with 3.
inline long long Scaled(std::string text, int decimals) {
    text.erase(0, text.find_first_not_of(' '));
    text.append(static_cast<std::size_t>(decimals - Decimals(text)), '0');
    std::erase(text, '.');
    return std::stoll(text);
}

// The value written back with its decimals; `sign` writes "+" above zero and a bare "0".
inline std::string Written(long long value, int decimals, bool sign = false) {
    std::string digits = std::to_string(value < 0 ? -value : value);
    digits.insert(0, static_cast<std::size_t>(std::max(0, decimals + 1 - int(digits.size()))), '0');
    if (decimals > 0) digits.insert(digits.size() - static_cast<std::size_t>(decimals), ".");
    if (value == 0 && sign) return "0";
    return (value < 0 ? "-" : value > 0 && sign ? "+" : "") + digits;
}

}  // namespace brimsel::test
