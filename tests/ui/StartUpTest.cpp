// The window's start-up with good and damaged data files, in process and as
// the real program.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <fstream>

#include "UiTestSupport.h"
#include "engine/DataFile.h"
#include "ui/strings/StringTable.h"

namespace brimsel::ui {
namespace {

using test::Text;

const std::string kDamagedMessage = "[Quorbel.dat] 文件损坏，程序无法运行！";

std::string GoodFileBytes() { return EncodeToleranceFile(test::StandardData()); }

void WriteFile(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

class StartUpTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(folder.isValid()); }

    std::filesystem::path DataFile() const {
        return std::filesystem::path(folder.path().toStdString()) / kDataFileName;
    }

    // A window that reads Quorbel.dat from the test's folder.
    std::unique_ptr<Form1> WindowReadingTheFolder() {
        auto form = std::make_unique<Form1>();
        form->ReadToleranceData = [path = DataFile()] { return LoadToleranceFile(path); };
        return form;
    }

    QTemporaryDir folder;
    test::MessageRecorder messages;
};

TEST_F(StartUpTest, GoodFileOpensOnTheHoleBasisAtOneHundred) {
    WriteFile(DataFile(), GoodFileBytes());
    auto form = WindowReadingTheFolder();
    ASSERT_TRUE(form->Form1_Load());
    EXPECT_TRUE(messages.Messages.empty());
    EXPECT_EQ(form->Query.LanguageIndex, 1);
    EXPECT_EQ(form->Query.BasicSize, 100.0f);
    EXPECT_EQ(Text(form->LabelJG->text()), "100");
    EXPECT_TRUE(form->Query.HoleOk);
    EXPECT_TRUE(form->Query.ShaftOk);
    EXPECT_EQ(form->Query.BasisIndex, 0);
    EXPECT_EQ(form->Query.FitKindIndex, 0);
    EXPECT_EQ(form->Query.ToleranceTables.FormatMark, 2);
    EXPECT_TRUE(form->OptionJZ[0]->isChecked());
    EXPECT_FALSE(form->OptionJZ[1]->isChecked());
    EXPECT_FALSE(form->OptionJZ[2]->isChecked());
    EXPECT_TRUE(form->OptionPH[0]->isChecked());
    EXPECT_FALSE(form->FramePH1->isHidden());
    EXPECT_TRUE(form->FramePH2->isHidden()) << "FramePH1 is in front";
    EXPECT_FALSE(form->isVisible()) << "start-up itself shows nothing";
}

TEST_F(StartUpTest, DamagedFilesShowTheMessageAndTheWindowStaysClosed) {
    std::string good = GoodFileBytes();
    std::string wrongMark = good;
    wrongMark[wrongMark.size() - 2] = 1;
    struct Row {
        int Line;
        const char* What;
        bool Present;
        std::string Bytes;
    };
    const Row rows[] = {
        {__LINE__, "missing", false, {}},
        {__LINE__, "empty", true, {}},
        {__LINE__, "cut inside the elements of a table", true, good.substr(0, 40)},
        {__LINE__, "cut before the format mark", true, good.substr(0, good.size() - 2)},
        {__LINE__, "format mark 1", true, wrongMark},
    };
    for (const Row& row : rows) {
        std::filesystem::remove(DataFile());
        if (row.Present) WriteFile(DataFile(), row.Bytes);
        messages.Messages.clear();
        auto form = WindowReadingTheFolder();
        const std::string where =
            std::string(__FILE__) + ":" + std::to_string(row.Line) + " " + row.What;
        EXPECT_FALSE(form->Form1_Load()) << where;
        ASSERT_EQ(messages.Messages.size(), 1u) << where;
        const MessageRequest& shown = messages.Messages.front();
        EXPECT_EQ(Text(shown.Prompt), kDamagedMessage) << where;
        EXPECT_EQ(shown.Icon, MessageIcon::Exclamation) << where;
        EXPECT_EQ(Text(shown.Title), "Brimsel") << where;
        EXPECT_FALSE(form->isVisible()) << where;
        EXPECT_FALSE(form->OptionJZ[0]->isChecked()) << where << ": no event ran";
        EXPECT_EQ(form->ComboKong->count(), 0) << where;
        // The reader only reads: a missing file stays missing.
        EXPECT_EQ(std::filesystem::exists(DataFile()), row.Present) << where;
    }
}

TEST_F(StartUpTest, DataFileIsBesideTheExecutable) {
    const std::filesystem::path expected =
        std::filesystem::path(QCoreApplication::applicationDirPath().toStdString()) / "Quorbel.dat";
    EXPECT_EQ(Form1::DataFilePath(), expected);
}

TEST_F(StartUpTest, TheRealMessageBoxHasOneOkButton) {
    // The seam's own box, closed by the test as soon as it is up.
    SetMessagePresenter({});
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        title = box->windowTitle();
        text = box->text();
        icon = box->icon();
        buttons = box->standardButtons();
        box->accept();
    });
    PresentInMessageBox(
        nullptr, {QStringLiteral("a\r\nb"), MessageIcon::Exclamation, QStringLiteral("Brimsel")});
    EXPECT_EQ(Text(title), "Brimsel");
    EXPECT_EQ(Text(text), "a\r\nb");
    EXPECT_EQ(icon, QMessageBox::Warning);
    EXPECT_EQ(buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
}

// ---- The program itself ------------------------------------------------------

class ProgramTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        program = folder.filePath(QStringLiteral("brimsel"));
        ASSERT_TRUE(QFile::copy(QStringLiteral(BRIMSEL_PROGRAM_PATH), program));
        QFile::setPermissions(program, QFile::permissions(QStringLiteral(BRIMSEL_PROGRAM_PATH)));
        log = folder.filePath(QStringLiteral("messages.log"));
        process.setProgram(program);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("BRIMSEL_TEST_MESSAGE_LOG"), log);
        process.setProcessEnvironment(environment);
        // Started from elsewhere, so that only the folder of the program counts.
        process.setWorkingDirectory(QDir::tempPath());
    }
    void TearDown() override {
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished(10000);
        }
    }

    std::string Log() const {
        QFile file(log);
        if (!file.open(QIODevice::ReadOnly)) return {};
        return file.readAll().toStdString();
    }
    std::filesystem::path DataFile() const {
        return std::filesystem::path(folder.path().toStdString()) / kDataFileName;
    }

    QTemporaryDir folder;
    QString program;
    QString log;
    QProcess process;
};

TEST_F(ProgramTest, DamagedFileEndsTheProgramWithAFailureStatus) {
    std::string wrongMark = GoodFileBytes();
    wrongMark[wrongMark.size() - 2] = 1;
    WriteFile(DataFile(), wrongMark);
    process.start();
    ASSERT_TRUE(process.waitForFinished(60000)) << process.errorString().toStdString();
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    EXPECT_NE(process.exitCode(), 0);
    EXPECT_EQ(Log(), "exclamation\nBrimsel\n" + kDamagedMessage + "\n");
}

TEST_F(ProgramTest, MissingFileEndsTheProgramAndIsNotCreated) {
    process.start();
    ASSERT_TRUE(process.waitForFinished(60000)) << process.errorString().toStdString();
    EXPECT_NE(process.exitCode(), 0);
    EXPECT_EQ(Log(), "exclamation\nBrimsel\n" + kDamagedMessage + "\n");
    EXPECT_FALSE(std::filesystem::exists(DataFile()));
}

TEST_F(ProgramTest, GoodFileKeepsTheWindowOpen) {
    WriteFile(DataFile(), GoodFileBytes());
    process.start();
    ASSERT_TRUE(process.waitForStarted(10000)) << process.errorString().toStdString();
    EXPECT_FALSE(process.waitForFinished(3000))
        << "the program ended by itself with status " << process.exitCode() << ": " << Log()
        << process.readAllStandardError().toStdString();
    EXPECT_EQ(Log(), "");
}

}  // namespace
}  // namespace brimsel::ui
