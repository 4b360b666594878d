#include "ui/Appearance.h"

#include <fontconfig/fontconfig.h>

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
// Looked up in the list of installed families rather than with hasFamily,
// which first asks fontconfig to resolve the name as an alias.
QString InstalledFace(const char* family) {
    static QHash<QString, QString> resolved;
    static const QStringList installed = QFontDatabase::families();
    const auto isInstalled = [](const QString& name) {
        return installed.contains(name, Qt::CaseInsensitive);
    };
    const QString name = QString::fromLatin1(family);
    if (const auto known = resolved.constFind(name); known != resolved.cend()) return *known;
    QString face = name;
    if (!isInstalled(name)) {
        for (const QString& substitute : QFont::substitutes(name)) {
            if (isInstalled(substitute)) {
                face = substitute;
                break;
            }
        }
    }
    resolved.insert(name, face);
    return face;
}

// The file of the first font fontconfig offers for Chinese after `face`, as
// Qt's own fallback would find it, the user's preferences applied.
QByteArray ChineseFileAfter(const QString& face) {
    const QByteArray name = face.toUtf8();
    FcPattern* pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(name.constData()));
    FcPatternAddString(pattern, FC_LANG, reinterpret_cast<const FcChar8*>("zh-cn"));
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcFontSet* fonts = FcFontSort(nullptr, pattern, FcFalse, nullptr, &result);
    QByteArray file;
    for (int i = 0; fonts != nullptr && i < fonts->nfont && file.isEmpty(); ++i) {
        FcCharSet* chars = nullptr;
        FcChar8* path = nullptr;
        constexpr FcChar32 kZhong = 0x4E2D;  // 中
        if (FcPatternGetCharSet(fonts->fonts[i], FC_CHARSET, 0, &chars) == FcResultMatch &&
            FcCharSetHasChar(chars, kZhong) &&
            FcPatternGetString(fonts->fonts[i], FC_FILE, 0, &path) == FcResultMatch) {
            file = reinterpret_cast<const char*>(path);
        }
    }
    if (fonts != nullptr) FcFontSetDestroy(fonts);
    FcPatternDestroy(pattern);
    return file;
}

// Whether the font file holds the face (a collection holds several).
bool FileHolds(const QByteArray& file, const QString& face) {
    const QByteArray name = face.toUtf8();
    FcPattern* pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FILE, reinterpret_cast<const FcChar8*>(file.constData()));
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(name.constData()));
    FcObjectSet* objects = FcObjectSetBuild(FC_FAMILY, nullptr);
    FcFontSet* fonts = FcFontList(nullptr, pattern, objects);
    const bool holds = fonts != nullptr && fonts->nfont > 0;
    if (fonts != nullptr) FcFontSetDestroy(fonts);
    FcObjectSetDestroy(objects);
    FcPatternDestroy(pattern);
    return holds;
}

// The face that draws the Chinese of the proportional texts: the CJK face that
// stands in for DotumChe, when the user's Chinese font for Arial's face comes
// from the same file (Noto's Sans and Sans Mono CJK: one design, the same
// ideographs). The window then parses one CJK face instead of two, a few
// megabytes less, and Qt asks fontconfig for no fallback per size. With any
// other preference the user's font stays, found as before.
const QString& ChineseFace() {
    static const QString face = [] {
        const QString fixed = InstalledFace(kDotumChe);
        if (!QFontDatabase::writingSystems(fixed).contains(QFontDatabase::SimplifiedChinese)) {
            return QString();
        }
        const QByteArray file = ChineseFileAfter(InstalledFace(kArial));
        return !file.isEmpty() && FileHolds(file, fixed) ? fixed : QString();
    }();
    return face;
}

}  // namespace

QFont Make(const char* family, double points, bool bold) {
    QFont font(InstalledFace(family));
    if (const QString& chinese = ChineseFace(); !chinese.isEmpty() && chinese != font.family()) {
        font.setFamilies({font.family(), chinese});
    }
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
