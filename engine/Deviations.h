// Limit deviations of a hole or shaft tolerance zone at a basic size.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/Edition.h"
#include "engine/ToleranceData.h"

namespace brimsel {

struct ZoneQuery {
    std::string_view Letters;  // upper case for holes, lower case for shafts
    std::string_view Grade;    // grade text as held in the query state
    float BasicSize = 0.0f;    // mm
    bool CustomBasis = false;  // the custom basis is selected: the rules for sizes up to 1 mm apply
    std::string_view ZoneText;  // the hole zone box's text; "M6" selects its special case
    brimsel::Edition Edition = brimsel::Edition::Gb1998;  // decides the JS/js rule
};

// Which limit deviation the fundamental deviation is.
enum class FundamentalRole : std::uint8_t { None, Upper, Lower };

// The rule of the standard, beyond IT and the table's fundamental deviation,
// that shaped a zone's deviations or refused them.
enum class ZoneRule : std::uint8_t {
    None,
    Delta,             // the table's value plus Δ (K, M, N up to IT8, P..ZC up to IT7)
    Symmetric,         // JS/js: ±IT/2 (always in the 2020 edition)
    SymmetricRounded,  // JS/js IT7..IT11 with an odd IT, 1998 edition: ±(IT - 1)/2
    M6Special,         // M6 above 250 up to 315 mm: ES = -9 µm
    GradeBand,         // J/j: each grade has a column of its own, not a formula
    SmallSize,         // refused: sizes up to 1 mm take no A/B, IT14+, N above IT8
};

// Where a zone's numbers come from, written by the evaluation that computes
// them. Texts are plain decimals (SingleText); empty when not reached.
struct ZoneDerivation {
    std::string RangeLow;       // the size range: above RangeLow up to and including RangeHigh, mm
    std::string RangeHigh;      // over which these numbers hold, as the printed tables split it
    std::string ToleranceUm;    // IT
    std::string FundamentalUm;  // as the table gives it: "-3" for the cell "-3+Δ"
    std::string DeltaUm;        // Δ when it was added
    FundamentalRole Role = FundamentalRole::None;
    ZoneRule Rule = ZoneRule::None;
    brimsel::Edition Edition = brimsel::Edition::Gb1998;  // whose rules and words apply
    // IT and the fundamental deviation as used (Δ added), exact, in
    // ten-millionths of a millimetre; meaningful when the zone was computed.
    std::int64_t ToleranceUnits = 0;
    std::int64_t FundamentalUnits = 0;
};

struct ZoneDeviations {
    std::int16_t ErrorCode = 0;  // 0 when computed, else 21/22, 31/32, 41/42
    bool BarPlaced = false;      // the lookup placed the fraction bar's left end
    std::string Grade;           // the grade field after the computation
    float Upper = 0.0f;          // ES or es, mm; meaningful only when ErrorCode is 0
    float Lower = 0.0f;          // EI or ei, mm
    // The same deviations exact, in ten-millionths of a millimetre, computed
    // from the table's micrometre values without a float in between.
    std::int64_t UpperUnits = 0;
    std::int64_t LowerUnits = 0;
    std::string UpperText;  // captions, both with the same number of decimals
    std::string LowerText;
    std::string UpperPlain;  // SingleText of Upper and Lower, written once here
    std::string LowerPlain;
    ZoneDerivation Derivation;
    bool Ok() const { return ErrorCode == 0; }
};

ZoneDeviations EvaluateHoleZone(const ToleranceData& tables, const ZoneQuery& query);
ZoneDeviations EvaluateShaftZone(const ToleranceData& tables, const ZoneQuery& query);

// The letters that a DeviationKeys letter code stands for: the value's decimal
// text read two digits at a time, each pair plus 50 a character code
// ("1718" gives "CD", "7249" gives "zc", 0 gives "2").
std::string DecodeLetterCode(float code);
// The inverse for letters A..Z and a..z ("CD" gives 1718).
float EncodeLetterCode(std::string_view letters);

}  // namespace brimsel
