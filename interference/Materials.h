// The materials of the interference calculation as handbook copies of
// GB/T 5371 give them, and the friction coefficients of pressed fits.
#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "interference/Interference.h"

namespace brimsel::interference {

struct Range {
    double Low = 0.0;
    double High = 0.0;
    constexpr double Middle() const { return (Low + High) / 2.0; }
};

struct MaterialPreset {
    std::string_view Key;  // "steel", "grey-iron-ht150", ...
    Range E;               // MPa
    Range Nu;
    double HeatingAlpha = 0.0;           // 1/°C
    std::optional<double> CoolingAlpha;  // 1/°C, negative; none: the part is not cooled
};

std::span<const MaterialPreset> MaterialPresets();
// The preset of a key; nullptr for an unknown one.
const MaterialPreset* FindMaterial(std::string_view key);
// Fills E, ν and both coefficients with the middles of the preset's ranges;
// the strength, roughness and temperature stay the user's.
void ApplyMaterial(const MaterialPreset& preset, PartInput& part);

struct FrictionRow {
    std::string_view Pair;  // "steel-steel", "steel-cast-iron", ...
    Range Dry;
    Range Lubricated;
};

std::span<const FrictionRow> FrictionTable();

}  // namespace brimsel::interference
