#include "controles/ComboBox.h"
#include "controles/Constants.h"
#include "controles/ControlArray.h"
#include "controles/DTPicker.h"
#include "controles/Form.h"
#include "controles/Frame.h"
#include "controles/PuertoUI.h"
#include "controles/TextBox.h"
#include "NumeroDeError.h"

#include <gtest/gtest.h>

#include <memory>

using namespace controles;

namespace {

struct Ventana : Form {
    ComboBox cmbConsulta{*this, "cmbConsulta"};
    Frame fmeFechas{*this, "fmeDatos", 4};
    ControlArray<DTPicker> dtpFecha{fmeFechas, "dtpFecha", {0, 1}};
    TextBox txtCodAcreedor{*this, "txtCodAcreedor"};
    Ventana() : Form("frmConGastos") {}
};

TEST(Teclas, KeyPreviewSeesFirstAndMaySwallow) {
    Ventana v;
    v.SetKeyPreview(true);
    std::vector<QString> orden;
    v.KeyDown = [&](int& KeyCode, int& Shift) {
        orden.push_back(QString("form %1/%2").arg(KeyCode).arg(Shift));
        if (KeyCode == vbKeyF1) KeyCode = 0, Shift = 0;
    };
    v.txtCodAcreedor.KeyDown = [&](int& KeyCode, int&) { orden.push_back(QString("txt %1").arg(KeyCode)); };

    EXPECT_EQ(v.KeyDownFrom(&v.txtCodAcreedor, vbKeyF1, 0), 0);
    EXPECT_EQ(v.KeyDownFrom(&v.txtCodAcreedor, vbKeyP, vbAltMask), vbKeyP);
    EXPECT_EQ(orden, (std::vector<QString>{"form 112/0", "form 80/4", "txt 80"}));

    orden.clear();
    v.SetKeyPreview(false);  // then only the control with the focus hears it
    v.KeyDownFrom(&v.txtCodAcreedor, vbKeyF10, 0);
    v.KeyDownFrom(nullptr, vbKeyEscape, 0);
    EXPECT_EQ(orden, (std::vector<QString>{"txt 121", "form 27/0"}));
}

TEST(Registro, FindsControlsByNameAndIndex) {
    Ventana v;
    EXPECT_EQ(v.FindControl(u"cmbConsulta"), &v.cmbConsulta);
    EXPECT_EQ(v.FindControl(u"CMBCONSULTA"), &v.cmbConsulta);
    EXPECT_EQ(v.FindControl(u"dtpFecha(1)"), &v.dtpFecha(1));
    EXPECT_EQ(v.FindControl(u" dtpFecha( 0 ) "), &v.dtpFecha(0));
    EXPECT_EQ(v.FindControl<DTPicker>(u"dtpFecha(0)"), &v.dtpFecha(0));
    EXPECT_EQ(v.FindControl<ComboBox>(u"dtpFecha(0)"), nullptr);
    for (const char16_t* mal : {u"dtpFecha", u"dtpFecha(2)", u"cmbConsulta(0)", u"dtpFecha(", u"(1)", u"dtpFecha(x)", u""})
        EXPECT_EQ(v.FindControl(QStringView(mal)), nullptr) << QString::fromUtf16(mal).toStdString();
    EXPECT_EQ(v.dtpFecha(1).FullName(), "dtpFecha(1)");
    EXPECT_EQ(&v.dtpFecha(1).Container(), &v.fmeFechas);
    EXPECT_EQ(v.Controls().size(), 5u);
    EXPECT_EQ(v.Controls().front(), &v.cmbConsulta);

    EXPECT_EQ(NumeroDeError([&] { TextBox otro(v, "TXTCODACREEDOR"); }), 5);
    {
        TextBox temporal(v.fmeFechas, "txtTemporal");
        EXPECT_EQ(v.FindControl(u"txtTemporal"), &temporal);
    }
    EXPECT_EQ(v.FindControl(u"txtTemporal"), nullptr);
    EXPECT_EQ(v.fmeFechas.Children().size(), 2u);
    EXPECT_EQ(NumeroDeError([&] { v.dtpFecha(2); }), 340);
}

TEST(Registro, ChildrenOfADestroyedFrameFallBackOntoTheForm) {
    Form form{"frmPrueba"};
    auto marco = std::make_unique<Frame>(form, "fmeDatos", 0);
    TextBox txt{*marco, "txtDentro"};
    marco.reset();
    EXPECT_EQ(&txt.Container(), &form);
    EXPECT_EQ(form.Children().back(), &txt);
    EXPECT_EQ(form.Controls().size(), 1u);
}

TEST(Registro, ReachableFollowsContainersButEnabledIsOwn) {
    Ventana v;
    v.fmeFechas.SetEnabled(false);
    EXPECT_TRUE(v.dtpFecha(0).Enabled());
    EXPECT_FALSE(v.dtpFecha(0).Reachable());
    v.fmeFechas.SetEnabled(true);
    EXPECT_TRUE(v.dtpFecha(0).Reachable());
    v.SetEnabled(false);
    EXPECT_FALSE(v.cmbConsulta.Reachable());
}

struct PuertoGuion : PuertoUI {
    std::function<void(Form&)> guion;
    int llamadas = 0;
    void MuestraModal(Form& f) override {
        ++llamadas;
        if (guion) guion(f);
    }
};

struct CicloTest : ::testing::Test {
    PuertoGuion puerto;
    Ventana v;
    std::vector<QString> eventos;
    void SetUp() override {
        FijaPuertoUI(&puerto);
        v.Load = [&] { eventos.push_back("Load"); };
        v.QueryUnload = [&](int&, int modo) { eventos.push_back(QString("QueryUnload %1").arg(modo)); };
        v.Unload = [&](int&) { eventos.push_back("Unload"); };
    }
    void TearDown() override { FijaPuertoUI(nullptr); }
};

TEST_F(CicloTest, ModalShowLoadsThenRunsThePortUntilUnload) {
    puerto.guion = [&](Form& f) {
        eventos.push_back(f.Visible() ? "visible" : "oculta");
        controles::Unload(f);
    };
    v.Show(vbModal);
    EXPECT_EQ(eventos, (std::vector<QString>{"Load", "visible", "QueryUnload 1", "Unload"}));
    EXPECT_FALSE(v.Loaded());
    EXPECT_FALSE(v.Visible());
    controles::Unload(v);  // already unloaded: nothing more
    EXPECT_EQ(eventos.size(), 4u);
}

TEST_F(CicloTest, CancelKeepsTheFormAndCloseBoxSaysSo) {
    int cancelar = 1;
    v.QueryUnload = [&](int& Cancel, int modo) {
        eventos.push_back(QString("QueryUnload %1").arg(modo));
        Cancel = cancelar;
    };
    v.Show(vbModeless);
    EXPECT_FALSE(v.UserClose());
    EXPECT_TRUE(v.Loaded());
    EXPECT_TRUE(v.Visible());
    EXPECT_EQ(NumeroDeError([&] { v.Show(vbModal); }), 400);
    cancelar = 0;
    EXPECT_TRUE(v.UserClose());
    EXPECT_EQ(eventos, (std::vector<QString>{"Load", "QueryUnload 0", "QueryUnload 0", "Unload"}));
    EXPECT_EQ(puerto.llamadas, 0);
}

TEST_F(CicloTest, NoPortMeansAnErrorBeforeAnythingLoads) {
    FijaPuertoUI(nullptr);
    EXPECT_EQ(NumeroDeError([&] { v.Show(vbModal); }), 5);
    EXPECT_FALSE(v.Loaded());
    EXPECT_TRUE(eventos.empty());
}

TEST_F(CicloTest, FormUnloadedByItsOwnLoadCannotBeShown) {
    v.Load = [&] { controles::Unload(v); };
    EXPECT_EQ(NumeroDeError([&] { v.Show(vbModal); }), 364);
    EXPECT_EQ(puerto.llamadas, 0);
}

}  // namespace
