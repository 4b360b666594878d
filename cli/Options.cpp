#include "cli/Options.h"

#include <charconv>
#include <iterator>
#include <optional>
#include <system_error>

#include "cli/Interference.h"

namespace brimsel::cli {

namespace {

std::string SetForm(CommandLine& cl, CommandForm form, std::string_view name) {
    if (cl.Form != CommandForm::Query && cl.Form != form) {
        return "only one of --batch, --explain, --check, --ranges, --find, --interference and "
               "--temperature at a time (" +
               std::string(name) + ")";
    }
    cl.Form = form;
    return {};
}

// The options of --interference and --temperature keep their value under
// their name; each form reads and checks the ones it takes.
constexpr std::size_t SettingIndex(std::string_view name) {
    std::size_t i = 0;
    while (kSettingNames[i] != name) ++i;  // past the end: not a constant, a build error
    return i;
}

template <std::size_t I>
std::string KeepSetting(CommandLine& cl, std::string_view value) {
    cl.Settings[std::string(kSettingNames[I])] = std::string(value);
    return {};
}

constexpr OptionEntry kOptions[] = {
    {"--csv", "", false,
     [](CommandLine& cl, std::string_view) {
         cl.Csv = true;
         return std::string();
     },
     "",
     "CSV rows instead of lines: a header, then one row per zone\n{columns}\nA fit adds a row "
     "after its two zone rows: zone HOLE/SHAFT,\nupper_mm and lower_mm the largest and smallest "
     "clearance\n(ES-ei, EI-es, negative for an interference) as max_text and\nmin_text show them, "
     "upper_text and lower_text empty, and\nmax_text to kind filled. Zone rows fill the columns "
     "from\nupper_size on: the limits of size, the size range (above\nrange_low up to range_high), "
     "IT, the fundamental deviation as\nthe table gives it, the delta when added, and the rule "
     "(none,\ndelta, symmetric, symmetric-rounded, m6-special, grade-band).\nRows that failed "
     "carry their code and leave the values empty.\nEvery row ends with the edition, 1998 or "
     "2020."},
    {"--batch", "", false,
     [](CommandLine& cl, std::string_view) { return SetForm(cl, CommandForm::Batch, "--batch"); },
     "",
     "read one query \"SIZE ZONE...\" a line from standard input and\nwrite CSV rows; blank lines, "
     "lines starting with # and a\nbyte-order mark at the start are skipped; a line longer "
     "than\n65536 bytes is one failed row with code 1"},
    {"--explain", "", false,
     [](CommandLine& cl, std::string_view) {
         return SetForm(cl, CommandForm::Explain, "--explain");
     },
     "",
     "where each zone's numbers come from: the size range, IT, the\nfundamental deviation and Δ, "
     "the rule that applied, the limit\ndeviations and the limits of size"},
    {"--check", "", false,
     [](CommandLine& cl, std::string_view) { return SetForm(cl, CommandForm::Check, "--check"); },
     "",
     "whether each MEASURED size (a plain decimal, at most 7\ndecimals) lies within the zone's "
     "limits of size, and how far\nit is from the nearer limit: positive inside, "
     "negative\noutside. With --csv the columns "
     "are\nsize,zone,measured,verdict,distance,upper_size,lower_size,code,\nedition and verdict is "
     "inside "
     "or outside"},
    {"--ranges", "", false,
     [](CommandLine& cl, std::string_view) { return SetForm(cl, CommandForm::Ranges, "--ranges"); },
     "",
     "the size ranges from 0 to 3150 mm where the standard defines\neach zone, and for the others "
     "the error code and message.\nWith --csv the columns "
     "are\nzone,range_low,range_high,code,edition"},
    {"--find", "", false,
     [](CommandLine& cl, std::string_view) {
         // With --interference, the fits that carry the load.
         if (cl.Form == CommandForm::Interference) {
             cl.FindFits = true;
             return std::string();
         }
         return SetForm(cl, CommandForm::Find, "--find");
     },
     "",
     "the fits whose clearance stays from MIN to MAX (mm; negative\nfor an interference: -0.080 "
     "-0.020 is an interference of 20 to\n80 um), ranked: preferred, common (1998) or listed "
     "(2020),\nthen other fits; "
     "within each\nthe widest sum of both tolerances, then the band nearest the\nmiddle of the "
     "range. Margins are the distances to MIN and MAX.\nWhen none qualifies, the nearest few fits "
     "and how far each\nmisses. With --csv the columns are\n{find_columns}\nwhere scope is "
     "preferred, common, listed or other and only\nnear misses fill miss_mm"},
    {"--all", "", false,
     [](CommandLine& cl, std::string_view) {
         cl.All = true;
         if (cl.FindOption.empty()) cl.FindOption = "--all";
         return std::string();
     },
     "",
     "--find searches every fit H/any and any/h of the standard, not\nonly those the "
     "edition lists"},
    {"--basis", "", true,
     [](CommandLine& cl, std::string_view value) {
         if (value != "hole" && value != "shaft") {
             return "unknown basis system \"" + ShownText(value) + "\"; use hole or shaft";
         }
         cl.Basis = value == "hole" ? fits::BasisSystem::Hole : fits::BasisSystem::Shaft;
         if (cl.FindOption.empty()) cl.FindOption = "--basis";
         return std::string();
     },
     "hole|shaft", "--find keeps one basis system"},
    {"--limit", "", true,
     [](CommandLine& cl, std::string_view value) {
         std::size_t limit = 0;
         const auto [end, ec] = std::from_chars(value.data(), value.data() + value.size(), limit);
         if (value.empty() || ec != std::errc() || end != value.data() + value.size()) {
             return "--limit needs a whole number, not \"" + ShownText(value) + "\"";
         }
         cl.Limit = limit;
         if (cl.FindOption.empty()) cl.FindOption = "--limit";
         return std::string();
     },
     "N", "--find writes the first N fits (default 10; 0 for all)"},
    {"--interference", "", false,
     [](CommandLine& cl, std::string_view) {
         // After --find, the two ask for the fits that carry the load.
         cl.FindFits = cl.FindFits || cl.Form == CommandForm::Find;
         if (cl.Form == CommandForm::Find) cl.Form = CommandForm::Query;
         return SetForm(cl, CommandForm::Interference, "--interference");
     },
     "",
     "the interference fit SIZE needs to carry a load, after\nGB/T 5371-2004, SIZE the fit "
     "diameter d_f: the least\ninterference delta_min and the most without yielding\ndelta_emax, "
     "with --fit the check of a fit, with --find the\nfits between. Elastic range, plane stress, a "
     "uniform\npressure, no centrifugal load; E and the strengths at 20 C.\nWith --csv rows "
     "quantity,value,unit (um, MPa, N, N*m, degC)"},
    {"--temperature", "", false,
     [](CommandLine& cl, std::string_view) {
         return SetForm(cl, CommandForm::Temperature, "--temperature");
     },
     "",
     "the fit FIT at SIZE at operating temperatures: each limit of\nfit moves by D [a_h (t_h - 20) "
     "- a_s (t_s - 20)]. With --csv\nrows X_max_20,X_min_20,X_max,X_min (um, clearance "
     "positive)\nand kind"},
    {"--torque", "", true, KeepSetting<SettingIndex("--torque")>, "N*m",
     "--interference: the torque M_t"},
    {"--axial", "", true, KeepSetting<SettingIndex("--axial")>, "N",
     "--interference: the axial force F_x"},
    {"--length", "", true, KeepSetting<SettingIndex("--length")>, "MM",
     "--interference: the fit length l_f"},
    {"--hub-od", "", true, KeepSetting<SettingIndex("--hub-od")>, "MM",
     "--interference: the hub's outside diameter d_a"},
    {"--shaft-bore", "", true, KeepSetting<SettingIndex("--shaft-bore")>, "MM",
     "--interference: a hollow shaft's bore d_i (0: solid)"},
    {"--hub-material", "", true, KeepSetting<SettingIndex("--hub-material")>, "NAME",
     "the hub's material, filling E, nu and the expansion\ncoefficients: steel, grey-iron-ht150, "
     "grey-iron-ht250,\nmalleable-iron, nodular-iron, bronze, brass, "
     "aluminium-alloy,\nmagnesium-aluminium-alloy"},
    {"--hub-e", "", true, KeepSetting<SettingIndex("--hub-e")>, "MPa", "the hub's modulus E"},
    {"--hub-nu", "", true, KeepSetting<SettingIndex("--hub-nu")>, "NU",
     "the hub's Poisson's ratio, 0 to 0.5"},
    {"--hub-yield", "", true, KeepSetting<SettingIndex("--hub-yield")>, "MPa",
     "the hub's yield strength"},
    {"--hub-tensile", "", true, KeepSetting<SettingIndex("--hub-tensile")>, "MPa",
     "a brittle hub's tensile strength, with the safety\n--brittle-safety"},
    {"--hub-alpha", "", true, KeepSetting<SettingIndex("--hub-alpha")>, "1/C",
     "the hub's expansion coefficient on heating (11e-6)"},
    {"--hub-ra", "", true, KeepSetting<SettingIndex("--hub-ra")>, "UM",
     "the roughness Ra of the hub's bore"},
    {"--hub-temp", "", true, KeepSetting<SettingIndex("--hub-temp")>, "C",
     "--interference: the hub's operating temperature"},
    {"--shaft-material", "", true, KeepSetting<SettingIndex("--shaft-material")>, "NAME",
     "the shaft's material (as --hub-material)"},
    {"--shaft-e", "", true, KeepSetting<SettingIndex("--shaft-e")>, "MPa", "the shaft's modulus E"},
    {"--shaft-nu", "", true, KeepSetting<SettingIndex("--shaft-nu")>, "NU",
     "the shaft's Poisson's ratio"},
    {"--shaft-yield", "", true, KeepSetting<SettingIndex("--shaft-yield")>, "MPa",
     "the shaft's yield strength"},
    {"--shaft-tensile", "", true, KeepSetting<SettingIndex("--shaft-tensile")>, "MPa",
     "a brittle shaft's tensile strength"},
    {"--shaft-alpha", "", true, KeepSetting<SettingIndex("--shaft-alpha")>, "1/C",
     "the shaft's expansion coefficient: on cooling with\n--interference (-8.5e-6), on heating "
     "with --temperature"},
    {"--shaft-ra", "", true, KeepSetting<SettingIndex("--shaft-ra")>, "UM",
     "--interference: the roughness Ra of the shaft"},
    {"--shaft-temp", "", true, KeepSetting<SettingIndex("--shaft-temp")>, "C",
     "the shaft's operating temperature"},
    {"--friction", "", true, KeepSetting<SettingIndex("--friction")>, "MU",
     "--interference: the friction coefficient; pressed,\nunlubricated / lubricated: steel-steel "
     "0.07-0.16 / 0.05-0.13,\nsteel-cast iron 0.12-0.15 / 0.05-0.10, steel-bronze\n0.15-0.20 / "
     "0.03-0.06, cast iron-cast iron 0.15-0.25 / 0.05-0.10"},
    {"--assembly", "", true, KeepSetting<SettingIndex("--assembly")>, "press|shrink",
     "--interference: pressed in (the default; the surfaces'\nsmoothing 2 (1.6 Ra_a + 1.6 Ra_i) is "
     "added) or shrunk"},
    {"--brittle-safety", "", true, KeepSetting<SettingIndex("--brittle-safety")>, "N",
     "the safety of a brittle part (3 unless set)"},
    {"--room-temp", "", true, KeepSetting<SettingIndex("--room-temp")>, "C",
     "the room temperature of a shrink fit (20 unless set)"},
    {"--assembly-clearance", "", true, KeepSetting<SettingIndex("--assembly-clearance")>, "UM",
     "the clearance to slide a shrink fit on (0.001 d_f\nunless set)"},
    {"--fit", "", true, KeepSetting<SettingIndex("--fit")>, "HOLE/SHAFT",
     "--interference: the check of this fit: holds or slips,\nstays elastic or yields, pressures, "
     "stresses, press-in\nforce, shrink temperatures"},
    {"--hole-temp", "", true, KeepSetting<SettingIndex("--hole-temp")>, "C",
     "--temperature: the hole's temperature (20 unless set)"},
    {"--hole-material", "", true, KeepSetting<SettingIndex("--hole-material")>, "NAME",
     "--temperature: the hole's material, for its expansion"},
    {"--hole-alpha", "", true, KeepSetting<SettingIndex("--hole-alpha")>, "1/C",
     "--temperature: the hole's expansion coefficient"},
    {"--lang", "", true,
     [](CommandLine& cl, std::string_view value) {
         if (value == "zh") {
             cl.Language = Language::Chinese;
         } else if (value == "en") {
             cl.Language = Language::English;
         } else {
             return "unknown language \"" + ShownText(value) + "\"; use zh or en";
         }
         return std::string();
     },
     "zh|en", "messages and names in Chinese (the default) or English"},
    {"--edition", "", true,
     [](CommandLine& cl, std::string_view value) {
         const std::optional<Edition> edition = ReadEdition(value);
         if (!edition) return "unknown edition \"" + ShownText(value) + "\"; use 1998 or 2020";
         cl.Edition = *edition;
         return std::string();
     },
     "1998|2020",
     "the standard's edition, for every form: 1998 (the default) is\nGB/T 1800.3-1998 with "
     "the fits of GB/T 1801-1999, 2020 is\nGB/T 1800.1-2020 and GB/T 1800.2-2020 (JS/js of IT7 "
     "to IT11\n±IT/2 unrounded, the fits of its figures, its terms)"},
    {"--help", "-h", false,
     [](CommandLine& cl, std::string_view) {
         cl.Help = true;
         return std::string();
     },
     "", "this text"},
    {"--version", "", false,
     [](CommandLine& cl, std::string_view) {
         cl.Version = true;
         return std::string();
     },
     "", "the program's version"},
};

}  // namespace

std::span<const OptionEntry> OptionTable() { return kOptions; }

}  // namespace brimsel::cli
