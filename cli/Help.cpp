#include <algorithm>

#include "cli/CommandLine.h"
#include "cli/Find.h"
#include "cli/Options.h"

#ifndef BRIMSEL_VERSION
#error "BRIMSEL_VERSION must name the program's version"
#endif

namespace brimsel::cli {

namespace {

constexpr std::string_view kHelp =
    R"(Usage: brimsel-query [--csv] [OPTIONS] SIZE ZONE...
       brimsel-query --batch [OPTIONS] < QUERIES
       brimsel-query --explain [OPTIONS] SIZE ZONE...
       brimsel-query --check [--csv] [OPTIONS] SIZE ZONE MEASURED...
       brimsel-query --ranges [--csv] [OPTIONS] ZONE...
       brimsel-query --find [--all] [--basis hole|shaft] [--limit N] [--csv]
                     [OPTIONS] SIZE MIN MAX
       brimsel-query --interference [--fit HOLE/SHAFT] [--find [--all] [--basis
                     hole|shaft] [--limit N]] [--csv] [OPTIONS] [the load,
                     geometry, materials and assembly below] SIZE
       brimsel-query --temperature [--hole-temp C] [--shaft-temp C]
                     [--hole-alpha 1/C | --hole-material NAME]
                     [--shaft-alpha 1/C | --shaft-material NAME] [--csv]
                     [OPTIONS] SIZE FIT
       brimsel-query --help | --version
where OPTIONS are [--lang zh|en] [--edition 1998|2020].

Limit deviations of tolerance zones and limits of fit after GB/T 1800.3-1998
and GB/T 1801-1999 (the default), or after GB/T 1800.1-2020 and
GB/T 1800.2-2020 (--edition 2020), read from Quorbel.dat in the program's own
folder. Any zone of the standard may be asked for; the rules for basic sizes
up to 1 mm apply.

  SIZE   basic size (2020: nominal size) in mm, a plain decimal number from 0
         to 3150 (100, 12.5)
  ZONE   a hole zone in upper case (H7, JS6, K7) or a shaft zone in lower case
         (g6, js7, k6); in mixed case the first letter decides (Js7 is a hole).
         One leading "*" (quote it for the shell) or blank is dropped; the
         grade 07 reads as 7, 00 as 0, while 01 and 0 are IT01 and IT0. A
         character other than letters and digits makes the zone an error.
  HOLE/SHAFT
         a fit: both zones, then the limits of fit and the kind of fit. The
         zone before the "/" is the hole and the one after it the shaft,
         whatever their case.

{options}
Examples:
  brimsel-query 100 H7 g6
  brimsel-query 100 H7/g6 H7/s6
  brimsel-query --csv --lang en 30 F8 h7 H8/f7
  printf '100 H7/g6\n250.5 M6 js7\n' | brimsel-query --batch
  brimsel-query --explain --lang en 100 K7
  brimsel-query --check 25 g6 24.990 24.995
  brimsel-query --ranges J6 a11
  brimsel-query --find 40 -0.080 -0.020
  brimsel-query --find --all --basis hole --csv 40 0.010 0.050
  brimsel-query --edition 2020 25 JS7/h6
  brimsel-query --interference --torque 200 --length 21 --hub-od 117
      --hub-material steel --shaft-material steel --hub-yield 400
      --shaft-yield 400 --friction 0.11 --hub-ra 0.8 --shaft-ra 0.8
      --fit H7/t6 34.5
  brimsel-query --temperature --hole-material aluminium-alloy
      --shaft-material steel --hole-temp 90 --shaft-temp 90 100 H7/g6

Options are the arguments that start with "--" or with "-" and a letter;
"-0.080" is an operand. "--" ends the options.

Exit status: 0 when every zone computed, 1 when any zone failed (every row is
still written), 2 for a usage error, a missing or damaged data file, or input
or output that could not be read or written. --check exits 1 when any
measured size lies outside; --ranges exits 1 when a zone is defined nowhere;
--find exits 1 when no fit qualifies and only near misses are written, 2 for
a bad request (MIN above MAX, a size outside 0..3150, not a number).
--interference and --temperature exit 1 for a problem of the input (no load,
a hub not wider than the fit, no fit that carries the load without yielding,
a zone that is not valid), written as one line; the values computed are
still written.
)";

// Each option as its table describes it: the name and value in a column of
// 13 (a longer one on a line of its own), the lines of its text beside it.
std::string OptionsHelp() {
    constexpr std::size_t kNameColumn = 13;
    const std::string indent(2 + kNameColumn, ' ');
    std::string text;
    for (const OptionEntry& option : OptionTable()) {
        std::string label(option.Name);
        if (!option.ValueName.empty()) label.append(" ").append(option.ValueName);
        text += "  " + label;
        text += label.size() < kNameColumn ? std::string(kNameColumn - label.size(), ' ')
                                           : "\n" + indent;
        for (std::size_t at = 0; at <= option.Help.size();) {
            const std::size_t end = std::min(option.Help.find('\n', at), option.Help.size());
            if (at > 0) text += indent;
            text.append(option.Help.substr(at, end - at)).append("\n");
            at = end + 1;
        }
    }
    return text;
}

}  // namespace

std::string HelpText() {
    constexpr std::string_view kColumns = "{columns}";
    std::string text(kHelp);
    constexpr std::string_view kOptionsMark = "{options}";
    text.replace(text.find(kOptionsMark), kOptionsMark.size(), OptionsHelp());
    const std::size_t at = text.find(kColumns);
    text.replace(at, kColumns.size(), CsvColumnNames(62, "               "));
    // The finder's columns, from its one list, wrapped like the others.
    std::string findColumns;
    std::size_t lineStart = 0;
    for (const std::string_view column : kFindCsvColumns) {
        if (!findColumns.empty()) findColumns += ',';
        if (findColumns.size() - lineStart + column.size() > 62) {
            findColumns += "\n               ";
            lineStart = findColumns.size();
        }
        findColumns += column;
    }
    constexpr std::string_view kFindColumns = "{find_columns}";
    text.replace(text.find(kFindColumns), kFindColumns.size(), findColumns);
    return text;
}

std::string VersionText() { return std::string(kProgramName) + " " + BRIMSEL_VERSION; }

}  // namespace brimsel::cli
