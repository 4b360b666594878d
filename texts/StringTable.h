// The numbered strings the program writes at run time: ids 101-133
// (Simplified Chinese) and 201-233 (English), UTF-8.
#pragma once

#include <cstdint>
#include <string_view>

#include "texts/Language.h"

namespace brimsel {

// The text of a string id; empty for an id the table does not hold.
std::string_view LoadString(int id);
// Text number n (1..33) in the language of `languageIndex`: id languageIndex x 100 + n.
std::string_view LookUpString(Language languageIndex, int n);

}  // namespace brimsel
