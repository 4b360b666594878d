// Runs the window tests inside one QApplication on the offscreen platform.
// A watchdog fails the running test and closes the box if a real modal
// dialog opens, instead of letting the run hang.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
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
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || modal->property("brimselTestExpectsModal").toBool()) return;
        ADD_FAILURE() << "a modal window opened: " << modal->metaObject()->className() << " \""
                      << modal->windowTitle().toStdString() << "\"";
        if (auto* dialog = qobject_cast<QDialog*>(modal)) {
            dialog->reject();
        } else {
            modal->close();
        }
    });
    watchdog.start(250);
    return RUN_ALL_TESTS();
}
