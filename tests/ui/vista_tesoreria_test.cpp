// The treasury window's view on the offscreen platform: every control has its widget with its
// caption, the filters shown and greyed follow the report chosen, and a report reaches the preview.
#include "EsquemaTesoreria.h"
#include "VistaDePrueba.h"

#include "tesoreria/frmConTesoreria.h"
#include "ui/VistaConTesoreria.h"

#include <QComboBox>

namespace {

const std::string Empresa = prueba::EsquemaTesoreria() + R"SQL(
INSERT INTO tblBancos VALUES(1,'Banco del Centro','Laura Díaz','33-1000'),(2,'Banco del Norte','','');
INSERT INTO tblCatCtasBancos VALUES('0101',1,1,1,15,1,1000),('0201',2,1,1,10,0,0);
)SQL";

class VistaTesoreriaTest : public VistaDePrueba<tesoreria::frmConTesoreria, ui::VistaConTesoreria> {
protected:
    VistaTesoreriaTest() : VistaDePrueba(Empresa.c_str(), QStringLiteral("TEMP")) {}
};

TEST_F(VistaTesoreriaTest, CadaControlConSuTextoYLaVisibilidadDelFormulario) {
    Muestra([&](ui::VistaConTesoreria& vista) {
        EXPECT_EQ(vista.windowTitle(), QStringLiteral("CONSULTAS DE TESORERÍA"));
        // Each control has its widget, shown, greyed and captioned as the form says; a disabled
        // frame greys what it holds.
        const auto revisa = [&] {
            for (controles::Control* c : form->Controls()) {
                QWidget* w = vista.Widget(c->FullName());
                ASSERT_NE(w, nullptr) << c->FullName().toStdString();
                const auto* marco = dynamic_cast<const controles::Control*>(&c->Container());
                EXPECT_EQ(w->isVisibleTo(&vista), c->Visible()) << c->FullName().toStdString();
                EXPECT_EQ(w->isEnabled(), c->Enabled() && (!marco || marco->Enabled())) << c->FullName().toStdString();
                if (auto* conTitulo = dynamic_cast<controles::CaptionedControl*>(c)) {
                    EXPECT_EQ(TextoMostrado(w), conTitulo->Caption()) << c->FullName().toStdString();
                }
            }
        };
        revisa();
        // "Promedio mensual" swaps the single month for the range; "Movimientos de Traspaso" shows its concepts.
        auto* consulta = dynamic_cast<QComboBox*>(vista.Widget(QStringLiteral("cmbConsulta")));
        ASSERT_NE(consulta, nullptr);
        consulta->setCurrentIndex(6);
        emit consulta->activated(6);
        EXPECT_EQ(form->cmbConsulta.ListIndex(), 6);
        EXPECT_FALSE(vista.Widget(QStringLiteral("cmbMeses(0)"))->isVisibleTo(&vista));
        EXPECT_TRUE(vista.Widget(QStringLiteral("cmbAnios(2)"))->isVisibleTo(&vista));
        EXPECT_FALSE(vista.Widget(QStringLiteral("dtpFecha(0)"))->isEnabled());
        consulta->setCurrentIndex(8);
        emit consulta->activated(8);
        EXPECT_TRUE(vista.Widget(QStringLiteral("cmbTras"))->isVisibleTo(&vista));
        EXPECT_FALSE(vista.Widget(QStringLiteral("cmbConceptos(0)"))->isVisibleTo(&vista));
        revisa();
        vista.close();
    });
    EXPECT_FALSE(form->Loaded());
}

TEST_F(VistaTesoreriaTest, ElBancoElegidoTraeSusCuentas) {
    Muestra([&](ui::VistaConTesoreria& vista) {
        auto* bancos = dynamic_cast<QComboBox*>(vista.Widget(QStringLiteral("cmbBancos")));
        auto* cuentas = dynamic_cast<QComboBox*>(vista.Widget(QStringLiteral("cmbCuentas")));
        ASSERT_TRUE(bancos && cuentas);
        bancos->setCurrentIndex(2);
        emit bancos->activated(2);
        ASSERT_EQ(cuentas->count(), 2);
        EXPECT_EQ(cuentas->itemText(1), QStringLiteral("0201"));
        EXPECT_EQ(form->cmbCuentas.ListIndex(), 0);
        vista.close();
    });
}

}  // namespace
