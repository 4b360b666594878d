// Where a zone's numbers come from, as readable text: the lines of
// brimsel-query --explain and the one line of the window's tooltip on a zone
// name. Pure: built from the evaluation's own derivation and captions.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/Deviations.h"
#include "engine/SizeLimits.h"
#include "engine/ZoneCode.h"
#include "texts/Language.h"
#include "texts/Meanings.h"

namespace brimsel {

// "error 31: <message>", the message in the words of the edition.
std::string ErrorText(std::int16_t code, Language language, Edition edition = Edition::Gb1998);

// `sizeText` is the basic size as shown ("100"), `zone` the zone code ("K7"),
// `limits` the zone's limits of size at that size (not Ok: no line for them);
// the terms are those of the edition the deviations were computed in.
std::vector<std::string> ExplainZone(std::string_view sizeText, std::string_view zone,
                                     ZoneMember member, const ZoneDeviations& deviations,
                                     const SizeLimits& limits, Language language);

// One short line: size range, IT and the fundamental deviation, or the error.
std::string ExplainZoneBriefly(std::string_view sizeText, std::string_view zone, ZoneMember member,
                               const ZoneDeviations& deviations, Language language);

}  // namespace brimsel
