// "Aux. de Cuentas Bancarias" on the small bank company: the balance before the range, the running
// balance line by line, the closing line, "Sin Movimientos", the summary form and the page break.
#include "BaseTesoreria.h"

using prueba::VentanaTesoreria;

namespace {

constexpr int Auxiliar = 2;

using Auxiliares = VentanaTesoreria;

TEST_F(Auxiliares, SaldosCorridosYCierres) {
    auto doc = ConsultaJunio(Auxiliar);
    ASSERT_TRUE(doc.has_value()) << guion.errores.join(u'\n').toStdString();
    // The opening balance plus what was applied before the first day, cancelled movements never
    // counting; each movement moves the running balance; the dollar account in its own currency.
    Comprueba(*doc, {{1, 1550, {"Banco del Centro", "Cuenta: 0101", "Moneda: Pesos", "Saldo Anterior:", "$ 10,300.00"}},
                     {1, 2030, {"Pago a proveedores", "10/06/2024", "E-001", "000123", "$ 250.50", "$ 11,049.50"}},
                     {1, 2990, {"$ 1,020.00", "$ 265.75", "$ 11,054.25"}},
                     {1, 3710, {"Depósito", "05/06/2024", "ARGO-00012", "", "$ 100.00", "$ 600.00"}},
                     {1, 5870, {"$ 0.00", "$ 1,700.00", "$ -1,700.00"}}});
    EXPECT_TRUE(Busca(*doc, "Banco Sin Cuentas").empty());

    // Summary: header and closing only, the balance still covering every movement.
    ventana->optTipo(1).UserClick();
    doc = ConsultaJunio(Auxiliar);
    ASSERT_TRUE(doc.has_value());
    Comprueba(*doc, {{1, 2030, {"$ 1,020.00", "$ 265.75", "$ 11,054.25"}}});
    EXPECT_TRUE(Busca(*doc, "D-001").empty());
}

TEST_F(Auxiliares, SinMovimientos) {
    // July: only 0101 moves. Unticked, the other accounts print nothing; ticked, they print their
    // header and closing line.
    ventana->cmbConsulta.SetListIndex(Auxiliar);
    ventana->dtpFecha(0).SetValue(QDate(2024, 7, 1));
    ventana->dtpFecha(1).SetValue(QDate(2024, 7, 31));
    auto doc = Consulta();
    ASSERT_TRUE(doc.has_value());
    EXPECT_EQ(Busca(*doc, "Saldo Anterior:").size(), 1u);
    ventana->chkSinMovimientos.UserClick();
    doc = Consulta();
    ASSERT_TRUE(doc.has_value());
    EXPECT_EQ(Busca(*doc, "Saldo Anterior:").size(), 3u);
    Comprueba(*doc, {{1, 3230, {"$ 0.00", "$ 0.00", "$ 600.00"}}});
}

class AuxiliarLargo : public VentanaTesoreria {
protected:
    AuxiliarLargo()
        : VentanaTesoreria(prueba::EsquemaTesoreria() + prueba::BancosBase() + prueba::MovimientosGenerados("0201", 60)) {}
};

TEST_F(AuxiliarLargo, ElSaldoCorridoSigueEnLaPaginaSiguiente) {
    const auto doc = ConsultaJunio(Auxiliar);
    ASSERT_TRUE(doc.has_value());
    // 0201's withdrawals of 1.00 from 5150, one a line: the line at 13310 takes the page past 13500,
    // the next one opens page 2 under the headings with the balance carried.
    EXPECT_EQ(EnLinea(*doc, 1, 13310).value(2), "G-035");
    Comprueba(*doc, {{2, 1550, {"Traspaso a terceros", "15/06/2024", "G-036", "", "$ 1.00", "$ -36.00"}}});
    EXPECT_EQ(EnLinea(*doc, 2, 1000).value(4), "Ingresos");
}

}  // namespace
