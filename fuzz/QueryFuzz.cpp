// Any arguments and standard input to brimsel-query, through its entry
// function in process with captured streams, beside the Quorbel.dat of the
// build. Input: the arguments one a line, then a NUL byte and the standard
// input (for --batch). Beyond not crashing or hanging:
//  - the status is 0, 1 or 2; a usage error (2) says why, and 0 writes no
//    error;
//  - a status of 0 never comes with a failure: no error text of a zone among
//    the readable lines (--ranges lists where a zone fails by design), no
//    --check line or row without its verdict and distance.
#include <sstream>

#include "FuzzSupport.h"
#include "cli/CommandLine.h"
#include "results/Explanation.h"
#include "texts/MoreStrings.h"

namespace {

std::string gArguments;  // the current input, for the report

[[noreturn]] void Fail(const std::string& what) { brimsel::fuzz::Fail("query", what, gArguments); }

constexpr std::int16_t kErrorCodes[] = {1, 21, 22, 31, 32, 41, 42};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t nul = input.find('\0');
    const std::string_view argumentText = input.substr(0, nul);
    std::istringstream in(std::string(nul == std::string_view::npos ? "" : input.substr(nul + 1)));
    std::vector<std::string> owned;
    for (std::size_t at = 0; at <= argumentText.size();) {
        const std::size_t end = std::min(argumentText.find('\n', at), argumentText.size());
        owned.emplace_back(argumentText.substr(at, end - at));
        at = end + 1;
    }
    if (argumentText.empty()) owned.clear();
    const std::vector<std::string_view> arguments(owned.begin(), owned.end());
    gArguments.clear();
    for (const std::string& a : owned) gArguments += "[" + a + "] ";

    std::ostringstream out, err;
    static const std::filesystem::path folder = brimsel::cli::ProgramFolder(nullptr);
    const int status = brimsel::cli::RunQueryCommand(arguments, folder, in, out, err);
    const std::string written = out.str(), errors = err.str();
    if (status < 0 || status > 2) Fail("exit status " + std::to_string(status));
    if (status == 2 && errors.empty()) Fail("a usage error without a word");
    if (status != 0) return 0;
    if (!errors.empty()) Fail("exit 0 with errors: " + errors);

    const auto has = [&arguments](std::string_view option) {
        return std::ranges::find(arguments, option) != arguments.end();
    };
    const bool check = has("--check");
    for (const brimsel::Language language :
         {brimsel::Language::Chinese, brimsel::Language::English}) {
        if (!has("--ranges") && !has("--help") && !has("-h")) {
            for (const std::int16_t code : kErrorCodes)
                if (written.find(brimsel::ErrorText(code, language)) != std::string::npos)
                    Fail("exit 0 with error " + std::to_string(code) + ": " + written);
        }
        for (const brimsel::More nearer :
             {brimsel::More::NearerLargest, brimsel::More::NearerSmallest}) {
            const std::string empty = brimsel::FillIn(brimsel::LookUpMore(language, nearer), "");
            if (check && written.find(empty) != std::string::npos)
                Fail("a check without its distance: " + written);
        }
    }
    if (check && written.find(",,") != std::string::npos && has("--csv"))
        Fail("a check row with an empty field: " + written);
    return 0;
}
