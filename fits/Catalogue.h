// The preferred and commonly used fits offered in the hole-basis and
// shaft-basis systems, as fixed data of the program: the catalogue of
// GB/T 1801-1999 and the figures of GB/T 1800.1-2020.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/Edition.h"
#include "engine/ToleranceData.h"

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

// The same lists in an edition. 1998: the catalogue above. 2020: the fits of
// the 2020 figures, which carry no size notes: each fit is offered at every
// size (0..3150 mm) where both its zones are defined, and listed under the kind
// of fit it has at that size, whatever the figure's column; the tables decide
// both. A group lists its framed (preferred, "*") fits first, each part in the
// figure's order, and selects its first entry; a group without an entry at
// the size is no group. The base zones are those with a group for the kind
// at the size, "H7" or "h6" selected where offered.
ZoneList BaseZones(const ToleranceData& tables, Edition edition, std::int16_t basisIndex,
                   std::int16_t fitKindIndex, float basicSize);
ZoneList ListHoleBasisGroup(const ToleranceData& tables, Edition edition, std::string_view key,
                            float basicSize);
ZoneList ListShaftBasisGroup(const ToleranceData& tables, Edition edition, std::string_view key,
                             float basicSize);

}  // namespace brimsel::fits
