#include "TestData.h"
#include "ui/strings/StringTable.h"

namespace brimsel {
namespace {

TEST(StringTable, BothHalvesAsListed) {
    const auto rows = test::ReadTsv("ui/strings.tsv");
    EXPECT_EQ(rows.size(), 32u) << "every entry but 23";
    for (const auto& row : rows) {
        const testing::ScopedTrace trace(row.File.c_str(), row.Line, row[0]);
        const int n = std::stoi(row[0]);
        EXPECT_EQ(LookUpString(1, n), row[1]);
        EXPECT_EQ(LookUpString(2, n), row[2]);
    }
    // Entry 23 is the program's own line naming it and where to report problems;
    // the window's layout steps read the Chinese one whole.
    EXPECT_NE(LoadString(123).find("Brimsel"), std::string_view::npos);
    EXPECT_NE(LoadString(223).find("Brimsel"), std::string_view::npos);
    EXPECT_NE(LoadString(223).find("issue tracker"), std::string_view::npos);
    for (const int id : {0, 1, 99, 100, 134, 199, 200, 234, 301, -101})
        EXPECT_TRUE(LoadString(id).empty()) << "id " << id;
    for (const auto& [language, n] : {std::pair(0, 24), std::pair(1, 0), std::pair(1, 34)})
        EXPECT_TRUE(LookUpString(std::int16_t(language), n).empty()) << language << " " << n;
}

// Spelt out here as well, so that a data file saved by a tool that trims
// blanks or folds wide characters cannot agree with a wrong table.
TEST(StringTable, BlanksAndFullWidthCharacters) {
    const std::string_view custom = LoadString(114);
    EXPECT_EQ(custom.substr(0, 9), "        \xe8") << "eight blanks, then the first character";
    EXPECT_EQ(custom.size() - custom.find_last_not_of(' ') - 1, 2u) << "two trailing blanks";
    EXPECT_EQ(LoadString(214).find_first_not_of(' '), 2u);
    EXPECT_NE(LoadString(214).back(), ' ');
    for (const int id : {125, 225}) {
        EXPECT_NE(LoadString(id).find("\xef\xbd\x9e"), std::string_view::npos) << id << " U+FF5E";
        EXPECT_EQ(LoadString(id).find('~'), std::string_view::npos) << id;
    }
    const std::string_view damaged = LoadString(129);
    EXPECT_EQ(damaged.substr(0, 14), "[Quorbel.dat] ") << "plain brackets and blank";
    EXPECT_NE(damaged.find("\xef\xbc\x8c\xe7\xa8\x8b"), std::string_view::npos) << "wide comma";
    EXPECT_EQ(damaged.substr(damaged.size() - 3), "\xef\xbc\x81") << "wide exclamation mark";
    EXPECT_EQ(damaged.find_first_of(",!"), std::string_view::npos);
    for (const char c : LoadString(229)) EXPECT_LT(static_cast<unsigned char>(c), 0x80) << "229";
}

}  // namespace
}  // namespace brimsel
