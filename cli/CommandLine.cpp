#include "cli/CommandLine.h"

#include <charconv>
#include <cstdlib>
#include <cstring>
#include <istream>
#include <ostream>
#include <system_error>

#include "cli/Find.h"
#include "cli/Inspect.h"
#include "datafile/ShippedDigest.h"
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
       brimsel-query --explain [--lang zh|en] SIZE ZONE...
       brimsel-query --check [--csv] [--lang zh|en] SIZE ZONE MEASURED...
       brimsel-query --ranges [--csv] [--lang zh|en] ZONE...
       brimsel-query --find [--all] [--basis hole|shaft] [--limit N] [--csv]
                     [--lang zh|en] SIZE MIN MAX
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
               write CSV rows; blank lines, lines starting with # and a
               byte-order mark at the start are skipped; a line longer than
               65536 bytes is one failed row with code 1
  --explain    where each zone's numbers come from: the size range, IT, the
               fundamental deviation and Δ, the rule that applied, the limit
               deviations and the limits of size
  --check      whether each MEASURED size (a plain decimal, at most 7
               decimals) lies within the zone's limits of size, and how far
               it is from the nearer limit: positive inside, negative
               outside. With --csv the columns are
               size,zone,measured,verdict,distance,upper_size,lower_size,code
               and verdict is inside or outside
  --ranges     the size ranges from 0 to 3150 mm where the standard defines
               each zone, and for the others the error code and message.
               With --csv the columns are zone,range_low,range_high,code
  --find       the fits whose clearance stays from MIN to MAX (mm; negative
               for an interference: -0.080 -0.020 is an interference of 20 to
               80 um), ranked: preferred, common, then other fits; within each
               the widest sum of both tolerances, then the band nearest the
               middle of the range. Margins are the distances to MIN and MAX.
               When none qualifies, the nearest few fits and how far each
               misses. With --csv the columns are
               {find_columns}
               where scope is preferred, common or other and only near misses
               fill miss_mm
  --all        --find searches every fit H/any and any/h of the standard, not
               only the preferred and common ones
  --basis hole|shaft
               --find keeps one basis system
  --limit N    --find writes the first N fits (default 10; 0 for all)
  --lang zh|en messages and names in Chinese (the default) or English
  --help       this text
  --version    the program's version

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

Options are the arguments that start with "--" or with "-" and a letter;
"-0.080" is an operand. "--" ends the options.

Exit status: 0 when every zone computed, 1 when any zone failed (every row is
still written), 2 for a usage error, a missing or damaged data file, or input
or output that could not be read or written. --check exits 1 when any
measured size lies outside; --ranges exits 1 when a zone is defined nowhere;
--find exits 1 when no fit qualifies and only near misses are written, 2 for
a bad request (MIN above MAX, a size outside 0..3150, not a number).
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

namespace {

// One row per option: its names, whether it takes a value, and what it does
// to the command line (a problem text when the value is refused).
struct OptionEntry {
    std::string_view Name;
    std::string_view ShortName;  // "-h", or empty
    bool TakesValue;
    std::string (*Apply)(CommandLine& cl, std::string_view value);
};

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
     }},
    {"--batch", "", false,
     [](CommandLine& cl, std::string_view) { return SetForm(cl, CommandForm::Batch, "--batch"); }},
    {"--explain", "", false,
     [](CommandLine& cl, std::string_view) {
         return SetForm(cl, CommandForm::Explain, "--explain");
     }},
    {"--check", "", false,
     [](CommandLine& cl, std::string_view) { return SetForm(cl, CommandForm::Check, "--check"); }},
    {"--ranges", "", false,
     [](CommandLine& cl, std::string_view) {
         return SetForm(cl, CommandForm::Ranges, "--ranges");
     }},
    {"--find", "", false,
     [](CommandLine& cl, std::string_view) { return SetForm(cl, CommandForm::Find, "--find"); }},
    {"--all", "", false,
     [](CommandLine& cl, std::string_view) {
         cl.All = true;
         if (cl.FindOption.empty()) cl.FindOption = "--all";
         return std::string();
     }},
    {"--basis", "", true,
     [](CommandLine& cl, std::string_view value) {
         if (value != "hole" && value != "shaft") {
             return "unknown basis system \"" + ShownText(value) + "\"; use hole or shaft";
         }
         cl.Basis = value;
         if (cl.FindOption.empty()) cl.FindOption = "--basis";
         return std::string();
     }},
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
     }},
    {"--lang", "", true,
     [](CommandLine& cl, std::string_view value) {
         if (value == "zh") {
             cl.Language = kChinese;
         } else if (value == "en") {
             cl.Language = kEnglish;
         } else {
             return "unknown language \"" + ShownText(value) + "\"; use zh or en";
         }
         return std::string();
     }},
    {"--help", "-h", false,
     [](CommandLine& cl, std::string_view) {
         cl.Help = true;
         return std::string();
     }},
    {"--version", "", false,
     [](CommandLine& cl, std::string_view) {
         cl.Version = true;
         return std::string();
     }},
};

bool IsAsciiLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

bool IsOption(std::string_view arg) {
    return arg.starts_with("--") || (arg.size() >= 2 && arg[0] == '-' && IsAsciiLetter(arg[1]));
}

// The operands each form needs, or a usage problem.
std::string CheckOperands(const CommandLine& cl) {
    const std::size_t n = cl.Operands.size();
    if (cl.Form != CommandForm::Find && !cl.FindOption.empty()) {
        return cl.FindOption + " goes with --find";
    }
    switch (cl.Form) {
        case CommandForm::Query:
            if (n == 0) return "a basic size and at least one zone are needed";
            if (n < 2) return "at least one zone is needed after the basic size";
            break;
        case CommandForm::Batch:
            if (n > 0) return "--batch reads its queries from standard input, not from arguments";
            break;
        case CommandForm::Explain:
            if (n < 2) return "--explain needs a basic size and at least one zone";
            if (cl.Csv) return "--explain writes lines; --csv without it gives the same columns";
            break;
        case CommandForm::Check:
            if (n < 3) return "--check needs a basic size, one zone and at least one measured size";
            if (cl.Operands[1].find('/') != std::string::npos) {
                return "--check takes one zone, not a fit";
            }
            for (std::size_t m = 2; m < n; ++m) {
                if (!IsMeasuredSize(cl.Operands[m])) {
                    return "\"" + ShownText(cl.Operands[m]) +
                           "\" is not a measured size (digits with at most one point, 11 "
                           "digits before it and 7 after)";
                }
            }
            break;
        case CommandForm::Ranges:
            if (n < 1) return "--ranges needs at least one zone";
            break;
        case CommandForm::Find:
            if (n != 3) return "--find needs a basic size, MIN and MAX";
            if (auto problem = UnheldNumberProblem("MIN", cl.Operands[1]); !problem.empty())
                return problem;
            if (auto problem = UnheldNumberProblem("MAX", cl.Operands[2]); !problem.empty())
                return problem;
            break;
    }
    // The basic size of every form that takes one.
    if (cl.Form != CommandForm::Batch && cl.Form != CommandForm::Ranges && n > 0)
        return UnheldNumberProblem("the basic size", cl.Operands[0]);
    return {};
}

// SIZE ZONE...: lines or CSV rows for each zone and fit.
int RunQueries(const ToleranceData& tables, const CommandLine& cl, OutputBuffer& buffer) {
    bool allComputed = true;
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
    return allComputed ? kExitComputed : kExitZoneFailed;
}

}  // namespace

CommandLine ParseCommandLine(const std::vector<std::string_view>& arguments) {
    CommandLine cl;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view arg = arguments[i];
        if (optionsEnded || !IsOption(arg)) {
            cl.Operands.emplace_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        const std::size_t equals = arg.starts_with("--") ? arg.find('=') : std::string_view::npos;
        const std::string_view name = arg.substr(0, equals);
        const OptionEntry* entry = nullptr;
        for (const OptionEntry& option : kOptions) {
            if (name == option.Name || (!option.ShortName.empty() && name == option.ShortName)) {
                entry = &option;
            }
        }
        if (entry == nullptr) {
            cl.Problem = "unknown option " + ShownText(name);
            return cl;
        }
        std::string_view value;
        if (equals != std::string_view::npos) {
            if (!entry->TakesValue) {
                cl.Problem = std::string(name) + " takes no value";
                return cl;
            }
            value = arg.substr(equals + 1);
        } else if (entry->TakesValue) {
            if (i + 1 == arguments.size()) {
                cl.Problem = std::string(name) + " needs a value";
                return cl;
            }
            value = arguments[++i];
        }
        cl.Problem = entry->Apply(cl, value);
        if (!cl.Problem.empty()) return cl;
    }
    if (cl.Help || cl.Version) return cl;
    cl.Problem = CheckOperands(cl);
    return cl;
}

std::string HelpText() {
    constexpr std::string_view kColumns = "{columns}";
    std::string text(kHelp);
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

namespace {

// Lines of a stream read through a buffer of fixed size, so that memory stays
// bounded whatever the input; a line's bytes beyond kLongestBatchLine are
// dropped and the line marked as too long.
class LineReader {
  public:
    explicit LineReader(std::istream& in) : in_(in), buffer_(kChunk) {}

    // The next line without its line end; false at the end of the input or on
    // a read error (then Failed()).
    bool Next(std::string& line, bool& tooLong) {
        line.clear();
        tooLong = false;
        bool started = false;
        while (true) {
            if (begin_ == end_ && !Fill()) return started;
            started = true;
            const char* from = buffer_.data() + begin_;
            const std::size_t available = end_ - begin_;
            const void* newline = std::memchr(from, '\n', available);
            const std::size_t length =
                newline != nullptr
                    ? static_cast<std::size_t>(static_cast<const char*>(newline) - from)
                    : available;
            if (line.size() + length > kLongestBatchLine) {
                tooLong = true;
            } else if (!tooLong) {
                line.append(from, length);
            }
            begin_ += length;
            if (newline != nullptr) {
                ++begin_;
                return true;
            }
        }
    }

    bool Failed() const { return failed_; }

  private:
    static constexpr std::size_t kChunk = 1 << 16;

    bool Fill() {
        begin_ = end_ = 0;
        if (!in_.good()) return false;
        in_.read(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
        end_ = static_cast<std::size_t>(in_.gcount());
        if (in_.bad()) failed_ = true;
        return end_ > 0;
    }

    std::istream& in_;
    std::vector<char> buffer_;
    std::size_t begin_ = 0;
    std::size_t end_ = 0;
    bool failed_ = false;
};

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

}  // namespace

BatchOutcome RunBatch(const ToleranceData& tables, std::istream& in, std::ostream& out,
                      std::int16_t language) {
    OutputBuffer buffer(out);
    buffer.Data() += CsvHeader();
    BatchOutcome outcome;
    LineReader reader(in);
    std::string line;
    bool tooLong = false;
    for (std::uint64_t number = 1; reader.Next(line, tooLong); ++number) {
        if (tooLong) {
            outcome.AllComputed = false;
            if (outcome.LongLines++ == 0) outcome.FirstLongLine = number;
            CsvRow row;
            row[CsvColumn::Code] = "1";
            AppendCsvRow(buffer.Data(), row.Fields);
            continue;
        }
        std::string_view text = line;
        if (number == 1 && text.starts_with(kByteOrderMark)) text.remove_prefix(3);
        const std::vector<std::string_view> fields = SplitFields(text);
        if (fields.empty() || fields.front().starts_with("#")) continue;
        // A size with no zone is a query with an empty zone, which fails visibly.
        const std::size_t zones = fields.size() == 1 ? 1 : fields.size() - 1;
        for (std::size_t z = 1; z <= zones; ++z) {
            const std::string_view zone = z < fields.size() ? fields[z] : std::string_view();
            const QueryResult result = EvaluateQuery(tables, fields.front(), zone);
            outcome.AllComputed = outcome.AllComputed && result.AllComputed();
            AppendCsvRows(buffer.Data(), result, language);
        }
        buffer.MaybeFlush();
    }
    outcome.InputFailed = reader.Failed();
    buffer.Flush();
    return outcome;
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
    const DataFileResult loaded = LoadToleranceFile(dataPath, kShippedDataDigest);
    if (!loaded.Ok()) {
        err << kProgramName << ": " << LookUpString(cl.Language, kDamagedFileMessage) << " ("
            << OneLine(dataPath.string() + ": " + loaded.Problem) << ")\n";
        return kExitUsage;
    }
    const ToleranceData& tables = *loaded.Data;

    int status = kExitComputed;
    {
        OutputBuffer buffer(out);
        switch (cl.Form) {
            case CommandForm::Batch: {
                buffer.Flush();
                const BatchOutcome batch = RunBatch(tables, in, out, cl.Language);
                if (batch.LongLines > 0) {
                    err << kProgramName << ": " << batch.LongLines << " line(s) longer than "
                        << kLongestBatchLine << " bytes written as failed rows, the first is line "
                        << batch.FirstLongLine << "\n";
                }
                if (batch.InputFailed) {
                    err << kProgramName << ": standard input could not be read\n";
                    return kExitUsage;
                }
                status = batch.AllComputed ? kExitComputed : kExitZoneFailed;
                break;
            }
            case CommandForm::Query:
                status = RunQueries(tables, cl, buffer);
                break;
            case CommandForm::Explain:
                status = RunExplain(tables, cl, buffer.Data());
                break;
            case CommandForm::Check:
                status = RunCheck(tables, cl, buffer.Data());
                break;
            case CommandForm::Ranges:
                status = RunRanges(tables, cl, buffer.Data());
                break;
            case CommandForm::Find: {
                FindOptions find{cl.Operands[0], cl.Operands[1], cl.Operands[2], cl.All,
                                 std::nullopt,   cl.Limit,       cl.Csv,         cl.Language};
                if (!cl.Basis.empty()) {
                    find.Basis =
                        cl.Basis == "hole" ? fits::BasisSystem::Hole : fits::BasisSystem::Shaft;
                }
                std::string problem;
                status = RunFind(tables, find, buffer.Data(), problem);
                if (!problem.empty()) err << kProgramName << ": " << problem;
                break;
            }
        }
    }
    out.flush();
    if (!out) {
        err << kProgramName << ": the results could not be written\n";
        return kExitUsage;
    }
    return status;
}

}  // namespace brimsel
