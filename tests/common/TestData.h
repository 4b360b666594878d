// The tests' data files: tab-separated rows that keep their file and line, so
// that a failing row names the place to look, and whole files.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

namespace brimsel::test {

// The whole content of a file; empty when it cannot be read.
inline std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Splits at every separator: "a,,b" gives "a", "", "b"; "" gives one empty field.
inline std::vector<std::string> Split(std::string_view text, char separator) {
    std::vector<std::string> fields(1);
    for (const char c : text) c == separator ? fields.emplace_back() : fields.back() += c;
    return fields;
}

// "\t", "\r", "\n", "\\" and "\xNN" (two hex digits) of a data file's field as the
// characters they stand for.
inline std::string Unescaped(std::string_view field) {
    std::string text;
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field.substr(i, 2) == "\\x" && i + 3 < field.size() &&
            std::isxdigit(static_cast<unsigned char>(field[i + 2])) &&
            std::isxdigit(static_cast<unsigned char>(field[i + 3]))) {
            text += static_cast<char>(std::stoi(std::string(field.substr(i + 2, 2)), nullptr, 16));
            i += 3;
            continue;
        }
        const std::size_t kind = field[i] == '\\' && i + 1 < field.size()
                                     ? std::string_view("trn\\").find(field[i + 1])
                                     : std::string_view::npos;
        text += kind == std::string_view::npos ? field[i] : "\t\r\n\\"[kind];
        i += kind != std::string_view::npos;
    }
    return text;
}

struct TsvRow {
    std::string File;
    int Line = 0;
    std::vector<std::string> Fields;

    // A missing field reads as empty: a short row fails on its values, not with a crash.
    const std::string& operator[](std::size_t i) const {
        static const std::string kMissing;
        return i < Fields.size() ? Fields[i] : kMissing;
    }
};

// The rows of a file below the tests' data folder, e.g. "fits/catalogue.tsv",
// without blank lines and lines that start with '#'. A file that cannot be
// read or holds no row fails the test. Check each row inside
//     const testing::ScopedTrace trace(row.File.c_str(), row.Line, "");
inline std::vector<TsvRow> ReadTsv(std::string_view name) {
    const std::string path = std::string(BRIMSEL_TEST_DATA_DIR) + "/" + std::string(name);
    std::vector<TsvRow> rows;
    int number = 0;
    for (std::string line : Split(ReadFile(path), '\n')) {
        ++number;
        if (line.ends_with('\r')) line.pop_back();
        if (!line.empty() && line.front() != '#') rows.push_back({path, number, Split(line, '\t')});
    }
    if (rows.empty()) ADD_FAILURE() << "no rows in " << path;
    return rows;
}

}  // namespace brimsel::test
