// The tests' data files: tab-separated rows that keep their file and line, so
// that a failing row names the place to look, and whole files; decimal texts
// worked on their digits, apart from the program's own arithmetic.
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

// How gtest names a row's parameter: its file and line.
inline void PrintTo(const TsvRow& row, std::ostream* out) {
    *out << row.File.substr(row.File.find_last_of('/') + 1) << ":" << row.Line;
}

// A parameterised test's name for a row: the file's stem and the line
// ("limits_12"), so that a failing row names itself and runs alone with
// --gtest_filter=*limits_12.
inline std::string RowName(const testing::TestParamInfo<TsvRow>& info) {
    const TsvRow& row = info.param;
    std::string stem = row.File.substr(row.File.find_last_of('/') + 1);
    stem = stem.substr(0, stem.find('.'));
    for (char& c : stem) {
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
    }
    return stem + "_" + std::to_string(row.Line);
}

// One test a row of a table, each named by RowName:
//     TSV_ROW_TEST(FinderRows, MatchesBruteForce, "fits/finder.tsv") { ... row ... }
// The body checks the one row `row`; `return` ends it.
#define TSV_ROW_TEST(suite, name, file)                                                        \
    void suite##_##name(const ::brimsel::test::TsvRow& row);                                   \
    class suite : public ::testing::TestWithParam<::brimsel::test::TsvRow> {};                 \
    TEST_P(suite, name) { suite##_##name(GetParam()); }                                        \
    INSTANTIATE_TEST_SUITE_P(Rows, suite, ::testing::ValuesIn(::brimsel::test::ReadTsv(file)), \
                             ::brimsel::test::RowName);                                        \
    void suite##_##name(const ::brimsel::test::TsvRow& row)

inline int Decimals(const std::string& text) {
    const auto point = text.find('.');
    return point == std::string::npos ? 0 : static_cast<int>(text.size() - point - 1);
}

// The decimals a decimal text needs, trailing zeros aside, `least` at least.
inline int NeededDecimals(std::string text, int least) {
    while (text.find('.') != std::string::npos && text.back() == '0') text.pop_back();
    return std::max(least, Decimals(text));
}

// "12.5" as a whole number of 10^-decimals: 125 with 1, 12500 with 3.
inline long long Scaled(std::string text, int decimals) {
    text.erase(0, text.find_first_not_of(' '));
    text.append(static_cast<std::size_t>(decimals - Decimals(text)), '0');
    std::erase(text, '.');
    return std::stoll(text);
}

// The value written back with its decimals; `sign` writes "+" above zero and a bare "0".
inline std::string Written(long long value, int decimals, bool sign = false) {
    std::string digits = std::to_string(value < 0 ? -value : value);
    digits.insert(0, static_cast<std::size_t>(std::max(0, decimals + 1 - int(digits.size()))), '0');
    if (decimals > 0) digits.insert(digits.size() - static_cast<std::size_t>(decimals), ".");
    if (value == 0 && sign) return "0";
    return (value < 0 ? "-" : value > 0 && sign ? "+" : "") + digits;
}

}  // namespace brimsel::test
