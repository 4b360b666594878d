// Helpers of the query command's tests: the shipped tables, CSV reading and
// running the real executable.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "engine/QueryState.h"

namespace brimsel::test {

// Quorbel.dat as built beside brimsel-query; the test fails when it is missing.
const ToleranceData& ShippedTables();
std::filesystem::path ShippedDataFolder();
std::filesystem::path QueryExecutable();

// A fresh empty folder below the test's temporary folder, its name unique to
// the process.
std::filesystem::path FreshFolder(std::string_view name);

// Splits CSV text into rows of fields, undoing the quoting. Expects "\n" line ends.
std::vector<std::vector<std::string>> ParseCsv(std::string_view text);

struct ProcessResult {
    int Status = -1;  // exit status; -1 when the process did not exit normally
    std::string Out;
    std::string Err;
};

ProcessResult RunProgram(const std::filesystem::path& executable,
                         const std::vector<std::string>& arguments, const std::string& input = "");

}  // namespace brimsel::test
