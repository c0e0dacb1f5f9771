// "Aux. de Cuentas Bancarias" on the small bank company: the balance before the range, the running
// balance line by line, the closing line, "Sin Movimientos", the summary form and the page break.
#include "BaseTesoreria.h"

using prueba::VentanaTesoreria;

namespace {

constexpr int Auxiliar = 2;

using Auxiliares = VentanaTesoreria;

TEST_F(Auxiliares, SaldoAnteriorMovimientosYCierre) {
    const auto doc = ConsultaJunio(Auxiliar);
    ASSERT_TRUE(doc.has_value()) << guion.errores.join(u'\n').toStdString();
    ASSERT_EQ(doc->size(), 1u);

    // The opening balance plus what was applied before the first day; cancelled movements never count.
    EXPECT_EQ(EnLinea(*doc, 1, 1550),
              (QStringList{"Banco del Centro", "Cuenta: 0101", "Moneda: Pesos", "Saldo Anterior:", "$ 10,300.00"}));
    // Each movement moves the running balance.
    EXPECT_EQ(EnLinea(*doc, 1, 1790), (QStringList{"Depósito", "01/06/2024", "D-001", "", "$ 1,000.00", "$ 11,300.00"}));
    EXPECT_EQ(EnLinea(*doc, 1, 2030),
              (QStringList{"Pago a proveedores", "10/06/2024", "E-001", "000123", "$ 250.50", "$ 11,049.50"}));
    EXPECT_EQ(EnLinea(*doc, 1, 2270).value(5), "$ 11,069.50");
    EXPECT_EQ(EnLinea(*doc, 1, 2510).value(5), "$ 11,054.25");
    EXPECT_EQ(EnLinea(*doc, 1, 2990), (QStringList{"$ 1,020.00", "$ 265.75", "$ 11,054.25"}));

    // The dollar account in its own currency: no exchange rate anywhere.
    EXPECT_EQ(EnLinea(*doc, 1, 3470).value(4), "$ 500.00");
    EXPECT_EQ(EnLinea(*doc, 1, 3710), (QStringList{"Depósito", "05/06/2024", "ARGO-00012", "", "$ 100.00", "$ 600.00"}));
    EXPECT_EQ(EnLinea(*doc, 1, 4190), (QStringList{"$ 100.00", "$ 0.00", "$ 600.00"}));
    EXPECT_EQ(EnLinea(*doc, 1, 5870), (QStringList{"$ 0.00", "$ 1,700.00", "$ -1,700.00"}));
    EXPECT_TRUE(Busca(*doc, "Banco Sin Cuentas").empty());
}

TEST_F(Auxiliares, SinMovimientosYResumido) {
    // July: only 0101 moves. Unticked, the other accounts print nothing.
    ventana->cmbConsulta.SetListIndex(Auxiliar);
    ventana->dtpFecha(0).SetValue(QDate(2024, 7, 1));
    ventana->dtpFecha(1).SetValue(QDate(2024, 7, 31));
    auto doc = Consulta();
    ASSERT_TRUE(doc.has_value());
    EXPECT_EQ(Busca(*doc, "Saldo Anterior:").size(), 1u);
    EXPECT_EQ(EnLinea(*doc, 1, 1550).value(4), "$ 11,054.25");

    ventana->chkSinMovimientos.UserClick();
    doc = Consulta();
    ASSERT_TRUE(doc.has_value());
    EXPECT_EQ(Busca(*doc, "Saldo Anterior:").size(), 3u);
    // 0101 takes header, one movement and its closing line; 0102 follows with only header and closing.
    EXPECT_EQ(EnLinea(*doc, 1, 2750), (QStringList{"Banco del Centro", "Cuenta: 0102", "Moneda: Dólares", "Saldo Anterior:",
                                                   "$ 600.00"}));
    EXPECT_EQ(EnLinea(*doc, 1, 3230), (QStringList{"$ 0.00", "$ 0.00", "$ 600.00"}));

    // Summary: header and closing only, the balance still covering every movement.
    ventana->chkSinMovimientos.UserClick();
    ventana->optTipo(1).UserClick();
    doc = ConsultaJunio(Auxiliar);
    ASSERT_TRUE(doc.has_value());
    EXPECT_EQ(EnLinea(*doc, 1, 2030), (QStringList{"$ 1,020.00", "$ 265.75", "$ 11,054.25"}));
    EXPECT_TRUE(Busca(*doc, "D-001").empty());
}

class AuxiliarLargo : public VentanaTesoreria {
protected:
    AuxiliarLargo()
        : VentanaTesoreria(prueba::EsquemaTesoreria() + prueba::BancosBase() + prueba::MovimientosGenerados("0201", 60)) {}
};

TEST_F(AuxiliarLargo, ElSaldoCorridoSigueEnLaPaginaSiguiente) {
    const auto doc = ConsultaJunio(Auxiliar);
    ASSERT_TRUE(doc.has_value());
    ASSERT_GE(doc->size(), 2u);
    // 0201 starts at 4910; its movements from 5150, one a line, each withdrawal of 1.00 lowering the balance.
    EXPECT_EQ(EnLinea(*doc, 1, 5150), (QStringList{"Traspaso a terceros", "15/06/2024", "G-001", "", "$ 1.00", "$ -1.00"}));
    EXPECT_EQ(EnLinea(*doc, 1, 5390).value(5), "$ -2.00");
    // The line at 13310 takes LineaActual past 13500: the next one opens page 2 under the headings.
    EXPECT_EQ(EnLinea(*doc, 1, 13310).value(2), "G-035");
    EXPECT_EQ(EnLinea(*doc, 2, 1000).value(4), "Ingresos");
    EXPECT_EQ(EnLinea(*doc, 2, 1550), (QStringList{"Traspaso a terceros", "15/06/2024", "G-036", "", "$ 1.00", "$ -36.00"}));
    EXPECT_TRUE(ArchivosDePagina().isEmpty());
}

}  // namespace
