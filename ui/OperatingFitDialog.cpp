#include "ui/OperatingFitDialog.h"

#include <QEvent>
#include <QFormLayout>
#include <QVBoxLayout>

#include "engine/FitOutcome.h"
#include "interference/InterferenceText.h"
#include "interference/Materials.h"
#include "texts/Meanings.h"
#include "texts/StringTable.h"
#include "ui/Form1.h"
#include "ui/Layout.h"

namespace brimsel::ui {

namespace {

using namespace interference;

constexpr double kMicro = 1.0e6;  // the α fields hold 10^-6/°C
constexpr int kWidthTwips = 6600;
constexpr int kHoleName = 17;  // "孔" / "hole" of the string table
constexpr int kShaftName = 18;

}  // namespace

OperatingFitDialog::OperatingFitDialog(Form1& form) : QDialog(&form), form_(form) {
    setObjectName(QStringLiteral("OperatingFit"));
    setWindowTitle(Text(More::OperatingFit));
    const Language language = form_.Query.LanguageIndex;
    FitText = new QLabel(this);
    Result = new QLabel(this);
    Result->setObjectName(QStringLiteral("Result"));
    Result->setTextInteractionFlags(Qt::TextSelectableByMouse);
    const auto box = [this](const char* name) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QLatin1String(name));
        connect(edit, &QLineEdit::textChanged, this, &OperatingFitDialog::Refresh);
        return edit;
    };
    HoleTempBox = box("HoleTemp");
    ShaftTempBox = box("ShaftTemp");
    HoleAlphaBox = box("HoleAlpha");
    ShaftAlphaBox = box("ShaftAlpha");
    for (QLineEdit* temp : {HoleTempBox, ShaftTempBox}) {
        temp->setPlaceholderText(QStringLiteral("20"));
    }
    // A material writes its heating coefficient into the box beside it.
    for (const auto& [list, field] :
         {std::pair{&HoleMaterial, HoleAlphaBox}, {&ShaftMaterial, ShaftAlphaBox}}) {
        QLineEdit* alpha = field;  // a lambda captures variables, not bindings
        *list = new QComboBox(this);
        (*list)->addItem(Text(More::MaterialCustom));
        for (const MaterialPreset& preset : MaterialPresets()) {
            (*list)->addItem(FromUtf8(MaterialName(preset.Key, language)));
        }
        connect(*list, &QComboBox::currentIndexChanged, this, [alpha](int index) {
            if (index < 1) return;
            const double heating =
                MaterialPresets()[static_cast<std::size_t>(index - 1)].HeatingAlpha;
            alpha->setText(FromUtf8(CsvValue(heating * kMicro)));
        });
    }
    auto* fields = new QFormLayout;
    fields->addRow(Text(More::FieldFit), FitText);
    fields->addRow(Text(More::FieldHoleTemp), HoleTempBox);
    fields->addRow(Text(More::FieldMaterial), HoleMaterial);
    fields->addRow(Text(More::FieldHoleAlpha), HoleAlphaBox);
    fields->addRow(Text(More::FieldShaftTemp), ShaftTempBox);
    fields->addRow(Text(More::FieldMaterial), ShaftMaterial);
    fields->addRow(Text(More::FieldShaftAlpha), ShaftAlphaBox);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(Result);
    layout->addStretch(1);
    resize(Px(kWidthTwips), sizeHint().height());
}

QString OperatingFitDialog::Text(More id) const {
    return FromUtf8(LookUpMore(form_.Query.LanguageIndex, id));
}

void OperatingFitDialog::Open() {
    Refresh();
    show();
    raise();
    activateWindow();
}

bool OperatingFitDialog::event(QEvent* event) {
    // Back from the main window, whose fit may have changed.
    if (event->type() == QEvent::WindowActivate && isVisible()) Refresh();
    return QDialog::event(event);
}

void OperatingFitDialog::Refresh() {
    const Language language = form_.Query.LanguageIndex;
    fit_.reset();
    if (form_.Picture1->isHidden() || !form_.Query.HoleOk || !form_.Query.ShaftOk) {
        FitText->setText(QString());
        Result->setText(Text(More::OperatingNoFit));
        return;
    }
    const QString size = form_.LabelJG->text();
    FitText->setText(size + QLatin1Char(' ') + form_.LabelSC[0]->text() + QLatin1Char('/') +
                     form_.LabelXC[0]->text());
    const auto read = [](const QLineEdit* field, std::optional<double> empty) {
        const std::string text = field->text().trimmed().toStdString();
        return text.empty()       ? std::optional<std::optional<double>>(empty)
               : ReadNumber(text) ? std::optional<std::optional<double>>(ReadNumber(text))
                                  : std::nullopt;
    };
    const auto holeTemp = read(HoleTempBox, 20.0), shaftTemp = read(ShaftTempBox, 20.0);
    const auto holeAlpha = read(HoleAlphaBox, std::nullopt),
               shaftAlpha = read(ShaftAlphaBox, std::nullopt);
    if (!holeTemp || !shaftTemp || !holeAlpha || !shaftAlpha) {
        Result->setText(Text(More::ProblemNotANumber));
        return;
    }
    // A member away from 20 °C needs its coefficient.
    for (const auto& [temp, alpha, name] :
         {std::tuple{**holeTemp, *holeAlpha, kHoleName}, {**shaftTemp, *shaftAlpha, kShaftName}}) {
        if (temp != 20.0 && !alpha) {
            Result->setText(FromUtf8(FillIn(LookUpMore(language, More::ProblemNoExpansion),
                                            LookUpString(language, name))));
            return;
        }
    }
    const FitOutcome outcome = ComputeFitOutcome(form_.HoleEvaluation, form_.ShaftEvaluation);
    const Operating at{ReadNumber(size.toStdString()).value_or(0.0),
                       holeAlpha->value_or(0.0) / kMicro, shaftAlpha->value_or(0.0) / kMicro,
                       **holeTemp, **shaftTemp};
    fit_ = FitAtTemperature({outcome.Largest, outcome.Smallest}, at);
    QStringList lines;
    for (const Quantity& q : Quantities(*fit_)) {
        const QString value = q.Value ? FromUtf8(ReadableValue(*q.Value, q.Unit)) +
                                            QLatin1Char(' ') + FromUtf8(ShownUnit(q.Unit))
                                      : FromUtf8(KindText(language, fit_->Kind));
        lines << FromUtf8(QuantityLabel(q.Key, language)) + QStringLiteral("  ") + value;
    }
    lines << FromUtf8(
        FillIn(LookUpMore(language, More::OperatingShift), ReadableValue(ThermalShift(at), "um")));
    Result->setText(lines.join(QLatin1Char('\n')));
}

}  // namespace brimsel::ui
