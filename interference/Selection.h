// The fits that carry a requirement: the fit finder asked for an
// interference of at least δ_min and at most δ_emax.
#pragma once

#include <cstdint>
#include <string>

#include "engine/ToleranceData.h"
#include "fits/FitFinder.h"
#include "interference/Interference.h"

namespace brimsel::interference {

// The finder's bounds in ten-millionths of a millimetre, on the safe side:
// MIN = -δ_emax rounded up, MAX = -δ_min rounded down (δ in µm).
std::int64_t SafeFinderMin(double deltaEMax);
std::int64_t SafeFinderMax(double deltaMin);

struct Selection {
    std::string Min;  // the bounds as the finder was asked, mm, 7 decimals
    std::string Max;
    fits::FitSearch Search;
};

// The fits found are written to 0.1 µm (more where a limit needs it): their
// margins to the bounds are rounded there, half away from zero.
// `request` carries the caller's size (the same d_f as the requirement's),
// scope, basis and limit; its Min and Max are replaced. A requirement with
// a problem searches nothing.
Selection SelectFits(const ToleranceData& tables, const Requirement& requirement,
                     fits::FitRequest request);

}  // namespace brimsel::interference
