// The window's fonts and colours, each in one place.
#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>

#include "results/Diagram.h"

namespace brimsel::ui {

// Fonts are given in points and laid out as if the screen had 96 dots per
// inch, so that text fits the twips geometry whatever the real screen is.
namespace fonts {

inline constexpr const char* kArial = "Arial";
inline constexpr const char* kDotumChe = "DotumChe";

// Maps the two face names onto fonts that exist here: Arial onto a
// metric-compatible face, DotumChe onto a fixed-pitch one with CJK glyphs.
// Safe to call more than once.
void InstallSubstitutes();

int PixelSize(double points);
// The point size of a font made by Make (its pixel size back at 96 dpi).
double Points(const QFont& font);

QFont Make(const char* family, double points, bool bold = false);

}  // namespace fonts

namespace colours {

inline constexpr QRgb kPurple = qRgb(128, 0, 128);
inline constexpr QRgb kTeal = qRgb(0, 128, 128);
inline constexpr QRgb kBlue = qRgb(0, 0, 255);
inline constexpr QRgb kRed = qRgb(255, 0, 0);
inline constexpr QRgb kGreen = qRgb(0, 128, 0);

// Verdicts and problems of the dialogs: sound, and not.
inline constexpr QRgb kVerdictSound = kGreen;
inline constexpr QRgb kVerdictUnsound = kRed;

// Diagram inks other than the zero line's.
inline constexpr QRgb kZoneNameInk = qRgb(0, 0, 255);
inline constexpr QRgb kHoleZoneInk = qRgb(0, 192, 0);
inline constexpr QRgb kShaftZoneInk = qRgb(192, 0, 0);

// The zero line's ink is the window text of the palette the surface was given.
QColor InkColour(Ink ink, const QPalette& palette);

}  // namespace colours

}  // namespace brimsel::ui
