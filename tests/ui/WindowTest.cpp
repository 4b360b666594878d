// The window driven as a person drives it, from the tables of steps in
// tests/data/ui/steps; the about message; the diagram as pixels and as saved
// files; the fit finder.
#include <sys/mount.h>

#include <QAction>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolTip>
#include <cerrno>
#include <cstring>
#include <memory>
#include <numeric>

#include "UiTestSupport.h"
#include "texts/MoreStrings.h"
#include "ui/FitFinderDialog.h"

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
                         testing::Values("Layout", "StartUp", "Errors", "Zones", "Bases", "Sizes",
                                         "Menu", "Editions"),
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

// The diagram saved as SVG (any case of the ending): the zone names as text,
// and each box and line on pixels of its colour in the window's drawing.
TEST(ResultExtras, DiagramSavedAsSvg) {
    test::Driver driver;
    driver.Start("shown");
    Form1& form = *driver.form;
    QTemporaryDir dir;
    const QString svg = dir.filePath("d.SVG");
    ASSERT_TRUE(form.WriteDiagramFile(svg));
    const QImage drawn = form.Picture1->Image();
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
}

// A hovered caption shows its tooltip. The PNG is the surface's drawing; a
// file that cannot be written says so.
TEST(ResultExtras, HoverAndSavedDiagrams) {
    test::Driver driver;
    driver.Start("shown");
    Form1& form = *driver.form;
    QHelpEvent hover(QEvent::ToolTip, {2, 2}, form.LabelSC[1]->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(form.LabelSC[1], &hover);
    EXPECT_EQ(test::Text(QToolTip::text()), "最大极限尺寸 100.035");
    QTemporaryDir dir;
    const QString png = dir.filePath("d.png");
    ASSERT_TRUE(form.WriteDiagramFile(png));
    const QImage drawn = form.Picture1->Image();
    EXPECT_EQ(QImage(png).convertToFormat(drawn.format()), drawn);

    test::MessageRecorder messages;
    form.AskDiagramPath = [&] { return dir.filePath("no-such-folder/d.png"); };
    form.SaveDiagram();
    ASSERT_EQ(messages.Messages.size(), 1u);
    EXPECT_TRUE(messages.Messages[0].Icon == MessageIcon::Exclamation &&
                messages.Messages[0].Prompt.contains(dir.filePath("no-such-folder/d.png")));
    Form1TestAccess::ShowError(form, 21);
    EXPECT_FALSE(form.WriteDiagramFile(png));
}

// A save that fails at any step, or on a full file system (a small tmpfs,
// where the test may mount one), leaves the file of that name byte for byte,
// or none, and nothing beside it, and says the diagram was not saved.
TEST(ResultExtras, FailedSavesKeepTheOldFile) {
    test::Driver driver;
    driver.Start("shown");
    Form1& form = *driver.form;
    const QByteArray old(3000, 'o');
    const auto put = [](const QString& path, const QByteArray& bytes) {
        QFile file(path);
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    };
    // An existing name is old bytes before and after; a new one stays absent.
    const auto failedSave = [&](const QDir& folder, const QString& name, bool existing) {
        SCOPED_TRACE(test::Text(folder.filePath(name)));
        const QStringList before = folder.entryList(QDir::Files | QDir::Hidden);
        test::MessageRecorder messages;
        form.AskDiagramPath = [&] { return folder.filePath(name); };
        form.SaveDiagram();
        ASSERT_EQ(messages.Messages.size(), 1u);
        EXPECT_TRUE(messages.Messages[0].Prompt.endsWith(
            FromUtf8(LookUpMore(Language::Chinese, More::DiagramUnchanged))));
        EXPECT_EQ(folder.entryList(QDir::Files | QDir::Hidden), before) << "nothing left beside";
        QFile file(folder.filePath(name));
        EXPECT_EQ(file.open(QIODevice::ReadOnly) ? file.readAll() : "absent",
                  existing ? old : "absent");
    };
    QTemporaryDir dir;
    ASSERT_TRUE(put(dir.filePath("existing.png"), old) && put(dir.filePath("existing.svg"), old));
    for (const WriteStep step : {WriteStep::Open, WriteStep::Write, WriteStep::Flush,
                                 WriteStep::Close, WriteStep::Rename}) {
        SCOPED_TRACE(static_cast<int>(step));
        form.DiagramWriteFault = [step](WriteStep now) { return now == step; };
        for (const char* name : {"existing.png", "existing.svg"})
            failedSave(dir.path(), name, true);
        failedSave(dir.path(), "new.png", false);
    }
    form.DiagramWriteFault = {};

    const QString mountPoint = dir.filePath("full");
    QDir().mkpath(mountPoint);
    if (::mount("tmpfs", mountPoint.toLocal8Bit().constData(), "tmpfs", 0, "size=64k") != 0)
        GTEST_SKIP() << "a tmpfs cannot be mounted here: " << std::strerror(errno);
    const std::shared_ptr<void> unmount(
        nullptr, [&](void*) { EXPECT_EQ(::umount(mountPoint.toLocal8Bit().constData()), 0); });
    const QDir full(mountPoint);
    ASSERT_TRUE(put(full.filePath("existing.png"), old));
    put(full.filePath("filler"), QByteArray(128 * 1024, 'f'));  // fills what is left
    for (const char* name : {"existing.png", "new.png", "new.svg"})
        failedSave(full, name, name[0] == 'e');
    QFile::remove(full.filePath("filler"));
    EXPECT_TRUE(form.WriteDiagramFile(full.filePath("existing.png"))) << "saved once there is room";
}

// The fit finder from the context menu: its list, and a picked fit leaving
// the window exactly as the same choice made by hand leaves it.
// Everything the window shows or keeps that a choice of fit can change.
std::string Snapshot(const test::Driver& d) {
    return d.Read("Query", "all") +
           d.Read(
               "Text1|TeK|TeZ|LabelJG|LabelSC(0)|LabelSC(1)|LabelSC(2)|LabelXC(0)|LabelXC(1)|"
               "LabelXC(2)|Label1(0)|Label1(1)|Label3(0)|Label3(1)|Label4",
               "text") +
           d.Read("ComboKong|ComboZhou", "entries") + d.Read("ComboKong|ComboZhou", "currentText") +
           d.Read("OptionJZ(0)|OptionJZ(1)|OptionJZ(2)|OptionPH(0)|OptionPH(1)|OptionPH(2)",
                  "checked") +
           d.Read("TeK|ComboKong|Picture1|FramePH1|FramePH2", "visible") + d.Read("Line1", "X2");
}

TSV_ROW_TEST(FinderRows, APickedFitShowsAsTheSameChoiceByHand, "ui/finder.tsv") {
    test::Driver byFinder, byHand;
    byFinder.Start("shown");
    byHand.Start("shown");
    if (row.Fields.size() > 8) {
        for (test::Driver* d : {&byFinder, &byHand})
            d->Step({row.File, row.Line, {"menu", row[8]}});
    }
    byFinder.form->PrepareContextMenu()->findChild<QAction*>("FindFit")->trigger();
    FitFinderDialog& finder = *byFinder.form->FitFinder;
    ASSERT_TRUE(finder.isVisible());
    EXPECT_EQ(test::Text(finder.SizeBox->text() + "|" + finder.SizeLabel->text() + "|" +
                         finder.ScopeList->itemText(0)),
              row.Fields.size() > 9 ? row[9] : "100|基本尺寸 (mm)|优先和常用配合");
    finder.SizeBox->setText(QString::fromStdString(row[0]));
    finder.MinBox->setText(QString::fromStdString(row[1]));
    finder.MaxBox->setText(QString::fromStdString(row[2]));
    finder.ScopeList->setCurrentIndex(std::stoi(row[3]));
    finder.BasisList->setCurrentIndex(std::stoi(row[4]));
    EXPECT_EQ(finder.Search().Qualifying, std::stoul(row[6]));
    EXPECT_EQ(finder.Fits->topLevelItemCount(), std::min(std::stoi(row[6]), int(kFinderRows)));
    const auto found = finder.Fits->findItems(QString::fromStdString(row[5]), Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1);
    finder.Fits->scrollToItem(found[0]);
    const QRect place = finder.Fits->visualItemRect(found[0]);
    // A double click: Qt reports the click, then the activation of the
    // same row. Every pick clicks one basis button; this one clicks once.
    std::vector<std::unique_ptr<QSignalSpy>> clicks;
    for (QAbstractButton* basis : byFinder.form->OptionJZ) {
        clicks.push_back(std::make_unique<QSignalSpy>(basis, &QAbstractButton::clicked));
    }
    QTest::mouseClick(finder.Fits->viewport(), Qt::LeftButton, {}, place.center());
    emit finder.Fits->itemActivated(found[0], 0);
    EXPECT_EQ(std::accumulate(clicks.begin(), clicks.end(), 0,
                              [](int n, const auto& spy) { return n + int(spy->count()); }),
              1);

    for (const std::string& step : brimsel::test::Split(row[7], ';')) {
        byHand.Step({row.File, row.Line, brimsel::test::Split(step, ' ')});
    }
    EXPECT_EQ(Snapshot(byFinder), Snapshot(byHand));
    EXPECT_EQ(byFinder.form->Picture1->Image(), byHand.form->Picture1->Image());
    // The finder's exact limits are the ones the window shows.
    EXPECT_EQ(test::Text(found[0]->text(1) + found[0]->text(2)),
              byHand.Read("Label3(0)", "text") + byHand.Read("Label3(1)", "text"));
}

}  // namespace
}  // namespace brimsel::ui
