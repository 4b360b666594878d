// brimsel-query's options: one row each, read by the parser and by --help.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "cli/CommandLine.h"

namespace brimsel::cli {

// One row per option: its names, whether it takes a value, and what it does
// to the command line (a problem text when the value is refused).
struct OptionEntry {
    std::string_view Name;
    std::string_view ShortName;  // "-h", or empty
    bool TakesValue;
    std::string (*Apply)(CommandLine& cl, std::string_view value);
    std::string_view ValueName;  // how --help writes the value ("N", "zh|en")
    std::string_view Help;       // --help's lines, without their indent
};

std::span<const OptionEntry> OptionTable();

}  // namespace brimsel::cli
