// What the interference calculation's results and problems are called, in
// either language, and how their values are written: the window's dialogs
// and brimsel-query both present the calculation through these.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "interference/Interference.h"
#include "interference/Materials.h"
#include "texts/Language.h"

namespace brimsel::interference {

// The message of a problem, naming the part it is about where it has one;
// empty for none.
std::string ProblemMessage(Problem problem, Part part, Language language);
std::string_view PartText(Part part, Language language);

// The readable name of a quantity's key ("delta_min": "least interference
// needed δ_min"); the key itself for an unknown one.
std::string_view QuantityLabel(std::string_view key, Language language);
// The unit as readers see it: "µm", "N·m", "°C"; the others as they are.
std::string_view ShownUnit(std::string_view unit);
// A value to the digits worth reading: 0.1 µm, 0.1 MPa, 1 N, 0.1 N·m,
// 0.1 °C, three decimals for ratios and factors.
std::string ReadableValue(double value, std::string_view unit);
// A value as the CSV rows carry it: ten significant digits, no exponent for
// the magnitudes the calculation meets.
std::string CsvValue(double value);

// A number as the dialogs' fields and the command's options take it: an
// optional sign, digits with at most one point, an optional exponent, blanks
// around it; nothing for anything else or a value that is not finite.
std::optional<double> ReadNumber(std::string_view text);

// The name of a material preset (its key when unknown).
std::string_view MaterialName(std::string_view key, Language language);
// The friction table as a tooltip: a heading, then one pair a line.
std::string FrictionTip(Language language);
// "The table's range: 200000 to 235000", or its single value.
std::string RangeTip(Range range, double scale, int decimals, Language language);

// The verdicts of a check: holds or slips, stays elastic or yields.
std::string SlipVerdict(const FitCheck& check, Language language);
std::string YieldVerdict(const FitCheck& check, const Requirement& requirement, Language language);

}  // namespace brimsel::interference
