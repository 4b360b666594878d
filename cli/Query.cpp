#include "cli/Query.h"

#include <charconv>

#include "engine/Deviations.h"
#include "engine/NumberText.h"
#include "ui/strings/StringTable.h"

namespace brimsel {

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

ZoneResult EvaluateZone(const ToleranceData& tables, std::optional<float> size,
                        std::string_view text, ZoneMember member) {
    ZoneResult result;
    result.Member = member;
    const bool hole = member == ZoneMember::Hole;
    if (!IsZoneText(text)) {
        result.Zone.assign(text);
        result.Code = hole ? error_code::kHoleZone : error_code::kShaftZone;
        if (!size) result.Code = error_code::kBasicSize;
        return result;
    }
    const NormalisedZone zone = NormaliseZoneCode(text, member);
    result.Zone = zone.Text;
    if (!size) {
        result.Code = error_code::kBasicSize;
        return result;
    }
    const ZoneQuery query{.Letters = zone.Letters,
                          .Grade = zone.Grade,
                          .BasicSize = *size,
                          .CustomBasis = true,
                          .ZoneText = zone.Text};
    const ZoneDeviations deviations =
        hole ? EvaluateHoleZone(tables, query) : EvaluateShaftZone(tables, query);
    result.Code = deviations.ErrorCode;
    if (deviations.Ok()) {
        result.Upper = deviations.Upper;
        result.Lower = deviations.Lower;
        result.UpperText = deviations.UpperText;
        result.LowerText = deviations.LowerText;
    }
    return result;
}

void AppendReadablePrefix(std::string& out, const QueryResult& result, std::string_view zone) {
    out += result.SizeText;
    out += "  ";
    out += zone;
    out += "  ";
}

void AppendReadableError(std::string& out, std::int16_t code, std::int16_t language) {
    out += ErrorText(code, language);
    out += '\n';
}

}  // namespace

std::optional<float> ParseBasicSize(std::string_view text) {
    bool digit = false;
    bool point = false;
    for (const char c : text) {
        if (c >= '0' && c <= '9') {
            digit = true;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            return std::nullopt;
        }
    }
    if (!digit) return std::nullopt;
    float value = 0.0f;
    const auto [end, error] =
        std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    // Compared in single precision, as the window compares its basic size.
    if (!(value >= 0.0f && value <= kLargestBasicSize)) return std::nullopt;
    return value;
}

bool QueryResult::AllComputed() const {
    for (const ZoneResult& zone : Zones) {
        if (!zone.Ok()) return false;
    }
    return true;
}

QueryResult EvaluateQuery(const ToleranceData& tables, std::string_view sizeText,
                          std::string_view zoneArgument) {
    QueryResult result;
    const std::optional<float> size = ParseBasicSize(sizeText);
    result.SizeText = size ? SingleText(*size) : std::string(sizeText);

    const auto slash = zoneArgument.find('/');
    if (slash == std::string_view::npos) {
        result.Zones.push_back(
            EvaluateZone(tables, size, zoneArgument, MemberByCase(zoneArgument)));
        return result;
    }

    result.Zones.push_back(
        EvaluateZone(tables, size, zoneArgument.substr(0, slash), ZoneMember::Hole));
    result.Zones.push_back(
        EvaluateZone(tables, size, zoneArgument.substr(slash + 1), ZoneMember::Shaft));
    const ZoneResult& hole = result.Zones[0];
    const ZoneResult& shaft = result.Zones[1];
    FitResult fit;
    fit.Zone = hole.Zone + "/" + shaft.Zone;
    if (!hole.Ok()) {
        fit.Code = hole.Code;
    } else if (!shaft.Ok()) {
        fit.Code = shaft.Code;
    } else {
        fit.Limits = ComputeFitLimits(hole.Upper, hole.Lower, shaft.Upper, shaft.Lower,
                                      hole.UpperText, shaft.UpperText);
    }
    result.Fit = std::move(fit);
    return result;
}

void AppendCsvField(std::string& out, std::string_view field) {
    const bool quote = field.find_first_of(",\"\r\n") != std::string_view::npos ||
                       (!field.empty() && (field.front() == ' ' || field.front() == '\t' ||
                                           field.back() == ' ' || field.back() == '\t'));
    if (!quote) {
        out += field;
        return;
    }
    out += '"';
    for (const char c : field) {
        if (c == '"') out += '"';
        out += c;
    }
    out += '"';
}

void AppendCsvRows(std::string& out, const QueryResult& result, std::int16_t language) {
    for (const ZoneResult& zone : result.Zones) {
        AppendCsvField(out, result.SizeText);
        out += ',';
        AppendCsvField(out, zone.Zone);
        out += ',';
        if (zone.Ok()) {
            out += SingleText(zone.Upper);
            out += ',';
            out += SingleText(zone.Lower);
            out += ',';
            AppendCsvField(out, zone.UpperText);
            out += ',';
            AppendCsvField(out, zone.LowerText);
            out += ',';
        } else {
            out += ",,,,";
        }
        out += IntegerText(zone.Code);
        out += ",,,,,\n";
    }
    if (!result.Fit) return;
    const FitResult& fit = *result.Fit;
    AppendCsvField(out, result.SizeText);
    out += ',';
    AppendCsvField(out, fit.Zone);
    out += ',';
    if (!fit.Ok()) {
        out += ",,,,";
        out += IntegerText(fit.Code);
        out += ",,,,,\n";
        return;
    }
    // The limits as shown, read back: the values that decide the names and the
    // kind, free of the float noise of the subtraction ("0.06900001").
    const FitLimits& limits = fit.Limits;
    out += SingleText(static_cast<float>(limits.ValueMax));
    out += ',';
    out += SingleText(static_cast<float>(limits.ValueMin));
    out += ",,,0,";
    AppendCsvField(out, limits.TextMax);
    out += ',';
    AppendCsvField(out, limits.TextMin);
    out += ',';
    AppendCsvField(out, LookUpString(language, limits.FirstLimitString));
    out += ',';
    AppendCsvField(out, LookUpString(language, limits.SecondLimitString));
    out += ',';
    AppendCsvField(out, LookUpString(language, limits.KindString));
    out += '\n';
}

void AppendReadableLines(std::string& out, const QueryResult& result, std::int16_t language) {
    for (const ZoneResult& zone : result.Zones) {
        AppendReadablePrefix(out, result, zone.Zone);
        if (!zone.Ok()) {
            AppendReadableError(out, zone.Code, language);
            continue;
        }
        const bool hole = zone.Member == ZoneMember::Hole;
        out += hole ? "ES=" : "es=";
        out += zone.UpperText;
        out += hole ? "  EI=" : "  ei=";
        out += zone.LowerText;
        out += '\n';
    }
    if (!result.Fit) return;
    const FitResult& fit = *result.Fit;
    AppendReadablePrefix(out, result, fit.Zone);
    if (!fit.Ok()) {
        AppendReadableError(out, fit.Code, language);
        return;
    }
    out += LookUpString(language, fit.Limits.FirstLimitString);
    out += '=';
    out += fit.Limits.TextMax;
    out += "  ";
    out += LookUpString(language, fit.Limits.SecondLimitString);
    out += '=';
    out += fit.Limits.TextMin;
    out += "  ";
    out += LookUpString(language, fit.Limits.KindString);
    out += '\n';
}

}  // namespace brimsel
