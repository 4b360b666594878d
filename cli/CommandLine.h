// The brimsel-query command: options, the data file beside the program, the
// argument and batch forms, and the exit status.
#pragma once

#include <cstdint>
#include <filesystem>
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

#include "cli/Query.h"

namespace brimsel {

inline constexpr int kExitComputed = 0;    // every zone computed
inline constexpr int kExitZoneFailed = 1;  // at least one zone failed; every row still written
inline constexpr int kExitUsage = 2;       // usage error, bad or missing data file, output failed

// What the command does; one form per run.
enum class CommandForm : std::uint8_t {
    Query,    // SIZE ZONE...
    Batch,    // --batch: queries from standard input
    Explain,  // --explain SIZE ZONE...
    Check,    // --check SIZE ZONE MEASURED...
    Ranges,   // --ranges ZONE...
};

struct CommandLine {
    CommandForm Form = CommandForm::Query;
    bool Csv = false;
    bool Help = false;
    bool Version = false;
    std::int16_t Language = kChinese;
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

// The batch form on tables already read: one query "SIZE ZONE..." a line, CSV
// rows out. Blank lines and lines starting with "#" are skipped. Returns true
// when every zone computed.
bool RunBatch(const ToleranceData& tables, std::istream& in, std::ostream& out,
              std::int16_t language);

}  // namespace brimsel
