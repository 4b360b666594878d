#include "CliTestSupport.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <optional>
#include <sstream>

#include "engine/DataFile.h"

namespace brimsel::test {

namespace fs = std::filesystem;

fs::path ShippedDataFolder() { return BRIMSEL_DATA_FOLDER; }
fs::path QueryExecutable() { return BRIMSEL_QUERY_EXE; }

const ToleranceData& ShippedTables() {
    static const std::optional<ToleranceData> tables = [] {
        DataFileResult loaded = LoadToleranceFile(ShippedDataFolder() / kDataFileName);
        return loaded.Data;
    }();
    if (!tables) {
        ADD_FAILURE() << "cannot read " << (ShippedDataFolder() / kDataFileName);
        static const ToleranceData empty;
        return empty;
    }
    return *tables;
}

fs::path FreshFolder(std::string_view name) {
    // ctest runs every test in a process of its own, several at once.
    const fs::path folder = fs::path(testing::TempDir()) /
                            ("brimsel-cli-" + std::to_string(getpid()) + "-" + std::string(name));
    fs::remove_all(folder);
    fs::create_directories(folder);
    return folder;
}

std::vector<std::vector<std::string>> ParseCsv(std::string_view text) {
    std::vector<std::vector<std::string>> rows;
    std::vector<std::string> row;
    std::string field;
    bool quoted = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
                field += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                field += c;
            }
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            row.push_back(std::move(field));
            field.clear();
        } else if (c == '\n') {
            row.push_back(std::move(field));
            field.clear();
            rows.push_back(std::move(row));
            row.clear();
        } else {
            field += c;
        }
    }
    if (!field.empty() || !row.empty()) {
        row.push_back(std::move(field));
        rows.push_back(std::move(row));
    }
    return rows;
}

namespace {

std::string ShellQuoted(std::string_view text) {
    std::string out = "'";
    for (const char c : text) {
        if (c == '\'') {
            out += "'\\''";
        } else {
            out += c;
        }
    }
    out += '\'';
    return out;
}

std::string ReadWhole(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace

ProcessResult RunProgram(const fs::path& executable, const std::vector<std::string>& arguments,
                         const std::string& input) {
    static int run = 0;
    const fs::path folder = FreshFolder("run-" + std::to_string(++run));
    {
        std::ofstream in(folder / "in", std::ios::binary);
        in << input;
    }
    std::string command = ShellQuoted(executable.string());
    for (const std::string& argument : arguments) command += " " + ShellQuoted(argument);
    command += " <" + ShellQuoted((folder / "in").string());
    command += " >" + ShellQuoted((folder / "out").string());
    command += " 2>" + ShellQuoted((folder / "err").string());
    const int status = std::system(command.c_str());
    ProcessResult result;
    if (status != -1 && WIFEXITED(status)) result.Status = WEXITSTATUS(status);
    result.Out = ReadWhole(folder / "out");
    result.Err = ReadWhole(folder / "err");
    std::error_code ignored;
    fs::remove_all(folder, ignored);
    return result;
}

}  // namespace brimsel::test
