// The zone boxes TeK and TeZ and the fit result they draw.
#include <gtest/gtest.h>

#include <QTest>

#include "UiTestSupport.h"

namespace brimsel::ui {
namespace {

using test::Text;

class ZoneEntryTest : public ::testing::Test {
  protected:
    void SetUp() override {
        form = test::StartedWindow();
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    }

    void UseCustomBasis() { QTest::mouseClick(form->OptionJZ[2], Qt::LeftButton); }
    // Replaces the box's text the way a person does: select all, then type.
    void Type(TextBox* box, const char* keys) {
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, keys);
    }
    void SetSize(const char* size) {
        Type(form->Text1, size);
        ASSERT_EQ(Text(form->Text1->text()), size);
    }
    std::vector<std::string> FitRows() const {
        return {Text(form->Label1[0]->text()), Text(form->Label3[0]->text()),
                Text(form->Label1[1]->text()), Text(form->Label3[1]->text()),
                Text(form->Label4->text())};
    }

    std::unique_ptr<Form1> form;
};

TEST_F(ZoneEntryTest, CustomBasisShowsTheBoxesAndTheNote) {
    UseCustomBasis();
    EXPECT_TRUE(form->OptionJZ[2]->isChecked());
    EXPECT_EQ(form->Query.BasisIndex, 2);
    EXPECT_TRUE(form->TeK->isVisible());
    EXPECT_TRUE(form->TeZ->isVisible());
    EXPECT_FALSE(form->ComboKong->isVisible());
    EXPECT_FALSE(form->ComboZhou->isVisible());
    EXPECT_TRUE(form->FramePH2->isVisible());
    EXPECT_FALSE(form->FramePH1->isVisible());
    EXPECT_EQ(Text(form->TeK->text()), "H7") << "the zones last shown";
    EXPECT_EQ(Text(form->TeZ->text()), "g6");
    EXPECT_EQ(Text(form->Label4->text()), "●  间隙配合");
}

TEST_F(ZoneEntryTest, TypedZonesAreNormalisedByMember) {
    UseCustomBasis();
    Type(form->TeK, "h7");
    EXPECT_EQ(Text(form->TeK->text()), "H7");
    EXPECT_EQ(Text(form->LabelSC[0]->text()), "H7");
    EXPECT_EQ(form->TeK->cursorPosition(), 2);
    Type(form->TeZ, "JS6");
    EXPECT_EQ(Text(form->TeZ->text()), "js6");
    EXPECT_EQ(Text(form->LabelXC[0]->text()), "js6");
    EXPECT_EQ(form->Query.ShaftLetter, "js");
    EXPECT_EQ(Text(form->LabelXC[1]->text()), "+0.011");
    EXPECT_EQ(Text(form->LabelXC[2]->text()), "-0.011");
    EXPECT_FALSE(form->Picture1->isHidden());
}

TEST_F(ZoneEntryTest, WrittenZoneTextsAreNormalised) {
    UseCustomBasis();
    struct Row {
        int Line;
        bool Hole;
        const char* Written;
        const char* Shown;
        const char* Letters;
    };
    const Row rows[] = {
        {__LINE__, true, "H07", "H7", "H"},      {__LINE__, true, "H01", "H01", "H"},
        {__LINE__, true, "H0", "H0", "H"},       {__LINE__, true, "H00", "H0", "H"},
        {__LINE__, true, "*H7", "H7", "H"},      {__LINE__, true, " js6", "JS6", "JS"},
        {__LINE__, true, "**F8", "F8", "F"},     {__LINE__, true, "7H", "7", ""},
        {__LINE__, true, "JS", "JS", "JS"},      {__LINE__, true, "cd010", "CD10", "CD"},
        {__LINE__, false, "*g6", "g6", "g"},     {__LINE__, false, "G6", "g6", "g"},
        {__LINE__, false, "ZC11", "zc11", "zc"}, {__LINE__, false, "h7x", "h7", "h"},
    };
    for (const Row& row : rows) {
        const std::string where =
            std::string(__FILE__) + ":" + std::to_string(row.Line) + " " + row.Written;
        TextBox* box = row.Hole ? form->TeK : form->TeZ;
        Caption* label = row.Hole ? form->LabelSC[0] : form->LabelXC[0];
        WriteText(*box, QString::fromUtf8(row.Written));
        EXPECT_EQ(Text(box->text()), row.Shown) << where;
        EXPECT_EQ(Text(label->text()), row.Shown) << where;
        EXPECT_EQ(row.Hole ? form->LastHoleZone : form->LastShaftZone, row.Shown) << where;
        EXPECT_EQ(row.Hole ? form->Query.HoleLetter : form->Query.ShaftLetter, row.Letters)
            << where;
    }
}

TEST_F(ZoneEntryTest, ZonesOfTheFinestGradesKeepTheirText) {
    UseCustomBasis();
    SetSize("2");
    Type(form->TeK, "js01");
    EXPECT_EQ(Text(form->TeK->text()), "JS01");
    EXPECT_EQ(form->Query.HoleGrade, "-1") << "the lookup writes back the grade number";
    EXPECT_EQ(Text(form->LabelSC[1]->text()), "+0.0002");
    // A new size computes the same zone again from the written-back grade.
    SetSize("3");
    EXPECT_TRUE(form->Query.HoleOk);
    EXPECT_EQ(Text(form->LabelSC[1]->text()), "+0.0002");
    EXPECT_EQ(Text(form->TeK->text()), "JS01");
}

TEST_F(ZoneEntryTest, EmptiedBoxShowsItsZonesError) {
    UseCustomBasis();
    form->TeZ->setFocus();
    form->TeZ->selectAll();
    QTest::keyClick(form->TeZ, Qt::Key_Backspace);
    EXPECT_EQ(Text(form->TeZ->text()), "");
    EXPECT_EQ(Text(form->LabelXC[0]->text()), "");
    EXPECT_EQ(form->Query.ErrorCode, 22);
    EXPECT_FALSE(form->Query.ShaftOk);
    EXPECT_EQ(Text(form->LabelXC[1]->text()), " - - -");
    EXPECT_EQ(Text(form->LabelSC[1]->text()), "+0.035") << "the hole keeps its values";
    EXPECT_TRUE(form->Picture1->isHidden());
    EXPECT_EQ(Text(form->Label5->text()), "公差等级输入未完成或错误");
}

TEST_F(ZoneEntryTest, FitIsDrawnOnlyWhenBothZonesAreValid) {
    UseCustomBasis();
    Type(form->TeK, "Q7");
    EXPECT_TRUE(form->Picture1->isHidden());
    Type(form->TeZ, "h6");
    EXPECT_TRUE(form->Query.ShaftOk);
    EXPECT_FALSE(form->Query.HoleOk);
    EXPECT_TRUE(form->Picture1->isHidden()) << "the hole is still wrong";
    EXPECT_EQ(Text(form->FrameDT->title()), "错误提示");
    Type(form->TeK, "H7");
    EXPECT_FALSE(form->Picture1->isHidden());
    EXPECT_EQ(Text(form->FrameDT->title()), "公差带图");
    EXPECT_EQ(FitRows(),
              (std::vector<std::string>{"最大间隙=", "+0.057", "最小间隙=", " 0", "●  间隙配合"}));
}

TEST_F(ZoneEntryTest, UnchangedZoneIsNotComputedAgainButStillDraws) {
    UseCustomBasis();
    Type(form->TeK, "G7");
    ASSERT_EQ(Text(form->LabelSC[1]->text()), "+0.047");
    // Marks that a new computation of the hole would overwrite.
    form->Query.HoleUpperDev = 1.0f;
    form->LabelSC[1]->SetText("x");
    WriteText(*form->TeK, "*G7");
    EXPECT_EQ(Text(form->TeK->text()), "G7");
    EXPECT_EQ(Text(form->LabelSC[1]->text()), "x") << "G7 was computed already";
    EXPECT_EQ(Text(form->Label3[0]->text()), "+1.034") << "the fit is drawn from the fields";
}

TEST_F(ZoneEntryTest, ListBasesDrawFromTheMatingBoxOnly) {
    // Hole basis: a hole zone written by the list never draws by itself.
    Form1TestAccess::ShowError(*form, 99);
    WriteText(*form->TeK, "H8");
    EXPECT_TRUE(form->Query.HoleOk);
    EXPECT_TRUE(form->Picture1->isHidden());
    WriteText(*form->TeZ, "f7");
    EXPECT_FALSE(form->Picture1->isHidden());

    // Shaft basis: the shaft box does not draw.
    QTest::mouseClick(form->OptionJZ[1], Qt::LeftButton);
    ASSERT_TRUE(form->OptionJZ[1]->isChecked());
    Form1TestAccess::ShowError(*form, 99);
    WriteText(*form->TeZ, "h7");
    EXPECT_TRUE(form->Query.ShaftOk);
    EXPECT_TRUE(form->Picture1->isHidden());
    WriteText(*form->TeK, "F8");
    EXPECT_FALSE(form->Picture1->isHidden());
}

TEST_F(ZoneEntryTest, ZoneKeysAreFiltered) {
    UseCustomBasis();
    Type(form->TeK, "*h .-7,");
    EXPECT_EQ(Text(form->TeK->text()), "H7") << "mark, blank, point, minus and comma are ignored";
    Type(form->TeK, "zc10");
    EXPECT_EQ(Text(form->TeK->text()), "ZC10");
    QTest::keyClicks(form->TeK, "1");
    EXPECT_EQ(Text(form->TeK->text()), "ZC10") << "a fifth character cannot be typed";
    Type(form->TeZ, "Zc10");
    EXPECT_EQ(Text(form->TeZ->text()), "zc10");
}

TEST_F(ZoneEntryTest, FocusSelectsTheWholeZone) {
    UseCustomBasis();
    form->TeK->setFocus();
    QTest::keyClick(form->TeK, Qt::Key_Tab);
    ASSERT_TRUE(form->TeZ->hasFocus());
    EXPECT_EQ(Text(form->TeZ->selectedText()), "g6");
    QTest::mouseClick(form->TeK, Qt::LeftButton, {}, QPoint(3, 5));
    ASSERT_TRUE(form->TeK->hasFocus());
    EXPECT_EQ(Text(form->TeK->selectedText()), "H7");
}

TEST_F(ZoneEntryTest, LimitsOfFitAndKindFromTheValues) {
    UseCustomBasis();
    struct Row {
        int Line;
        const char* Size;
        const char* Hole;
        const char* Shaft;
        std::vector<std::string> Rows;
        int BarEnd;
    };
    const Row rows[] = {
        {__LINE__,
         "100",
         "H7",
         "g6",
         {"最大间隙=", "+0.069", "最小间隙=", "+0.012", "●  间隙配合"},
         1995},
        {__LINE__,
         "100",
         "H7",
         "h6",
         {"最大间隙=", "+0.057", "最小间隙=", " 0", "●  间隙配合"},
         1995},
        {__LINE__,
         "100",
         "H7",
         "k6",
         {"最大间隙=", "+0.032", "最大过盈=", "-0.025", "●  过渡配合"},
         1995},
        {__LINE__,
         "100",
         "H7",
         "s6",
         {"最小过盈=", "-0.036", "最大过盈=", "-0.093", "●  过盈配合"},
         1995},
        {__LINE__,
         "8",
         "JS6",
         "h5",
         {"最大间隙=", "+0.0105", "最大过盈=", "-0.0045", "●  过渡配合"},
         2070},
        {__LINE__,
         "8",
         "H6",
         "js5",
         {"最大间隙=", "+0.012", "最大过盈=", "-0.003", "●  过渡配合"},
         1995},
    };
    for (const Row& row : rows) {
        const std::string where = std::string(__FILE__) + ":" + std::to_string(row.Line) + " " +
                                  row.Hole + "/" + row.Shaft + " at " + row.Size;
        SetSize(row.Size);
        Type(form->TeK, row.Hole);
        Type(form->TeZ, row.Shaft);
        EXPECT_EQ(FitRows(), row.Rows) << where;
        EXPECT_EQ(form->Line1->X2(), row.BarEnd) << where;
        EXPECT_EQ(form->Line1->X1(), 840) << where;
    }
}

}  // namespace
}  // namespace brimsel::ui
