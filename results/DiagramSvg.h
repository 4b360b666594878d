// The tolerance-zone diagram as an SVG drawing, written from the same drawing
// commands that the window's surface paints, so the two cannot differ in
// content. Coordinates stay in twips (the view box); the size in pixels is the
// surface's.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "results/Diagram.h"

namespace brimsel {

struct SvgPage {
    int WidthTwips = 0, HeightTwips = 0;  // the drawing surface
    int WidthPixels = 0, HeightPixels = 0;
    int FontTwips = 180;    // the text's em height
    int AscentTwips = 165;  // from a text's top to its baseline
    std::string FontFamily;
    std::uint32_t Paper = 0xFFFFFF;               // 0xRRGGBB
    std::function<std::uint32_t(Ink)> InkColour;  // 0xRRGGBB of each ink
};

std::string WriteDiagramSvg(const std::vector<DiagramCommand>& commands, const SvgPage& page);

}  // namespace brimsel
