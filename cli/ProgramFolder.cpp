#include <cstdlib>
#include <system_error>

#include "cli/CommandLine.h"

namespace brimsel::cli {

std::filesystem::path ProgramFolder(const char* argv0) {
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::path self = fs::read_symlink("/proc/self/exe", ec);
    if (!ec && self.is_absolute()) return self.parent_path();

    const std::string_view name = argv0 != nullptr ? argv0 : "";
    if (name.empty()) return {};
    if (name.find('/') != std::string_view::npos) {
        const fs::path absolute = fs::absolute(fs::path(name), ec);
        return ec ? fs::path() : absolute.parent_path();
    }
    // Started through PATH: the first entry holding a file of that name.
    const char* pathVariable = std::getenv("PATH");
    std::string_view entries = pathVariable != nullptr ? pathVariable : "";
    while (true) {
        const auto colon = entries.find(':');
        const std::string_view entry = entries.substr(0, colon);
        const fs::path candidate = fs::path(entry.empty() ? "." : entry) / name;
        if (fs::is_regular_file(candidate, ec)) {
            const fs::path absolute = fs::absolute(candidate, ec);
            if (!ec) return absolute.parent_path();
        }
        if (colon == std::string_view::npos) break;
        entries.remove_prefix(colon + 1);
    }
    return {};
}

}  // namespace brimsel::cli
