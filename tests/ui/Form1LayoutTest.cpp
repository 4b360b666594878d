// The window as laid out: places, fonts, colours, fixed captions, focus order.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGroupBox>
#include <QTest>

#include "UiTestSupport.h"
#include "ui/Appearance.h"
#include "ui/Layout.h"
#include "ui/strings/StringTable.h"

namespace brimsel::ui {
namespace {

using test::Text;

class Form1LayoutTest : public ::testing::Test {
  protected:
    std::unique_ptr<Form1> form = test::NewWindow();

    QWidget* Control(std::string_view name) {
        if (name == kWindowName) return form.get();
        return form->findChild<QWidget*>(QString::fromUtf8(name.data(), qsizetype(name.size())));
    }
};

TEST_F(Form1LayoutTest, WindowCaptionSizeAndIcon) {
    EXPECT_EQ(Text(form->windowTitle()), "Brimsel   V1.3.8");
    EXPECT_EQ(form->size(), QSize(488, 286));
    EXPECT_EQ(form->minimumSize(), form->maximumSize()) << "the window does not resize";
    EXPECT_FALSE(form->windowIcon().isNull());
    ASSERT_NE(form->Image1->pixmap().isNull(), true);
    EXPECT_EQ(form->Image1->pixmap().size(), QSize(40, 40));
}

TEST_F(Form1LayoutTest, EveryControlSitsWhereTheLayoutTablePutsIt) {
    for (const ControlPlace& row : kControlTable) {
        const std::string name(row.Name);
        QWidget* control = Control(row.Name);
        ASSERT_NE(control, nullptr) << name;
        ASSERT_NE(control->parentWidget(), nullptr) << name;
        EXPECT_EQ(Text(control->parentWidget()->objectName()), std::string(row.Container)) << name;
        const QRect expected = PxRect(row.Twips);
        const auto* caption = qobject_cast<Caption*>(control);
        if (caption != nullptr && caption->AutoSize()) {
            EXPECT_EQ(control->y(), expected.y()) << name;
            if (caption->alignment() & Qt::AlignRight) {
                EXPECT_EQ(control->x() + control->width(), expected.x() + expected.width()) << name;
            } else {
                EXPECT_EQ(control->x(), expected.x()) << name;
            }
        } else {
            EXPECT_EQ(control->geometry(), expected) << name;
        }
    }
}

TEST_F(Form1LayoutTest, TwipsBecomePixelsAtFifteenToOne) {
    EXPECT_EQ(form->Text1->geometry(), QRect(28, 21, 65, 23));
    EXPECT_EQ(form->Picture1->geometry(), QRect(28, 20, 295, 70));
    EXPECT_EQ(form->Label5->pos(), QPoint(132, 44)) << "1987 twips is 132.47 pixels";
    EXPECT_EQ(form->FrameDT->geometry(), QRect(8, 168, 341, 97));
    EXPECT_EQ(form->Line1->geometry(), QRect(QPoint(62, 55), QPoint(133, 55)));
    EXPECT_EQ(form->Line1->X1(), 930);
    EXPECT_EQ(form->Line1->X2(), 1995);
    EXPECT_EQ(Text(form->Line1->parentWidget()->objectName()), "FrameCX");
}

TEST_F(Form1LayoutTest, TextsOfTheLayout) {
    struct Row {
        int Line;
        QWidget* Control;
        std::string Expected;
    };
    auto title = [](QGroupBox* frame) { return Text(frame->title()); };
    EXPECT_EQ(title(form->FrameJB), "基本尺寸");
    EXPECT_EQ(title(form->FrameJZ), "基准制式");
    EXPECT_EQ(title(form->FramePH1), "配合形式");
    EXPECT_EQ(title(form->FramePH2), "配合形式");
    EXPECT_EQ(title(form->FrameGC), "公差等级");
    EXPECT_EQ(title(form->FrameCX), "查询结果");
    EXPECT_EQ(title(form->FrameDT), "公差带图");
    EXPECT_EQ(title(form->FrameSET), "选项");
    EXPECT_EQ(Text(form->Text1->text()), "100");
    EXPECT_EQ(Text(form->Label2->text()), "mm");
    EXPECT_EQ(Text(form->OptionJZ[0]->text()), "基孔制");
    EXPECT_EQ(Text(form->OptionJZ[1]->text()), "基轴制");
    EXPECT_EQ(Text(form->OptionJZ[2]->text()), "自定义");
    EXPECT_EQ(Text(form->OptionPH[0]->text()), "间隙配合");
    EXPECT_EQ(Text(form->OptionPH[1]->text()), "过渡配合");
    EXPECT_EQ(Text(form->OptionPH[2]->text()), "过盈配合");
    EXPECT_EQ(Text(form->Label9->text()), "仅优先和常用配合");
    EXPECT_EQ(Text(form->Label8->text()), "        自定义可查询所有公差，但不推荐使用 ");
    EXPECT_EQ(Text(form->Label6->text()), "孔公差");
    EXPECT_EQ(Text(form->Label7->text()), "轴公差");
    EXPECT_EQ(Text(form->Check1->text()), "置前显示");
    EXPECT_EQ(Text(form->Command1->text()), "说 明");
    EXPECT_EQ(Text(form->Label10->text()), std::string(LoadString(123)));
    EXPECT_FALSE(form->Check1->isChecked());
    EXPECT_TRUE(form->OptionPH[0]->isChecked());
    for (OptionButton* b : form->OptionJZ) EXPECT_FALSE(b->isChecked()) << "none before start-up";
    EXPECT_TRUE(form->Label8->wordWrap());
    EXPECT_FALSE(form->Label8->AutoSize());
    EXPECT_FALSE(form->Label4->AutoSize());
}

TEST_F(Form1LayoutTest, FontsAreSizedAsAtNinetySixDotsPerInch) {
    struct Row {
        int Line;
        QWidget* Control;
        int PixelSize;
        bool Bold;
        bool FixedPitch;
    };
    const Row rows[] = {
        {__LINE__, form->FrameJB, 12, false, false},
        {__LINE__, form->Text1, 16, true, false},
        {__LINE__, form->OptionJZ[1], 12, false, false},
        {__LINE__, form->Label8, 11, false, false},
        {__LINE__, form->LabelJG, 21, true, false},
        {__LINE__, form->LabelSC[0], 16, false, false},
        {__LINE__, form->LabelSC[1], 12, false, true},
        {__LINE__, form->LabelXC[2], 12, false, true},
        {__LINE__, form->Label3[0], 12, false, true},
        {__LINE__, form->Label1[1], 12, false, false},
        {__LINE__, form->Label5, 12, true, false},
        {__LINE__, form->Picture1, 12, false, false},
        {__LINE__, form->ComboKong, 12, false, false},
        {__LINE__, form->TeZ, 12, false, false},
    };
    for (const Row& row : rows) {
        const QFontInfo info(row.Control->font());
        const std::string where = std::string(__FILE__) + ":" + std::to_string(row.Line) + " " +
                                  Text(row.Control->objectName());
        EXPECT_EQ(row.Control->font().pixelSize(), row.PixelSize) << where;
        EXPECT_EQ(info.bold(), row.Bold) << where;
        // CJK monospace faces do not call themselves fixed pitch (their
        // ideographs are twice as wide); what matters is that the characters
        // of a deviation line up.
        const QFontMetrics metrics(row.Control->font());
        bool sameWidths = true;
        for (const QChar c : QStringLiteral("+- .0123456789")) {
            sameWidths =
                sameWidths && metrics.horizontalAdvance(c) == metrics.horizontalAdvance('0');
        }
        EXPECT_EQ(sameWidths, row.FixedPitch) << where << " resolved to " << Text(info.family());
    }
    EXPECT_EQ(Text(QFontInfo(form->Text1->font()).family()), "Liberation Sans");
    EXPECT_DOUBLE_EQ(fonts::Points(form->Label8->font()), 8.25);
    EXPECT_DOUBLE_EQ(fonts::Points(form->LabelJG->font()), 15.75);
}

TEST_F(Form1LayoutTest, Colours) {
    struct Row {
        int Line;
        QWidget* Control;
        QPalette::ColorRole Role;
        QRgb Colour;
    };
    const Row rows[] = {
        {__LINE__, form->FrameJB, QPalette::WindowText, qRgb(128, 0, 128)},
        {__LINE__, form->FrameDT, QPalette::WindowText, qRgb(128, 0, 128)},
        {__LINE__, form->Text1, QPalette::Text, qRgb(0, 0, 255)},
        {__LINE__, form->Label2, QPalette::WindowText, qRgb(0, 128, 0)},
        {__LINE__, form->OptionJZ[0], QPalette::WindowText, qRgb(0, 128, 128)},
        {__LINE__, form->OptionPH[2], QPalette::WindowText, qRgb(0, 128, 128)},
        {__LINE__, form->Label9, QPalette::WindowText, qRgb(255, 0, 0)},
        {__LINE__, form->Label8, QPalette::WindowText, qRgb(255, 0, 0)},
        {__LINE__, form->Label4, QPalette::WindowText, qRgb(0, 128, 128)},
        {__LINE__, form->Label6, QPalette::WindowText, qRgb(0, 128, 128)},
        {__LINE__, form->ComboZhou, QPalette::ButtonText, qRgb(0, 0, 255)},
        {__LINE__, form->TeK, QPalette::Text, qRgb(0, 0, 255)},
        {__LINE__, form->LabelJG, QPalette::WindowText, qRgb(0, 0, 255)},
        {__LINE__, form->LabelXC[1], QPalette::WindowText, qRgb(0, 0, 255)},
        {__LINE__, form->Line1, QPalette::WindowText, qRgb(0, 0, 255)},
        {__LINE__, form->Label1[0], QPalette::WindowText, qRgb(0, 0, 255)},
        {__LINE__, form->Label5, QPalette::WindowText, qRgb(255, 0, 0)},
        {__LINE__, form->Check1, QPalette::WindowText, qRgb(0, 128, 128)},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(row.Control->palette().color(QPalette::Active, row.Role).rgb(), row.Colour)
            << __FILE__ << ":" << row.Line << " " << Text(row.Control->objectName());
    }
    // The drawing surface keeps the system's colours, not its frame's purple.
    EXPECT_EQ(form->Picture1->palette().color(QPalette::WindowText),
              QApplication::palette().color(QPalette::WindowText));
    // A disabled frame still greys out its text.
    EXPECT_NE(form->FrameJZ->palette().color(QPalette::Disabled, QPalette::WindowText).rgb(),
              qRgb(128, 0, 128));
}

TEST_F(Form1LayoutTest, FocusOrderStartsAtTheSizeBox) {
    form->TeK->show();
    form->TeZ->show();
    const std::vector<QWidget*> expected = {form->Text1,       form->OptionJZ[0], form->OptionJZ[1],
                                            form->OptionJZ[2], form->OptionPH[0], form->OptionPH[1],
                                            form->OptionPH[2], form->ComboKong,   form->ComboZhou,
                                            form->TeK,         form->TeZ,         form->Check1,
                                            form->Picture1,    form->Command1};
    std::vector<QWidget*> chain;
    QWidget* w = form->Text1;
    do {
        if (w->focusPolicy() & Qt::TabFocus) chain.push_back(w);
        w = w->nextInFocusChain();
    } while (w != form->Text1 && chain.size() < 40);
    ASSERT_EQ(chain.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(chain[i], expected[i]) << i << ": " << Text(chain[i]->objectName());
    }
}

}  // namespace
}  // namespace brimsel::ui
