// brimsel-query --find: the fits that give a required range of clearance, as
// readable lines or CSV rows, from the finder below the window.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "engine/Edition.h"
#include "engine/ToleranceData.h"
#include "fits/FitFinder.h"
#include "texts/Language.h"

namespace brimsel::cli {

struct FindOptions {
    std::string Size;  // SIZE MIN MAX as given
    std::string Min;
    std::string Max;
    bool All = false;  // every fit, not only the catalogue's
    std::optional<fits::BasisSystem> Basis;
    std::size_t Limit = 10;  // 0: every fit found
    bool Csv = false;
    brimsel::Language Language = brimsel::Language::Chinese;
    brimsel::Edition Edition = brimsel::Edition::Gb1998;  // its list and its JS/js rule
};

// The CSV columns in their order; the header and every row follow this list.
// Near misses come only when nothing qualifies and fill miss_mm, by how much
// the range would have to widen for them; fits that qualify leave it empty.
inline constexpr std::string_view kFindCsvColumns[] = {
    "size",  "hole",  "shaft",         "max_mm",        "min_mm",  "kind",
    "scope", "basis", "margin_min_mm", "margin_max_mm", "miss_mm", "edition"};

inline constexpr int kFindFound = 0;       // fits qualify
inline constexpr int kFindNearMisses = 1;  // none qualifies; the nearest are written
inline constexpr int kFindBadRequest = 2;  // the problem is written to `err`

// Appends the output to `out` (or a message to `err`) and returns the exit status.
int RunFind(const ToleranceData& tables, const FindOptions& options, std::string& out,
            std::string& err);
// The lines or rows of a search without a problem, as RunFind writes them;
// returns kFindFound or kFindNearMisses.
int WriteFits(const fits::FitSearch& found, const FindOptions& options, std::string& out);

}  // namespace brimsel::cli
