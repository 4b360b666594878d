// The event rules of the controls that the window's chains rely on: a program
// write runs its handler nested, before it returns, and only when it changes
// something; a refilled list has no selection; a user's pick runs Click once,
// for the entry already selected as well; an option button runs Click with
// its index only when it becomes set.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QTest>

#include "ui/Controls.h"

namespace brimsel::ui {
namespace {

TEST(Controls, HandlersRunNestedOncePerChange) {
    QWidget window;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    std::vector<std::string> log;
    TextBox box(&window, 4);
    // The shape of the zone boxes: the handler writes its normalised text back.
    box.Change = [&] {
        log.push_back("enter " + box.text().toStdString());
        WriteText(box, box.text().remove('*'));
        log.push_back("leave " + box.text().toStdString());
    };
    ListBox list(&window);
    list.show();
    list.Click = [&] { log.push_back("click " + list.currentText().toStdString()); };
    WriteText(box, "*g6");
    log.push_back("written");
    WriteText(box, "g6");
    WriteText(box, "G6");
    for (const char* zone : {"f6", "*g6", "*h6"}) list.addItem(zone);
    EXPECT_EQ(list.currentIndex(), -1) << "filling selects nothing";
    SelectListIndex(list, 1);
    log.push_back("selected");
    SelectListIndex(list, 1);
    ClearList(list);
    for (const char* zone : {"e7", "*f7", "g7"}) list.addItem(zone);
    EXPECT_EQ(list.currentIndex(), -1);
    EXPECT_EQ(list.currentText().toStdString(), "");
    SelectListIndex(list, 1);
    for (const int index : {1, 2}) {
        list.showPopup();
        list.view()->setCurrentIndex(list.model()->index(index, 0));
        QTest::keyClick(list.view(), Qt::Key_Return);
    }
    list.setFocus();
    QTest::keyClick(&list, Qt::Key_Up);
    OptionButton first(&window, 0), second(&window, 1);
    for (OptionButton* option : {&first, &second}) {
        option->show();
        option->Click = [&log, option](std::int16_t index) {
            log.push_back(std::to_string(index) + (option->isChecked() ? " set" : " clear"));
        };
    }
    second.move(0, 40);
    SetOptionValue(second);
    log.push_back("after set");
    SetOptionValue(second);
    // A click on the button that is set changes nothing.
    QTest::mouseClick(&first, Qt::LeftButton);
    QTest::mouseClick(&first, Qt::LeftButton);
    EXPECT_FALSE(second.isChecked());
    EXPECT_EQ(log, (std::vector<std::string>{"enter *g6", "enter g6", "leave g6", "leave g6",
                                             "written", "enter G6", "leave G6", "click *g6",
                                             "selected", "click *f7", "click *f7", "click g7",
                                             "click *f7", "1 set", "after set", "0 set"}));
}

}  // namespace
}  // namespace brimsel::ui
