// What the window offers beside its result: the context menu with the copies
// and the saving of the diagram, Ctrl+C, and the tooltips of the result
// captions. None of it is built before it is first used, and none of it
// writes a control or a field of the query: it reads what is shown.
#include <QActionGroup>
#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontInfo>
#include <QFontMetrics>
#include <QHelpEvent>
#include <QKeySequence>
#include <QMenu>
#include <QShortcut>
#include <QToolTip>
#include <algorithm>

#include "engine/AtomicFile.h"
#include "engine/SizeLimits.h"
#include "results/DiagramSvg.h"
#include "results/Explanation.h"
#include "texts/MoreStrings.h"
#include "texts/StringTable.h"
#include "ui/Appearance.h"
#include "ui/FitFinderDialog.h"
#include "ui/Form1.h"
#include "ui/InterferenceDialog.h"
#include "ui/Layout.h"
#include "ui/MessageBox.h"
#include "ui/OperatingFitDialog.h"

namespace brimsel::ui {

namespace {

constexpr const char* kCopyResultName = "CopyResult";
constexpr const char* kSaveDiagramName = "SaveDiagram";
constexpr const char* kCalloutNames[] = {"CopyCallout(0)", "CopyCallout(1)", "CopyCallout(2)",
                                         "CopyCallout(3)"};
constexpr const char* kEditionNames[] = {"MenuEdition(0)", "MenuEdition(1)"};

bool IsSvgName(const QString& path) {
    return QFileInfo(path).suffix().compare(QStringLiteral("svg"), Qt::CaseInsensitive) == 0;
}

}  // namespace

void Form1::ConnectResultExtras() {
    // A window shortcut, so that it works whichever control has the focus; a
    // text box with a selection keeps Ctrl+C for itself (eventFilter).
    auto* copy = new QShortcut(QKeySequence::Copy, this);
    connect(copy, &QShortcut::activated, this, [this] { CopyResult(); });
    for (TextBox* box : {Text1, TeK, TeZ}) box->installEventFilter(this);
    for (QLabel* label :
         {LabelSC[0], LabelSC[1], LabelSC[2], LabelXC[0], LabelXC[1], LabelXC[2], Label9}) {
        label->installEventFilter(this);
    }
    AskDiagramPath = [this] {
        const QString types = FromUtf8(LookUpMore(Query.LanguageIndex, More::DiagramFileTypes));
        QString chosenType;
        QString path = QFileDialog::getSaveFileName(
            this, FromUtf8(LookUpMore(Query.LanguageIndex, More::SaveDiagram)).remove(u'…'),
            LabelSC[0]->text() + QLatin1Char('-') + LabelXC[0]->text() + QStringLiteral(".png"),
            types, &chosenType);
        // A name typed without a suffix takes the one of the chosen type.
        if (!path.isEmpty() && QFileInfo(path).suffix().isEmpty()) {
            path += chosenType.contains(QStringLiteral("*.svg")) ? QStringLiteral(".svg")
                                                                 : QStringLiteral(".png");
        }
        return path;
    };
}

// A member's numbers are current while its flag is set and its captions show
// its evaluation: an error of the basic size blanks them but leaves the flags.
bool Form1::ShowsEvaluation(ZoneMember member) const {
    const bool hole = member == ZoneMember::Hole;
    const ZoneDeviations& zone = hole ? HoleEvaluation : ShaftEvaluation;
    const auto& captions = hole ? LabelSC : LabelXC;
    return (hole ? Query.HoleOk : Query.ShaftOk) && zone.Ok() &&
           captions[1]->text() == FromUtf8(zone.UpperText) &&
           captions[2]->text() == FromUtf8(zone.LowerText);
}

std::optional<ShownFit> Form1::ShownResult() const {
    if (Picture1->isHidden() || !ShowsEvaluation(ZoneMember::Hole) ||
        !ShowsEvaluation(ZoneMember::Shaft)) {
        return std::nullopt;
    }
    const auto member = [](const QLabel* zone, const ZoneDeviations& deviations) {
        return MemberResult{zone->text().toStdString(), deviations.UpperUnits,
                            deviations.LowerUnits};
    };
    return ShownFit{Query.BasicSize, member(LabelSC[0], HoleEvaluation),
                    member(LabelXC[0], ShaftEvaluation),
                    ComputeFitOutcome(HoleEvaluation, ShaftEvaluation), Query.Edition};
}

void Form1::CopyResult() {
    const std::optional<ShownFit> shown = ShownResult();
    if (!shown) return;
    QApplication::clipboard()->setText(FromUtf8(WriteResultText(*shown, Query.LanguageIndex)));
}

void Form1::CopyCallout(CalloutForm form) {
    const std::optional<ShownFit> shown = ShownResult();
    if (!shown) return;
    QApplication::clipboard()->setText(FromUtf8(WriteCallout(*shown, form)));
}

void Form1::SaveDiagram() {
    if (!ShownResult()) return;
    const QString path = AskDiagramPath ? AskDiagramPath() : QString();
    if (path.isEmpty()) return;
    if (!WriteDiagramFile(path)) {
        ShowMessage(this, {FromUtf8(LookUpMore(Query.LanguageIndex, More::DiagramNotSaved)) + path +
                               QLatin1Char('\n') +
                               FromUtf8(LookUpMore(Query.LanguageIndex, More::DiagramUnchanged)),
                           MessageIcon::Exclamation});
    }
}

bool Form1::WriteDiagramFile(const QString& path) {
    if (!ShownResult()) return false;
    std::string bytes;
    if (IsSvgName(path)) {
        const QFont font = Picture1->font();
        const QPalette palette = Picture1->palette();
        SvgPage page;
        page.WidthTwips = Twips(Picture1->width());
        page.HeightTwips = Twips(Picture1->height());
        page.WidthPixels = Picture1->width();
        page.HeightPixels = Picture1->height();
        page.FontTwips = Twips(font.pixelSize());
        page.AscentTwips = Twips(QFontMetrics(font).ascent());
        page.FontFamily = QFontInfo(font).family().toStdString();
        page.Paper = palette.color(QPalette::Window).rgb() & 0xFFFFFFu;
        page.InkColour = [palette](Ink ink) {
            return colours::InkColour(ink, palette).rgb() & 0xFFFFFFu;
        };
        bytes = WriteDiagramSvg(Picture1->Commands(), page);
    } else {
        QByteArray png;
        QBuffer buffer(&png);
        if (!buffer.open(QIODevice::WriteOnly) || !Picture1->Image().save(&buffer, "PNG"))
            return false;
        bytes = png.toStdString();
    }
    // Written beside the target, every write, the flush and the close
    // checked, and renamed over it only when complete: a failed save leaves
    // whatever file was there untouched and no partial file behind.
    return WriteFileAtomically(std::filesystem::path(path.toStdString()), bytes, DiagramWriteFault)
        .empty();
}

void Form1::BuildContextMenu() {
    ContextMenu = new QMenu(this);
    const auto more = [this](More id) { return FromUtf8(LookUpMore(Query.LanguageIndex, id)); };

    QAction* copy = ContextMenu->addAction(
        more(More::CopyResult) + QLatin1Char('\t') +
            QKeySequence(QKeySequence::Copy).toString(QKeySequence::NativeText),
        this, [this] { CopyResult(); });
    copy->setObjectName(QLatin1String(kCopyResultName));
    QMenu* callouts = ContextMenu->addMenu(more(More::CopyCallout));
    callouts->setObjectName(QStringLiteral("CopyCallout"));
    for (const CalloutForm form : kCalloutForms) {
        QAction* entry = callouts->addAction(QString(), this, [this, form] { CopyCallout(form); });
        entry->setObjectName(QLatin1String(kCalloutNames[static_cast<int>(form)]));
    }

    ContextMenu->addSeparator();
    QAction* save =
        ContextMenu->addAction(more(More::SaveDiagram), this, [this] { SaveDiagram(); });
    save->setObjectName(QLatin1String(kSaveDiagramName));

    // Entries that open a dialog of their own follow, after a separator of their own.
    ContextMenu->addSeparator();
    QAction* finder =
        ContextMenu->addAction(more(More::FindFit), this, [this] { OpenFitFinder(); });
    finder->setObjectName(QStringLiteral("FindFit"));
    QAction* interference = ContextMenu->addAction(
        more(More::InterferenceFit) + QStringLiteral("…"), this, [this] { OpenInterference(); });
    interference->setObjectName(QStringLiteral("InterferenceFit"));
    QAction* operating = ContextMenu->addAction(more(More::OperatingFit) + QStringLiteral("…"),
                                                this, [this] { OpenOperatingFit(); });
    operating->setObjectName(QStringLiteral("OperatingFit"));

    // The standard the window follows, one of two.
    ContextMenu->addSeparator();
    QMenu* standard = ContextMenu->addMenu(more(More::Standard));
    standard->setObjectName(QStringLiteral("MenuEdition"));
    auto* editions = new QActionGroup(standard);
    for (const std::int16_t index : {std::int16_t{0}, std::int16_t{1}}) {
        QAction* entry =
            standard->addAction(more(index == 0 ? More::Edition1998 : More::Edition2020), this,
                                [this, index] { MenuEdition_Click(index); });
        entry->setObjectName(QLatin1String(kEditionNames[index]));
        entry->setCheckable(true);
        entry->setActionGroup(editions);
    }
}

void Form1::OpenFitFinder() {
    if (FitFinder == nullptr) FitFinder = new FitFinderDialog(*this);
    FitFinder->Open();
}

void Form1::OpenInterference() {
    if (Interference == nullptr) Interference = new InterferenceDialog(*this);
    Interference->Open();
}

void Form1::OpenOperatingFit() {
    if (OperatingFit == nullptr) OperatingFit = new OperatingFitDialog(*this);
    OperatingFit->Open();
}

QMenu* Form1::PrepareContextMenu() {
    if (ContextMenu == nullptr) BuildContextMenu();
    const std::optional<ShownFit> shown = ShownResult();
    const bool ok = shown.has_value();
    ContextMenu->findChild<QAction*>(QLatin1String(kCopyResultName))->setEnabled(ok);
    ContextMenu->findChild<QAction*>(QLatin1String(kSaveDiagramName))->setEnabled(ok);
    ContextMenu->findChild<QAction*>(QStringLiteral("OperatingFit"))->setEnabled(ok);
    auto* callouts = ContextMenu->findChild<QMenu*>(QStringLiteral("CopyCallout"));
    callouts->setEnabled(ok);
    // The entries show the callouts they copy; the limits of size name their member.
    for (const CalloutForm form : kCalloutForms) {
        auto* entry =
            callouts->findChild<QAction*>(QLatin1String(kCalloutNames[static_cast<int>(form)]));
        const int member = form == CalloutForm::HoleLimits    ? 17
                           : form == CalloutForm::ShaftLimits ? 18
                                                              : 0;
        QString text = ok ? FromUtf8(WriteCallout(*shown, form)) : QString();
        if (member != 0) text = FromUtf8(LookUpString(Query.LanguageIndex, member)) + "  " + text;
        entry->setText(text);
        entry->setEnabled(ok);
    }
    // Like the basis buttons, not while the size is refused.
    ContextMenu->findChild<QMenu*>(QStringLiteral("MenuEdition"))->setEnabled(FrameJZ->isEnabled());
    const int edition = Query.Edition == Edition::Gb2020 ? 1 : 0;
    ContextMenu->findChild<QAction*>(QLatin1String(kEditionNames[edition]))->setChecked(true);
    return ContextMenu;
}

void Form1::contextMenuEvent(QContextMenuEvent* event) {
    PrepareContextMenu()->exec(event->globalPos());
}

// Shown only while the member's flag says its numbers are current; a blanked
// caption (an error of the basic size leaves the flags alone) shows none.
QString Form1::ToolTipFor(const QWidget* control) const {
    // The note on the offered fits reads the same in both editions; under 2020
    // it means the fits of the figures.
    if (control == Label9) {
        return Query.Edition == Edition::Gb2020
                   ? FromUtf8(LookUpMore(Query.LanguageIndex, More::FiguresNote))
                   : QString();
    }
    for (const ZoneMember member : {ZoneMember::Hole, ZoneMember::Shaft}) {
        const bool hole = member == ZoneMember::Hole;
        const auto& captions = hole ? LabelSC : LabelXC;
        const auto row = std::find(captions.begin(), captions.end(), control) - captions.begin();
        if (row > 2) continue;
        if (!ShowsEvaluation(member)) return {};
        const ZoneDeviations& zone = hole ? HoleEvaluation : ShaftEvaluation;
        if (row == 0) {
            return FromUtf8(ExplainZoneBriefly(LabelJG->text().toStdString(),
                                               captions[0]->text().toStdString(), member, zone,
                                               Query.LanguageIndex));
        }
        const SizeLimits limits = ComputeSizeLimits(Query.BasicSize, zone);
        const More name = row == 1 ? More::LargestSize : More::SmallestSize;
        return FromUtf8(LookUpMore(Query.LanguageIndex, name, Query.Edition)) + QLatin1Char(' ') +
               FromUtf8(row == 1 ? limits.Largest : limits.Smallest);
    }
    return {};
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) {
        auto* box = qobject_cast<TextBox*>(watched);
        auto* key = static_cast<QKeyEvent*>(event);
        // Without a selection the box has nothing to copy: let the window's
        // shortcut copy the result instead.
        if (box != nullptr && key->matches(QKeySequence::Copy) && !box->hasSelectedText()) {
            event->ignore();
            return true;
        }
    }
    if (event->type() == QEvent::ToolTip) {
        auto* widget = qobject_cast<QWidget*>(watched);
        const QString tip = ToolTipFor(widget);
        if (tip.isEmpty()) {
            QToolTip::hideText();
            event->ignore();
        } else {
            QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), tip, widget);
        }
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace brimsel::ui
