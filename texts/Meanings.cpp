#include "texts/Meanings.h"

#include <algorithm>
#include <iterator>

#include "texts/StringTable.h"

namespace brimsel {

std::string_view KindText(Language language, KindOfFit kind) {
    switch (kind) {
        case KindOfFit::Clearance:
            return LookUpString(language, 11);
        case KindOfFit::Transition:
            return LookUpString(language, 12);
        case KindOfFit::Interference:
            break;
    }
    return LookUpString(language, 13);
}

std::string_view LimitNameText(Language language, FitLimitName name) {
    switch (name) {
        case FitLimitName::LargestClearance:
            return LookUpString(language, 19);
        case FitLimitName::SmallestClearance:
            return LookUpString(language, 20);
        case FitLimitName::LargestInterference:
            return LookUpString(language, 21);
        case FitLimitName::SmallestInterference:
            break;
    }
    return LookUpString(language, 22);
}

const ErrorMeaning* FindErrorMeaning(std::int16_t code) {
    const auto* it = std::ranges::find(kErrorMeanings, code, &ErrorMeaning::Code);
    return it == std::end(kErrorMeanings) ? nullptr : it;
}

std::string_view ErrorMessage(std::int16_t code, Language language, Edition edition) {
    const ErrorMeaning* meaning = FindErrorMeaning(code);
    return meaning ? LookUpString(language, meaning->Message, edition) : std::string_view();
}

const RuleMeaning& FindRuleMeaning(ZoneRule rule) {
    const auto* it = std::ranges::find(kRuleMeanings, rule, &RuleMeaning::Rule);
    return it == std::end(kRuleMeanings) ? kRuleMeanings[0] : *it;
}

}  // namespace brimsel
