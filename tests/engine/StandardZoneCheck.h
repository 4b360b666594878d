// Running a zone code such as "H7" or "js01" through the engine on the
// shipped tables, and describing the result for failure messages.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>
#include <string_view>

#include "datafile/StandardTables.h"
#include "engine/Deviations.h"
#include "engine/NumberText.h"

namespace brimsel::test {

inline const ToleranceData& ShippedTables() {
    static const ToleranceData tables = BuildStandardTables();
    return tables;
}

struct ZoneCode {
    std::string Letters;
    std::string Grade;
    bool Hole = true;
};

inline ZoneCode SplitZone(std::string_view zone) {
    ZoneCode z;
    std::size_t i = 0;
    while (i < zone.size() && !(zone[i] >= '0' && zone[i] <= '9')) ++i;
    z.Letters = std::string(zone.substr(0, i));
    z.Grade = std::string(zone.substr(i));
    z.Hole = !z.Letters.empty() && z.Letters[0] >= 'A' && z.Letters[0] <= 'Z';
    return z;
}

inline ZoneDeviations EvaluateZoneCode(std::string_view zone, float size, bool custom = false,
                                       const ToleranceData& tables = ShippedTables()) {
    const ZoneCode z = SplitZone(zone);
    const ZoneQuery query{z.Letters, z.Grade, size, custom, zone};
    return z.Hole ? EvaluateHoleZone(tables, query) : EvaluateShaftZone(tables, query);
}

inline std::string Describe(const ZoneDeviations& r) {
    std::ostringstream out;
    if (r.Ok()) {
        out << SingleText(r.Upper) << " / " << SingleText(r.Lower) << " mm (\"" << r.UpperText
            << "\" / \"" << r.LowerText << "\")";
    } else {
        out << "error " << r.ErrorCode;
    }
    return out.str();
}

// The stored float is the float nearest to the exact millimetre value, or one
// of its neighbours (the engine divides in double from float micrometres).
inline bool NearlyExactMillimetres(float stored, double exactMillimetres) {
    const auto nearest = static_cast<float>(exactMillimetres);
    return stored == nearest || stored == std::nextafter(nearest, 1e9f) ||
           stored == std::nextafter(nearest, -1e9f);
}

}  // namespace brimsel::test
