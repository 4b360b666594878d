#include "cli/Options.h"

#include <charconv>
#include <system_error>

namespace brimsel {

namespace {

std::string SetForm(CommandLine& cl, CommandForm form, std::string_view name) {
    if (cl.Form != CommandForm::Query && cl.Form != form) {
        return "only one of --batch, --explain, --check, --ranges and --find at a time (" +
               std::string(name) + ")";
    }
    cl.Form = form;
    return {};
}

constexpr OptionEntry kOptions[] = {
    {"--csv", "", false,
     [](CommandLine& cl, std::string_view) {
         cl.Csv = true;
         return std::string();
     },
     "",
     "CSV rows instead of lines: a header, then one row per zone\n{columns}\nA fit adds a row "
     "after its two zone rows: zone HOLE/SHAFT,\nupper_mm and lower_mm the largest and smallest "
     "clearance\n(ES-ei, EI-es, negative for an interference) as max_text and\nmin_text show them, "
     "upper_text and lower_text empty, and\nmax_text to kind filled. Zone rows fill the columns "
     "from\nupper_size on: the limits of size, the size range (above\nrange_low up to range_high), "
     "IT, the fundamental deviation as\nthe table gives it, the delta when added, and the rule "
     "(none,\ndelta, symmetric, symmetric-rounded, m6-special, grade-band).\nRows that failed "
     "carry their code and leave the values empty."},
    {"--batch", "", false,
     [](CommandLine& cl, std::string_view) { return SetForm(cl, CommandForm::Batch, "--batch"); },
     "",
     "read one query \"SIZE ZONE...\" a line from standard input and\nwrite CSV rows; blank lines, "
     "lines starting with # and a\nbyte-order mark at the start are skipped; a line longer "
     "than\n65536 bytes is one failed row with code 1"},
    {"--explain", "", false,
     [](CommandLine& cl, std::string_view) {
         return SetForm(cl, CommandForm::Explain, "--explain");
     },
     "",
     "where each zone's numbers come from: the size range, IT, the\nfundamental deviation and Δ, "
     "the rule that applied, the limit\ndeviations and the limits of size"},
    {"--check", "", false,
     [](CommandLine& cl, std::string_view) { return SetForm(cl, CommandForm::Check, "--check"); },
     "",
     "whether each MEASURED size (a plain decimal, at most 7\ndecimals) lies within the zone's "
     "limits of size, and how far\nit is from the nearer limit: positive inside, "
     "negative\noutside. With --csv the columns "
     "are\nsize,zone,measured,verdict,distance,upper_size,lower_size,code\nand verdict is inside "
     "or outside"},
    {"--ranges", "", false,
     [](CommandLine& cl, std::string_view) { return SetForm(cl, CommandForm::Ranges, "--ranges"); },
     "",
     "the size ranges from 0 to 3150 mm where the standard defines\neach zone, and for the others "
     "the error code and message.\nWith --csv the columns are zone,range_low,range_high,code"},
    {"--find", "", false,
     [](CommandLine& cl, std::string_view) { return SetForm(cl, CommandForm::Find, "--find"); }, "",
     "the fits whose clearance stays from MIN to MAX (mm; negative\nfor an interference: -0.080 "
     "-0.020 is an interference of 20 to\n80 um), ranked: preferred, common, then other fits; "
     "within each\nthe widest sum of both tolerances, then the band nearest the\nmiddle of the "
     "range. Margins are the distances to MIN and MAX.\nWhen none qualifies, the nearest few fits "
     "and how far each\nmisses. With --csv the columns are\n{find_columns}\nwhere scope is "
     "preferred, common or other and only near misses\nfill miss_mm"},
    {"--all", "", false,
     [](CommandLine& cl, std::string_view) {
         cl.All = true;
         if (cl.FindOption.empty()) cl.FindOption = "--all";
         return std::string();
     },
     "",
     "--find searches every fit H/any and any/h of the standard, not\nonly the preferred and "
     "common ones"},
    {"--basis", "", true,
     [](CommandLine& cl, std::string_view value) {
         if (value != "hole" && value != "shaft") {
             return "unknown basis system \"" + ShownText(value) + "\"; use hole or shaft";
         }
         cl.Basis = value == "hole" ? fits::BasisSystem::Hole : fits::BasisSystem::Shaft;
         if (cl.FindOption.empty()) cl.FindOption = "--basis";
         return std::string();
     },
     "hole|shaft", "--find keeps one basis system"},
    {"--limit", "", true,
     [](CommandLine& cl, std::string_view value) {
         std::size_t limit = 0;
         const auto [end, ec] = std::from_chars(value.data(), value.data() + value.size(), limit);
         if (value.empty() || ec != std::errc() || end != value.data() + value.size()) {
             return "--limit needs a whole number, not \"" + ShownText(value) + "\"";
         }
         cl.Limit = limit;
         if (cl.FindOption.empty()) cl.FindOption = "--limit";
         return std::string();
     },
     "N", "--find writes the first N fits (default 10; 0 for all)"},
    {"--lang", "", true,
     [](CommandLine& cl, std::string_view value) {
         if (value == "zh") {
             cl.Language = Language::Chinese;
         } else if (value == "en") {
             cl.Language = Language::English;
         } else {
             return "unknown language \"" + ShownText(value) + "\"; use zh or en";
         }
         return std::string();
     },
     "zh|en", "messages and names in Chinese (the default) or English"},
    {"--help", "-h", false,
     [](CommandLine& cl, std::string_view) {
         cl.Help = true;
         return std::string();
     },
     "", "this text"},
    {"--version", "", false,
     [](CommandLine& cl, std::string_view) {
         cl.Version = true;
         return std::string();
     },
     "", "the program's version"},
};

}  // namespace

std::span<const OptionEntry> OptionTable() { return kOptions; }

}  // namespace brimsel
