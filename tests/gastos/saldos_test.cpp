// "Saldos" run end to end through the page writer, read back from the document the preview was
// shown: which movements make a balance, which creditors are left out, groups and totals.
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

TEST_F(Saldos, QuienSeImprimeYSusTotales) {
    // A001: charges of status 1 up to the end date less its credit note; the cancelled charge
    // does not count. A002 paid everything: zero, left out. A003: a class other than a charge
    // lowers the balance, and the charge after the end date does not count. A004 owes nothing
    // and has a credit: negative, printed.
    Comprueba(Corre(), {{1, 1900, {"A001", "Papelería Ñandú y Asociados de Occidente, S.A. de C.V.", "1,530.50"}},
                        {1, 2150, {"A003", "Importadora del Pacífico", "90.00"}},
                        {1, 2400, {"A004", "Proveedor Sin Ciudad", "-125.50"}},
                        {1, 2650, {"TOTALES :", "3 Acreedor(es)", "1,495.00"}}});

    // Grouped: a total per agrupación, the last one closes the report and there is no grand total.
    Marca(0, QStringLiteral("A10"));
    Marca(0, QStringLiteral("A20"));
    report::Documento doc = Corre();
    Comprueba(doc, {{1, 2690, {"TOTAL :", "1  Acreedor(es)", "1,530.50"}},
                    {1, 4030, {"TOTAL :", "2  Acreedor(es)", "-35.50"}}});
    EXPECT_TRUE(Busca(doc, QStringLiteral("TOTALES :")).empty());
    // An agrupación none of whose creditors prints gets no total, except the last one.
    Marca(0, QStringLiteral("A11"));
    doc = Corre(QDate(2024, 4, 1));
    EXPECT_EQ(Busca(doc, QStringLiteral("TOTAL :")).size(), 1u);
    EXPECT_EQ(Busca(doc, QStringLiteral("0  Acreedor(es)")).size(), 1u);
}

TEST_F(Saldos, SinSaldoCuentaLosDeSaldoCeroYLaFechaFinalCorta) {
    ventana->chkSinSaldo.UserClick();
    ventana->dtpFecha(0).SetValue(QDate(2024, 1, 1));  // shown, never used
    // A001's charge of 10/06 and A003's movements fall after 05/06; A004's credit of 01/06 before.
    Comprueba(Corre(QDate(2024, 6, 5)), {{1, 1300, {"Del:  01/ene/2024    Al :  05/jun/2024"}},
                                         {1, 2150, {"A002", "Limpiezas del Norte", "0.00"}},
                                         {1, 2900, {"TOTALES :", "4 Acreedor(es)", "1,104.75"}}});
}

}  // namespace
