// Start-up with good and damaged data files, in process and as the program.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "UiTestSupport.h"

namespace brimsel::ui {
namespace {

using test::Text;

const std::string kDamaged = "[Quorbel.dat] 文件损坏，程序无法运行！";

// Quorbel.dat in the folder as `what` names it; returns its path.
std::filesystem::path WriteDataFile(const QTemporaryDir& folder, const std::string& what) {
    const auto path = std::filesystem::path(folder.path().toStdString()) / kDataFileName;
    std::string bytes = EncodeToleranceFile(BuildStandardTables());
    if (what == "empty") bytes.clear();
    if (what == "cut in a table") bytes.resize(40);
    if (what == "cut before the mark") bytes.resize(bytes.size() - 2);
    if (what == "format mark 1") bytes[bytes.size() - 2] = 1;
    if (what != "missing") std::ofstream(path, std::ios::binary) << bytes;
    return path;
}

// In process, and as a copy of the program in the folder, started from
// elsewhere; the program's log shows what went through the message seam.
TEST(StartUp, DamagedFilesShowTheMessageAndNoWindow) {
    for (const std::string what :
         {"good", "missing", "empty", "cut in a table", "cut before the mark", "format mark 1"}) {
        SCOPED_TRACE(what);
        const bool good = what == "good";
        QTemporaryDir folder;
        const auto file = WriteDataFile(folder, what);
        test::MessageRecorder messages;
        Form1 form;
        form.ReadToleranceData = [file] { return LoadToleranceFile(file); };
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
