// The floors of the start-up benchmark: the least a Qt Widgets program does
// before its window is first shown, and (built with BRIMSEL_FLOOR_TEXT) the
// same window with one line of Chinese text, the least any window with text
// pays for its fonts.
#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
#ifdef BRIMSEL_FLOOR_TEXT
    QLabel window(QStringLiteral("基本尺寸 100 mm  +0.035"));
#else
    QWidget window;
#endif
    window.resize(490, 290);
    window.show();
    return QApplication::exec();
}
