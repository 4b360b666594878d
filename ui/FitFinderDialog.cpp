#include "ui/FitFinderDialog.h"

#include <QApplication>
#include <QFormLayout>
#include <QHeaderView>
#include <QVBoxLayout>
#include <string>

#include "engine/ExactDecimal.h"
#include "engine/FitOutcome.h"
#include "fits/FinderText.h"
#include "texts/Meanings.h"
#include "texts/StringTable.h"
#include "ui/Form1.h"
#include "ui/Layout.h"

namespace brimsel::ui {

namespace {

// Signed like the window's limits of fit: "+0.050", "-0.012", " 0".
QString Signed(std::int64_t units, int decimals) {
    return units == 0 ? QStringLiteral(" 0") : FromUtf8(SignedDecimalText(units, decimals));
}

// A pick from a list as the mouse or the Enter key makes it: the entry
// becomes current and the list reports the activation, even of the entry
// already shown.
void Pick(ListBox& list, const std::string& entry) {
    const int index = list.findText(QString::fromStdString(entry));
    if (index < 0) return;
    list.setCurrentIndex(index);
    emit list.activated(index);
}

// The columns in the dialog's order.
constexpr fits::FinderColumn kDialogColumns[] = {
    fits::FinderColumn::Fit,       fits::FinderColumn::Max,      fits::FinderColumn::Min,
    fits::FinderColumn::Kind,      fits::FinderColumn::Standing, fits::FinderColumn::Basis,
    fits::FinderColumn::MarginMin, fits::FinderColumn::MarginMax};

constexpr int kWidthTwips = 9600;
constexpr int kHeightTwips = 6600;

}  // namespace

FitFinderDialog::FitFinderDialog(Form1& form) : QDialog(&form), form_(form) {
    setObjectName(QStringLiteral("FitFinder"));
    setWindowTitle(Text(More::FindFit));
    SizeBox = new QLineEdit(this);
    MinBox = new QLineEdit(QStringLiteral("0"), this);
    MaxBox = new QLineEdit(QStringLiteral("0.050"), this);
    ScopeList = new QComboBox(this);
    ScopeList->addItems({Text(More::FinderCatalogue), Text(More::FinderAll)});
    BasisList = new QComboBox(this);
    BasisList->addItems(
        {Text(More::FinderEitherBasis), Text(More::FinderHoleBasis), Text(More::FinderShaftBasis)});
    Status = new QLabel(this);
    Fits = new QTreeWidget(this);
    SetUpFitList(*Fits, form_.Query.LanguageIndex);
    Fits->setToolTip(Text(More::FinderHint));

    resize(Px(kWidthTwips), Px(kHeightTwips));

    auto* fields = new QFormLayout;
    SizeLabel = new QLabel(Text(More::FinderSize), this);
    fields->addRow(SizeLabel, SizeBox);
    fields->addRow(Text(More::FinderMin), MinBox);
    fields->addRow(Text(More::FinderMax), MaxBox);
    fields->addRow(Text(More::FinderScope), ScopeList);
    fields->addRow(Text(More::FinderBasis), BasisList);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(Status);
    layout->addWidget(Fits, 1);

    for (QLineEdit* box : {SizeBox, MinBox, MaxBox}) {
        connect(box, &QLineEdit::textChanged, this, &FitFinderDialog::Refresh);
    }
    for (QComboBox* list : {ScopeList, BasisList}) {
        connect(list, &QComboBox::currentIndexChanged, this, &FitFinderDialog::Refresh);
    }
    // A click picks a row, and so do Enter and a double click, which Qt
    // reports as an activation; a style may report a click as both. One
    // gesture on one row is one pick: a second report of the same row within
    // the double-click interval is the same pick.
    const auto apply = [this](QTreeWidgetItem* item) {
        const auto row = static_cast<std::size_t>(item->data(0, Qt::UserRole).toInt());
        const bool again = picked_.isValid() && pickedRow_ == row &&
                           picked_.elapsed() < QApplication::doubleClickInterval();
        pickedRow_ = row;
        picked_.start();
        if (again) return;
        const auto& list = search_.Fits.empty() ? search_.NearMisses : search_.Fits;
        if (row < list.size()) ApplyFit(list[row]);
    };
    connect(Fits, &QTreeWidget::itemClicked, this, apply);
    connect(Fits, &QTreeWidget::itemActivated, this, apply);
}

QString FitFinderDialog::Text(More id) const {
    return FromUtf8(LookUpMore(form_.Query.LanguageIndex, id, form_.Query.Edition));
}

void FitFinderDialog::Open() {
    SizeBox->setText(form_.Text1->text());
    // The first time, the range of the fit the window shows: the list then
    // starts with that fit and the others as good.
    if (!opened_ && form_.Picture1->isVisible()) {
        const FitOutcome shown = ComputeFitOutcome(form_.HoleEvaluation, form_.ShaftEvaluation);
        const auto bound = [](const std::string& text) {
            return FromUtf8(text).remove(QLatin1Char('+')).trimmed();
        };
        MinBox->setText(bound(shown.SmallestText));
        MaxBox->setText(bound(shown.LargestText));
    }
    opened_ = true;
    Refresh();
    show();
    raise();
    activateWindow();
}

void FitFinderDialog::Refresh() {
    const std::string size = SizeBox->text().toStdString();
    const std::string min = MinBox->text().toStdString();
    const std::string max = MaxBox->text().toStdString();
    fits::FitRequest request{
        size,
        min,
        max,
        ScopeList->currentIndex() == 1 ? fits::FitScope::All : fits::FitScope::Catalogue,
        std::nullopt,
        kFinderRows,
        form_.Query.Edition};
    if (BasisList->currentIndex() > 0) {
        request.Basis =
            BasisList->currentIndex() == 1 ? fits::BasisSystem::Hole : fits::BasisSystem::Shaft;
    }
    search_ = fits::FindFits(form_.Query.ToleranceTables, request);
    // The rows are new: a click on one of them is a new pick, whatever row
    // was picked a moment ago.
    picked_.invalidate();
    // The words and the list of the edition the main window follows.
    SizeLabel->setText(Text(More::FinderSize));
    ScopeList->setItemText(0, Text(More::FinderCatalogue));

    if (!search_.Ok()) {
        Status->setText(FromUtf8(
            fits::ProblemMessage(search_.Problem, form_.Query.LanguageIndex, form_.Query.Edition)));
    } else {
        const auto& listed = search_.Fits.empty() ? search_.NearMisses : search_.Fits;
        Status->setText(
            FromUtf8(fits::FinderStatus(search_, listed.size(), form_.Query.LanguageIndex)));
    }
    FillFitList(*Fits, search_, form_.Query.LanguageIndex);
}

void FitFinderDialog::ApplyFit(const fits::FoundFit& fit) { ApplyFoundFit(form_, search_, fit); }

void SetUpFitList(QTreeWidget& list, Language language) {
    list.setRootIsDecorated(false);
    list.setUniformRowHeights(true);
    QStringList headings;
    for (const fits::FinderColumn column : kDialogColumns) {
        headings << FromUtf8(fits::ColumnHeading(column, language, false));
    }
    list.setHeaderLabels(headings);
    list.header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    list.header()->setStretchLastSection(false);
}

void FillFitList(QTreeWidget& tree, const fits::FitSearch& search, Language language) {
    tree.setUpdatesEnabled(false);
    tree.clear();
    const bool near = search.Ok() && search.Fits.empty();
    for (const int column : {6, 7}) {
        tree.headerItem()->setText(
            column, FromUtf8(fits::ColumnHeading(kDialogColumns[column], language, near)));
    }
    const auto& list = near ? search.NearMisses : search.Fits;
    QList<QTreeWidgetItem*> items;
    items.reserve(static_cast<qsizetype>(list.size()));
    for (std::size_t i = 0; i < list.size(); ++i) {
        const fits::FoundFit& fit = list[i];
        auto* item = new QTreeWidgetItem(
            QStringList{FromUtf8(fits::FitName(fit)), Signed(fit.Max, fit.Decimals),
                        Signed(fit.Min, fit.Decimals), FromUtf8(KindText(language, fit.Kind)),
                        FromUtf8(fits::StandingText(fit.Standing, language)),
                        FromUtf8(fits::BasisText(fit.Basis, language)),
                        near ? FromUtf8(ExactDecimalText(fit.Miss, fit.Decimals))
                             : Signed(fit.MarginMin, fit.Decimals),
                        near ? QString() : Signed(fit.MarginMax, fit.Decimals)});
        item->setData(0, Qt::UserRole, static_cast<int>(i));
        for (int column = 1; column < 8; ++column) {
            if (column < 3 || column > 5) item->setTextAlignment(column, Qt::AlignRight);
        }
        items.push_back(item);
    }
    tree.addTopLevelItems(items);
    tree.setUpdatesEnabled(true);
}

void ApplyFoundFit(Form1& form, const fits::FitSearch& search, const fits::FoundFit& fit) {
    // The size first, as the user would type it into the size box: the
    // catalogue's lists depend on it.
    if (form.Query.ErrorCode == error_code::kBasicSize ||
        form.Query.BasicSize != search.BasicSize) {
        // Only a size the search accepted is passed on, as it shows it.
        if (!search.Ok() || search.SizeText.empty()) return;
        WriteText(*form.Text1, FromUtf8(search.SizeText));
    }
    if (fit.GroupKind < 0) {
        form.OptionJZ[2]->click();
        WriteText(*form.TeK, FromUtf8(fit.Hole));
        WriteText(*form.TeZ, FromUtf8(fit.Shaft));
        return;
    }
    const bool holeBasis = fit.Basis == fits::BasisSystem::Hole;
    form.OptionJZ[holeBasis ? 0 : 1]->click();
    form.OptionPH[static_cast<std::size_t>(fit.GroupKind)]->click();
    Pick(holeBasis ? *form.ComboKong : *form.ComboZhou, holeBasis ? fit.HoleEntry : fit.ShaftEntry);
    Pick(holeBasis ? *form.ComboZhou : *form.ComboKong, holeBasis ? fit.ShaftEntry : fit.HoleEntry);
}

}  // namespace brimsel::ui
