// The query table of the batch benchmark: every hole and shaft zone (letters
// A..ZC and a..zc with JS/js, grades 01, 0, 1..18) at one size inside every
// size range of FundamentalDeviations.
#pragma once

#include <string>

#include "engine/ToleranceData.h"

namespace brimsel::bench {

// Lines "SIZE ZONE" in the form brimsel-query --batch reads.
std::string AllZonesInput(const ToleranceData& tables);

// Quorbel.dat beside the running benchmark program; ends the program with a
// message when it cannot be read.
const ToleranceData& TablesBesideProgram();

}  // namespace brimsel::bench
