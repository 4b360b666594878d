// Where the fraction bar between the two zones ends.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace brimsel {

// Right end of the fraction bar, twips: 2070 when any deviation caption is
// longer than 6 characters, else 1995.
std::int16_t FractionBarRightEnd(std::string_view holeUpper, std::string_view holeLower,
                                 std::string_view shaftUpper, std::string_view shaftLower);

}  // namespace brimsel
