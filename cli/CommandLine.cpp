#include "cli/CommandLine.h"

#include <cstdlib>
#include <istream>
#include <ostream>
#include <system_error>

#include "engine/DataFile.h"
#include "ui/strings/StringTable.h"

#ifndef BRIMSEL_VERSION
#error "BRIMSEL_VERSION must name the program's version"
#endif

namespace brimsel {

namespace {

constexpr std::string_view kProgramName = "brimsel-query";
constexpr int kDamagedFileMessage = 29;

constexpr std::string_view kHelp =
    R"(Usage: brimsel-query [--csv] [--lang zh|en] SIZE ZONE...
       brimsel-query --batch [--lang zh|en] < QUERIES
       brimsel-query --help | --version

Limit deviations of tolerance zones and limits of fit after GB/T 1800.3-1998
and GB/T 1801-1999, read from Quorbel.dat in the program's own folder. Any
zone of the standard may be asked for; the rules for basic sizes up to 1 mm
apply.

  SIZE   basic size in mm, a plain decimal number from 0 to 3150 (100, 12.5)
  ZONE   a hole zone in upper case (H7, JS6, K7) or a shaft zone in lower case
         (g6, js7, k6); in mixed case the first letter decides (Js7 is a hole).
         One leading "*" (quote it for the shell) or blank is dropped; the
         grade 07 reads as 7, 00 as 0, while 01 and 0 are IT01 and IT0. A
         character other than letters and digits makes the zone an error.
  HOLE/SHAFT
         a fit: both zones, then the limits of fit and the kind of fit. The
         zone before the "/" is the hole and the one after it the shaft,
         whatever their case.

  --csv        CSV rows instead of lines: a header, then one row per zone
               {columns}
               A fit adds a row after its two zone rows: zone HOLE/SHAFT,
               upper_mm and lower_mm the largest and smallest clearance
               (ES-ei, EI-es, negative for an interference) as max_text and
               min_text show them, upper_text and lower_text empty, and
               max_text to kind filled. Zone rows fill the columns from
               upper_size on: the limits of size, the size range (above
               range_low up to range_high), IT, the fundamental deviation as
               the table gives it, the delta when added, and the rule (none,
               delta, symmetric, symmetric-rounded, m6-special, grade-band).
               Rows that failed carry their code and leave the values empty.
  --batch      read one query "SIZE ZONE..." a line from standard input and
               write CSV rows; blank lines and lines starting with # are skipped
  --lang zh|en messages and names in Chinese (the default) or English
  --help       this text
  --version    the program's version

Examples:
  brimsel-query 100 H7 g6
  brimsel-query 100 H7/g6 H7/s6
  brimsel-query --csv --lang en 30 F8 h7 H8/f7
  printf '100 H7/g6\n250.5 M6 js7\n' | brimsel-query --batch

Exit status: 0 when every zone computed, 1 when any zone failed (every row is
still written), 2 for a usage error or a missing or damaged data file.
)";

// Output gathered in large pieces: one write for many rows, never a flush per row.
class OutputBuffer {
  public:
    explicit OutputBuffer(std::ostream& out) : out_(out) { data_.reserve(kChunk + 4096); }
    ~OutputBuffer() { Flush(); }
    OutputBuffer(const OutputBuffer&) = delete;
    OutputBuffer& operator=(const OutputBuffer&) = delete;

    std::string& Data() { return data_; }
    void MaybeFlush() {
        if (data_.size() >= kChunk) Flush();
    }
    void Flush() {
        if (data_.empty()) return;
        out_.write(data_.data(), static_cast<std::streamsize>(data_.size()));
        data_.clear();
    }

  private:
    static constexpr std::size_t kChunk = 1 << 16;
    std::ostream& out_;
    std::string data_;
};

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

std::vector<std::string_view> SplitFields(std::string_view line) {
    std::vector<std::string_view> fields;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && IsBlank(line[i])) ++i;
        const std::size_t start = i;
        while (i < line.size() && !IsBlank(line[i])) ++i;
        if (i > start) fields.push_back(line.substr(start, i - start));
    }
    return fields;
}

std::string OneLine(std::string text) {
    for (char& c : text) {
        if (c == '\n' || c == '\r') c = ' ';
    }
    return text;
}

}  // namespace

CommandLine ParseCommandLine(const std::vector<std::string_view>& arguments) {
    CommandLine cl;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view arg = arguments[i];
        if (optionsEnded || !arg.starts_with("-") || arg == "-" ||
            (!arg.starts_with("--") && arg != "-h")) {
            cl.Operands.emplace_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
        } else if (arg == "--csv") {
            cl.Csv = true;
        } else if (arg == "--batch") {
            cl.Batch = true;
        } else if (arg == "--help" || arg == "-h") {
            cl.Help = true;
        } else if (arg == "--version") {
            cl.Version = true;
        } else if (arg == "--lang" || arg.starts_with("--lang=")) {
            std::string_view value;
            if (arg == "--lang") {
                if (i + 1 == arguments.size()) {
                    cl.Problem = "--lang needs a value, zh or en";
                    return cl;
                }
                value = arguments[++i];
            } else {
                value = arg.substr(7);
            }
            if (value == "zh") {
                cl.Language = kChinese;
            } else if (value == "en") {
                cl.Language = kEnglish;
            } else {
                cl.Problem = "unknown language \"" + std::string(value) + "\"; use zh or en";
                return cl;
            }
        } else {
            cl.Problem = "unknown option " + std::string(arg);
            return cl;
        }
    }
    if (cl.Help || cl.Version) return cl;
    if (cl.Batch && !cl.Operands.empty()) {
        cl.Problem = "--batch reads its queries from standard input, not from arguments";
    } else if (!cl.Batch && cl.Operands.size() < 2) {
        cl.Problem = cl.Operands.empty() ? "a basic size and at least one zone are needed"
                                         : "at least one zone is needed after the basic size";
    }
    return cl;
}

std::string HelpText() {
    constexpr std::string_view kColumns = "{columns}";
    std::string text(kHelp);
    const std::size_t at = text.find(kColumns);
    text.replace(at, kColumns.size(), CsvColumnNames(62, "               "));
    return text;
}

std::string VersionText() { return std::string(kProgramName) + " " + BRIMSEL_VERSION; }

std::filesystem::path ProgramFolder(const char* argv0) {
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::path self = fs::read_symlink("/proc/self/exe", ec);
    if (!ec && self.is_absolute()) return self.parent_path();

    const std::string_view name = argv0 != nullptr ? argv0 : "";
    if (name.empty()) return {};
    if (name.find('/') != std::string_view::npos) {
        const fs::path absolute = fs::absolute(fs::path(name), ec);
        return ec ? fs::path() : absolute.parent_path();
    }
    // Started through PATH: the first entry holding a file of that name.
    const char* pathVariable = std::getenv("PATH");
    std::string_view entries = pathVariable != nullptr ? pathVariable : "";
    while (true) {
        const auto colon = entries.find(':');
        const std::string_view entry = entries.substr(0, colon);
        const fs::path candidate = fs::path(entry.empty() ? "." : entry) / name;
        if (fs::is_regular_file(candidate, ec)) {
            const fs::path absolute = fs::absolute(candidate, ec);
            if (!ec) return absolute.parent_path();
        }
        if (colon == std::string_view::npos) break;
        entries.remove_prefix(colon + 1);
    }
    return {};
}

bool RunBatch(const ToleranceData& tables, std::istream& in, std::ostream& out,
              std::int16_t language) {
    OutputBuffer buffer(out);
    buffer.Data() += CsvHeader();
    bool allComputed = true;
    std::string line;
    while (std::getline(in, line)) {
        const std::vector<std::string_view> fields = SplitFields(line);
        if (fields.empty() || fields.front().starts_with("#")) continue;
        // A size with no zone is a query with an empty zone, which fails visibly.
        const std::size_t zones = fields.size() == 1 ? 1 : fields.size() - 1;
        for (std::size_t z = 1; z <= zones; ++z) {
            const std::string_view zone = z < fields.size() ? fields[z] : std::string_view();
            const QueryResult result = EvaluateQuery(tables, fields.front(), zone);
            allComputed = allComputed && result.AllComputed();
            AppendCsvRows(buffer.Data(), result, language);
        }
        buffer.MaybeFlush();
    }
    buffer.Flush();
    return allComputed;
}

int RunQueryCommand(const std::vector<std::string_view>& arguments,
                    const std::filesystem::path& programFolder, std::istream& in, std::ostream& out,
                    std::ostream& err) {
    const CommandLine cl = ParseCommandLine(arguments);
    if (!cl.Problem.empty()) {
        err << kProgramName << ": " << cl.Problem << " (see " << kProgramName << " --help)\n";
        return kExitUsage;
    }
    if (cl.Help || cl.Version) {
        if (cl.Help) {
            out << HelpText();
        } else {
            out << VersionText() << '\n';
        }
        out.flush();
        return out ? kExitComputed : kExitUsage;
    }
    if (programFolder.empty()) {
        err << kProgramName << ": cannot find the program's own folder, where " << kDataFileName
            << " belongs\n";
        return kExitUsage;
    }
    const std::filesystem::path dataPath = programFolder / kDataFileName;
    const DataFileResult loaded = LoadToleranceFile(dataPath);
    if (!loaded.Ok()) {
        err << kProgramName << ": " << LookUpString(cl.Language, kDamagedFileMessage) << " ("
            << OneLine(dataPath.string() + ": " + loaded.Problem) << ")\n";
        return kExitUsage;
    }
    const ToleranceData& tables = *loaded.Data;

    bool allComputed = true;
    if (cl.Batch) {
        allComputed = RunBatch(tables, in, out, cl.Language);
    } else {
        OutputBuffer buffer(out);
        if (cl.Csv) buffer.Data() += CsvHeader();
        for (std::size_t z = 1; z < cl.Operands.size(); ++z) {
            const QueryResult result = EvaluateQuery(tables, cl.Operands.front(), cl.Operands[z]);
            allComputed = allComputed && result.AllComputed();
            if (cl.Csv) {
                AppendCsvRows(buffer.Data(), result, cl.Language);
            } else {
                AppendReadableLines(buffer.Data(), result, cl.Language);
            }
            buffer.MaybeFlush();
        }
    }
    out.flush();
    if (!out) {
        err << kProgramName << ": the results could not be written\n";
        return kExitUsage;
    }
    return allComputed ? kExitComputed : kExitZoneFailed;
}

}  // namespace brimsel
