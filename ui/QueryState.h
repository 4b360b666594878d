// The values one main window keeps between events: the tables read from the
// data file, the current inputs and the last computed limit deviations.
#pragma once

#include <cstdint>
#include <string>

#include "engine/Edition.h"
#include "engine/ToleranceData.h"
#include "texts/Language.h"

namespace brimsel {

// Field order and types follow the window's own record: 16-bit Integers,
// 32-bit Singles, Booleans and Strings, all zero when the window is created.
struct QueryState {
    std::int16_t BasisIndex = 0;    // 0 hole basis, 1 shaft basis, 2 custom
    std::int16_t FitKindIndex = 0;  // 0 clearance, 1 transition, 2 interference
    ToleranceData ToleranceTables;
    float HoleUpperDev = 0.0f;   // ES, mm
    float HoleLowerDev = 0.0f;   // EI, mm
    float ShaftUpperDev = 0.0f;  // es, mm
    float ShaftLowerDev = 0.0f;  // ei, mm
    float BasicSize = 0.0f;      // mm
    bool HoleOk = false;
    bool ShaftOk = false;
    Language LanguageIndex{};  // Chinese or English; 0 until the start-up sets it
    std::int16_t ErrorCode = 0;
    std::string HoleLetter;   // upper case: "H", "JS", "ZC"
    std::string HoleGrade;    // "7", "01", "0"; the lookup rewrites it to the grade number
    std::string ShaftLetter;  // lower case: "h", "js", "zc"
    std::string ShaftGrade;
    // The edition the window computes and words its results in; passed with
    // every query of the libraries. The 1998 edition unless the user chose.
    brimsel::Edition Edition = brimsel::Edition::Gb1998;
};

}  // namespace brimsel
