// Geometry of the tolerance-zone diagram as a list of drawing commands, in
// twips on the drawing surface (origin top left, y downward).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace brimsel {

// Inks by what they draw. ZeroLine is the surface's own text colour, which
// also draws the zero marks and the outlines of both zones.
enum class Ink { ZeroLine, ZoneName, HoleZone, ShaftZone };

struct DiagramCommand {
    enum class Kind { Text, Line, Box };
    Kind What = Kind::Line;
    // Text: top-left corner at (X1, Y1). Line: from (X1, Y1) to (X2, Y2).
    // Box: opposite corners (X1, Y1) and (X2, Y2), outlined in Pen, filled with Fill.
    std::int16_t X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
    Ink Pen = Ink::ZeroLine;
    Ink Fill = Ink::ZeroLine;
    std::string Text;  // UTF-8, Text commands only
};

struct DiagramInput {
    float HoleUpper = 0.0f, HoleLower = 0.0f;    // ES, EI, mm
    float ShaftUpper = 0.0f, ShaftLower = 0.0f;  // es, ei, mm
    int SurfaceHeight = 1050;                    // H, twips, read from the surface on every run
    std::int16_t TextHeight = 180;               // T = 20 x font size in points
    std::int16_t HoleNameWidth = 0;              // Wh, twips, measured by the surface
    std::int16_t ShaftNameWidth = 0;             // Ws
    std::string HoleName;                        // string 17
    std::string ShaftName;                       // string 18
};

struct DiagramLayout {
    std::int16_t UsableHeight = 0;  // Hd
    float Scale = 0.0f;             // twips per millimetre, single precision
    std::int16_t YHoleUpper = 0, YHoleLower = 0, YShaftUpper = 0, YShaftLower = 0, YZero = 0;
    std::int16_t YZeroMarks = 0;           // Y0t
    std::int16_t YHoleName = 0;            // Yh, clamped
    std::int16_t YShaftName = 0;           // Ys, clamped
    std::vector<DiagramCommand> Commands;  // in drawing order
};

DiagramLayout LayOutToleranceDiagram(const DiagramInput& input);

}  // namespace brimsel
