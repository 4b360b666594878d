#include "ui/MessageBox.h"

#include <QMessageBox>
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
