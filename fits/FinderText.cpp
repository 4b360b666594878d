#include "fits/FinderText.h"

#include "texts/Meanings.h"
#include "texts/MoreStrings.h"

namespace brimsel::fits {

std::string_view ColumnHeading(FinderColumn column, Language language, bool nearMisses) {
    switch (column) {
        case FinderColumn::Fit:
            return LookUpMore(language, More::FinderFitColumn);
        case FinderColumn::Max:
            return LookUpMore(language, More::FinderMaxColumn);
        case FinderColumn::Min:
            return LookUpMore(language, More::FinderMinColumn);
        case FinderColumn::Kind:
            return LookUpMore(language, More::FinderKindColumn);
        case FinderColumn::Standing:
            return LookUpMore(language, More::FinderStandingColumn);
        case FinderColumn::Basis:
            return LookUpMore(language, More::FinderBasisColumn);
        case FinderColumn::MarginMin:
            return LookUpMore(language,
                              nearMisses ? More::FinderMissColumn : More::FinderMarginMinColumn);
        case FinderColumn::MarginMax:
            break;
    }
    return nearMisses ? std::string_view() : LookUpMore(language, More::FinderMarginMaxColumn);
}

std::string FitName(const FoundFit& fit) { return fit.Hole + "/" + fit.Shaft; }

std::string_view StandingText(FitStanding standing, Language language) {
    const More text = standing == FitStanding::Preferred ? More::FinderPreferred
                      : standing == FitStanding::Common  ? More::FinderCommon
                      : standing == FitStanding::Listed  ? More::FinderListed
                                                         : More::FinderOther;
    return LookUpMore(language, text);
}

std::string_view BasisText(BasisSystem basis, Language language) {
    return LookUpMore(language,
                      basis == BasisSystem::Hole ? More::FinderHoleBasis : More::FinderShaftBasis);
}

std::string FinderStatus(const FitSearch& search, std::size_t listed, Language language) {
    if (search.Fits.empty()) return std::string(LookUpMore(language, More::FinderNone));
    std::string status =
        FillIn(LookUpMore(language, More::FinderFound), std::to_string(search.Qualifying));
    if (search.Qualifying > listed) {
        status += FillIn(LookUpMore(language, More::FinderShown), std::to_string(listed));
    }
    return status;
}

}  // namespace brimsel::fits
