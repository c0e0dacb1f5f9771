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

// "Promedio mensual" swaps the single month for the range, "Movimientos de Traspaso" shows its
// concepts, and a bank chosen brings its accounts.
TEST_F(VistaTesoreriaTest, CadaControlConSuTextoYLaVisibilidadDelFormulario) {
    Muestra([&](ui::VistaConTesoreria& vista) {
        EXPECT_EQ(vista.windowTitle(), QStringLiteral("CONSULTAS DE TESORERÍA"));
        RevisaControles(vista);
        for (int consulta : {6, 8}) {
            Elige(vista, u"cmbConsulta", consulta);
            EXPECT_EQ(form->cmbConsulta.ListIndex(), consulta);
            RevisaControles(vista);
        }
        Elige(vista, u"cmbBancos", 2);
        auto* cuentas = De<QComboBox>(vista, u"cmbCuentas");
        ASSERT_EQ(cuentas->count(), 2);
        EXPECT_EQ(cuentas->itemText(1), QStringLiteral("0201"));
        vista.close();
    });
    EXPECT_FALSE(form->Loaded());
}

}  // namespace
