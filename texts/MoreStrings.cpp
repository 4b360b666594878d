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
    // Interference fits that carry a load, and fits at operating temperatures.
    {More::InterferenceFit, "过盈配合计算", "Interference fit calculation"},
    {More::OperatingFit, "工作温度下的配合", "Fit at operating temperatures"},
    {More::GroupLoad, "载荷", "Load"},
    {More::GroupGeometry, "几何尺寸", "Geometry"},
    {More::GroupHub, "包容件（轮毂）", "Hub (outer part)"},
    {More::GroupShaft, "被包容件（轴）", "Shaft (inner part)"},
    {More::GroupAssembly, "装配", "Assembly"},
    {More::GroupRequirement, "所需过盈", "Requirement"},
    {More::GroupFits, "可选配合", "Qualifying fits"},
    {More::GroupCheck, "配合校核", "Check"},
    {More::FieldTorque, "转矩 M_t (N·m)", "Torque M_t (N·m)"},
    {More::FieldAxial, "轴向力 F_x (N)", "Axial force F_x (N)"},
    {More::FieldDiameter, "结合直径 d_f (mm)", "Fit diameter d_f (mm)"},
    {More::FieldLength, "结合长度 l_f (mm)", "Fit length l_f (mm)"},
    {More::FieldHubOutside, "轮毂外径 d_a (mm)", "Hub outside diameter d_a (mm)"},
    {More::FieldShaftBore, "轴内径 d_i (mm，实心为 0)", "Shaft bore d_i (mm, 0 solid)"},
    {More::FieldMaterial, "材料", "Material"},
    {More::FieldModulus, "弹性模量 E (MPa)", "Modulus E (MPa)"},
    {More::FieldPoisson, "泊松比 ν", "Poisson's ratio ν"},
    {More::FieldHeatingAlpha, "加热线胀系数 α (10⁻⁶/°C)", "Expansion α, heating (10⁻⁶/°C)"},
    {More::FieldCoolingAlpha, "冷却线胀系数 α (10⁻⁶/°C)", "Expansion α, cooling (10⁻⁶/°C)"},
    {More::FieldStrength, "屈服强度 σ_s (MPa)", "Yield strength σ_s (MPa)"},
    {More::FieldBrittle, "脆性材料，用抗拉强度 σ_b", "Brittle: tensile strength σ_b"},
    {More::FieldRoughness, "表面粗糙度 Ra (µm)", "Roughness Ra (µm)"},
    {More::FieldOperatingTemp, "工作温度 (°C)", "Operating temperature (°C)"},
    {More::FieldFriction, "摩擦系数 μ", "Friction μ"},
    {More::FieldAssembly, "装配方法", "Assembly"},
    {More::FieldBrittleSafety, "脆性材料安全系数 n", "Brittle safety n"},
    {More::FieldRoomTemp, "室温 t_0 (°C)", "Room temperature t_0 (°C)"},
    {More::FieldAssemblyClearance, "装配间隙 Δ (µm)", "Assembly clearance Δ (µm)"},
    {More::AssemblyPress, "压入（纵向）", "pressed in (longitudinal)"},
    {More::AssemblyShrink, "温差装配（横向）", "shrunk (transverse)"},
    {More::MaterialCustom, "自定义", "custom"},
    {More::MaterialSteel, "碳钢、低合金钢", "carbon and low-alloy steel"},
    {More::MaterialGreyIron150, "灰铸铁 HT150、HT200", "grey iron HT150, HT200"},
    {More::MaterialGreyIron250, "灰铸铁 HT250、HT300", "grey iron HT250, HT300"},
    {More::MaterialMalleableIron, "可锻铸铁", "malleable iron"},
    {More::MaterialNodularIron, "球墨铸铁", "nodular iron"},
    {More::MaterialBronze, "青铜", "bronze"},
    {More::MaterialBrass, "黄铜", "brass"},
    {More::MaterialAluminium, "铝合金", "aluminium alloy"},
    {More::MaterialMagnesium, "镁铝合金", "magnesium-aluminium alloy"},
    {More::RangeTip, "表中范围：{1} 至 {2}", "The table's range: {1} to {2}"},
    {More::ValueTip, "表中值：{1}", "The table's value: {1}"},
    {More::NoCoolingTip, "表中无冷却线胀系数：此材料不冷却装配",
     "The table has no cooling coefficient: this material is not shrunk by cooling"},
    {More::StrengthTip, "塑性材料填屈服强度 σ_s；脆性材料（如灰铸铁）填抗拉强度 σ_b 并勾选脆性",
     "Ductile: the yield strength σ_s; brittle (grey iron and the like): the tensile strength σ_b, "
     "with Brittle ticked"},
    {More::FrictionTip, "压入配合的摩擦系数（无润滑 / 有润滑）：",
     "Friction of pressed fits (unlubricated / lubricated):"},
    {More::FrictionSteelSteel, "钢–钢", "steel–steel"},
    {More::FrictionSteelCastIron, "钢–铸铁", "steel–cast iron"},
    {More::FrictionSteelBronze, "钢–青铜", "steel–bronze"},
    {More::FrictionCastIronCastIron, "铸铁–铸铁", "cast iron–cast iron"},
    {More::OperatingTempTip, "空着为 20 °C。弹性模量和强度按 20 °C 取值",
     "Empty: 20 °C. The modulus and the strengths are taken at 20 °C"},
    {More::FitsAll, "全部配合", "All fits"},
    {More::CheckOf, "校核 {1}", "Check of {1}"},
    {More::CheckShown, "校核主窗口中的配合 {1}", "Check of the main window's fit {1}"},
    {More::CheckNone, "选择一个配合即可校核", "Pick a fit to check it"},
    {More::ApplyFit, "在主窗口中显示", "Show in the main window"},
    {More::VerdictHolds, "不打滑：防滑安全系数 {1}", "holds: slip safety {1}"},
    {More::VerdictSlips, "会打滑：防滑安全系数 {1}", "slips: slip safety {1}"},
    {More::VerdictElastic, "保持弹性：最大压力 {1} ≤ {2} MPa",
     "stays elastic: p_max {1} ≤ {2} MPa"},
    {More::VerdictYields, "会屈服：最大压力 {1} > {2} MPa", "yields: p_max {1} > {2} MPa"},
    {More::VerdictBinding, "最大允许压力由{1}决定", "the {1} limits the pressure"},
    {More::AtTwentyNote, "过盈按工作温度计算；弹性模量和强度按 20 °C 取值",
     "Interferences at the operating temperatures; the modulus and the strengths at 20 °C"},
    {More::AtOperatingNote, "最小过盈取工作温度下的值；最大过盈取 20 °C 与工作温度下的较大者",
     "The least interference at the operating temperatures; the largest the greater of 20 °C "
     "and operating"},
    {More::PartHub, "轮毂", "hub"},
    {More::PartShaft, "轴", "shaft"},
    {More::ProblemNotANumber, "输入的值不是有限的数", "A value is not a finite number"},
    {More::ProblemNoLoad, "没有载荷：请输入转矩或轴向力",
     "No load: enter a torque or an axial force"},
    {More::ProblemBadDiameter, "结合直径 d_f 应大于 0", "The fit diameter d_f must be above 0"},
    {More::ProblemBadLength, "结合长度 l_f 应大于 0", "The fit length l_f must be above 0"},
    {More::ProblemHubTooThin, "轮毂外径 d_a 应大于结合直径 d_f",
     "The hub's outside diameter d_a must be above the fit diameter d_f"},
    {More::ProblemBadShaftBore, "轴内径 d_i 应为 0（实心轴）或小于结合直径 d_f",
     "The shaft bore d_i must be 0 (solid) or below the fit diameter d_f"},
    {More::ProblemBadModulus, "{1}的弹性模量 E 应大于 0", "The {1}'s modulus E must be above 0"},
    {More::ProblemBadPoisson, "{1}的泊松比 ν 应在 0 至 0.5 之间",
     "The {1}'s Poisson's ratio ν must lie from 0 to 0.5"},
    {More::ProblemBadStrength, "{1}的强度应大于 0", "The {1}'s strength must be above 0"},
    {More::ProblemBadFriction, "摩擦系数 μ 应大于 0", "The friction μ must be above 0"},
    {More::ProblemBadRoughness, "{1}的粗糙度 Ra 不能为负",
     "The {1}'s roughness Ra must not be negative"},
    {More::ProblemBadSafety, "脆性材料安全系数 n 应不小于 1",
     "The brittle safety n must be 1 or more"},
    {More::ProblemBadClearance, "装配间隙 Δ 不能为负",
     "The assembly clearance Δ must not be negative"},
    {More::ProblemNoExpansion, "{1}有工作温度，但没有线胀系数 α",
     "The {1} has an operating temperature but no expansion coefficient α"},
    {More::ProblemNoFitHolds, "没有过盈配合能传递此载荷而不屈服：{1}限制了最大过盈",
     "No interference fit carries this load without yielding: the {1} limits the interference"},
    {More::ProblemCannotCool, "{1}的材料没有冷却线胀系数，不能冷却装配",
     "The {1}'s material has no cooling coefficient: it is not shrunk by cooling"},
    {More::ProblemBelowAbsoluteZero, "{1}需冷却到绝对零度以下：不能只靠冷却装配",
     "The {1} would have to be cooled below absolute zero: cooling alone cannot assemble it"},
    {More::QuantityFt, "需传递的力 F_t", "load to carry F_t"},
    {More::QuantityPfMin, "最小传递压力 p_fmin", "least pressure p_fmin"},
    {More::QuantityQa, "轮毂直径比 q_a", "hub diameter ratio q_a"},
    {More::QuantityQi, "轴直径比 q_i", "shaft diameter ratio q_i"},
    {More::QuantityCa, "轮毂系数 C_a", "hub coefficient C_a"},
    {More::QuantityCi, "轴系数 C_i", "shaft coefficient C_i"},
    {More::QuantityEaMin, "轮毂最小直径变化量 e_amin", "least hub bore widening e_amin"},
    {More::QuantityEiMin, "轴最小直径变化量 e_imin", "least shaft narrowing e_imin"},
    {More::QuantityDeltaEMin, "最小有效过盈 δ_emin", "least effective interference δ_emin"},
    {More::QuantityDeltaMin, "所需最小过盈 δ_min", "least interference needed δ_min"},
    {More::QuantityA, "轮毂系数 a（塑性）", "hub factor a (ductile)"},
    {More::QuantityB, "轮毂系数 b（脆性）", "hub factor b (brittle)"},
    {More::QuantityC, "轴系数 c", "shaft factor c"},
    {More::QuantityPfaMax, "轮毂不屈服的最大压力 p_famax", "most pressure on the hub p_famax"},
    {More::QuantityPfiMax, "轴不屈服的最大压力 p_fimax", "most pressure on the shaft p_fimax"},
    {More::QuantityPfMax, "最大允许压力 p_fmax", "most pressure allowed p_fmax"},
    {More::QuantityFtMax, "最大传递力 F_tmax", "most load carried F_tmax"},
    {More::QuantityMtMax, "最大传递转矩 M_tmax", "most torque carried M_tmax"},
    {More::QuantityEaMax, "轮毂最大直径变化量 e_amax", "most hub bore widening e_amax"},
    {More::QuantityEiMax, "轴最大直径变化量 e_imax", "most shaft narrowing e_imax"},
    {More::QuantityDeltaEMax, "允许最大有效过盈 δ_emax", "most effective interference δ_emax"},
    {More::QuantityYMin, "最小过盈 Y_min", "least interference Y_min"},
    {More::QuantityYMax, "最大过盈 Y_max", "largest interference Y_max"},
    {More::QuantityPMin, "最小过盈时的压力 p_min", "pressure at Y_min p_min"},
    {More::QuantityFCap, "可传递的力", "load carried"},
    {More::QuantityMCap, "可传递的转矩", "torque carried"},
    {More::QuantitySlipSafety, "防滑安全系数", "slip safety"},
    {More::QuantityPMax, "最大过盈时的压力 p_max", "pressure at Y_max p_max"},
    {More::QuantityHubBoreHoop, "轮毂内孔切向应力", "hub bore hoop stress"},
    {More::QuantityHubBoreRadial, "轮毂内孔径向应力", "hub bore radial stress"},
    {More::QuantityHubBoreVonMises, "轮毂内孔等效应力 (von Mises)", "hub bore von Mises stress"},
    {More::QuantityHubOdHoop, "轮毂外缘切向应力", "hub outside hoop stress"},
    {More::QuantityShaftBoreHoop, "轴内孔切向应力", "shaft bore hoop stress"},
    {More::QuantityHubOdGrowth, "轮毂外径增大量", "growth of the hub's outside diameter"},
    {More::QuantityPressForce, "压入力", "press-in force"},
    {More::QuantityHubHeatTemp, "轮毂加热温度", "hub heated to"},
    {More::QuantityShaftCoolTemp, "轴冷却温度", "shaft cooled to"},
    {More::QuantityXMax20, "20 °C 时的最大间隙", "largest clearance at 20 °C"},
    {More::QuantityXMin20, "20 °C 时的最小间隙", "smallest clearance at 20 °C"},
    {More::QuantityXMax, "工作温度下的最大间隙", "largest clearance in operation"},
    {More::QuantityXMin, "工作温度下的最小间隙", "smallest clearance in operation"},
    {More::QuantityKind, "配合类别", "kind of fit"},
    {More::FieldFit, "配合", "Fit"},
    {More::FieldHoleTemp, "孔的温度 t_h (°C)", "Hole temperature t_h (°C)"},
    {More::FieldShaftTemp, "轴的温度 t_s (°C)", "Shaft temperature t_s (°C)"},
    {More::FieldHoleAlpha, "孔的线胀系数 α_h (10⁻⁶/°C)", "Hole expansion α_h (10⁻⁶/°C)"},
    {More::FieldShaftAlpha, "轴的线胀系数 α_s (10⁻⁶/°C)", "Shaft expansion α_s (10⁻⁶/°C)"},
    {More::OperatingShift, "两个极限间隙都变化 {1} µm（负为过盈增大）",
     "Both limits of fit move by {1} µm (negative: more interference)"},
    {More::OperatingNoFit, "主窗口中没有配合", "The main window shows no fit"},
    {More::UnitMicron, "µm", "µm"},
    {More::UnitTorque, "N·m", "N·m"},
    {More::UnitDegree, "°C", "°C"},
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
