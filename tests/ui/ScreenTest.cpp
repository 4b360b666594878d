// The window as the system shows it: Qt's own texts in the interface's
// language, and the diagram at the screen's own resolution. The diagram test
// runs again at the ratios 1.5 and 2 (QT_SCALE_FACTOR, tests/ui/CMakeLists.txt).
// Then the event rules of the controls the window's chains rely on.
// Last, start-up with good and damaged data files, in process and as the program.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTranslator>

#include "UiTestSupport.h"
#include "datafile/ShippedDigest.h"
#include "ui/Controls.h"

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

// The event rules of the controls that the window's chains rely on: a program
// write runs its handler nested, before it returns, and only when it changes
// something; a refilled list has no selection; a user's pick runs Click once,
// for the entry already selected as well; an option button runs Click with
// its index only when it becomes set.
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

using test::Text;

const std::string kDamaged = "[Quorbel.dat] 文件损坏，程序无法运行！";

// Quorbel.dat in the folder as `what` names it; returns its path.
std::filesystem::path WriteDataFile(const QTemporaryDir& folder, const std::string& what) {
    const auto path = std::filesystem::path(folder.path().toStdString()) / kDataFileName;
    std::string bytes = EncodeToleranceFile(BuildStandardTables());
    if (what == "empty") bytes.clear();
    if (what == "cut in a table") bytes.resize(40);
    if (what == "one bit flipped") bytes[1743] ^= 0x01;
    if (what == "cut before the mark") bytes.resize(bytes.size() - 2);
    if (what == "format mark 1") bytes[bytes.size() - 2] = 1;
    if (what != "missing") std::ofstream(path, std::ios::binary) << bytes;
    return path;
}

// In process, and as a copy of the program in the folder, started from
// elsewhere; the program's log shows what went through the message seam.
TEST(StartUp, DamagedFilesShowTheMessageAndNoWindow) {
    for (const std::string what : {"good", "missing", "empty", "cut in a table",
                                   "cut before the mark", "format mark 1", "one bit flipped"}) {
        SCOPED_TRACE(what);
        const bool good = what == "good";
        QTemporaryDir folder;
        const auto file = WriteDataFile(folder, what);
        test::MessageRecorder messages;
        Form1 form;
        form.ReadToleranceData = [file] { return LoadToleranceFile(file, kShippedDataDigest); };
        EXPECT_EQ(form.Form1_Load(), good);
        EXPECT_EQ(messages.Messages.size(), good ? 0u : 1u);
        EXPECT_EQ(form.Query.ToleranceTables.FormatMark, good ? 2 : 0);
        EXPECT_EQ(form.OptionJZ[0]->isChecked(), good) << "no event runs after a damaged file";
        EXPECT_FALSE(form.isVisible()) << "start-up itself shows nothing";

        ASSERT_TRUE(QFile::copy(QStringLiteral(BRIMSEL_PROGRAM_PATH), folder.filePath("brimsel")));
        qputenv("BRIMSEL_TEST_MESSAGE_LOG", QFile::encodeName(folder.filePath("log")));
        QProcess process;
        process.setWorkingDirectory(QDir::tempPath());
        process.start(folder.filePath("brimsel"));
        const bool ended = process.waitForFinished(good ? 3000 : 30000);
        EXPECT_EQ(ended, !good) << Text(process.readAllStandardError());
        EXPECT_TRUE(!ended || (process.exitStatus() == QProcess::NormalExit && process.exitCode()));
        EXPECT_EQ(brimsel::test::ReadFile(folder.filePath("log").toStdString()),
                  ended ? "exclamation\nBrimsel\n" + kDamaged + "\n" : "");
        EXPECT_EQ(std::filesystem::exists(file), what != "missing") << "the readers only read";
        process.close();
    }
}

}  // namespace
}  // namespace brimsel::ui
