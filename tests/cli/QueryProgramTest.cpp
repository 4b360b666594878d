// brimsel-query as a user runs it: the real program, its arguments, standard
// input, output, errors and exit status, as runs.tsv lists them.
#include <sys/wait.h>
#include <unistd.h>

#include "TestData.h"
#include "cli/Query.h"
#include "engine/BasicSize.h"
#include "engine/DataFile.h"

namespace brimsel::cli {
namespace {

namespace fs = std::filesystem;

std::string ShellQuoted(const std::string& text) {
    std::string quoted = "'";
    for (const char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

// A run and the rows below it, by their first field.
struct Case {
    const test::TsvRow* Run = nullptr;
    std::map<std::string, std::vector<std::string>> Rows;
    std::string First(const std::string& key) { return Rows[key].empty() ? "" : Rows[key][0]; }
    std::string Lines(const std::string& key) {
        std::string text;
        for (const std::string& line : Rows[key]) text += line + "\n";
        return text;
    }
};

void Check(Case c) {
    const test::TsvRow& run = *c.Run;
    const testing::ScopedTrace trace(run.File.c_str(), run.Line, "this run");
    fs::path program = BRIMSEL_QUERY_EXE;
    std::string data;
    // A fresh empty folder; ctest runs the tests in parallel processes.
    const fs::path folder =
        fs::path(testing::TempDir()) / ("brimsel-cli-" + std::to_string(getpid()));
    fs::remove_all(folder);
    fs::create_directories(folder);
    const std::string beside = c.First("beside"), to = c.First("to"), from = c.First("from"),
                      limit = c.First("limit");
    if (!beside.empty()) {
        fs::copy_file(program, folder / "brimsel-query");
        program = folder / "brimsel-query";
        data = test::ReadFile(fs::path(BRIMSEL_DATA_FOLDER) / kDataFileName);
        ASSERT_GT(data.size(), 60u);
        if (beside == "mark") data[data.size() - 2] = 1;
        if (beside == "cut") data.resize(data.size() / 2);
        if (beside == "flipped") data[1743] ^= 0x01;  // IT7 at 80-120 mm: 35.25 µm
        if (beside == "appended") data += "garbage";
        if (beside == "none")
            data.clear();
        else
            std::ofstream(folder / kDataFileName, std::ios::binary) << data;
    }
    std::ofstream(folder / "in", std::ios::binary) << c.Lines("in");
    std::string command = ShellQuoted(program.string());
    for (std::size_t i = 2; i < run.Fields.size(); ++i)
        command += " " + ShellQuoted(test::Unescaped(run[i]));
    const std::string input = from == "closed"   ? " <&-"
                              : from == "folder" ? " <" + ShellQuoted(folder)
                              : from.empty()     ? " <" + ShellQuoted(folder / "in")
                                                 : "";
    if (input.empty()) command = from + " | " + command;
        // AddressSanitizer reserves far more address space than any such limit, so
        // the sanitizer build runs these rows without it.
#ifndef __SANITIZE_ADDRESS__
    if (!limit.empty()) command = "ulimit -v " + limit + "; " + command;
#endif
    command += input + " 2>" + ShellQuoted(folder / "err") + " >" +
               ShellQuoted(to.empty() ? folder / "out" : fs::path(to));
    const int status = std::system(command.c_str());
    EXPECT_EQ(status != -1 && WIFEXITED(status) ? WEXITSTATUS(status) : -1, std::stoi(run[1]));
    const std::string out = test::ReadFile(folder / "out"), err = test::ReadFile(folder / "err");
    // Reading the data never creates or changes the file.
    if (!beside.empty()) {
        EXPECT_EQ(fs::exists(folder / kDataFileName), beside != "none");
        EXPECT_TRUE(test::ReadFile(folder / kDataFileName) == data) << "the data file changed";
    }
    fs::remove_all(folder);

    for (const std::string& part : c.Rows["has"])
        EXPECT_NE(out.find(part), std::string::npos) << part;
    if (c.Rows["has"].empty()) {
        EXPECT_EQ(out, c.Lines("out"));  // gtest shows the differing lines
    }
    EXPECT_EQ(c.Rows["err"].empty(), err.empty()) << err;
    for (const std::string& part : c.Rows["err"]) {
        EXPECT_NE(err.find(part), std::string::npos) << part << " in " << err;
        EXPECT_EQ(err.find('\n'), err.size() - 1) << "not one line: " << err;
    }
}

TEST(BrimselQuery, Runs) {
    const std::vector<test::TsvRow> rows = test::ReadTsv("cli/runs.tsv");
    std::vector<Case> cases;
    for (const test::TsvRow& row : rows) {
        if (row[0] == "run") {
            cases.emplace_back().Run = &row;
            continue;
        }
        const bool known =
            std::set<std::string>{"in", "out", "has", "err", "beside", "to", "from", "limit"}.count(
                row[0]);
        ASSERT_TRUE(!cases.empty() && known) << row.File << ":" << row.Line << ": " << row[0];
        cases.back().Rows[row[0]].push_back(test::Unescaped(row[1]));
    }
    for (const Case& c : cases) Check(c);
}

// The sizes exactly, as the runs cannot show them.
class SizeRows : public testing::TestWithParam<test::TsvRow> {};

TEST_P(SizeRows, ReadAsTheQueryAndTheSizeBoxReadThem) {
    const test::TsvRow& row = GetParam();
    const SizeForm form = row[1] == "box" ? SizeForm::Leading : SizeForm::Plain;
    const BasicSizeReading size = ReadBasicSize(row[0], form);
    constexpr std::string_view kRefusals[] = {"", "not-a-number", "outside", "too-precise"};
    EXPECT_EQ(size.Ok() ? size.Text : std::string(kRefusals[static_cast<int>(size.Refusal)]),
              row[2]);
    // The value computed with, exactly; a refused size outside keeps it too.
    if (!row[3].empty()) {
        EXPECT_EQ(size.Value, std::stof(row[3]));
    }
}

INSTANTIATE_TEST_SUITE_P(Sizes, SizeRows, testing::ValuesIn(test::ReadTsv("cli/sizes.tsv")),
                         test::RowName);

}  // namespace
}  // namespace brimsel::cli
