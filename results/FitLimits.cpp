#include "results/FitLimits.h"

#include <initializer_list>

namespace brimsel {

namespace {

// Characters as the label shows them: UTF-8 continuation bytes are not counted.
std::size_t CharacterCount(std::string_view text) {
    std::size_t count = 0;
    for (const char c : text) {
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++count;
    }
    return count;
}

}  // namespace

std::int16_t FractionBarRightEnd(std::string_view holeUpper, std::string_view holeLower,
                                 std::string_view shaftUpper, std::string_view shaftLower) {
    for (const std::string_view caption : {holeUpper, holeLower, shaftUpper, shaftLower}) {
        if (CharacterCount(caption) > 6) return 2070;
    }
    return 1995;
}

}  // namespace brimsel
