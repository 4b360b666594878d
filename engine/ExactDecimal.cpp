#include "engine/ExactDecimal.h"

#include <algorithm>
#include <cstdlib>

namespace brimsel {

namespace {

// 11 digits keep every value times 10^7 inside a 64-bit integer.
constexpr int kMaxIntegerDigits = 11;

constexpr std::int64_t PowerOfTen(int n) {
    std::int64_t p = 1;
    while (n-- > 0) p *= 10;
    return p;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::optional<ExactDecimal> ReadExactDecimal(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';

    std::int64_t whole = 0;
    std::int64_t fraction = 0;
    int integerDigits = 0;
    int decimals = 0;
    bool point = false;
    bool anyDigit = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '.' && !point) {
            point = true;
            continue;
        }
        if (!IsDigit(c)) return std::nullopt;
        anyDigit = true;
        if (point) {
            if (++decimals > kExactDecimals) return std::nullopt;
            fraction = fraction * 10 + (c - '0');
        } else {
            // Leading zeros do not count against the integer digits.
            if (whole != 0 || c != '0') ++integerDigits;
            if (integerDigits > kMaxIntegerDigits) return std::nullopt;
            whole = whole * 10 + (c - '0');
        }
    }
    if (!anyDigit) return std::nullopt;

    const std::int64_t units =
        whole * kExactScale + fraction * PowerOfTen(kExactDecimals - decimals);
    return ExactDecimal{negative ? -units : units, decimals};
}

bool IsPlainDecimal(std::string_view text) {
    bool digit = false;
    bool point = false;
    for (const char c : text) {
        if (IsDigit(c)) {
            digit = true;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            return false;
        }
    }
    return digit;
}

std::string ExactDecimalText(std::int64_t units, int decimals) {
    decimals = std::clamp(decimals, 0, kExactDecimals);
    const std::int64_t step = PowerOfTen(kExactDecimals - decimals);
    // Magnitudes stay far below the int64 limit: 12 integer digits at most.
    std::int64_t magnitude = units < 0 ? -units : units;
    magnitude = (magnitude + step / 2) / step;
    const bool negative = units < 0 && magnitude != 0;
    // Digits written from the right into a buffer: every limit of size and
    // every distance passes here, many per batch line.
    char buffer[48];
    char* start = buffer + sizeof buffer;
    int written = 0;
    do {
        if (written == decimals && decimals > 0) *--start = '.';
        *--start = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
        ++written;
    } while (magnitude != 0 || written <= decimals);
    if (negative) *--start = '-';
    return std::string(start, buffer + sizeof buffer);
}

std::string SignedDecimalText(std::int64_t units, int decimals) {
    const std::string text = ExactDecimalText(units, decimals);
    return units > 0 ? "+" + text : text;
}

}  // namespace brimsel
