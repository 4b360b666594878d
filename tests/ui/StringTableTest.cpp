#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "ui/strings/StringTable.h"

namespace brimsel {
namespace {

struct Row {
    int Line;
    int N;
    std::string_view Chinese;
    std::string_view English;
};

// Every entry except 23, whose text is the program's own.
constexpr Row kRows[] = {
    {__LINE__, 1, "Brimsel", "Brimsel"},
    {__LINE__, 2, "基本尺寸", "Basic Dimension"},
    {__LINE__, 3, "基准制式", "relateve to"},
    {__LINE__, 4, "基孔制", "HOLE"},
    {__LINE__, 5, "基轴制", "SHAFT"},
    {__LINE__, 6, "自定义", "CUSTOM"},
    {__LINE__, 7, "公差等级", "Tolerance Setting"},
    {__LINE__, 8, "孔公差", "Hole Tol."},
    {__LINE__, 9, "轴公差", "Shaft Tol."},
    {__LINE__, 10, "配合形式", "Fit setting"},
    {__LINE__, 11, "间隙配合", "Clearance Fit"},
    {__LINE__, 12, "过渡配合", "Transition Fit"},
    {__LINE__, 13, "过盈配合", "Interference Fit"},
    {__LINE__, 14, "        自定义可查询所有公差，但不推荐使用  ",
     "  CUSTOM can query all the tolerance without physicall limit. For expect or special use "
     "only."},
    {__LINE__, 15, "查询结果", "Result"},
    {__LINE__, 16, "公差带图", "Tolerance Ranges Graph"},
    {__LINE__, 17, "孔", "hole"},
    {__LINE__, 18, "轴", "shaft"},
    {__LINE__, 19, "最大间隙", "MAX clearance"},
    {__LINE__, 20, "最小间隙", "MIN clearance"},
    {__LINE__, 21, "最大过盈", "MAX interference"},
    {__LINE__, 22, "最小过盈", "MIN interference"},
    {__LINE__, 24, "错误提示", "Error Occured"},
    {__LINE__, 25, "基本尺寸应输入0～3150", "please input 0～3150 as the bisic dimension"},
    {__LINE__, 26, "公差等级输入未完成或错误", "incorrect Tolerance Setting"},
    {__LINE__, 27, "基本尺寸或公差等级超出标准的适用范围",
     "the setting is outside the standards GB/T1800 & GB/T1801"},
    {__LINE__, 28, "简体中文", "English"},
    {__LINE__, 29, "[Quorbel.dat] 文件损坏，程序无法运行！",
     "program failed because the file (quorbel.dat) damaged!"},
    {__LINE__, 30, "8", "7.5"},
    {__LINE__, 31, "设置", "Setting"},
    {__LINE__, 32, "前端显示", "Bring to front"},
    {__LINE__, 33, "仅优先和常用配合", "Only priority and commonly fits"},
};

TEST(StringTable, EveryEntryOfBothHalves) {
    for (const Row& row : kRows) {
        EXPECT_EQ(LoadString(100 + row.N), row.Chinese)
            << __FILE__ << ":" << row.Line << " id " << 100 + row.N;
        EXPECT_EQ(LoadString(200 + row.N), row.English)
            << __FILE__ << ":" << row.Line << " id " << 200 + row.N;
        EXPECT_EQ(LookUpString(1, row.N), row.Chinese) << __FILE__ << ":" << row.Line;
        EXPECT_EQ(LookUpString(2, row.N), row.English) << __FILE__ << ":" << row.Line;
    }
}

TEST(StringTable, EntryTwentyThreeNamesTheProgramAndTheIssueTracker) {
    const std::string_view chinese = LoadString(123);
    const std::string_view english = LoadString(223);
    EXPECT_NE(chinese.find("Brimsel"), std::string_view::npos) << chinese;
    EXPECT_NE(chinese.find("问题"), std::string_view::npos) << chinese;
    EXPECT_NE(english.find("Brimsel"), std::string_view::npos) << english;
    EXPECT_NE(english.find("issue tracker"), std::string_view::npos) << english;
}

TEST(StringTable, IdsOutsideBothHalvesAreEmpty) {
    for (const int id : {0, 1, 99, 100, 134, 199, 200, 234, 301, -101}) {
        EXPECT_TRUE(LoadString(id).empty()) << "id " << id;
    }
    EXPECT_TRUE(LookUpString(0, 24).empty());
    EXPECT_TRUE(LookUpString(1, 0).empty());
    EXPECT_TRUE(LookUpString(1, 34).empty());
}

TEST(StringTable, EntryFourteenKeepsItsBlanks) {
    const std::string_view chinese = LoadString(114);
    EXPECT_EQ(chinese.substr(0, 9), "        \xe8") << "eight blanks, then the first character";
    EXPECT_EQ(chinese.find_first_not_of(' '), 8u);
    EXPECT_EQ(chinese.size() - chinese.find_last_not_of(' ') - 1, 2u) << "two trailing blanks";
    const std::string_view english = LoadString(214);
    EXPECT_EQ(english.find_first_not_of(' '), 2u);
    EXPECT_NE(english.back(), ' ');
}

TEST(StringTable, FullWidthCharactersOfTheMessages) {
    const std::string_view fullWidthTilde = "\xef\xbd\x9e";  // U+FF5E
    for (const int id : {125, 225}) {
        const std::string_view text = LoadString(id);
        EXPECT_NE(text.find(fullWidthTilde), std::string_view::npos) << "id " << id;
        EXPECT_EQ(text.find('~'), std::string_view::npos) << "id " << id;
    }
    const std::string_view damaged = LoadString(129);
    EXPECT_NE(damaged.find("\xef\xbc\x8c"), std::string_view::npos) << "full-width comma";
    EXPECT_NE(damaged.find("\xef\xbc\x81"), std::string_view::npos)
        << "full-width exclamation mark";
    EXPECT_EQ(damaged.substr(0, 14), "[Quorbel.dat] ") << "plain brackets and blank";
    EXPECT_EQ(damaged.find(','), std::string_view::npos);
    EXPECT_EQ(damaged.find('!'), std::string_view::npos);
}

}  // namespace
}  // namespace brimsel
