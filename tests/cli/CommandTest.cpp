#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "CliTestSupport.h"
#include "cli/CommandLine.h"
#include "engine/DataFile.h"

namespace brimsel {
namespace {

namespace fs = std::filesystem;
using test::ParseCsv;
using test::ProcessResult;
using test::RunProgram;

ProcessResult RunQuery(const std::vector<std::string>& arguments, const std::string& input = "") {
    return RunProgram(test::QueryExecutable(), arguments, input);
}

// The program beside a data file of the test's choosing (none when `data` is null).
fs::path ProgramWithData(std::string_view name, const std::string* data) {
    const fs::path folder = test::FreshFolder(name);
    fs::copy_file(test::QueryExecutable(), folder / "brimsel-query");
    if (data != nullptr) {
        std::ofstream out(folder / kDataFileName, std::ios::binary);
        out << *data;
    }
    return folder;
}

std::string ShippedDataBytes() {
    std::ifstream in(test::ShippedDataFolder() / kDataFileName, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

TEST(ParseCommandLine, OptionsAndOperands) {
    const CommandLine cl = ParseCommandLine({"100", "--csv", "--lang", "en", "-5", "--", "--x"});
    EXPECT_TRUE(cl.Problem.empty()) << cl.Problem;
    EXPECT_TRUE(cl.Csv);
    EXPECT_FALSE(cl.Batch);
    EXPECT_EQ(cl.Language, kEnglish);
    EXPECT_EQ(cl.Operands, (std::vector<std::string>{"100", "-5", "--x"}));
    EXPECT_EQ(ParseCommandLine({"--lang=zh", "1", "H7"}).Language, kChinese);
    EXPECT_EQ(ParseCommandLine({"1", "H7"}).Language, kChinese);
}

TEST(ParseCommandLine, UsageErrors) {
    const std::vector<std::vector<std::string_view>> wrong = {
        {},
        {"100"},
        {"--csv", "100"},
        {"--bogus", "100", "H7"},
        {"--lang", "fr", "100", "H7"},
        {"100", "H7", "--lang"},
        {"--batch", "100", "H7"},
    };
    for (const auto& arguments : wrong) {
        std::string shown;
        for (const auto& a : arguments) shown += std::string(a) + " ";
        SCOPED_TRACE(shown);
        EXPECT_FALSE(ParseCommandLine(arguments).Problem.empty());
    }
    EXPECT_TRUE(ParseCommandLine({"--batch"}).Problem.empty());
    EXPECT_TRUE(ParseCommandLine({"--help"}).Problem.empty());
    EXPECT_TRUE(ParseCommandLine({"-h"}).Help);
}

TEST(RunBatch, RowsForEveryLineInOrder) {
    std::istringstream in(
        "# size zone\n"
        "100 H7\r\n"
        "\n"
        "  30\tF8  h7 \n"
        "abc g6\n"
        "100\n");
    std::ostringstream out;
    EXPECT_FALSE(RunBatch(test::ShippedTables(), in, out, kChinese));
    EXPECT_EQ(out.str(), std::string(kCsvHeader) +
                             "100,H7,0.035,0,+0.035,\" 0\",0,,,,,\n"
                             "30,F8,0.053,0.02,+0.053,+0.020,0,,,,,\n"
                             "30,h7,0,-0.021,\" 0\",-0.021,0,,,,,\n"
                             "abc,g6,,,,,1,,,,,\n"
                             "100,,,,,,21,,,,,\n");
}

TEST(RunBatch, AllComputedAndEmptyInput) {
    std::istringstream good("100 H7/g6\n5 js7\n");
    std::ostringstream out;
    EXPECT_TRUE(RunBatch(test::ShippedTables(), good, out, kChinese));
    EXPECT_EQ(ParseCsv(out.str()).size(), 5u);
    std::istringstream empty("");
    std::ostringstream header;
    EXPECT_TRUE(RunBatch(test::ShippedTables(), empty, header, kChinese));
    EXPECT_EQ(header.str(), kCsvHeader);
}

TEST(RunQueryCommand, OutputThatCannotBeWrittenIsAFailure) {
    std::istringstream in;
    std::ostringstream out;
    out.setstate(std::ios::badbit);
    std::ostringstream err;
    EXPECT_EQ(RunQueryCommand({"100", "H7"}, test::ShippedDataFolder(), in, out, err), 2);
    EXPECT_FALSE(err.str().empty());
}

// The real program, found beside its data file.

TEST(Executable, CsvOfTheWorkedExamples) {
    const ProcessResult run = RunQuery({"--csv", "100", "H7", "K7", "JS7", "h6", "g6", "k6"});
    EXPECT_EQ(run.Status, 0) << run.Err;
    EXPECT_EQ(run.Err, "");
    EXPECT_EQ(run.Out, std::string(kCsvHeader) +
                           "100,H7,0.035,0,+0.035,\" 0\",0,,,,,\n"
                           "100,K7,0.01,-0.025,+0.010,-0.025,0,,,,,\n"
                           "100,JS7,0.017,-0.017,+0.017,-0.017,0,,,,,\n"
                           "100,h6,0,-0.022,\" 0\",-0.022,0,,,,,\n"
                           "100,g6,-0.012,-0.034,-0.012,-0.034,0,,,,,\n"
                           "100,k6,0.025,0.003,+0.025,+0.003,0,,,,,\n");

    const ProcessResult small = RunQuery({"--csv", "8", "JS6", "js6"});
    EXPECT_EQ(small.Status, 0) << small.Err;
    const auto rows = ParseCsv(small.Out);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[1], (std::vector<std::string>{"8", "JS6", "0.0045", "-0.0045", "+0.0045",
                                                 "-0.0045", "0", "", "", "", "", ""}));
    EXPECT_EQ(rows[2][1], "js6");
    EXPECT_EQ(rows[2][4], "+0.0045");

    const ProcessResult m6 = RunQuery({"--csv", "300", "M6"});
    EXPECT_EQ(m6.Out, std::string(kCsvHeader) + "300,M6,-0.009,-0.041,-0.009,-0.041,0,,,,,\n");
    const ProcessResult f8 = RunQuery({"--csv", "30", "F8"});
    EXPECT_EQ(f8.Out, std::string(kCsvHeader) + "30,F8,0.053,0.02,+0.053,+0.020,0,,,,,\n");
}

TEST(Executable, FitRows) {
    struct Row {
        int line;
        const char* zone;
        std::vector<std::string> fit;  // columns 2 and 5..12 of the fit row
    };
    const Row rows[] = {
        {__LINE__,
         "H7/g6",
         {"H7/g6", "", "", "0", "+0.069", "+0.012", "最大间隙", "最小间隙", "间隙配合"}},
        {__LINE__,
         "H7/s6",
         {"H7/s6", "", "", "0", "-0.036", "-0.093", "最小过盈", "最大过盈", "过盈配合"}},
        {__LINE__,
         "H7/k6",
         {"H7/k6", "", "", "0", "+0.032", "-0.025", "最大间隙", "最大过盈", "过渡配合"}},
        {__LINE__, "H7/q7", {"H7/q7", "", "", "22", "", "", "", "", ""}},
    };
    for (const Row& row : rows) {
        testing::ScopedTrace trace(__FILE__, row.line, row.zone);
        const ProcessResult run = RunQuery({"--csv", "100", row.zone});
        const auto csv = ParseCsv(run.Out);
        ASSERT_EQ(csv.size(), 4u) << run.Out;
        const auto& fit = csv[3];
        ASSERT_EQ(fit.size(), 12u);
        EXPECT_EQ(fit[0], "100");
        std::vector<std::string> seen{fit[1]};
        seen.insert(seen.end(), fit.begin() + 4, fit.end());
        EXPECT_EQ(seen, row.fit);
        EXPECT_EQ(run.Status, row.fit[3] == "0" ? 0 : 1);
    }
    const ProcessResult english = RunQuery({"--csv", "--lang", "en", "100", "H7/g6"});
    const auto csv = ParseCsv(english.Out);
    ASSERT_EQ(csv.size(), 4u);
    EXPECT_EQ(csv[3][2], "0.069");
    EXPECT_EQ(csv[3][3], "0.012");
    EXPECT_EQ(std::vector<std::string>(csv[3].begin() + 9, csv[3].end()),
              (std::vector<std::string>{"MAX clearance", "MIN clearance", "Clearance Fit"}));
}

TEST(Executable, ReadableLinesInBothLanguages) {
    const ProcessResult zh = RunQuery({"100", "H7/g6"});
    EXPECT_EQ(zh.Status, 0);
    EXPECT_EQ(zh.Out,
              "100  H7  ES=+0.035  EI= 0\n"
              "100  g6  es=-0.012  ei=-0.034\n"
              "100  H7/g6  最大间隙=+0.069  最小间隙=+0.012  间隙配合\n");
    const ProcessResult en = RunQuery({"--lang", "en", "100", "H7/s6", "Q7", "K2"});
    EXPECT_EQ(en.Status, 1);
    EXPECT_EQ(en.Out,
              "100  H7  ES=+0.035  EI= 0\n"
              "100  s6  es=+0.093  ei=+0.071\n"
              "100  H7/s6  MIN interference=-0.036  MAX interference=-0.093  Interference Fit\n"
              "100  Q7  error 21: incorrect Tolerance Setting\n"
              "100  K2  error 31: the setting is outside the standards GB/T1800 & GB/T1801\n");
}

TEST(Executable, BadSizesAreRowErrors) {
    for (const char* size : {"12x", "", "1e3", "nan", "-5", "3150.1"}) {
        SCOPED_TRACE(std::string("size \"") + size + "\"");
        const ProcessResult run = RunQuery({"--csv", size, "H7", "g6"});
        EXPECT_EQ(run.Status, 1);
        EXPECT_EQ(run.Err, "");
        const auto csv = ParseCsv(run.Out);
        ASSERT_EQ(csv.size(), 3u);
        for (std::size_t r = 1; r < 3; ++r) {
            EXPECT_EQ(csv[r][0], size);
            EXPECT_EQ(csv[r][2], "");
            EXPECT_EQ(csv[r][6], "1");
        }
    }
    const ProcessResult line = RunQuery({"--lang", "en", "1e3", "H7"});
    EXPECT_EQ(line.Out, "1e3  H7  error 1: please input 0～3150 as the bisic dimension\n");
    const ProcessResult top = RunQuery({"3150", "H7"});
    EXPECT_EQ(top.Status, 0);
    EXPECT_EQ(top.Out.rfind("3150  H7  ES=+", 0), 0u) << top.Out;
}

TEST(Executable, Batch) {
    const ProcessResult run = RunQuery({"--batch", "--lang", "en"}, "100 H7/s6\nx H7\n");
    EXPECT_EQ(run.Status, 1);
    EXPECT_EQ(run.Err, "");
    const auto csv = ParseCsv(run.Out);
    ASSERT_EQ(csv.size(), 5u) << run.Out;
    EXPECT_EQ(csv[3][9], "MIN interference");
    EXPECT_EQ(csv[3][11], "Interference Fit");
    EXPECT_EQ(csv[4][6], "1");
    EXPECT_EQ(RunQuery({"--batch"}, "100 H7\n100 g6\n").Status, 0);
}

TEST(Executable, UsageErrorsAndInformation) {
    for (const auto& arguments :
         std::vector<std::vector<std::string>>{{},
                                               {"100"},
                                               {"--bogus", "100", "H7"},
                                               {"--lang", "de", "100", "H7"},
                                               {"--batch", "100", "H7"}}) {
        const ProcessResult run = RunQuery(arguments);
        EXPECT_EQ(run.Status, 2);
        EXPECT_EQ(run.Out, "");
        ASSERT_FALSE(run.Err.empty());
        EXPECT_EQ(run.Err.find('\n'), run.Err.size() - 1) << run.Err;
    }
    const ProcessResult version = RunQuery({"--version"});
    EXPECT_EQ(version.Status, 0);
    EXPECT_EQ(version.Out, "brimsel-query 1.3.8\n");
    const ProcessResult help = RunQuery({"--help"});
    EXPECT_EQ(help.Status, 0);
    EXPECT_NE(help.Out.find("brimsel-query [--csv] [--lang zh|en] SIZE ZONE..."),
              std::string::npos);
    EXPECT_NE(help.Out.find("--batch"), std::string::npos);
    EXPECT_NE(help.Out.find("brimsel-query 100 H7/g6"), std::string::npos);
}

TEST(Executable, MissingOrDamagedDataFile) {
    const std::string good = ShippedDataBytes();
    ASSERT_GT(good.size(), 60u);
    std::string wrongMark = good;
    wrongMark[good.size() - 2] = 1;
    const std::string cut = good.substr(0, good.size() / 2);
    struct Row {
        const char* name;
        const std::string* data;
    };
    std::vector<fs::path> folders;
    for (const Row& row : {Row{"missing", nullptr}, Row{"mark", &wrongMark}, Row{"cut", &cut}}) {
        SCOPED_TRACE(row.name);
        const fs::path folder = folders.emplace_back(ProgramWithData(row.name, row.data));
        const ProcessResult run = RunProgram(folder / "brimsel-query", {"100", "H7"});
        EXPECT_EQ(run.Status, 2);
        EXPECT_EQ(run.Out, "");
        EXPECT_NE(run.Err.find("[Quorbel.dat] 文件损坏，程序无法运行！"), std::string::npos)
            << run.Err;
        EXPECT_EQ(run.Err.find('\n'), run.Err.size() - 1) << run.Err;
        // Reading the data never creates or changes the file.
        EXPECT_EQ(fs::exists(folder / kDataFileName), row.data != nullptr);
    }
    // The same program with a good file beside it works, wherever it is started from.
    const fs::path folder = ProgramWithData("good", &good);
    const ProcessResult run = RunProgram(folder / "brimsel-query", {"--lang", "en", "100", "g6"});
    EXPECT_EQ(run.Status, 0) << run.Err;
    EXPECT_EQ(run.Out, "100  g6  es=-0.012  ei=-0.034\n");
    for (const fs::path& used : folders) fs::remove_all(used);
    fs::remove_all(folder);
}

}  // namespace
}  // namespace brimsel
