#include "engine/BasicSize.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "engine/ExactDecimal.h"
#include "engine/NumberText.h"
#include "engine/ToleranceData.h"

namespace brimsel {

namespace {

// The digits and point of a plain decimal written the way SingleText writes
// a value: no leading zeros before the units digit, no trailing zeros after
// the point, no point without decimals.
std::string PlainDecimal(std::string_view text) {
    const std::size_t point = std::min(text.find('.'), text.size());
    std::string_view whole = text.substr(0, point);
    std::string_view fraction = point < text.size() ? text.substr(point + 1) : std::string_view();
    while (!whole.empty() && whole.front() == '0') whole.remove_prefix(1);
    while (!fraction.empty() && fraction.back() == '0') fraction.remove_suffix(1);
    std::string plain = whole.empty() ? "0" : std::string(whole);
    if (!fraction.empty()) plain.append(".").append(fraction);
    return plain;
}

// The digits and at most one point that follow blanks and a sign.
std::string_view LeadingDigits(std::string_view text, bool& negative) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    negative = i < text.size() && text[i] == '-';
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    std::size_t end = i;
    bool point = false;
    for (; end < text.size(); ++end) {
        if (text[end] == '.' && !point) {
            point = true;
        } else if (text[end] < '0' || text[end] > '9') {
            break;
        }
    }
    return text.substr(i, end - i);
}

}  // namespace

BasicSizeReading ReadBasicSize(std::string_view text, SizeForm form) {
    BasicSizeReading reading;
    bool negative = false;
    std::string_view digits = text;
    if (form == SizeForm::Plain) {
        if (!IsPlainDecimal(text)) {
            reading.Refusal = SizeRefusal::NotANumber;
            return reading;
        }
    } else {
        digits = LeadingDigits(text, negative);
    }
    const double typed = ReadLeadingNumber(text);
    reading.Value = static_cast<float>(typed);
    // Compared in single precision, as every size range is.
    if (!(reading.Value <= kLargestBasicSize) || typed < 0.0) {
        reading.Refusal = SizeRefusal::Outside;
        return reading;
    }
    const std::size_t point = std::min(digits.find('.'), digits.size());
    const bool fineDecimals = digits.size() - point <= 1 + kExactDecimals;
    const std::string shown = SingleText(reading.Value);
    if (IsPlainDecimal(digits) && (!fineDecimals || shown != PlainDecimal(digits))) {
        reading.Refusal = SizeRefusal::TooPrecise;
        return reading;
    }
    reading.Text = shown;
    return reading;
}

ExactDecimal ExactBasicSize(float size) {
    if (const std::optional<ExactDecimal> shown = ReadExactDecimal(SingleText(size))) return *shown;
    return {std::llround(static_cast<double>(size) * kExactScale), kExactDecimals};
}

}  // namespace brimsel
