#include "interference/Interference.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <numbers>

#include "fits/FitFinder.h"

namespace brimsel::interference {

namespace {

constexpr double kReferenceTemp = 20.0;  // °C, at which every fit is specified
constexpr double kMicronsPerMm = 1000.0;
constexpr double kNmmPerNm = 1000.0;
constexpr double kSmoothingPerRa = 1.6;    // S = 1.6 Ra
constexpr double kAbsoluteZero = -273.15;  // °C

bool Finite(std::initializer_list<double> values) {
    return std::all_of(values.begin(), values.end(), [](double v) { return std::isfinite(v); });
}

bool FinitePart(const PartInput& p) {
    return Finite({p.E, p.Nu, p.Strength, p.Ra, p.HeatingAlpha.value_or(0.0),
                   p.CoolingAlpha.value_or(0.0), p.OperatingTemp.value_or(0.0)});
}

struct Found {
    Problem Trouble = Problem::None;
    Part Where = Part::None;
};

Found CheckPart(const PartInput& p, Part part) {
    if (p.E <= 0.0) return {Problem::BadModulus, part};
    if (p.Nu < 0.0 || p.Nu > 0.5) return {Problem::BadPoisson, part};
    if (p.Strength <= 0.0) return {Problem::BadStrength, part};
    if (p.Ra < 0.0) return {Problem::BadRoughness, part};
    return {};
}

Found CheckInput(const InterferenceInput& in) {
    if (!Finite({in.Torque, in.AxialForce, in.Diameter, in.Length, in.HubOutside, in.ShaftBore,
                 in.Friction, in.BrittleSafety, in.RoomTemp, in.AssemblyClearance.value_or(0.0)})) {
        return {Problem::NotANumber, Part::None};
    }
    if (!FinitePart(in.Hub)) return {Problem::NotANumber, Part::Hub};
    if (!FinitePart(in.Shaft)) return {Problem::NotANumber, Part::Shaft};
    if (in.Diameter <= 0.0) return {Problem::BadDiameter, Part::None};
    if (in.Length <= 0.0) return {Problem::BadLength, Part::None};
    if (in.HubOutside <= in.Diameter) return {Problem::HubTooThin, Part::Hub};
    if (in.ShaftBore < 0.0 || in.ShaftBore >= in.Diameter)
        return {Problem::BadShaftBore, Part::Shaft};
    for (const auto& [part, which] : {std::pair{&in.Hub, Part::Hub}, {&in.Shaft, Part::Shaft}}) {
        const Found found = CheckPart(*part, which);
        if (found.Trouble != Problem::None) return found;
    }
    if (in.Friction <= 0.0) return {Problem::BadFriction, Part::None};
    if (in.BrittleSafety < 1.0) return {Problem::BadSafety, Part::None};
    if (in.AssemblyClearance.value_or(0.0) < 0.0) return {Problem::BadClearance, Part::None};
    if (in.Torque == 0.0 && in.AxialForce == 0.0) return {Problem::NoLoad, Part::None};
    return {};
}

// The load a pressure carries over the fit surface, N.
double Carried(const InterferenceInput& in, double pressure) {
    return pressure * std::numbers::pi * in.Diameter * in.Length * in.Friction;
}

// N·m of a circumferential force at the fit diameter.
double Torque(const InterferenceInput& in, double force) {
    return force * in.Diameter / 2.0 / kNmmPerNm;
}

}  // namespace

std::string_view ProblemKeyword(Problem problem) {
    switch (problem) {
        case Problem::None:
            return "";
        case Problem::NotANumber:
            return "not-a-number";
        case Problem::NoLoad:
            return "no-load";
        case Problem::BadDiameter:
            return "bad-diameter";
        case Problem::BadLength:
            return "bad-length";
        case Problem::HubTooThin:
            return "hub-too-thin";
        case Problem::BadShaftBore:
            return "bad-shaft-bore";
        case Problem::BadModulus:
            return "bad-modulus";
        case Problem::BadPoisson:
            return "bad-poisson";
        case Problem::BadStrength:
            return "bad-strength";
        case Problem::BadFriction:
            return "bad-friction";
        case Problem::BadRoughness:
            return "bad-roughness";
        case Problem::BadSafety:
            return "bad-safety";
        case Problem::BadClearance:
            return "bad-clearance";
        case Problem::NoExpansion:
            return "no-expansion";
        case Problem::NoFitHolds:
            return "no-fit-holds";
        case Problem::CannotCool:
            return "cannot-cool";
        case Problem::BelowAbsoluteZero:
            return "below-absolute-zero";
    }
    return "";
}

std::string_view PartKeyword(Part part) {
    return part == Part::Hub ? "hub" : part == Part::Shaft ? "shaft" : "";
}

Requirement ComputeRequirement(const InterferenceInput& in) {
    Requirement r;
    const Found found = CheckInput(in);
    if (found.Trouble != Problem::None) {
        r.Trouble = found.Trouble;
        r.Where = found.Where;
        return r;
    }
    const double d = in.Diameter;
    const double circumferential = 2.0 * in.Torque * kNmmPerNm / d;
    r.Ft = std::hypot(in.AxialForce, circumferential);
    r.PfMin = r.Ft / (std::numbers::pi * d * in.Length * in.Friction);
    r.Qa = d / in.HubOutside;
    r.Qi = in.ShaftBore / d;
    const double qa2 = r.Qa * r.Qa;
    const double qi2 = r.Qi * r.Qi;
    r.Ca = (1.0 + qa2) / (1.0 - qa2) + in.Hub.Nu;
    r.Ci = (1.0 + qi2) / (1.0 - qi2) - in.Shaft.Nu;
    r.K = d * (r.Ca / in.Hub.E + r.Ci / in.Shaft.E);
    r.EaMin = r.PfMin * d * r.Ca / in.Hub.E * kMicronsPerMm;
    r.EiMin = r.PfMin * d * r.Ci / in.Shaft.E * kMicronsPerMm;
    r.DeltaEMin = r.EaMin + r.EiMin;
    if (in.Method == Assembly::Press) {
        r.Smoothing = 2.0 * kSmoothingPerRa * (in.Hub.Ra + in.Shaft.Ra);
    }
    r.DeltaMin = r.DeltaEMin + r.Smoothing;

    r.A = (1.0 - qa2) / std::sqrt(3.0 + qa2 * qa2);
    r.B = (1.0 - qa2) / (1.0 + qa2);
    r.C = (1.0 - qi2) / 2.0;
    const double n = in.BrittleSafety;
    r.PfaMax = in.Hub.Brittle ? r.B * in.Hub.Strength / n : r.A * in.Hub.Strength;
    r.PfiMax = r.C * in.Shaft.Strength / (in.Shaft.Brittle ? n : 1.0);
    r.PfMax = std::min(r.PfaMax, r.PfiMax);
    r.FtMax = Carried(in, r.PfMax);
    r.MtMax = Torque(in, r.FtMax);
    r.EaMax = r.PfMax * d * r.Ca / in.Hub.E * kMicronsPerMm;
    r.EiMax = r.PfMax * d * r.Ci / in.Shaft.E * kMicronsPerMm;
    r.DeltaEMax = r.EaMax + r.EiMax;
    if (r.DeltaMin > r.DeltaEMax) {
        r.Trouble = Problem::NoFitHolds;
        r.Where = r.PfaMax <= r.PfiMax ? Part::Hub : Part::Shaft;
    }
    return r;
}

double ThermalShift(const Operating& at) {
    return at.Size *
           (at.HoleAlpha * (at.HoleTemp - kReferenceTemp) -
            at.ShaftAlpha * (at.ShaftTemp - kReferenceTemp)) *
           kMicronsPerMm;
}

OperatingFit FitAtTemperature(ExactFitLimits limits, const Operating& at) {
    constexpr double kUnitsPerMicron = 1.0e4;
    OperatingFit fit;
    fit.XMax20 = static_cast<double>(limits.Max) / kUnitsPerMicron;
    fit.XMin20 = static_cast<double>(limits.Min) / kUnitsPerMicron;
    const double shift = ThermalShift(at);
    fit.XMax = fit.XMax20 + shift;
    fit.XMin = fit.XMin20 + shift;
    const auto shown = [](double um) { return std::round(um * 10.0) / 10.0; };
    fit.Kind = ClassifyFit(shown(fit.XMax), shown(fit.XMin));
    return fit;
}

FitCheck CheckFit(const InterferenceInput& in, const Requirement& r, ExactFitLimits limits) {
    FitCheck c;
    if (!r.Ok() && r.Trouble != Problem::NoFitHolds) {
        c.Trouble = r.Trouble;
        c.Where = r.Where;
        return c;
    }
    // A part at an operating temperature other than 20 °C needs its expansion.
    for (const auto& [part, which] : {std::pair{&in.Hub, Part::Hub}, {&in.Shaft, Part::Shaft}}) {
        if (part->OperatingTemp.value_or(kReferenceTemp) != kReferenceTemp && !part->HeatingAlpha) {
            c.Trouble = Problem::NoExpansion;
            c.Where = which;
            return c;
        }
    }
    const Operating at{in.Diameter, in.Hub.HeatingAlpha.value_or(0.0),
                       in.Shaft.HeatingAlpha.value_or(0.0),
                       in.Hub.OperatingTemp.value_or(kReferenceTemp),
                       in.Shaft.OperatingTemp.value_or(kReferenceTemp)};
    const OperatingFit fit = FitAtTemperature(limits, at);
    c.AtOperatingTemp = in.Hub.OperatingTemp.has_value() || in.Shaft.OperatingTemp.has_value();
    c.YMin = -fit.XMax;
    c.YMax = std::max(-fit.XMin, -fit.XMin20);

    const double qa2 = r.Qa * r.Qa;
    const double qi2 = r.Qi * r.Qi;
    const auto pressure = [&r](double um) { return std::max(0.0, um) / kMicronsPerMm / r.K; };
    c.PMin = pressure(c.YMin - r.Smoothing);
    c.FCap = Carried(in, c.PMin);
    c.MCap = Torque(in, c.FCap);
    c.SlipSafety = c.FCap / r.Ft;
    c.PMax = pressure(c.YMax);
    c.HubBoreHoop = c.PMax * (1.0 + qa2) / (1.0 - qa2);
    c.HubBoreRadial = -c.PMax;
    c.HubBoreVonMises = std::sqrt(c.HubBoreHoop * c.HubBoreHoop - c.HubBoreHoop * c.HubBoreRadial +
                                  c.HubBoreRadial * c.HubBoreRadial);
    c.HubOdHoop = 2.0 * c.PMax * qa2 / (1.0 - qa2);
    if (in.ShaftBore > 0.0) c.ShaftBoreHoop = -2.0 * c.PMax / (1.0 - qi2);
    c.HubOdGrowth = in.HubOutside * c.HubOdHoop / in.Hub.E * kMicronsPerMm;
    c.PressForce = Carried(in, pressure(-fit.XMin20));

    // Shrinking takes the interference at assembly, at room temperature, and
    // the assembly clearance on top of it.
    const double clearance = in.AssemblyClearance.value_or(in.Diameter);  // µm: 0.001 d_f mm
    const double opening = (std::max(0.0, -fit.XMin20) + clearance) / kMicronsPerMm;  // mm
    if (in.Hub.HeatingAlpha && *in.Hub.HeatingAlpha > 0.0) {
        c.HubHeatTemp = in.RoomTemp + opening / (*in.Hub.HeatingAlpha * in.Diameter);
    }
    // A coefficient the user entered stands even for a material the table does not cool.
    if (in.Shaft.CoolingAlpha && *in.Shaft.CoolingAlpha != 0.0) {
        c.ShaftCoolTemp = in.RoomTemp - opening / (std::abs(*in.Shaft.CoolingAlpha) * in.Diameter);
        if (*c.ShaftCoolTemp < kAbsoluteZero) c.Cooling = Problem::BelowAbsoluteZero;
    } else if (in.Shaft.CannotCool) {
        c.Cooling = Problem::CannotCool;
    }
    c.Holds = c.SlipSafety >= 1.0;
    c.Elastic = c.PMax <= r.PfMax;
    return c;
}

namespace {

template <typename Result>
struct Field {
    std::string_view Key;
    std::string_view Unit;
    double Result::*Value = nullptr;
    std::optional<double> Result::*Maybe = nullptr;
};

template <typename Result, std::size_t N>
std::vector<Quantity> List(const Result& result, const Field<Result> (&fields)[N]) {
    std::vector<Quantity> out;
    out.reserve(N);
    for (const Field<Result>& f : fields) {
        out.push_back({f.Key,
                       f.Unit,
                       f.Value ? std::optional<double>(result.*f.Value) : result.*f.Maybe,
                       {}});
    }
    return out;
}

using R = Requirement;
using C = FitCheck;
// clang-format off
constexpr Field<R> kRequirementFields[] = {
    {"F_t", "N", &R::Ft},          {"p_fmin", "MPa", &R::PfMin},  {"q_a", "", &R::Qa},
    {"q_i", "", &R::Qi},           {"C_a", "", &R::Ca},           {"C_i", "", &R::Ci},
    {"e_amin", "um", &R::EaMin},   {"e_imin", "um", &R::EiMin},   {"delta_emin", "um", &R::DeltaEMin},
    {"delta_min", "um", &R::DeltaMin}, {"a", "", &R::A},          {"b", "", &R::B},
    {"c", "", &R::C},              {"p_famax", "MPa", &R::PfaMax}, {"p_fimax", "MPa", &R::PfiMax},
    {"p_fmax", "MPa", &R::PfMax},  {"F_tmax", "N", &R::FtMax},    {"M_tmax", "N*m", &R::MtMax},
    {"e_amax", "um", &R::EaMax},   {"e_imax", "um", &R::EiMax},   {"delta_emax", "um", &R::DeltaEMax},
};
constexpr Field<C> kCheckFields[] = {
    {"Y_min", "um", &C::YMin},     {"Y_max", "um", &C::YMax},     {"p_min", "MPa", &C::PMin},
    {"F_cap", "N", &C::FCap},      {"M_cap", "N*m", &C::MCap},    {"slip_safety", "", &C::SlipSafety},
    {"p_max", "MPa", &C::PMax},    {"hub_bore_hoop", "MPa", &C::HubBoreHoop},
    {"hub_bore_radial", "MPa", &C::HubBoreRadial}, {"hub_bore_von_mises", "MPa", &C::HubBoreVonMises},
    {"hub_od_hoop", "MPa", &C::HubOdHoop}, {"shaft_bore_hoop", "MPa", nullptr, &C::ShaftBoreHoop},
    {"hub_od_growth", "um", &C::HubOdGrowth}, {"press_force", "N", &C::PressForce},
    {"hub_heat_temp", "degC", nullptr, &C::HubHeatTemp},
    {"shaft_cool_temp", "degC", nullptr, &C::ShaftCoolTemp},
};
constexpr Field<OperatingFit> kOperatingFields[] = {
    {"X_max_20", "um", &OperatingFit::XMax20}, {"X_min_20", "um", &OperatingFit::XMin20},
    {"X_max", "um", &OperatingFit::XMax},      {"X_min", "um", &OperatingFit::XMin},
};
// clang-format on

}  // namespace

std::vector<Quantity> Quantities(const Requirement& requirement) {
    return List(requirement, kRequirementFields);
}

std::vector<Quantity> Quantities(const FitCheck& check) { return List(check, kCheckFields); }

std::vector<Quantity> Quantities(const OperatingFit& fit) {
    std::vector<Quantity> out = List(fit, kOperatingFields);
    out.push_back({"kind", "", std::nullopt, fits::KindKeyword(fit.Kind)});
    return out;
}

}  // namespace brimsel::interference
