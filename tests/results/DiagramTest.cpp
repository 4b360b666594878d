#include <gtest/gtest.h>

#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>

#include "TestData.h"
#include "results/Diagram.h"

namespace brimsel {
namespace {

// As diagram.tsv writes commands: text 15,435 ZeroLine "0", line x1,y1 x2,y2 Pen,
// box x1,y1 x2,y2 Pen/Fill.
std::string Describe(const DiagramCommand& c) {
    const auto ink = [](Ink i) {
        return std::string(std::array{"ZeroLine", "ZoneName", "HoleZone", "ShaftZone"}.at(int(i)));
    };
    const std::string from = std::to_string(c.X1) + "," + std::to_string(c.Y1);
    const std::string to = " " + std::to_string(c.X2) + "," + std::to_string(c.Y2) + " ";
    if (c.What == DiagramCommand::Kind::Text)
        return "text " + from + " " + ink(c.Pen) + " \"" + c.Text + "\"";
    if (c.What == DiagramCommand::Kind::Line) return "line " + from + to + ink(c.Pen);
    return "box " + from + to + ink(c.Pen) + "/" + ink(c.Fill);
}

// The shortest text that reads back as the same single: "15000" is 15000 exactly.
std::string Exact(float value) {
    char text[32];
    return {text, std::to_chars(text, text + sizeof text, value).ptr};
}

// What one check of diagram.tsv looks at, as text.
std::string Checked(const DiagramLayout& layout, const std::string& check) {
    const std::pair<const char*, std::int16_t> levels[] = {
        {"Hd", layout.UsableHeight}, {"yES", layout.YHoleUpper},  {"yEI", layout.YHoleLower},
        {"yes", layout.YShaftUpper}, {"yei", layout.YShaftLower}, {"y0", layout.YZero},
        {"Y0t", layout.YZeroMarks},  {"Yh", layout.YHoleName},    {"Ys", layout.YShaftName}};
    std::string all;
    for (const auto& [name, level] : levels) {
        if (check == name) return std::to_string(level);
        all += (all.empty() ? "" : " ") + std::to_string(level);
    }
    const std::size_t count = layout.Commands.size();
    if (check == "levels") return all;
    if (check == "scale") return Exact(layout.Scale);
    if (check == "count") return std::to_string(count);
    if (check == "sound")
        return std::isfinite(layout.Scale) && count >= 8 && count <= 10
                   ? "finite scale, 8 to 10 commands"
                   : Exact(layout.Scale) + " scale, " + std::to_string(count) + " commands";
    if (check == "lines") {
        std::string lines;
        for (const DiagramCommand& c : layout.Commands)
            if (c.What == DiagramCommand::Kind::Line)
                lines += (lines.empty() ? "" : " | ") + Describe(c);
        return lines;
    }
    const std::size_t n = check.starts_with("cmd") ? std::stoul(check.substr(3)) : count;
    return n < count ? Describe(layout.Commands[n]) : "no " + check;
}

TEST(Diagram, LevelsAndCommands) {
    DiagramInput input;
    input.HoleName = "hole";
    input.ShaftName = "shaft";
    for (const test::TsvRow& row : test::ReadTsv("results/diagram.tsv")) {
        const testing::ScopedTrace trace(row.File.c_str(), row.Line, row[8]);
        if (!row[0].empty()) {
            // strtof, not stof: the inputs include NaN and the smallest denormal.
            input.HoleUpper = std::strtof(row[0].c_str(), nullptr);
            input.HoleLower = std::strtof(row[1].c_str(), nullptr);
            input.ShaftUpper = std::strtof(row[2].c_str(), nullptr);
            input.ShaftLower = std::strtof(row[3].c_str(), nullptr);
            input.SurfaceHeight = std::stoi(row[4]);
            input.TextHeight = static_cast<std::int16_t>(std::stoi(row[5]));
            input.HoleNameWidth = static_cast<std::int16_t>(std::stoi(row[6]));
            input.ShaftNameWidth = static_cast<std::int16_t>(std::stoi(row[7]));
        }
        EXPECT_EQ(Checked(LayOutToleranceDiagram(input), row[8]), row[9]);
    }
}

}  // namespace
}  // namespace brimsel
