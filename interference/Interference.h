// Interference fits that carry a load: the method of GB/T 5371-2004 in the
// elastic range (thick-walled cylinders in plane stress, a uniform pressure
// over the fit length, no centrifugal load). From the load, the geometry and
// the materials to the interference a fit needs and the most it may have; the
// check of one fit from its exact limits of fit; and the limits of a fit at
// operating temperatures. Engineering quantities in double precision; the
// limits of fit they start from stay exact (ten-millionths of a millimetre).
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "engine/FitKind.h"

namespace brimsel::interference {

enum class Assembly { Press, Shrink };  // pressed in, or shrunk by heating or cooling
enum class Part { None, Hub, Shaft };

// One of the two parts: the hub (the hole, index a) or the shaft (index i).
struct PartInput {
    double E = 0.0;         // modulus of elasticity, MPa
    double Nu = 0.0;        // Poisson's ratio, 0..0.5
    double Strength = 0.0;  // MPa: yield strength, or tensile strength when Brittle
    bool Brittle = false;   // grey iron and the like: tensile strength with the safety n
    double Ra = 0.0;        // roughness of the fitted surface, µm
    std::optional<double> HeatingAlpha;   // expansion coefficient, 1/°C (11e-6 for steel)
    std::optional<double> CoolingAlpha;   // on cooling, 1/°C, negative (-8.5e-6 for steel)
    bool CannotCool = false;              // the material has no cooling coefficient
    std::optional<double> OperatingTemp;  // °C; none: 20 °C
};

struct InterferenceInput {
    double Torque = 0.0;      // M_t, N·m
    double AxialForce = 0.0;  // F_x, N
    double Diameter = 0.0;    // d_f, the basic size, mm
    double Length = 0.0;      // l_f, mm
    double HubOutside = 0.0;  // d_a, mm
    double ShaftBore = 0.0;   // d_i, mm; 0 for a solid shaft
    PartInput Hub;
    PartInput Shaft;
    double Friction = 0.0;  // μ
    Assembly Method = Assembly::Press;
    double BrittleSafety = 3.0;               // n, for a brittle part
    double RoomTemp = 20.0;                   // t_0, °C
    std::optional<double> AssemblyClearance;  // Δ, µm; none: 0.001 d_f
};

enum class Problem {
    None,
    NotANumber,         // a value is not finite
    NoLoad,             // neither torque nor axial force
    BadDiameter,        // d_f not above 0
    BadLength,          // l_f not above 0
    HubTooThin,         // d_a not above d_f
    BadShaftBore,       // d_i negative, or not below d_f
    BadModulus,         // E not above 0 (Part says which)
    BadPoisson,         // ν outside 0..0.5
    BadStrength,        // strength not above 0
    BadFriction,        // μ not above 0
    BadRoughness,       // Ra negative
    BadSafety,          // n below 1
    BadClearance,       // Δ negative
    NoExpansion,        // an operating temperature for a part without its expansion coefficient
    NoFitHolds,         // δ_min > δ_emax: the binding part yields before the fit carries the load
    CannotCool,         // the shaft's material has no cooling coefficient
    BelowAbsoluteZero,  // the shaft would have to be cooled below -273.15 °C
};

// A short stable keyword per problem ("hub-too-thin", "no-fit-holds", ...).
std::string_view ProblemKeyword(Problem problem);
std::string_view PartKeyword(Part part);  // "", "hub", "shaft"

// What a fit must give. Interferences in µm, pressures MPa, forces N, torques
// N·m. All values are filled when the input is sound, also with NoFitHolds.
struct Requirement {
    Problem Trouble = Problem::None;
    Part Where = Part::None;  // the part a problem is about; for NoFitHolds, the binding one
    double Ft = 0.0;          // F_t, the load to carry, N
    double PfMin = 0.0;       // p_fmin
    double Qa = 0.0, Qi = 0.0;
    double Ca = 0.0, Ci = 0.0;
    double EaMin = 0.0, EiMin = 0.0;  // µm
    double DeltaEMin = 0.0;           // δ_emin, µm
    double DeltaMin = 0.0;            // δ_min, with the smoothing when pressed, µm
    double A = 0.0, B = 0.0, C = 0.0;
    double PfaMax = 0.0, PfiMax = 0.0, PfMax = 0.0;
    double FtMax = 0.0;  // N
    double MtMax = 0.0;  // N·m
    double EaMax = 0.0, EiMax = 0.0;
    double DeltaEMax = 0.0;  // δ_emax, µm
    double Smoothing = 0.0;  // 2(S_a + S_i) when pressed, else 0, µm
    double K = 0.0;          // d_f (C_a/E_a + C_i/E_i), mm/MPa
    bool Ok() const { return Trouble == Problem::None; }
};

Requirement ComputeRequirement(const InterferenceInput& input);

// The check of one fit. Its limits of fit come exact: the largest and the
// smallest clearance (ES - ei, EI - es) in ten-millionths of a millimetre,
// negative for an interference, as the finder and the engine give them.
struct ExactFitLimits {
    std::int64_t Max = 0;
    std::int64_t Min = 0;
};

struct FitCheck {
    Problem Trouble = Problem::None;  // the requirement's input problem, or NoExpansion
    Part Where = Part::None;
    // The smallest interference carries the load where it acts: at the
    // operating temperatures when either part has one, else at 20 °C. The
    // largest is the greater of both, since the parts are assembled and stand
    // still at room temperature: a fit that relaxes when warm may still yield
    // when cold. µm.
    double YMin = 0.0;
    double YMax = 0.0;
    bool AtOperatingTemp = false;
    double PMin = 0.0;        // pressure at YMin, less the smoothing when pressed; 0 when none
    double FCap = 0.0;        // N
    double MCap = 0.0;        // N·m
    double SlipSafety = 0.0;  // FCap / F_t
    double PMax = 0.0;        // pressure at YMax; the stresses and the growth follow from it
    double HubBoreHoop = 0.0, HubBoreRadial = 0.0, HubBoreVonMises = 0.0;
    double HubOdHoop = 0.0;
    std::optional<double> ShaftBoreHoop;  // a hollow shaft only
    double HubOdGrowth = 0.0;             // µm, on the diameter
    double PressForce = 0.0;              // N, at the largest interference at 20 °C
    std::optional<double> HubHeatTemp;    // °C, when the hub's heating coefficient is known
    std::optional<double> ShaftCoolTemp;  // °C, when the shaft's cooling coefficient is known
    // CannotCool when the shaft's material cannot be cooled; BelowAbsoluteZero
    // when the temperature it would need lies below absolute zero (the value
    // is kept, as the formula gives it).
    Problem Cooling = Problem::None;
    bool Holds = false;    // SlipSafety >= 1
    bool Elastic = false;  // PMax <= p_fmax
    bool Ok() const { return Trouble == Problem::None; }
};

FitCheck CheckFit(const InterferenceInput& input, const Requirement& requirement,
                  ExactFitLimits limits);

// A fit at operating temperatures: each limit of fit moves by
// D [α_h (t_h - 20) - α_s (t_s - 20)]. Clearances in µm, negative for an
// interference; the kind follows the values rounded to 0.1 µm, as they are shown.
struct OperatingFit {
    double XMax20 = 0.0, XMin20 = 0.0;
    double XMax = 0.0, XMin = 0.0;
    KindOfFit Kind = KindOfFit::Clearance;
};

struct Operating {
    double Size = 0.0;                         // D, mm
    double HoleAlpha = 0.0, ShaftAlpha = 0.0;  // 1/°C
    double HoleTemp = 20.0, ShaftTemp = 20.0;  // °C
};

// The shift of every limit of fit, µm.
double ThermalShift(const Operating& at);
OperatingFit FitAtTemperature(ExactFitLimits limits, const Operating& at);

// One list of every quantity, each with its stable key and unit; the CSV and
// readable outputs are written from it. A quantity without a value (a solid
// shaft's bore, a temperature without its coefficient) has none; `Text` is
// set only for the kind of fit.
struct Quantity {
    std::string_view Key;
    std::string_view Unit;
    std::optional<double> Value;
    std::string_view Text;
};

std::vector<Quantity> Quantities(const Requirement& requirement);
std::vector<Quantity> Quantities(const FitCheck& check);
std::vector<Quantity> Quantities(const OperatingFit& fit);

}  // namespace brimsel::interference
