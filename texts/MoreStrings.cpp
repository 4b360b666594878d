#include "texts/MoreStrings.h"

#include <array>
#include <cstddef>
#include <utility>

#include "texts/StringTable.h"

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

    // Derivations, measured-size checks and applicability.
    {More::ExplainHeading, "{1}，基本尺寸 {2} mm", "{1} at {2} mm"},
    {More::SizeRange, "尺寸分段：大于 {1} 至 {2} mm",
     "size range: above {1} up to and including {2} mm"},
    {More::FirstSizeRange, "尺寸分段：至 {2} mm", "size range: up to and including {2} mm"},
    {More::RangeShort, "大于 {1} 至 {2} mm", "above {1} to {2} mm"},
    {More::FirstRangeShort, "至 {2} mm", "up to {2} mm"},
    {More::StandardTolerance, "标准公差 {1} = {2} µm", "standard tolerance {1} = {2} µm"},
    {More::FundamentalDeviation, "基本偏差 {1}", "fundamental deviation {1}"},
    {More::NoFundamentalDeviation, "基本偏差：无，公差带对称于零线",
     "fundamental deviation: none, the zone lies symmetric to the zero line"},
    {More::LimitDeviations, "极限偏差", "limit deviations"},
    {More::Separator, "，", ", "},
    {More::RuleLine, "规则：{1}", "rule: {1}"},
    {More::RuleDelta, "表值加 Δ（本尺寸分段的 ITn − IT(n−1)）：K、M、N 至 IT8，P 至 ZC 至 IT7",
     "Δ (ITn - IT(n-1) of the size range) added to the table's value: K, M, N up to IT8, "
     "P to ZC up to IT7"},
    {More::RuleSymmetric, "JS/js：极限偏差为 ±IT/2", "JS/js: limit deviations ±IT/2"},
    {More::RuleSymmetricRounded, "JS/js 的 IT7 至 IT11，IT 为奇数 µm 时取 ±(IT − 1)/2",
     "JS/js IT7 to IT11 with an odd number of µm: ±(IT - 1)/2"},
    {More::RuleM6Special, "M6 在大于 250 至 315 mm 时 ES = -9 µm（标准的特例）",
     "M6 above 250 up to and including 315 mm: ES = -9 µm, the standard's special case"},
    {More::RuleGradeBand,
     "J/j：各公差等级有各自的表值（J6、J7、J8；j5 至 j6、j7、j8），其他等级不在标准内",
     "J/j: a table value for each grade (J6, J7, J8; j5 to j6, j7, j8); other grades lie "
     "outside the standard"},
    {More::RuleSmallSize, "基本尺寸至 1 mm：不用 A、B（a、b）、IT14 及更粗的等级和 IT8 以上的 N",
     "sizes up to 1 mm: no A, B (a, b), no grade IT14 or coarser, no N above IT8"},
    {More::Inside, "合格", "inside"},
    {More::Outside, "超差", "outside"},
    {More::NearerLargest, "距最大极限尺寸 {1} mm", "{1} mm to the largest limit of size"},
    {More::NearerSmallest, "距最小极限尺寸 {1} mm", "{1} mm to the smallest limit of size"},
    {More::Defined, "有定义", "defined"},
    {More::TooManyDigits, "基本尺寸的位数多于计算所用的 7 位有效数字或 7 位小数",
     "the basic size has more digits than the 7 significant digits and 7 decimals computed with"},

    // The window's context menu and its dialogs.
    {More::CopyResult, "复制结果", "Copy result"},
    {More::CopyCallout, "复制标注", "Copy callout"},
    {More::SaveDiagram, "保存公差带图…", "Save diagram…"},
    {More::DiagramFileTypes, "PNG 图像 (*.png);;SVG 图形 (*.svg)",
     "PNG image (*.png);;SVG drawing (*.svg)"},
    {More::DiagramNotSaved, "公差带图未能保存：", "The diagram could not be saved: "},
    {More::DiagramUnchanged, "公差带图没有保存；同名的原有文件保持不变。",
     "The diagram was not saved; a file already there under that name is unchanged."},
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
    {More::FinderFound, "符合的配合：{1}", "Fits found: {1}"},
    {More::FinderShown, "，显示前 {1} 个", "; the first {1} shown"},
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

    // The editions.
    {More::Standard, "标准", "Standard"},
    {More::Edition1998, "GB/T 1800.3-1998 · GB/T 1801-1999", "GB/T 1800.3-1998 · GB/T 1801-1999"},
    {More::Edition2020, "GB/T 1800.1-2020 · GB/T 1800.2-2020",
     "GB/T 1800.1-2020 · GB/T 1800.2-2020"},
    {More::EditionNotSaved, "所选标准未能保存，下次启动时不会沿用：",
     "The choice of standard could not be saved for the next start: "},
    {More::FiguresNote, "GB/T 1800.1-2020 图中的配合，框内的优先配合在前",
     "the fits of the figures of GB/T 1800.1-2020, the framed (preferred) ones first"},
    {More::NominalSize, "公称尺寸", "Nominal size"},
    {More::UpperLimitDeviation, "上极限偏差", "upper limit deviation"},
    {More::LowerLimitDeviation, "下极限偏差", "lower limit deviation"},
    {More::UpperLimitOfSize, "上极限尺寸", "upper limit of size"},
    {More::LowerLimitOfSize, "下极限尺寸", "lower limit of size"},
    {More::ExplainHeading2020, "{1}，公称尺寸 {2} mm", "{1} at {2} mm"},
    {More::NearerUpper, "距上极限尺寸 {1} mm", "{1} mm to the upper limit of size"},
    {More::NearerLower, "距下极限尺寸 {1} mm", "{1} mm to the lower limit of size"},
    {More::TooManyDigits2020, "公称尺寸的位数多于计算所用的 7 位有效数字或 7 位小数",
     "the nominal size has more digits than the 7 significant digits and 7 decimals computed "
     "with"},
    {More::FinderSize2020, "公称尺寸 (mm)", "Nominal size (mm)"},
    {More::FinderBadSize2020, "公称尺寸应为 0 至 3150 mm 的数",
     "The nominal size must be a number from 0 to 3150 mm"},
    {More::FinderFigures, "标准图中的配合", "Fits of the standard's figures"},
    {More::FinderListed, "列入", "listed"},
    {More::SizeMessage2020, "公称尺寸应输入0～3150", "please input 0～3150 as the nominal size"},
    {More::OutsideMessage2020, "公称尺寸或公差等级超出标准的适用范围",
     "the setting is outside the standards GB/T 1800.1 & GB/T 1800.2"},
};

// The 2020 edition's words for texts that carry a term.
constexpr std::pair<More, More> kTerms2020[] = {
    {More::LargestSize, More::UpperLimitOfSize},
    {More::SmallestSize, More::LowerLimitOfSize},
    {More::UpperDeviation, More::UpperLimitDeviation},
    {More::LowerDeviation, More::LowerLimitDeviation},
    {More::ExplainHeading, More::ExplainHeading2020},
    {More::NearerLargest, More::NearerUpper},
    {More::NearerSmallest, More::NearerLower},
    {More::TooManyDigits, More::TooManyDigits2020},
    {More::FinderSize, More::FinderSize2020},
    {More::FinderBadSize, More::FinderBadSize2020},
    {More::FinderCatalogue, More::FinderFigures},
};

// And for the numbered strings that carry one.
constexpr std::pair<int, More> kNumberedTerms2020[] = {
    {2, More::NominalSize},
    {25, More::SizeMessage2020},
    {27, More::OutsideMessage2020},
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

std::string_view LookUpMore(Language languageIndex, More id) {
    const auto i = static_cast<std::size_t>(id);
    if (i >= std::size(kTexts)) return {};
    return languageIndex == Language::English ? kTexts[i].English : kTexts[i].Chinese;
}

std::string_view LookUpMore(Language languageIndex, More id, Edition edition) {
    if (edition == Edition::Gb2020) {
        for (const auto& [term, term2020] : kTerms2020) {
            if (term == id) return LookUpMore(languageIndex, term2020);
        }
    }
    return LookUpMore(languageIndex, id);
}

std::string_view LookUpString(Language languageIndex, int n, Edition edition) {
    if (edition == Edition::Gb2020) {
        for (const auto& [number, term2020] : kNumberedTerms2020) {
            if (number == n) return LookUpMore(languageIndex, term2020);
        }
    }
    return LookUpString(languageIndex, n);
}

std::string FillIn(std::string_view text, std::string_view first, std::string_view second) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '{' && i + 2 < text.size() && text[i + 2] == '}' &&
            (text[i + 1] == '1' || text[i + 1] == '2')) {
            out += text[i + 1] == '1' ? first : second;
            i += 2;
        } else {
            out += text[i];
        }
    }
    return out;
}

}  // namespace brimsel
