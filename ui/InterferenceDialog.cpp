#include "ui/InterferenceDialog.h"

#include <QApplication>
#include <QEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "engine/BasicSize.h"
#include "engine/FitOutcome.h"
#include "fits/FinderText.h"
#include "interference/InterferenceText.h"
#include "interference/Materials.h"
#include "ui/Appearance.h"
#include "ui/FitFinderDialog.h"
#include "ui/Form1.h"
#include "ui/Layout.h"

namespace brimsel::ui {

namespace {

using namespace interference;

constexpr double kMicro = 1.0e6;  // the α fields hold 10^-6/°C
constexpr int kWidthTwips = 15600;
constexpr int kHeightTwips = 10200;

// The requirement's lines shown; the tooltip lists every quantity.
constexpr std::string_view kRequirementShown[] = {"F_t",        "p_fmin", "delta_min", "p_fmax",
                                                  "delta_emax", "F_tmax", "M_tmax"};

QString Line(const Quantity& q, Language language) {
    return FromUtf8(QuantityLabel(q.Key, language)) + QStringLiteral("  ") +
           FromUtf8(ReadableValue(*q.Value, q.Unit)) + QLatin1Char(' ') +
           FromUtf8(ShownUnit(q.Unit));
}

void Colour(QLabel& label, bool sound) {
    QPalette palette = label.palette();
    palette.setColor(QPalette::WindowText,
                     QColor(sound ? colours::kVerdictSound : colours::kVerdictUnsound));
    label.setPalette(palette);
}

// A field that is not a number is written in the problem colour.
void Mark(QLineEdit& box, bool bad) {
    if (box.property("bad").toBool() == bad) return;
    box.setProperty("bad", bad);
    QPalette palette = box.palette();
    palette.setColor(QPalette::Text, bad ? QColor(colours::kVerdictUnsound)
                                         : QApplication::palette(&box).color(QPalette::Text));
    box.setPalette(palette);
}

}  // namespace

InterferenceDialog::InterferenceDialog(Form1& form) : QDialog(&form), form_(form) {
    setObjectName(QStringLiteral("InterferenceFit"));
    setWindowTitle(Text(More::InterferenceFit));
    const auto box = [this](const char* name, const QString& text = {}) {
        auto* edit = new QLineEdit(text, this);
        edit->setObjectName(QLatin1String(name));
        connect(edit, &QLineEdit::textChanged, this, &InterferenceDialog::Refresh);
        return edit;
    };
    TorqueBox = box("Torque");
    AxialBox = box("Axial");
    AxialBox->setPlaceholderText(QStringLiteral("0"));
    DiameterBox = box("Diameter");
    DiameterBox->setReadOnly(true);
    LengthBox = box("Length");
    HubOutsideBox = box("HubOutside");
    ShaftBoreBox = box("ShaftBore");
    ShaftBoreBox->setPlaceholderText(QStringLiteral("0"));
    FrictionBox = box("Friction");
    FrictionBox->setToolTip(FromUtf8(FrictionTip(form_.Query.LanguageIndex)));
    AssemblyList = new QComboBox(this);
    AssemblyList->addItems({Text(More::AssemblyPress), Text(More::AssemblyShrink)});
    connect(AssemblyList, &QComboBox::currentIndexChanged, this, &InterferenceDialog::Refresh);
    SafetyBox = box("Safety");
    SafetyBox->setPlaceholderText(QStringLiteral("3"));
    RoomTempBox = box("RoomTemp");
    RoomTempBox->setPlaceholderText(QStringLiteral("20"));
    ClearanceBox = box("Clearance");

    auto* load = new QGroupBox(Text(More::GroupLoad), this);
    auto* loadFields = new QFormLayout(load);
    loadFields->addRow(Text(More::FieldTorque), TorqueBox);
    loadFields->addRow(Text(More::FieldAxial), AxialBox);
    auto* geometry = new QGroupBox(Text(More::GroupGeometry), this);
    auto* geometryFields = new QFormLayout(geometry);
    geometryFields->addRow(Text(More::FieldDiameter), DiameterBox);
    geometryFields->addRow(Text(More::FieldLength), LengthBox);
    geometryFields->addRow(Text(More::FieldHubOutside), HubOutsideBox);
    geometryFields->addRow(Text(More::FieldShaftBore), ShaftBoreBox);

    // The two parts side by side, a row per property.
    auto* materials = new QGroupBox(Text(More::FieldMaterial), this);
    auto* grid = new QGridLayout(materials);
    grid->addWidget(new QLabel(Text(More::GroupHub), this), 0, 1);
    grid->addWidget(new QLabel(Text(More::GroupShaft), this), 0, 2);
    BuildPart(Hub, true);
    BuildPart(Shaft, false);
    const std::pair<More, std::pair<QWidget*, QWidget*>> rows[] = {
        {More::FieldMaterial, {Hub.Material, Shaft.Material}},
        {More::FieldModulus, {Hub.Modulus, Shaft.Modulus}},
        {More::FieldPoisson, {Hub.Poisson, Shaft.Poisson}},
        {More::FieldHeatingAlpha, {Hub.HeatingAlpha, Shaft.HeatingAlpha}},
        {More::FieldCoolingAlpha, {Hub.CoolingAlpha, Shaft.CoolingAlpha}},
        {More::FieldStrength, {Hub.Strength, Shaft.Strength}},
        {More::Count, {Hub.Brittle, Shaft.Brittle}},
        {More::FieldRoughness, {Hub.Roughness, Shaft.Roughness}},
        {More::FieldOperatingTemp, {Hub.OperatingTemp, Shaft.OperatingTemp}},
    };
    int row = 1;
    for (const auto& [label, fields] : rows) {
        if (label != More::Count) grid->addWidget(new QLabel(Text(label), this), row, 0);
        grid->addWidget(fields.first, row, 1);
        grid->addWidget(fields.second, row, 2);
        ++row;
    }

    auto* assembly = new QGroupBox(Text(More::GroupAssembly), this);
    auto* assemblyFields = new QFormLayout(assembly);
    assemblyFields->addRow(Text(More::FieldFriction), FrictionBox);
    assemblyFields->addRow(Text(More::FieldAssembly), AssemblyList);
    assemblyFields->addRow(Text(More::FieldBrittleSafety), SafetyBox);
    assemblyFields->addRow(Text(More::FieldRoomTemp), RoomTempBox);
    assemblyFields->addRow(Text(More::FieldAssemblyClearance), ClearanceBox);

    auto* left = new QVBoxLayout;
    for (QGroupBox* group : {load, geometry, materials, assembly}) left->addWidget(group);
    left->addStretch(1);

    Problem = new QLabel(this);
    Problem->setObjectName(QStringLiteral("Problem"));
    Problem->setWordWrap(true);
    Colour(*Problem, false);
    RequirementText = new QLabel(this);
    RequirementText->setObjectName(QStringLiteral("RequirementText"));
    auto* requirement = new QGroupBox(Text(More::GroupRequirement), this);
    auto* requirementLines = new QVBoxLayout(requirement);
    requirementLines->addWidget(Problem);
    requirementLines->addWidget(RequirementText);

    AllFits = new QCheckBox(Text(More::FitsAll), this);
    BasisList = new QComboBox(this);
    BasisList->addItems(
        {Text(More::FinderEitherBasis), Text(More::FinderHoleBasis), Text(More::FinderShaftBasis)});
    connect(AllFits, &QCheckBox::toggled, this, &InterferenceDialog::Refresh);
    connect(BasisList, &QComboBox::currentIndexChanged, this, &InterferenceDialog::Refresh);
    Status = new QLabel(this);
    Fits = new QTreeWidget(this);
    SetUpFitList(*Fits, form_.Query.LanguageIndex);
    Apply = new QPushButton(Text(More::ApplyFit), this);
    auto* fitsGroup = new QGroupBox(Text(More::GroupFits), this);
    auto* fitsLines = new QVBoxLayout(fitsGroup);
    auto* scope = new QHBoxLayout;
    scope->addWidget(AllFits);
    scope->addWidget(new QLabel(Text(More::FinderBasis), this));
    scope->addWidget(BasisList);
    scope->addStretch(1);
    scope->addWidget(Apply);
    fitsLines->addLayout(scope);
    fitsLines->addWidget(Status);
    fitsLines->addWidget(Fits, 1);
    // A row picked (click or keys) is the fit checked; Enter, a double click
    // or the button shows it in the main window.
    connect(Fits, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        Apply->setEnabled(item != nullptr);
        if (item == nullptr || filling_) return;
        ShowCheck();
    });
    connect(Fits, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem* item) { ApplyRow(item->data(0, Qt::UserRole).toInt()); });
    connect(Apply, &QPushButton::clicked, this, [this] {
        if (const QTreeWidgetItem* item = Fits->currentItem())
            ApplyRow(item->data(0, Qt::UserRole).toInt());
    });

    CheckTitle = new QLabel(this);
    SlipVerdict = new QLabel(this);
    YieldVerdict = new QLabel(this);
    CheckValues = new QTreeWidget(this);
    CheckValues->setRootIsDecorated(false);
    CheckValues->setHeaderHidden(true);
    CheckValues->setColumnCount(2);
    TemperatureNote = new QLabel(Text(More::AtTwentyNote), this);
    TemperatureNote->setToolTip(Text(More::AtOperatingNote));
    TemperatureNote->setWordWrap(true);
    auto* check = new QGroupBox(Text(More::GroupCheck), this);
    auto* checkLines = new QVBoxLayout(check);
    for (QWidget* w : std::initializer_list<QWidget*>{CheckTitle, SlipVerdict, YieldVerdict,
                                                      CheckValues, TemperatureNote}) {
        checkLines->addWidget(w);
    }

    auto* right = new QVBoxLayout;
    right->addWidget(requirement);
    right->addWidget(fitsGroup, 2);
    right->addWidget(check, 3);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left);
    layout->addLayout(right, 1);
    resize(Px(kWidthTwips), Px(kHeightTwips));
    built_ = true;
}

void InterferenceDialog::BuildPart(PartFields& part, bool hub) {
    const Language language = form_.Query.LanguageIndex;
    const QString side = hub ? QStringLiteral("Hub") : QStringLiteral("Shaft");
    const auto box = [&](const char* name) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(side + QLatin1String(name));
        connect(edit, &QLineEdit::textChanged, this, &InterferenceDialog::Refresh);
        return edit;
    };
    part.Material = new QComboBox(this);
    part.Material->setObjectName(side + QStringLiteral("Material"));
    part.Material->addItem(Text(More::MaterialCustom));
    for (const MaterialPreset& preset : MaterialPresets()) {
        part.Material->addItem(FromUtf8(MaterialName(preset.Key, language)));
    }
    part.Modulus = box("Modulus");
    part.Poisson = box("Poisson");
    part.HeatingAlpha = box("HeatingAlpha");
    part.CoolingAlpha = box("CoolingAlpha");
    part.Strength = box("Strength");
    part.Strength->setToolTip(Text(More::StrengthTip));
    part.Brittle = new QCheckBox(Text(More::FieldBrittle), this);
    part.Brittle->setObjectName(side + QStringLiteral("Brittle"));
    part.Roughness = box("Roughness");
    part.Roughness->setPlaceholderText(QStringLiteral("0"));
    part.OperatingTemp = box("OperatingTemp");
    part.OperatingTemp->setPlaceholderText(QStringLiteral("20"));
    part.OperatingTemp->setToolTip(Text(More::OperatingTempTip));
    connect(part.Brittle, &QCheckBox::toggled, this, &InterferenceDialog::Refresh);
    connect(part.Material, &QComboBox::currentIndexChanged, this, [this, &part] {
        ApplyPreset(part);
        Refresh();
    });
    // Steel for both parts to begin with: the commonest pair.
    part.Material->setCurrentIndex(1);
}

void InterferenceDialog::ApplyPreset(PartFields& part) {
    const int index = part.Material->currentIndex() - 1;
    const auto presets = MaterialPresets();
    const Language language = form_.Query.LanguageIndex;
    if (index < 0 || index >= static_cast<int>(presets.size())) {
        for (QLineEdit* field : {part.Modulus, part.Poisson, part.HeatingAlpha, part.CoolingAlpha})
            field->setToolTip({});
        return;
    }
    const MaterialPreset& preset = presets[static_cast<std::size_t>(index)];
    PartInput filled;
    ApplyMaterial(preset, filled);
    const auto write = [](QLineEdit* field, const std::string& text) {
        field->setText(FromUtf8(text));
    };
    filling_ = true;
    write(part.Modulus, CsvValue(filled.E));
    write(part.Poisson, CsvValue(filled.Nu));
    write(part.HeatingAlpha, CsvValue(*filled.HeatingAlpha * kMicro));
    write(part.CoolingAlpha, filled.CoolingAlpha ? CsvValue(*filled.CoolingAlpha * kMicro) : "");
    filling_ = false;
    part.Modulus->setToolTip(FromUtf8(RangeTip(preset.E, 1.0, 0, language)));
    part.Poisson->setToolTip(FromUtf8(RangeTip(preset.Nu, 1.0, 2, language)));
    part.HeatingAlpha->setToolTip(
        FromUtf8(RangeTip({preset.HeatingAlpha, preset.HeatingAlpha}, kMicro, 1, language)));
    part.CoolingAlpha->setToolTip(
        preset.CoolingAlpha
            ? FromUtf8(RangeTip({*preset.CoolingAlpha, *preset.CoolingAlpha}, kMicro, 1, language))
            : Text(More::NoCoolingTip));
}

QString InterferenceDialog::Text(More id) const {
    return FromUtf8(LookUpMore(form_.Query.LanguageIndex, id));
}

void InterferenceDialog::Open() {
    // The fit diameter is the basic size as the window reads it, and the
    // fit checked first the one the window shows.
    windowSize_ = form_.Text1->text();
    const BasicSizeReading size = ReadBasicSize(windowSize_.toStdString(), SizeForm::Leading);
    sizeText_ = size.Ok() ? size.Text : std::string();
    checkedFit_.clear();
    checkedLimits_.reset();
    checkedFromWindow_ = false;
    if (!form_.Picture1->isHidden() && form_.Query.HoleOk && form_.Query.ShaftOk) {
        checkedFit_ =
            (form_.LabelSC[0]->text() + QLatin1Char('/') + form_.LabelXC[0]->text()).toStdString();
        const FitOutcome shown = ComputeFitOutcome(form_.HoleEvaluation, form_.ShaftEvaluation);
        checkedLimits_ = ExactFitLimits{shown.Largest, shown.Smallest};
        checkedFromWindow_ = true;
    }
    filling_ = true;
    DiameterBox->setText(FromUtf8(sizeText_));
    filling_ = false;
    Refresh();
    show();
    raise();
    activateWindow();
}

bool InterferenceDialog::event(QEvent* event) {
    // Back from the main window: its size or fit may have changed.
    if (event->type() == QEvent::WindowActivate && isVisible() &&
        windowSize_ != form_.Text1->text()) {
        Open();
    }
    return QDialog::event(event);
}

std::optional<InterferenceInput> InterferenceDialog::ReadInput() {
    bool sound = true;
    // An empty field is `empty`; a field that is not a number is marked.
    const auto read = [&sound](QLineEdit* box, std::optional<double> empty) {
        const std::string text = box->text().trimmed().toStdString();
        if (text.empty()) {
            Mark(*box, false);
            return empty;
        }
        const std::optional<double> value = ReadNumber(text);
        Mark(*box, !value);
        sound = sound && value.has_value();
        return value;
    };
    InterferenceInput in;
    in.Torque = read(TorqueBox, 0.0).value_or(0.0);
    in.AxialForce = read(AxialBox, 0.0).value_or(0.0);
    in.Diameter = ReadNumber(sizeText_).value_or(0.0);
    in.Length = read(LengthBox, 0.0).value_or(0.0);
    in.HubOutside = read(HubOutsideBox, 0.0).value_or(0.0);
    in.ShaftBore = read(ShaftBoreBox, 0.0).value_or(0.0);
    for (const auto& [fields, part] : {std::pair{&Hub, &in.Hub}, {&Shaft, &in.Shaft}}) {
        part->E = read(fields->Modulus, 0.0).value_or(0.0);
        part->Nu = read(fields->Poisson, 0.0).value_or(0.0);
        part->Strength = read(fields->Strength, 0.0).value_or(0.0);
        part->Brittle = fields->Brittle->isChecked();
        part->Ra = read(fields->Roughness, 0.0).value_or(0.0);
        if (const auto alpha = read(fields->HeatingAlpha, std::nullopt)) {
            part->HeatingAlpha = *alpha / kMicro;
        }
        if (const auto alpha = read(fields->CoolingAlpha, std::nullopt)) {
            part->CoolingAlpha = *alpha / kMicro;
        }
        const int preset = fields->Material->currentIndex() - 1;
        part->CannotCool =
            preset >= 0 &&
            !MaterialPresets()[static_cast<std::size_t>(preset)].CoolingAlpha.has_value();
        part->OperatingTemp = read(fields->OperatingTemp, std::nullopt);
    }
    in.Friction = read(FrictionBox, 0.0).value_or(0.0);
    in.Method = AssemblyList->currentIndex() == 1 ? Assembly::Shrink : Assembly::Press;
    in.BrittleSafety = read(SafetyBox, 3.0).value_or(3.0);
    in.RoomTemp = read(RoomTempBox, 20.0).value_or(20.0);
    in.AssemblyClearance = read(ClearanceBox, std::nullopt);
    ClearanceBox->setPlaceholderText(FromUtf8(ReadableValue(in.Diameter, "um")));
    if (!sound) return std::nullopt;
    return in;
}

void InterferenceDialog::Refresh() {
    if (filling_ || !built_) return;
    const Language language = form_.Query.LanguageIndex;
    const std::optional<InterferenceInput> input = ReadInput();
    requirement_ = {};
    requirement_.Trouble = interference::Problem::NotANumber;
    if (input) {
        input_ = *input;
        requirement_ = ComputeRequirement(input_);
    }
    fits::FitRequest request{
        sizeText_,          {}, {}, fits::FitScope::Catalogue, std::nullopt, kFinderRows,
        form_.Query.Edition};
    if (AllFits->isChecked()) request.Scope = fits::FitScope::All;
    if (BasisList->currentIndex() > 0) {
        request.Basis =
            BasisList->currentIndex() == 1 ? fits::BasisSystem::Hole : fits::BasisSystem::Shaft;
    }
    selection_ = SelectFits(form_.Query.ToleranceTables, requirement_, request);
    ShowRequirement();

    filling_ = true;
    FillFitList(*Fits, selection_.Search, language);
    const bool searched = requirement_.Ok() && selection_.Search.Ok();
    const auto& listed =
        selection_.Search.Fits.empty() ? selection_.Search.NearMisses : selection_.Search.Fits;
    Status->setText(searched
                        ? FromUtf8(fits::FinderStatus(selection_.Search, listed.size(), language))
                        : QString());
    // The fit checked stays the one chosen while it is listed; the first
    // listed one when none was chosen.
    if (checkedFit_.empty() && !listed.empty()) checkedFit_ = fits::FitName(listed[0]);
    const auto found = Fits->findItems(FromUtf8(checkedFit_), Qt::MatchExactly);
    Fits->setCurrentItem(found.isEmpty() ? nullptr : found[0]);
    filling_ = false;
    Apply->setEnabled(Fits->currentItem() != nullptr);
    ShowCheck();
}

void InterferenceDialog::ShowRequirement() {
    const Language language = form_.Query.LanguageIndex;
    const bool values =
        requirement_.Ok() || requirement_.Trouble == interference::Problem::NoFitHolds;
    Problem->setText(FromUtf8(ProblemMessage(requirement_.Trouble, requirement_.Where, language)));
    Problem->setVisible(!requirement_.Ok());
    QStringList shown, all;
    if (values) {
        for (const Quantity& q : Quantities(requirement_)) {
            const QString line = Line(q, language);
            all << line;
            if (std::ranges::find(kRequirementShown, q.Key) != std::end(kRequirementShown))
                shown << line;
        }
        shown << FromUtf8(
            FillIn(LookUpMore(language, More::VerdictBinding),
                   PartText(requirement_.PfaMax <= requirement_.PfiMax ? Part::Hub : Part::Shaft,
                            language)));
    }
    RequirementText->setText(shown.join(QLatin1Char('\n')));
    RequirementText->setToolTip(all.join(QLatin1Char('\n')));
}

void InterferenceDialog::ShowCheck() {
    const Language language = form_.Query.LanguageIndex;
    check_.reset();
    CheckValues->clear();
    // The fit of the row picked; else the one checked before, which keeps
    // its limits while the load changes (they depend on the size alone).
    if (const QTreeWidgetItem* item = Fits->currentItem()) {
        const auto& list =
            selection_.Search.Fits.empty() ? selection_.Search.NearMisses : selection_.Search.Fits;
        const auto row = static_cast<std::size_t>(item->data(0, Qt::UserRole).toInt());
        if (row < list.size()) {
            checkedFit_ = fits::FitName(list[row]);
            checkedLimits_ = ExactFitLimits{list[row].Max, list[row].Min};
            checkedFromWindow_ = false;
        }
    }
    const std::optional<ExactFitLimits> limits = checkedLimits_;
    const More title = checkedFromWindow_ ? More::CheckShown : More::CheckOf;
    const bool computed =
        requirement_.Ok() || requirement_.Trouble == interference::Problem::NoFitHolds;
    if (!limits || !computed) {
        CheckTitle->setText(Text(More::CheckNone));
        for (QLabel* label : {SlipVerdict, YieldVerdict}) label->clear();
        TemperatureNote->hide();
        return;
    }
    CheckTitle->setText(FromUtf8(FillIn(LookUpMore(language, title), checkedFit_)));
    check_ = CheckFit(input_, requirement_, *limits);
    if (!check_->Ok()) {
        SlipVerdict->setText(FromUtf8(ProblemMessage(check_->Trouble, check_->Where, language)));
        Colour(*SlipVerdict, false);
        YieldVerdict->clear();
        TemperatureNote->hide();
        return;
    }
    SlipVerdict->setText(FromUtf8(interference::SlipVerdict(*check_, language)));
    Colour(*SlipVerdict, check_->Holds);
    YieldVerdict->setText(FromUtf8(interference::YieldVerdict(*check_, requirement_, language)));
    Colour(*YieldVerdict, check_->Elastic);
    QList<QTreeWidgetItem*> items;
    for (const Quantity& q : Quantities(*check_)) {
        if (!q.Value) continue;
        items << new QTreeWidgetItem(QStringList{FromUtf8(QuantityLabel(q.Key, language)),
                                                 FromUtf8(ReadableValue(*q.Value, q.Unit)) +
                                                     QLatin1Char(' ') +
                                                     FromUtf8(ShownUnit(q.Unit))});
        items.back()->setTextAlignment(1, Qt::AlignRight);
    }
    if (check_->Cooling != interference::Problem::None) {
        items << new QTreeWidgetItem(
            QStringList{FromUtf8(ProblemMessage(check_->Cooling, Part::Shaft, language))});
    }
    CheckValues->addTopLevelItems(items);
    CheckValues->resizeColumnToContents(0);
    TemperatureNote->setVisible(check_->AtOperatingTemp);
}

void InterferenceDialog::ApplyRow(int row) {
    const auto& list =
        selection_.Search.Fits.empty() ? selection_.Search.NearMisses : selection_.Search.Fits;
    if (row < 0 || static_cast<std::size_t>(row) >= list.size()) return;
    const fits::FoundFit fit = list[static_cast<std::size_t>(row)];
    const fits::FitSearch search = selection_.Search;
    ApplyFoundFit(form_, search, fit);
}

}  // namespace brimsel::ui
