// Writes the batch benchmark's query table to standard output.
#include <cstdio>

#include "BatchInput.h"

int main() {
    const std::string input = brimsel::bench::AllZonesInput(brimsel::bench::TablesBesideProgram());
    return std::fwrite(input.data(), 1, input.size(), stdout) == input.size() ? 0 : 1;
}
