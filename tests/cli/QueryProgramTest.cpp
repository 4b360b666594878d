// brimsel-query as a user runs it: the real program, its arguments, standard
// input, output, errors and exit status, as runs.tsv lists them.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "TestData.h"
#include "cli/Query.h"
#include "engine/DataFile.h"

namespace brimsel {
namespace {

namespace fs = std::filesystem;

// A fresh empty folder; ctest runs the tests in parallel processes.
fs::path FreshFolder(const std::string& name) {
    const fs::path folder =
        fs::path(testing::TempDir()) / ("brimsel-cli-" + std::to_string(getpid()) + "-" + name);
    fs::remove_all(folder);
    fs::create_directories(folder);
    return folder;
}

std::string ShellQuoted(const std::string& text) {
    std::string quoted = "'";
    for (const char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

struct Case {
    const test::TsvRow* Run = nullptr;
    std::string Input, Beside, To, From, Limit;
    std::vector<const test::TsvRow*> Out, Has, Err;
};

void Check(const Case& c) {
    const test::TsvRow& run = *c.Run;
    const testing::ScopedTrace trace(run.File.c_str(), run.Line, "this run");
    fs::path program = BRIMSEL_QUERY_EXE;
    std::string data;
    const fs::path folder = FreshFolder("run");
    if (!c.Beside.empty()) {
        fs::copy_file(program, folder / "brimsel-query");
        program = folder / "brimsel-query";
        data = test::ReadFile(fs::path(BRIMSEL_DATA_FOLDER) / kDataFileName);
        ASSERT_GT(data.size(), 60u);
        if (c.Beside == "mark") data[data.size() - 2] = 1;
        if (c.Beside == "cut") data.resize(data.size() / 2);
        if (c.Beside == "none")
            data.clear();
        else
            std::ofstream(folder / kDataFileName, std::ios::binary) << data;
    }
    std::ofstream(folder / "in", std::ios::binary) << c.Input;
    std::string command = ShellQuoted(program.string());
    for (std::size_t i = 2; i < run.Fields.size(); ++i)
        command += " " + ShellQuoted(test::Unescaped(run[i]));
    const std::string from = c.From == "closed"   ? " <&-"
                             : c.From == "folder" ? " <" + ShellQuoted(folder)
                             : c.From.empty()     ? " <" + ShellQuoted(folder / "in")
                                                  : "";
    if (!c.From.empty() && from.empty()) command = c.From + " | " + command;
    if (!c.Limit.empty()) command = "ulimit -v " + c.Limit + "; " + command;
    command += from + " 2>" + ShellQuoted(folder / "err") + " >" +
               ShellQuoted(c.To.empty() ? folder / "out" : fs::path(c.To));
    const int status = std::system(command.c_str());
    EXPECT_EQ(status != -1 && WIFEXITED(status) ? WEXITSTATUS(status) : -1, std::stoi(run[1]));
    const std::string out = test::ReadFile(folder / "out"), err = test::ReadFile(folder / "err");
    // Reading the data never creates or changes the file.
    if (!c.Beside.empty()) {
        EXPECT_EQ(fs::exists(folder / kDataFileName), c.Beside != "none");
        EXPECT_TRUE(test::ReadFile(folder / kDataFileName) == data) << "the data file changed";
    }
    fs::remove_all(folder);

    for (const test::TsvRow* row : c.Has) {
        const testing::ScopedTrace has(row->File.c_str(), row->Line, "has");
        EXPECT_NE(out.find(test::Unescaped((*row)[1])), std::string::npos) << out;
    }
    if (c.Has.empty()) {
        std::string expected;
        for (const test::TsvRow* row : c.Out) expected += test::Unescaped((*row)[1]) + "\n";
        EXPECT_EQ(out, expected);
    }
    EXPECT_EQ(c.Err.empty(), err.empty()) << err;
    for (const test::TsvRow* row : c.Err) {
        const testing::ScopedTrace has(row->File.c_str(), row->Line, "err");
        EXPECT_NE(err.find(test::Unescaped((*row)[1])), std::string::npos) << err;
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
        ASSERT_FALSE(cases.empty()) << row.File << ":" << row.Line << ": no run above";
        Case& c = cases.back();
        if (row[0] == "in")
            c.Input += test::Unescaped(row[1]) + "\n";
        else if (row[0] == "out")
            c.Out.push_back(&row);
        else if (row[0] == "has")
            c.Has.push_back(&row);
        else if (row[0] == "err")
            c.Err.push_back(&row);
        else if (row[0] == "beside")
            c.Beside = row[1];
        else if (row[0] == "to")
            c.To = row[1];
        else if (row[0] == "from")
            c.From = test::Unescaped(row[1]);
        else if (row[0] == "limit")
            c.Limit = row[1];
        else
            ADD_FAILURE() << row.File << ":" << row.Line << ": unknown row " << row[0];
    }
    for (const Case& c : cases) Check(c);
}

// The sizes exactly, as the runs cannot show them.
TEST(ParseBasicSize, PlainDecimalsFrom0To3150) {
    for (const test::TsvRow& row : test::ReadTsv("cli/sizes.tsv")) {
        const testing::ScopedTrace trace(row.File.c_str(), row.Line, "\"" + row[0] + "\"");
        const std::optional<float> size = ParseBasicSize(row[0]);
        EXPECT_EQ(size.has_value(), row[1] != "-");
        if (size && row[1] != "-") {
            EXPECT_EQ(*size, std::stof(row[1]));
        }
    }
}

}  // namespace
}  // namespace brimsel
