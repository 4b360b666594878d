#include "results/Diagram.h"

#include <cmath>
#include <limits>
#include <string>
#include <utility>

#include "engine/NumberText.h"

namespace brimsel {

namespace {

// Nearest 16-bit coordinate, halves to even. Values outside the 16-bit range
// are held at its ends instead of wrapping, and a value that is not a number
// becomes 0: no input can make a command point somewhere arbitrary.
std::int16_t Coordinate(double value) {
    if (std::isnan(value)) return 0;
    const double rounded = RoundHalfEven(value);
    if (rounded <= std::numeric_limits<std::int16_t>::min()) {
        return std::numeric_limits<std::int16_t>::min();
    }
    if (rounded >= std::numeric_limits<std::int16_t>::max()) {
        return std::numeric_limits<std::int16_t>::max();
    }
    return static_cast<std::int16_t>(rounded);
}

DiagramCommand Text(std::int16_t x, std::int16_t y, Ink pen, std::string text) {
    DiagramCommand command;
    command.What = DiagramCommand::Kind::Text;
    command.X1 = x;
    command.Y1 = y;
    command.Pen = pen;
    command.Text = std::move(text);
    return command;
}

DiagramCommand Line(int x1, int x2, std::int16_t y) {
    DiagramCommand command;
    command.What = DiagramCommand::Kind::Line;
    command.X1 = Coordinate(x1);
    command.Y1 = y;
    command.X2 = Coordinate(x2);
    command.Y2 = y;
    return command;
}

DiagramCommand Box(int x1, std::int16_t y1, int x2, std::int16_t y2, Ink fill) {
    DiagramCommand command;
    command.What = DiagramCommand::Kind::Box;
    command.X1 = Coordinate(x1);
    command.Y1 = y1;
    command.X2 = Coordinate(x2);
    command.Y2 = y2;
    command.Fill = fill;
    return command;
}

// A name row breaks its half of the zero line when the line passes under the
// printed name; the band is fixed and does not follow the text height.
bool LineMeetsName(int nameTop, int zeroY) { return nameTop + 15 < zeroY && zeroY < nameTop + 225; }

}  // namespace

DiagramLayout LayOutToleranceDiagram(const DiagramInput& input) {
    DiagramLayout layout;
    const float es = input.ShaftUpper;
    const float ei = input.ShaftLower;
    float top = input.HoleUpper > es ? input.HoleUpper : es;
    if (top < 0.0f) top = 0.0f;
    float bottom = input.HoleLower < ei ? input.HoleLower : ei;
    if (bottom > 0.0f) bottom = 0.0f;

    const std::int16_t hd = Coordinate(static_cast<double>(input.SurfaceHeight) - 15.0);
    layout.UsableHeight = hd;

    // Two valid zones always span a positive range. Anything else (all four
    // deviations zero, inverted or non-finite input) gets scale 0, which puts
    // every level on the bottom edge instead of dividing by zero.
    const double range = static_cast<double>(top) - static_cast<double>(bottom);
    float scale = 0.0f;
    if (range > 0.0 && std::isfinite(range)) {
        scale = static_cast<float>(static_cast<double>(hd) / range);
        if (!std::isfinite(scale)) scale = 0.0f;
    }
    layout.Scale = scale;

    const auto level = [&](float value) {
        return Coordinate(static_cast<double>(hd) -
                          (static_cast<double>(value) - static_cast<double>(bottom)) *
                              static_cast<double>(scale));
    };
    layout.YHoleUpper = level(input.HoleUpper);
    layout.YHoleLower = level(input.HoleLower);
    layout.YShaftUpper = level(es);
    layout.YShaftLower = level(ei);
    layout.YZero = level(0.0f);

    const int t = input.TextHeight;
    const double halfText = t / 2.0;

    int zeroMarks = Coordinate(layout.YZero - halfText);
    if (zeroMarks < 0) zeroMarks = 0;
    if (zeroMarks > hd - t - 30) zeroMarks = hd - t - 30;
    layout.YZeroMarks = Coordinate(zeroMarks);

    const auto nameRow = [&](std::int16_t upper, std::int16_t lower) {
        int row = Coordinate((lower - upper) / 2.0 + upper - halfText - 15.0);
        if (row < 30) row = 30;
        if (row > hd - t - 75) row = hd - t - 75;
        return Coordinate(row);
    };
    layout.YHoleName = nameRow(layout.YHoleUpper, layout.YHoleLower);
    layout.YShaftName = nameRow(layout.YShaftUpper, layout.YShaftLower);

    const int wh = input.HoleNameWidth;
    const int ws = input.ShaftNameWidth;
    const std::int16_t y0 = layout.YZero;
    auto& out = layout.Commands;

    out.push_back(Text(15, layout.YZeroMarks, Ink::ZeroLine, "0"));
    out.push_back(Text(2280, layout.YZeroMarks, Ink::ZeroLine, "0"));
    out.push_back(Text(Coordinate(600 - wh), layout.YHoleName, Ink::ZoneName, input.HoleName));
    out.push_back(Text(1800, layout.YShaftName, Ink::ZoneName, input.ShaftName));

    if (LineMeetsName(layout.YHoleName, y0)) {
        out.push_back(Line(150, 600 - wh, y0));
        out.push_back(Line(600, 1200, y0));
    } else {
        out.push_back(Line(150, 1200, y0));
    }
    if (LineMeetsName(layout.YShaftName, y0)) {
        out.push_back(Line(1200, 1800, y0));
        out.push_back(Line(1800 + ws, 2250, y0));
    } else {
        out.push_back(Line(1200, 2250, y0));
    }

    out.push_back(Box(675, layout.YHoleUpper, 1125, layout.YHoleLower, Ink::HoleZone));
    out.push_back(Box(1275, layout.YShaftUpper, 1725, layout.YShaftLower, Ink::ShaftZone));
    return layout;
}

}  // namespace brimsel
