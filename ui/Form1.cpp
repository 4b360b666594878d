#include "ui/Form1.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QIcon>
#include <QImageReader>
#include <QPixmap>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <string_view>
#include <utility>

#include "datafile/ShippedDigest.h"
#include "engine/BasicSize.h"
#include "engine/Deviations.h"
#include "engine/FitOutcome.h"
#include "engine/NumberText.h"
#include "engine/ZoneCode.h"
#include "fits/Catalogue.h"
#include "results/Diagram.h"
#include "results/FitLimits.h"
#include "texts/Meanings.h"
#include "texts/StringTable.h"
#include "ui/Appearance.h"
#include "ui/Layout.h"
#include "ui/MessageBox.h"

// The emblem lives in a static library, whose resource registration the
// linker would drop unless something calls it.
static void RegisterResources() { Q_INIT_RESOURCE(brimsel); }

namespace brimsel::ui {

namespace {

#ifndef BRIMSEL_VERSION
#error "BRIMSEL_VERSION must name the program's version"
#endif

// The title, three blanks, the version.
constexpr const char* kWindowCaption = "Brimsel   V" BRIMSEL_VERSION;
constexpr const char* kBlankDeviation = " - - -";
constexpr const char* kKindMark = "●  ";
constexpr std::int16_t kBackspace = 8;
// The fraction bar starts this far left of the nearer zone name.
constexpr int kBarLeadTwips = 30;

// Fixed Chinese text of the about box; it does not follow the language index.
constexpr const char* kAboutLines[] = {
    "                                     软件说明",
    "",
    "《Brimsel》是免费、绿色、小巧、实用的工具软件，",
    "符合国标《GB/T 1800.3-1998》和国标《GB/T 1801-1999》中公差与配合的规定。",
    "",
    "特点:",
    "1. 基本尺寸范围0～3150,公差等级范围IT01～IT18；",
    "2. 基孔制或基轴制查询，仅显示优先及常用配合；",
    "3. 自定义查询涵盖所有公差，包括IT01、IT0等级，cd、ef、fg、za、zb、zc配合；",
    "4. 可选择间隙配合、过渡配合、过盈配合；",
    "5. 图表显示公差带情况和极限间隙或极限过盈数值；",
    "6. 快速显示查询结果，每一项改变都会自动更新结果。",
    "",
    "如发现问题，请与作者联系，谢谢！",
};

QString AboutText() {
    QStringList lines;
    for (const char* line : kAboutLines) lines << QString::fromUtf8(line);
    return lines.join(QStringLiteral("\r\n"));
}

// Colours are set for the active and inactive states only, so that a
// disabled control still greys out.
void SetColour(QWidget* widget, std::initializer_list<QPalette::ColorRole> roles, QRgb colour) {
    QPalette palette = widget->palette();
    for (const QPalette::ColorRole role : roles) {
        palette.setColor(QPalette::Active, role, QColor(colour));
        palette.setColor(QPalette::Inactive, role, QColor(colour));
    }
    widget->setPalette(palette);
}

template <class Widget>
Widget* Put(Widget* widget, std::string_view name) {
    widget->setObjectName(FromUtf8(name));
    if (const ControlPlace* place = FindControlPlace(name)) {
        widget->setGeometry(PxRect(place->Twips));
    }
    return widget;
}

QGroupBox* MakeFrame(QWidget* parent, std::string_view name, const char* caption) {
    auto* frame = Put(new QGroupBox(QString::fromUtf8(caption), parent), name);
    frame->setFont(fonts::Make(fonts::kArial, 9));
    // Styles draw the title with either role.
    SetColour(frame, {QPalette::WindowText, QPalette::Text}, colours::kPurple);
    return frame;
}

Caption* MakeLabel(QWidget* parent, std::string_view name, const char* text, const QFont& font,
                   QRgb colour, Qt::Alignment alignment, bool autoSize = true) {
    auto* label = Put(new Caption(parent, autoSize), name);
    label->setFont(font);
    label->setAlignment(alignment | Qt::AlignTop);
    SetColour(label, {QPalette::WindowText}, colour);
    // A label that starts empty keeps its place in the layout until its first
    // text: sizing it to nothing would load its font for an empty line, and
    // the error line's bold face would be loaded for a window with no error.
    if (*text != '\0') label->SetText(QString::fromUtf8(text));
    return label;
}

OptionButton* MakeOption(QWidget* parent, std::string_view name, std::int16_t index,
                         const char* text) {
    auto* option = Put(new OptionButton(parent, index), name);
    option->setText(QString::fromUtf8(text));
    option->setFont(fonts::Make(fonts::kArial, 9));
    SetColour(option, {QPalette::WindowText}, colours::kTeal);
    return option;
}

TextBox* MakeTextBox(QWidget* parent, std::string_view name, int typedLimit, const QFont& font) {
    auto* box = Put(new TextBox(parent, typedLimit), name);
    box->setFont(font);
    SetColour(box, {QPalette::Text}, colours::kBlue);
    return box;
}

ListBox* MakeList(QWidget* parent, std::string_view name) {
    auto* list = Put(new ListBox(parent), name);
    // Usually the frame's font already: set again, it would make the list
    // build its drop-down (a list view and its menu) at once rather than when
    // first opened, which then takes the list's font all the same.
    if (const QFont font = fonts::Make(fonts::kArial, 9); list->font() != font) list->setFont(font);
    SetColour(list, {QPalette::Text, QPalette::ButtonText}, colours::kBlue);
    return list;
}

// Empties a list and, when there is a group, fills it with the group's zones
// and selects the group's default.
void FillList(ListBox& list, const fits::ZoneList& group) {
    ClearList(list);
    if (!group.Found) return;
    for (const std::string_view zone : group.Entries) list.addItem(FromUtf8(zone));
    SelectListIndex(list, group.DefaultPosition);
}

bool IsZoneKey(std::int16_t keyAscii) {
    return (keyAscii >= 'a' && keyAscii <= 'z') || (keyAscii >= 'A' && keyAscii <= 'Z') ||
           (keyAscii >= '0' && keyAscii <= '9') || keyAscii == kBackspace;
}

}  // namespace

Form1::Form1(QWidget* parent) : QWidget(parent) {
    RegisterResources();
    fonts::InstallSubstitutes();
    setObjectName(FromUtf8(kWindowName));
    setWindowTitle(QString::fromUtf8(kWindowCaption));
    setFont(fonts::Make(fonts::kArial, 9));
    setFixedSize(Px(kClientArea.Width), Px(kClientArea.Height));
    ReadToleranceData = [] { return LoadToleranceFile(DataFilePath(), kShippedDataDigest); };
    CreateControls();
    ConnectHandlers();
    ConnectResultExtras();
}

void Form1::CreateControls() {
    using fonts::kArial;
    using fonts::kDotumChe;
    using fonts::Make;
    const QFont arial9 = Make(kArial, 9);

    // Read once, as PNG and only as PNG: an icon made from the file name, or
    // a reader left to detect the format, would first offer the file to every
    // image format plugin, loading them all at start-up.
    QImageReader emblemReader(QStringLiteral(":/brimsel/emblem.png"), "png");
    emblemReader.setAutoDetectImageFormat(false);
    const QPixmap emblem = QPixmap::fromImage(emblemReader.read());
    setWindowIcon(QIcon(emblem));
    Image1 = Put(new QLabel(this), "Image1");
    Image1->setPixmap(emblem.scaled(Image1->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));

    FrameJB = MakeFrame(this, "FrameJB", "基本尺寸");
    Text1 = MakeTextBox(FrameJB, "Text1", 6, Make(kArial, 12, true));
    Text1->setText(QStringLiteral("100"));
    Label2 = MakeLabel(FrameJB, "Label2", "mm", arial9, colours::kGreen, Qt::AlignLeft);

    FrameJZ = MakeFrame(this, "FrameJZ", "基准制式");
    OptionJZ[0] = MakeOption(FrameJZ, "OptionJZ(0)", 0, "基孔制");
    OptionJZ[1] = MakeOption(FrameJZ, "OptionJZ(1)", 1, "基轴制");
    OptionJZ[2] = MakeOption(FrameJZ, "OptionJZ(2)", 2, "自定义");

    FramePH1 = MakeFrame(this, "FramePH1", "配合形式");
    OptionPH[0] = MakeOption(FramePH1, "OptionPH(0)", 0, "间隙配合");
    OptionPH[1] = MakeOption(FramePH1, "OptionPH(1)", 1, "过渡配合");
    OptionPH[2] = MakeOption(FramePH1, "OptionPH(2)", 2, "过盈配合");
    OptionPH[0]->setChecked(true);
    Label9 =
        MakeLabel(FramePH1, "Label9", "仅优先和常用配合", arial9, colours::kRed, Qt::AlignHCenter);

    FramePH2 = MakeFrame(this, "FramePH2", "配合形式");
    Label8 = MakeLabel(FramePH2, "Label8", "        自定义可查询所有公差，但不推荐使用 ",
                       Make(kArial, 8.25), colours::kRed, Qt::AlignLeft, false);
    Label8->setWordWrap(true);
    Label4 = MakeLabel(FramePH2, "Label4", "", arial9, colours::kTeal, Qt::AlignLeft, false);

    FrameGC = MakeFrame(this, "FrameGC", "公差等级");
    Label6 = MakeLabel(FrameGC, "Label6", "孔公差", arial9, colours::kTeal, Qt::AlignRight);
    Label7 = MakeLabel(FrameGC, "Label7", "轴公差", arial9, colours::kTeal, Qt::AlignRight);
    ComboKong = MakeList(FrameGC, "ComboKong");
    ComboZhou = MakeList(FrameGC, "ComboZhou");
    TeK = MakeTextBox(FrameGC, "TeK", 4, arial9);
    TeZ = MakeTextBox(FrameGC, "TeZ", 4, arial9);

    FrameCX = MakeFrame(this, "FrameCX", "查询结果");
    LabelJG = MakeLabel(FrameCX, "LabelJG", "", Make(kArial, 15.75, true), colours::kBlue,
                        Qt::AlignHCenter);
    LabelSC[0] =
        MakeLabel(FrameCX, "LabelSC(0)", "", Make(kArial, 12), colours::kBlue, Qt::AlignHCenter);
    LabelSC[1] =
        MakeLabel(FrameCX, "LabelSC(1)", "", Make(kDotumChe, 9), colours::kBlue, Qt::AlignLeft);
    LabelSC[2] =
        MakeLabel(FrameCX, "LabelSC(2)", "", Make(kDotumChe, 9), colours::kBlue, Qt::AlignLeft);
    LabelXC[0] =
        MakeLabel(FrameCX, "LabelXC(0)", "", Make(kArial, 12), colours::kBlue, Qt::AlignHCenter);
    LabelXC[1] =
        MakeLabel(FrameCX, "LabelXC(1)", "", Make(kDotumChe, 9), colours::kBlue, Qt::AlignLeft);
    LabelXC[2] =
        MakeLabel(FrameCX, "LabelXC(2)", "", Make(kDotumChe, 9), colours::kBlue, Qt::AlignLeft);
    Line1 = Put(new LineControl(FrameCX), "Line1");
    SetColour(Line1, {QPalette::WindowText}, colours::kBlue);
    Line1->SetEnds(kLine1.X1, kLine1.Y1, kLine1.X2, kLine1.Y2);

    FrameDT = MakeFrame(this, "FrameDT", "公差带图");
    // Created first, so that the drawing surface lies over it.
    Label5 =
        MakeLabel(FrameDT, "Label5", "", Make(kArial, 9, true), colours::kRed, Qt::AlignHCenter);
    Picture1 = Put(new DrawingSurface(FrameDT), "Picture1");
    Picture1->setFont(arial9);
    // The drawing's own colours are the system's, not the frame's purple.
    QPalette system = Picture1->palette();
    for (const QPalette::ColorGroup group :
         {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::Window}) {
            system.setColor(group, role, QApplication::palette().color(group, role));
        }
    }
    Picture1->setPalette(system);
    Picture1->setFocusPolicy(Qt::StrongFocus);
    Picture1->Clear();
    Label1[0] = MakeLabel(Picture1, "Label1(0)", "", arial9, colours::kBlue, Qt::AlignRight);
    Label1[1] = MakeLabel(Picture1, "Label1(1)", "", arial9, colours::kBlue, Qt::AlignRight);
    Label3[0] =
        MakeLabel(Picture1, "Label3(0)", "", Make(kDotumChe, 9), colours::kBlue, Qt::AlignLeft);
    Label3[1] =
        MakeLabel(Picture1, "Label3(1)", "", Make(kDotumChe, 9), colours::kBlue, Qt::AlignLeft);

    FrameSET = MakeFrame(this, "FrameSET", "选项");
    Check1 = Put(new QCheckBox(QStringLiteral("置前显示"), FrameSET), "Check1");
    Check1->setFont(arial9);
    SetColour(Check1, {QPalette::WindowText}, colours::kTeal);
    Command1 = Put(new QPushButton(QStringLiteral("说 明"), FrameSET), "Command1");
    Command1->setFont(font());
    Command1->setAutoDefault(false);

    // In the window's own colour; the text is the table's Chinese entry 23.
    Label10 = Put(new Caption(this, true), "Label10");
    Label10->setFont(arial9);
    Label10->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label10->SetText(FromUtf8(LoadString(123)));

    const std::array<QWidget*, 14> focusOrder = {
        Text1,     OptionJZ[0], OptionJZ[1], OptionJZ[2], OptionPH[0], OptionPH[1], OptionPH[2],
        ComboKong, ComboZhou,   TeK,         TeZ,         Check1,      Picture1,    Command1};
    for (std::size_t i = 0; i + 1 < focusOrder.size(); ++i) {
        setTabOrder(focusOrder[i], focusOrder[i + 1]);
    }
    Text1->setFocus(Qt::OtherFocusReason);
}

void Form1::ConnectHandlers() {
    Text1->KeyPress = [this](std::int16_t& KeyAscii) { Text1_KeyPress(KeyAscii); };
    Text1->GotFocus = [this] { Text1_GotFocus(); };
    Text1->Change = [this] { Text1_Change(); };
    for (OptionButton* option : OptionJZ) {
        option->Click = [this](std::int16_t Index) { OptionJZ_Click(Index); };
    }
    for (OptionButton* option : OptionPH) {
        option->Click = [this](std::int16_t Index) { OptionPH_Click(Index); };
    }
    ComboKong->Click = [this] { ComboKong_Click(); };
    ComboZhou->Click = [this] { ComboZhou_Click(); };
    TeK->KeyPress = [this](std::int16_t& KeyAscii) { TeK_KeyPress(KeyAscii); };
    TeK->GotFocus = [this] { TeK_GotFocus(); };
    TeK->Change = [this] { TeK_Change(); };
    TeZ->KeyPress = [this](std::int16_t& KeyAscii) { TeZ_KeyPress(KeyAscii); };
    TeZ->GotFocus = [this] { TeZ_GotFocus(); };
    TeZ->Change = [this] { TeZ_Change(); };
    connect(Check1, &QCheckBox::toggled, this, [this] { Check1_Click(); });
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
}

std::filesystem::path Form1::DataFilePath() {
    const QByteArray folder = QFile::encodeName(QCoreApplication::applicationDirPath());
    return std::filesystem::path(folder.toStdString()) / kDataFileName;
}

QString Form1::String(int n) const { return FromUtf8(LookUpString(Query.LanguageIndex, n)); }

void Form1::BringToFront(QGroupBox* frame) {
    // The two fit-kind frames share one place; the one behind is hidden so
    // that neither its look nor its buttons get through.
    QGroupBox* twin = frame == FramePH1 ? FramePH2 : frame == FramePH2 ? FramePH1 : nullptr;
    frame->raise();
    frame->show();
    if (twin) twin->hide();
}

void Form1::PlaceFractionBarLeft() {
    Line1->SetX1(std::min(Twips(LabelSC[0]->x()), Twips(LabelXC[0]->x())) - kBarLeadTwips);
}

// ---- Start-up ---------------------------------------------------------------

bool Form1::Form1_Load() {
    Query.LanguageIndex = Language::Chinese;
    DataFileResult file = ReadToleranceData();
    if (!file.Ok()) {
        ShowMessage(nullptr,
                    {String(29), MessageIcon::Exclamation, QString::fromLatin1(kProgramTitle)});
        return false;
    }
    Query.ToleranceTables = std::move(*file.Data);
    Query.HoleOk = true;
    Query.ShaftOk = true;
    Query.BasicSize = 100.0f;
    LabelJG->SetText(FromUtf8(SingleText(Query.BasicSize)));
    SetOptionValue(*OptionJZ[0]);
    BringToFront(FramePH1);
    return true;
}

// ---- Basic size --------------------------------------------------------------

void Form1::Text1_KeyPress(std::int16_t& KeyAscii) {
    const bool digit = KeyAscii >= '0' && KeyAscii <= '9';
    if (!digit && KeyAscii != '.' && KeyAscii != kBackspace) KeyAscii = 0;
}

void Form1::Text1_GotFocus() { Text1->setSelection(0, static_cast<int>(Text1->text().size())); }

void Form1::Text1_Change() {
    Query.ErrorCode = error_code::kNone;
    const std::string text = Text1->text().toStdString();
    if (text.empty()) {
        LabelJG->SetText(QString());
        Query.ErrorCode = error_code::kBasicSize;
    } else {
        FrameJZ->setEnabled(true);
        FrameGC->setEnabled(true);
        FramePH1->setEnabled(true);
        // The box's leading number; a pasted minus sign, or more digits than
        // the size keeps, is refused like a size above the standard's range.
        const BasicSizeReading size = ReadBasicSize(text, SizeForm::Leading);
        Query.BasicSize = size.Value;
        LabelJG->SetText(FromUtf8(SingleText(Query.BasicSize)));
        if (!size.Ok()) {
            Query.ErrorCode = error_code::kBasicSize;
        } else if (OptionJZ[0]->isChecked()) {
            ListFitsForBaseHole();
        } else if (OptionJZ[1]->isChecked()) {
            if (OptionPH[2]->isChecked()) RefillBaseShaftList();
            ListFitsForBaseShaft();
        }
    }
    if (Query.ErrorCode != error_code::kNone) {
        ShowError(Query.ErrorCode);
        return;
    }
    ComputeHoleDeviations();
    ComputeShaftDeviations();
    if (Query.HoleOk && Query.ShaftOk) ShowFitResult();
}

// ---- Basis system and fit kind -----------------------------------------------

void Form1::OptionJZ_Click(std::int16_t Index) {
    if (Index == 0 || Index == 1) {
        BringToFront(FramePH1);
        ComboKong->show();
        ComboZhou->show();
        TeK->hide();
        TeZ->hide();
    } else {
        BringToFront(FramePH2);
        ComboKong->hide();
        ComboZhou->hide();
        TeK->show();
        TeZ->show();
    }
    Query.BasisIndex = Index;
    OptionPH_Click(Query.FitKindIndex);
}

void Form1::OptionPH_Click(std::int16_t Index) {
    Query.FitKindIndex = Index;
    if (Query.BasisIndex != 0 && Query.BasisIndex != 1) return;
    const fits::ZoneList bases = fits::BaseZones(Query.BasisIndex, Index, Query.BasicSize);
    FillList(Query.BasisIndex == 0 ? *ComboKong : *ComboZhou, bases);
}

void Form1::ComboKong_Click() {
    PutInZoneBox(ZoneMember::Hole, ComboKong->currentText());
    if (OptionJZ[0]->isChecked()) ListFitsForBaseHole();
}

void Form1::ComboZhou_Click() {
    PutInZoneBox(ZoneMember::Shaft, ComboZhou->currentText());
    if (OptionJZ[1]->isChecked()) ListFitsForBaseShaft();
}

// An entry the box already holds changes no text, so the box's handling
// would not run: run it, so that a fit whose other zone has just changed is
// drawn anew (shaft basis: "h7" then "h8" both select "F8").
void Form1::PutInZoneBox(ZoneMember member, const QString& entry) {
    TextBox& box = member == ZoneMember::Hole ? *TeK : *TeZ;
    if (box.text() == entry) {
        ZoneBoxChange(member);
    } else {
        WriteText(box, entry);
    }
}

// The interference base shafts depend on the size. The first entry is
// selected as soon as it is in the list, before the rest is added, so that its
// chain runs for the new size even when the default ends up elsewhere.
void Form1::RefillBaseShaftList() {
    const fits::ZoneList bases =
        fits::BaseZones(/*shaft basis*/ 1, /*interference*/ 2, Query.BasicSize);
    ClearList(*ComboZhou);
    for (std::size_t i = 0; i < bases.Entries.size(); ++i) {
        ComboZhou->addItem(FromUtf8(bases.Entries[i]));
        if (i == 0) SelectListIndex(*ComboZhou, 0);
    }
    SelectListIndex(*ComboZhou, bases.DefaultPosition);
}

void Form1::ListFitsForBaseHole() {
    const std::string key =
        fits::FitGroupKey(Query.FitKindIndex, ComboKong->currentText().toStdString());
    FillList(*ComboZhou, fits::ListHoleBasisGroup(key, Query.BasicSize));
}

void Form1::ListFitsForBaseShaft() {
    const std::string key =
        fits::FitGroupKey(Query.FitKindIndex, ComboZhou->currentText().toStdString());
    FillList(*ComboKong, fits::ListShaftBasisGroup(key, Query.BasicSize));
}

// ---- Zone boxes --------------------------------------------------------------

void Form1::TeK_KeyPress(std::int16_t& KeyAscii) {
    if (!IsZoneKey(KeyAscii)) KeyAscii = 0;
}

void Form1::TeK_GotFocus() { TeK->setSelection(0, static_cast<int>(TeK->text().size())); }

void Form1::TeK_Change() { ZoneBoxChange(ZoneMember::Hole); }

void Form1::TeZ_KeyPress(std::int16_t& KeyAscii) {
    if (!IsZoneKey(KeyAscii)) KeyAscii = 0;
}

void Form1::TeZ_GotFocus() { TeZ->setSelection(0, static_cast<int>(TeZ->text().size())); }

void Form1::TeZ_Change() { ZoneBoxChange(ZoneMember::Shaft); }

// Both zone boxes: the preferred mark or a blank dropped, the code split at
// its first digit, the grade rule applied, the letters in the member's case.
void Form1::ZoneBoxChange(ZoneMember member) {
    const bool hole = member == ZoneMember::Hole;
    TextBox& box = hole ? *TeK : *TeZ;
    const NormalisedZone zone = NormaliseZoneCode(box.text().toStdString(), member);
    (hole ? Query.HoleLetter : Query.ShaftLetter) = zone.Letters;
    (hole ? Query.HoleGrade : Query.ShaftGrade) = zone.Grade;
    const QString text = FromUtf8(zone.Text);
    WriteText(box, text);
    // A text that needs two passes ("**F8") was finished by the nested ones.
    if (box.text() != text) return;
    box.setCursorPosition(static_cast<int>(text.size()));
    (hole ? LabelSC : LabelXC)[0]->SetText(text);
    std::string& last = hole ? LastHoleZone : LastShaftZone;
    if (zone.Text != last) {
        last = zone.Text;
        hole ? ComputeHoleDeviations() : ComputeShaftDeviations();
    }
    if (!OptionJZ[hole ? 0 : 1]->isChecked() && Query.HoleOk && Query.ShaftOk) ShowFitResult();
}

// ---- Limit deviations ----------------------------------------------------------

void Form1::ComputeHoleDeviations() { ComputeDeviations(ZoneMember::Hole); }

void Form1::ComputeShaftDeviations() { ComputeDeviations(ZoneMember::Shaft); }

// Only the hole zone's text is passed on: "M6" has a rule of its own.
void Form1::ComputeDeviations(ZoneMember member) {
    const bool hole = member == ZoneMember::Hole;
    bool& ok = hole ? Query.HoleOk : Query.ShaftOk;
    ok = false;
    Query.ErrorCode = error_code::kNone;
    const std::string zoneText = hole ? TeK->text().toStdString() : std::string();
    const std::string letters = hole ? Query.HoleLetter : Query.ShaftLetter;
    std::string& grade = hole ? Query.HoleGrade : Query.ShaftGrade;
    const ZoneQuery query{letters, grade, Query.BasicSize, OptionJZ[2]->isChecked(), zoneText};
    const ZoneDeviations zone = hole ? EvaluateHoleZone(Query.ToleranceTables, query)
                                     : EvaluateShaftZone(Query.ToleranceTables, query);
    (hole ? HoleEvaluation : ShaftEvaluation) = zone;
    if (zone.BarPlaced) PlaceFractionBarLeft();
    grade = zone.Grade;
    if (!zone.Ok()) {
        Query.ErrorCode = zone.ErrorCode;
        ShowError(Query.ErrorCode);
        return;
    }
    (hole ? Query.HoleUpperDev : Query.ShaftUpperDev) = zone.Upper;
    (hole ? Query.HoleLowerDev : Query.ShaftLowerDev) = zone.Lower;
    const auto& labels = hole ? LabelSC : LabelXC;
    labels[1]->SetText(FromUtf8(zone.UpperText));
    labels[2]->SetText(FromUtf8(zone.LowerText));
    ok = true;
}

// ---- Error display -------------------------------------------------------------

void Form1::ShowError(std::int16_t code) {
    Picture1->hide();
    FrameDT->setTitle(String(24));
    const QString blank = QString::fromLatin1(kBlankDeviation);
    QString message;
    if (const ErrorMeaning* meaning = FindErrorMeaning(code)) {
        for (const auto& [blanks, labels] : {std::pair(meaning->BlanksHole, &LabelSC),
                                             std::pair(meaning->BlanksShaft, &LabelXC)}) {
            if (!blanks) continue;
            (*labels)[1]->SetText(blank);
            (*labels)[2]->SetText(blank);
        }
        message = String(meaning->Message);
    }
    if (code == error_code::kBasicSize) {
        FrameJZ->setEnabled(false);
        FrameGC->setEnabled(false);
        FramePH1->setEnabled(false);
    }
    Label4->SetText(QString());
    Label5->SetText(message);
}

// ---- Fit result and diagram ------------------------------------------------------

void Form1::ShowFitResult() {
    Picture1->show();
    FrameDT->setTitle(String(16));
    Line1->SetX2(
        FractionBarRightEnd(LabelSC[1]->text().toStdString(), LabelSC[2]->text().toStdString(),
                            LabelXC[1]->text().toStdString(), LabelXC[2]->text().toStdString()));
    DrawToleranceDiagram();
    const FitOutcome outcome = ComputeFitOutcome(HoleEvaluation, ShaftEvaluation);
    const Language language = Query.LanguageIndex;
    Label3[0]->SetText(FromUtf8(outcome.LargestText));
    Label3[1]->SetText(FromUtf8(outcome.SmallestText));
    Label1[0]->SetText(FromUtf8(LimitNameText(language, outcome.LargestName)) + QLatin1Char('='));
    Label1[1]->SetText(FromUtf8(LimitNameText(language, outcome.SmallestName)) + QLatin1Char('='));
    Label4->SetText(QString::fromUtf8(kKindMark) + FromUtf8(KindText(language, outcome.Kind)));
}

void Form1::DrawToleranceDiagram() {
    Picture1->Clear();
    Picture1->setFont(fonts::Make(fonts::kArial, 9));
    DiagramInput input;
    input.TextHeight =
        static_cast<std::int16_t>(std::lround(20.0 * fonts::Points(Picture1->font())));
    input.HoleUpper = Query.HoleUpperDev;
    input.HoleLower = Query.HoleLowerDev;
    input.ShaftUpper = Query.ShaftUpperDev;
    input.ShaftLower = Query.ShaftLowerDev;
    input.SurfaceHeight = Twips(Picture1->height());
    const QString holeName = String(17);
    const QString shaftName = String(18);
    input.HoleName = holeName.toStdString();
    input.ShaftName = shaftName.toStdString();
    input.HoleNameWidth = static_cast<std::int16_t>(Twips(Picture1->TextWidth(holeName)));
    input.ShaftNameWidth = static_cast<std::int16_t>(Twips(Picture1->TextWidth(shaftName)));
    Picture1->Draw(LayOutToleranceDiagram(input).Commands);
}

// ---- Options -------------------------------------------------------------------

void Form1::Check1_Click() {
    const bool ticked = Check1->isChecked();
    const bool wasVisible = isVisible();
    const QPoint position = pos();
    // Qt may re-create the native window to change this flag, which hides it.
    setWindowFlag(Qt::WindowStaysOnTopHint, ticked);
    move(position);
    if (wasVisible && !isVisible()) {
        show();
        activateWindow();
    }
}

void Form1::Command1_Click() {
    ShowMessage(this, {AboutText(), MessageIcon::Information, QString::fromLatin1(kProgramTitle)});
}

}  // namespace brimsel::ui
