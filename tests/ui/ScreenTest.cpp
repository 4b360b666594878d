// The window as the system shows it: Qt's own texts in the interface's
// language, and the diagram at the screen's own resolution. The diagram test
// runs again at the ratios 1.5 and 2 (QT_SCALE_FACTOR, tests/ui/CMakeLists.txt).
#include <QAbstractItemView>
#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTranslator>
#include <cmath>
#include <memory>

#include "UiTestSupport.h"

namespace brimsel::ui {
namespace {

TEST(Screen, QtTextsInChinese) {
    QTranslator* translator = InstallQtTranslations();
    if (translator == nullptr) GTEST_SKIP() << "Qt's translations are not installed";
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Brimsel"), QStringLiteral("x"),
                    QMessageBox::Ok);
    EXPECT_EQ(box.button(QMessageBox::Ok)->text(), QStringLiteral("确定"));
    QLineEdit text(QStringLiteral("100"));
    const std::unique_ptr<QMenu> menu(text.createStandardContextMenu());
    QStringList entries;
    for (const QAction* action : menu->actions()) entries << action->text();
    EXPECT_TRUE(entries.join('|').contains(QStringLiteral("复制")))
        << test::Text(entries.join('|'));
    QCoreApplication::removeTranslator(translator);
    delete translator;
}

// H7/g6 at 100 mm: the hole box from 675 to 1125 twips across, the zero line
// at 525 twips down, from 150 to 2250 twips.
TEST(Screen, DiagramAtTheDeviceResolution) {
    test::Driver window;
    window.Start("shown");
    const DrawingSurface& surface = *window.form->Picture1;
    const int halves = static_cast<int>(std::lround(2 * surface.devicePixelRatioF()));
    // Twips to the nearest device pixel, counting in half pixels of the layout.
    const auto device = [halves](int twips) { return (twips * halves + 15) / 30; };
    const QImage& drawn = surface.Image();
    ASSERT_EQ(drawn.size(), QSize(device(4425), device(1050)));
    const QRgb ink = surface.palette().color(QPalette::WindowText).rgb();
    const int zero = device(525);
    EXPECT_EQ(drawn.pixel(device(675), device(300)), ink) << "outline of the hole box";
    EXPECT_EQ(drawn.pixel(device(1125), device(300)), ink);
    // One device pixel thick on the finer grid, not a layout pixel enlarged.
    for (const int x : {device(160), device(1150), device(2200)}) {
        EXPECT_EQ(drawn.pixel(x, zero), ink) << x;
        EXPECT_NE(drawn.pixel(x, zero - 1), ink) << x;
        EXPECT_NE(drawn.pixel(x, zero + 1), ink) << x;
    }
    // Shown one to one.
    const QImage shown =
        window.form->Picture1->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(shown.copy(0, 0, device(2550), drawn.height()),
              drawn.copy(0, 0, device(2550), drawn.height()));
}

// A list builds its drop-down when first opened; it shows in the list's font,
// not the application's.
TEST(Screen, ListsDropDownInTheirOwnFont) {
    test::Driver window;
    window.Start("shown");
    ASSERT_NE(QApplication::font(), window.form->ComboKong->font());
    for (const ListBox* list : {window.form->ComboKong, window.form->ComboZhou}) {
        EXPECT_EQ(list->view()->font(), list->font()) << test::Text(list->objectName());
    }
}

}  // namespace
}  // namespace brimsel::ui
