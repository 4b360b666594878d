// The fit finder from the context menu: its list, and a picked fit leaving
// the window exactly as the same choice made by hand leaves it.
#include <QAction>
#include <QMenu>

#include "UiTestSupport.h"
#include "ui/FitFinderDialog.h"

namespace brimsel::ui {
namespace {

// Everything the window shows or keeps that a choice of fit can change.
std::string Snapshot(const test::Driver& d) {
    std::string all;
    for (const char* field :
         {"BasisIndex", "FitKindIndex", "HoleLetter", "HoleGrade", "ShaftLetter", "ShaftGrade",
          "HoleUpperDev", "HoleLowerDev", "ShaftUpperDev", "ShaftLowerDev", "BasicSize", "HoleOk",
          "ShaftOk", "ErrorCode", "LastHoleZone", "LastShaftZone"}) {
        all += d.Read("Query", field) + ";";
    }
    all += d.Read(
               "Text1|TeK|TeZ|LabelJG|LabelSC(0)|LabelSC(1)|LabelSC(2)|LabelXC(0)|LabelXC(1)|"
               "LabelXC(2)|Label1(0)|Label1(1)|Label3(0)|Label3(1)|Label4",
               "text") +
           d.Read("ComboKong|ComboZhou", "entries") + d.Read("ComboKong|ComboZhou", "currentText") +
           d.Read("OptionJZ(0)|OptionJZ(1)|OptionJZ(2)|OptionPH(0)|OptionPH(1)|OptionPH(2)",
                  "checked") +
           d.Read("TeK|ComboKong|Picture1|FramePH1|FramePH2", "visible") + d.Read("Line1", "X2");
    return all;
}

TEST(FitFinder, APickedFitShowsAsTheSameChoiceByHand) {
    for (const brimsel::test::TsvRow& row : brimsel::test::ReadTsv("ui/finder.tsv")) {
        const testing::ScopedTrace trace(row.File.c_str(), row.Line, row[5]);
        test::Driver byFinder, byHand;
        byFinder.Start("shown");
        byHand.Start("shown");
        byFinder.form->PrepareContextMenu()->findChild<QAction*>("FindFit")->trigger();
        FitFinderDialog& finder = *byFinder.form->FitFinder;
        ASSERT_TRUE(finder.isVisible());
        EXPECT_EQ(test::Text(finder.SizeBox->text()), "100");
        finder.SizeBox->setText(QString::fromStdString(row[0]));
        finder.MinBox->setText(QString::fromStdString(row[1]));
        finder.MaxBox->setText(QString::fromStdString(row[2]));
        finder.ScopeList->setCurrentIndex(std::stoi(row[3]));
        finder.BasisList->setCurrentIndex(std::stoi(row[4]));
        EXPECT_EQ(finder.Search().Qualifying, std::stoul(row[6]));
        EXPECT_EQ(finder.Fits->topLevelItemCount(), std::min(std::stoi(row[6]), int(kFinderRows)));
        const auto found = finder.Fits->findItems(QString::fromStdString(row[5]), Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1);
        finder.Fits->scrollToItem(found[0]);
        const QRect place = finder.Fits->visualItemRect(found[0]);
        QTest::mouseClick(finder.Fits->viewport(), Qt::LeftButton, {}, place.center());

        for (const std::string& step : brimsel::test::Split(row[7], ';')) {
            byHand.Step({row.File, row.Line, brimsel::test::Split(step, ' ')});
        }
        EXPECT_EQ(Snapshot(byFinder), Snapshot(byHand));
        EXPECT_EQ(byFinder.form->Picture1->Image(), byHand.form->Picture1->Image());
        // The finder's exact limits are the ones the window shows.
        EXPECT_EQ(test::Text(found[0]->text(1) + found[0]->text(2)),
                  byHand.Read("Label3(0)", "text") + byHand.Read("Label3(1)", "text"));
    }
}

}  // namespace
}  // namespace brimsel::ui
