#include "cli/Find.h"

#include <algorithm>
#include <array>
#include <optional>
#include <vector>

#include "cli/Query.h"
#include "engine/ExactDecimal.h"
#include "texts/Meanings.h"
#include "texts/MoreStrings.h"
#include "texts/StringTable.h"

namespace brimsel {

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
        options.Size,  options.Min,
        options.Max,   options.All ? fits::FitScope::All : fits::FitScope::Catalogue,
        options.Basis, options.Limit};
    const fits::FitSearch found = fits::FindFits(tables, request);
    if (!found.Ok()) {
        err += std::string(fits::ProblemMessage(found.Problem, options.Language)) + "\n";
        return kFindBadRequest;
    }
    const bool near = found.Fits.empty();
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
                                  marginMin, marginMax, miss});
        }
        return near ? kFindNearMisses : kFindFound;
    }

    const auto text = [language](More id) { return std::string(LookUpMore(language, id)); };
    std::string status = FillIn(near ? text(More::FinderNone) : text(More::FinderFound),
                                std::to_string(found.Qualifying));
    if (!near && found.Qualifying > list.size()) {
        status += FillIn(text(More::FinderShown), std::to_string(list.size()));
    }
    out += status + "\n";
    std::vector<Row> rows{
        {text(More::FinderFitColumn), text(More::FinderMaxColumn), text(More::FinderMinColumn),
         text(near ? More::FinderMissColumn : More::FinderMarginMinColumn),
         near ? "" : text(More::FinderMarginMaxColumn), text(More::FinderStandingColumn),
         text(More::FinderBasisColumn), text(More::FinderKindColumn)}};
    for (const fits::FoundFit& fit : list) {
        const int d = fit.Decimals;
        const More standing = fit.Standing == fits::FitStanding::Preferred ? More::FinderPreferred
                              : fit.Standing == fits::FitStanding::Common  ? More::FinderCommon
                                                                           : More::FinderOther;
        rows.push_back({fit.Hole + "/" + fit.Shaft, SignedDecimalText(fit.Max, d),
                        SignedDecimalText(fit.Min, d),
                        near ? ExactDecimalText(fit.Miss, d) : SignedDecimalText(fit.MarginMin, d),
                        near ? "" : SignedDecimalText(fit.MarginMax, d), text(standing),
                        text(fit.Basis == fits::BasisSystem::Hole ? More::FinderHoleBasis
                                                                  : More::FinderShaftBasis),
                        std::string(KindText(language, fit.Kind))});
    }
    AppendTable(out, rows);
    return near ? kFindNearMisses : kFindFound;
}

}  // namespace brimsel
