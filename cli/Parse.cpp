#include "cli/Inspect.h"
#include "cli/Options.h"

namespace brimsel::cli {

namespace {

bool IsAsciiLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

bool IsOption(std::string_view arg) {
    return arg.starts_with("--") || (arg.size() >= 2 && arg[0] == '-' && IsAsciiLetter(arg[1]));
}

// The operands each form needs, or a usage problem.
std::string CheckOperands(const CommandLine& cl) {
    const std::size_t n = cl.Operands.size();
    if (cl.Form != CommandForm::Find && !cl.FindFits && !cl.FindOption.empty()) {
        return cl.FindOption + " goes with --find";
    }
    if (cl.Form != CommandForm::Interference && cl.Form != CommandForm::Temperature &&
        !cl.Settings.empty()) {
        return cl.Settings.begin()->first + " goes with --interference or --temperature";
    }
    switch (cl.Form) {
        case CommandForm::Query:
            if (n == 0) return "a basic size and at least one zone are needed";
            if (n < 2) return "at least one zone is needed after the basic size";
            break;
        case CommandForm::Batch:
            if (n > 0) return "--batch reads its queries from standard input, not from arguments";
            break;
        case CommandForm::Explain:
            if (n < 2) return "--explain needs a basic size and at least one zone";
            if (cl.Csv) return "--explain writes lines; --csv without it gives the same columns";
            break;
        case CommandForm::Check:
            if (n < 3) return "--check needs a basic size, one zone and at least one measured size";
            if (cl.Operands[1].find('/') != std::string::npos) {
                return "--check takes one zone, not a fit";
            }
            for (std::size_t m = 2; m < n; ++m) {
                if (!IsMeasuredSize(cl.Operands[m])) {
                    return "\"" + ShownText(cl.Operands[m]) +
                           "\" is not a measured size (digits with at most one point, 11 "
                           "digits before it and 7 after)";
                }
            }
            break;
        case CommandForm::Ranges:
            if (n < 1) return "--ranges needs at least one zone";
            break;
        case CommandForm::Find:
            if (n != 3) return "--find needs a basic size, MIN and MAX";
            if (auto problem = UnheldNumberProblem("MIN", cl.Operands[1]); !problem.empty())
                return problem;
            if (auto problem = UnheldNumberProblem("MAX", cl.Operands[2]); !problem.empty())
                return problem;
            break;
        case CommandForm::Interference:
            if (n != 1) return "--interference needs one operand, the fit diameter SIZE";
            break;
        case CommandForm::Temperature:
            if (n != 2) return "--temperature needs a basic size and a fit HOLE/SHAFT";
            break;
    }
    // The basic size of every form that takes one.
    if (cl.Form != CommandForm::Batch && cl.Form != CommandForm::Ranges && n > 0)
        return UnheldNumberProblem("the basic size", cl.Operands[0]);
    return {};
}

}  // namespace

CommandLine ParseCommandLine(const std::vector<std::string_view>& arguments) {
    CommandLine cl;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view arg = arguments[i];
        if (optionsEnded || !IsOption(arg)) {
            cl.Operands.emplace_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        const std::size_t equals = arg.starts_with("--") ? arg.find('=') : std::string_view::npos;
        const std::string_view name = arg.substr(0, equals);
        const OptionEntry* entry = nullptr;
        for (const OptionEntry& option : OptionTable()) {
            if (name == option.Name || (!option.ShortName.empty() && name == option.ShortName)) {
                entry = &option;
            }
        }
        if (entry == nullptr) {
            cl.Problem = "unknown option " + ShownText(name);
            return cl;
        }
        std::string_view value;
        if (equals != std::string_view::npos) {
            if (!entry->TakesValue) {
                cl.Problem = std::string(name) + " takes no value";
                return cl;
            }
            value = arg.substr(equals + 1);
        } else if (entry->TakesValue) {
            if (i + 1 == arguments.size()) {
                cl.Problem = std::string(name) + " needs a value";
                return cl;
            }
            value = arguments[++i];
        }
        cl.Problem = entry->Apply(cl, value);
        if (!cl.Problem.empty()) return cl;
    }
    if (cl.Help || cl.Version) return cl;
    cl.Problem = CheckOperands(cl);
    return cl;
}

}  // namespace brimsel::cli
