// "Catálogo de Cuentas" on the small bank company: bank and account lines, the bank and account
// choice, values that cannot be printed, and the page break at 13500.
#include "BaseTesoreria.h"

using prueba::VentanaTesoreria;

namespace {

using Catalogo = VentanaTesoreria;

TEST_F(Catalogo, ColumnasBancosYCuentas) {
    const auto doc = ConsultaJunio(0);
    ASSERT_TRUE(doc.has_value()) << guion.errores.join(u'\n').toStdString();
    ASSERT_EQ(doc->size(), 1u);
    // Bank line, its accounts under it, a blank line after each bank.
    EXPECT_EQ(EnLinea(*doc, 1, 1450), (QStringList{"Banco del Centro", "Laura Díaz", "33-1000"}));
    EXPECT_EQ(EnLinea(*doc, 1, 1690), (QStringList{"0101", "15", "Sí", "Operación"}));
    EXPECT_EQ(EnLinea(*doc, 1, 1930), (QStringList{"0102", "31", "No", "Inversión"}));
    // A name cut at 33 characters; a Null "generates cheques" reads as yes.
    EXPECT_EQ(EnLinea(*doc, 1, 2410), (QStringList{"Banco Internacional de Occidente ", "Raúl Soto", "33-2000"}));
    EXPECT_EQ(EnLinea(*doc, 1, 2650), (QStringList{"0201", "10", "Sí", "Operación"}));
    // A bank without accounts: its line (the Null executive left empty), then the blank line.
    EXPECT_EQ(EnLinea(*doc, 1, 3130), (QStringList{"Banco Sin Cuentas", ""}));
    EXPECT_EQ(EnLinea(*doc, 1, 3370), QStringList{});
    EXPECT_TRUE(ArchivosDePagina().isEmpty());
}

TEST_F(Catalogo, UnBancoYUnaCuenta) {
    ventana->cmbConsulta.SetListIndex(0);
    ventana->cmbBancos.SetListIndex(1);
    auto doc = Consulta();
    ASSERT_TRUE(doc.has_value());
    EXPECT_EQ(EnLinea(*doc, 1, 1450).value(0), "Banco del Centro");
    EXPECT_EQ(EnLinea(*doc, 1, 1690).value(0), "0101");
    EXPECT_EQ(EnLinea(*doc, 1, 1930).value(0), "0102");
    EXPECT_TRUE(prueba::Busca(*doc, "0201").empty());

    ventana->cmbCuentas.SetListIndex(2);
    doc = Consulta();
    ASSERT_TRUE(doc.has_value());
    EXPECT_EQ(EnLinea(*doc, 1, 1690).value(0), "0102");
    EXPECT_TRUE(prueba::Busca(*doc, "0101").empty());
}

class CatalogoLargo : public VentanaTesoreria {
protected:
    CatalogoLargo() : VentanaTesoreria(prueba::EsquemaTesoreria() + prueba::BancosBase() + prueba::CuentasGeneradas("X", 60, 3)) {}
};

TEST_F(CatalogoLargo, LaCuentaQuePasaDe13500AbreLaPaginaSiguiente) {
    const auto doc = ConsultaJunio(0);
    ASSERT_TRUE(doc.has_value());
    ASSERT_EQ(doc->size(), 2u);
    // Bank 3 stands at 3130, its accounts from 3370; the one drawn at 13450 takes the line past the limit.
    EXPECT_EQ(Rasgos(*doc, "X043"), "p1 1500,13450 a0 s8 n0 c0");
    // The new page repeats the headings, not the bank line, and the accounts go on in black.
    EXPECT_EQ(Rasgos(*doc, "X044"), "p2 1500,1450 a0 s8 n0 c0");
    EXPECT_EQ(EnLinea(*doc, 2, 1200), (QStringList{"No. de Cuenta", "Dia de Corte", "¿Chequera?", "Rubro"}));
    EXPECT_EQ(prueba::Busca(*doc, "Banco Sin Cuentas").size(), 1u);
    EXPECT_TRUE(ArchivosDePagina().isEmpty());
}

}  // namespace
