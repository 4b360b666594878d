// The window's event chains, driven as a person drives them.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QTest>

#include "UiTestSupport.h"

namespace brimsel::ui {
namespace {

using test::Text;
using Entries = std::vector<std::string>;

Entries ListEntries(const ListBox* list) {
    Entries entries;
    for (int i = 0; i < list->count(); ++i) entries.push_back(Text(list->itemText(i)));
    return entries;
}

class EventChainTest : public ::testing::Test {
  protected:
    void SetUp() override { Open(test::StartedWindow()); }

    void Open(std::unique_ptr<Form1> window) {
        form = std::move(window);
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    }
    void Click(QWidget* control) { QTest::mouseClick(control, Qt::LeftButton); }
    // A pick from the open list, as the mouse or Enter makes it.
    void Pick(ListBox* list, const char* entry) {
        const int index = list->findText(QString::fromUtf8(entry));
        ASSERT_GE(index, 0) << entry;
        list->showPopup();
        list->view()->setCurrentIndex(list->model()->index(index, 0));
        QTest::keyClick(list->view(), Qt::Key_Return);
    }
    void TypeSize(const char* keys) {
        form->Text1->setFocus();
        form->Text1->selectAll();
        QTest::keyClicks(form->Text1, keys);
    }
    std::vector<std::string> Deviations() const {
        return {Text(form->LabelSC[1]->text()), Text(form->LabelSC[2]->text()),
                Text(form->LabelXC[1]->text()), Text(form->LabelXC[2]->text())};
    }
    std::vector<std::string> FitRows() const {
        return {Text(form->Label1[0]->text()), Text(form->Label3[0]->text()),
                Text(form->Label1[1]->text()), Text(form->Label3[1]->text())};
    }
    bool FramesEnabled() const {
        return form->FrameJZ->isEnabled() && form->FrameGC->isEnabled() &&
               form->FramePH1->isEnabled();
    }

    std::unique_ptr<Form1> form;
};

TEST_F(EventChainTest, StartUpShowsTheFitHSevenOverGSixBeforeTheWindowShows) {
    auto unseen = test::StartedWindow();
    EXPECT_FALSE(unseen->isVisible());
    EXPECT_EQ(ListEntries(unseen->ComboKong),
              (Entries{"H6", "H7", "H8", "H9", "H10", "H11", "H12"}));
    EXPECT_EQ(Text(unseen->ComboKong->currentText()), "H7");
    EXPECT_EQ(ListEntries(unseen->ComboZhou), (Entries{"f6", "*g6", "*h6"}));
    EXPECT_EQ(Text(unseen->ComboZhou->currentText()), "*g6");
    EXPECT_EQ(Text(unseen->TeK->text()), "H7");
    EXPECT_EQ(Text(unseen->TeZ->text()), "g6");
    EXPECT_EQ(Text(unseen->LabelSC[0]->text()), "H7");
    EXPECT_EQ(Text(unseen->LabelXC[0]->text()), "g6");
    EXPECT_EQ(Text(unseen->LabelSC[1]->text()), "+0.035");
    EXPECT_EQ(Text(unseen->LabelSC[2]->text()), " 0");
    EXPECT_EQ(Text(unseen->LabelXC[1]->text()), "-0.012");
    EXPECT_EQ(Text(unseen->LabelXC[2]->text()), "-0.034");
    EXPECT_EQ(Text(unseen->Label3[0]->text()), "+0.069");
    EXPECT_EQ(Text(unseen->Label3[1]->text()), "+0.012");
    EXPECT_EQ(Text(unseen->Label1[0]->text()), "最大间隙=");
    EXPECT_EQ(Text(unseen->Label1[1]->text()), "最小间隙=");
    EXPECT_EQ(Text(unseen->Label4->text()), "●  间隙配合");
    EXPECT_EQ(Text(unseen->FrameDT->title()), "公差带图");
    EXPECT_FALSE(unseen->Picture1->isHidden());
    EXPECT_FALSE(unseen->TeK->isVisibleTo(unseen.get()));
    EXPECT_TRUE(unseen->ComboKong->isVisibleTo(unseen.get()));
    EXPECT_EQ(unseen->Line1->X2(), 1995);
}

TEST_F(EventChainTest, SizeBoxHasTheFocusAndItsTextSelectedWhenTheWindowOpens) {
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    EXPECT_EQ(QApplication::focusWidget(), form->Text1);
    EXPECT_EQ(Text(form->Text1->selectedText()), "100");
}

TEST_F(EventChainTest, HoleBasisFitKinds) {
    Click(form->OptionPH[1]);
    EXPECT_EQ(form->Query.FitKindIndex, 1);
    EXPECT_EQ(ListEntries(form->ComboKong), (Entries{"H6", "H7", "H8"}));
    EXPECT_EQ(Text(form->ComboKong->currentText()), "H7");
    EXPECT_EQ(ListEntries(form->ComboZhou), (Entries{"js6", "*k6", "m6", "*n6"}));
    EXPECT_EQ(Text(form->ComboZhou->currentText()), "*k6");
    EXPECT_EQ(Text(form->LabelXC[0]->text()), "k6");
    EXPECT_EQ(Deviations(), (std::vector<std::string>{"+0.035", " 0", "+0.025", "+0.003"}));
    EXPECT_EQ(FitRows(), (std::vector<std::string>{"最大间隙=", "+0.032", "最大过盈=", "-0.025"}));

    Click(form->OptionPH[2]);
    EXPECT_EQ(Text(form->ComboZhou->currentText()), "*p6");
    Pick(form->ComboZhou, "*s6");
    EXPECT_EQ(Text(form->TeZ->text()), "s6");
    EXPECT_EQ(Text(form->LabelXC[0]->text()), "s6");
    EXPECT_EQ(FitRows(), (std::vector<std::string>{"最小过盈=", "-0.036", "最大过盈=", "-0.093"}));
    EXPECT_EQ(Text(form->ComboKong->currentText()), "H7") << "the hole list stays";
}

TEST_F(EventChainTest, PickingABaseHoleRefillsTheShaftsWithTheGroupDefault) {
    Pick(form->ComboZhou, "f6");
    ASSERT_EQ(Text(form->TeZ->text()), "f6");
    Pick(form->ComboKong, "H8");
    EXPECT_EQ(Text(form->TeK->text()), "H8");
    EXPECT_EQ(ListEntries(form->ComboZhou),
              (Entries{"e7", "*f7", "g7", "*h7", "d8", "e8", "f8", "h8"}));
    EXPECT_EQ(Text(form->ComboZhou->currentText()), "*f7");
    EXPECT_EQ(Text(form->LabelXC[0]->text()), "f7");
    EXPECT_EQ(Deviations(), (std::vector<std::string>{"+0.054", " 0", "-0.036", "-0.071"}));

    // Picking the base zone that is already chosen runs the chain again.
    Pick(form->ComboZhou, "e7");
    Pick(form->ComboKong, "H8");
    EXPECT_EQ(Text(form->ComboZhou->currentText()), "*f7");
}

TEST_F(EventChainTest, ShaftBasisClearance) {
    Click(form->OptionJZ[1]);
    EXPECT_EQ(form->Query.BasisIndex, 1);
    EXPECT_EQ(form->Query.FitKindIndex, 0) << "the fit kind is kept";
    EXPECT_EQ(ListEntries(form->ComboZhou),
              (Entries{"h5", "h6", "h7", "h8", "h9", "h10", "h11", "h12"}));
    EXPECT_EQ(Text(form->ComboZhou->currentText()), "h6");
    EXPECT_EQ(ListEntries(form->ComboKong), (Entries{"F7", "*G7", "*H7"}));
    EXPECT_EQ(Text(form->ComboKong->currentText()), "*G7");
    EXPECT_EQ(Text(form->TeK->text()), "G7");
    EXPECT_EQ(Deviations(), (std::vector<std::string>{"+0.047", "+0.012", " 0", "-0.022"}));
    EXPECT_EQ(FitRows(), (std::vector<std::string>{"最大间隙=", "+0.069", "最小间隙=", "+0.012"}));
    EXPECT_TRUE(form->FramePH1->isVisible());

    // A new size refills the hole list and keeps the base shaft list.
    Pick(form->ComboKong, "F7");
    TypeSize("50");
    EXPECT_EQ(Text(form->ComboZhou->currentText()), "h6");
    EXPECT_EQ(ListEntries(form->ComboZhou).size(), 8u);
    EXPECT_EQ(Text(form->ComboKong->currentText()), "*G7");
    EXPECT_EQ(Deviations(), (std::vector<std::string>{"+0.034", "+0.009", " 0", "-0.016"}));
}

TEST_F(EventChainTest, ShaftBasisInterferenceAtFiveAndSixHundred) {
    Click(form->OptionJZ[1]);
    Click(form->OptionPH[2]);
    TypeSize("600");
    EXPECT_EQ(ListEntries(form->ComboZhou), (Entries{"h5"}));
    EXPECT_EQ(form->ComboZhou->currentIndex(), 0);
    EXPECT_EQ(ListEntries(form->ComboKong), (Entries{"N6"}));
    EXPECT_EQ(Text(form->TeK->text()), "N6");
    EXPECT_EQ(Text(form->TeZ->text()), "h5");
    EXPECT_EQ(Text(form->LabelJG->text()), "600");
    EXPECT_TRUE(form->Query.HoleOk);
    EXPECT_TRUE(form->Query.ShaftOk);
    EXPECT_FALSE(form->Picture1->isHidden());

    TypeSize("500");
    EXPECT_EQ(ListEntries(form->ComboZhou), (Entries{"h5", "h6"}));
    EXPECT_EQ(Text(form->ComboZhou->currentText()), "h6");
    EXPECT_EQ(ListEntries(form->ComboKong), (Entries{"*P7", "R7", "*S7", "T7", "*U7"}));
    EXPECT_EQ(Text(form->ComboKong->currentText()), "*P7");
    EXPECT_EQ(Text(form->TeK->text()), "P7");

    TypeSize("500.5");
    EXPECT_EQ(ListEntries(form->ComboZhou), (Entries{"h5"}));
    EXPECT_EQ(ListEntries(form->ComboKong), (Entries{"N6"}));

    // The button itself builds the same base list at this size.
    Click(form->OptionPH[0]);
    Click(form->OptionPH[2]);
    EXPECT_EQ(ListEntries(form->ComboZhou), (Entries{"h5"}));
    EXPECT_EQ(form->ComboZhou->currentIndex(), 0);
}

TEST_F(EventChainTest, CustomAndBackResetsTheZonesToTheDefaults) {
    Click(form->OptionPH[1]);
    Click(form->OptionJZ[2]);
    EXPECT_EQ(form->Query.FitKindIndex, 1);
    EXPECT_FALSE(form->FramePH1->isVisible());
    form->TeK->setFocus();
    form->TeK->selectAll();
    QTest::keyClicks(form->TeK, "m6");
    form->TeZ->setFocus();
    form->TeZ->selectAll();
    QTest::keyClicks(form->TeZ, "e8");
    EXPECT_EQ(Text(form->LabelSC[0]->text()), "M6");
    EXPECT_EQ(Text(form->Label4->text()), "●  间隙配合");
    Click(form->OptionJZ[0]);
    EXPECT_EQ(form->Query.FitKindIndex, 1);
    EXPECT_TRUE(form->OptionPH[1]->isChecked());
    EXPECT_TRUE(form->FramePH1->isVisible());
    EXPECT_FALSE(form->TeK->isVisible());
    EXPECT_TRUE(form->ComboKong->isVisible());
    EXPECT_EQ(Text(form->TeK->text()), "H7");
    EXPECT_EQ(Text(form->TeZ->text()), "k6");
    EXPECT_EQ(ListEntries(form->ComboZhou), (Entries{"js6", "*k6", "m6", "*n6"}));
}

TEST_F(EventChainTest, SizeChangeFallsBackToTheGroupDefault) {
    Pick(form->ComboZhou, "f6");
    EXPECT_EQ(Text(form->LabelXC[0]->text()), "f6");
    TypeSize("50");
    EXPECT_EQ(form->Query.BasicSize, 50.0f);
    EXPECT_EQ(Text(form->LabelJG->text()), "50");
    EXPECT_EQ(Text(form->ComboZhou->currentText()), "*g6");
    EXPECT_EQ(Text(form->LabelXC[0]->text()), "g6");
    EXPECT_EQ(Deviations(), (std::vector<std::string>{"+0.025", " 0", "-0.009", "-0.025"}));
    EXPECT_EQ(FitRows(), (std::vector<std::string>{"最大间隙=", "+0.050", "最小间隙=", "+0.009"}));
}

TEST_F(EventChainTest, SizeLimitsAndTheFramesOfErrorOne) {
    const std::vector<std::string> blanks(4, " - - -");
    TypeSize("3150");
    EXPECT_EQ(form->Query.ErrorCode, 0);
    EXPECT_TRUE(FramesEnabled());
    EXPECT_EQ(Deviations(), (std::vector<std::string>{"+0.210", " 0", "-0.038", "-0.173"}));

    TypeSize("3150.1");
    EXPECT_EQ(form->Query.ErrorCode, 1);
    EXPECT_EQ(Text(form->LabelJG->text()), "3150.1");
    EXPECT_EQ(Deviations(), blanks);
    EXPECT_FALSE(form->FrameJZ->isEnabled());
    EXPECT_FALSE(form->FrameGC->isEnabled());
    EXPECT_FALSE(form->FramePH1->isEnabled());
    EXPECT_TRUE(form->Picture1->isHidden());
    EXPECT_EQ(Text(form->FrameDT->title()), "错误提示");
    EXPECT_EQ(Text(form->Label5->text()), "基本尺寸应输入0～3150");

    form->Text1->setFocus();
    form->Text1->selectAll();
    QTest::keyClick(form->Text1, Qt::Key_Backspace);
    EXPECT_EQ(Text(form->Text1->text()), "");
    EXPECT_EQ(Text(form->LabelJG->text()), "");
    EXPECT_EQ(form->Query.ErrorCode, 1);
    EXPECT_EQ(Deviations(), blanks);
    EXPECT_FALSE(FramesEnabled());

    QTest::keyClicks(form->Text1, "80");
    EXPECT_TRUE(FramesEnabled());
    EXPECT_EQ(form->Query.ErrorCode, 0);
    EXPECT_EQ(Deviations(), (std::vector<std::string>{"+0.030", " 0", "-0.010", "-0.029"}));
    EXPECT_FALSE(form->Picture1->isHidden());
    EXPECT_EQ(Text(form->FrameDT->title()), "公差带图");
}

TEST_F(EventChainTest, SizeTexts) {
    struct Row {
        int Line;
        const char* Pasted;
        float Size;
        const char* Shown;
        std::int16_t Code;
    };
    const Row rows[] = {
        {__LINE__, ".", 0.0f, "0", 0},          {__LINE__, "0.50", 0.5f, "0.5", 0},
        {__LINE__, "12.5.3", 12.5f, "12.5", 0}, {__LINE__, "007", 7.0f, "7", 0},
        {__LINE__, "0", 0.0f, "0", 0},          {__LINE__, " 25mm", 25.0f, "25", 0},
        {__LINE__, "+5", 5.0f, "5", 0},         {__LINE__, "abc", 0.0f, "0", 0},
        {__LINE__, "-5", -5.0f, "-5", 1},       {__LINE__, "9999", 9999.0f, "9999", 1},
    };
    for (const Row& row : rows) {
        const std::string where =
            std::string(__FILE__) + ":" + std::to_string(row.Line) + " '" + row.Pasted + "'";
        QApplication::clipboard()->setText(QString::fromUtf8(row.Pasted));
        form->Text1->selectAll();
        form->Text1->paste();
        EXPECT_EQ(Text(form->Text1->text()), row.Pasted) << where;
        EXPECT_EQ(form->Query.BasicSize, row.Size) << where;
        EXPECT_EQ(Text(form->LabelJG->text()), row.Shown) << where;
        EXPECT_EQ(form->Query.ErrorCode == 1, row.Code == 1) << where;
        EXPECT_EQ(FramesEnabled(), row.Code != 1) << where;
    }
}

TEST_F(EventChainTest, SizeKeysAreFiltered) {
    TypeSize("1a2-, 3.5x6");
    EXPECT_EQ(Text(form->Text1->text()), "123.56");
    QTest::keyClicks(form->Text1, "7");
    EXPECT_EQ(Text(form->Text1->text()), "123.56") << "a seventh character cannot be typed";
    EXPECT_EQ(form->Query.BasicSize, 123.56f);
    EXPECT_EQ(Text(form->LabelJG->text()), "123.56");
}

// A table in which g has no deviation from above 30 up to 50 mm.
ToleranceData TablesWithoutGAtFifty() {
    ToleranceData data = test::StandardData();
    const std::int32_t column = DeviationColumn(Member::Shaft, "g", 6);
    const auto limits = DeviationSizeLimits();
    for (std::int32_t row = 0; row < static_cast<std::int32_t>(limits.size()); ++row) {
        if (limits[static_cast<std::size_t>(row)] == 50.0f)
            data.FundamentalDeviations(column, row) = kUndefinedMark;
    }
    return data;
}

TEST_F(EventChainTest, FailureInTheListRebuildStopsTheRecalculation) {
    auto window = std::make_unique<Form1>();
    window->ReadToleranceData = [] { return DataFileResult{TablesWithoutGAtFifty(), {}}; };
    ASSERT_TRUE(window->Form1_Load());
    Open(std::move(window));
    Pick(form->ComboZhou, "f6");
    ASSERT_EQ(Text(form->LabelXC[1]->text()), "-0.036");
    // One change of the text, straight from 100 to 50 mm.
    QApplication::clipboard()->setText(QStringLiteral("50"));
    form->Text1->selectAll();
    form->Text1->paste();
    EXPECT_EQ(form->Query.ErrorCode, 32) << "the rebuild's computation of g6 failed";
    EXPECT_EQ(Text(form->LabelXC[1]->text()), " - - -");
    EXPECT_EQ(Text(form->Label5->text()), "基本尺寸或公差等级超出标准的适用范围");
    EXPECT_TRUE(form->Picture1->isHidden());
    EXPECT_EQ(Text(form->LabelSC[1]->text()), "+0.035") << "the hole was not computed for 50 mm";
    EXPECT_TRUE(FramesEnabled());
}

TEST_F(EventChainTest, AboutMessage) {
    test::MessageRecorder messages;
    Click(form->Command1);
    ASSERT_EQ(messages.Messages.size(), 1u);
    const MessageRequest& about = messages.Messages.front();
    EXPECT_EQ(about.Icon, MessageIcon::Information);
    EXPECT_EQ(Text(about.Title), "Brimsel");
    const QStringList lines = about.Prompt.split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 14);
    EXPECT_EQ(Text(lines[0]), std::string(37, ' ') + "软件说明");
    EXPECT_TRUE(lines[1].isEmpty());
    EXPECT_TRUE(lines[4].isEmpty());
    EXPECT_TRUE(lines[12].isEmpty());
    EXPECT_EQ(Text(lines[5]), "特点:");
    EXPECT_EQ(Text(lines[6]), "1. 基本尺寸范围0～3150,公差等级范围IT01～IT18；");
    EXPECT_EQ(Text(lines[13]), "如发现问题，请与作者联系，谢谢！");
    EXPECT_FALSE(about.Prompt.endsWith('\n'));
    EXPECT_EQ(about.Prompt.count('\n'), 13);
    EXPECT_EQ(about.Prompt.count('\r'), 13);
}

TEST_F(EventChainTest, KeepInFrontNeitherMovesNorResizes) {
    form->move(40, 30);
    const QPoint position = form->pos();
    const QSize extent = form->size();
    for (const bool ticked : {true, false, true, false}) {
        Click(form->Check1);
        EXPECT_EQ(form->Check1->isChecked(), ticked);
        EXPECT_EQ(form->windowFlags().testFlag(Qt::WindowStaysOnTopHint), ticked);
        EXPECT_TRUE(form->isVisible());
        EXPECT_EQ(form->pos(), position);
        EXPECT_EQ(form->size(), extent);
    }
    EXPECT_EQ(Text(form->LabelSC[1]->text()), "+0.035") << "nothing else changed";
}

}  // namespace
}  // namespace brimsel::ui
