// The kind of fit and the names of its two limits, from the largest and the
// smallest clearance (ES - ei and EI - es; negative for an interference). The
// window's display, the copied result and the fit finder all name a fit by
// these rules.
#pragma once

namespace brimsel {

enum class KindOfFit { Clearance, Transition, Interference };

// What each limit of fit is called: the first limit is the largest clearance,
// or the smallest interference when there is no clearance; the second the
// smallest clearance, or the largest interference.
enum class FitLimitName {
    LargestClearance,
    SmallestClearance,
    LargestInterference,
    SmallestInterference
};

// A smallest clearance of zero still makes a clearance fit; a largest of zero
// does not.
template <typename Number>
constexpr KindOfFit ClassifyFit(Number largest, Number smallest) {
    if (largest > 0 && smallest >= 0) return KindOfFit::Clearance;
    if (largest > 0 || smallest >= 0) return KindOfFit::Transition;
    return KindOfFit::Interference;
}

template <typename Number>
constexpr FitLimitName NameOfLargest(Number largest) {
    return largest > 0 ? FitLimitName::LargestClearance : FitLimitName::SmallestInterference;
}

template <typename Number>
constexpr FitLimitName NameOfSmallest(Number smallest) {
    return smallest < 0 ? FitLimitName::LargestInterference : FitLimitName::SmallestClearance;
}

}  // namespace brimsel
