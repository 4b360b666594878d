#include "ui/Appearance.h"

#include <QStringList>
#include <cmath>
#include <string_view>

namespace brimsel::ui {

namespace fonts {

void InstallSubstitutes() {
    QFont::insertSubstitutions(kArial, {"Liberation Sans", "Arimo", "DejaVu Sans"});
    QFont::insertSubstitutions(kDotumChe, {"Noto Sans Mono CJK SC", "DejaVu Sans Mono",
                                           "Liberation Mono", "Noto Sans Mono"});
}

int PixelSize(double points) { return static_cast<int>(std::lround(points * 96.0 / 72.0)); }

double Points(const QFont& font) { return font.pixelSize() * 72.0 / 96.0; }

QFont Make(const char* family, double points, bool bold) {
    QFont font(QString::fromLatin1(family));
    font.setPixelSize(PixelSize(points));
    font.setBold(bold);
    if (std::string_view(family) == kDotumChe) {
        font.setStyleHint(QFont::TypeWriter);
        font.setFixedPitch(true);
    } else {
        font.setStyleHint(QFont::SansSerif);
    }
    return font;
}

}  // namespace fonts

namespace colours {

QColor InkColour(Ink ink, const QPalette& palette) {
    switch (ink) {
        case Ink::WindowText:
            return palette.color(QPalette::WindowText);
        case Ink::Blue:
            return QColor(kDiagramBlue);
        case Ink::Green:
            return QColor(kDiagramGreen);
        case Ink::DarkRed:
            return QColor(kDiagramDarkRed);
    }
    return palette.color(QPalette::WindowText);
}

}  // namespace colours

}  // namespace brimsel::ui
