// The fit finder of the main window: a required range of clearance in, the
// fits that give it listed as it is typed, and a picked fit shown in the main
// window through the window's own handlers, as the user's clicks and typing
// would show it.
#pragma once

#include <QComboBox>
#include <QDialog>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QTreeWidget>
#include <vector>

#include "fits/FitFinder.h"
#include "texts/MoreStrings.h"

namespace brimsel::ui {

class Form1;

class FitFinderDialog : public QDialog {
    Q_OBJECT
  public:
    explicit FitFinderDialog(Form1& form);

    // Takes the basic size from the main window, shows the dialog and brings it up.
    void Open();
    // Recomputes the list from the fields; runs on every change of them.
    void Refresh();
    // Shows a fit in the main window: a catalogue fit through its basis
    // system, fit kind and list picks, any other through the custom system
    // and its zone boxes; a different size is typed into the size box first.
    void ApplyFit(const fits::FoundFit& fit);

    const fits::FitSearch& Search() const { return search_; }

    QLineEdit* SizeBox = nullptr;
    QLineEdit* MinBox = nullptr;
    QLineEdit* MaxBox = nullptr;
    QComboBox* ScopeList = nullptr;
    QComboBox* BasisList = nullptr;
    QLabel* Status = nullptr;
    QLabel* SizeLabel = nullptr;
    QTreeWidget* Fits = nullptr;

  private:
    QString Text(More id) const;

    Form1& form_;
    fits::FitSearch search_;
    bool opened_ = false;
    QElapsedTimer picked_;  // since the last pick, of row pickedRow_
    std::size_t pickedRow_ = 0;
};

// Rows the dialog lists at most; the status line gives the whole count.
inline constexpr std::size_t kFinderRows = 200;

// The finder's list as every dialog shows it: its columns, then the fits of a
// search (or its near misses when none qualifies), each row holding its index
// in that list.
void SetUpFitList(QTreeWidget& list, Language language);
void FillFitList(QTreeWidget& list, const fits::FitSearch& search, Language language);
// Shows a fit of `search` in the main window: a catalogue fit through its
// basis system, fit kind and list picks, any other through the custom system
// and its zone boxes; a different size is typed into the size box first.
void ApplyFoundFit(Form1& form, const fits::FitSearch& search, const fits::FoundFit& fit);

}  // namespace brimsel::ui
