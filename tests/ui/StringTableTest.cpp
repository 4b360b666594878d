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

}  // namespace
}  // namespace brimsel
