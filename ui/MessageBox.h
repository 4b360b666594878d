// The one way the window opens a modal message box. Tests put their own
// presenter in its place to see what would have been shown.
#pragma once

#include <QString>
#include <functional>

class QTranslator;
class QWidget;

namespace brimsel::ui {

inline constexpr const char* kProgramTitle = "Brimsel";

enum class MessageIcon { Information, Exclamation };

struct MessageRequest {
    QString Prompt;
    MessageIcon Icon = MessageIcon::Information;
    QString Title = QString::fromLatin1(kProgramTitle);
};

using MessagePresenter = std::function<void(QWidget* parent, const MessageRequest& request)>;

// Shows the message modally with a single OK button and returns when it is closed.
void ShowMessage(QWidget* parent, const MessageRequest& request);

// Replaces the presenter; an empty one brings back the real message box.
// Returns the presenter that was in place.
MessagePresenter SetMessagePresenter(MessagePresenter presenter);

// The real message box, for presenters that want to pass a message on.
void PresentInMessageBox(QWidget* parent, const MessageRequest& request);

// Qt's own texts (the buttons of this box, the text boxes' context menus, the
// file dialog) in Simplified Chinese, the interface's language, from the Qt
// translations installed on the system. Call once the application object
// exists. Returns the installed translator, owned by the application, or
// nullptr when the system has none; Qt then keeps its English texts.
QTranslator* InstallQtTranslations();

}  // namespace brimsel::ui
