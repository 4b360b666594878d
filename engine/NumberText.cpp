#include "engine/NumberText.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace brimsel {

std::string SingleText(float value) {
    if (std::isnan(value)) return "NaN";
    if (std::isinf(value)) return value < 0 ? "-Inf" : "Inf";
    if (value == 0.0f) return "0";
    // Seven significant digits in scientific form, then laid out plainly.
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.6e", static_cast<double>(value));
    std::string_view s(buf);
    const bool negative = s.front() == '-';
    if (negative) s.remove_prefix(1);
    std::string digits;
    digits += s[0];
    const auto e = s.find('e');
    for (std::size_t i = 2; i < e; ++i) digits += s[i];
    const int exponent = std::atoi(std::string(s.substr(e + 1)).c_str());
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();

    std::string out = negative ? "-" : "";
    const int pointAt = exponent + 1;  // digits before the decimal point
    if (pointAt <= 0) {
        out += "0.";
        out.append(static_cast<std::size_t>(-pointAt), '0');
        out += digits;
    } else if (static_cast<std::size_t>(pointAt) >= digits.size()) {
        out += digits;
        out.append(static_cast<std::size_t>(pointAt) - digits.size(), '0');
    } else {
        out += digits.substr(0, static_cast<std::size_t>(pointAt));
        out += '.';
        out += digits.substr(static_cast<std::size_t>(pointAt));
    }
    return out;
}

double ReadLeadingNumber(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    std::string number;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) number += text[i++];
    bool point = false;
    bool anyDigit = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9') {
            number += c;
            anyDigit = true;
        } else if (c == '.' && !point) {
            number += c;
            point = true;
        } else {
            break;
        }
    }
    if (!anyDigit) return 0.0;
    return std::strtod(number.c_str(), nullptr);
}

double RoundHalfEven(double value) {
    const double lower = std::floor(value);
    const double fraction = value - lower;
    if (fraction > 0.5) return lower + 1.0;
    if (fraction < 0.5) return lower;
    return std::fmod(lower, 2.0) == 0.0 ? lower : lower + 1.0;
}

std::string IntegerText(long long value) { return std::to_string(value); }

std::string LeadingDigitsText(std::string_view text) {
    std::size_t end = 0;
    while (end < text.size() && text[end] >= '0' && text[end] <= '9') ++end;
    std::size_t start = 0;
    while (start + 1 < end && text[start] == '0') ++start;
    if (end == 0) return "0";
    return std::string(text.substr(start, end - start));
}

}  // namespace brimsel
