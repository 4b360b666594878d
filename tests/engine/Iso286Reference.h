// An independent statement of ISO 286-1 / GB/T 1800.3 for the tests: the
// standard tolerances, the shaft fundamental deviations and the standard's Δ
// table, typed in again here, and the rules that derive every hole and shaft
// zone from them, worked in integer tenths of a micrometre.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace brimsel::test::iso {

inline constexpr std::initializer_list<const char*> kShaftLetters = {
    "a", "b", "c", "cd", "d", "e", "ef", "f", "fg", "g", "h", "j",  "js", "k",
    "m", "n", "p", "r",  "s", "t", "u",  "v", "x",  "y", "z", "za", "zb", "zc"};
inline constexpr std::initializer_list<const char*> kHoleLetters = {
    "A", "B", "C", "CD", "D", "E", "EF", "F", "FG", "G", "H", "J",  "JS", "K",
    "M", "N", "P", "R",  "S", "T", "U",  "V", "X",  "Y", "Z", "ZA", "ZB", "ZC"};

// Upper limits (mm) of the 41 size ranges of the fundamental deviations.
const std::vector<float>& DeviationSizeLimits();

// Standard tolerance in tenths of a micrometre; 0 where the standard gives
// none (IT01 and IT0 above 500 mm) or the size is above 3150 mm.
long ItTenths(int grade, float size);

// What the engine must report for a zone.
struct Outcome {
    // Codes the engine may report; 0 stands for "computed". Most zones allow
    // exactly one. Two codes mean the standard's intent is clear but the data
    // may express it either way (a grade the standard does not give for a
    // letter: no key row, or a key row without a column), or a cell the
    // reference is unsure of.
    std::vector<int> Codes;
    // When 0 is allowed: the deviations in twentieths of a micrometre (the
    // symmetric zones of the finest grades need halves of tenths).
    long Upper20 = 0;
    long Lower20 = 0;
    std::string Note;  // why, for failure messages

    bool Allows(int code) const;
};

Outcome Hole(std::string_view letters, int grade, float size, bool customBasis);
Outcome Shaft(std::string_view letters, int grade, float size, bool customBasis);

// The caption of a value given in twentieths of a micrometre, with the number
// of decimals (of the millimetre value) the engine must use: "+0.035", " 0",
// "-0.0002" (half away from zero).
std::string Caption(long twentieths, int decimals);
// 3 unless either value has a digit below the micrometre, then 4.
int CaptionDecimals(long upper20, long lower20);

}  // namespace brimsel::test::iso
