#include "controles/CheckBox.h"
#include "controles/CommandButton.h"
#include "controles/Constants.h"
#include "controles/ControlArray.h"
#include "controles/DTPicker.h"
#include "controles/Form.h"
#include "controles/Frame.h"
#include "controles/OptionButton.h"
#include "controles/TextBox.h"
#include "NumeroDeError.h"

#include <gtest/gtest.h>

using namespace controles;

namespace {

TEST(CheckBox, ValueRaisesClickOnlyWhenItChanges) {
    Form form{"frmPrueba"};
    CheckBox chk{form, "chkRegion"};
    int clicks = 0;
    int visto = -1;
    chk.Click = [&] { ++clicks, visto = chk.Value(); };
    chk.SetValue(vbChecked);
    chk.SetValue(vbChecked);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(visto, 1);
    chk.UserClick();  // the user's click clears a ticked box
    EXPECT_EQ(chk.Value(), 0);
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(NumeroDeError([&] { chk.SetValue(3); }), 380);
    EXPECT_EQ(clicks, 2);
}

struct OpcionesTest : ::testing::Test {
    Form form{"frmPrueba"};
    ControlArray<Frame> fmeDatos{form, "fmeDatos", {0, 2}};
    ControlArray<OptionButton> optOrden{fmeDatos(0), "optOrden", {0, 1}};
    ControlArray<OptionButton> optTipo{fmeDatos(2), "optTipo", {0, 1}};
    OptionButton optSuelto{form, "optSuelto"};
};

TEST_F(OpcionesTest, SelectingClearsOnlyItsOwnContainer) {
    optOrden(0).SetValue(true);
    optTipo(0).SetValue(true);
    optSuelto.SetValue(true);

    int clicks = 0;
    bool otraSeguiaMarcada = true;
    optOrden(1).Click = [&] { ++clicks, otraSeguiaMarcada = optOrden(0).Value(); };
    int clicksDeLaOtra = 0;
    optOrden(0).Click = [&] { ++clicksDeLaOtra; };

    optOrden(1).UserClick();
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(otraSeguiaMarcada);  // the group is cleared before Click runs
    EXPECT_FALSE(optOrden(0).Value());
    EXPECT_EQ(clicksDeLaOtra, 0);
    EXPECT_TRUE(optTipo(0).Value());
    EXPECT_TRUE(optSuelto.Value());

    optOrden(1).UserClick();  // already selected
    EXPECT_EQ(clicks, 1);
    optOrden(1).SetValue(false);  // clearing raises nothing and selects nothing else
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(optOrden(0).Value());
}

TEST_F(OpcionesTest, MovedButtonJoinsItsNewContainersGroup) {
    optTipo(0).SetValue(true);
    optSuelto.SetContainer(fmeDatos(2));
    optSuelto.SetValue(true);
    EXPECT_FALSE(optTipo(0).Value());
    EXPECT_EQ(fmeDatos(2).Children().size(), 3u);
    EXPECT_EQ(NumeroDeError([&] { fmeDatos(0).SetContainer(fmeDatos(0)); }), 5);
}

TEST(CommandButton, ValueTrueFromCodeIsAClick) {
    Form form{"frmPrueba"};
    ControlArray<CommandButton> cmdFunciones{form, "cmdFunciones", {0, 1}};
    std::vector<int> pulsados;
    for (CommandButton& b : cmdFunciones) b.Click = [&pulsados, i = b.Index()] { pulsados.push_back(i); };
    cmdFunciones(1).SetValue(true);
    cmdFunciones(1).SetValue(false);
    cmdFunciones(0).UserClick();
    EXPECT_EQ(pulsados, (std::vector<int>{1, 0}));
    EXPECT_FALSE(cmdFunciones(1).Value());
}

TEST(TextAndDate, ChangeOnlyWhenTheValueChanges) {
    Form form{"frmPrueba"};
    TextBox txt{form, "txtCodAcreedor"};
    DTPicker dtp{form, "dtpFecha", 0};
    int cambiosTexto = 0, cambiosFecha = 0;
    txt.Change = [&] { ++cambiosTexto; };
    dtp.Change = [&] { ++cambiosFecha; };

    txt.SetText("P001");
    txt.SetText("P001");
    txt.SetText("");
    EXPECT_EQ(cambiosTexto, 2);

    dtp.SetValue(QDate(2024, 1, 31));
    dtp.SetValue(QDate(2024, 1, 31));
    EXPECT_EQ(cambiosFecha, 1);
    EXPECT_EQ(NumeroDeError([&] { dtp.SetValue(QDate(1600, 12, 31)); }), 35775);
    EXPECT_EQ(NumeroDeError([&] { dtp.SetValue(QDate()); }), 380);
    EXPECT_EQ(dtp.Value(), QDate(2024, 1, 31));
}

}  // namespace
