// Runs the window tests inside one QApplication on the offscreen platform.
// A watchdog fails the running test and closes the box if a real modal
// window opens, instead of letting the run hang.
#include <gtest/gtest.h>

#include <QApplication>
#include <QStyleFactory>
#include <QTimer>
#include <QWidget>

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    ::testing::InitGoogleTest(&argc, argv);
    QTimer watchdog;
    QObject::connect(&watchdog, &QTimer::timeout, [] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            ADD_FAILURE() << "a modal window opened: " << modal->windowTitle().toStdString();
            modal->close();
        }
    });
    watchdog.start(250);
    return RUN_ALL_TESTS();
}
