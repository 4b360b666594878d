#include "ui/Appearance.h"

#include <QFontDatabase>
#include <QHash>
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

namespace {

// The face itself when it is installed, else its first installed substitute.
// Naming that face directly spares Qt from asking fontconfig for the fallbacks
// of a family that is not there, once for every script the window shows.
QString InstalledFace(const char* family) {
    static QHash<QString, QString> resolved;
    const QString name = QString::fromLatin1(family);
    if (const auto known = resolved.constFind(name); known != resolved.cend()) return *known;
    QString face = name;
    if (!QFontDatabase::hasFamily(name)) {
        for (const QString& substitute : QFont::substitutes(name)) {
            if (QFontDatabase::hasFamily(substitute)) {
                face = substitute;
                break;
            }
        }
    }
    resolved.insert(name, face);
    return face;
}

}  // namespace

QFont Make(const char* family, double points, bool bold) {
    QFont font(InstalledFace(family));
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
        case Ink::ZeroLine:
            return palette.color(QPalette::WindowText);
        case Ink::ZoneName:
            return QColor(kZoneNameInk);
        case Ink::HoleZone:
            return QColor(kHoleZoneInk);
        case Ink::ShaftZone:
            return QColor(kShaftZoneInk);
    }
    return palette.color(QPalette::WindowText);
}

}  // namespace colours

}  // namespace brimsel::ui
