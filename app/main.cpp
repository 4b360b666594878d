// Creates the window, runs its start-up and, when the data file was good,
// shows it until it is closed.
#include <fontconfig/fontconfig.h>

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPixmap>
#include <QPixmapCache>
#include <QStyleFactory>
#include <cstdlib>
#include <thread>

#include "ui/Appearance.h"
#include "ui/Form1.h"
#include "ui/MessageBox.h"

namespace {

// Test runs of the program set this to a file name: message boxes are then
// written to that file and answered at once instead of waiting for a person.
constexpr const char* kMessageLogVariable = "BRIMSEL_TEST_MESSAGE_LOG";

void RecordMessagesForTests() {
    const char* logFile = std::getenv(kMessageLogVariable);
    if (logFile == nullptr || *logFile == '\0') return;
    const QString path = QFile::decodeName(logFile);
    brimsel::ui::SetMessagePresenter([path](QWidget*, const brimsel::ui::MessageRequest& request) {
        QFile log(path);
        if (!log.open(QIODevice::Append)) return;
        const char* icon =
            request.Icon == brimsel::ui::MessageIcon::Exclamation ? "exclamation" : "information";
        log.write(icon);
        log.write("\n");
        log.write(request.Title.toUtf8() + "\n");
        log.write(request.Prompt.toUtf8() + "\n");
    });
}

// The bytes of a value as Qt's pixmap cache keys spell them: two lower-case
// hex digits per byte, in memory order, the low digit first.
template <typename T>
QString CacheKeyHex(T value) {
    static constexpr char kDigits[] = "0123456789abcdef";
    QString text;
    const auto* bytes = reinterpret_cast<const unsigned char*>(&value);
    for (std::size_t i = 0; i < sizeof value; ++i) {
        text += QLatin1Char(kDigits[bytes[i] & 0xF]);
        text += QLatin1Char(kDigits[bytes[i] >> 4]);
    }
    return text;
}

// The Fusion style draws every group box frame from a PNG among Qt's own
// resources, read by file name the first time a frame is painted; a reader
// given only a file name first offers it to every image format plugin, so the
// first paint would load them all (GIF, ICO, JPEG and their libraries) for
// one PNG. The same file, read here as PNG only, goes into the pixmap cache
// under the key that reading it by name looks for. Should the key not match,
// the style simply reads the file itself, as before.
void CacheStyleFramePixmap() {
    const QString path =
        QStringLiteral(":/qt-project.org/styles/commonstyle/images/fusion_groupbox.png");
    const QFileInfo info(path);
    if (!info.exists()) return;
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    const QImage frame = reader.read();
    if (frame.isNull()) return;
    constexpr unsigned kPixmapType = 0;
    QPixmapCache::insert(
        QStringLiteral("qt_pixmap") + info.absoluteFilePath() +
            CacheKeyHex(static_cast<unsigned>(info.lastModified().toSecsSinceEpoch())) +
            CacheKeyHex(static_cast<quint64>(info.size())) + CacheKeyHex(kPixmapType),
        QPixmap::fromImage(frame));
}

}  // namespace

int main(int argc, char* argv[]) {
    // Reading the font configuration is the largest single cost of the first
    // text the window lays out (its XML files are parsed anew by every
    // process). It needs nothing of Qt, so it runs while the application
    // object connects to the display, and the window waits for it only after.
    std::thread fontConfiguration([] { FcInit(); });
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    CacheStyleFramePixmap();
    brimsel::ui::InstallQtTranslations();
    RecordMessagesForTests();
    fontConfiguration.join();

    // Each text box lays out its still empty text once while it is made,
    // before it takes the window's font, in the application's font: with the
    // window's font in its place for that moment, no other font is loaded.
    // The user's font comes back for everything after, message boxes included.
    const QFont userFont = QApplication::font();
    brimsel::ui::fonts::InstallSubstitutes();
    QApplication::setFont(brimsel::ui::fonts::Make(brimsel::ui::fonts::kArial, 9));
    brimsel::ui::Form1 form;
    QApplication::setFont(userFont);
    form.SettingsFile = brimsel::ui::Form1::UsualSettingsFile();
    if (!form.Form1_Load()) return EXIT_FAILURE;
    form.show();
    return QApplication::exec();
}
