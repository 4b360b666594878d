// The interference calculation and the fit at operating temperatures, as a
// user works them from the context menu: typing recomputes, a fit listed is
// checked and shown in the main window through its handlers.
#include <QAction>
#include <QMenu>

#include "UiTestSupport.h"
#include "ui/InterferenceDialog.h"
#include "ui/OperatingFitDialog.h"

namespace brimsel::ui {
namespace {

using test::Text;

void Type(QLineEdit* box, const char* text) {
    box->selectAll();
    QTest::keyClicks(box, QString::fromUtf8(text));
}

TEST(InterferenceDialog, ThePublishedExampleListsChecksAndApplies) {
    test::Driver d;
    d.Start("shown");
    WriteText(*d.form->Text1, QStringLiteral("34.5"));
    d.form->PrepareContextMenu()->findChild<QAction*>("InterferenceFit")->trigger();
    InterferenceDialog& dialog = *d.form->Interference;
    ASSERT_TRUE(dialog.isVisible());
    EXPECT_EQ(Text(dialog.DiameterBox->text()), "34.5");
    // Steel to begin with: the middles of the table's ranges, the ranges as tips.
    EXPECT_EQ(Text(dialog.Hub.Modulus->text() + " " + dialog.Hub.Poisson->text() + " " +
                   dialog.Shaft.HeatingAlpha->text() + " " + dialog.Shaft.CoolingAlpha->text()),
              "217500 0.305 11 -8.5");
    EXPECT_EQ(Text(dialog.Hub.Modulus->toolTip()), "表中范围：200000 至 235000");
    EXPECT_NE(Text(dialog.FrictionBox->toolTip()).find("钢–青铜  0.15–0.20 / 0.03–0.06"),
              std::string::npos);

    for (auto [box, text] : {std::pair{dialog.TorqueBox, "200"},
                             {dialog.LengthBox, "21"},
                             {dialog.HubOutsideBox, "117"},
                             {dialog.FrictionBox, "0.11"}}) {
        Type(box, text);
    }
    for (InterferenceDialog::PartFields* part : {&dialog.Hub, &dialog.Shaft}) {
        Type(part->Modulus, "220000");
        Type(part->Poisson, "0.3");
        Type(part->Strength, "400");
        Type(part->Roughness, "0.8");
    }
    ASSERT_TRUE(dialog.Requirement().Ok());
    EXPECT_NEAR(dialog.Requirement().DeltaMin, 21.027118, 5e-7);
    const std::string shown = Text(dialog.RequirementText->text());
    EXPECT_NE(shown.find("所需最小过盈 δ_min  21.0 µm"), std::string::npos) << shown;
    EXPECT_NE(shown.find("允许最大有效过盈 δ_emax  68.7 µm"), std::string::npos) << shown;
    // At 34.5 mm H7/t6 gives 23 to 64 µm: inside 21.0..68.7; the checked fit holds.
    const auto rows = dialog.Fits->findItems(QStringLiteral("H7/t6"), Qt::MatchExactly);
    ASSERT_EQ(rows.size(), 1);
    dialog.Fits->setCurrentItem(rows[0]);
    EXPECT_EQ(dialog.CheckedFit(), "H7/t6");
    ASSERT_TRUE(dialog.Check() && dialog.Check()->Holds && dialog.Check()->Elastic);
    EXPECT_EQ(Text(dialog.SlipVerdict->text()).rfind("不打滑", 0), 0u);
    EXPECT_EQ(Text(dialog.YieldVerdict->text()).rfind("保持弹性", 0), 0u);

    // A keystroke recomputes: ten times the torque no fit carries.
    dialog.TorqueBox->setCursorPosition(3);
    QTest::keyClick(dialog.TorqueBox, Qt::Key_0);
    EXPECT_EQ(dialog.Requirement().Trouble, interference::Problem::NoFitHolds);
    EXPECT_EQ(Text(dialog.Problem->text()), "没有过盈配合能传递此载荷而不屈服：轴限制了最大过盈");
    EXPECT_EQ(dialog.Fits->topLevelItemCount(), 0);
    EXPECT_EQ(Text(dialog.SlipVerdict->text()).rfind("会打滑", 0), 0u) << "H7/t6 still checked";
    QTest::keyClick(dialog.TorqueBox, Qt::Key_Backspace);
    Type(dialog.Hub.Strength, "4x0");
    EXPECT_EQ(dialog.Requirement().Trouble, interference::Problem::NotANumber);
    Type(dialog.Hub.Strength, "400");

    // Shown in the main window through its handlers: the interference
    // button and the list picks of the hole basis.
    dialog.Fits->setCurrentItem(dialog.Fits->findItems("H7/t6", Qt::MatchExactly)[0]);
    QTest::mouseClick(dialog.Apply, Qt::LeftButton);
    EXPECT_EQ(d.Read("LabelSC(0)|LabelXC(0)|Label3(0)|Label3(1)", "text"), "H7|t6|-0.023|-0.064");
    EXPECT_EQ(d.Read("Query", "FitKindIndex"), "2");
    EXPECT_EQ(d.Read("OptionPH(2)", "checked"), "true");
}

TEST(InterferenceDialog, ChecksTheMainWindowsFitAndShrinkTemperatures) {
    test::Driver d;
    d.Start("shown");
    d.form->OpenInterference();
    InterferenceDialog& dialog = *d.form->Interference;
    // 100 H7/g6 is a clearance fit: checked, it slips; a shaft of bronze cannot be cooled.
    EXPECT_EQ(dialog.CheckedFit(), "H7/g6");
    for (auto [box, text] : {std::pair{dialog.TorqueBox, "50"},
                             {dialog.LengthBox, "40"},
                             {dialog.HubOutsideBox, "160"},
                             {dialog.FrictionBox, "0.12"},
                             {dialog.Hub.Strength, "300"},
                             {dialog.Shaft.Strength, "300"}}) {
        Type(box, text);
    }
    dialog.Shaft.Material->setCurrentIndex(6);
    EXPECT_EQ(Text(dialog.Shaft.CoolingAlpha->toolTip()), "表中无冷却线胀系数：此材料不冷却装配");
    ASSERT_TRUE(dialog.Requirement().Ok());
    EXPECT_EQ(Text(dialog.CheckTitle->text()).rfind("校核", 0), 0u);
    ASSERT_TRUE(dialog.Check().has_value());
    EXPECT_FALSE(dialog.Check()->Holds);
    EXPECT_EQ(dialog.Check()->Cooling, interference::Problem::CannotCool);
    EXPECT_TRUE(dialog.Check()->HubHeatTemp.has_value());
    // An operating temperature brings the note on the 20 °C properties.
    Type(dialog.Hub.OperatingTemp, "80");
    EXPECT_TRUE(dialog.Check()->AtOperatingTemp);
    EXPECT_TRUE(dialog.TemperatureNote->isVisibleTo(&dialog));
}

TEST(OperatingFitDialog, AnAluminiumHoleOnASteelShaftAt90Degrees) {
    test::Driver d;
    d.Start("shown");
    d.form->PrepareContextMenu()->findChild<QAction*>("OperatingFit")->trigger();
    OperatingFitDialog& dialog = *d.form->OperatingFit;
    EXPECT_EQ(Text(dialog.FitText->text()), "100 H7/g6");
    // 100 H7/g6: +69 and +12 µm at 20 °C. Both at 90 °C, aluminium 21 and
    // steel 11 x 10^-6/°C: each limit moves by 100 (21 - 11) 70 / 1000 = 70 µm.
    Type(dialog.HoleTempBox, "90");
    EXPECT_FALSE(dialog.Fit().has_value());
    EXPECT_EQ(Text(dialog.Result->text()), "孔有工作温度，但没有线胀系数 α");
    dialog.HoleMaterial->setCurrentIndex(8);
    dialog.ShaftMaterial->setCurrentIndex(1);
    Type(dialog.ShaftTempBox, "90");
    ASSERT_TRUE(dialog.Fit().has_value());
    EXPECT_NEAR(dialog.Fit()->XMax, 69.0 + 70.0, 1e-9);
    EXPECT_NEAR(dialog.Fit()->XMin, 12.0 + 70.0, 1e-9);
    EXPECT_NE(Text(dialog.Result->text()).find("工作温度下的最大间隙  139.0 µm"),
              std::string::npos);
    // Cold shrinks the aluminium onto the shaft: at -100 °C, -120 µm.
    Type(dialog.HoleTempBox, "-100");
    Type(dialog.ShaftTempBox, "-100");
    EXPECT_EQ(dialog.Fit()->Kind, KindOfFit::Interference);
    Type(dialog.ShaftAlphaBox, "1,1");
    EXPECT_EQ(Text(dialog.Result->text()), "输入的值不是有限的数");
}

}  // namespace
}  // namespace brimsel::ui
