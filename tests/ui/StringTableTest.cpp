// What a copy of the table could not check: every number from 1 to 33 has its
// Chinese entry and its English twin and nothing lies around them, and the
// twins say what the program builds on.

#include "TestData.h"
#include "texts/StringTable.h"

namespace brimsel {
namespace {

TEST(StringTable, ContiguousTwinsThatAgree) {
    for (int n = 0; n <= 34; ++n) {
        const std::string_view zh = LookUpString(Language::Chinese, n),
                               en = LookUpString(Language::English, n);
        EXPECT_EQ(!zh.empty() && !en.empty(), n >= 1 && n <= 33) << n;
        EXPECT_EQ(zh.empty(), en.empty()) << n;
        // Han characters are three bytes led by 0xE4 to 0xE9; English has none.
        const auto han = [](unsigned char c) { return c >= 0xE4 && c <= 0xE9; };
        EXPECT_TRUE(std::ranges::none_of(en, han)) << n << " " << en;
        EXPECT_TRUE(n <= 1 || n == 30 || zh.empty() || std::ranges::any_of(zh, han)) << n;
    }
    for (const int id : {99, 100, 134, 199, 200, 234, 301, -101})
        EXPECT_TRUE(LoadString(id).empty());
}

TSV_ROW_TEST(StringMeaningRows, HoldTheirWords, "ui/string-meanings.tsv") {
    for (const Language language : {Language::Chinese, Language::English})
        for (const std::string& word : test::Split(row[static_cast<std::size_t>(language)], ' '))
            EXPECT_NE(LookUpString(language, std::stoi(row[0])).find(word), std::string::npos);
}

}  // namespace
}  // namespace brimsel
