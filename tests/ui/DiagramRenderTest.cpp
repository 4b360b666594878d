// The tolerance-zone diagram as pixels of the drawing surface.
#include <gtest/gtest.h>

#include <QTest>

#include "UiTestSupport.h"

namespace brimsel::ui {
namespace {

constexpr QRgb kGreen = qRgb(0, 192, 0);
constexpr QRgb kDarkRed = qRgb(192, 0, 0);
constexpr QRgb kBlue = qRgb(0, 0, 255);

// Smallest rectangle holding every pixel of one colour; empty when there is none.
QRect Extent(const QImage& image, QRgb colour) {
    QRect found;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if ((image.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF)) {
                found |= QRect(x, y, 1, 1);
            }
        }
    }
    return found;
}

int CountInRow(const QImage& image, int y, int fromX, int toX, QRgb colour) {
    int count = 0;
    for (int x = fromX; x <= toX; ++x)
        count += (image.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF);
    return count;
}

class DiagramRenderTest : public ::testing::Test {
  protected:
    void SetUp() override {
        form = test::StartedWindow();
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
        ink = form->Picture1->palette().color(QPalette::WindowText).rgb();
        paper = form->Picture1->palette().color(QPalette::Window).rgb();
        ASSERT_NE(ink, paper);
    }
    const QImage& Image() const { return form->Picture1->Image(); }

    std::unique_ptr<Form1> form;
    QRgb ink = 0;
    QRgb paper = 0;
};

// H7/g6 at 100 mm: yES 0, yEI 525, yes 705, yei 1035, zero line 525 twips.
TEST_F(DiagramRenderTest, BoxesAndZeroLineOfHSevenOverGSix) {
    const QImage& image = Image();
    ASSERT_EQ(image.size(), QSize(295, 70));
    // Outlines cover the corners, so the fill lies one pixel inside them.
    EXPECT_EQ(Extent(image, kGreen), QRect(QPoint(46, 1), QPoint(74, 34)));
    EXPECT_EQ(Extent(image, kDarkRed), QRect(QPoint(86, 48), QPoint(114, 68)));
    EXPECT_EQ(image.pixel(45, 10), ink) << "hole box outline";
    EXPECT_EQ(image.pixel(75, 10), ink);
    EXPECT_EQ(image.pixel(100, 47), ink) << "shaft box outline";
    EXPECT_EQ(image.pixel(100, 69), ink);

    // The zero line runs from 150 to 2250 twips at 525 (pixel row 35), whole
    // on both halves here, under the lower edge of the hole box.
    EXPECT_EQ(CountInRow(image, 35, 10, 150, ink), 141);
    EXPECT_EQ(image.pixel(9, 35), paper);
    EXPECT_EQ(image.pixel(151, 35), paper);
    EXPECT_EQ(CountInRow(image, 34, 10, 44, ink), 0);
}

TEST_F(DiagramRenderTest, NamesInBlueAndZeroMarksInWindowText) {
    const QImage& image = Image();
    const QRect blue = Extent(image, kBlue);
    ASSERT_FALSE(blue.isEmpty());
    // The hole name ends at 600 twips (40 px) in the row from 158 twips; the
    // shaft name starts at 1800 twips (120 px) in the row from 765 twips.
    const QRect holeName = Extent(image.copy(0, 0, 42, 35), kBlue);
    EXPECT_FALSE(holeName.isEmpty());
    EXPECT_LE(holeName.right(), 40);
    EXPECT_GE(holeName.top(), 11);
    const QRect shaftName = Extent(image.copy(110, 40, 60, 30), kBlue).translated(110, 40);
    EXPECT_FALSE(shaftName.isEmpty());
    EXPECT_GE(shaftName.left(), 120);
    EXPECT_GE(shaftName.top(), 51);
    // Nothing blue elsewhere.
    EXPECT_EQ(blue, holeName.united(shaftName));

    // Both "0" marks print from 435 twips (pixel row 29), at 15 and 2280 twips.
    auto inkIn = [&](const QRect& area) {
        return Extent(image.copy(area), ink).translated(area.topLeft());
    };
    const QRect leftMark = inkIn(QRect(0, 25, 9, 10));
    const QRect rightMark = inkIn(QRect(152, 25, 12, 10));
    EXPECT_FALSE(leftMark.isEmpty());
    EXPECT_FALSE(rightMark.isEmpty());
    EXPECT_EQ(leftMark.top(), rightMark.top()) << "both marks share one row";
    EXPECT_GE(leftMark.top(), 29);
}

TEST_F(DiagramRenderTest, ZonesAboveTheZeroLine) {
    QTest::mouseClick(form->OptionJZ[2], Qt::LeftButton);
    WriteText(*form->TeK, "F8");
    WriteText(*form->TeZ, "p6");
    ASSERT_FALSE(form->Picture1->isHidden());
    const QImage& image = Image();
    // top 0.090, bottom 0: the zero line lies on the bottom row of the drawing.
    EXPECT_EQ(CountInRow(image, 69, 10, 150, ink), 141);
    const QRect hole = Extent(image, kGreen);
    const QRect shaft = Extent(image, kDarkRed);
    EXPECT_EQ(hole.top(), 1) << "ES is the highest value";
    EXPECT_LT(hole.bottom(), 69);
    EXPECT_GT(shaft.top(), hole.top());
    EXPECT_LE(shaft.bottom(), hole.bottom()) << "ei 0.037 lies a shade above EI 0.036";
}

TEST_F(DiagramRenderTest, DrawingStaysUntilTheNextRun) {
    const QImage drawn = Image().copy();
    form->hide();
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    form->Picture1->repaint();
    EXPECT_EQ(Image(), drawn);
    // The limit labels lie on the surface right of the drawing, which ends at
    // about 2400 twips.
    const QImage shown = form->Picture1->grab().toImage().convertToFormat(QImage::Format_RGB32);
    int differing = 0;
    for (int y = 0; y < 70; ++y) {
        for (int x = 0; x < 170; ++x) differing += shown.pixel(x, y) != drawn.pixel(x, y);
    }
    EXPECT_EQ(differing, 0) << "pixels shown differently from the kept drawing";

    // An error hides the surface without touching the drawing.
    Form1TestAccess::ShowError(*form, 21);
    EXPECT_EQ(Image(), drawn);

    // The next run replaces it whole.
    WriteText(*form->TeZ, "s6");
    EXPECT_NE(Image(), drawn);
    EXPECT_TRUE(Extent(Image(), kDarkRed).top() < 10) << "s6 lies above the hole";
}

}  // namespace
}  // namespace brimsel::ui
