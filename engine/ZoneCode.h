// Normalisation of a typed tolerance zone code, as the zone boxes of the
// window apply it: one leading preferred mark "*" or blank dropped, the code
// split at its first digit, the grade reduced to the value of its leading
// digits ("07" to "7", "00" to "0", while "01" and "0" name IT01 and IT0), and
// the letters put in the member's case. Pure functions, no window state, so
// that the window and the query command normalise alike.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace brimsel {

enum class ZoneMember { Hole, Shaft };

// Every fundamental-deviation letter and every grade of the standard, in the
// standard's order; which of them exist at a size is the engine's to tell.
inline constexpr std::array<std::string_view, 28> kHoleLetters = {
    "A", "B", "C", "CD", "D", "E", "EF", "F", "FG", "G", "H", "J",  "JS", "K",
    "M", "N", "P", "R",  "S", "T", "U",  "V", "X",  "Y", "Z", "ZA", "ZB", "ZC"};
inline constexpr std::array<std::string_view, 28> kShaftLetters = {
    "a", "b", "c", "cd", "d", "e", "ef", "f", "fg", "g", "h", "j",  "js", "k",
    "m", "n", "p", "r",  "s", "t", "u",  "v", "x",  "y", "z", "za", "zb", "zc"};
inline constexpr std::array<std::string_view, 20> kGradeTexts = {
    "01", "0",  "1",  "2",  "3",  "4",  "5",  "6",  "7",  "8",
    "9",  "10", "11", "12", "13", "14", "15", "16", "17", "18"};

// The code without its one leading preferred mark "*" or blank, if it has one.
std::string_view DropPreferredMark(std::string_view text);

// Letters := everything before the first decimal digit, grade := the rest from
// that digit on; without a digit the letters are the whole code and the grade
// is empty ("H7" gives "H" and "7", "7H" gives "" and "7H", "JS" gives "JS" and "").
void SplitZoneCode(std::string_view code, std::string& letters, std::string& grade);

struct NormalisedZone {
    std::string Letters;  // upper case for a hole, lower case for a shaft
    std::string Grade;    // "", "01", "0" or a whole number without leading zeros
    std::string Text;     // Letters followed by Grade: what the zone box shows

    bool operator==(const NormalisedZone&) const = default;
};

// One pass of the zone box's change handling on the text `text`. The box
// writes Text back into itself; for any text whose result does not start with
// another "*" or blank, a second pass gives the same result.
NormalisedZone NormaliseZoneCode(std::string_view text, ZoneMember member);

// The member a single zone code stands for when nothing else tells: the case
// of its first letter (A..Z a hole, a..z a shaft; "Js7" is a hole, "jS7" a
// shaft). A code without any letter counts as a hole.
ZoneMember MemberByCase(std::string_view text);

}  // namespace brimsel
