// The forms of brimsel-query that look into zones rather than list them:
// where the numbers come from (--explain), whether measured sizes lie inside
// the limits of size (--check), and where the standard defines a zone
// (--ranges). Each writes its whole output and returns the exit status.
#pragma once

#include <string>

#include "cli/CommandLine.h"
#include "engine/ToleranceData.h"

namespace brimsel::cli {

// SIZE ZONE...: the derivation of each zone (both members of a fit); exit 0
// when every zone computed, 1 otherwise.
int RunExplain(const ToleranceData& tables, const CommandLine& cl, std::string& out);

// SIZE ZONE MEASURED...: one line or row per measured size; exit 0 when all
// lie inside, 1 when any lies outside or the zone failed.
int RunCheck(const ToleranceData& tables, const CommandLine& cl, std::string& out);

// ZONE...: the spans from 0 to 3150 mm where each zone computes and where it
// fails; exit 0 when every zone computes somewhere, 1 otherwise.
int RunRanges(const ToleranceData& tables, const CommandLine& cl, std::string& out);

// A measured size as --check takes it: digits with at most one point, at
// least one digit, at most 11 digits before the point and 7 after.
bool IsMeasuredSize(std::string_view text);

// A usage problem naming the operand when `text` is a number ("-0.08",
// "+12.5", "100000000000") that the exact decimal cannot hold: more than 11
// digits before the point or 7 after. Empty otherwise: a text that is no
// number at all is left to the form, which reports it in its own way.
std::string UnheldNumberProblem(std::string_view operand, std::string_view text);

}  // namespace brimsel::cli
