// One query of the command line: a basic size and a zone or fit argument,
// evaluated through the engine with the rules of the custom basis, and its
// output as readable lines or CSV rows.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/QueryState.h"
#include "engine/ZoneCode.h"
#include "results/Explanation.h"
#include "results/FitLimits.h"

namespace brimsel {

inline constexpr std::int16_t kChinese = 1;
inline constexpr std::int16_t kEnglish = 2;

// A basic size written as a plain decimal number (digits with at most one
// point: "100", "12.5", "007", ".5"), stored in single precision, from 0 to
// 3150 mm. Signs, blanks, exponents and anything else give no size.
std::optional<float> ParseBasicSize(std::string_view text);

struct ZoneResult {
    std::string Zone;  // the normalised code, or the text as given when it was refused
    ZoneMember Member = ZoneMember::Hole;
    std::int16_t Code = 0;  // 0 computed; 1 bad size; 21/22, 31/32, 41/42 from the engine
    float Upper = 0.0f;     // ES or es, mm
    float Lower = 0.0f;     // EI or ei, mm
    std::string UpperText;  // the captions of the window
    std::string LowerText;
    bool Ok() const { return Code == 0; }
};

struct FitResult {
    std::string Zone;       // "H7/g6"
    std::int16_t Code = 0;  // 0, or the code of the first zone that failed (hole first)
    FitLimits Limits;       // meaningful only when Code is 0
    bool Ok() const { return Code == 0; }
};

struct QueryResult {
    std::string SizeText;           // the size as the window shows it, or the text as given
    std::vector<ZoneResult> Zones;  // one zone, or the hole and the shaft of a fit
    std::optional<FitResult> Fit;
    bool AllComputed() const;
};

// A zone argument with a "/" is a fit: hole zone before the first "/", shaft
// zone after it, each normalised by its position as the window's two zone
// boxes do. Without a "/" the case of the first letter tells the member.
QueryResult EvaluateQuery(const ToleranceData& tables, std::string_view sizeText,
                          std::string_view zoneArgument);

inline constexpr std::string_view kCsvHeader =
    "size,zone,upper_mm,lower_mm,upper_text,lower_text,code,"
    "max_text,min_text,max_name,min_name,kind\n";

// A field quoted when it holds a comma, a quote, a line break or a leading or
// trailing blank (the caption " 0"); quotes inside are doubled.
void AppendCsvField(std::string& out, std::string_view field);

// One row per zone; a fit adds a row whose upper_mm and lower_mm are the
// largest and smallest clearance (ES - ei, EI - es) as their texts show them,
// whose upper_text and lower_text stay empty, and whose texts, names and kind
// fill the last five columns.
void AppendCsvRows(std::string& out, const QueryResult& result, std::int16_t language);
void AppendReadableLines(std::string& out, const QueryResult& result, std::int16_t language);

}  // namespace brimsel
