// Writes Quorbel.dat from the standard's tables, and the header that compiles
// its SHA-256 into the programs: quorbel-make <data file> <digest header>.
#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>

#include "datafile/StandardTables.h"
#include "engine/AtomicFile.h"
#include "engine/DataFile.h"
#include "engine/Sha256.h"

namespace {

int Fail(const std::string& message) {
    std::fprintf(stderr, "quorbel-make: %s\n", message.c_str());
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) return Fail("usage: quorbel-make <data file> <digest header>");
    std::string bytes;
    try {
        bytes = brimsel::EncodeToleranceFile(brimsel::BuildStandardTables());
    } catch (const std::exception& error) {
        return Fail(error.what());
    }
    const std::string digest = brimsel::Sha256Hex(bytes);
    // The program would refuse a file that its own reader rejects; so does the producer.
    if (const auto check = brimsel::DecodeShippedFile(bytes, digest); !check.Ok())
        return Fail("the tables do not make a valid file: " + check.Problem);

    const std::string header =
        "// Written by quorbel-make: the SHA-256 of the Quorbel.dat built beside the\n"
        "// programs. They accept no other content.\n"
        "#pragma once\n\n#include <string_view>\n\nnamespace brimsel {\n"
        "inline constexpr std::string_view kShippedDataDigest = \"" +
        digest + "\";\n}  // namespace brimsel\n";
    // Each written beside its target and renamed, so that a failed run never
    // leaves a half-written file behind.
    for (const auto& [target, content] :
         {std::pair<std::filesystem::path, const std::string&>{argv[1], bytes},
          std::pair<std::filesystem::path, const std::string&>{argv[2], header}}) {
        if (const std::string problem = brimsel::WriteFileAtomically(target, content);
            !problem.empty())
            return Fail(problem);
    }
    return 0;
}
