// brimsel-query --interference and --temperature: the interference a fit needs
// to carry a load, the check of one fit and the fits that qualify; and a fit
// at operating temperatures. Readable lines or quantity,value,unit rows.
#pragma once

#include <cstddef>
#include <map>
#include <string>
#include <string_view>

#include "engine/ToleranceData.h"

namespace brimsel::cli {

struct CommandLine;

// The options of both forms that take a number or a name, as given; each
// form reads the ones it takes and refuses the others.
using Settings = std::map<std::string, std::string, std::less<>>;

// Every such option, in the order --help lists them.
inline constexpr std::string_view kSettingNames[] = {
    "--torque",         "--axial",        "--length",
    "--hub-od",         "--shaft-bore",   "--hub-e",
    "--hub-nu",         "--hub-yield",    "--hub-tensile",
    "--shaft-e",        "--shaft-nu",     "--shaft-yield",
    "--shaft-tensile",  "--hub-material", "--shaft-material",
    "--hub-alpha",      "--shaft-alpha",  "--friction",
    "--hub-ra",         "--shaft-ra",     "--assembly",
    "--brittle-safety", "--room-temp",    "--assembly-clearance",
    "--hub-temp",       "--shaft-temp",   "--fit",
    "--hole-temp",      "--hole-alpha",   "--hole-material"};

inline constexpr int kInterferenceComputed = 0;
inline constexpr int kInterferenceProblem = 1;  // the input's problem is written to `err`
inline constexpr int kInterferenceUsage = 2;

// SIZE with the settings; --fit, --find (with --all, --basis, --limit) as the command line has
// them.
int RunInterference(const ToleranceData& tables, const CommandLine& cl, std::string& out,
                    std::string& err);
// SIZE FIT with --hole-temp, --shaft-temp and each member's α or material.
int RunTemperature(const ToleranceData& tables, const CommandLine& cl, std::string& out,
                   std::string& err);

}  // namespace brimsel::cli
