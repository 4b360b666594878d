// Limit deviations of a hole or shaft tolerance zone at a basic size.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/QueryState.h"

namespace brimsel {

struct ZoneQuery {
    std::string_view Letters;  // upper case for holes, lower case for shafts
    std::string_view Grade;    // grade text as held in the query state
    float BasicSize = 0.0f;    // mm
    bool CustomBasis = false;  // the custom basis is selected: the rules for sizes up to 1 mm apply
    std::string_view ZoneText;  // the hole zone box's text; "M6" selects its special case
};

struct ZoneDeviations {
    std::int16_t ErrorCode = 0;  // 0 when computed, else 21/22, 31/32, 41/42
    bool BarPlaced = false;      // the lookup placed the fraction bar's left end
    std::string Grade;           // the grade field after the computation
    float Upper = 0.0f;          // ES or es, mm; meaningful only when ErrorCode is 0
    float Lower = 0.0f;          // EI or ei, mm
    std::string UpperText;       // captions, both with the same number of decimals
    std::string LowerText;
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
