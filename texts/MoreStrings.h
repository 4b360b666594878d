// Texts of the features beside the numbered string table (limits of size,
// derivations, the window's menu and dialogs, the fit finder), each in
// Simplified Chinese and English, UTF-8. Named rather than numbered, so that
// the numbered table keeps exactly its ids.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "texts/Language.h"

namespace brimsel {

enum class More {
    // Limits of size and measured sizes.
    LargestSize,
    SmallestSize,

    // Derivations, measured-size checks and applicability.
    ExplainHeading,
    SizeRange,
    FirstSizeRange,
    RangeShort,
    FirstRangeShort,
    StandardTolerance,
    FundamentalDeviation,
    NoFundamentalDeviation,
    LimitDeviations,
    Separator,
    RuleLine,
    RuleDelta,
    RuleSymmetric,
    RuleSymmetricRounded,
    RuleM6Special,
    RuleGradeBand,
    RuleSmallSize,
    Inside,
    Outside,
    NearerLargest,
    NearerSmallest,
    Defined,
    TooManyDigits,

    // The window's context menu and its dialogs.
    CopyResult,
    CopyCallout,
    SaveDiagram,
    DiagramFileTypes,
    DiagramNotSaved,
    DiagramUnchanged,
    UpperDeviation,
    LowerDeviation,
    KindOfFit,

    // The fit finder.
    FindFit,
    FinderSize,
    FinderMin,
    FinderMax,
    FinderScope,
    FinderCatalogue,
    FinderAll,
    FinderBasis,
    FinderEitherBasis,
    FinderHoleBasis,
    FinderShaftBasis,
    FinderFitColumn,
    FinderMaxColumn,
    FinderMinColumn,
    FinderKindColumn,
    FinderStandingColumn,
    FinderBasisColumn,
    FinderMarginMinColumn,
    FinderMarginMaxColumn,
    FinderMissColumn,
    FinderPreferred,
    FinderCommon,
    FinderOther,
    FinderFound,
    FinderShown,
    FinderNone,
    FinderBadSize,
    FinderBadMin,
    FinderBadMax,
    FinderMinAboveMax,
    FinderHint,

    Count  // not a text: the number of entries
};

// Every text that takes values marks them "{1}" and "{2}"; FillIn puts them in.
std::string FillIn(std::string_view text, std::string_view first, std::string_view second = {});

// The text of `id` in the language of `languageIndex` (1 Chinese, 2 English).
std::string_view LookUpMore(Language languageIndex, More id);

}  // namespace brimsel
