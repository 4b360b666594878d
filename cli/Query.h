// One query of the command line: a basic size and a zone or fit argument,
// evaluated through the engine with the rules of the custom basis, and its
// output as readable lines or CSV rows.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "engine/Deviations.h"
#include "engine/Edition.h"
#include "engine/FitOutcome.h"
#include "engine/SizeLimits.h"
#include "engine/ToleranceData.h"
#include "engine/ZoneCode.h"
#include "results/Explanation.h"
#include "texts/Language.h"

namespace brimsel::cli {

struct ZoneResult {
    std::string Zone;  // the normalised code, or the text as given when it was refused
    ZoneMember Member = ZoneMember::Hole;
    std::int16_t Code = 0;  // 0 computed; 1 bad size; 21/22, 31/32, 41/42 from the engine
    // The engine's result: deviations, captions and where they come from;
    // its ErrorCode is Code also when the zone was refused before the engine.
    ZoneDeviations Evaluated;
    SizeLimits Limits;  // from the size and the exact deviations
    bool Ok() const { return Code == 0; }
};

struct FitRow {
    std::string Zone;       // "H7/g6"
    std::int16_t Code = 0;  // 0, or the code of the first zone that failed (hole first)
    FitOutcome Outcome;     // meaningful only when Code is 0
    bool Ok() const { return Code == 0; }
};

struct QueryResult {
    std::string SizeText;           // the size as the window shows it, or the text as given
    bool SizeTooPrecise = false;    // refused: more digits than the computation keeps
    std::vector<ZoneResult> Zones;  // one zone, or the hole and the shaft of a fit
    std::optional<FitRow> Fit;
    brimsel::Edition Edition = brimsel::Edition::Gb1998;  // computed in, and worded in
    bool AllComputed() const;
};

// A zone argument as the query takes it: letters and digits behind one
// preferred mark, normalised for the member; nothing for other characters.
std::optional<NormalisedZone> ReadZoneCode(std::string_view text, ZoneMember member);

// A zone argument with a "/" is a fit: hole zone before the first "/", shaft
// zone after it, each normalised by its position as the window's two zone
// boxes do. Without a "/" the case of the first letter tells the member.
QueryResult EvaluateQuery(const ToleranceData& tables, std::string_view sizeText,
                          std::string_view zoneArgument, Edition edition = Edition::Gb1998);

// The CSV columns in their order. The header, every row, the help text and
// the fuzz target's checks are all written from this one list; new columns
// go at the end, so that scripts reading the earlier ones keep working.
enum class CsvColumn : std::uint8_t {
    Size,
    Zone,
    UpperMm,
    LowerMm,
    UpperText,
    LowerText,
    Code,
    MaxText,
    MinText,
    MaxName,
    MinName,
    Kind,
    UpperSize,
    LowerSize,
    RangeLow,
    RangeHigh,
    ItUm,
    FundamentalUm,
    DeltaUm,
    Rule,
    Edition,  // "1998" or "2020", on every row
    Count     // not a column
};

struct CsvColumnInfo {
    CsvColumn Id;
    std::string_view Name;
};

inline constexpr CsvColumnInfo kCsvColumns[] = {
    {CsvColumn::Size, "size"},
    {CsvColumn::Zone, "zone"},
    {CsvColumn::UpperMm, "upper_mm"},
    {CsvColumn::LowerMm, "lower_mm"},
    {CsvColumn::UpperText, "upper_text"},
    {CsvColumn::LowerText, "lower_text"},
    {CsvColumn::Code, "code"},
    {CsvColumn::MaxText, "max_text"},
    {CsvColumn::MinText, "min_text"},
    {CsvColumn::MaxName, "max_name"},
    {CsvColumn::MinName, "min_name"},
    {CsvColumn::Kind, "kind"},
    {CsvColumn::UpperSize, "upper_size"},
    {CsvColumn::LowerSize, "lower_size"},
    {CsvColumn::RangeLow, "range_low"},
    {CsvColumn::RangeHigh, "range_high"},
    {CsvColumn::ItUm, "it_um"},
    {CsvColumn::FundamentalUm, "fundamental_um"},
    {CsvColumn::DeltaUm, "delta_um"},
    {CsvColumn::Rule, "rule"},
    {CsvColumn::Edition, "edition"},
};
inline constexpr std::size_t kCsvColumnCount = static_cast<std::size_t>(CsvColumn::Count);

constexpr bool CsvColumnsInOrder() {
    if (std::size(kCsvColumns) != kCsvColumnCount) return false;
    for (std::size_t i = 0; i < kCsvColumnCount; ++i) {
        if (static_cast<std::size_t>(kCsvColumns[i].Id) != i) return false;
    }
    return true;
}
static_assert(CsvColumnsInOrder(), "every CSV column once, in the order of the enumeration");

constexpr std::size_t CsvIndex(CsvColumn column) { return static_cast<std::size_t>(column); }

// The header line, names joined by commas, with its line end.
std::string_view CsvHeader();
// The names joined by ",", broken into lines of at most `width` characters,
// each line after the first starting with `indent`.
std::string CsvColumnNames(std::size_t width, std::string_view indent);

// One row: a field per column, empty unless set; the views must outlive the append.
struct CsvRow {
    std::array<std::string_view, kCsvColumnCount> Fields{};
    std::string_view& operator[](CsvColumn column) { return Fields[CsvIndex(column)]; }
};
// Fields quoted as needed, separated by commas, ended by a line end.
void AppendCsvRow(std::string& out, std::span<const std::string_view> fields);

// Text from the input as readable output shows it: every control character
// written as \xNN, so that no input can move the cursor or clear the screen.
std::string ShownText(std::string_view text);

// A field quoted when it holds a comma, a quote, a line break or a leading or
// trailing blank (the caption " 0"); quotes inside are doubled.
void AppendCsvField(std::string& out, std::string_view field);

// One row per zone; a fit adds a row whose upper_mm and lower_mm are the
// largest and smallest clearance (ES - ei, EI - es) as their texts show them,
// whose upper_text and lower_text stay empty, and whose texts, names and kind
// fill max_text to kind. The columns from upper_size on belong to zone rows.
void AppendCsvRows(std::string& out, const QueryResult& result, Language language);
void AppendReadableLines(std::string& out, const QueryResult& result, Language language);

}  // namespace brimsel::cli
