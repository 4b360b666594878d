// The brimsel-query command: options, the data file beside the program, the
// argument and batch forms, and the exit status.
#pragma once

#include <cstdint>
#include <filesystem>
#include <iosfwd>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/Query.h"
#include "engine/Edition.h"
#include "fits/FitFinder.h"
#include "texts/Language.h"

namespace brimsel::cli {

inline constexpr std::string_view kProgramName = "brimsel-query";

inline constexpr int kExitComputed = 0;    // every zone computed
inline constexpr int kExitZoneFailed = 1;  // at least one zone failed; every row still written
inline constexpr int kExitUsage = 2;       // usage error, bad or missing data file, output failed

// What the command does; one form per run.
enum class CommandForm : std::uint8_t {
    Query,         // SIZE ZONE...
    Batch,         // --batch: queries from standard input
    Explain,       // --explain SIZE ZONE...
    Check,         // --check SIZE ZONE MEASURED...
    Ranges,        // --ranges ZONE...
    Find,          // --find SIZE MIN MAX
    Interference,  // --interference SIZE: the interference a load needs
    Temperature,   // --temperature SIZE FIT: a fit at operating temperatures
};

struct CommandLine {
    CommandForm Form = CommandForm::Query;
    bool Csv = false;
    bool Help = false;
    bool Version = false;
    brimsel::Language Language = brimsel::Language::Chinese;
    brimsel::Edition Edition = brimsel::Edition::Gb1998;  // every form computes in it
    // --find only: every fit, one basis system (none: both), the most fits
    // written (0: all); FindOption names the first one given.
    bool All = false;
    std::optional<fits::BasisSystem> Basis;
    std::size_t Limit = 10;
    std::string FindOption;
    // --interference with --find: the fits that carry the load.
    bool FindFits = false;
    // The values of --interference and --temperature, by option name, as given.
    std::map<std::string, std::string, std::less<>> Settings;
    std::vector<std::string> Operands;  // the form's operands, in order
    std::string Problem;                // a usage error when not empty
};

// Options may stand anywhere before "--". An argument that starts with "-"
// and a letter ("-h", "-x") or with "--" is an option, so an unknown one is a
// usage error; other texts ("-5", "-0.080", "-") are operands. An option with
// a value takes the next argument or "=VALUE" ("--lang en", "--lang=en").
CommandLine ParseCommandLine(const std::vector<std::string_view>& arguments);

std::string HelpText();
std::string VersionText();

// The folder of the running executable: /proc/self/exe, else argv[0] (its own
// folder, or the PATH entry that holds it).
std::filesystem::path ProgramFolder(const char* argv0);

// Runs the command on the arguments after the program name and reads
// Quorbel.dat from `programFolder`. Returns the exit status.
int RunQueryCommand(const std::vector<std::string_view>& arguments,
                    const std::filesystem::path& programFolder, std::istream& in, std::ostream& out,
                    std::ostream& err);

// The longest batch line read as a query; a longer one is one failed row.
inline constexpr std::size_t kLongestBatchLine = 65536;

struct BatchOutcome {
    bool AllComputed = true;          // every zone of every line computed
    bool InputFailed = false;         // standard input could not be read (closed, a folder)
    std::uint64_t LongLines = 0;      // lines longer than kLongestBatchLine
    std::uint64_t FirstLongLine = 0;  // the number of the first of them, from 1
};

// The batch form on tables already read: one query "SIZE ZONE..." a line, CSV
// rows out. Blank lines, lines starting with "#" and a UTF-8 byte-order mark
// at the start are skipped. Memory stays bounded whatever the input: a line
// longer than kLongestBatchLine is not kept but written as one failed row
// (code 1, empty size and zone).
BatchOutcome RunBatch(const ToleranceData& tables, std::istream& in, std::ostream& out,
                      Language language, Edition edition = Edition::Gb1998);

}  // namespace brimsel::cli
