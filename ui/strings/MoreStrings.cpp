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
