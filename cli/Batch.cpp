#include <string_view>
#include <vector>

#include "cli/CommandLine.h"
#include "cli/LineReader.h"
#include "cli/OutputBuffer.h"

namespace brimsel::cli {

namespace {

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

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

}  // namespace

BatchOutcome RunBatch(const ToleranceData& tables, std::istream& in, std::ostream& out,
                      Language language, Edition edition) {
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
            row[CsvColumn::Edition] = EditionKeyword(edition);
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
            const QueryResult result = EvaluateQuery(tables, fields.front(), zone, edition);
            outcome.AllComputed = outcome.AllComputed && result.AllComputed();
            AppendCsvRows(buffer.Data(), result, language);
        }
        buffer.MaybeFlush();
    }
    outcome.InputFailed = reader.Failed();
    buffer.Flush();
    return outcome;
}

}  // namespace brimsel::cli
