// What the fuzz targets share: the standard headers they use, a failure that
// keeps the input, and the check that a caption reads back as its value.
#pragma once

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <sstream>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "engine/Formatting.h"
#include "engine/NumberText.h"

namespace brimsel::fuzz {

// A crash, so that libFuzzer keeps the input; `after` is what led there.
[[noreturn]] inline void Fail(const char* target, const std::string& what,
                              const std::string& after = "") {
    std::fprintf(stderr, "%s fuzz: %s\n", target, what.c_str());
    if (!after.empty()) std::fprintf(stderr, "  after: %s\n", after.c_str());
    __builtin_trap();
}

inline double HalfUnit(const std::string& caption) {
    return 0.5 * std::pow(10.0, -CountDecimals(caption));
}

// Within half a unit of the caption's last decimal and the `slack` of what
// the value was computed from.
inline bool ReadsBack(const std::string& caption, double value, double slack = 0) {
    return std::fabs(ReadLeadingNumber(caption) - value) <= HalfUnit(caption) + slack + 1e-7;
}

}  // namespace brimsel::fuzz
