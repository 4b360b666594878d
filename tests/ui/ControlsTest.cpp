// The event rules the window's chains rely on, checked on the controls alone.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QListView>
#include <QTest>
#include <string>
#include <vector>

#include "ui/Controls.h"
#include "ui/Layout.h"

namespace brimsel::ui {
namespace {

using Log = std::vector<std::string>;

std::string Std(const QString& s) { return s.toStdString(); }

class ControlsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        window.resize(400, 300);
        window.setObjectName("window");
    }
    QWidget window;
    Log log;
};

TEST_F(ControlsTest, ProgramWriteRunsChangeNestedBeforeItReturns) {
    TextBox box(&window, 4);
    box.Change = [&] { log.push_back("change " + Std(box.text())); };
    log.push_back("before");
    WriteText(box, "g6");
    log.push_back("after");
    EXPECT_EQ(log, (Log{"before", "change g6", "after"}));
}

TEST_F(ControlsTest, WritingTheSameTextRunsNothing) {
    TextBox box(&window, 4);
    WriteText(box, "H7");
    int changes = 0;
    box.Change = [&] { ++changes; };
    WriteText(box, "H7");
    EXPECT_EQ(changes, 0);
    WriteText(box, "h7");
    EXPECT_EQ(changes, 1);
}

TEST_F(ControlsTest, AHandlerWritingItsOwnBoxNestsOnceAndEnds) {
    // The shape of the zone boxes: the handler writes its normalised text back.
    TextBox box(&window, 4);
    int depth = 0;
    box.Change = [&] {
        ++depth;
        log.push_back("enter " + std::to_string(depth) + " " + Std(box.text()));
        WriteText(box, box.text().remove('*'));
        log.push_back("leave " + std::to_string(depth) + " " + Std(box.text()));
        --depth;
    };
    WriteText(box, "*g6");
    EXPECT_EQ(log, (Log{"enter 1 *g6", "enter 2 g6", "leave 2 g6", "leave 1 g6"}));
}

TEST_F(ControlsTest, TypedLengthLimitDoesNotCutProgramWrites) {
    TextBox box(&window, 6);
    WriteText(box, "12345678");
    EXPECT_EQ(Std(box.text()), "12345678");

    TextBox typed(&window, 6);
    typed.setFocus();
    QTest::keyClicks(&typed, "1234567");
    EXPECT_EQ(Std(typed.text()), "123456") << "a seventh character cannot be typed";
    QTest::keyClick(&typed, Qt::Key_Backspace);
    EXPECT_EQ(Std(typed.text()), "12345");

    // Typing over a selection does not grow the text.
    typed.setText("123456");
    typed.setSelection(0, 6);
    QTest::keyClick(&typed, '9');
    EXPECT_EQ(Std(typed.text()), "9");

    // Nor may a text the program made longer grow by typing.
    WriteText(box, "12345678");
    box.setCursorPosition(8);
    QTest::keyClick(&box, '9');
    EXPECT_EQ(Std(box.text()), "12345678");
}

TEST_F(ControlsTest, TypedCharactersPassKeyPressBeforeInsertion) {
    TextBox box(&window, 6);
    box.KeyPress = [&](std::int16_t& key) {
        log.push_back("key " + std::to_string(key) + " sees '" + Std(box.text()) + "'");
        if (key == 'x') key = 0;
    };
    box.Change = [&] { log.push_back("change " + Std(box.text())); };
    QTest::keyClicks(&box, "7x");
    QTest::keyClick(&box, Qt::Key_Backspace);
    EXPECT_EQ(log,
              (Log{"key 55 sees ''", "change 7", "key 120 sees '7'", "key 8 sees '7'", "change "}));
}

TEST_F(ControlsTest, KeyPressMayReplaceTheCharacter) {
    TextBox box(&window, 6);
    box.KeyPress = [](std::int16_t& key) {
        if (key == ',') key = '.';
    };
    QTest::keyClicks(&box, "1,5");
    EXPECT_EQ(Std(box.text()), "1.5");
}

TEST_F(ControlsTest, PastedTextIsNotFiltered) {
    TextBox box(&window, 6);
    int keys = 0;
    box.KeyPress = [&](std::int16_t& key) {
        ++keys;
        key = 0;
    };
    std::vector<std::string> changes;
    box.Change = [&] { changes.push_back(Std(box.text())); };
    QApplication::clipboard()->setText("-5 mm");
    box.paste();
    EXPECT_EQ(Std(box.text()), "-5 mm");
    EXPECT_EQ(keys, 0);
    EXPECT_EQ(changes, (std::vector<std::string>{"-5 mm"}));
}

TEST_F(ControlsTest, EditingKeysAreNotTypedCharacters) {
    TextBox box(&window, 6);
    box.setText("123");
    int keys = 0;
    box.KeyPress = [&](std::int16_t& key) {
        ++keys;
        key = 0;
    };
    box.setCursorPosition(0);
    QTest::keyClick(&box, Qt::Key_Delete);
    QTest::keyClick(&box, Qt::Key_End);
    EXPECT_EQ(Std(box.text()), "23");
    EXPECT_EQ(keys, 0);
}

TEST_F(ControlsTest, ClearedListHasNoSelectionAndFillingSelectsNothing) {
    ListBox list(&window);
    int clicks = 0;
    list.Click = [&] { ++clicks; };
    list.addItem("H6");
    list.addItem("H7");
    EXPECT_EQ(list.currentIndex(), -1);
    EXPECT_EQ(Std(list.currentText()), "");
    SelectListIndex(list, 1);
    ClearList(list);
    EXPECT_EQ(list.count(), 0);
    EXPECT_EQ(list.currentIndex(), -1);
    EXPECT_EQ(Std(list.currentText()), "");
    EXPECT_EQ(clicks, 1) << "clearing runs nothing";
}

TEST_F(ControlsTest, ProgramSelectionRunsClickOnceNestedOnlyWhenItMoves) {
    ListBox list(&window);
    list.Click = [&] { log.push_back("click " + Std(list.currentText())); };
    for (const char* zone : {"f6", "*g6", "*h6"}) list.addItem(zone);
    log.push_back("before");
    SelectListIndex(list, 1);
    log.push_back("after");
    SelectListIndex(list, 1);
    EXPECT_EQ(log, (Log{"before", "click *g6", "after"}));

    // A refilled list selects the same position again as a change.
    ClearList(list);
    for (const char* zone : {"e7", "*f7", "g7"}) list.addItem(zone);
    SelectListIndex(list, 1);
    EXPECT_EQ(log.back(), "click *f7");
    EXPECT_EQ(log.size(), 4u);
}

TEST_F(ControlsTest, UserPickRunsClickOnceEvenForTheSelectedEntry) {
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    ListBox list(&window);
    list.setGeometry(10, 10, 80, 24);
    list.show();
    int clicks = 0;
    list.Click = [&] { ++clicks; };
    for (const char* zone : {"H6", "H7", "H8"}) list.addItem(zone);
    SelectListIndex(list, 1);
    clicks = 0;

    list.showPopup();
    QAbstractItemView* view = list.view();
    ASSERT_TRUE(view->isVisible());
    view->setCurrentIndex(list.model()->index(1, 0));
    QTest::keyClick(view, Qt::Key_Return);
    EXPECT_EQ(list.currentIndex(), 1);
    EXPECT_EQ(clicks, 1) << "the entry that was already selected";

    list.showPopup();
    view->setCurrentIndex(list.model()->index(2, 0));
    QTest::keyClick(view, Qt::Key_Return);
    EXPECT_EQ(list.currentIndex(), 2);
    EXPECT_EQ(clicks, 2);

    // Keys on the closed list pick as well.
    list.setFocus();
    QTest::keyClick(&list, Qt::Key_Up);
    EXPECT_EQ(list.currentIndex(), 1);
    EXPECT_EQ(clicks, 3);
}

TEST_F(ControlsTest, OptionButtonRunsClickWithItsIndexWhenItChanges) {
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QWidget frame(&window);
    frame.setGeometry(0, 0, 300, 100);
    frame.show();
    std::vector<OptionButton*> buttons;
    for (std::int16_t i = 0; i < 3; ++i) {
        auto* b = new OptionButton(&frame, i);
        b->setText(QString("option %1").arg(i));
        b->setGeometry(10 + 90 * i, 10, 80, 20);
        b->show();
        b->Click = [this, b](std::int16_t index) {
            log.push_back("click " + std::to_string(index) + (b->isChecked() ? " set" : " clear"));
        };
        buttons.push_back(b);
    }
    log.push_back("before");
    SetOptionValue(*buttons[2]);
    log.push_back("after");
    SetOptionValue(*buttons[2]);
    EXPECT_EQ(log, (Log{"before", "click 2 set", "after"}));
    EXPECT_FALSE(buttons[0]->isChecked());

    log.clear();
    QTest::mouseClick(buttons[0], Qt::LeftButton);
    QTest::mouseClick(buttons[0], Qt::LeftButton);
    EXPECT_EQ(log, (Log{"click 0 set"})) << "a click on the set button changes nothing";
    EXPECT_FALSE(buttons[2]->isChecked());
}

TEST_F(ControlsTest, FocusSelectsAllAndAClickKeepsIt) {
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    TextBox first(&window, 6);
    TextBox second(&window, 6);
    first.setGeometry(10, 10, 80, 24);
    second.setGeometry(10, 50, 80, 24);
    first.show();
    second.show();
    second.setText("12.5");
    int focused = 0;
    second.GotFocus = [&] {
        ++focused;
        second.setSelection(0, static_cast<int>(second.text().size()));
    };
    first.setFocus();
    QTest::mouseClick(&second, Qt::LeftButton, {}, QPoint(5, 12));
    EXPECT_TRUE(second.hasFocus());
    EXPECT_EQ(focused, 1);
    EXPECT_EQ(Std(second.selectedText()), "12.5")
        << "the focusing click must not drop the selection";

    // A second click, once the box has the focus, places the caret as usual.
    QTest::mouseClick(&second, Qt::LeftButton, {}, QPoint(5, 12));
    EXPECT_EQ(focused, 1);
    EXPECT_EQ(Std(second.selectedText()), "");

    first.setFocus();
    QTest::keyClick(&first, Qt::Key_Tab);
    EXPECT_TRUE(second.hasFocus());
    EXPECT_EQ(focused, 2);
    EXPECT_EQ(Std(second.selectedText()), "12.5");
}

TEST_F(ControlsTest, SelfSizingLabelsKeepTheirAnchor) {
    Caption left(&window, true);
    left.setGeometry(100, 20, 40, 15);
    left.SetText("+0.0045 and more");
    EXPECT_EQ(left.x(), 100);
    EXPECT_EQ(left.y(), 20);
    EXPECT_EQ(left.width(), left.sizeHint().width());

    Caption right(&window, true);
    right.setAlignment(Qt::AlignRight | Qt::AlignTop);
    right.setGeometry(100, 60, 40, 15);
    right.SetText("a longer limit name=");
    EXPECT_EQ(right.x() + right.width(), 140);
    EXPECT_GT(right.width(), 40);

    // Only a text that would leave its container moves, and only so far.
    Caption overflowing(&window, true);
    overflowing.setGeometry(350, 100, 40, 15);
    overflowing.SetText("a message wider than the room that is left");
    EXPECT_EQ(overflowing.x() + overflowing.width(), window.width() - 3);
    overflowing.SetText("short");
    EXPECT_EQ(overflowing.x(), 350) << "a text that fits goes back to the layout's place";

    Caption fixed(&window, false);
    fixed.setGeometry(10, 80, 40, 15);
    fixed.SetText("a text much longer than the box");
    EXPECT_EQ(fixed.geometry(), QRect(10, 80, 40, 15));
}

TEST_F(ControlsTest, LineSpansItsEnds) {
    LineControl line(&window);
    line.SetEnds(930, 825, 1995, 825);
    EXPECT_EQ(line.geometry(), QRect(QPoint(62, 55), QPoint(133, 55)));
    line.SetX1(840);
    EXPECT_EQ(line.X1(), 840);
    EXPECT_EQ(line.X2(), 1995);
    EXPECT_EQ(line.geometry().left(), 56);
    line.SetX2(2070);
    EXPECT_EQ(line.geometry().right(), 138);
}

TEST_F(ControlsTest, DrawingSurfaceKeepsItsDrawing) {
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    DrawingSurface surface(&window);
    surface.setGeometry(0, 0, 100, 40);
    surface.show();
    surface.Clear();
    DiagramCommand box;
    box.What = DiagramCommand::Kind::Box;
    box.X1 = 150;
    box.Y1 = 150;
    box.X2 = 600;
    box.Y2 = 450;
    box.Pen = Ink::WindowText;
    box.Fill = Ink::Green;
    surface.Draw({box});
    const QImage drawn = surface.Image().copy();
    EXPECT_EQ(drawn.pixel(20, 20), qRgb(0, 192, 0));
    EXPECT_EQ(drawn.pixel(10, 10), surface.palette().color(QPalette::WindowText).rgb());
    EXPECT_EQ(drawn.pixel(40, 30), surface.palette().color(QPalette::WindowText).rgb());
    EXPECT_EQ(drawn.pixel(41, 20), surface.palette().color(QPalette::Window).rgb());

    // Covering and uncovering repaints from the kept image.
    QWidget cover;
    cover.setGeometry(window.geometry());
    cover.show();
    cover.hide();
    surface.repaint();
    EXPECT_EQ(surface.Image(), drawn);
    const QImage shown = surface.grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(shown.pixel(20, 20), qRgb(0, 192, 0));
}

}  // namespace
}  // namespace brimsel::ui
