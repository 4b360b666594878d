#include "engine/NumberText.h"

#include <charconv>
#include <cmath>
#include <string_view>

namespace brimsel {

std::string SingleText(float value) {
    if (std::isnan(value)) return "NaN";
    if (std::isinf(value)) return value < 0 ? "-Inf" : "Inf";
    if (value == 0.0f) return "0";
    // Whole values below 10^7 are their own seven-digit text; most table
    // values and size limits are, and this spares the general conversion.
    if (std::fabs(value) < 1e7f && value == std::trunc(value)) {
        char whole[16];
        const auto end = std::to_chars(whole, whole + sizeof whole, static_cast<long>(value)).ptr;
        return std::string(whole, end);
    }
    // Seven significant digits in scientific form ("d.dddddde±x", rounded as
    // printf's %.6e does), then laid out plainly. to_chars instead of printf:
    // every deviation caption passes here, several times per query.
    char buf[32];
    const auto written = std::to_chars(buf, buf + sizeof buf, static_cast<double>(value),
                                       std::chars_format::scientific, 6);
    const std::string_view s(buf, static_cast<std::size_t>(written.ptr - buf));
    const bool negative = s.front() == '-';
    const std::size_t lead = negative ? 1 : 0;
    char digits[8];
    std::size_t count = 0;
    digits[count++] = s[lead];
    const std::size_t e = s.find('e');
    for (std::size_t i = lead + 2; i < e; ++i) digits[count++] = s[i];
    int exponent = 0;
    std::from_chars(s.data() + e + (s[e + 1] == '+' ? 2 : 1), s.data() + s.size(), exponent);
    while (count > 1 && digits[count - 1] == '0') --count;

    std::string out;
    if (negative) out += '-';
    const int pointAt = exponent + 1;  // digits before the decimal point
    if (pointAt <= 0) {
        out += "0.";
        out.append(static_cast<std::size_t>(-pointAt), '0');
        out.append(digits, count);
    } else if (static_cast<std::size_t>(pointAt) >= count) {
        out.append(digits, count);
        out.append(static_cast<std::size_t>(pointAt) - count, '0');
    } else {
        const auto whole = static_cast<std::size_t>(pointAt);
        out.append(digits, whole);
        out += '.';
        out.append(digits + whole, count - whole);
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
    // Grade texts are short whole numbers; those are exact in a double and
    // need no general conversion, which costs more than the rest of a lookup.
    const bool negative = number.front() == '-';
    const std::size_t first = number.front() == '+' || negative ? 1 : 0;
    if (!point && number.size() - first <= 15) {
        double whole = 0.0;
        for (std::size_t d = first; d < number.size(); ++d)
            whole = whole * 10.0 + (number[d] - '0');
        return negative ? -whole : whole;
    }
    // from_chars, not strtod: the window runs in the user's locale, and in a
    // locale with a decimal comma strtod would read "12.5" as 12.
    double value = 0.0;
    const char* const end = number.data() + number.size();
    if (std::from_chars(number.data() + first, end, value, std::chars_format::fixed).ec ==
        std::errc::result_out_of_range) {
        // As strtod: too large is infinite, too small is zero.
        const bool large = number.find_first_of("123456789") < number.find('.');
        value = large ? HUGE_VAL : 0.0;
    }
    return negative ? -value : value;
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
