// Writes Quorbel.dat from the standard's tables: quorbel-make <output file>.
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

#include "datafile/StandardTables.h"
#include "engine/DataFile.h"

namespace {

int Fail(const std::string& message) {
    std::fprintf(stderr, "quorbel-make: %s\n", message.c_str());
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) return Fail("usage: quorbel-make <output file>");
    const std::filesystem::path target = argv[1];
    std::string bytes;
    try {
        bytes = brimsel::EncodeToleranceFile(brimsel::BuildStandardTables());
    } catch (const std::exception& error) {
        return Fail(error.what());
    }
    // The program would refuse a file that its own reader rejects; so does the producer.
    if (const auto check = brimsel::DecodeToleranceFile(bytes); !check.Ok())
        return Fail("the tables do not make a valid file: " + check.Problem);

    // Written beside the target and renamed, so that a failed run never leaves
    // a half-written data file behind.
    std::filesystem::path partial = target;
    partial += ".partial";
    {
        std::ofstream out(partial, std::ios::binary | std::ios::trunc);
        if (!out.write(bytes.data(), static_cast<std::streamsize>(bytes.size())) || !out.flush())
            return Fail("cannot write " + partial.string());
    }
    std::error_code error;
    std::filesystem::rename(partial, target, error);
    if (error) {
        std::filesystem::remove(partial, error);
        return Fail("cannot replace " + target.string());
    }
    return 0;
}
