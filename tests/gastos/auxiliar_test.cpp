// "Auxiliar de Acreedores" run end to end through the page writer, read back from the document the
// preview was shown: balance brought forward, running balance, which creditors are left out,
// group totals.
#include "BaseGastos.h"

using prueba::VentanaGastos;

namespace {

class Auxiliar : public VentanaGastos {
protected:
    explicit Auxiliar(const std::string& extra = prueba::MasMovimientos())
        : VentanaGastos(prueba::Esquema() + prueba::AcreedoresBase() + extra) {}

    // Runs the ledger from `desde` to 15/06/2024.
    report::Documento Corre(bool detallado, QDate desde = QDate(2024, 6, 1)) {
        ventana->cmbConsulta.SetListIndex(1);
        ventana->optTipo(detallado ? 0 : 1).UserClick();
        ventana->dtpFecha(0).SetValue(desde);
        ventana->dtpFecha(1).SetValue(QDate(2024, 6, 15));
        return ConsultaLimpia();
    }
};

TEST_F(Auxiliar, SaldoCorridoYQuienSeImprime) {
    // A001 brings 1,030.00 from May (its cancelled charge does not count), then two charges.
    // A002 moved nothing in the range; A003's advance is a credit with no description, and its
    // charge of the 20th is past the range; A004's only credit leaves it below zero: left out.
    report::Documento doc = Corre(true);
    Comprueba(doc, {{1, 2300, {"Saldo Anterior:", "$   1,030.00"}},
                    {1, 2880, {"Renta", "", "10/06/2024", "300.25", "1,530.50"}},
                    {1, 3120, {"500.50", "0.00", "1,530.50"}},
                    {1, 4060, {"", "ANT-1", "12/06/2024", "9.99", "-9.99"}},
                    {1, 4740, {"SALDO TOTAL  :", "1,030.00", "600.49", "9.99", "1,620.50"}}});
    EXPECT_EQ(Busca(doc, QStringLiteral("9.99")).front().texto.x, 8600);  // in the credits column
    EXPECT_TRUE(Busca(doc, QStringLiteral("A002")).empty() && Busca(doc, QStringLiteral("A004")).empty());

    // Summary: the name cut to 45 characters; the advance is a credit here too.
    Comprueba(Corre(false), {{1, 1900, {"A001", "Papelería Ñandú y Asociados de Occidente, S.A", "1,030.00", "500.50",
                                        "0.00", "1,530.50"}},
                             {1, 2200, {"A003", "Importadora del Pacífico", "0.00", "99.99", "9.99", "90.00"}}});

    // Grouped: a total per group, the last one closes the report and there is no grand total.
    Marca(0, QStringLiteral("A10"));
    Marca(0, QStringLiteral("A20"));
    doc = Corre(false);
    Comprueba(doc, {{1, 2670, {"SALDO TOTAL DEL GRUPO :", "1,030.00", "500.50", "0.00", "1,530.50"}},
                    {1, 3790, {"SALDO TOTAL DEL GRUPO :", "0.00", "99.99", "9.99", "90.00"}}});
    EXPECT_TRUE(Busca(doc, QStringLiteral("SALDO TOTAL  :")).empty());
}

TEST_F(Auxiliar, SinMovimientosYSinSaldoListanATodos) {
    ventana->cmbConsulta.SetListIndex(1);
    ventana->chkSinMovtos.UserClick();
    ventana->chkSinSaldo.UserClick();
    // From the 13th: an advance dated before the start does not enter the balance brought forward.
    const report::Documento doc = Corre(true, QDate(2024, 6, 13));
    EXPECT_EQ(EnLinea(doc, 1, 3280).first(), "A002");
    EXPECT_EQ(EnLinea(doc, 1, 4660).last(), "$   0.00");
    EXPECT_EQ(EnLinea(doc, 1, 5840).last(), "$   -125.50");
    Comprueba(doc, {{1, 2880, {"0.00", "0.00", "1,530.50"}},
                    {1, 6620, {"SALDO TOTAL  :", "1,405.00", "99.99", "0.00", "1,504.99"}}});
}

}  // namespace
