// The preferred and commonly used fits offered in the hole-basis and
// shaft-basis systems, as fixed data of the program.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace brimsel::fits {

struct ZoneList {
    bool Found = false;                     // the key names a group
    std::vector<std::string_view> Entries;  // in list order, preferred mark included
    int DefaultPosition = -1;               // 0-based; -1 when the list is empty
};

// "0H7": the digit of the fit kind followed by the base zone code.
std::string FitGroupKey(std::int16_t fitKindIndex, std::string_view baseZone);

// Mating shaft zones of a hole-basis key, filtered by the size conditions.
ZoneList ListHoleBasisGroup(std::string_view key, float basicSize);
// Mating hole zones of a shaft-basis key.
ZoneList ListShaftBasisGroup(std::string_view key, float basicSize);

// Base zones a basis system (0 hole, 1 shaft) offers for a fit kind
// (0 clearance, 1 transition, 2 interference), with the position selected.
ZoneList BaseZones(std::int16_t basisIndex, std::int16_t fitKindIndex, float basicSize);

}  // namespace brimsel::fits
