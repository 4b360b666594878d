// The main window: its controls, the query state it owns, and the event
// handlers that run the recalculation chains. Every number comes from the
// pure library below ui/; this class copies results into the query state and
// writes the captions.
//
// The control names are fixed; what each shows (Kong hole, Zhou shaft):
//   Text1 / LabelJG        basic size typed / shown in the result
//   OptionJZ(0..2)         basis system: hole, shaft, custom (frame FrameJZ)
//   OptionPH(0..2)         fit kind: clearance, transition, interference (FramePH1)
//   FramePH2, Label4       custom basis: the kind of fit found; Label8 its note
//   ComboKong / ComboZhou  hole / shaft zone lists (hole and shaft basis)
//   TeK / TeZ              hole / shaft zone boxes, over the lists (custom basis)
//   LabelSC(0..2)          hole zone, its upper and lower deviation (FrameCX)
//   LabelXC(0..2)          shaft zone, its upper and lower deviation
//   Line1                  fraction bar between the two zones
//   Picture1               tolerance-zone diagram (frame FrameDT)
//   Label1(0..1)           names of the two limits of fit, on the diagram
//   Label3(0..1)           values of the two limits of fit
//   Label5                 error message, shown while Picture1 is hidden
//   Check1 / Command1      keep in front / about message (frame FrameSET)
//   Label2 "mm", Label6/7 zone captions, Label9 catalogue note, Label10 author
//   line, Image1 logo, FrameJB/FrameGC the size and zone frames.
#pragma once

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QString>
#include <QWidget>
#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "engine/AtomicFile.h"
#include "engine/DataFile.h"
#include "engine/Deviations.h"
#include "engine/ZoneCode.h"
#include "results/Callout.h"
#include "ui/Controls.h"
#include "ui/QueryState.h"

class QMenu;

namespace brimsel::ui {

class FitFinderDialog;
class InterferenceDialog;
class OperatingFitDialog;

class Form1 : public QWidget {
    Q_OBJECT
  public:
    explicit Form1(QWidget* parent = nullptr);

    // The start-up: reads the data file and shows the first fit. False when
    // the data file was rejected: the message has been shown, and the window
    // must not be shown.
    bool Form1_Load();

    // Where Form1_Load takes the tables from: by default Quorbel.dat in the
    // folder of the executable.
    std::function<DataFileResult()> ReadToleranceData;
    static std::filesystem::path DataFilePath();

    // Event handlers, named after their control and event.
    void Text1_KeyPress(std::int16_t& KeyAscii);
    void Text1_GotFocus();
    void Text1_Change();
    void OptionJZ_Click(std::int16_t Index);
    void OptionPH_Click(std::int16_t Index);
    void ComboKong_Click();
    void ComboZhou_Click();
    void TeK_KeyPress(std::int16_t& KeyAscii);
    void TeK_GotFocus();
    void TeK_Change();
    void TeZ_KeyPress(std::int16_t& KeyAscii);
    void TeZ_GotFocus();
    void TeZ_Change();
    void Check1_Click();
    void Command1_Click();
    // The context menu's choice of standard: 0 the 1998 edition, 1 the 2020 edition.
    void MenuEdition_Click(std::int16_t Index);

    // Where the chosen edition is kept between runs (an INI file); empty: not
    // kept, as for a window a test makes. The program sets UsualSettingsFile().
    QString SettingsFile;
    static QString UsualSettingsFile();

    // Beside the result: the context menu, Ctrl+C and the tooltips. They read
    // what the window shows and change nothing in it.
    void CopyResult();
    void CopyCallout(CalloutForm form);
    void SaveDiagram();
    // The diagram as SVG when the name ends in ".svg", else as PNG; false when
    // there is no diagram or the file could not be written whole.
    bool WriteDiagramFile(const QString& path);
    // Where a test makes a step of writing the diagram fail; empty otherwise.
    WriteFault DiagramWriteFault;
    // Asks where to save the diagram; empty when the user cancels.
    std::function<QString()> AskDiagramPath;
    // The context menu, built on first use, its entries made current.
    QMenu* PrepareContextMenu();
    // What a result caption or zone name shows as its tooltip now; empty for none.
    QString ToolTipFor(const QWidget* control) const;
    // The fit finder, made on first use, with the size the window holds.
    void OpenFitFinder();
    FitFinderDialog* FitFinder = nullptr;
    // The interference fit calculation and the fit at operating temperatures,
    // made on first use.
    void OpenInterference();
    void OpenOperatingFit();
    InterferenceDialog* Interference = nullptr;
    OperatingFitDialog* OperatingFit = nullptr;

    QueryState Query;
    // The normalised zone texts the zone boxes last computed.
    std::string LastHoleZone;
    std::string LastShaftZone;
    // The last evaluation of each zone, with where its numbers come from.
    ZoneDeviations HoleEvaluation;
    ZoneDeviations ShaftEvaluation;

    // Controls; arrays are addressed by index.
    QGroupBox* FrameJB = nullptr;
    TextBox* Text1 = nullptr;
    Caption* Label2 = nullptr;
    QGroupBox* FrameJZ = nullptr;
    std::array<OptionButton*, 3> OptionJZ{};
    QGroupBox* FramePH1 = nullptr;
    std::array<OptionButton*, 3> OptionPH{};
    Caption* Label9 = nullptr;
    QGroupBox* FramePH2 = nullptr;
    Caption* Label8 = nullptr;
    Caption* Label4 = nullptr;
    QGroupBox* FrameGC = nullptr;
    Caption* Label6 = nullptr;
    Caption* Label7 = nullptr;
    ListBox* ComboKong = nullptr;
    ListBox* ComboZhou = nullptr;
    TextBox* TeK = nullptr;
    TextBox* TeZ = nullptr;
    QGroupBox* FrameCX = nullptr;
    Caption* LabelJG = nullptr;
    std::array<Caption*, 3> LabelSC{};
    std::array<Caption*, 3> LabelXC{};
    LineControl* Line1 = nullptr;
    QGroupBox* FrameDT = nullptr;
    DrawingSurface* Picture1 = nullptr;
    std::array<Caption*, 2> Label1{};
    std::array<Caption*, 2> Label3{};
    Caption* Label5 = nullptr;
    QGroupBox* FrameSET = nullptr;
    QCheckBox* Check1 = nullptr;
    QPushButton* Command1 = nullptr;
    QLabel* Image1 = nullptr;
    Caption* Label10 = nullptr;

  protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    friend struct Form1TestAccess;

    void ConnectResultExtras();
    void BuildContextMenu();
    // The fit as the window shows it; nothing while an error is shown.
    bool ShowsEvaluation(ZoneMember member) const;
    std::optional<ShownFit> ShownResult() const;
    QMenu* ContextMenu = nullptr;

    void ZoneBoxChange(ZoneMember member);
    void PutInZoneBox(ZoneMember member, const QString& entry);
    void ComputeHoleDeviations();
    void ComputeShaftDeviations();
    void ComputeDeviations(ZoneMember member);
    void ShowError(std::int16_t code);
    void ShowFitResult();
    void DrawToleranceDiagram();
    void ListFitsForBaseHole();
    void ListFitsForBaseShaft();
    void RefillBaseShaftList();

    // The edition kept in SettingsFile; 1998 when there is none or it cannot be read.
    Edition RecallEdition() const;
    // False when the file could not be written.
    bool RememberEdition() const;
    // The window title and the size frame's caption in the edition's words.
    void ShowEditionCaptions();

    void CreateControls();
    void ConnectHandlers();
    void BringToFront(QGroupBox* frame);
    void PlaceFractionBarLeft();
    // Text number n of the string table in the language of the query state.
    QString String(int n) const;
};

}  // namespace brimsel::ui
