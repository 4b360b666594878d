#include "cli/Interference.h"

#include <algorithm>
#include <array>
#include <optional>
#include <vector>

#include "cli/CommandLine.h"
#include "cli/Find.h"
#include "cli/Query.h"
#include "engine/BasicSize.h"
#include "fits/FitFinder.h"
#include "interference/Interference.h"
#include "interference/InterferenceText.h"
#include "interference/Materials.h"
#include "interference/Selection.h"
#include "texts/Meanings.h"
#include "texts/MoreStrings.h"
#include "texts/StringTable.h"

namespace brimsel::cli {

namespace {

using namespace interference;

constexpr std::string_view kQuantityHeader[] = {"quantity", "value", "unit"};

// The settings a form takes; any other given is a usage error.
constexpr std::string_view kTemperatureSettings[] = {"--hole-temp",     "--shaft-temp",
                                                     "--hole-alpha",    "--shaft-alpha",
                                                     "--hole-material", "--shaft-material"};
constexpr std::string_view kInterferenceOnly[] = {"--hole-temp", "--hole-alpha", "--hole-material"};

// Columns of readable lines line up on screen: a CJK character takes two
// places, any other character one.
std::size_t Width(std::string_view text) {
    std::size_t width = 0;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte & 0xC0) == 0x80) continue;
        width += byte >= 0xE1 ? 2 : 1;
    }
    return width;
}

struct Reader {
    const Settings& Given;
    std::string Problem;  // the first refusal

    const std::string* Text(std::string_view name) const {
        const auto found = Given.find(name);
        return found == Given.end() ? nullptr : &found->second;
    }
    std::optional<double> Number(std::string_view name) {
        const std::string* text = Text(name);
        if (text == nullptr) return std::nullopt;
        const std::optional<double> value = ReadNumber(*text);
        if (!value && Problem.empty()) {
            Problem = std::string(name) + " needs a number, not \"" + ShownText(*text) + "\"";
        }
        return value;
    }
    void Number(std::string_view name, double& into) {
        if (const auto value = Number(name)) into = *value;
    }
    const MaterialPreset* Material(std::string_view name) {
        const std::string* text = Text(name);
        if (text == nullptr) return nullptr;
        const MaterialPreset* preset = FindMaterial(*text);
        if (preset == nullptr && Problem.empty()) {
            std::string known;
            for (const MaterialPreset& p : MaterialPresets()) {
                known += (known.empty() ? "" : ", ") + std::string(p.Key);
            }
            Problem = "unknown material \"" + ShownText(*text) + "\" for " + std::string(name) +
                      "; use " + known;
        }
        return preset;
    }
};

// The hub or the shaft: a material first, then what is typed over it.
void ReadPart(Reader& read, std::string_view side, PartInput& part) {
    const std::string prefix = "--" + std::string(side) + "-";
    if (const MaterialPreset* preset = read.Material(prefix + "material")) {
        ApplyMaterial(*preset, part);
    }
    read.Number(prefix + "e", part.E);
    read.Number(prefix + "nu", part.Nu);
    const auto yield = read.Number(prefix + "yield");
    const auto tensile = read.Number(prefix + "tensile");
    if (yield && tensile && read.Problem.empty()) {
        read.Problem = prefix + "yield and " + prefix + "tensile: one strength per part";
    }
    part.Strength = tensile.value_or(yield.value_or(0.0));
    part.Brittle = tensile.has_value();
    read.Number(prefix + "ra", part.Ra);
    // The hub's α is the heating one, the shaft's the cooling one.
    if (const auto alpha = read.Number(prefix + "alpha")) {
        (side == "hub" ? part.HeatingAlpha : part.CoolingAlpha) = *alpha;
        if (side == "shaft") part.CannotCool = false;
    }
    part.OperatingTemp = read.Number(prefix + "temp");
}

std::string Unit(const Quantity& q) { return std::string(ShownUnit(q.Unit)); }

void AppendLines(std::string& out, const std::vector<Quantity>& list, Language language) {
    std::size_t width = 0;
    for (const Quantity& q : list) width = std::max(width, Width(QuantityLabel(q.Key, language)));
    for (const Quantity& q : list) {
        if (!q.Value && q.Text.empty()) continue;
        const std::string_view label = QuantityLabel(q.Key, language);
        std::string line = "  " + std::string(label) + std::string(width - Width(label) + 2, ' ');
        line += q.Value ? ReadableValue(*q.Value, q.Unit) + " " + Unit(q) : std::string(q.Text);
        while (line.ends_with(' ')) line.pop_back();
        out += line + "\n";
    }
}

void AppendRows(std::string& out, const std::vector<Quantity>& list) {
    for (const Quantity& q : list) {
        const std::string value = q.Value ? CsvValue(*q.Value) : std::string(q.Text);
        AppendCsvRow(out, std::array<std::string_view, 3>{q.Key, value, q.Unit});
    }
}

// "所需过盈，基本尺寸 34.5 mm"
std::string Heading(std::string_view what, std::string_view size, Language language) {
    return FillIn(LookUpMore(language, More::ExplainHeading), what, size) + "\n";
}

void AppendRequirement(std::string& out, const Requirement& requirement, std::string_view size,
                       Language language) {
    out += Heading(LookUpMore(language, More::GroupRequirement), size, language);
    AppendLines(out, Quantities(requirement), language);
    out += "  " +
           FillIn(LookUpMore(language, More::VerdictBinding),
                  PartText(requirement.PfaMax <= requirement.PfiMax ? Part::Hub : Part::Shaft,
                           language)) +
           "\n";
}

// Settings given that the form does not take.
std::string Foreign(const CommandLine& cl, bool temperature) {
    for (const auto& [name, value] : cl.Settings) {
        const bool forTemperature =
            std::ranges::find(kTemperatureSettings, name) != std::end(kTemperatureSettings);
        const bool onlyTemperature =
            std::ranges::find(kInterferenceOnly, name) != std::end(kInterferenceOnly);
        if (temperature && !forTemperature) return name + " goes with --interference";
        if (!temperature && onlyTemperature) return name + " goes with --temperature";
        if (!temperature && (name == "--hole-temp" || name == "--hole-alpha")) {
            return name + " goes with --temperature";
        }
    }
    return {};
}

}  // namespace

int RunInterference(const ToleranceData& tables, const CommandLine& cl, std::string& out,
                    std::string& err) {
    const Language language = cl.Language;
    if (std::string foreign = Foreign(cl, false); !foreign.empty()) {
        err += foreign + "\n";
        return kInterferenceUsage;
    }
    const BasicSizeReading size = ReadBasicSize(cl.Operands[0]);
    if (!size.Ok()) {
        err += "\"" + ShownText(cl.Operands[0]) + "\": " +
               std::string(fits::ProblemMessage(size.Refusal == SizeRefusal::TooPrecise
                                                    ? fits::FindProblem::SizeTooPrecise
                                                    : fits::FindProblem::SizeOutside,
                                                language)) +
               "\n";
        return kInterferenceUsage;
    }
    Reader read{cl.Settings, {}};
    InterferenceInput in;
    in.Diameter = *ReadNumber(size.Text);
    read.Number("--torque", in.Torque);
    read.Number("--axial", in.AxialForce);
    read.Number("--length", in.Length);
    read.Number("--hub-od", in.HubOutside);
    read.Number("--shaft-bore", in.ShaftBore);
    ReadPart(read, "hub", in.Hub);
    ReadPart(read, "shaft", in.Shaft);
    read.Number("--friction", in.Friction);
    read.Number("--brittle-safety", in.BrittleSafety);
    read.Number("--room-temp", in.RoomTemp);
    in.AssemblyClearance = read.Number("--assembly-clearance");
    if (const std::string* assembly = read.Text("--assembly")) {
        if (*assembly != "press" && *assembly != "shrink" && read.Problem.empty()) {
            read.Problem = "unknown assembly \"" + ShownText(*assembly) + "\"; use press or shrink";
        }
        in.Method = *assembly == "shrink" ? Assembly::Shrink : Assembly::Press;
    }
    // The fit checked, as a query reads it.
    std::optional<FitRow> fit;
    if (const std::string* text = read.Text("--fit")) {
        if (text->find('/') == std::string::npos && read.Problem.empty()) {
            read.Problem = "--fit needs a fit HOLE/SHAFT, not \"" + ShownText(*text) + "\"";
        } else if (read.Problem.empty()) {
            fit = EvaluateQuery(tables, size.Text, *text, cl.Edition).Fit;
        }
    }
    if (!read.Problem.empty()) {
        err += read.Problem + "\n";
        return kInterferenceUsage;
    }

    const Requirement requirement = ComputeRequirement(in);
    const bool values = requirement.Ok() || requirement.Trouble == Problem::NoFitHolds;
    int status = requirement.Ok() ? kInterferenceComputed : kInterferenceProblem;
    std::string problem = requirement.Ok()
                              ? std::string()
                              : ProblemMessage(requirement.Trouble, requirement.Where, language);
    if (fit && !fit->Ok() && problem.empty()) {
        problem = fit->Zone + ": " + std::string(ErrorMessage(fit->Code, language));
        status = kInterferenceProblem;
    }
    std::optional<FitCheck> check;
    if (values && fit && fit->Ok()) {
        check =
            CheckFit(in, requirement, ExactFitLimits{fit->Outcome.Largest, fit->Outcome.Smallest});
        if (!check->Ok() && problem.empty()) {
            problem = ProblemMessage(check->Trouble, check->Where, language);
            status = kInterferenceProblem;
        }
    }
    if (!problem.empty()) err += problem + "\n";
    if (!values) return status;

    // With --find the fits, in --find's own lines or CSV rows, after the
    // requirement's lines.
    if (cl.FindFits) {
        if (!cl.Csv) AppendRequirement(out, requirement, size.Text, language);
        if (!requirement.Ok()) return status;
        const Selection selection =
            SelectFits(tables, requirement,
                       {size.Text,
                        {},
                        {},
                        cl.All ? fits::FitScope::All : fits::FitScope::Catalogue,
                        cl.Basis,
                        cl.Limit,
                        cl.Edition});
        const FindOptions options{size.Text, selection.Min, selection.Max, cl.All,    cl.Basis,
                                  cl.Limit,  cl.Csv,        language,      cl.Edition};
        return std::max(status, WriteFits(selection.Search, options, out));
    }

    if (cl.Csv) {
        AppendCsvRow(out, kQuantityHeader);
        AppendRows(out, Quantities(requirement));
        if (check && check->Ok()) AppendRows(out, Quantities(*check));
        return status;
    }
    AppendRequirement(out, requirement, size.Text, language);
    if (check && check->Ok()) {
        out += Heading(FillIn(LookUpMore(language, More::CheckOf), fit->Zone), size.Text, language);
        out += "  " + SlipVerdict(*check, language) + "\n";
        out += "  " + YieldVerdict(*check, requirement, language) + "\n";
        AppendLines(out, Quantities(*check), language);
        if (check->Cooling != Problem::None) {
            out += "  " + ProblemMessage(check->Cooling, Part::Shaft, language) + "\n";
        }
        if (check->AtOperatingTemp) {
            out += "  " + std::string(LookUpMore(language, More::AtTwentyNote)) + "\n";
        }
    }
    return status;
}

int RunTemperature(const ToleranceData& tables, const CommandLine& cl, std::string& out,
                   std::string& err) {
    const Language language = cl.Language;
    if (std::string foreign = Foreign(cl, true); !foreign.empty()) {
        err += foreign + "\n";
        return kInterferenceUsage;
    }
    Reader read{cl.Settings, {}};
    Operating at;
    read.Number("--hole-temp", at.HoleTemp);
    read.Number("--shaft-temp", at.ShaftTemp);
    std::array<std::optional<double>, 2> alphas;
    for (std::size_t i = 0; i < 2; ++i) {
        const std::string member = i == 0 ? "--hole" : "--shaft";
        if (const MaterialPreset* preset = read.Material(member + "-material")) {
            alphas[i] = preset->HeatingAlpha;
        }
        if (const auto alpha = read.Number(member + "-alpha")) alphas[i] = alpha;
    }
    if (cl.Operands[1].find('/') == std::string::npos && read.Problem.empty()) {
        read.Problem =
            "--temperature needs a fit HOLE/SHAFT, not \"" + ShownText(cl.Operands[1]) + "\"";
    }
    if (!read.Problem.empty()) {
        err += read.Problem + "\n";
        return kInterferenceUsage;
    }
    const QueryResult query = EvaluateQuery(tables, cl.Operands[0], cl.Operands[1], cl.Edition);
    if (!query.Fit || !query.Fit->Ok()) {
        const std::int16_t code = query.Fit ? query.Fit->Code : std::int16_t{1};
        err += ShownText(cl.Operands[0]) + " " + ShownText(cl.Operands[1]) + ": " +
               std::string(ErrorMessage(code, language)) + "\n";
        return kInterferenceProblem;
    }
    // A member away from 20 °C needs its coefficient.
    for (const auto& [temp, alpha, name] :
         {std::tuple{at.HoleTemp, alphas[0], 17}, {at.ShaftTemp, alphas[1], 18}}) {
        if (temp != 20.0 && !alpha) {
            err += FillIn(LookUpMore(language, More::ProblemNoExpansion),
                          LookUpString(language, name)) +
                   "\n";
            return kInterferenceProblem;
        }
    }
    at.Size = *ReadNumber(query.SizeText);
    at.HoleAlpha = alphas[0].value_or(0.0);
    at.ShaftAlpha = alphas[1].value_or(0.0);
    const OperatingFit fit =
        FitAtTemperature({query.Fit->Outcome.Largest, query.Fit->Outcome.Smallest}, at);
    if (cl.Csv) {
        AppendCsvRow(out, kQuantityHeader);
        AppendRows(out, Quantities(fit));
        return kInterferenceComputed;
    }
    std::vector<Quantity> list = Quantities(fit);
    list.back().Text = KindText(language, fit.Kind);
    out += Heading(std::string(LookUpMore(language, More::OperatingFit)) + " " + query.Fit->Zone,
                   query.SizeText, language);
    AppendLines(out, list, language);
    out +=
        "  " +
        FillIn(LookUpMore(language, More::OperatingShift), ReadableValue(ThermalShift(at), "um")) +
        "\n";
    return kInterferenceComputed;
}

}  // namespace brimsel::cli
