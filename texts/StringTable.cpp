#include "texts/StringTable.h"

#include <algorithm>
#include <iterator>

namespace brimsel {

namespace {

struct Entry {
    int Id;
    std::string_view Text;
};

// Both halves carry the same numbers n; the texts are the program's own,
// character for character (including the leading and trailing blanks of
// entry 14 and the full-width tildes of entry 25).
constexpr Entry kEntries[] = {
    // Simplified Chinese
    {101, "Brimsel"},
    {102, "基本尺寸"},
    {103, "基准制式"},
    {104, "基孔制"},
    {105, "基轴制"},
    {106, "自定义"},
    {107, "公差等级"},
    {108, "孔公差"},
    {109, "轴公差"},
    {110, "配合形式"},
    {111, "间隙配合"},
    {112, "过渡配合"},
    {113, "过盈配合"},
    {114, "        自定义可查询所有公差，但不推荐使用  "},
    {115, "查询结果"},
    {116, "公差带图"},
    {117, "孔"},
    {118, "轴"},
    {119, "最大间隙"},
    {120, "最小间隙"},
    {121, "最大过盈"},
    {122, "最小过盈"},
    {123, "Brimsel 公差配合查询 · 问题请报至项目问题跟踪系统"},
    {124, "错误提示"},
    {125, "基本尺寸应输入0～3150"},
    {126, "公差等级输入未完成或错误"},
    {127, "基本尺寸或公差等级超出标准的适用范围"},
    {128, "简体中文"},
    {129, "[Quorbel.dat] 文件损坏，程序无法运行！"},
    {130, "8"},
    {131, "设置"},
    {132, "前端显示"},
    {133, "仅优先和常用配合"},
    // English
    {201, "Brimsel"},
    {202, "Basic Dimension"},
    {203, "relateve to"},
    {204, "HOLE"},
    {205, "SHAFT"},
    {206, "CUSTOM"},
    {207, "Tolerance Setting"},
    {208, "Hole Tol."},
    {209, "Shaft Tol."},
    {210, "Fit setting"},
    {211, "Clearance Fit"},
    {212, "Transition Fit"},
    {213, "Interference Fit"},
    {214,
     "  CUSTOM can query all the tolerance without physicall limit. For expect or special use "
     "only."},
    {215, "Result"},
    {216, "Tolerance Ranges Graph"},
    {217, "hole"},
    {218, "shaft"},
    {219, "MAX clearance"},
    {220, "MIN clearance"},
    {221, "MAX interference"},
    {222, "MIN interference"},
    {223, "Brimsel limits and fits lookup - please report problems on the project's issue tracker"},
    {224, "Error Occured"},
    {225, "please input 0～3150 as the bisic dimension"},
    {226, "incorrect Tolerance Setting"},
    {227, "the setting is outside the standards GB/T1800 & GB/T1801"},
    {228, "English"},
    {229, "program failed because the file (quorbel.dat) damaged!"},
    {230, "7.5"},
    {231, "Setting"},
    {232, "Bring to front"},
    {233, "Only priority and commonly fits"},
};

static_assert(std::is_sorted(std::begin(kEntries), std::end(kEntries),
                             [](const Entry& a, const Entry& b) { return a.Id < b.Id; }));

}  // namespace

std::string_view LoadString(int id) {
    const auto it = std::lower_bound(std::begin(kEntries), std::end(kEntries), id,
                                     [](const Entry& e, int wanted) { return e.Id < wanted; });
    if (it == std::end(kEntries) || it->Id != id) return {};
    return it->Text;
}

std::string_view LookUpString(Language languageIndex, int n) {
    return LoadString(static_cast<int>(languageIndex) * 100 + n);
}

}  // namespace brimsel
