#include "ui/strings/MoreStrings.h"

#include <array>
#include <cstddef>

namespace brimsel {

namespace {

struct Pair {
    More Id;
    std::string_view Chinese;
    std::string_view English;
};

// In the order of the enumeration; the static_assert below keeps it so.
constexpr Pair kTexts[] = {
    // Limits of size and measured sizes.
    {More::LargestSize, "最大极限尺寸", "largest limit of size"},
    {More::SmallestSize, "最小极限尺寸", "smallest limit of size"},

    // The window's context menu and its dialogs.
    {More::CopyResult, "复制结果", "Copy result"},
    {More::CopyCallout, "复制标注", "Copy callout"},
    {More::SaveDiagram, "保存公差带图…", "Save diagram…"},
    {More::DiagramFileTypes, "PNG 图像 (*.png);;SVG 图形 (*.svg)",
     "PNG image (*.png);;SVG drawing (*.svg)"},
    {More::DiagramNotSaved, "公差带图未能保存：", "The diagram could not be saved: "},
    {More::UpperDeviation, "上极限偏差", "upper deviation"},
    {More::LowerDeviation, "下极限偏差", "lower deviation"},
    {More::KindOfFit, "配合类别", "kind of fit"},

    // The fit finder.
    {More::FindFit, "查找配合", "Find a fit"},
    {More::FinderSize, "基本尺寸 (mm)", "Basic size (mm)"},
    {More::FinderMin, "最小间隙 (mm，过盈为负)", "Smallest clearance (mm, interference negative)"},
    {More::FinderMax, "最大间隙 (mm，过盈为负)", "Largest clearance (mm, interference negative)"},
    {More::FinderScope, "范围", "Scope"},
    {More::FinderCatalogue, "优先和常用配合", "Preferred and common fits"},
    {More::FinderAll, "全部配合", "All fits"},
    {More::FinderBasis, "基准制", "Basis"},
    {More::FinderEitherBasis, "任意", "Either"},
    {More::FinderHoleBasis, "基孔制", "Hole basis"},
    {More::FinderShaftBasis, "基轴制", "Shaft basis"},
    {More::FinderFitColumn, "配合", "Fit"},
    {More::FinderMaxColumn, "最大间隙", "Max clearance"},
    {More::FinderMinColumn, "最小间隙", "Min clearance"},
    {More::FinderKindColumn, "配合类别", "Kind"},
    {More::FinderStandingColumn, "推荐程度", "Standing"},
    {More::FinderBasisColumn, "基准制", "Basis"},
    {More::FinderMarginMinColumn, "距最小", "Margin to min"},
    {More::FinderMarginMaxColumn, "距最大", "Margin to max"},
    {More::FinderMissColumn, "差距", "Misses by"},
    {More::FinderPreferred, "优先", "preferred"},
    {More::FinderCommon, "常用", "common"},
    {More::FinderOther, "其他", "other"},
    {More::FinderFound, "符合的配合：%1", "Fits found: %1"},
    {More::FinderShown, "，显示前 %1 个", "; the first %1 shown"},
    {More::FinderNone, "没有符合的配合；最接近的：", "No fit qualifies; the nearest:"},
    {More::FinderBadSize, "基本尺寸应为 0 至 3150 mm 的数",
     "The basic size must be a number from 0 to 3150 mm"},
    {More::FinderBadMin, "最小间隙应为以 mm 计的数",
     "The smallest clearance must be a number in mm"},
    {More::FinderBadMax, "最大间隙应为以 mm 计的数",
     "The largest clearance must be a number in mm"},
    {More::FinderMinAboveMax, "最小间隙大于最大间隙",
     "The smallest clearance is above the largest"},
    {More::FinderHint, "单击一个配合，主窗口即显示它", "Click a fit to show it in the main window"},
};

constexpr bool InEnumOrder() {
    if (std::size(kTexts) != static_cast<std::size_t>(More::Count)) return false;
    for (std::size_t i = 0; i < std::size(kTexts); ++i) {
        if (static_cast<std::size_t>(kTexts[i].Id) != i) return false;
    }
    return true;
}
static_assert(InEnumOrder(), "every More entry once, in the order of the enumeration");

}  // namespace

std::string_view LookUpMore(std::int16_t languageIndex, More id) {
    const auto i = static_cast<std::size_t>(id);
    if (i >= std::size(kTexts)) return {};
    return languageIndex == 2 ? kTexts[i].English : kTexts[i].Chinese;
}

}  // namespace brimsel
