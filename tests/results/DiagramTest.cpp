#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

#include "results/Diagram.h"

namespace brimsel {
namespace {

std::string InkName(Ink ink) {
    switch (ink) {
        case Ink::WindowText:
            return "WindowText";
        case Ink::Blue:
            return "Blue";
        case Ink::Green:
            return "Green";
        case Ink::DarkRed:
            return "DarkRed";
    }
    return "?";
}

// One readable line per command, so that a mismatch shows the whole drawing.
std::string Describe(const DiagramCommand& c) {
    std::ostringstream out;
    switch (c.What) {
        case DiagramCommand::Kind::Text:
            out << "text " << c.X1 << "," << c.Y1 << " " << InkName(c.Pen) << " \"" << c.Text
                << "\"";
            break;
        case DiagramCommand::Kind::Line:
            out << "line " << c.X1 << "," << c.Y1 << " " << c.X2 << "," << c.Y2 << " "
                << InkName(c.Pen);
            break;
        case DiagramCommand::Kind::Box:
            out << "box " << c.X1 << "," << c.Y1 << " " << c.X2 << "," << c.Y2 << " "
                << InkName(c.Pen) << "/" << InkName(c.Fill);
            break;
    }
    return out.str();
}

std::vector<std::string> Describe(const DiagramLayout& layout) {
    std::vector<std::string> lines;
    for (const DiagramCommand& c : layout.Commands) lines.push_back(Describe(c));
    return lines;
}

std::vector<std::string> Lines(const DiagramLayout& layout) {
    std::vector<std::string> lines;
    for (const DiagramCommand& c : layout.Commands) {
        if (c.What == DiagramCommand::Kind::Line) lines.push_back(Describe(c));
    }
    return lines;
}

DiagramInput Input(float holeUpper, float holeLower, float shaftUpper, float shaftLower,
                   int height = 1050, std::int16_t textHeight = 180) {
    DiagramInput input;
    input.HoleUpper = holeUpper;
    input.HoleLower = holeLower;
    input.ShaftUpper = shaftUpper;
    input.ShaftLower = shaftLower;
    input.SurfaceHeight = height;
    input.TextHeight = textHeight;
    input.HoleName = "hole";
    input.ShaftName = "shaft";
    input.HoleNameWidth = 300;
    input.ShaftNameWidth = 375;
    return input;
}

struct Levels {
    int Hd, yES, yEI, yes, yei, y0, Y0t, Yh, Ys;
};

void ExpectLevels(const DiagramLayout& layout, const Levels& want) {
    EXPECT_EQ(layout.UsableHeight, want.Hd);
    EXPECT_EQ(layout.YHoleUpper, want.yES);
    EXPECT_EQ(layout.YHoleLower, want.yEI);
    EXPECT_EQ(layout.YShaftUpper, want.yes);
    EXPECT_EQ(layout.YShaftLower, want.yei);
    EXPECT_EQ(layout.YZero, want.y0);
    EXPECT_EQ(layout.YZeroMarks, want.Y0t);
    EXPECT_EQ(layout.YHoleName, want.Yh);
    EXPECT_EQ(layout.YShaftName, want.Ys);
}

// H7/g6 at 100 mm on the surface as laid out.
TEST(Diagram, WorkedExample) {
    const DiagramLayout layout = LayOutToleranceDiagram(Input(0.035f, 0.0f, -0.012f, -0.034f));
    EXPECT_EQ(layout.Scale, 15000.0f);
    ExpectLevels(layout, {1035, 0, 525, 705, 1035, 525, 435, 158, 765});
    EXPECT_EQ(Describe(layout), (std::vector<std::string>{
                                    "text 15,435 WindowText \"0\"",
                                    "text 2280,435 WindowText \"0\"",
                                    "text 300,158 Blue \"hole\"",
                                    "text 1800,765 Blue \"shaft\"",
                                    "line 150,525 1200,525 WindowText",
                                    "line 1200,525 2250,525 WindowText",
                                    "box 675,0 1125,525 WindowText/Green",
                                    "box 1275,705 1725,1035 WindowText/DarkRed",
                                }));
}

TEST(Diagram, BothZonesAboveZero) {
    const DiagramLayout layout = LayOutToleranceDiagram(Input(0.030f, 0.010f, 0.050f, 0.020f));
    EXPECT_EQ(layout.Scale, 20700.0f);
    // The zero line is the bottom edge; the marks are held at Hd - T - 30.
    ExpectLevels(layout, {1035, 414, 828, 0, 621, 1035, 825, 516, 206});
    EXPECT_EQ(Lines(layout), (std::vector<std::string>{"line 150,1035 1200,1035 WindowText",
                                                       "line 1200,1035 2250,1035 WindowText"}));
}

TEST(Diagram, BothZonesBelowZero) {
    const DiagramLayout layout = LayOutToleranceDiagram(Input(-0.010f, -0.030f, -0.020f, -0.045f));
    EXPECT_EQ(layout.Scale, 23000.0f);
    ExpectLevels(layout, {1035, 230, 690, 460, 1035, 0, 0, 355, 642});
    EXPECT_EQ(layout.Commands[0].Y1, 0);
    EXPECT_EQ(layout.Commands[1].Y1, 0);
}

// An H hole and an h shaft: both boxes have an edge on the zero line.
TEST(Diagram, ZoneEdgesOnZero) {
    const DiagramLayout layout = LayOutToleranceDiagram(Input(0.025f, 0.0f, 0.0f, -0.016f));
    ExpectLevels(layout, {1035, 0, 631, 631, 1035, 631, 541, 210, 728});
    EXPECT_EQ(Describe(layout.Commands[6]), "box 675,0 1125,631 WindowText/Green");
    EXPECT_EQ(Describe(layout.Commands[7]), "box 1275,631 1725,1035 WindowText/DarkRed");
}

// A 0.1 µm hole beside an a11 shaft: the hole box has no height, and both
// names are held at their limits.
TEST(Diagram, ThinZoneBesideAWideOne) {
    const DiagramLayout layout = LayOutToleranceDiagram(Input(0.0001f, 0.0f, -0.270f, -0.330f));
    ExpectLevels(layout, {1035, 0, 0, 847, 1035, 0, 0, 30, 780});
    EXPECT_EQ(Describe(layout.Commands[6]), "box 675,0 1125,0 WindowText/Green");
    EXPECT_EQ(Describe(layout.Commands[2]), "text 300,30 Blue \"hole\"");
    EXPECT_EQ(Describe(layout.Commands[3]), "text 1800,780 Blue \"shaft\"");

    // The lower limit follows the text height.
    const DiagramLayout tall =
        LayOutToleranceDiagram(Input(0.0001f, 0.0f, -0.270f, -0.330f, 1050, 240));
    EXPECT_EQ(tall.YShaftName, 1035 - 240 - 75);
    EXPECT_EQ(tall.YHoleName, 30);
}

// With H 1015 and a range of -0.05..+0.05 mm the scale is 10000 twips per mm
// and the zero line lies at 500, so a zone's name row is 395 - 5000 (upper + lower).
struct BandRow {
    const char* File;
    int Line;
    float Upper, Lower;
    int NameRow;
    bool Breaks;
};

TEST(Diagram, ZeroLineBreaksOnlyInsideTheNameBand) {
    const std::vector<BandRow> rows = {
        {__FILE__, __LINE__, -0.004f, -0.014f, 485, false},   // y0 = row + 15
        {__FILE__, __LINE__, -0.0039f, -0.0139f, 484, true},  // y0 = row + 16
        {__FILE__, __LINE__, 0.0169f, 0.0069f, 276, true},    // y0 = row + 224
        {__FILE__, __LINE__, 0.017f, 0.007f, 275, false},     // y0 = row + 225
        {__FILE__, __LINE__, 0.005f, -0.005f, 395, true},     // y0 = row + 105
    };
    for (const BandRow& row : rows) {
        SCOPED_TRACE(testing::Message() << row.File << ":" << row.Line);
        // The zone as the hole, a full-range shaft beside it.
        const DiagramLayout hole =
            LayOutToleranceDiagram(Input(row.Upper, row.Lower, 0.05f, -0.05f, 1015));
        EXPECT_EQ(hole.Scale, 10000.0f);
        EXPECT_EQ(hole.YZero, 500);
        EXPECT_EQ(hole.YHoleName, row.NameRow);
        EXPECT_EQ(hole.YShaftName, 395);
        std::vector<std::string> left =
            row.Breaks ? std::vector<std::string>{"line 150,500 300,500 WindowText",
                                                  "line 600,500 1200,500 WindowText"}
                       : std::vector<std::string>{"line 150,500 1200,500 WindowText"};
        const std::vector<std::string> rightBroken = {"line 1200,500 1800,500 WindowText",
                                                      "line 2175,500 2250,500 WindowText"};
        std::vector<std::string> expected = left;
        expected.insert(expected.end(), rightBroken.begin(), rightBroken.end());
        EXPECT_EQ(Lines(hole), expected);

        // The same zone as the shaft, a full-range hole beside it.
        const DiagramLayout shaft =
            LayOutToleranceDiagram(Input(0.05f, -0.05f, row.Upper, row.Lower, 1015));
        EXPECT_EQ(shaft.YShaftName, row.NameRow);
        expected = {"line 150,500 300,500 WindowText", "line 600,500 1200,500 WindowText"};
        if (row.Breaks) {
            expected.insert(expected.end(), rightBroken.begin(), rightBroken.end());
        } else {
            expected.push_back("line 1200,500 2250,500 WindowText");
        }
        EXPECT_EQ(Lines(shaft), expected);
    }
}

TEST(Diagram, HalvesRoundToEven) {
    // (523 - 0) / 2 - 105 = 156.5 and (521 - 0) / 2 - 105 = 155.5 both give 156.
    EXPECT_EQ(LayOutToleranceDiagram(Input(0.05f, -0.0023f, 0.05f, -0.05f, 1015)).YHoleName, 156);
    EXPECT_EQ(LayOutToleranceDiagram(Input(0.05f, -0.0021f, 0.05f, -0.05f, 1015)).YHoleName, 156);
    EXPECT_EQ(LayOutToleranceDiagram(Input(0.05f, -0.05f, 0.05f, -0.0023f, 1015)).YShaftName, 156);

    // An odd text height puts the zero marks and the names on halves:
    // 525 - 90.5 = 434.5 gives 434, 525 - 89.5 = 435.5 gives 436,
    // 765 - 0.5 = 764.5 gives 764.
    const DiagramLayout odd =
        LayOutToleranceDiagram(Input(0.035f, 0.0f, -0.012f, -0.034f, 1050, 181));
    EXPECT_EQ(odd.YZeroMarks, 434);
    EXPECT_EQ(odd.YHoleName, 157);
    EXPECT_EQ(odd.YShaftName, 764);
    const DiagramLayout odd2 =
        LayOutToleranceDiagram(Input(0.035f, 0.0f, -0.012f, -0.034f, 1050, 179));
    EXPECT_EQ(odd2.YZeroMarks, 436);
    EXPECT_EQ(odd2.YHoleName, 158);
    EXPECT_EQ(odd2.YShaftName, 766);
}

TEST(Diagram, HeightIsReadOnEveryRun) {
    const DiagramLayout layout =
        LayOutToleranceDiagram(Input(0.035f, 0.0f, -0.012f, -0.034f, 2085));
    EXPECT_EQ(layout.UsableHeight, 2070);
    EXPECT_EQ(layout.Scale, 30000.0f);
    ExpectLevels(layout, {2070, 0, 1050, 1410, 2070, 1050, 960, 420, 1635});
}

// All four deviations zero cannot come from two valid zones, but must still
// give a drawing: scale 0 puts every level on the bottom edge.
TEST(Diagram, EmptyRangeDrawsOnTheBottomEdge) {
    const DiagramLayout layout = LayOutToleranceDiagram(Input(0.0f, 0.0f, 0.0f, 0.0f));
    EXPECT_EQ(layout.Scale, 0.0f);
    ExpectLevels(layout, {1035, 1035, 1035, 1035, 1035, 1035, 825, 780, 780});
    EXPECT_EQ(layout.Commands.size(), 8u);

    // Inverted zones whose range also collapses to nothing.
    const DiagramLayout inverted = LayOutToleranceDiagram(Input(-0.010f, 0.010f, -0.020f, 0.020f));
    EXPECT_EQ(inverted.Scale, 0.0f);
    EXPECT_EQ(inverted.YHoleUpper, 1035);
    EXPECT_EQ(inverted.YShaftLower, 1035);
}

TEST(Diagram, CoordinatesStayInsideSixteenBits) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float huge = std::numeric_limits<float>::max();
    const float tiny = std::numeric_limits<float>::denorm_min();
    for (const DiagramInput& input :
         {Input(nan, 0.0f, 0.0f, -0.01f), Input(huge, -huge, 0.0f, 0.0f),
          Input(tiny, 0.0f, 0.0f, 0.0f), Input(0.035f, 0.0f, -0.012f, -0.034f, 1000000),
          Input(0.035f, 0.0f, -0.012f, -0.034f, -1000000)}) {
        const DiagramLayout layout = LayOutToleranceDiagram(input);
        EXPECT_TRUE(std::isfinite(layout.Scale));
        EXPECT_GE(layout.Commands.size(), 8u);
        EXPECT_LE(layout.Commands.size(), 10u);
    }
    DiagramInput wide = Input(0.035f, 0.0f, -0.012f, -0.034f);
    wide.HoleNameWidth = std::numeric_limits<std::int16_t>::min();
    wide.ShaftNameWidth = std::numeric_limits<std::int16_t>::max();
    const DiagramLayout layout = LayOutToleranceDiagram(wide);
    EXPECT_EQ(layout.Commands[2].X1, std::numeric_limits<std::int16_t>::max());
    EXPECT_EQ(LayOutToleranceDiagram(Input(0.035f, 0.0f, -0.012f, -0.034f, 1000000)).UsableHeight,
              std::numeric_limits<std::int16_t>::max());
}

}  // namespace
}  // namespace brimsel
