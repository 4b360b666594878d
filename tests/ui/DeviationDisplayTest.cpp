// The hole and shaft computations as the window runs them, and the error display.
#include <gtest/gtest.h>

#include <QEvent>

#include "UiTestSupport.h"

namespace brimsel::ui {
namespace {

using test::Text;

const std::string kBlank = " - - -";

class DeviationDisplayTest : public ::testing::Test {
  protected:
    std::unique_ptr<Form1> form = test::StartedWindow();

    void ComputeHole(const std::string& letters, const std::string& grade) {
        form->Query.HoleLetter = letters;
        form->Query.HoleGrade = grade;
        Form1TestAccess::ComputeHoleDeviations(*form);
    }
    void ComputeShaft(const std::string& letters, const std::string& grade) {
        form->Query.ShaftLetter = letters;
        form->Query.ShaftGrade = grade;
        Form1TestAccess::ComputeShaftDeviations(*form);
    }
    std::vector<std::string> Deviations() const {
        return {Text(form->LabelSC[1]->text()), Text(form->LabelSC[2]->text()),
                Text(form->LabelXC[1]->text()), Text(form->LabelXC[2]->text())};
    }
};

TEST_F(DeviationDisplayTest, StartUpShowsHSevenOverGSix) {
    EXPECT_EQ(Deviations(), (std::vector<std::string>{"+0.035", " 0", "-0.012", "-0.034"}));
    EXPECT_FLOAT_EQ(form->Query.HoleUpperDev, 0.035f);
    EXPECT_FLOAT_EQ(form->Query.HoleLowerDev, 0.0f);
    EXPECT_FLOAT_EQ(form->Query.ShaftUpperDev, -0.012f);
    EXPECT_FLOAT_EQ(form->Query.ShaftLowerDev, -0.034f);
    EXPECT_EQ(form->Line1->X1(), 840) << "30 twips left of the shaft zone name at 870";
}

TEST_F(DeviationDisplayTest, SuccessfulComputationsWriteFieldsCaptionsAndFlag) {
    struct Row {
        int Line;
        bool Hole;
        const char* Letters;
        const char* Grade;
        float Size;
        const char* Upper;
        const char* Lower;
        const char* GradeAfter;
    };
    const Row rows[] = {
        {__LINE__, true, "K", "7", 100, "+0.010", "-0.025", "7"},
        {__LINE__, true, "JS", "6", 8, "+0.0045", "-0.0045", "6"},
        {__LINE__, true, "F", "8", 30, "+0.053", "+0.020", "8"},
        {__LINE__, true, "JS", "01", 2, "+0.0002", "-0.0002", "-1"},
        {__LINE__, false, "k", "6", 100, "+0.025", "+0.003", "6"},
        {__LINE__, false, "h", "6", 100, " 0", "-0.022", "6"},
        {__LINE__, false, "js", "7", 5, "+0.006", "-0.006", "7"},
    };
    for (const Row& row : rows) {
        const std::string where = std::string(__FILE__) + ":" + std::to_string(row.Line);
        form->Query.BasicSize = row.Size;
        if (row.Hole) {
            ComputeHole(row.Letters, row.Grade);
            EXPECT_TRUE(form->Query.HoleOk) << where;
            EXPECT_EQ(Text(form->LabelSC[1]->text()), row.Upper) << where;
            EXPECT_EQ(Text(form->LabelSC[2]->text()), row.Lower) << where;
            EXPECT_EQ(form->Query.HoleGrade, row.GradeAfter) << where;
        } else {
            ComputeShaft(row.Letters, row.Grade);
            EXPECT_TRUE(form->Query.ShaftOk) << where;
            EXPECT_EQ(Text(form->LabelXC[1]->text()), row.Upper) << where;
            EXPECT_EQ(Text(form->LabelXC[2]->text()), row.Lower) << where;
            EXPECT_EQ(form->Query.ShaftGrade, row.GradeAfter) << where;
        }
        EXPECT_EQ(form->Query.ErrorCode, 0) << where;
    }
}

TEST_F(DeviationDisplayTest, FailingComputationKeepsTheDeviationsAndShowsItsError) {
    struct Row {
        int Line;
        bool Hole;
        const char* Letters;
        const char* Grade;
        float Size;
        std::int16_t Code;
        const char* Message;
    };
    const Row rows[] = {
        {__LINE__, true, "Q", "7", 100, 21, "公差等级输入未完成或错误"},
        {__LINE__, true, "H", "19", 100, 21, "公差等级输入未完成或错误"},
        {__LINE__, true, "H", "", 100, 21, "公差等级输入未完成或错误"},
        {__LINE__, true, "K", "2", 100, 31, "基本尺寸或公差等级超出标准的适用范围"},
        {__LINE__, true, "H", "01", 600, 31, "基本尺寸或公差等级超出标准的适用范围"},
        {__LINE__, false, "q", "7", 100, 22, "公差等级输入未完成或错误"},
        {__LINE__, false, "a", "11", 600, 32, "基本尺寸或公差等级超出标准的适用范围"},
    };
    for (const Row& row : rows) {
        const std::string where = std::string(__FILE__) + ":" + std::to_string(row.Line);
        auto fresh = test::StartedWindow();
        form.swap(fresh);
        form->Query.BasicSize = row.Size;
        const QueryState before = form->Query;
        if (row.Hole) {
            ComputeHole(row.Letters, row.Grade);
            EXPECT_FALSE(form->Query.HoleOk) << where;
            EXPECT_TRUE(form->Query.ShaftOk) << where;
            EXPECT_EQ(Deviations(), (std::vector<std::string>{kBlank, kBlank, "-0.012", "-0.034"}))
                << where;
        } else {
            ComputeShaft(row.Letters, row.Grade);
            EXPECT_FALSE(form->Query.ShaftOk) << where;
            EXPECT_TRUE(form->Query.HoleOk) << where;
            EXPECT_EQ(Deviations(), (std::vector<std::string>{"+0.035", " 0", kBlank, kBlank}))
                << where;
        }
        EXPECT_EQ(form->Query.ErrorCode, row.Code) << where;
        EXPECT_EQ(form->Query.HoleUpperDev, before.HoleUpperDev) << where;
        EXPECT_EQ(form->Query.HoleLowerDev, before.HoleLowerDev) << where;
        EXPECT_EQ(form->Query.ShaftUpperDev, before.ShaftUpperDev) << where;
        EXPECT_EQ(form->Query.ShaftLowerDev, before.ShaftLowerDev) << where;
        EXPECT_TRUE(form->Picture1->isHidden()) << where;
        EXPECT_EQ(Text(form->FrameDT->title()), "错误提示") << where;
        EXPECT_EQ(Text(form->Label5->text()), row.Message) << where;
        EXPECT_TRUE(form->FrameGC->isEnabled()) << where;
    }
}

TEST_F(DeviationDisplayTest, SmallSizeRulesApplyInTheCustomBasisOnly) {
    form->Query.BasicSize = 1;
    ComputeHole("A", "11");
    EXPECT_TRUE(form->Query.HoleOk) << "hole basis";
    SetOptionValue(*form->OptionJZ[2]);
    form->Query.BasicSize = 1;
    ComputeHole("A", "11");
    EXPECT_EQ(form->Query.ErrorCode, 41);
    ComputeShaft("b", "11");
    EXPECT_EQ(form->Query.ErrorCode, 42);
    ComputeShaft("n", "9");
    EXPECT_TRUE(form->Query.ShaftOk);
}

TEST_F(DeviationDisplayTest, FractionBarMovesOnlyWhenTheLookupGotThatFar) {
    form->Line1->SetX1(500);
    ComputeHole("H", "");
    EXPECT_EQ(form->Line1->X1(), 500) << "an empty grade fails before the bar is placed";
    ComputeHole("H", "21");
    EXPECT_EQ(form->Line1->X1(), 500);
    ComputeHole("Q", "7");
    EXPECT_EQ(form->Line1->X1(), 840);
}

TEST_F(DeviationDisplayTest, ErrorDisplayByCode) {
    struct Row {
        int Line;
        std::int16_t Code;
        std::vector<std::string> Deviations;
        const char* Message;
        bool FramesEnabled;
    };
    const std::string h1 = "+0.035", h2 = " 0", s1 = "-0.012", s2 = "-0.034";
    const Row rows[] = {
        {__LINE__, 1, {kBlank, kBlank, kBlank, kBlank}, "基本尺寸应输入0～3150", false},
        {__LINE__, 21, {kBlank, kBlank, s1, s2}, "公差等级输入未完成或错误", true},
        {__LINE__, 22, {h1, h2, kBlank, kBlank}, "公差等级输入未完成或错误", true},
        {__LINE__, 31, {kBlank, kBlank, s1, s2}, "基本尺寸或公差等级超出标准的适用范围", true},
        {__LINE__, 41, {kBlank, kBlank, s1, s2}, "基本尺寸或公差等级超出标准的适用范围", true},
        {__LINE__, 32, {h1, h2, kBlank, kBlank}, "基本尺寸或公差等级超出标准的适用范围", true},
        {__LINE__, 42, {h1, h2, kBlank, kBlank}, "基本尺寸或公差等级超出标准的适用范围", true},
        {__LINE__, 0, {h1, h2, s1, s2}, "", true},
        {__LINE__, 99, {h1, h2, s1, s2}, "", true},
    };
    for (const Row& row : rows) {
        const std::string where = std::string(__FILE__) + ":" + std::to_string(row.Line) +
                                  " code " + std::to_string(row.Code);
        auto fresh = test::StartedWindow();
        form.swap(fresh);
        const std::string zoneLabels =
            Text(form->LabelSC[0]->text()) + "/" + Text(form->LabelXC[0]->text());
        form->Query.ErrorCode = 7;
        Form1TestAccess::ShowError(*form, row.Code);
        EXPECT_EQ(Deviations(), row.Deviations) << where;
        EXPECT_EQ(Text(form->Label5->text()), row.Message) << where;
        EXPECT_EQ(Text(form->Label4->text()), "") << where;
        EXPECT_EQ(Text(form->FrameDT->title()), "错误提示") << where;
        EXPECT_TRUE(form->Picture1->isHidden()) << where;
        EXPECT_EQ(form->FrameJZ->isEnabled(), row.FramesEnabled) << where;
        EXPECT_EQ(form->FrameGC->isEnabled(), row.FramesEnabled) << where;
        EXPECT_EQ(form->FramePH1->isEnabled(), row.FramesEnabled) << where;
        EXPECT_TRUE(form->FrameJB->isEnabled()) << where;
        EXPECT_EQ(form->Query.ErrorCode, 7) << where << ": the display only reads the code";
        EXPECT_EQ(Text(form->LabelSC[0]->text()) + "/" + Text(form->LabelXC[0]->text()), zoneLabels)
            << where;
        EXPECT_EQ(Text(form->LabelJG->text()), "100") << where;
    }
}

TEST_F(DeviationDisplayTest, EveryMessageFitsInsideTheDiagramFrame) {
    for (const std::int16_t code : {std::int16_t{1}, std::int16_t{21}, std::int16_t{31}}) {
        Form1TestAccess::ShowError(*form, code);
        const QRect message = form->Label5->geometry();
        EXPECT_GE(message.left(), 0) << code;
        EXPECT_LE(message.right(), form->FrameDT->width() - 1) << code;
        EXPECT_EQ(message.width(), form->Label5->sizeHint().width()) << code;
    }
    // The short messages stay where the layout puts them.
    Form1TestAccess::ShowError(*form, 21);
    EXPECT_EQ(form->Label5->x(), 132);
}

TEST_F(DeviationDisplayTest, ZoneNamesKeepTheirLeftSoTheBarStartsAtOnePlace) {
    SetOptionValue(*form->OptionJZ[2]);
    WriteText(*form->TeK, "ZC18");
    WriteText(*form->TeZ, "js5");
    EXPECT_EQ(form->LabelSC[0]->x(), 60);
    EXPECT_EQ(form->LabelXC[0]->x(), 58);
    EXPECT_EQ(form->Line1->X1(), 840);
}

// Records the order in which watched widgets change their enabled state.
class EnabledOrder : public QObject {
  public:
    std::vector<std::string> Changes;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::EnabledChange) {
            Changes.push_back(watched->objectName().toStdString());
        }
        return false;
    }
};

TEST_F(DeviationDisplayTest, BasicSizeErrorDisablesTheThreeFramesInOrder) {
    EnabledOrder order;
    for (QWidget* frame :
         {static_cast<QWidget*>(form->FrameJZ), static_cast<QWidget*>(form->FrameGC),
          static_cast<QWidget*>(form->FramePH1)}) {
        frame->installEventFilter(&order);
    }
    Form1TestAccess::ShowError(*form, 1);
    EXPECT_EQ(order.Changes, (std::vector<std::string>{"FrameJZ", "FrameGC", "FramePH1"}));
    EXPECT_FALSE(form->OptionJZ[1]->isEnabled()) << "a disabled frame disables what it holds";
    EXPECT_FALSE(form->ComboZhou->isEnabled());
}

}  // namespace
}  // namespace brimsel::ui
