// The edition of the standard that a query follows. Both editions read the
// same tables; they differ in one rule (JS/js of IT7..IT11 with an odd IT)
// and in the list of fits offered.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace brimsel {

enum class Edition : std::uint8_t {
    Gb1998,  // GB/T 1800.3-1998 with the fits of GB/T 1801-1999: the default
    Gb2020,  // GB/T 1800.1-2020 and GB/T 1800.2-2020
};

// "1998" or "2020", as the command line and its CSV write it.
constexpr std::string_view EditionKeyword(Edition edition) {
    return edition == Edition::Gb2020 ? "2020" : "1998";
}

// The edition a keyword names; none for any other text.
constexpr std::optional<Edition> ReadEdition(std::string_view keyword) {
    if (keyword == EditionKeyword(Edition::Gb1998)) return Edition::Gb1998;
    if (keyword == EditionKeyword(Edition::Gb2020)) return Edition::Gb2020;
    return std::nullopt;
}

}  // namespace brimsel
