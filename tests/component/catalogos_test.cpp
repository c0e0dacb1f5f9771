#include "BaseSqlite.h"
#include "DoblesVentanas.h"
#include "ado/Connection.h"
#include "ado/Recordset.h"
#include "component/Catalogos.h"
#include "controles/ComboBox.h"
#include "controles/Form.h"
#include "controles/Screen.h"

#include <gtest/gtest.h>

using namespace modConGastos;

namespace {

class Catalogos : public ::testing::Test {
protected:
    void SetUp() override {
        conexion.Open(base.Cadena());
        dobles::InstalaMensajes(guion);
        combo.Click = [this] { ++clics; };
    }
    void TearDown() override { component::ServiciosAnfitrion().mensajes = nullptr; }

    BaseSqlite base{
        "CREATE TABLE tblCiudad(COD_CID TEXT, DES_CID TEXT);"
        "INSERT INTO tblCiudad VALUES('GDL','Guadalajara'),('MTY','Monterrey'),('CDMX','Ciudad de México');"
        "CREATE TABLE tblEstado(COD_EST TEXT, DES_EST TEXT);"
        "CREATE TABLE tblConceptosGyT(COD_CON TEXT, DES_CON TEXT, COD_FOL INTEGER);"
        "INSERT INTO tblConceptosGyT VALUES('TRSF','Traspaso',2),('GTOS','Gastos',1),('RTRC','Retorno',1),"
        "('TRCT','Traspaso entre cuentas',1);"};
    ado::Connection conexion;
    controles::Form form{QStringLiteral("frmPrueba")};
    controles::ComboBox combo{form, QStringLiteral("cmbRegion"), 0};
    ado::Recordset opciones;
    dobles::Guion guion;
    QStringList& errores = guion.errores;
    int clics = 0;
};

}  // namespace

TEST_F(Catalogos, CiudadesSinSeleccionarYCodigosPorPosicion) {
    CargaCatalogo(conexion, 1, combo, opciones, false);
    ASSERT_EQ(combo.ListCount(), 3);
    EXPECT_EQ(combo.List(0), QStringLiteral("Ciudad de México"));  // ordered by code
    EXPECT_EQ(combo.ListIndex(), -1);
    EXPECT_EQ(CodigoOpcion(combo, opciones), "");
    combo.SetListIndex(2);
    EXPECT_EQ(CodigoOpcion(combo, opciones), "MTY");
    EXPECT_EQ(combo.DroppedWidth(), 0);
    EXPECT_TRUE(errores.isEmpty());
}

TEST_F(Catalogos, ConceptosDeTraspasoSeleccionanElPrimero) {
    combo.SetStyle(2);
    CargaCatalogo(conexion, 4, combo, opciones, true);
    ASSERT_EQ(combo.ListCount(), 3);
    EXPECT_EQ(combo.List(0), "Retorno");  // COD_FOL first, then code
    EXPECT_EQ(combo.ListIndex(), 0);
    EXPECT_EQ(clics, 1);
    EXPECT_EQ(combo.DroppedWidth(), 250);
    EXPECT_EQ(CodigoOpcion(combo, opciones), "RTRC");
    SeleccionaCodigo(QStringLiteral("TRSF"), combo, opciones);
    EXPECT_EQ(combo.Text(), "Traspaso");
}

TEST_F(Catalogos, CodigoAusenteSegunElEstiloDelCombo) {
    CargaCatalogo(conexion, 1, combo, opciones, false);
    combo.SetListIndex(1);
    SeleccionaCodigo(QStringLiteral("XXX"), combo, opciones);
    EXPECT_EQ(combo.ListIndex(), -1);  // editable: nothing selected
    combo.SetStyle(2);
    SeleccionaCodigo(QStringLiteral("XXX"), combo, opciones);
    EXPECT_EQ(combo.ListIndex(), 0);   // drop-down list: the first entry
}

TEST_F(Catalogos, TablaVaciaYRecargaSinRestos) {
    CargaCatalogo(conexion, 1, combo, opciones, false);
    CargaCatalogo(conexion, 2, combo, opciones, false);
    EXPECT_EQ(combo.ListCount(), 0);
    EXPECT_TRUE(opciones.BOF() && opciones.EOF_());
    EXPECT_EQ(CodigoOpcion(combo, opciones), "");
}

TEST_F(Catalogos, UnErrorSeMuestraYElComboConservaLoCargado) {
    controles::Screen.SetMousePointer(11);
    // The third name does not fit the option list's 100 characters.
    CargaCombo(conexion, combo, opciones,
               QStringLiteral("SELECT COD_CID AS COD_TABLA, CASE WHEN COD_CID='MTY' THEN printf('%.120c','x') ELSE "
                              "DES_CID END AS DES_TABLA FROM tblCiudad ORDER BY COD_CID"),
               0, false);
    EXPECT_EQ(combo.ListCount(), 2);
    ASSERT_EQ(errores.size(), 1);
    EXPECT_EQ(controles::Screen.MousePointer(), 0);
    errores.clear();
    CargaCombo(conexion, combo, opciones, QStringLiteral("SELECT X FROM tablaQueNoExiste"), 0, false);
    EXPECT_EQ(errores.size(), 1);
    EXPECT_EQ(combo.ListCount(), 0);
}
