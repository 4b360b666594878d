// The two languages of every text. The values are those of the numbered
// string table: text n of a language is string id value x 100 + n.
#pragma once

#include <cstdint>

namespace brimsel {

enum class Language : std::int16_t { Chinese = 1, English = 2 };

}  // namespace brimsel
