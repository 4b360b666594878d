#include "results/DiagramSvg.h"

#include <algorithm>
#include <cstdio>
#include <string_view>

namespace brimsel {

namespace {

// Every stroke is one pixel wide. The surface paints a one-pixel line on the
// pixels from its first to its last point, so strokes run half a pixel inside
// the twips they are given and end in square caps.
constexpr int kPixelTwips = 15;

// Half-twips written without a float: 1365 -> "682.5".
std::string Halves(int halves) {
    std::string text = std::to_string(halves / 2);
    if (halves % 2 != 0) text = (halves < 0 && halves / 2 == 0 ? "-" : "") + text + ".5";
    return text;
}

std::string Colour(std::uint32_t rgb) {
    char text[8];
    std::snprintf(text, sizeof text, "#%06x", static_cast<unsigned>(rgb & 0xFFFFFFu));
    return text;
}

std::string Escaped(std::string_view text) {
    std::string out;
    for (const char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            default:
                out += c;
        }
    }
    return out;
}

}  // namespace

std::string WriteDiagramSvg(const std::vector<DiagramCommand>& commands, const SvgPage& page) {
    const auto colour = [&](Ink ink) { return Colour(page.InkColour ? page.InkColour(ink) : 0); };
    const auto at = [](std::string_view name, int twips) {
        return " " + std::string(name) + "=\"" + Halves(2 * twips + kPixelTwips) + "\"";
    };
    std::string svg =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" +
        std::to_string(page.WidthPixels) + "\" height=\"" + std::to_string(page.HeightPixels) +
        "\" viewBox=\"0 0 " + std::to_string(page.WidthTwips) + " " +
        std::to_string(page.HeightTwips) + "\">\n";
    svg += "<rect width=\"" + std::to_string(page.WidthTwips) + "\" height=\"" +
           std::to_string(page.HeightTwips) + "\" fill=\"" + Colour(page.Paper) + "\"/>\n";
    for (const DiagramCommand& c : commands) {
        switch (c.What) {
            case DiagramCommand::Kind::Text:
                svg += "<text x=\"" + std::to_string(c.X1) + "\" y=\"" +
                       std::to_string(c.Y1 + page.AscentTwips) + "\" font-family=\"" +
                       Escaped(page.FontFamily) + "\" font-size=\"" +
                       std::to_string(page.FontTwips) + "\" fill=\"" + colour(c.Pen) +
                       "\" xml:space=\"preserve\">" + Escaped(c.Text) + "</text>\n";
                break;
            case DiagramCommand::Kind::Line:
                svg += "<line" + at("x1", c.X1) + at("y1", c.Y1) + at("x2", c.X2) + at("y2", c.Y2) +
                       " stroke=\"" + colour(c.Pen) + "\" stroke-width=\"" +
                       std::to_string(kPixelTwips) + "\" stroke-linecap=\"square\"/>\n";
                break;
            case DiagramCommand::Kind::Box: {
                const int left = std::min(c.X1, c.X2), top = std::min(c.Y1, c.Y2);
                svg += "<rect" + at("x", left) + at("y", top) + " width=\"" +
                       std::to_string(std::max(c.X1, c.X2) - left) + "\" height=\"" +
                       std::to_string(std::max(c.Y1, c.Y2) - top) + "\" fill=\"" + colour(c.Fill) +
                       "\" stroke=\"" + colour(c.Pen) + "\" stroke-width=\"" +
                       std::to_string(kPixelTwips) + "\"/>\n";
                break;
            }
        }
    }
    return svg + "</svg>\n";
}

}  // namespace brimsel
