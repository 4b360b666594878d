// The kind of fit and the names of its two limits, from the largest and the
// smallest clearance (ES - ei and EI - es; negative for an interference). The
// window's display, the copied result and the fit finder all name a fit by
// these rules.
#pragma once

namespace brimsel {

enum class KindOfFit { Clearance, Transition, Interference };

// A smallest clearance of zero still makes a clearance fit; a largest of zero
// does not.
template <typename Number>
constexpr KindOfFit ClassifyFit(Number largest, Number smallest) {
    if (largest > 0 && smallest >= 0) return KindOfFit::Clearance;
    if (largest > 0 || smallest >= 0) return KindOfFit::Transition;
    return KindOfFit::Interference;
}

// String numbers: 11 clearance, 12 transition, 13 interference fit.
constexpr int KindString(KindOfFit kind) { return 11 + static_cast<int>(kind); }
// 19 largest clearance, or 22 smallest interference.
template <typename Number>
constexpr int LargestLimitString(Number largest) {
    return largest > 0 ? 19 : 22;
}
// 20 smallest clearance, or 21 largest interference.
template <typename Number>
constexpr int SmallestLimitString(Number smallest) {
    return smallest < 0 ? 21 : 20;
}

}  // namespace brimsel
