// The window driven as a person drives it, from the tables of steps in
// tests/data/ui/steps; the about message; the diagram as pixels.
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include "UiTestSupport.h"

// Failing comparisons of places print them readably.
inline void PrintTo(const QRect& r, std::ostream* os) {
    *os << r.x() << "," << r.y() << " " << r.width() << "x" << r.height();
}

namespace brimsel::ui {
namespace {

class WindowSteps : public ::testing::TestWithParam<const char*> {};

TEST_P(WindowSteps, Run) {
    test::Driver driver;
    for (const auto& row : brimsel::test::ReadTsv("ui/steps/" + std::string(GetParam()) + ".tsv")) {
        const testing::ScopedTrace trace(row.File.c_str(), row.Line, row[0]);
        driver.Step(row);
        if (HasFatalFailure()) return;
    }
}

INSTANTIATE_TEST_SUITE_P(Files, WindowSteps,
                         testing::Values("Layout", "StartUp", "Errors", "Zones", "Bases", "Sizes"),
                         [](const auto& file) { return std::string(file.param); });

TEST(Window, AboutMessageIsTheFixedText) {
    const std::string file = brimsel::test::ReadFile(BRIMSEL_TEST_DATA_DIR "/ui/about.txt");
    test::MessageRecorder messages;
    Form1 form;
    form.Command1->click();
    ASSERT_EQ(messages.Messages.size(), 1u);
    EXPECT_EQ(messages.Messages[0].Icon, MessageIcon::Information);
    EXPECT_EQ(test::Text(messages.Messages[0].Title + "\n" + messages.Messages[0].Prompt + "\r\n"),
              "Brimsel\n" + test::Text(QString::fromStdString(file).replace("\n", "\r\n")));
}

// The real box, not the tests' recorder: the icon the message asks for, one
// OK button, the text as it stands (never read as markup), modal to the window.
TEST(Window, MessagesShowInAModalBoxWithOneOkButton) {
    Form1 form;
    for (const auto& [icon, shown] :
         {std::pair(MessageIcon::Exclamation, QMessageBox::Warning),
          std::pair(MessageIcon::Information, QMessageBox::Information)}) {
        std::string seen = "no box";
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr) return;
            const QList<QAbstractButton*> buttons = box->buttons();
            seen = test::Text(box->windowTitle() + "|" + box->text()) +
                   (box->icon() == shown ? "|icon" : "|other icon") +
                   (box->textFormat() == Qt::PlainText ? "|plain" : "|rich") +
                   (box->parentWidget() == &form ? "|on the window" : "|elsewhere") + "|" +
                   std::to_string(buttons.size()) + " " +
                   (box->standardButton(buttons.value(0)) == QMessageBox::Ok ? "OK" : "other");
            box->button(QMessageBox::Ok)->click();
        });
        ShowMessage(&form, {QStringLiteral("<b>超出标准范围</b>"), icon});
        EXPECT_EQ(seen, "Brimsel|<b>超出标准范围</b>|icon|plain|on the window|1 OK");
    }
}

constexpr QRgb kHoleZone = qRgb(0, 192, 0), kShaftZone = qRgb(192, 0, 0),
               kZoneName = qRgb(0, 0, 255);

// Smallest rectangle holding every pixel of one colour in the area of an
// opaque image, and their number.
std::pair<QRect, int> Find(const QImage& image, QRgb colour, QRect area = {0, 0, 295, 70}) {
    std::pair<QRect, int> found;
    for (int i = 0; i < area.width() * area.height(); ++i) {
        const QPoint p = area.topLeft() + QPoint(i % area.width(), i / area.width());
        if (image.pixel(p) == colour) found = {found.first | QRect(p, p), found.second + 1};
    }
    return found;
}

// H7/g6 at 100 mm: yES 0, yEI 525, yes 705, yei 1035, zero line 525 twips.
TEST(Window, DiagramOfHSevenOverGSixAsPixels) {
    test::Driver window;
    window.Start("shown");
    Form1& form = *window.form;
    const QImage drawn = form.Picture1->Image().copy();
    const QRgb ink = form.Picture1->palette().color(QPalette::WindowText).rgb();
    const QRgb paper = form.Picture1->palette().color(QPalette::Window).rgb();
    ASSERT_EQ(drawn.size(), QSize(295, 70));
    // Outlines cover the corners, so the fill lies one pixel inside them.
    EXPECT_EQ(Find(drawn, kHoleZone).first, QRect(QPoint(46, 1), QPoint(74, 34)));
    EXPECT_EQ(Find(drawn, kShaftZone).first, QRect(QPoint(86, 48), QPoint(114, 68)));
    for (const QPoint outline : {QPoint(45, 10), QPoint(75, 10), QPoint(100, 47), QPoint(100, 69)})
        EXPECT_EQ(drawn.pixel(outline), ink) << outline.x() << "," << outline.y();
    // The zero line runs from 150 to 2250 twips on pixel row 35, under the hole box.
    EXPECT_EQ(Find(drawn, ink, QRect(9, 35, 143, 1)), std::pair(QRect(10, 35, 141, 1), 141));
    EXPECT_EQ(Find(drawn, paper, QRect(9, 35, 143, 1)).second, 2) << "on either side";
    EXPECT_EQ(Find(drawn, ink, QRect(10, 34, 35, 1)).second, 0);
    // The hole name ends at 600 twips in the row from 158 twips; the shaft name
    // starts at 1800 twips in the row from 765 twips; nothing else is blue.
    const QRect hole = Find(drawn, kZoneName, QRect(0, 0, 42, 35)).first;
    const QRect shaft = Find(drawn, kZoneName, QRect(110, 40, 60, 30)).first;
    EXPECT_TRUE(hole.right() <= 40 && hole.top() >= 11) << hole.right() << " " << hole.top();
    EXPECT_TRUE(shaft.left() >= 120 && shaft.top() >= 51) << shaft.left() << " " << shaft.top();
    EXPECT_EQ(Find(drawn, kZoneName).first, hole.united(shaft));
    // Both "0" marks print from 435 twips (pixel row 29), at 15 and 2280 twips.
    const QRect left = Find(drawn, ink, QRect(0, 25, 9, 10)).first;
    EXPECT_GE(left.top(), 29);
    EXPECT_EQ(left.top(), Find(drawn, ink, QRect(152, 25, 12, 10)).first.top());

    // Covered and shown again, the surface shows the kept drawing unchanged.
    form.hide();
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    EXPECT_EQ(form.Picture1->Image(), drawn);
    const QImage shown = form.Picture1->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(shown.copy(0, 0, 170, 70),
              drawn.copy(0, 0, 170, 70).convertToFormat(QImage::Format_RGB32));
    // An error hides the surface without touching the drawing; the next run replaces it.
    Form1TestAccess::ShowError(form, 21);
    EXPECT_EQ(form.Picture1->Image(), drawn);
    WriteText(*form.TeZ, "s6");
    EXPECT_LT(Find(form.Picture1->Image(), kShaftZone).first.top(), 10) << "s6 lies above the hole";
}

}  // namespace
}  // namespace brimsel::ui
