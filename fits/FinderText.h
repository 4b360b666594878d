// The fit finder's columns, standing texts and status line, written once for
// brimsel-query --find and the window's finder dialog, which arrange them
// each in their own order.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "fits/FitFinder.h"
#include "texts/Language.h"

namespace brimsel::fits {

enum class FinderColumn : std::uint8_t {
    Fit,
    Max,
    Min,
    Kind,
    Standing,
    Basis,
    MarginMin,  // the miss, when only near misses are listed
    MarginMax,  // empty for near misses
};

// The heading of a column; near misses head MarginMin with the miss.
std::string_view ColumnHeading(FinderColumn column, Language language, bool nearMisses);
// "H7/g6", the standing, the basis system and the kind of fit, as words.
std::string FitName(const FoundFit& fit);
std::string_view StandingText(FitStanding standing, Language language);
std::string_view BasisText(BasisSystem basis, Language language);
// "Fits found: 8; the first 5 shown", or that none qualifies; `listed` fits shown.
std::string FinderStatus(const FitSearch& search, std::size_t listed, Language language);

}  // namespace brimsel::fits
