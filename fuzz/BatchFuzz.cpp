// Any text as the standard input of brimsel-query --batch, through the
// library's batch entry on the shipped tables. Beyond not crashing: the
// output is CSV with a field for each of the column list's columns, the result is true exactly when
// every row's code is 0, and every computed caption reads back as its value.
#include "FuzzSupport.h"
#include "cli/CommandLine.h"
#include "datafile/StandardTables.h"

namespace {

[[noreturn]] void Fail(const std::string& what) { brimsel::fuzz::Fail("batch", what); }

// RFC 4180 rows; a malformed quote fails the run.
std::vector<std::vector<std::string>> ParseCsv(std::string_view text) {
    std::vector<std::vector<std::string>> rows(1, std::vector<std::string>(1));
    bool quoted = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        std::string& field = rows.back().back();
        if (quoted) {
            if (c != '"') {
                field += c;
            } else if (i + 1 < text.size() && text[i + 1] == '"') {
                field += '"';
                ++i;
            } else {
                quoted = false;
            }
        } else if (c == '"' && field.empty()) {
            quoted = true;
        } else if (c == ',') {
            rows.back().emplace_back();
        } else if (c == '\n') {
            rows.emplace_back(1);
        } else if (c == '"') {
            Fail("a quote inside an unquoted field");
        } else {
            field += c;
        }
    }
    if (quoted) Fail("a quoted field without its end");
    if (rows.back().size() != 1 || !rows.back().front().empty())
        Fail("output does not end in a line end");
    rows.pop_back();
    return rows;
}

void CheckReadsBack(const std::string& caption, const std::string& value) {
    if (!brimsel::fuzz::ReadsBack(caption, std::strtod(value.c_str(), nullptr)))
        Fail("caption \"" + caption + "\" does not read back as " + value);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const brimsel::ToleranceData tables = brimsel::BuildStandardTables();
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    std::ostringstream out;
    const brimsel::Language language =
        size % 2 == 0 ? brimsel::Language::Chinese : brimsel::Language::English;
    const bool allComputed = brimsel::cli::RunBatch(tables, in, out, language).AllComputed;

    const std::string text = out.str();
    if (!text.starts_with(brimsel::cli::CsvHeader())) Fail("no header");
    const auto rows = ParseCsv(text);
    bool everyCodeZero = true;
    for (std::size_t r = 1; r < rows.size(); ++r) {
        const std::vector<std::string>& row = rows[r];
        if (row.size() != brimsel::cli::kCsvColumnCount)
            Fail("row " + std::to_string(r) + " has " + std::to_string(row.size()) + " fields");
        const auto field = [&](brimsel::cli::CsvColumn c) {
            return row[brimsel::cli::CsvIndex(c)];
        };
        using C = brimsel::cli::CsvColumn;
        const bool computed = field(C::Code) == "0";
        everyCodeZero = everyCodeZero && computed;
        if (!computed) continue;
        // Zone rows carry their captions; a fit row its limits' texts instead.
        const bool fit = field(C::UpperText).empty();
        CheckReadsBack(field(fit ? C::MaxText : C::UpperText), field(C::UpperMm));
        CheckReadsBack(field(fit ? C::MinText : C::LowerText), field(C::LowerMm));
        // A zone row's limits of size are its size plus its captions.
        if (!fit && (field(C::UpperSize).empty() || field(C::Rule).empty()))
            Fail("row " + std::to_string(r) + " lacks its limits of size or its rule");
    }
    if (allComputed != everyCodeZero) Fail("the result disagrees with the rows' codes");
    return 0;
}
