#include "cli/Query.h"

#include <algorithm>
#include <charconv>
#include <cstring>

#include "engine/BasicSize.h"
#include "engine/Deviations.h"
#include "engine/ExactDecimal.h"
#include "engine/NumberText.h"
#include "texts/Meanings.h"
#include "texts/MoreStrings.h"
#include "texts/StringTable.h"

namespace brimsel::cli {

namespace {

bool IsAsciiLetterOrDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// The zone boxes never receive anything but letters and digits (their key
// filter) behind one preferred mark; a code with other characters is refused
// here rather than cut down to a zone the user may not have meant ("H7-3" or
// "H7.5" would otherwise become H7).
bool IsZoneText(std::string_view text) {
    for (const char c : DropPreferredMark(text)) {
        if (!IsAsciiLetterOrDigit(c)) return false;
    }
    return true;
}

// Fills `result`, a fresh entry of the query's zones.
void EvaluateZone(const ToleranceData& tables, const std::optional<float>& size,
                  std::string_view text, ZoneMember member, Edition edition, ZoneResult& result) {
    result.Member = member;
    const bool hole = member == ZoneMember::Hole;
    const std::optional<NormalisedZone> read = ReadZoneCode(text, member);
    if (!read || !size) {
        // A refused zone keeps the text as given.
        result.Zone = read ? read->Text : std::string(text);
        const std::int16_t zoneCode = hole ? error_code::kHoleZone : error_code::kShaftZone;
        result.Code = size ? zoneCode : error_code::kBasicSize;
        result.Evaluated.ErrorCode = result.Code;
        result.Evaluated.Derivation.Edition = edition;
        return;
    }
    const NormalisedZone& zone = *read;
    result.Zone = zone.Text;
    const ZoneQuery query{.Letters = zone.Letters,
                          .Grade = zone.Grade,
                          .BasicSize = *size,
                          .CustomBasis = true,
                          .ZoneText = zone.Text,
                          .Edition = edition};
    // Kept whole, failures too: an explanation shows how far the evaluation got.
    result.Evaluated = hole ? EvaluateHoleZone(tables, query) : EvaluateShaftZone(tables, query);
    result.Code = result.Evaluated.ErrorCode;
}

void AddSizeLimits(QueryResult& result, const std::optional<float>& size) {
    for (ZoneResult& zone : result.Zones) {
        if (zone.Ok()) zone.Limits = ComputeSizeLimits(*size, zone.Evaluated);
    }
}

void AppendReadablePrefix(std::string& out, const QueryResult& result, std::string_view zone) {
    out += ShownText(result.SizeText);
    out += "  ";
    out += ShownText(zone);
    out += "  ";
}

void AppendReadableError(std::string& out, const QueryResult& result, std::int16_t code,
                         Language language) {
    if (code == error_code::kBasicSize && result.SizeTooPrecise) {
        out += "error 1: ";
        out += LookUpMore(language, More::TooManyDigits, result.Edition);
    } else {
        out += ErrorText(code, language, result.Edition);
    }
    out += '\n';
}

}  // namespace

std::optional<NormalisedZone> ReadZoneCode(std::string_view text, ZoneMember member) {
    if (!IsZoneText(text)) return std::nullopt;
    return NormaliseZoneCode(text, member);
}

bool QueryResult::AllComputed() const {
    for (const ZoneResult& zone : Zones) {
        if (!zone.Ok()) return false;
    }
    return true;
}

QueryResult EvaluateQuery(const ToleranceData& tables, std::string_view sizeText,
                          std::string_view zoneArgument, Edition edition) {
    QueryResult result;
    result.Edition = edition;
    // The size shown is the size computed: a text the float cannot hold
    // exactly ("3.0000002" is computed above 3 mm but would show as "3") is
    // refused rather than shown as a neighbour of itself.
    const BasicSizeReading reading = ReadBasicSize(sizeText);
    result.SizeTooPrecise = reading.Refusal == SizeRefusal::TooPrecise;
    const std::optional<float> size =
        reading.Ok() ? std::optional<float>(reading.Value) : std::nullopt;
    result.SizeText = reading.Ok() ? reading.Text : std::string(sizeText);

    const auto slash = zoneArgument.find('/');
    if (slash == std::string_view::npos) {
        EvaluateZone(tables, size, zoneArgument, MemberByCase(zoneArgument), edition,
                     result.Zones.emplace_back());
        AddSizeLimits(result, size);
        return result;
    }

    result.Zones.reserve(2);
    EvaluateZone(tables, size, zoneArgument.substr(0, slash), ZoneMember::Hole, edition,
                 result.Zones.emplace_back());
    EvaluateZone(tables, size, zoneArgument.substr(slash + 1), ZoneMember::Shaft, edition,
                 result.Zones.emplace_back());
    AddSizeLimits(result, size);
    const ZoneResult& hole = result.Zones[0];
    const ZoneResult& shaft = result.Zones[1];
    FitRow fit;
    fit.Zone = hole.Zone + "/" + shaft.Zone;
    if (!hole.Ok()) {
        fit.Code = hole.Code;
    } else if (!shaft.Ok()) {
        fit.Code = shaft.Code;
    } else {
        fit.Outcome = ComputeFitOutcome(hole.Evaluated, shaft.Evaluated);
    }
    result.Fit = std::move(fit);
    return result;
}

namespace {

// The characters that make a field quoted wherever they stand.
constexpr std::array<bool, 256> kQuotedAnywhere = [] {
    std::array<bool, 256> quoted{};
    for (const unsigned char c : {',', '"', '\r', '\n'}) quoted[c] = true;
    return quoted;
}();

bool NeedsQuotes(std::string_view field) {
    if (field.empty()) return false;
    if (field.front() == ' ' || field.front() == '\t' || field.back() == ' ' ||
        field.back() == '\t') {
        return true;
    }
    for (const char c : field) {
        if (kQuotedAnywhere[static_cast<unsigned char>(c)]) return true;
    }
    return false;
}

// The field as written into `out`, which has room for twice its length plus 2.
char* WriteCsvField(char* out, std::string_view field) {
    if (!NeedsQuotes(field)) {
        // Most fields are a few characters: a loop beats a call to memcpy.
        for (const char c : field) *out++ = c;
        return out;
    }
    *out++ = '"';
    for (const char c : field) {
        if (c == '"') *out++ = '"';
        *out++ = c;
    }
    *out++ = '"';
    return out;
}

}  // namespace

void AppendCsvField(std::string& out, std::string_view field) {
    const std::size_t at = out.size();
    out.resize(at + 2 * field.size() + 2);
    out.resize(static_cast<std::size_t>(WriteCsvField(out.data() + at, field) - out.data()));
}

std::string ShownText(std::string_view text) {
    std::string shown;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte != 0x7f) {
            shown += c;
            continue;
        }
        constexpr std::string_view kHex = "0123456789abcdef";
        shown += "\\x";
        shown += kHex[byte >> 4];
        shown += kHex[byte & 0xf];
    }
    return shown;
}

std::string_view CsvHeader() {
    static const std::string header = CsvColumnNames(std::string::npos, "") + "\n";
    return header;
}

std::string CsvColumnNames(std::size_t width, std::string_view indent) {
    std::string names;
    std::size_t lineStart = 0;
    for (const CsvColumnInfo& column : kCsvColumns) {
        const bool last = column.Id == kCsvColumns[kCsvColumnCount - 1].Id;
        const std::size_t length = column.Name.size() + (last ? 0 : 1);
        if (names.size() > lineStart && names.size() - lineStart + length > width) {
            names += '\n';
            lineStart = names.size();
            names += indent;
        }
        names += column.Name;
        if (!last) names += ',';
    }
    return names;
}

void AppendCsvRow(std::string& out, std::span<const std::string_view> fields) {
    // Room for every field quoted with every character doubled, a comma or
    // the line end after each; a usual row is built on the stack and
    // appended at once.
    std::size_t room = 0;
    for (const std::string_view field : fields) room += 2 * field.size() + 3;
    std::array<char, 1024> line;
    std::string large;
    if (room > line.size()) large.resize(room);
    char* const begin = room > line.size() ? large.data() : line.data();
    char* end = begin;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) *end++ = ',';
        end = WriteCsvField(end, fields[i]);
    }
    *end++ = '\n';
    out.append(begin, static_cast<std::size_t>(end - begin));
}

void AppendCsvRows(std::string& out, const QueryResult& result, Language language) {
    const std::string_view edition = EditionKeyword(result.Edition);
    for (const ZoneResult& zone : result.Zones) {
        CsvRow row;
        row[CsvColumn::Edition] = edition;
        row[CsvColumn::Size] = result.SizeText;
        row[CsvColumn::Zone] = zone.Zone;
        const std::string code = IntegerText(zone.Code);
        row[CsvColumn::Code] = code;
        if (zone.Ok()) {
            row[CsvColumn::UpperMm] = zone.Evaluated.UpperPlain;
            row[CsvColumn::LowerMm] = zone.Evaluated.LowerPlain;
            row[CsvColumn::UpperText] = zone.Evaluated.UpperText;
            row[CsvColumn::LowerText] = zone.Evaluated.LowerText;
            row[CsvColumn::UpperSize] = zone.Limits.Largest;
            row[CsvColumn::LowerSize] = zone.Limits.Smallest;
            const ZoneDerivation& d = zone.Evaluated.Derivation;
            row[CsvColumn::RangeLow] = d.RangeLow;
            row[CsvColumn::RangeHigh] = d.RangeHigh;
            row[CsvColumn::ItUm] = d.ToleranceUm;
            row[CsvColumn::FundamentalUm] = d.FundamentalUm;
            row[CsvColumn::DeltaUm] = d.DeltaUm;
            row[CsvColumn::Rule] = RuleKeyword(d.Rule);
        }
        AppendCsvRow(out, row.Fields);
    }
    if (!result.Fit) return;
    const FitRow& fit = *result.Fit;
    CsvRow row;
    row[CsvColumn::Edition] = edition;
    row[CsvColumn::Size] = result.SizeText;
    row[CsvColumn::Zone] = fit.Zone;
    const std::string code = IntegerText(fit.Code);
    row[CsvColumn::Code] = code;
    std::string largest, smallest;
    if (fit.Ok()) {
        // The exact limits as plain decimals, without trailing zeros.
        const FitOutcome& outcome = fit.Outcome;
        largest = ExactDecimalText(outcome.Largest, DecimalsNeeded(outcome.Largest, 0));
        smallest = ExactDecimalText(outcome.Smallest, DecimalsNeeded(outcome.Smallest, 0));
        row[CsvColumn::UpperMm] = largest;
        row[CsvColumn::LowerMm] = smallest;
        row[CsvColumn::MaxText] = outcome.LargestText;
        row[CsvColumn::MinText] = outcome.SmallestText;
        row[CsvColumn::MaxName] = LimitNameText(language, outcome.LargestName);
        row[CsvColumn::MinName] = LimitNameText(language, outcome.SmallestName);
        row[CsvColumn::Kind] = KindText(language, outcome.Kind);
    }
    AppendCsvRow(out, row.Fields);
}

void AppendReadableLines(std::string& out, const QueryResult& result, Language language) {
    for (const ZoneResult& zone : result.Zones) {
        AppendReadablePrefix(out, result, zone.Zone);
        if (!zone.Ok()) {
            AppendReadableError(out, result, zone.Code, language);
            continue;
        }
        const bool hole = zone.Member == ZoneMember::Hole;
        out += hole ? "ES=" : "es=";
        out += zone.Evaluated.UpperText;
        out += hole ? "  EI=" : "  ei=";
        out += zone.Evaluated.LowerText;
        if (zone.Limits.Ok) {
            out += "  ";
            out += LookUpMore(language, More::LargestSize, result.Edition);
            out += '=';
            out += zone.Limits.Largest;
            out += "  ";
            out += LookUpMore(language, More::SmallestSize, result.Edition);
            out += '=';
            out += zone.Limits.Smallest;
        }
        out += '\n';
    }
    if (!result.Fit) return;
    const FitRow& fit = *result.Fit;
    AppendReadablePrefix(out, result, fit.Zone);
    if (!fit.Ok()) {
        AppendReadableError(out, result, fit.Code, language);
        return;
    }
    const FitOutcome& outcome = fit.Outcome;
    out += LimitNameText(language, outcome.LargestName);
    out += '=';
    out += outcome.LargestText;
    out += "  ";
    out += LimitNameText(language, outcome.SmallestName);
    out += '=';
    out += outcome.SmallestText;
    out += "  ";
    out += KindText(language, outcome.Kind);
    out += '\n';
}

}  // namespace brimsel::cli
