#include "cli/Inspect.h"

#include <array>
#include <optional>

#include "engine/Applicability.h"
#include "engine/ExactDecimal.h"
#include "engine/Formatting.h"
#include "engine/NumberText.h"
#include "engine/SizeLimits.h"
#include "results/Explanation.h"
#include "texts/MoreStrings.h"

namespace brimsel::cli {

namespace {

// The columns of --check --csv and --ranges --csv, in their order.
constexpr std::array<std::string_view, 9> kCheckColumns = {"size",       "zone",     "measured",
                                                           "verdict",    "distance", "upper_size",
                                                           "lower_size", "code",     "edition"};
constexpr std::array<std::string_view, 5> kRangeColumns = {"zone", "range_low", "range_high",
                                                           "code", "edition"};

template <std::size_t N>
void AppendHeader(std::string& out, const std::array<std::string_view, N>& names) {
    AppendCsvRow(out, names);
}

}  // namespace

bool IsMeasuredSize(std::string_view text) {
    return IsPlainDecimal(text) && ReadExactDecimal(text).has_value();
}

std::string UnheldNumberProblem(std::string_view operand, std::string_view text) {
    const std::string_view unsigned_ =
        text.starts_with('+') || text.starts_with('-') ? text.substr(1) : text;
    if (!IsPlainDecimal(unsigned_) || ReadExactDecimal(text)) return {};
    return std::string(operand) + " \"" + ShownText(text) +
           "\" has more digits than the computation holds (at most 11 before the point and 7 "
           "after)";
}

int RunExplain(const ToleranceData& tables, const CommandLine& cl, std::string& out) {
    bool allComputed = true;
    bool first = true;
    for (std::size_t z = 1; z < cl.Operands.size(); ++z) {
        const QueryResult result =
            EvaluateQuery(tables, cl.Operands.front(), cl.Operands[z], cl.Edition);
        allComputed = allComputed && result.AllComputed();
        for (const ZoneResult& zone : result.Zones) {
            if (!first) out += '\n';
            first = false;
            if (zone.Code == error_code::kBasicSize) {
                QueryResult sizeOnly = result;
                sizeOnly.Zones = {zone};
                sizeOnly.Fit.reset();
                AppendReadableLines(out, sizeOnly, cl.Language);
                continue;
            }
            for (const std::string& line :
                 ExplainZone(ShownText(result.SizeText), ShownText(zone.Zone), zone.Member,
                             zone.Evaluated, zone.Limits, cl.Language)) {
                out += line;
                out += '\n';
            }
        }
    }
    return allComputed ? kExitComputed : kExitZoneFailed;
}

int RunCheck(const ToleranceData& tables, const CommandLine& cl, std::string& out) {
    const QueryResult result = EvaluateQuery(tables, cl.Operands[0], cl.Operands[1], cl.Edition);
    const ZoneResult& zone = result.Zones.front();
    if (cl.Csv) AppendHeader(out, kCheckColumns);
    bool allInside = zone.Ok();
    for (std::size_t m = 2; m < cl.Operands.size(); ++m) {
        const std::string_view measured = cl.Operands[m];
        const SizeCheck check = CheckMeasuredSize(zone.Limits, measured);
        allInside = allInside && check.Ok && check.Inside;
        if (cl.Csv) {
            const std::string code = std::to_string(zone.Code);
            const std::string_view verdict = !check.Ok ? "" : check.Inside ? "inside" : "outside";
            AppendCsvRow(out, std::array<std::string_view, kCheckColumns.size()>{
                                  result.SizeText, zone.Zone, measured, verdict, check.Distance,
                                  zone.Limits.Largest, zone.Limits.Smallest, code,
                                  EditionKeyword(cl.Edition)});
            continue;
        }
        if (!zone.Ok()) {
            QueryResult failed = result;
            failed.Zones = {zone};
            failed.Fit.reset();
            AppendReadableLines(out, failed, cl.Language);
            continue;
        }
        out += ShownText(result.SizeText) + "  " + zone.Zone + "  " + std::string(measured) + "  ";
        out += LookUpMore(cl.Language, check.Inside ? More::Inside : More::Outside);
        out += "  ";
        out += FillIn(LookUpMore(cl.Language,
                                 check.NearerIsLargest ? More::NearerLargest : More::NearerSmallest,
                                 cl.Edition),
                      check.Distance);
        out += '\n';
    }
    return allInside ? kExitComputed : kExitZoneFailed;
}

int RunRanges(const ToleranceData& tables, const CommandLine& cl, std::string& out) {
    if (cl.Csv) AppendHeader(out, kRangeColumns);
    bool everyZoneSomewhere = true;
    for (const std::string& argument : cl.Operands) {
        const ZoneMember member = MemberByCase(argument);
        const std::optional<NormalisedZone> zone = ReadZoneCode(argument, member);
        std::vector<ZoneSpan> spans;
        if (zone) {
            spans = ZoneApplicability(tables, *zone, member, true);
        } else {
            const std::int16_t code =
                member == ZoneMember::Hole ? error_code::kHoleZone : error_code::kShaftZone;
            spans.push_back({"0", SingleText(kLargestBasicSize), code});
        }
        const std::string shown = ShownText(zone ? zone->Text : argument);
        bool somewhere = false;
        for (const ZoneSpan& span : spans) {
            somewhere = somewhere || span.Code == 0;
            if (cl.Csv) {
                const std::string code = std::to_string(span.Code);
                AppendCsvRow(out, std::array<std::string_view, kRangeColumns.size()>{
                                      zone ? std::string_view(zone->Text) : argument, span.Low,
                                      span.High, code, EditionKeyword(cl.Edition)});
                continue;
            }
            out += shown + "  ";
            out += FillIn(
                LookUpMore(cl.Language, span.Low == "0" ? More::FirstRangeShort : More::RangeShort),
                span.Low, span.High);
            out += "  ";
            out += span.Code == 0 ? std::string(LookUpMore(cl.Language, More::Defined))
                                  : ErrorText(span.Code, cl.Language, cl.Edition);
            out += '\n';
        }
        everyZoneSomewhere = everyZoneSomewhere && somewhere;
    }
    return everyZoneSomewhere ? kExitComputed : kExitZoneFailed;
}

}  // namespace brimsel::cli
