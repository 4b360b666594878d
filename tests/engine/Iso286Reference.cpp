#include "Iso286Reference.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cmath>
#include <cstdlib>

namespace brimsel::test::iso {

namespace {

// Written grade by grade (the transpose of the standard's printed table), so
// that a slip here and a slip in the data file are unlikely to coincide.
constexpr std::array<float, 21> kMainLimits = {3,   6,    10,   18,   30,   50,   80,
                                               120, 180,  250,  315,  400,  500,  630,
                                               800, 1000, 1250, 1600, 2000, 2500, 3150};

// Micrometres, IT01 .. IT18; IT01 and IT0 end at 500 mm (13 ranges).
constexpr double kIt[20][21] = {
    {0.3, 0.4, 0.4, 0.5, 0.6, 0.6, 0.8, 1, 1.2, 2, 2.5, 3, 4},
    {0.5, 0.6, 0.6, 0.8, 1, 1, 1.2, 1.5, 2, 3, 4, 5, 6},
    {0.8, 1, 1, 1.2, 1.5, 1.5, 2, 2.5, 3.5, 4.5, 6, 7, 8, 9, 10, 11, 13, 15, 18, 22, 26},
    {1.2, 1.5, 1.5, 2, 2.5, 2.5, 3, 4, 5, 7, 8, 9, 10, 11, 13, 15, 18, 21, 25, 30, 36},
    {2, 2.5, 2.5, 3, 4, 4, 5, 6, 8, 10, 12, 13, 15, 16, 18, 21, 24, 29, 35, 41, 50},
    {3, 4, 4, 5, 6, 7, 8, 10, 12, 14, 16, 18, 20, 22, 25, 28, 33, 39, 46, 55, 68},
    {4, 5, 6, 8, 9, 11, 13, 15, 18, 20, 23, 25, 27, 32, 36, 40, 47, 55, 65, 78, 96},
    {6, 8, 9, 11, 13, 16, 19, 22, 25, 29, 32, 36, 40, 44, 50, 56, 66, 78, 92, 110, 135},
    {10, 12, 15, 18, 21, 25, 30, 35, 40, 46, 52, 57, 63, 70, 80, 90, 105, 125, 150, 175, 210},
    {14, 18, 22, 27, 33, 39, 46, 54, 63, 72, 81, 89, 97, 110, 125, 140, 165, 195, 230, 280, 330},
    {25,  30,  36,  43,  52,  62,  74,  87,  100, 115, 130,
     140, 155, 175, 200, 230, 260, 310, 370, 440, 540},
    {40,  48,  58,  70,  84,  100, 120, 140, 160, 185, 210,
     230, 250, 280, 320, 360, 420, 500, 600, 700, 860},
    {60,  75,  90,  110, 130, 160, 190, 220, 250,  290, 320,
     360, 400, 440, 500, 560, 660, 780, 920, 1100, 1350},
    {100, 120, 150, 180, 210, 250,  300,  350,  400,  460, 520,
     570, 630, 700, 800, 900, 1050, 1250, 1500, 1750, 2100},
    {140, 180, 220,  270,  330,  390,  460,  540,  630,  720, 810,
     890, 970, 1100, 1250, 1400, 1650, 1950, 2300, 2800, 3300},
    {250,  300,  360,  430,  520,  620,  740,  870,  1000, 1150, 1300,
     1400, 1550, 1750, 2000, 2300, 2600, 3100, 3700, 4400, 5400},
    {400,  480,  580,  700,  840,  1000, 1200, 1400, 1600, 1850, 2100,
     2300, 2500, 2800, 3200, 3600, 4200, 5000, 6000, 7000, 8600},
    {600,  750,  900,  1100, 1300, 1600, 1900, 2200, 2500,  2900, 3200,
     3600, 4000, 4400, 5000, 5600, 6600, 7800, 9200, 11000, 13500},
    {1000, 1200, 1500, 1800, 2100, 2500,  3000,  3500,  4000,  4600, 5200,
     5700, 6300, 7000, 8000, 9000, 10500, 12500, 15000, 17500, 21000},
    {1400, 1800, 2200,  2700,  3300,  3900,  4600,  5400,  6300,  7200, 8100,
     8900, 9700, 11000, 12500, 14000, 16500, 19500, 23000, 28000, 33000},
};

// The standard's own Δ table (µm) for IT3..IT8 up to 500 mm, by main range;
// it is 0 up to 3 mm.
constexpr int kDelta[13][6] = {
    {0, 0, 0, 0, 0, 0},    {1, 1, 1, 3, 4, 6},   {1, 1, 2, 3, 6, 7},   {1, 2, 3, 3, 7, 9},
    {1, 2, 3, 4, 8, 12},   {1, 3, 4, 5, 9, 14},  {2, 3, 5, 6, 11, 16}, {2, 4, 5, 7, 13, 19},
    {3, 4, 6, 7, 15, 23},  {3, 4, 6, 9, 17, 26}, {4, 4, 7, 9, 20, 29}, {4, 5, 7, 11, 21, 32},
    {5, 5, 7, 13, 23, 34},
};
// Halves of the Δ table that are not whole micrometres, in tenths:
// IT4 Δ at 3-6 and 6-10 is 1.5, IT3 Δ at 18-30 and 30-50 is 1.5.
long DeltaTenths(int grade, int mainRow) {
    if (grade < 3 || grade > 8 || mainRow < 0 || mainRow > 12) return 0;
    if (grade == 4 && (mainRow == 1 || mainRow == 2)) return 15;
    if (grade == 3 && (mainRow == 4 || mainRow == 5)) return 15;
    return 10L * kDelta[mainRow][grade - 3];
}

constexpr std::array<float, 41> kLimits = {
    3,   6,   10,   14,   18,   24,   30,   40,   50,   65,   80,   100,  120, 140,
    160, 180, 200,  225,  250,  280,  315,  355,  400,  450,  500,  560,  630, 710,
    800, 900, 1000, 1120, 1250, 1400, 1600, 1800, 2000, 2240, 2500, 2800, 3150};

constexpr int X = INT_MIN;  // not given by the standard

struct ShaftColumn {
    const char* letters;
    std::array<int, 41> values;  // µm, by deviation size range
};

// Shaft fundamental deviations (µm): es for a..h, ei for m..zc; the letters
// not given above 500 mm end with X.
constexpr ShaftColumn kShaft[] = {
    {"a", {-270, -270, -280, -290, -290, -300, -300,  -310,  -320,  -340,  -360,  -380, -410, -460,
           -520, -580, -660, -740, -820, -920, -1050, -1200, -1350, -1500, -1650, X,    X,    X,
           X,    X,    X,    X,    X,    X,    X,     X,     X,     X,     X,     X,    X}},
    {"b", {-140, -140, -150, -150, -150, -160, -160, -170, -180, -190, -200, -220, -240, -260,
           -280, -310, -340, -380, -420, -480, -540, -600, -680, -760, -840, X,    X,    X,
           X,    X,    X,    X,    X,    X,    X,    X,    X,    X,    X,    X,    X}},
    {"c", {-60,  -70,  -80,  -95,  -95,  -110, -110, -120, -130, -140, -150, -170, -180, -200,
           -210, -230, -240, -260, -280, -300, -330, -360, -400, -440, -480, X,    X,    X,
           X,    X,    X,    X,    X,    X,    X,    X,    X,    X,    X,    X,    X}},
    {"cd", {-34, -46, -56, X, X, X, X, X, X, X, X, X, X, X, X, X, X, X, X, X, X,
            X,   X,   X,   X, X, X, X, X, X, X, X, X, X, X, X, X, X, X, X, X}},
    {"d", {-20,  -30,  -40,  -50,  -50,  -65,  -65,  -80,  -80,  -100, -100, -120, -120, -145,
           -145, -145, -170, -170, -170, -190, -190, -210, -210, -230, -230, -260, -260, -290,
           -290, -320, -320, -350, -350, -390, -390, -430, -430, -480, -480, -520, -520}},
    {"e", {-14,  -20,  -25,  -32,  -32,  -40,  -40,  -50,  -50,  -60,  -60,  -72,  -72,  -85,
           -85,  -85,  -100, -100, -100, -110, -110, -125, -125, -135, -135, -145, -145, -160,
           -160, -170, -170, -195, -195, -220, -220, -240, -240, -260, -260, -290, -290}},
    {"ef", {-10, -14, -18, X, X, X, X, X, X, X, X, X, X, X, X, X, X, X, X, X, X,
            X,   X,   X,   X, X, X, X, X, X, X, X, X, X, X, X, X, X, X, X, X}},
    {"f", {-6,  -10, -13, -16, -16, -20,  -20,  -25,  -25,  -30,  -30,  -36,  -36, -43,
           -43, -43, -50, -50, -50, -56,  -56,  -62,  -62,  -68,  -68,  -76,  -76, -80,
           -80, -86, -86, -98, -98, -110, -110, -120, -120, -130, -130, -145, -145}},
    {"fg", {-4, -6, -8, X, X, X, X, X, X, X, X, X, X, X, X, X, X, X, X, X, X,
            X,  X,  X,  X, X, X, X, X, X, X, X, X, X, X, X, X, X, X, X, X}},
    {"g", {-2,  -4,  -5,  -6,  -6,  -7,  -7,  -9,  -9,  -10, -10, -12, -12, -14,
           -14, -14, -15, -15, -15, -17, -17, -18, -18, -20, -20, -22, -22, -24,
           -24, -26, -26, -28, -28, -30, -30, -32, -32, -34, -34, -38, -38}},
    {"h", {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
           0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
    {"m", {2,  4,  6,  7,  7,  8,  8,  9,  9,  11, 11, 13, 13, 15, 15, 15, 17, 17, 17, 20, 20,
           21, 21, 23, 23, 26, 26, 30, 30, 34, 34, 40, 40, 48, 48, 58, 58, 68, 68, 76, 76}},
    {"n", {4,  8,  10, 12, 12, 15, 15, 17, 17, 20, 20, 23, 23, 27, 27, 27, 31,  31,  31,  34, 34,
           37, 37, 40, 40, 44, 44, 50, 50, 56, 56, 66, 66, 78, 78, 92, 92, 110, 110, 135, 135}},
    {"p",
     {6,  12, 15, 18, 18, 22, 22, 26, 26,  32,  32,  37,  37,  43,  43,  43,  50,  50,  50,  56, 56,
      62, 62, 68, 68, 78, 78, 88, 88, 100, 100, 120, 120, 140, 140, 170, 170, 195, 195, 240, 240}},
    {"r", {10,  15,  19,  23,  23,  28,  28,  34,  34,  41,  43,  51,  54,  63,
           65,  68,  77,  80,  84,  94,  98,  108, 114, 126, 132, 150, 155, 175,
           185, 210, 220, 250, 260, 300, 330, 370, 400, 440, 460, 550, 580}},
    {"s", {14,  19,  23,  28,  28,  35,  35,  43,  43,  53,   59,   71,   79,  92,
           100, 108, 122, 130, 140, 158, 170, 190, 208, 232,  252,  280,  310, 340,
           380, 430, 470, 520, 580, 640, 720, 820, 920, 1000, 1100, 1250, 1400}},
    {"t", {X,   X,   X,   X,   X,   X,   41,   48,   54,   66,   75,   91,   104, 122,
           134, 146, 166, 180, 196, 218, 240,  268,  294,  330,  360,  400,  450, 500,
           560, 620, 680, 780, 840, 960, 1050, 1200, 1350, 1500, 1650, 1900, 2100}},
    {"u", {18,  23,  28,   33,   33,   41,   48,   60,   70,   87,   102,  124,  144, 170,
           190, 210, 236,  258,  284,  315,  350,  390,  435,  490,  540,  600,  660, 740,
           840, 940, 1050, 1150, 1300, 1450, 1600, 1850, 2000, 2300, 2500, 2900, 3200}},
    {"v", {X,   X,   X,   X,   39,  47,  55,  68,  81,  102, 120, 146, 172, 202,
           228, 252, 284, 310, 340, 385, 425, 475, 530, 595, 660, X,   X,   X,
           X,   X,   X,   X,   X,   X,   X,   X,   X,   X,   X,   X,   X}},
    {"x", {20,  28,  34,  40,  45,  54,  64,  80,  97,  122, 146, 178, 210, 248,
           280, 310, 350, 385, 425, 475, 525, 590, 660, 740, 820, X,   X,   X,
           X,   X,   X,   X,   X,   X,   X,   X,   X,   X,   X,   X,   X}},
    {"y", {X,   X,   X,   X,   X,   63,  75,  94,  114, 144, 174,  214, 254, 300,
           340, 380, 425, 470, 520, 580, 650, 730, 820, 920, 1000, X,   X,   X,
           X,   X,   X,   X,   X,   X,   X,   X,   X,   X,   X,    X,   X}},
    {"z", {26,  35,  42,  50,  60,  73,  88,  112, 136,  172,  210,  258, 310, 365,
           415, 465, 520, 575, 640, 710, 790, 900, 1000, 1100, 1250, X,   X,   X,
           X,   X,   X,   X,   X,   X,   X,   X,   X,    X,    X,    X,   X}},
    {"za", {32,  42,  52,  64,  77,  98,  118,  148,  180,  226,  274,  335, 400, 470,
            535, 600, 670, 740, 820, 920, 1000, 1150, 1300, 1450, 1600, X,   X,   X,
            X,   X,   X,   X,   X,   X,   X,    X,    X,    X,    X,    X,   X}},
    {"zb", {40,  50,  67,  90,  108,  136,  160,  200,  242,  300,  360,  445, 525, 620,
            700, 780, 880, 960, 1050, 1200, 1300, 1500, 1650, 1850, 2100, X,   X,   X,
            X,   X,   X,   X,   X,    X,    X,    X,    X,    X,    X,    X,   X}},
    {"zc", {60,  80,   97,   130,  150,  188,  218,  274,  325,  405,  480,  585, 690, 800,
            900, 1000, 1150, 1250, 1350, 1550, 1700, 1900, 2100, 2400, 2600, X,   X,   X,
            X,   X,    X,    X,    X,    X,    X,    X,    X,    X,    X,    X,   X}},
};

// By main range up to 500 mm (13 values).
constexpr int kJ56[13] = {-2, -2, -2, -3, -4, -5, -7, -9, -11, -13, -16, -18, -20};
constexpr int kJ7[13] = {-4, -4, -5, -6, -8, -10, -12, -15, -18, -21, -26, -28, -32};
constexpr int kK47[13] = {0, 1, 1, 1, 2, 2, 2, 3, 3, 4, 4, 4, 5};
constexpr int kHoleJ6[13] = {2, 5, 5, 6, 8, 10, 13, 16, 18, 22, 25, 29, 33};
constexpr int kHoleJ7[13] = {4, 6, 8, 10, 12, 14, 18, 22, 26, 30, 36, 39, 43};
constexpr int kHoleJ8[13] = {6, 10, 12, 15, 20, 24, 28, 34, 41, 47, 55, 60, 66};

template <std::size_t N>
int FirstAtLeast(const std::array<float, N>& limits, float size) {
    for (std::size_t i = 0; i < N; ++i) {
        if (limits[i] >= size) return static_cast<int>(i);
    }
    return -1;
}

const ShaftColumn* FindShaft(std::string_view letters) {
    for (const auto& column : kShaft) {
        if (letters == column.letters) return &column;
    }
    return nullptr;
}

std::string Lower(std::string_view s) {
    std::string out(s);
    for (char& c : out) c = static_cast<char>(c - 'A' + 'a');
    return out;
}

// A fundamental deviation in tenths, or why there is none.
struct Deviation {
    enum Kind { Given, Undefined, NotInStandard, Uncertain } kind = Given;
    long tenths = 0;
    std::string note;
};

Deviation Given(long tenths) { return {Deviation::Given, tenths, ""}; }
Deviation Undefined(std::string note) { return {Deviation::Undefined, 0, std::move(note)}; }

Deviation FromMicrons(int microns, const char* note) {
    if (microns == X) return Undefined(note);
    return Given(10L * microns);
}

// es for a..h, ei for j..zc.
Deviation ShaftDeviation(std::string_view letters, int grade, int row) {
    const int main = FirstAtLeast(kMainLimits, kLimits[static_cast<std::size_t>(row)]);
    const bool upTo500 = main <= 12;
    if (letters == "j") {
        if (grade < 5 || grade > 8) return {Deviation::NotInStandard, 0, "j grade"};
        if (!upTo500) return Undefined("j above 500");
        if (grade <= 6) return Given(10L * kJ56[main]);
        if (grade == 7) return Given(10L * kJ7[main]);
        return main == 0 ? Given(-60) : Undefined("j8 above 3");
    }
    if (letters == "k") {
        if (grade >= 4 && grade <= 7 && upTo500) return Given(10L * kK47[main]);
        return Given(0);
    }
    const ShaftColumn* column = FindShaft(letters);
    return FromMicrons(column->values[static_cast<std::size_t>(row)], "undefined shaft cell");
}

// EI for A..H, ES for J..ZC.
Deviation HoleDeviation(std::string_view letters, int grade, int row, float size) {
    const int main = FirstAtLeast(kMainLimits, kLimits[static_cast<std::size_t>(row)]);
    const bool upTo3 = main == 0;
    const bool upTo500 = main <= 12;
    const std::string lower = Lower(letters);
    // Δ-carrying values are not defined below IT3 where Δ is not 0.
    auto plusDelta = [&](long tenths) -> Deviation {
        if (upTo3) return Given(tenths);
        if (grade < 3) return Undefined("delta below IT3");
        return Given(tenths + DeltaTenths(grade, main));
    };
    if (letters <= std::string_view("H")) {
        const Deviation es = ShaftDeviation(lower, grade, row);
        if (es.kind != Deviation::Given) return es;
        return Given(-es.tenths);
    }
    if (letters == "J") {
        if (grade < 6 || grade > 8) return {Deviation::NotInStandard, 0, "J grade"};
        if (!upTo500) return Undefined("J above 500");
        const int* table = grade == 6 ? kHoleJ6 : grade == 7 ? kHoleJ7 : kHoleJ8;
        return Given(10L * table[main]);
    }
    if (letters == "K" || letters == "M" || letters == "N") {
        // -k(4..7) for K, -m, -n: the shaft's value for the same range.
        const long base = letters == "K" ? (upTo500 ? -10L * kK47[main] : 0)
                                         : -ShaftDeviation(lower, grade, row).tenths;
        if (letters == "M" && grade == 6 && size > 250.0f && size <= 315.0f) return Given(-90);
        if (!upTo500) {
            if (grade <= 8) return Given(base);
            return {Deviation::Uncertain, base, "K, M, N above IT8 above 500"};
        }
        if (grade <= 8) return plusDelta(base);
        if (letters == "K") return upTo3 ? Given(0) : Undefined("K above IT8");
        if (letters == "M") return Given(base);
        return upTo3 ? Given(-40) : Given(0);
    }
    // P to ZC: -ei, plus Δ up to IT7 within 500 mm.
    const Deviation ei = ShaftDeviation(lower, grade, row);
    if (ei.kind != Deviation::Given) return ei;
    if (grade <= 7 && upTo500) return plusDelta(-ei.tenths);
    return Given(-ei.tenths);
}

Outcome Evaluate(bool hole, std::string_view letters, int grade, float size, bool custom) {
    const int zone = hole ? 21 : 22;
    const int outside = hole ? 31 : 32;
    const int small = hole ? 41 : 42;
    if (grade < -1 || grade > 18) return {{zone}, 0, 0, "grade"};
    const long it = ItTenths(grade, size);
    if (it == 0) return {{outside}, 0, 0, "no IT"};
    if (custom && size <= 1.0f) {
        const std::string l = hole ? Lower(letters) : std::string(letters);
        if (l == "a" || l == "b" || grade >= 14 || (hole && l == "n" && grade > 8)) {
            return {{small}, 0, 0, "small size"};
        }
    }
    if (letters == "JS" || letters == "js") {
        const bool roundDown = grade >= 7 && grade <= 11 && it % 10 == 0 && (it / 10) % 2 == 1;
        const long t = roundDown ? it - 10 : it;
        return {{0}, t, -t, "symmetric"};
    }
    const int row = FirstAtLeast(kLimits, size);
    const Deviation f =
        hole ? HoleDeviation(letters, grade, row, size) : ShaftDeviation(letters, grade, row);
    Outcome out;
    out.Note = f.note;
    switch (f.kind) {
        case Deviation::Undefined:
            out.Codes = {outside};
            return out;
        case Deviation::NotInStandard:
            out.Codes = {zone, outside};
            return out;
        case Deviation::Uncertain:
            out.Codes = {0, outside};
            break;
        case Deviation::Given:
            out.Codes = {0};
            break;
    }
    const bool fIsUpper = hole ? letters > std::string_view("H") : letters <= std::string_view("h");
    const long f20 = 2 * f.tenths;
    const long it20 = 2 * it;
    out.Upper20 = fIsUpper ? f20 : f20 + it20;
    out.Lower20 = fIsUpper ? f20 - it20 : f20;
    return out;
}

}  // namespace

const std::vector<float>& DeviationSizeLimits() {
    static const std::vector<float> limits(kLimits.begin(), kLimits.end());
    return limits;
}

long ItTenths(int grade, float size) {
    const int main = FirstAtLeast(kMainLimits, size);
    if (main < 0 || grade < -1 || grade > 18) return 0;
    return std::lround(10.0 * kIt[grade + 1][main]);
}

bool Outcome::Allows(int code) const {
    return std::find(Codes.begin(), Codes.end(), code) != Codes.end();
}

Outcome Hole(std::string_view letters, int grade, float size, bool customBasis) {
    return Evaluate(true, letters, grade, size, customBasis);
}

Outcome Shaft(std::string_view letters, int grade, float size, bool customBasis) {
    return Evaluate(false, letters, grade, size, customBasis);
}

std::string Caption(long twentieths, int decimals) {
    if (twentieths == 0) return " 0";
    const long magnitude = std::labs(twentieths);
    // The value in units of the last shown decimal, rounded half away from zero:
    // 3 decimals are micrometres (20 twentieths), 4 are tenths (2 twentieths).
    const long unit = decimals == 3 ? 20 : 2;
    const long units = (magnitude + unit / 2) / unit;
    const long scale = decimals == 3 ? 1000 : 10000;
    std::string fraction = std::to_string(units % scale);
    fraction.insert(0, static_cast<std::size_t>(decimals) - fraction.size(), '0');
    return (twentieths > 0 ? "+" : "-") + std::to_string(units / scale) + "." + fraction;
}

int CaptionDecimals(long upper20, long lower20) {
    return upper20 % 20 == 0 && lower20 % 20 == 0 ? 3 : 4;
}

}  // namespace brimsel::test::iso
