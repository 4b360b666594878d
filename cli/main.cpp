#include <iostream>
#include <string_view>
#include <vector>

#include "cli/CommandLine.h"

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    const std::vector<std::string_view> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
    return brimsel::cli::RunQueryCommand(arguments,
                                         brimsel::cli::ProgramFolder(argc > 0 ? argv[0] : nullptr),
                                         std::cin, std::cout, std::cerr);
}
