// Every view of a fit shows the one outcome: brimsel-query's line, the
// window's captions, the copied text and the fit finder agree on the limits
// and the kind, for every catalogue fit at every size range and for the fits
// with a member of IT01 or IT0 at ten sizes.
#include <QApplication>
#include <QClipboard>
#include <map>

#include "UiTestSupport.h"
#include "cli/Query.h"
#include "engine/ExactDecimal.h"
#include "fits/FitFinder.h"
#include "texts/Meanings.h"
#include "texts/StringTable.h"

namespace brimsel::ui {
namespace {

using FitsFound = std::map<std::string, fits::FoundFit>;

// Every fit of a scope at a size, by its code.
FitsFound FindAll(const ToleranceData& tables, const std::string& size, fits::FitScope scope) {
    const fits::FitSearch search =
        fits::FindFits(tables, {size, "-100", "100", scope, std::nullopt, 0});
    EXPECT_TRUE(search.Ok()) << size;
    FitsFound all;
    for (const fits::FoundFit& fit : search.Fits) all[fit.Hole + "/" + fit.Shaft] = fit;
    return all;
}

std::string Shown(const Caption* label) { return test::Text(label->text()); }

// The four views of one fit at the size the window holds; the zones are
// typed into the custom system's boxes, the rules brimsel-query applies.
void ExpectViewsAgree(test::Driver& d, const std::string& size, const std::string& hole,
                      const std::string& shaft, const FitsFound& finder) {
    const std::string fit = hole + "/" + shaft;
    const testing::ScopedTrace trace(__FILE__, __LINE__, fit + " at " + size);
    Form1& form = *d.form;
    WriteText(*form.TeK, QString::fromStdString(hole));
    WriteText(*form.TeZ, QString::fromStdString(shaft));

    const cli::QueryResult query = cli::EvaluateQuery(form.Query.ToleranceTables, size, fit);
    const bool computed = query.Fit && query.Fit->Ok();
    ASSERT_EQ(form.Picture1->isVisible(), computed);
    ASSERT_EQ(finder.contains(fit), computed);
    if (!computed) return;

    // brimsel-query's line is the window's captions.
    const std::string kind = Shown(form.Label4).substr(std::string("●  ").size());
    std::string line;
    cli::AppendReadableLines(line, query, Language::Chinese);
    line = line.substr(line.rfind('\n', line.size() - 2) + 1);
    EXPECT_EQ(line, size + "  " + fit + "  " + Shown(form.Label1[0]) + Shown(form.Label3[0]) +
                        "  " + Shown(form.Label1[1]) + Shown(form.Label3[1]) + "  " + kind + "\n");

    // The copied text: the same names, values (a zero written "0") and kind.
    form.CopyResult();
    const std::vector<std::string> copied =
        brimsel::test::Split(test::Text(QApplication::clipboard()->text()), '\n');
    ASSERT_GE(copied.size(), 4u);
    const auto copiedLine = [](const Caption* name, const Caption* value) {
        std::string text = Shown(value) == " 0" ? "0" : Shown(value);
        return Shown(name).substr(0, Shown(name).size() - 1) + "\t" + text;
    };
    EXPECT_EQ(copied[copied.size() - 4], copiedLine(form.Label1[0], form.Label3[0]));
    EXPECT_EQ(copied[copied.size() - 3], copiedLine(form.Label1[1], form.Label3[1]));
    EXPECT_TRUE(copied[copied.size() - 2].ends_with("\t" + kind));

    // The finder's exact values and kind.
    const fits::FoundFit& found = finder.at(fit);
    EXPECT_EQ(ReadExactDecimal(Shown(form.Label3[0]))->Units, found.Max);
    EXPECT_EQ(ReadExactDecimal(Shown(form.Label3[1]))->Units, found.Min);
    EXPECT_EQ(std::string(KindText(Language::Chinese, found.Kind)), kind);
}

void Enter(test::Driver& d, const std::string& size) {
    WriteText(*d.form->Text1, QString::fromStdString(size));
}

// The upper limit of every size range of the standard's tables, and sizes
// within the first.
constexpr const char* kRangeSizes[] = {
    "0",    "0.5",  "1",    "3",    "6",    "10",   "14",   "18",   "24",   "30",   "40",
    "50",   "65",   "80",   "100",  "120",  "140",  "160",  "180",  "200",  "225",  "250",
    "280",  "315",  "355",  "400",  "450",  "500",  "560",  "630",  "710",  "800",  "900",
    "1000", "1120", "1250", "1400", "1600", "1800", "2000", "2240", "2500", "2800", "3150"};

TEST(EveryView, CatalogueFitsAtEverySizeRange) {
    test::Driver d;
    d.Start("shown");
    d.form->OptionJZ[2]->click();
    for (const std::string size : kRangeSizes) {
        Enter(d, size);
        const ToleranceData& tables = d.form->Query.ToleranceTables;
        const FitsFound all = FindAll(tables, size, fits::FitScope::All);
        for (const auto& [code, fit] : FindAll(tables, size, fits::FitScope::Catalogue)) {
            ExpectViewsAgree(d, size, fit.Hole, fit.Shaft, all);
            if (HasFatalFailure()) return;
        }
    }
}

TEST(EveryView, FitsOfTheFinestGradesAtTenSizes) {
    test::Driver d;
    d.Start("shown");
    d.form->OptionJZ[2]->click();
    for (const std::string size : {"0.5", "1", "2", "3", "10", "50", "120", "250", "280", "500"}) {
        Enter(d, size);
        const FitsFound all = FindAll(d.form->Query.ToleranceTables, size, fits::FitScope::All);
        for (const std::string_view letters : kShaftLetters) {
            for (const std::string_view fine : {"01", "0"}) {
                for (const std::string_view grade : {"01", "0", "1", "3", "7"}) {
                    // H01 and H0 with every shaft; every hole with h01 and h0.
                    std::string upper(letters);
                    for (char& c : upper) c = static_cast<char>(std::toupper(c));
                    ExpectViewsAgree(d, size, "H" + std::string(fine),
                                     std::string(letters) + std::string(grade), all);
                    ExpectViewsAgree(d, size, upper + std::string(grade), "h" + std::string(fine),
                                     all);
                    if (HasFatalFailure()) return;
                }
            }
        }
    }
}

}  // namespace
}  // namespace brimsel::ui
