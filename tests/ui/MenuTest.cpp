// Beside the result: tooltips, copies and the saved diagram, driven as in the
// other step files, with the steps of their own read here.
#include <QMenu>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QToolTip>

#include "UiTestSupport.h"

namespace brimsel::ui {
namespace {

void Step(test::Driver& driver, const brimsel::test::TsvRow& row) {
    // Null until the steps start the window.
    Form1* const form = driver.form.get();
    const std::string expected = brimsel::test::Unescaped(row[2]);
    QStringList seen;
    if (row[0] == "tip") {
        for (const std::string& name : brimsel::test::Split(row[1], '|'))
            seen << form->ToolTipFor(driver.Find(name));
    } else if (row[0] == "entries") {
        for (const char* name : {"CopyResult", "CopyCallout", "SaveDiagram"}) {
            const QObject* entry = form->PrepareContextMenu()->findChild<QObject*>(name);
            seen << (entry->property("enabled").toBool() ? "true" : "false");
        }
    } else if (row[0] == "copy") {
        QApplication::clipboard()->setText(QStringLiteral("-"));
        if (QWidget* control = driver.Find(row[1])) {
            control->setFocus();
            // With the text a keyboard gives Ctrl+C, which types nothing.
            for (const auto action : {QTest::Press, QTest::Release})
                QTest::sendKeyEvent(action, control, Qt::Key_C, QChar(3), Qt::ControlModifier);
        } else {
            form->PrepareContextMenu()->findChild<QAction*>(row[1].c_str())->trigger();
        }
        // A one-line expectation is the first line of what was copied.
        const QString copied = QApplication::clipboard()->text();
        seen << (expected.find('\n') == std::string::npos ? copied.section('\n', 0, 0) : copied);
    } else {
        return driver.Step(row);
    }
    EXPECT_EQ(test::Text(seen.join('|')), expected);
}

TEST(ResultExtras, Steps) {
    test::Driver driver;
    for (const auto& row : brimsel::test::ReadTsv("ui/steps/Menu.tsv")) {
        const testing::ScopedTrace trace(row.File.c_str(), row.Line, row[0]);
        Step(driver, row);
        if (HasFatalFailure()) return;
    }
}

// A hovered caption shows its tooltip. The PNG is the surface's drawing; each
// box and line of the SVG lies on pixels of its colour there; a file that
// cannot be written says so.
TEST(ResultExtras, HoverAndSavedDiagrams) {
    test::Driver driver;
    driver.Start("shown");
    Form1& form = *driver.form;
    QHelpEvent hover(QEvent::ToolTip, {2, 2}, form.LabelSC[1]->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(form.LabelSC[1], &hover);
    EXPECT_EQ(test::Text(QToolTip::text()), "最大极限尺寸 100.035");
    QTemporaryDir dir;
    const QString png = dir.filePath("d.png"), svg = dir.filePath("d.SVG");
    ASSERT_TRUE(form.WriteDiagramFile(png) && form.WriteDiagramFile(svg));
    const QImage drawn = form.Picture1->Image();
    EXPECT_EQ(QImage(png).convertToFormat(drawn.format()), drawn);
    QFile file(svg);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    EXPECT_TRUE(text.contains(">孔</text>") && text.contains(">轴</text>"));
    const QRegularExpression shape(QStringLiteral(
        R"re(<(rect|line) \w+="([\d.]+)" \w+="([\d.]+)" \w+="([\d.]+)" \w+="([\d.]+)" \w+="(#\w+)")re"));
    int shapes = 0;
    for (const auto& m : shape.globalMatch(text)) {
        const bool box = m.captured(1) == "rect";
        const double x = m.captured(2).toDouble() + (box ? m.captured(4).toDouble() / 2 : 0);
        const double y = m.captured(3).toDouble() + (box ? m.captured(5).toDouble() / 2 : 0);
        ++shapes;
        EXPECT_EQ(QColor(drawn.pixel(int(x / 15), int(y / 15))), QColor(m.captured(6)));
    }
    EXPECT_EQ(shapes, 4) << "two boxes, the two halves of the zero line";

    test::MessageRecorder messages;
    form.AskDiagramPath = [&] { return dir.filePath("no-such-folder/d.png"); };
    form.SaveDiagram();
    ASSERT_EQ(messages.Messages.size(), 1u);
    EXPECT_TRUE(messages.Messages[0].Icon == MessageIcon::Exclamation &&
                messages.Messages[0].Prompt.endsWith(dir.filePath("no-such-folder/d.png")));
    Form1TestAccess::ShowError(form, 21);
    EXPECT_FALSE(form.WriteDiagramFile(png));
}

}  // namespace
}  // namespace brimsel::ui
