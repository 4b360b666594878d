// The numbers of GB/T 1800.3-1998 (= ISO 286-1) that go into Quorbel.dat,
// and the description of the deviation bands that DeviationKeys points to.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "engine/ToleranceData.h"
#include "engine/ZoneCode.h"

namespace brimsel {

// One row of DeviationKeys: the grades of one member's letters up to and
// including HighestGrade that share one column of FundamentalDeviations.
struct DeviationBand {
    ZoneMember Side = ZoneMember::Hole;
    std::string_view Letters;       // "A".."ZC" for holes, "a".."zc" for shafts
    std::int16_t HighestGrade = 0;  // grade number: IT01 -1, IT0 0, ITn n
    std::int32_t Column = 0;        // 0 where the standard gives nothing for the band
    // Heading of the standard's column that the band's values come from, as in
    // the tables of StandardTables.cpp ("K≤8", "P>7", "k4-7"); empty for column 0.
    std::string_view Heading;
};

// Upper limits (mm) of the rows of StandardTolerances: 3, 6, 10 ... 3150.
std::span<const float> ToleranceSizeLimits();
// Upper limits (mm) of the rows of FundamentalDeviations, with the standard's
// intermediate steps: 3, 6, 10, 14, 18, 24, 30 ... 2800, 3150.
std::span<const float> DeviationSizeLimits();

// The bands in the order of the rows of DeviationKeys: the hole bands from
// row 0, the shaft bands from row kHoleKeyRows on.
std::span<const DeviationBand> DeviationBands();

// Column of FundamentalDeviations for a member's letters and grade number,
// chosen as the engine chooses it (first band whose highest grade is at least
// the grade); 0 for a band the standard leaves empty, -1 when no band exists.
std::int32_t DeviationColumn(ZoneMember side, std::string_view letters, int grade);

// The exact content of Quorbel.dat, FormatMark 2. The tables are parsed from
// the text of StandardTables.cpp; a malformed table throws std::logic_error.
ToleranceData BuildStandardTables();

}  // namespace brimsel
