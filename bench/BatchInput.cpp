#include "BatchInput.h"

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string_view>
#include <vector>

#include "cli/CommandLine.h"
#include "datafile/ShippedDigest.h"
#include "engine/DataFile.h"
#include "engine/NumberText.h"
#include "engine/ZoneCode.h"

namespace brimsel::bench {

std::string AllZonesInput(const ToleranceData& tables) {
    std::string input;
    const Table& deviations = tables.FundamentalDeviations;
    float previous = 0.0f;
    for (std::int32_t row = 0; row < deviations.Rows; ++row) {
        const float limit = deviations(0, row);
        // Halfway into the range, which runs from above the previous limit up to this one.
        const std::string size = SingleText(previous + (limit - previous) / 2.0f);
        previous = limit;
        for (const auto* letters : {&kHoleLetters, &kShaftLetters}) {
            for (const std::string_view letter : *letters) {
                for (const std::string_view grade : kGradeTexts) {
                    input += size;
                    input += ' ';
                    input += letter;
                    input += grade;
                    input += '\n';
                }
            }
        }
    }
    return input;
}

const ToleranceData& TablesBesideProgram() {
    static const std::optional<ToleranceData> tables = [] {
        const auto path = cli::ProgramFolder(nullptr) / kDataFileName;
        DataFileResult loaded = LoadToleranceFile(path, kShippedDataDigest);
        if (!loaded.Ok()) {
            std::fprintf(stderr, "cannot read %s: %s\n", path.string().c_str(),
                         loaded.Problem.c_str());
            std::exit(2);
        }
        return loaded.Data;
    }();
    return *tables;
}

}  // namespace brimsel::bench
