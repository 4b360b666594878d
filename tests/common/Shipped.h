// The standard's tables as the producer builds them, built once per test
// program (tests that use it link brimsel_tables).
#pragma once

#include "datafile/StandardTables.h"

namespace brimsel::test {

inline const ToleranceData& Shipped() {
    static const ToleranceData data = BuildStandardTables();
    return data;
}

}  // namespace brimsel::test
