// The fit the main window shows, at operating temperatures: the hole and the
// shaft each at its own temperature, with its expansion coefficient typed or
// taken from a material; the limits of fit and the kind of fit that result.
#pragma once

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <optional>

#include "interference/Interference.h"
#include "texts/MoreStrings.h"

namespace brimsel::ui {

class Form1;

class OperatingFitDialog : public QDialog {
    Q_OBJECT
  public:
    explicit OperatingFitDialog(Form1& form);

    void Open();
    // Recomputes from the fields and the window's fit; runs on every change.
    void Refresh();

    QLabel* FitText = nullptr;
    QLineEdit* HoleTempBox = nullptr;
    QLineEdit* ShaftTempBox = nullptr;
    QComboBox* HoleMaterial = nullptr;
    QComboBox* ShaftMaterial = nullptr;
    QLineEdit* HoleAlphaBox = nullptr;  // 10^-6/°C
    QLineEdit* ShaftAlphaBox = nullptr;
    QLabel* Result = nullptr;

    // The fit at the temperatures; nothing with a problem or without a fit.
    const std::optional<interference::OperatingFit>& Fit() const { return fit_; }

  protected:
    bool event(QEvent* event) override;

  private:
    QString Text(More id) const;

    Form1& form_;
    std::optional<interference::OperatingFit> fit_;
};

}  // namespace brimsel::ui
