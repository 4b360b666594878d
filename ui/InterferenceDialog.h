// The interference fit calculation of the main window: the load, the
// geometry, the materials and the assembly on the left; on the right the
// interference a fit needs, the fits that give it, and the check of one fit.
// The fit diameter is the window's basic size; a fit is shown in the main
// window through the window's own handlers, as the fit finder shows it.
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <array>
#include <optional>
#include <string>

#include "interference/Interference.h"
#include "interference/Selection.h"
#include "texts/MoreStrings.h"

namespace brimsel::ui {

class Form1;

class InterferenceDialog : public QDialog {
    Q_OBJECT
  public:
    explicit InterferenceDialog(Form1& form);

    // Takes the basic size from the main window, shows the dialog and brings it up.
    void Open();
    // Recomputes everything from the fields; runs on every change of them.
    void Refresh();
    // Shows the fit of a row of the list in the main window.
    void ApplyRow(int row);

    // The fields of one part; the material list fills E, ν and both α.
    struct PartFields {
        QComboBox* Material = nullptr;
        QLineEdit* Modulus = nullptr;
        QLineEdit* Poisson = nullptr;
        QLineEdit* HeatingAlpha = nullptr;  // 10^-6/°C
        QLineEdit* CoolingAlpha = nullptr;
        QLineEdit* Strength = nullptr;
        QCheckBox* Brittle = nullptr;
        QLineEdit* Roughness = nullptr;
        QLineEdit* OperatingTemp = nullptr;
    };

    QLineEdit* TorqueBox = nullptr;
    QLineEdit* AxialBox = nullptr;
    QLineEdit* DiameterBox = nullptr;  // read only: the window's basic size
    QLineEdit* LengthBox = nullptr;
    QLineEdit* HubOutsideBox = nullptr;
    QLineEdit* ShaftBoreBox = nullptr;
    PartFields Hub;
    PartFields Shaft;
    QLineEdit* FrictionBox = nullptr;
    QComboBox* AssemblyList = nullptr;
    QLineEdit* SafetyBox = nullptr;
    QLineEdit* RoomTempBox = nullptr;
    QLineEdit* ClearanceBox = nullptr;

    QLabel* Problem = nullptr;
    QLabel* RequirementText = nullptr;
    QCheckBox* AllFits = nullptr;
    QComboBox* BasisList = nullptr;
    QLabel* Status = nullptr;
    QTreeWidget* Fits = nullptr;
    QPushButton* Apply = nullptr;
    QLabel* CheckTitle = nullptr;
    QLabel* SlipVerdict = nullptr;
    QLabel* YieldVerdict = nullptr;
    QTreeWidget* CheckValues = nullptr;
    QLabel* TemperatureNote = nullptr;

    const interference::Requirement& Requirement() const { return requirement_; }
    const interference::Selection& Selection() const { return selection_; }
    const std::optional<interference::FitCheck>& Check() const { return check_; }
    // The fit the check is about ("H7/s6"); empty for none.
    const std::string& CheckedFit() const { return checkedFit_; }

  protected:
    bool event(QEvent* event) override;

  private:
    QString Text(More id) const;
    void BuildPart(PartFields& part, bool hub);
    void ApplyPreset(PartFields& part);
    // The input as the fields give it; nothing when a field is not a number,
    // which is then marked.
    std::optional<interference::InterferenceInput> ReadInput();
    void ShowRequirement();
    void ShowCheck();

    Form1& form_;
    interference::Requirement requirement_;
    interference::Selection selection_;
    interference::InterferenceInput input_;
    std::optional<interference::FitCheck> check_;
    std::string checkedFit_;
    std::optional<interference::ExactFitLimits> checkedLimits_;
    bool checkedFromWindow_ = false;  // the main window's fit, as the dialog opened
    std::string sizeText_;            // the fit diameter as the window shows the basic size
    QString windowSize_;              // the size box's text it was read from
    bool filling_ = false;            // fields or the list are being written, not edited
    bool built_ = false;
};

}  // namespace brimsel::ui
