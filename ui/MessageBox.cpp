#include "ui/MessageBox.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QTranslator>
#include <utility>

namespace brimsel::ui {

namespace {

MessagePresenter& Presenter() {
    static MessagePresenter presenter;
    return presenter;
}

}  // namespace

void PresentInMessageBox(QWidget* parent, const MessageRequest& request) {
    QMessageBox box(
        request.Icon == MessageIcon::Exclamation ? QMessageBox::Warning : QMessageBox::Information,
        request.Title, request.Prompt, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

QTranslator* InstallQtTranslations() {
    // The interface is Chinese whatever the user's locale, so the catalogue is
    // named rather than chosen by locale. It is mapped, not read: loading it
    // costs next to nothing at start-up.
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(QStringLiteral("qtbase_zh_CN"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
        !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return nullptr;
    }
    return translator;
}

void ShowMessage(QWidget* parent, const MessageRequest& request) {
    if (const MessagePresenter& presenter = Presenter()) {
        presenter(parent, request);
        return;
    }
    PresentInMessageBox(parent, request);
}

MessagePresenter SetMessagePresenter(MessagePresenter presenter) {
    return std::exchange(Presenter(), std::move(presenter));
}

}  // namespace brimsel::ui
