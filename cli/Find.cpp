#include "cli/Find.h"

#include <algorithm>
#include <array>
#include <optional>
#include <vector>

#include "cli/Query.h"
#include "engine/ExactDecimal.h"
#include "fits/FinderText.h"
#include "texts/Meanings.h"
#include "texts/MoreStrings.h"
#include "texts/StringTable.h"

namespace brimsel::cli {

namespace {

// Columns of the readable lines line up on screen: a CJK character takes two
// places, any other character one.
std::size_t Width(std::string_view text) {
    std::size_t width = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if ((c & 0xC0) == 0x80) continue;
        width += c >= 0xE1 ? 2 : 1;  // lead bytes of U+1000 and above
    }
    return width;
}

using Row = std::array<std::string, 8>;

void AppendTable(std::string& out, const std::vector<Row>& rows) {
    std::array<std::size_t, 8> widths{};
    for (const Row& row : rows) {
        for (std::size_t i = 0; i < row.size(); ++i) widths[i] = std::max(widths[i], Width(row[i]));
    }
    for (const Row& row : rows) {
        std::string line;
        for (std::size_t i = 0; i < row.size(); ++i) {
            // Numbers stand right-aligned, words left-aligned.
            const std::string pad(widths[i] - Width(row[i]), ' ');
            const bool number = i >= 1 && i <= 4;
            line += number ? pad + row[i] : row[i] + pad;
            line += "  ";
        }
        while (line.ends_with(' ')) line.pop_back();
        out += line + "\n";
    }
}

}  // namespace

int RunFind(const ToleranceData& tables, const FindOptions& options, std::string& out,
            std::string& err) {
    const fits::FitRequest request{
        options.Size,   options.Min,
        options.Max,    options.All ? fits::FitScope::All : fits::FitScope::Catalogue,
        options.Basis,  options.Limit,
        options.Edition};
    const fits::FitSearch found = fits::FindFits(tables, request);
    if (!found.Ok()) {
        err += std::string(fits::ProblemMessage(found.Problem, options.Language, options.Edition)) +
               "\n";
        return kFindBadRequest;
    }
    return WriteFits(found, options, out);
}

int WriteFits(const fits::FitSearch& found, const FindOptions& options, std::string& out) {
    const bool near = found.Fits.empty();
    using fits::FinderStatus;
    const auto& list = near ? found.NearMisses : found.Fits;
    const Language language = options.Language;

    if (options.Csv) {
        const std::string& size = found.SizeText;
        AppendCsvRow(out, kFindCsvColumns);
        for (const fits::FoundFit& fit : list) {
            const int d = fit.Decimals;
            const std::string max = ExactDecimalText(fit.Max, d);
            const std::string min = ExactDecimalText(fit.Min, d);
            const std::string marginMin = ExactDecimalText(fit.MarginMin, d);
            const std::string marginMax = ExactDecimalText(fit.MarginMax, d);
            const std::string miss = near ? ExactDecimalText(fit.Miss, d) : "";
            AppendCsvRow(out, std::array<std::string_view, std::size(kFindCsvColumns)>{
                                  size, fit.Hole, fit.Shaft, max, min, fits::KindKeyword(fit.Kind),
                                  fits::ScopeKeyword(fit.Standing), fits::BasisKeyword(fit.Basis),
                                  marginMin, marginMax, miss, EditionKeyword(options.Edition)});
        }
        return near ? kFindNearMisses : kFindFound;
    }

    out += FinderStatus(found, list.size(), language) + "\n";
    using fits::FinderColumn;
    constexpr FinderColumn kColumns[] = {FinderColumn::Fit,       FinderColumn::Max,
                                         FinderColumn::Min,       FinderColumn::MarginMin,
                                         FinderColumn::MarginMax, FinderColumn::Standing,
                                         FinderColumn::Basis,     FinderColumn::Kind};
    Row heading;
    for (std::size_t i = 0; i < heading.size(); ++i) {
        heading[i] = fits::ColumnHeading(kColumns[i], language, near);
    }
    std::vector<Row> rows{heading};
    for (const fits::FoundFit& fit : list) {
        const int d = fit.Decimals;
        rows.push_back({fits::FitName(fit), SignedDecimalText(fit.Max, d),
                        SignedDecimalText(fit.Min, d),
                        near ? ExactDecimalText(fit.Miss, d) : SignedDecimalText(fit.MarginMin, d),
                        near ? "" : SignedDecimalText(fit.MarginMax, d),
                        std::string(fits::StandingText(fit.Standing, language)),
                        std::string(fits::BasisText(fit.Basis, language)),
                        std::string(KindText(language, fit.Kind))});
    }
    AppendTable(out, rows);
    return near ? kFindNearMisses : kFindFound;
}

}  // namespace brimsel::cli
