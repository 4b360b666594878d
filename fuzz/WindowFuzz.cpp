// Random sequences of user actions on a fresh window, offscreen, through the
// real controls and handlers: keys and pasted texts into the size box and the
// zone boxes, focus, basis and fit-kind clicks, list picks. Only what a person
// could reach is acted on (visible and enabled). After every action the
// window must show consistent numbers:
//  - every deviation caption is " - - -" or reads back as its stored value
//    within half a unit of its last decimal;
//  - while both status flags are true and the diagram shows, the limits of fit
//    equal the differences of the shown deviations, within their rounding;
//  - the diagram shows exactly when no error is shown.
//
// Input, one action after another:
//   '1' 'k' 'z' then a byte   a key into Text1, TeK or TeZ: printable bytes type
//                             themselves, 0x80-0x89 the full-width digits, others
//                             Latin-1; control bytes are editing keys (see Key)
//   'P' / 'p' box text '\n'   paste the text over the whole text / at the caret
//   'f' box                   the box gets the focus
//   'J' / 'F' digit           click OptionJZ / OptionPH (digit mod 3)
//   'H' / 'S' byte            pick an entry of ComboKong / ComboZhou (byte mod count)
//   'E' digit                 the context menu's edition (digit mod 2: 1998, 2020)
// where box is '1', 'k' or 'z'. Other bytes are skipped, and so is an action
// on a control a person could not reach.
#include <QApplication>
#include <QClipboard>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QStyleFactory>

#include "FuzzSupport.h"
#include "datafile/StandardTables.h"
#include "texts/StringTable.h"
#include "ui/Form1.h"
#include "ui/MessageBox.h"

namespace {

using brimsel::ui::Form1;
using brimsel::ui::TextBox;

const brimsel::ToleranceData* gTables = nullptr;
std::string gTrace;  // the actions of the current input, for the report

// The actions so far replay the failure.
[[noreturn]] void Fail(const std::string& what) { brimsel::fuzz::Fail("window", what, gTrace); }

bool Blank(const QString& caption) { return caption == QStringLiteral(" - - -"); }
double Shown(const QString& text) { return brimsel::ReadLeadingNumber(text.toStdString()); }
double HalfUnit(const QString& text) { return brimsel::fuzz::HalfUnit(text.toStdString()); }

// The slack is that of the captions the value comes from.
void ReadsBack(const QString& caption, double value, double slack, const char* name) {
    if (caption.isEmpty() || !brimsel::fuzz::ReadsBack(caption.toStdString(), value, slack))
        Fail(std::string(name) + " \"" + caption.toStdString() + "\" is not " +
             std::to_string(value));
}

void CheckInvariants(const Form1& form) {
    const auto& q = form.Query;
    const QString es = form.LabelSC[1]->text(), ei = form.LabelSC[2]->text();
    const QString shaftEs = form.LabelXC[1]->text(), shaftEi = form.LabelXC[2]->text();
    bool blank = false;
    for (const auto& [caption, stored] : {std::pair(es, q.HoleUpperDev),
                                          {ei, q.HoleLowerDev},
                                          {shaftEs, q.ShaftUpperDev},
                                          {shaftEi, q.ShaftLowerDev}}) {
        blank = blank || Blank(caption);
        if (!Blank(caption)) ReadsBack(caption, stored, 0, "deviation");
    }
    const bool diagram = !form.Picture1->isHidden();
    const bool errorShown =
        !q.HoleOk || !q.ShaftOk || q.ErrorCode == brimsel::error_code::kBasicSize;
    if (diagram == errorShown)
        Fail(diagram ? "diagram shown over an error" : "no diagram, no error");
    if (!diagram && form.Label5->text().isEmpty()) Fail("the error has no message");
    if (q.HoleOk && q.ShaftOk && diagram && !blank) {
        ReadsBack(form.Label3[0]->text(), Shown(es) - Shown(shaftEi),
                  HalfUnit(es) + HalfUnit(shaftEi), "Xmax");
        ReadsBack(form.Label3[1]->text(), Shown(ei) - Shown(shaftEs),
                  HalfUnit(ei) + HalfUnit(shaftEs), "Xmin");
    }
}

bool Reachable(const Form1& form, const QWidget* control) {
    return control->isVisibleTo(&form) && control->isEnabled();
}

TextBox* Box(Form1& form, unsigned char which) {
    return which == '1' ? form.Text1 : which == 'k' ? form.TeK : which == 'z' ? form.TeZ : nullptr;
}

void SendKey(QWidget* target, int key, Qt::KeyboardModifiers modifiers, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QCoreApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QCoreApplication::sendEvent(target, &release);
}

// Control bytes stand for the editing keys.
bool Key(QWidget* box, unsigned char c) {
    static const std::tuple<unsigned char, int, Qt::KeyboardModifiers> kEditing[] = {
        {0x08, Qt::Key_Backspace, Qt::NoModifier}, {0x7f, Qt::Key_Delete, Qt::NoModifier},
        {0x01, Qt::Key_Home, Qt::NoModifier},      {0x05, Qt::Key_End, Qt::NoModifier},
        {0x02, Qt::Key_Left, Qt::NoModifier},      {0x06, Qt::Key_Right, Qt::NoModifier},
        {0x0e, Qt::Key_Left, Qt::ShiftModifier},   {0x10, Qt::Key_Right, Qt::ShiftModifier},
        {0x13, Qt::Key_A, Qt::ControlModifier},    {0x1a, Qt::Key_Z, Qt::ControlModifier},
        {0x19, Qt::Key_Y, Qt::ControlModifier},    {0x18, Qt::Key_X, Qt::ControlModifier},
        {0x16, Qt::Key_V, Qt::ControlModifier},    {0x03, Qt::Key_C, Qt::ControlModifier},
    };
    for (const auto& [byte, key, modifiers] : kEditing) {
        if (byte != c) continue;
        SendKey(box, key, modifiers, key == Qt::Key_Backspace ? QStringLiteral("\b") : QString());
        return true;
    }
    if (c < 0x20) return false;
    QChar typed = c >= 0x80 && c <= 0x89 ? QChar(char16_t(0xFF10 + c - 0x80)) : QChar(char16_t(c));
    const int key = c < 0x80 ? QChar(char16_t(c)).toUpper().unicode() : int(Qt::Key_unknown);
    SendKey(box, key, Qt::NoModifier, QString(typed));
    return true;
}

void Paste(QWidget* box, const QString& text, bool whole) {
    QGuiApplication::clipboard()->setText(text);
    if (whole) SendKey(box, Qt::Key_A, Qt::ControlModifier, QString());
    SendKey(box, Qt::Key_V, Qt::ControlModifier, QString());
}

void Pick(brimsel::ui::ListBox* list, unsigned char c) {
    const int index = c % list->count();
    list->setCurrentIndex(index);
    emit list->activated(index);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "brimsel-window-fuzz";
    static char* argv[] = {name, nullptr};
    // Never destroyed: at exit Qt's own globals may already be gone.
    new QApplication(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    static const brimsel::ToleranceData tables = brimsel::BuildStandardTables();
    gTables = &tables;
    // The about box is the only message a person can raise here; none may open.
    brimsel::ui::SetMessagePresenter([](QWidget*, const brimsel::ui::MessageRequest&) {});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    auto form = std::make_unique<Form1>();
    form->ReadToleranceData = [] { return brimsel::DataFileResult{*gTables, {}}; };
    if (!form->Form1_Load()) std::abort();
    gTrace = "start-up";
    CheckInvariants(*form);

    std::size_t at = 0;
    auto next = [&](unsigned char& c) {
        if (at >= size) return false;
        c = data[at++];
        return true;
    };
    // Every action has one argument byte; a paste also takes its text.
    unsigned char op = 0, arg = 0;
    while (next(op)) {
        if (std::string_view("1kzfPpJFHSE").find(static_cast<char>(op)) == std::string_view::npos)
            continue;
        if (!next(arg)) break;
        std::string text;
        if (op == 'P' || op == 'p')
            for (unsigned char c = 0; next(c) && c != '\n';) text += static_cast<char>(c);
        char shown[16];
        std::snprintf(shown, sizeof shown, " | %c %02x", op, arg);
        gTrace += shown + (text.empty() ? "" : " \"" + text + "\"");
        if (op == 'E') {
            QMenu* menu = form->PrepareContextMenu();
            if (!menu->findChild<QMenu*>(QStringLiteral("MenuEdition"))->isEnabled()) continue;
            menu->findChild<QAction*>(arg % 2 ? "MenuEdition(1)" : "MenuEdition(0)")->trigger();
            CheckInvariants(*form);
            continue;
        }
        const bool typed = op == '1' || op == 'k' || op == 'z';
        QWidget* target = op == 'J'   ? form->OptionJZ[arg % 3]
                          : op == 'F' ? form->OptionPH[arg % 3]
                          : op == 'H' ? form->ComboKong
                          : op == 'S' ? static_cast<QWidget*>(form->ComboZhou)
                                      : Box(*form, typed ? op : arg);
        auto* list = qobject_cast<brimsel::ui::ListBox*>(target);
        if (target == nullptr || !Reachable(*form, target) || (list && list->count() == 0))
            continue;
        if (op == 'f') {
            QFocusEvent focus(QEvent::FocusIn, Qt::TabFocusReason);
            QCoreApplication::sendEvent(target, &focus);
        } else if (op == 'P' || op == 'p') {
            Paste(target, QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())),
                  op == 'P');
        } else if (op == 'J' || op == 'F') {
            static_cast<QAbstractButton*>(target)->click();
        } else if (list != nullptr) {
            Pick(list, arg);
        } else if (!Key(target, arg)) {
            continue;
        }
        CheckInvariants(*form);
    }
    // Without an event loop, objects Qt deletes later would pile up.
    form.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return 0;
}
