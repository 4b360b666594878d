// Texts of the features beside the numbered string table (limits of size,
// derivations, the window's menu and dialogs, the fit finder), each in
// Simplified Chinese and English, UTF-8. Named rather than numbered, so that
// the numbered table keeps exactly its ids.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/Edition.h"
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

    // The editions: the context menu's choice, and the 2020 edition's terms
    // where they differ from the 1998 wording (see LookUpMore with an edition).
    Standard,
    Edition1998,
    Edition2020,
    EditionNotSaved,
    FiguresNote,
    NominalSize,
    UpperLimitDeviation,
    LowerLimitDeviation,
    UpperLimitOfSize,
    LowerLimitOfSize,
    ExplainHeading2020,
    NearerUpper,
    NearerLower,
    TooManyDigits2020,
    FinderSize2020,
    FinderBadSize2020,
    FinderFigures,
    FinderListed,
    SizeMessage2020,
    OutsideMessage2020,

    Count  // not a text: the number of entries
};

// Every text that takes values marks them "{1}" and "{2}"; FillIn puts them in.
std::string FillIn(std::string_view text, std::string_view first, std::string_view second = {});

// The text of `id` in the language of `languageIndex` (1 Chinese, 2 English).
std::string_view LookUpMore(Language languageIndex, More id);

// The same in the words of the edition: under 2020 the basic size is the
// nominal size (公称尺寸), the limits of size the upper and lower limit of
// size (上/下极限尺寸), the deviations the upper and lower limit deviation;
// every other text reads the same in both editions.
std::string_view LookUpMore(Language languageIndex, More id, Edition edition);
// Text number n of the numbered table in the words of the edition: under
// 2020, n 2 (the basic size) and the messages 25 and 27 name the nominal size.
std::string_view LookUpString(Language languageIndex, int n, Edition edition);

}  // namespace brimsel
