// Random sequences of user actions on a fresh window, offscreen, through the
// real controls and handlers: keys and pasted texts into the size box and the
// zone boxes, focus, basis and fit-kind clicks, list picks, the context menu's
// entries, and the fit finder: typing into its boxes, its scope and basis,
// picking its rows. Only what a person could reach is acted on (visible and
// enabled). After every action the window must show consistent numbers:
//  - every deviation caption is " - - -" or reads back as its stored value
//    within half a unit of its last decimal;
//  - while both status flags are true and the diagram shows, the limits of fit
//    equal the differences of the shown deviations, within their rounding;
//  - the diagram shows exactly when no error is shown;
//  - while a result is shown, the copied result and callouts say what the
//    captions say (size, zones, deviations, limits of fit and their names,
//    kind), and nothing is copied while an error is shown;
//  - while the finder is open at the window's size and lists the fit shown,
//    that row's limits of fit and kind are the window's.
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
//   'M' byte                  the context menu's entry (byte mod 7): copy the
//                             result, one of the four callouts, save (cancelled),
//                             open the finder
//   'd' box text '\n'         type into the finder's size, MIN or MAX box (box mod 3),
//                             byte by byte as keys
//   'g' / 'b' byte            the finder's scope (mod 2) / basis (mod 3)
//   'r' byte                  click the finder's row (byte mod rows)
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
#include "engine/ExactDecimal.h"
#include "texts/StringTable.h"
#include "ui/FitFinderDialog.h"
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

std::string Std(const QString& text) { return text.toStdString(); }

// Exact values of two number texts agree within half a unit of the last
// decimal of `rounded` (the one that may have been rounded for display);
// `plus`, a size, is added to the rounded one.
bool Agree(const std::string& exact, const std::string& rounded, const std::string& plus = "0") {
    const auto a = brimsel::ReadExactDecimal(exact), b = brimsel::ReadExactDecimal(rounded);
    const auto p = brimsel::ReadExactDecimal(plus);
    if (!a || !b || !p) return false;
    std::int64_t half = brimsel::kExactScale / 2;
    for (int d = 0; d < brimsel::CountDecimals(rounded); ++d) half /= 10;
    return std::llabs(a->Units - b->Units - p->Units) <= half;
}

std::string Copied() { return Std(QGuiApplication::clipboard()->text()); }

// The copies of the result and of the callouts against the captions.
void CheckCopies(Form1& form, bool shown) {
    const std::string marker = "\x01not copied";
    QGuiApplication::clipboard()->setText(QString::fromStdString(marker));
    form.CopyResult();
    const std::string result = Copied();
    if (!shown) {
        if (result != marker) Fail("a result copied while an error is shown");
        return;
    }
    std::vector<std::pair<std::string, std::string>> lines;
    std::istringstream in(result);
    for (std::string line; std::getline(in, line);) {
        const auto tab = line.find('\t');
        if (tab == std::string::npos) Fail("copied line without a value: " + line);
        lines.emplace_back(line.substr(0, tab), line.substr(tab + 1));
    }
    // Under 2020 a last line names the edition.
    const bool gb2020 = form.Query.Edition == brimsel::Edition::Gb2020;
    if (lines.size() != (gb2020 ? 15u : 14u))
        Fail("copied result of " + std::to_string(lines.size()) + " lines");
    if (gb2020 && !lines[14].second.starts_with("GB/T 1800.1-2020"))
        Fail("copied edition " + lines[14].second);
    const auto value = [&lines](std::size_t i) { return lines[i].second; };
    const std::string size = Std(form.LabelJG->text());
    if (value(0) != size + " mm") Fail("copied size " + value(0));
    for (const auto& [first, captions] : {std::pair{1u, &form.LabelSC}, {6u, &form.LabelXC}}) {
        const auto& c = *captions;
        if (value(first) != Std(c[0]->text()) || !Agree(value(first + 1), Std(c[1]->text())) ||
            !Agree(value(first + 2), Std(c[2]->text())) ||
            !Agree(value(first + 3), Std(c[1]->text()), size) ||
            !Agree(value(first + 4), Std(c[2]->text()), size))
            Fail("copied member differs from the captions: " + result);
    }
    for (std::size_t i = 0; i < 2; ++i) {
        if (lines[11 + i].first + "=" != Std(form.Label1[i]->text()) ||
            !Agree(value(11 + i), Std(form.Label3[i]->text())))
            Fail("copied limit of fit differs: " + lines[11 + i].first + " " + value(11 + i) +
                 " against " + Std(form.Label1[i]->text()) + Std(form.Label3[i]->text()));
    }
    if (!Std(form.Label4->text()).ends_with(value(13))) Fail("copied kind " + value(13));

    const std::string zones =
        size + " " + Std(form.LabelSC[0]->text()) + "/" + Std(form.LabelXC[0]->text());
    for (const brimsel::CalloutForm callout : brimsel::kCalloutForms) {
        form.CopyCallout(callout);
        const std::string text = Copied();
        const bool hole = callout == brimsel::CalloutForm::HoleLimits;
        const auto& c = hole ? form.LabelSC : form.LabelXC;
        const std::string limits = text.substr(std::min(text.size(), std::string("Ø").size()));
        const std::size_t slash = limits.find('/');
        const bool ok =
            callout == brimsel::CalloutForm::Code ? text == "Ø" + zones
            : callout == brimsel::CalloutForm::CodeAndDeviations
                ? text.starts_with("Ø" + size + " " + Std(form.LabelSC[0]->text()) + "(")
                : text.starts_with("Ø") && slash != std::string::npos &&
                      Agree(limits.substr(0, slash), Std(c[1]->text()), size) &&
                      Agree(limits.substr(slash + 1), Std(c[2]->text()), size);
        if (!ok) Fail("copied callout " + text + " for " + zones);
    }
}

// The finder's row for the fit shown, when it lists it at the same size.
void CheckFinder(const Form1& form, bool shown) {
    const brimsel::ui::FitFinderDialog* finder = form.FitFinder;
    if (!shown || finder == nullptr || !finder->isVisible() || !finder->Search().Ok() ||
        finder->Search().BasicSize != form.Query.BasicSize)
        return;
    const QString fit = form.LabelSC[0]->text() + QLatin1Char('/') + form.LabelXC[0]->text();
    for (int i = 0; i < finder->Fits->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* row = finder->Fits->topLevelItem(i);
        if (row->text(0) != fit) continue;
        if (!Agree(Std(row->text(1)), Std(form.Label3[0]->text())) ||
            !Agree(Std(row->text(2)), Std(form.Label3[1]->text())) ||
            !form.Label4->text().endsWith(row->text(3)))
            Fail("the finder's row " + Std(fit) + " " + Std(row->text(1)) + " " +
                 Std(row->text(2)) + " " + Std(row->text(3)) + " differs from the window's " +
                 Std(form.Label3[0]->text()) + " " + Std(form.Label3[1]->text()) + " " +
                 Std(form.Label4->text()));
    }
}

void CheckSurfaces(Form1& form) {
    const bool shown = !form.Picture1->isHidden() && form.Query.HoleOk && form.Query.ShaftOk;
    CheckCopies(form, shown);
    CheckFinder(form, shown);
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

// The context menu and the finder; false when the action reached nothing.
bool ActOnExtras(Form1& form, unsigned char op, unsigned char arg, const std::string& text) {
    if (op == 'M') {
        static constexpr const char* kEntries[] = {
            "CopyResult",     "CopyCallout(0)", "CopyCallout(1)", "CopyCallout(2)",
            "CopyCallout(3)", "SaveDiagram",    "FindFit"};
        QAction* entry = form.PrepareContextMenu()->findChild<QAction*>(
            QLatin1String(kEntries[arg % std::size(kEntries)]));
        if (entry == nullptr || !entry->isEnabled()) return false;
        form.AskDiagramPath = [] { return QString(); };  // the user cancels
        entry->trigger();
        return true;
    }
    brimsel::ui::FitFinderDialog* finder = form.FitFinder;
    if (finder == nullptr || !finder->isVisible()) return false;
    if (op == 'd') {
        QLineEdit* box = arg % 3 == 0   ? finder->SizeBox
                         : arg % 3 == 1 ? finder->MinBox
                                        : finder->MaxBox;
        for (const char c : text) Key(box, static_cast<unsigned char>(c));
    } else if (op == 'g') {
        finder->ScopeList->setCurrentIndex(arg % 2);
    } else if (op == 'b') {
        finder->BasisList->setCurrentIndex(arg % 3);
    } else {
        const int rows = finder->Fits->topLevelItemCount();
        if (rows == 0) return false;
        QTreeWidgetItem* row = finder->Fits->topLevelItem(arg % rows);
        const QString fit = row->text(0);
        emit finder->Fits->itemClicked(row, 0);
        // The window then shows the fit clicked, unless its size cannot be typed.
        const bool shown = !form.Picture1->isHidden() && form.Query.HoleOk && form.Query.ShaftOk;
        if (shown && form.LabelSC[0]->text() + QLatin1Char('/') + form.LabelXC[0]->text() != fit)
            Fail("clicked " + Std(fit) + ", the window shows " + Std(form.LabelSC[0]->text()) +
                 "/" + Std(form.LabelXC[0]->text()));
    }
    return true;
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
        if (std::string_view("1kzfPpJFHSEMdgbr").find(static_cast<char>(op)) ==
            std::string_view::npos)
            continue;
        if (!next(arg)) break;
        std::string text;
        if (op == 'P' || op == 'p' || op == 'd')
            for (unsigned char c = 0; next(c) && c != '\n';) text += static_cast<char>(c);
        char shown[16];
        std::snprintf(shown, sizeof shown, " | %c %02x", op, arg);
        gTrace += shown + (text.empty() ? "" : " \"" + text + "\"");
        if (op == 'E') {
            QMenu* menu = form->PrepareContextMenu();
            if (!menu->findChild<QMenu*>(QStringLiteral("MenuEdition"))->isEnabled()) continue;
            menu->findChild<QAction*>(arg % 2 ? "MenuEdition(1)" : "MenuEdition(0)")->trigger();
            CheckInvariants(*form);
            CheckSurfaces(*form);
            continue;
        }
        if (std::string_view("Mdgbr").find(static_cast<char>(op)) != std::string_view::npos) {
            if (!ActOnExtras(*form, op, arg, text)) continue;
            CheckInvariants(*form);
            CheckSurfaces(*form);
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
        CheckSurfaces(*form);
    }
    // Without an event loop, objects Qt deletes later would pile up.
    form.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return 0;
}
