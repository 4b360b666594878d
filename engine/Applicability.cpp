#include "engine/Applicability.h"

#include <algorithm>

#include "engine/Deviations.h"
#include "engine/NumberText.h"

namespace brimsel {

namespace {

// Sizes up to 1 mm follow rules of their own in the custom basis.
constexpr float kSmallSizeLimit = 1.0f;

void AddLimits(const Table& table, std::vector<float>& limits) {
    if (!table.HasAllElements() || table.Columns < 1) return;
    for (std::int32_t row = 0; row < table.Rows; ++row) {
        const float limit = table(0, row);
        if (limit > 0.0f && limit <= kLargestBasicSize) limits.push_back(limit);
    }
}

}  // namespace

std::vector<ZoneSpan> ZoneApplicability(const ToleranceData& tables, const NormalisedZone& zone,
                                        ZoneMember member, bool customBasis) {
    std::vector<float> limits{kSmallSizeLimit, kLargestBasicSize};
    AddLimits(tables.StandardTolerances, limits);
    AddLimits(tables.FundamentalDeviations, limits);
    std::sort(limits.begin(), limits.end());
    limits.erase(std::unique(limits.begin(), limits.end()), limits.end());

    std::vector<ZoneSpan> spans;
    float low = 0.0f;
    for (const float high : limits) {
        // Every range includes its upper limit, so that limit stands for the range.
        const ZoneQuery query{.Letters = zone.Letters,
                              .Grade = zone.Grade,
                              .BasicSize = high,
                              .CustomBasis = customBasis,
                              .ZoneText = zone.Text};
        const std::int16_t code = member == ZoneMember::Hole
                                      ? EvaluateHoleZone(tables, query).ErrorCode
                                      : EvaluateShaftZone(tables, query).ErrorCode;
        if (!spans.empty() && spans.back().Code == code) {
            spans.back().High = SingleText(high);
        } else {
            spans.push_back({SingleText(low), SingleText(high), code});
        }
        low = high;
    }
    return spans;
}

}  // namespace brimsel
