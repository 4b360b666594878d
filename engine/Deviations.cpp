#include "engine/Deviations.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <utility>

#include "engine/Formatting.h"
#include "engine/NumberText.h"
#include "engine/StandardTolerance.h"

namespace brimsel {

std::string DecodeLetterCode(float code) {
    const std::string text = SingleText(code);
    std::string letters;
    for (std::size_t i = 0; i < text.size(); i += 2) {
        const double pair = ReadLeadingNumber(std::string_view(text).substr(i, 2));
        // A pair of a non-digit text reads as at most 99 and at least -9, so
        // the code always lies in 41..149.
        const auto charCode = static_cast<int>(RoundHalfEven(pair + 50.0));
        letters += static_cast<char>(static_cast<unsigned char>(charCode));
    }
    return letters;
}

float EncodeLetterCode(std::string_view letters) {
    double code = 0.0;
    for (const char c : letters) {
        code = code * 100.0 + static_cast<double>(static_cast<unsigned char>(c) - 50);
    }
    return static_cast<float>(code);
}

namespace {

// Below this a whole float's seven-digit text is exactly its integer digits,
// which is what lets the key search skip the text.
constexpr float kPlainIntegerLimit = 10'000'000.0f;

bool IsPlainInteger(float value) {
    return value >= 0.0f && value < kPlainIntegerLimit && value == std::trunc(value);
}

// The key search compares the letters with dozens of codes per query. Instead
// of decoding each code, the letters are turned into the (at most two) whole
// numbers whose decimal digits decode to them; a row whose code is a plain
// integer then matches exactly when it equals one of those. Other codes
// (fractions, negative numbers, eight digits or more) go through the text rule.
class LetterMatcher {
  public:
    explicit LetterMatcher(std::string_view letters) : letters_(letters) {
        if (letters.empty() || letters.size() > 4) return;
        std::array<int, 4> pairs{};
        for (std::size_t i = 0; i < letters.size(); ++i) {
            const int pair = static_cast<unsigned char>(letters[i]) - 50;
            if (pair < 0 || pair > 99) return;
            pairs[i] = pair;
        }
        const std::size_t last = letters.size() - 1;
        double prefix = 0.0;
        for (std::size_t i = 0; i < last; ++i) prefix = prefix * 100.0 + pairs[i];
        // A decimal text has no leading zero unless it is "0" itself.
        const bool leadingPairHasTwoDigits = pairs[0] >= 10;
        // Every character a two-digit pair.
        if (leadingPairHasTwoDigits) {
            AddCandidate(prefix * 100.0 + pairs[last]);
        }
        // The last character a single trailing digit.
        if (pairs[last] <= 9 && (last == 0 || leadingPairHasTwoDigits)) {
            AddCandidate(prefix * 10.0 + pairs[last]);
        }
    }

    bool Matches(float code) const {
        for (int i = 0; i < count_; ++i) {
            if (code == candidates_[i]) return true;
        }
        if (IsPlainInteger(code)) return false;
        return DecodeLetterCode(code) == letters_;
    }

  private:
    void AddCandidate(double value) {
        if (value < static_cast<double>(kPlainIntegerLimit)) {
            candidates_[count_++] = static_cast<float>(value);
        }
    }

    std::string_view letters_;
    std::array<float, 2> candidates_{};
    int count_ = 0;
};

struct MemberRules {
    std::int16_t zoneCode;
    std::int16_t outsideCode;
    std::int16_t smallSizeCode;
    std::string_view symmetricLetters;  // "JS" / "js"
    std::string_view boundaryLetter;    // "H" / "h"
    std::int32_t firstKeyRow;
    bool hole;
};

constexpr MemberRules kHole{error_code::kHoleZone,
                            error_code::kHoleOutside,
                            error_code::kHoleSmallSize,
                            "JS",
                            "H",
                            0,
                            true};
constexpr MemberRules kShaft{error_code::kShaftZone,
                             error_code::kShaftOutside,
                             error_code::kShaftSmallSize,
                             "js",
                             "h",
                             kHoleKeyRows,
                             false};

bool IsDeltaMarked(float cell) {
    // A whole number's text has no point; only fractional cells need the text.
    if (cell == std::trunc(cell)) return false;
    return SingleText(cell).ends_with(".05");
}

// A table value in micrometres as ten-millionths of a millimetre. The tables
// hold at most a few significant decimals, which the nearest integer recovers
// from the float; a damaged file's huge values are held far from overflow.
std::int64_t MicronUnits(double microns) {
    constexpr double kLimit = 1e14;
    const double units = std::clamp(microns * 1e4, -kLimit, kLimit);
    return std::llround(std::isnan(units) ? 0.0 : units);
}

bool IsOddWholeNumber(float value) {
    return value == std::trunc(value) && std::fmod(value, 2.0f) != 0.0f;
}

// The size range the numbers hold for, above Low up to and including High:
// the standard tolerance's range, narrowed to the rows of the fundamental
// deviation's value. High stays 0 until a row is read.
struct SizeRange {
    float Low = 0.0f;
    float High = 0.0f;
    void Narrow(float low, float high) {
        Low = std::max(Low, low);
        High = High == 0.0f ? high : std::min(High, high);
    }
};

// Fills `result` as far as it gets and returns the error code, 0 when
// computed; the result is built in place in its caller, never moved.
std::int16_t EvaluateZone(const ToleranceData& tables, const ZoneQuery& query,
                          const MemberRules& member, SizeRange& range, ZoneDeviations& result) {
    const ToleranceLookup lookup =
        LookUpStandardTolerance(query.Grade, query.BasicSize, tables.StandardTolerances);
    result.BarPlaced = lookup.BarPlaced;
    result.Grade = lookup.Grade;
    if (lookup.Failed) return member.zoneCode;

    // The lookup only succeeds for grade indexes 1..20, and then writes the
    // grade number as plain integer text: -1..18.
    std::int16_t g = 0;
    std::from_chars(lookup.Grade.data(), lookup.Grade.data() + lookup.Grade.size(), g);
    const float it = lookup.Tolerance;
    const float delta = lookup.Delta;
    ZoneDerivation& derivation = result.Derivation;
    if (lookup.RangeHigh > 0.0f) {
        range.Narrow(lookup.RangeLow, lookup.RangeHigh);
        derivation.ToleranceUm = SingleText(it);
    }

    if (it == 0.0f) return member.outsideCode;

    const std::string_view letters = query.Letters;
    if (query.CustomBasis && query.BasicSize <= 1.0f) {
        const bool tooSmall = letters == (member.hole ? "A" : "a") ||
                              letters == (member.hole ? "B" : "b") || g >= 14 ||
                              (member.hole && letters == "N" && g > 8);
        if (tooSmall) {
            derivation.Rule = ZoneRule::SmallSize;
            return member.smallSizeCode;
        }
    }

    const bool symmetric = letters == member.symmetricLetters;
    if (letters == (member.hole ? "J" : "j")) derivation.Rule = ZoneRule::GradeBand;

    double column = 0.0;
    if (!symmetric) {
        const Table& keys = tables.DeviationKeys;
        if (!keys.HasAllElements() || keys.Columns < 3) {
            return member.zoneCode;
        }
        const std::int32_t endRow = member.hole ? std::min(kHoleKeyRows, keys.Rows) : keys.Rows;
        const LetterMatcher matcher(letters);
        bool found = false;
        for (std::int32_t row = member.firstKeyRow; row < endRow; ++row) {
            if (!(static_cast<float>(g) <= keys(1, row))) continue;
            if (!matcher.Matches(keys(0, row))) continue;
            column = RoundHalfEven(static_cast<double>(keys(2, row)));
            found = true;
            break;
        }
        if (!found) return member.zoneCode;
        if (column == 0.0) return member.outsideCode;
    }

    double f = 0.0;
    std::int64_t fUnits = 0;
    const bool m6Special = member.hole && query.ZoneText == "M6" && query.BasicSize > 250.0f &&
                           query.BasicSize <= 315.0f;
    if (m6Special) {
        f = -9.0;
        fUnits = MicronUnits(f);
        derivation.Rule = ZoneRule::M6Special;
        derivation.FundamentalUm = "-9";
    } else if (!symmetric) {
        const Table& deviations = tables.FundamentalDeviations;
        if (!deviations.HasAllElements()) return member.outsideCode;
        for (std::int32_t row = 0; row < deviations.Rows; ++row) {
            if (!(deviations(0, row) >= query.BasicSize)) continue;
            // A key naming a column the table lacks cannot give a deviation.
            if (!(column >= 1.0 && column < static_cast<double>(deviations.Columns))) {
                return member.outsideCode;
            }
            const auto col = static_cast<std::int32_t>(column);
            const float cell = deviations(col, row);
            // The tables split a size range only where some letter's value
            // changes; for this letter the neighbouring rows that hold the
            // same value are one range, as the printed tables show it.
            std::int32_t first = row;
            std::int32_t last = row;
            while (first > 0 && deviations(col, first - 1) == cell) --first;
            while (last + 1 < deviations.Rows && deviations(col, last + 1) == cell) ++last;
            range.Narrow(first > 0 ? deviations(0, first - 1) : 0.0f, deviations(0, last));
            if (cell == kUndefinedMark) return member.outsideCode;
            if (member.hole && IsDeltaMarked(cell)) {
                derivation.Rule = ZoneRule::Delta;
                derivation.FundamentalUm = SingleText(std::trunc(cell));
                if (g < 3) return member.outsideCode;
                derivation.DeltaUm = SingleText(delta);
                f = std::trunc(static_cast<double>(cell)) + static_cast<double>(delta);
                fUnits = MicronUnits(std::trunc(static_cast<double>(cell))) +
                         MicronUnits(static_cast<double>(delta));
            } else {
                derivation.FundamentalUm = SingleText(cell);
                f = static_cast<double>(cell);
                fUnits = MicronUnits(f);
            }
            break;
        }
    }

    const double itMicrons = static_cast<double>(it);
    const std::int64_t itUnits = MicronUnits(itMicrons);
    derivation.ToleranceUnits = itUnits;
    derivation.FundamentalUnits = fUnits;
    double upper = 0.0;
    double lower = 0.0;
    if (symmetric) {
        // The 1998 edition rounds ±IT/2 of IT7..IT11 down to whole
        // micrometres; the 2020 edition keeps the half micrometre.
        const bool rounded =
            query.Edition == Edition::Gb1998 && g >= 7 && g <= 11 && IsOddWholeNumber(it);
        const double t = rounded ? itMicrons - 1.0 : itMicrons;
        upper = t / 2000.0;
        lower = -upper;
        result.UpperUnits = (rounded ? itUnits - MicronUnits(1.0) : itUnits) / 2;
        result.LowerUnits = -result.UpperUnits;
        derivation.Rule = rounded ? ZoneRule::SymmetricRounded : ZoneRule::Symmetric;
    } else if ((letters > member.boundaryLetter) == member.hole) {
        // F is the upper limit: ES of holes J..ZC, es of shafts a..h.
        upper = f / 1000.0;
        lower = (f - itMicrons) / 1000.0;
        result.UpperUnits = fUnits;
        result.LowerUnits = fUnits - itUnits;
        derivation.Role = FundamentalRole::Upper;
    } else {
        // F is the lower limit: EI of holes A..H, ei of shafts j..zc.
        lower = f / 1000.0;
        upper = (f + itMicrons) / 1000.0;
        result.LowerUnits = fUnits;
        result.UpperUnits = fUnits + itUnits;
        derivation.Role = FundamentalRole::Lower;
    }

    result.Upper = static_cast<float>(upper);
    result.Lower = static_cast<float>(lower);
    // Both captions with the same number of decimals, each value written once.
    result.UpperPlain = SingleText(result.Upper);
    result.LowerPlain = SingleText(result.Lower);
    const int decimals = DecimalsForPairTexts(result.UpperPlain, result.LowerPlain);
    result.UpperText = FormatDeviationText(result.UpperPlain, decimals);
    result.LowerText = FormatDeviationText(result.LowerPlain, decimals);
    return error_code::kNone;
}

// The range texts written once, whichever way the evaluation ended.
ZoneDeviations EvaluateMember(const ToleranceData& tables, const ZoneQuery& query,
                              const MemberRules& member) {
    SizeRange range;
    ZoneDeviations result;
    result.Derivation.Edition = query.Edition;
    result.ErrorCode = EvaluateZone(tables, query, member, range, result);
    if (range.High > 0.0f) {
        result.Derivation.RangeLow = SingleText(range.Low);
        result.Derivation.RangeHigh = SingleText(range.High);
    }
    return result;
}

}  // namespace

ZoneDeviations EvaluateHoleZone(const ToleranceData& tables, const ZoneQuery& query) {
    return EvaluateMember(tables, query, kHole);
}

ZoneDeviations EvaluateShaftZone(const ToleranceData& tables, const ZoneQuery& query) {
    return EvaluateMember(tables, query, kShaft);
}

}  // namespace brimsel
