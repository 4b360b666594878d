#include "interference/Materials.h"

#include <algorithm>
#include <array>

namespace brimsel::interference {

namespace {

constexpr double kGpa = 1000.0;  // MPa
constexpr double kMicro = 1.0e-6;

// E in GPa, α in 10^-6/°C, as the table prints them.
constexpr MaterialPreset Preset(std::string_view key, Range e, Range nu, double heating,
                                std::optional<double> cooling) {
    return {key,
            {e.Low * kGpa, e.High * kGpa},
            nu,
            heating * kMicro,
            cooling ? std::optional<double>(*cooling * kMicro) : std::nullopt};
}

constexpr std::array kPresets = {
    Preset("steel", {200, 235}, {0.30, 0.31}, 11, -8.5),
    Preset("grey-iron-ht150", {70, 80}, {0.24, 0.25}, 10, -8),
    Preset("grey-iron-ht250", {105, 130}, {0.24, 0.26}, 10, -8),
    Preset("malleable-iron", {90, 100}, {0.25, 0.25}, 10, -8),
    Preset("nodular-iron", {160, 180}, {0.28, 0.29}, 10, -8),
    Preset("bronze", {85, 85}, {0.35, 0.35}, 17, std::nullopt),
    Preset("brass", {80, 80}, {0.36, 0.37}, 18, std::nullopt),
    Preset("aluminium-alloy", {69, 69}, {0.32, 0.36}, 21, std::nullopt),
    Preset("magnesium-aluminium-alloy", {40, 40}, {0.25, 0.30}, 25.5, std::nullopt),
};

constexpr std::array<FrictionRow, 4> kFriction = {{
    {"steel-steel", {0.07, 0.16}, {0.05, 0.13}},
    {"steel-cast-iron", {0.12, 0.15}, {0.05, 0.10}},
    {"steel-bronze", {0.15, 0.20}, {0.03, 0.06}},
    {"cast-iron-cast-iron", {0.15, 0.25}, {0.05, 0.10}},
}};

}  // namespace

std::span<const MaterialPreset> MaterialPresets() { return kPresets; }

const MaterialPreset* FindMaterial(std::string_view key) {
    const auto found = std::find_if(kPresets.begin(), kPresets.end(),
                                    [key](const MaterialPreset& p) { return p.Key == key; });
    return found == kPresets.end() ? nullptr : &*found;
}

void ApplyMaterial(const MaterialPreset& preset, PartInput& part) {
    part.E = preset.E.Middle();
    part.Nu = preset.Nu.Middle();
    part.HeatingAlpha = preset.HeatingAlpha;
    part.CoolingAlpha = preset.CoolingAlpha;
    part.CannotCool = !preset.CoolingAlpha;
}

std::span<const FrictionRow> FrictionTable() { return kFriction; }

}  // namespace brimsel::interference
