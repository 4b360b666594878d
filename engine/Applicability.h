// Where the standard defines a zone: the size ranges from 0 to 3150 mm in
// which it computes, and in which it fails with which code.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/ToleranceData.h"
#include "engine/ZoneCode.h"

namespace brimsel {

struct ZoneSpan {
    std::string Low;        // above Low (from 0 inclusive for the first span)
    std::string High;       // up to and including High, mm
    std::int16_t Code = 0;  // 0 where the zone computes, else its failure code
};

// Adjacent ranges with the same outcome form one span; the spans cover 0 to
// the largest basic size without a gap. `customBasis` applies the rules for
// sizes up to 1 mm, as the zone boxes of the custom basis do.
std::vector<ZoneSpan> ZoneApplicability(const ToleranceData& tables, const NormalisedZone& zone,
                                        ZoneMember member, bool customBasis);

}  // namespace brimsel
