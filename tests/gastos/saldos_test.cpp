// "Saldos" run end to end through the page writer, read back from the document the preview was
// shown: which movements make a balance, which creditors are left out, groups, totals and pages.
#include "BaseGastos.h"

using prueba::VentanaGastos;

namespace {

class Saldos : public VentanaGastos {
protected:
    explicit Saldos(const std::string& guion = prueba::Esquema() + prueba::AcreedoresBase() + prueba::MasMovimientos())
        : VentanaGastos(guion) {}

    // Runs "Saldos" as of `al`.
    report::Documento Corre(QDate al = QDate(2024, 6, 15)) {
        ventana->cmbConsulta.SetListIndex(3);
        ventana->dtpFecha(1).SetValue(al);
        return ConsultaLimpia();
    }
};

TEST_F(Saldos, UnRenglonPorAcreedorConSaldo) {
    const report::Documento doc = Corre();
    ASSERT_EQ(doc.size(), 1u);
    EXPECT_EQ(EnLinea(doc, 1, 1300), QStringList{"Al :  15/jun/2024"});
    // A001: charges of status 1 up to the end date less its credit note; the cancelled charge
    // does not count. A002 paid everything: zero, left out. A003: a class other than a charge
    // lowers the balance, and the charge after the end date does not count. A004 owes nothing
    // and has a credit: negative, printed.
    EXPECT_EQ(EnLinea(doc, 1, 1900), (QStringList{"A001", "Papelería Ñandú y Asociados de Occidente, S.A. de C.V.", "1,530.50"}));
    EXPECT_EQ(EnLinea(doc, 1, 2150), (QStringList{"A003", "Importadora del Pacífico", "90.00"}));
    EXPECT_EQ(EnLinea(doc, 1, 2400), (QStringList{"A004", "Proveedor Sin Ciudad", "-125.50"}));
    EXPECT_EQ(EnLinea(doc, 1, 2650), (QStringList{"TOTALES :", "3 Acreedor(es)", "1,495.00"}));
}

TEST_F(Saldos, SinSaldoCuentaLosDeSaldoCeroYLaFechaFinalCorta) {
    ventana->chkSinSaldo.UserClick();
    ventana->dtpFecha(0).SetValue(QDate(2024, 1, 1));  // shown, never used
    const report::Documento doc = Corre(QDate(2024, 6, 5));
    EXPECT_EQ(EnLinea(doc, 1, 1300), QStringList{"Del:  01/ene/2024    Al :  05/jun/2024"});
    // A001's charge of 10/06 and A003's movements fall after 05/06; A004's credit of 01/06 before.
    EXPECT_EQ(EnLinea(doc, 1, 1900).last(), "1,230.25");
    EXPECT_EQ(EnLinea(doc, 1, 2150), (QStringList{"A002", "Limpiezas del Norte", "0.00"}));
    EXPECT_EQ(EnLinea(doc, 1, 2400).last(), "0.00");
    EXPECT_EQ(EnLinea(doc, 1, 2650).last(), "-125.50");
    EXPECT_EQ(EnLinea(doc, 1, 2900), (QStringList{"TOTALES :", "4 Acreedor(es)", "1,104.75"}));
}

TEST_F(Saldos, AgrupadoConSubtotalPorAgrupacion) {
    Marca(0, QStringLiteral("A10"));
    Marca(0, QStringLiteral("A20"));
    const report::Documento doc = Corre();
    EXPECT_EQ(EnLinea(doc, 1, 2200), QStringList{"Nacionales:   Papelería"});
    EXPECT_EQ(EnLinea(doc, 1, 2690), (QStringList{"TOTAL :", "1  Acreedor(es)", "1,530.50"}));
    EXPECT_EQ(EnLinea(doc, 1, 3290), QStringList{"Extranjeros:   Importados"});
    // The last agrupación's total closes the report; there is no grand total.
    EXPECT_EQ(EnLinea(doc, 1, 4030), (QStringList{"TOTAL :", "2  Acreedor(es)", "-35.50"}));
    EXPECT_TRUE(Busca(doc, QStringLiteral("TOTALES :")).empty());

    // An agrupación none of whose creditors prints gets no total, except the last one.
    Marca(0, QStringLiteral("A11"));
    const report::Documento vacio = Corre(QDate(2024, 4, 1));
    EXPECT_EQ(Busca(vacio, QStringLiteral("TOTAL :")).size(), 1u);
    EXPECT_EQ(Busca(vacio, QStringLiteral("0  Acreedor(es)")).size(), 1u);
}

// 46 creditors without movements, listed with "Sin Saldo": 45 fit on page 1 from 1900 at 250 each.
class SaldosLargo : public Saldos {
protected:
    SaldosLargo() : Saldos(prueba::Esquema() + prueba::Generados("G", 46, 10, 1)) {}
};

TEST_F(SaldosLargo, ElRenglonQuePasaDe13000AbrePagina) {
    ventana->chkSinSaldo.UserClick();
    const report::Documento doc = Corre();
    ASSERT_EQ(doc.size(), 2u);
    EXPECT_EQ(Rasgos(doc, QStringLiteral("G045")), "p1 200,12900 a0 s7 n1 c0");
    EXPECT_EQ(Rasgos(doc, QStringLiteral("G046")), "p2 200,1550 a0 s7 n1 c0");
    EXPECT_EQ(EnLinea(doc, 2, 1800), (QStringList{"TOTALES :", "46 Acreedor(es)", "0.00"}));
}

// Grouped with "Sin Saldo": after N creditors of Papelería its total leaves the line at 2740 + 250 N,
// 12990 with 41 and 13240 with 42; the next agrupación's heading opens a page only past 13000.
template <int N>
class SaldosAgrupados : public Saldos {
protected:
    SaldosAgrupados() : Saldos(prueba::Esquema() + prueba::Generados("G", N, 10, 1) + prueba::Generados("H", 1, 20, 2)) {}
    report::Documento CorreAgrupado() {
        ventana->cmbConsulta.SetListIndex(3);
        ventana->chkSinSaldo.UserClick();
        Marca(0, QStringLiteral("G1"));
        Marca(0, QStringLiteral("G2"));
        return Corre();
    }
};

using EncabezadoAlLimite = SaldosAgrupados<41>;
TEST_F(EncabezadoAlLimite, SigueEnLaPagina) {
    const report::Documento doc = CorreAgrupado();
    ASSERT_EQ(doc.size(), 2u);
    EXPECT_EQ(EnLinea(doc, 1, 12690), (QStringList{"TOTAL :", "41  Acreedor(es)", "0.00"}));
    EXPECT_EQ(EnLinea(doc, 1, 13290), QStringList{"Extranjeros:   Importados"});
    EXPECT_EQ(Rasgos(doc, QStringLiteral("H001")), "p1 200,13530 a0 s7 n1 c0");
    EXPECT_EQ(EnLinea(doc, 2, 1550), (QStringList{"TOTAL :", "1  Acreedor(es)", "0.00"}));
}

using EncabezadoTrasElLimite = SaldosAgrupados<42>;
TEST_F(EncabezadoTrasElLimite, AbrePagina) {
    const report::Documento doc = CorreAgrupado();
    ASSERT_EQ(doc.size(), 2u);
    EXPECT_EQ(EnLinea(doc, 1, 12940), (QStringList{"TOTAL :", "42  Acreedor(es)", "0.00"}));
    EXPECT_EQ(EnLinea(doc, 2, 1550), QStringList{"Extranjeros:   Importados"});
    EXPECT_EQ(Rasgos(doc, QStringLiteral("H001")), "p2 200,1790 a0 s7 n1 c0");
}

}  // namespace
