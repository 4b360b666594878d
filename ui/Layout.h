// Where every control of the main window sits, in twips relative to its
// container's top-left corner, and the one conversion between twips and pixels.
#pragma once

#include <QPoint>
#include <QRect>
#include <string_view>

namespace brimsel::ui {

// 1440 twips to the inch at 96 pixels to the inch.
inline constexpr int kTwipsPerPixel = 15;

// Nearest pixel. A whole number of twips is never exactly halfway between
// two pixels (15 is odd), so no tie rule is needed.
constexpr int Px(int twips) {
    const int twice = 2 * twips + kTwipsPerPixel;
    const int divisor = 2 * kTwipsPerPixel;
    return twice >= 0 ? twice / divisor : -((-twice + divisor - 1) / divisor);
}
constexpr int Twips(int pixels) { return pixels * kTwipsPerPixel; }

struct Place {
    int Left = 0, Top = 0, Width = 0, Height = 0;
};

inline QRect PxRect(const Place& p) {
    return QRect(Px(p.Left), Px(p.Top), Px(p.Width), Px(p.Height));
}
inline QPoint PxPoint(int xTwips, int yTwips) { return QPoint(Px(xTwips), Px(yTwips)); }

struct ControlPlace {
    std::string_view Name;       // object name of the control; arrays as "Name(i)"
    std::string_view Container;  // object name of the control that holds it
    Place Twips;
};

inline constexpr std::string_view kWindowName = "Form1";
inline constexpr Place kClientArea{0, 0, 7320, 4290};

// clang-format off
inline constexpr ControlPlace kControlTable[] = {
    {"FrameJB",     "Form1",    {1020,  120, 2115,  795}},
    {"Text1",       "FrameJB",  { 420,  315,  975,  345}},
    {"Label2",      "FrameJB",  {1440,  420,  330,  225}},
    {"FrameJZ",     "Form1",    {3240,  120, 3975,  795}},
    {"OptionJZ(0)", "FrameJZ",  { 360,  360, 1155,  285}},
    {"OptionJZ(1)", "FrameJZ",  {1530,  360, 1155,  285}},
    {"OptionJZ(2)", "FrameJZ",  {2700,  360, 1155,  285}},
    {"FramePH1",    "Form1",    { 120,  960, 2295, 1515}},
    {"OptionPH(0)", "FramePH1", { 360,  300, 1815,  225}},
    {"OptionPH(1)", "FramePH1", { 360,  570, 1815,  225}},
    {"OptionPH(2)", "FramePH1", { 360,  840, 1815,  225}},
    {"Label9",      "FramePH1", { 405, 1140, 1455,  225}},
    {"FramePH2",    "Form1",    { 120,  960, 2295, 1515}},
    {"Label8",      "FramePH2", { 240,  720, 1845,  975}},
    {"Label4",      "FramePH2", { 480,  360, 1470,  225}},
    {"FrameGC",     "Form1",    {2520,  960, 2295, 1515}},
    {"Label6",      "FrameGC",  { 360,  480,  540,  225}},
    {"Label7",      "FrameGC",  { 360, 1020,  540,  225}},
    {"ComboKong",   "FrameGC",  {1140,  420,  975,  345}},
    {"ComboZhou",   "FrameGC",  {1140,  960,  975,  345}},
    {"TeK",         "FrameGC",  {1140,  420,  975,  330}},
    {"TeZ",         "FrameGC",  {1140,  960,  975,  330}},
    {"FrameCX",     "Form1",    {4920,  960, 2295, 1515}},
    {"LabelJG",     "FrameCX",  { 150,  675,  720,  360}},
    {"LabelSC(0)",  "FrameCX",  { 900,  435,  495,  270}},
    {"LabelSC(1)",  "FrameCX",  {1425,  375,  540,  180}},
    {"LabelSC(2)",  "FrameCX",  {1425,  600,  180,  180}},
    {"LabelXC(0)",  "FrameCX",  { 870,  945,  555,  270}},
    {"LabelXC(1)",  "FrameCX",  {1425,  885,  540,  180}},
    {"LabelXC(2)",  "FrameCX",  {1425, 1110,  540,  180}},
    {"FrameDT",     "Form1",    { 120, 2520, 5115, 1455}},
    {"Picture1",    "FrameDT",  { 420,  300, 4425, 1050}},
    {"Label1(0)",   "Picture1", {2985,  240,  675,  225}},
    {"Label1(1)",   "Picture1", {2970,  585,  690,  225}},
    {"Label3(0)",   "Picture1", {3720,  255,  630,  180}},
    {"Label3(1)",   "Picture1", {3720,  600,  630,  180}},
    {"Label5",      "FrameDT",  {1987,  660, 1170,  225}},
    {"FrameSET",    "Form1",    {5340, 2520, 1875, 1455}},
    {"Check1",      "FrameSET", { 360,  480, 1155,  225}},
    {"Command1",    "FrameSET", { 360,  900, 1155,  315}},
    {"Image1",      "Form1",    { 300,  240,  600,  600}},
    {"Label10",     "Form1",    {1455, 4020, 4410,  225}},
};
// clang-format on

// The fraction bar of the result frame, from (X1, Y1) to (X2, Y2) in FrameCX.
struct LineEnds {
    int X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
};
inline constexpr LineEnds kLine1{930, 825, 1995, 825};
inline constexpr std::string_view kLine1Container = "FrameCX";

constexpr const ControlPlace* FindControlPlace(std::string_view name) {
    for (const ControlPlace& c : kControlTable) {
        if (c.Name == name) return &c;
    }
    return nullptr;
}

}  // namespace brimsel::ui
