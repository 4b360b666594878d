// The interference calculation against the published example and hand
// calculations, its refusals, the operating temperature, and the selection
// against every fit of the finder's widest scope.
#include <numbers>

#include "Shipped.h"
#include "TestData.h"
#include "engine/ExactDecimal.h"
#include "interference/Interference.h"
#include "interference/Materials.h"
#include "interference/Selection.h"

namespace brimsel::interference {
namespace {

// The published example: 200 N·m through a steel hub on a solid steel shaft, pressed.
InterferenceInput Example() {
    InterferenceInput in;
    in.Torque = 200.0;
    in.Diameter = 34.5;
    in.Length = 21.0;
    in.HubOutside = 117.0;
    in.Hub.E = 220000.0;
    in.Hub.Nu = 0.3;
    in.Hub.Strength = 400.0;
    in.Hub.Ra = 0.8;
    in.Shaft = in.Hub;
    in.Friction = 0.11;
    return in;
}

// Each expected value to the digits it is written with.
void ExpectDigits(const std::vector<Quantity>& list, const std::vector<std::string>& expected) {
    std::map<std::string, double> values;
    for (const Quantity& q : list) values[std::string(q.Key)] = q.Value.value_or(NAN);
    for (const std::string& pair : expected) {
        const auto [key, text] =
            std::pair(pair.substr(0, pair.find('=')), pair.substr(pair.find('=') + 1));
        ASSERT_TRUE(values.contains(key)) << key;
        EXPECT_NEAR(values.at(key), std::stod(text), 0.5 * std::pow(10.0, -test::Decimals(text)))
            << key;
    }
}

TEST(Interference, PublishedExampleToItsPrintedDigits) {
    const Requirement r = ComputeRequirement(Example());
    ASSERT_TRUE(r.Ok());
    // The example prints interferences in mm: here µm, three more digits.
    ExpectDigits(Quantities(r),
                 {"p_fmin=46.30841841", "C_a=1.490459", "C_i=0.7", "delta_emin=15.907118",
                  "delta_min=21.027118", "a=0.526487", "p_famax=210.5948202", "p_fmax=200",
                  "F_tmax=50073.84531", "delta_emax=68.700761"});
    EXPECT_EQ(r.PfMax, r.PfiMax);  // the solid shaft binds: c = 1/2
}

TEST(Interference, QuantityKeysAreStable) {
    std::string keys;
    for (const Quantity& q : Quantities(Requirement{})) keys += std::string(q.Key) + ",";
    for (const Quantity& q : Quantities(FitCheck{})) keys += std::string(q.Key) + ",";
    for (const Quantity& q : Quantities(OperatingFit{})) keys += std::string(q.Key) + ",";
    EXPECT_EQ(keys,
              "F_t,p_fmin,q_a,q_i,C_a,C_i,e_amin,e_imin,delta_emin,delta_min,a,b,c,p_famax,"
              "p_fimax,p_fmax,F_tmax,M_tmax,e_amax,e_imax,delta_emax,Y_min,Y_max,p_min,F_cap,"
              "M_cap,slip_safety,p_max,hub_bore_hoop,hub_bore_radial,hub_bore_von_mises,"
              "hub_od_hoop,shaft_bore_hoop,hub_od_growth,press_force,hub_heat_temp,"
              "shaft_cool_temp,X_max_20,X_min_20,X_max,X_min,kind,");
}

// H7/s6 at 34.5 mm: ES +25, EI 0, es +59, ei +43 µm.
constexpr ExactFitLimits kH7s6{-18 * kUnitsPerMicron, -59 * kUnitsPerMicron};

TEST(Interference, HollowShaftBindsAndItsBoreIsChecked) {
    InterferenceInput in = Example();
    in.ShaftBore = 17.25;  // q_i = 1/2
    const Requirement r = ComputeRequirement(in);
    ASSERT_TRUE(r.Ok());
    const double qa2 = (34.5 / 117.0) * (34.5 / 117.0);
    const double Ca = (1 + qa2) / (1 - qa2) + 0.3, Ci = 1.25 / 0.75 - 0.3;
    EXPECT_NEAR(r.Ci, Ci, 1e-12);
    EXPECT_NEAR(r.C, 0.375, 1e-12);
    EXPECT_NEAR(r.PfMax, 150.0, 1e-9);  // 0.375 x 400
    EXPECT_EQ(r.Where, Part::None);
    EXPECT_NEAR(r.DeltaEMax, 150.0 * 34.5 * (Ca + Ci) / 220000.0 * 1000.0, 1e-9);

    const FitCheck c = CheckFit(in, r, kH7s6);
    const double p = 0.059 / (34.5 * (Ca + Ci) / 220000.0);
    EXPECT_NEAR(c.PMax, p, 1e-9);
    ASSERT_TRUE(c.ShaftBoreHoop);
    EXPECT_NEAR(*c.ShaftBoreHoop, -p / 0.375, 1e-9);
    EXPECT_FALSE(CheckFit(Example(), ComputeRequirement(Example()), kH7s6).ShaftBoreHoop);
}

TEST(Interference, BrittleHubTakesTensileStrengthOverTheSafety) {
    InterferenceInput in = Example();
    ApplyMaterial(*FindMaterial("grey-iron-ht250"), in.Hub);
    in.Hub.Strength = 250.0;
    in.Hub.Brittle = true;
    in.BrittleSafety = 2.5;
    const Requirement r = ComputeRequirement(in);
    ASSERT_TRUE(r.Ok());
    EXPECT_EQ(in.Hub.E, 117500.0);
    const double qa2 = (34.5 / 117.0) * (34.5 / 117.0);
    EXPECT_NEAR(r.B, (1 - qa2) / (1 + qa2), 1e-12);
    EXPECT_NEAR(r.PfaMax, r.B * 250.0 / 2.5, 1e-9);
    EXPECT_NEAR(r.PfMax, r.PfaMax, 0);  // about 84 MPa, below the shaft's 200
    EXPECT_NEAR(r.Ca, (1 + qa2) / (1 - qa2) + 0.25, 1e-12);
}

TEST(Interference, ShrinkFitWithItsTemperatures) {
    InterferenceInput in = Example();
    in.Method = Assembly::Shrink;
    ApplyMaterial(*FindMaterial("steel"), in.Hub);
    ApplyMaterial(*FindMaterial("steel"), in.Shaft);
    const Requirement r = ComputeRequirement(in);
    ASSERT_TRUE(r.Ok());
    EXPECT_EQ(r.DeltaMin, r.DeltaEMin);  // no smoothing when shrunk

    const FitCheck c = CheckFit(in, r, kH7s6);
    ASSERT_TRUE(c.Ok());
    EXPECT_EQ(c.YMin, 18.0);
    EXPECT_EQ(c.YMax, 59.0);
    const double K = 34.5 * (r.Ca / 217500.0 + r.Ci / 217500.0);
    EXPECT_NEAR(c.PMin, 0.018 / K, 1e-9);
    EXPECT_NEAR(c.SlipSafety, c.PMin / r.PfMin, 1e-12);
    EXPECT_NEAR(c.PressForce, c.PMax * std::numbers::pi * 34.5 * 21 * 0.11, 1e-6);
    // (59 + 34.5) µm opened by 11e-6/°C or -8.5e-6/°C over 34.5 mm, from 20 °C.
    EXPECT_NEAR(*c.HubHeatTemp, 20.0 + 0.0935 / (11e-6 * 34.5), 1e-9);  // 266.4 °C
    EXPECT_NEAR(*c.ShaftCoolTemp, 20.0 - 0.0935 / (8.5e-6 * 34.5), 1e-9);
    EXPECT_EQ(c.Cooling, Problem::BelowAbsoluteZero);  // -298.8 °C: cooling alone cannot do it
    EXPECT_TRUE(c.Elastic);
    const FitCheck light = CheckFit(in, r, {-5 * kUnitsPerMicron, -30 * kUnitsPerMicron});
    EXPECT_NEAR(*light.ShaftCoolTemp, 20.0 - 0.0645 / (8.5e-6 * 34.5), 1e-9);  // -200 °C
    EXPECT_EQ(light.Cooling, Problem::None);

    // A bronze shaft is not cooled; a set clearance and room temperature count.
    ApplyMaterial(*FindMaterial("bronze"), in.Shaft);
    in.AssemblyClearance = 20.0;
    in.RoomTemp = 25.0;
    const FitCheck bronze = CheckFit(in, ComputeRequirement(in), kH7s6);
    EXPECT_EQ(bronze.Cooling, Problem::CannotCool);
    EXPECT_FALSE(bronze.ShaftCoolTemp);
    EXPECT_NEAR(*bronze.HubHeatTemp, 25.0 + 0.079 / (11e-6 * 34.5), 1e-9);
}

TEST(Interference, PressedH7s6SlipsUnderTheExampleLoad) {
    const InterferenceInput in = Example();
    const Requirement r = ComputeRequirement(in);
    const FitCheck c = CheckFit(in, r, kH7s6);
    // 18 µm less 2 x 1.6 x (0.8 + 0.8) of smoothing.
    const double p = 0.01288 / (34.5 * (r.Ca + r.Ci) / 220000.0);
    EXPECT_NEAR(c.PMin, p, 1e-9);
    EXPECT_NEAR(c.MCap, p * std::numbers::pi * 34.5 * 21 * 0.11 * 34.5 / 2000.0, 1e-9);
    EXPECT_FALSE(c.Holds);
    EXPECT_TRUE(c.Elastic);
    const double hoop = c.PMax * (117.0 * 117.0 + 34.5 * 34.5) / (117.0 * 117.0 - 34.5 * 34.5);
    EXPECT_NEAR(c.HubBoreHoop, hoop, 1e-9);
    EXPECT_NEAR(c.HubBoreVonMises, std::sqrt(hoop * hoop + hoop * c.PMax + c.PMax * c.PMax), 1e-9);
    EXPECT_NEAR(c.HubOdGrowth, 117.0 * c.HubOdHoop / 220000.0 * 1000.0, 1e-12);
}

// Aluminium housing on a steel shaft, 50 mm: hand shifts of each limit.
TEST(Interference, FitsMoveWithTheirOperatingTemperatures) {
    struct Row {
        double HoleAlpha, HoleTemp, ShaftAlpha, ShaftTemp;
        int MaxUm, MinUm;  // at 20 °C
        double ShiftUm;    // 50 mm x (αh Δth - αs Δts)
        KindOfFit Kind;
    };
    const Row rows[] = {
        {21e-6, 90, 11e-6, 90, 50, 9, 50 * 10e-6 * 70 * 1000, KindOfFit::Clearance},        // +35
        {11e-6, 20, 11e-6, 90, 23, -18, -50 * 11e-6 * 70 * 1000, KindOfFit::Interference},  // -38.5
        {21e-6, 20, 11e-6, 20, 50, 9, 0, KindOfFit::Clearance},
        {21e-6, -20, 11e-6, -20, 50, 9, 50 * 10e-6 * -40 * 1000, KindOfFit::Transition},  // -20
        // -0.04 µm of smallest clearance is shown as 0.0: a clearance fit still.
        {1e-6, -160.8, 0, 20, 50, 9, 50 * 1e-6 * -180.8 * 1000, KindOfFit::Clearance},
    };
    for (const Row& row : rows) {
        const OperatingFit fit =
            FitAtTemperature({row.MaxUm * kUnitsPerMicron, row.MinUm * kUnitsPerMicron},
                             {50.0, row.HoleAlpha, row.ShaftAlpha, row.HoleTemp, row.ShaftTemp});
        EXPECT_EQ(fit.XMax20, row.MaxUm);
        EXPECT_NEAR(fit.XMax, row.MaxUm + row.ShiftUm, 1e-9);
        EXPECT_NEAR(fit.XMin, row.MinUm + row.ShiftUm, 1e-9);
        EXPECT_EQ(fit.Kind, row.Kind) << row.ShiftUm;
    }
}

TEST(Interference, CheckAtOperatingTemperature) {
    InterferenceInput in = Example();
    ApplyMaterial(*FindMaterial("aluminium-alloy"), in.Hub);
    ApplyMaterial(*FindMaterial("steel"), in.Shaft);
    in.Hub.OperatingTemp = 90.0;
    const FitCheck c = CheckFit(in, ComputeRequirement(in), kH7s6);
    const double shift = 34.5 * 21e-6 * 70 * 1000;  // 50.715 µm of the 59 gone
    EXPECT_TRUE(c.AtOperatingTemp);
    EXPECT_NEAR(c.YMin, 18.0 - shift, 1e-9);  // a clearance: no pressure left
    EXPECT_EQ(c.YMax, 59.0);                  // yet assembled and standing at 20 °C
    EXPECT_EQ(c.PMin, 0.0);
    EXPECT_FALSE(c.Holds);
    // A hot shaft in a cold hub: more interference in operation, pressed at 20 °C.
    in.Hub.OperatingTemp.reset();
    in.Shaft.OperatingTemp = 90.0;
    const FitCheck hot = CheckFit(in, ComputeRequirement(in), kH7s6);
    EXPECT_NEAR(hot.YMax, 59.0 + 34.5 * 11e-6 * 70 * 1000, 1e-9);
    EXPECT_NEAR(hot.PressForce, c.PressForce, 1e-9);
    EXPECT_GT(hot.PMax, c.PMax);
}

// "Torque", "hub.E": a number of the input by its name.
void Edit(InterferenceInput& in, const std::string& edit) {
    const std::size_t eq = edit.find('=');
    const std::string name = edit.substr(0, eq);
    const double value = std::stod(edit.substr(eq + 1));
    using I = InterferenceInput;
    using P = PartInput;
    const std::map<std::string, double I::*> top = {
        {"Torque", &I::Torque},         {"AxialForce", &I::AxialForce},
        {"Diameter", &I::Diameter},     {"Length", &I::Length},
        {"HubOutside", &I::HubOutside}, {"ShaftBore", &I::ShaftBore},
        {"Friction", &I::Friction},     {"BrittleSafety", &I::BrittleSafety}};
    const std::map<std::string, double P::*> part = {
        {"E", &P::E}, {"Nu", &P::Nu}, {"Strength", &P::Strength}, {"Ra", &P::Ra}};
    if (name == "AssemblyClearance") return void(in.AssemblyClearance = value);
    if (top.contains(name)) return void(in.*top.at(name) = value);
    P& p = name.starts_with("hub.") ? in.Hub : in.Shaft;
    const std::string member = name.substr(name.find('.') + 1);
    if (member == "OperatingTemp") return void(p.OperatingTemp = value);
    p.*part.at(member) = value;
}

TEST(Interference, RefusesBadInput) {
    for (const test::TsvRow& row : test::ReadTsv("interference/bad-input.tsv")) {
        const testing::ScopedTrace trace(row.File.c_str(), row.Line, row[0]);
        InterferenceInput in = Example();
        for (const std::string& edit : test::Split(row[1], ' ')) Edit(in, edit);
        const Requirement r = ComputeRequirement(in);
        const FitCheck c = CheckFit(in, r, kH7s6);
        EXPECT_EQ(ProblemKeyword(r.Ok() ? c.Trouble : r.Trouble), row[2]);
        EXPECT_EQ(PartKeyword(r.Ok() ? c.Where : r.Where), row[3]);
        // A load no fit carries still has its numbers and its check.
        EXPECT_TRUE(row[2] != "no-fit-holds" || (c.Ok() && r.DeltaMin > r.DeltaEMax));
    }
}

// The selection is every fit of the widest scope whose interference lies
// within [δ_min, δ_emax], with bounds on the safe side.
TEST(Interference, SelectsWhatEveryFitOfTheScopeAllows) {
    for (const double torque : {50.0, 200.0, 350.0}) {
        InterferenceInput in = Example();
        in.Torque = torque;
        const Requirement r = ComputeRequirement(in);
        const Selection s =
            SelectFits(test::Shipped(), r, {"34.5", "", "", fits::FitScope::All, std::nullopt, 0});
        ASSERT_TRUE(s.Search.Ok()) << torque;
        const fits::FitSearch every = fits::FindFits(
            test::Shipped(), {"34.5", "-10", "10", fits::FitScope::All, std::nullopt, 0});
        std::set<std::string> expected, got;
        for (const fits::FoundFit& f : every.Fits) {
            const double yMin = -static_cast<double>(f.Max) / 1e4;  // µm
            const double yMax = -static_cast<double>(f.Min) / 1e4;
            if (yMin >= r.DeltaMin && yMax <= r.DeltaEMax) expected.insert(f.Hole + "/" + f.Shaft);
        }
        for (const fits::FoundFit& f : s.Search.Fits) got.insert(f.Hole + "/" + f.Shaft);
        EXPECT_EQ(got, expected) << torque;
        EXPECT_EQ(s.Search.Considered, every.Considered);
        EXPECT_FALSE(expected.empty());
        if (torque == 200.0) {
            EXPECT_EQ(s.Min, "-0.0687007");           // δ_emax 68.700761 µm, rounded toward less
            EXPECT_EQ(s.Max, "-0.0210272");           // δ_min 21.027118 µm, rounded toward more
            EXPECT_FALSE(got.contains("H7/s6"));      // 18 µm is not enough (see above)
            EXPECT_EQ(s.Search.Fits[0].Decimals, 4);  // to 0.1 µm, not to the bounds' 7 decimals
        }
    }
    InterferenceInput heavy = Example();
    heavy.Torque = 900.0;
    EXPECT_EQ(SelectFits(test::Shipped(), ComputeRequirement(heavy),
                         {"34.5", "", "", fits::FitScope::Catalogue, std::nullopt, 0})
                  .Search.Considered,
              0u);
}

TEST(Materials, PresetsFillTheMiddlesAndTheTablesAreWhole) {
    PartInput part;
    ApplyMaterial(*FindMaterial("brass"), part);
    EXPECT_EQ(part.E, 80000.0);
    EXPECT_NEAR(part.Nu, 0.365, 1e-12);
    EXPECT_NEAR(*part.HeatingAlpha, 18e-6, 1e-18);
    EXPECT_TRUE(part.CannotCool);
    ApplyMaterial(*FindMaterial("nodular-iron"), part);
    EXPECT_FALSE(part.CannotCool);
    EXPECT_NEAR(*part.CoolingAlpha, -8e-6, 1e-18);
    EXPECT_EQ(FindMaterial("unobtainium"), nullptr);
    EXPECT_EQ(MaterialPresets().size(), 9u);
    EXPECT_EQ(FrictionTable().size(), 4u);
}

}  // namespace
}  // namespace brimsel::interference
