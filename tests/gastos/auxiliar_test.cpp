// "Auxiliar de Acreedores" run end to end through the page writer, read back from the document the
// preview was shown: balance brought forward, running balance, which creditors are left out,
// group totals and the pages of both forms.
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

TEST_F(Auxiliar, DetalladoConSaldoCorrido) {
    const report::Documento doc = Corre(true);
    ASSERT_EQ(doc.size(), 1u);
    // A001 brings 1,030.00 from May (its cancelled charge does not count), then two charges.
    EXPECT_EQ(EnLinea(doc, 1, 2100),
              (QStringList{"A001", "Papelería Ñandú y Asociados de Occidente, S.A. de C.V.", "ESTATUS :   Activo"}));
    EXPECT_EQ(EnLinea(doc, 1, 2300), (QStringList{"Saldo Anterior:", "$   1,030.00"}));
    EXPECT_EQ(EnLinea(doc, 1, 2640), (QStringList{"Luz", "", "01/06/2024", "200.25", "1,230.25"}));
    EXPECT_EQ(EnLinea(doc, 1, 2880), (QStringList{"Renta", "", "10/06/2024", "300.25", "1,530.50"}));
    EXPECT_EQ(EnLinea(doc, 1, 3120), (QStringList{"500.50", "0.00", "1,530.50"}));

    // A002 moved nothing in the range; A003's advance is a credit with no description, and its
    // charge of the 20th is past the range; A004's only credit leaves it below zero: left out.
    EXPECT_EQ(EnLinea(doc, 1, 4060), (QStringList{"", "ANT-1", "12/06/2024", "9.99", "-9.99"}));
    EXPECT_EQ(Busca(doc, QStringLiteral("9.99")).front().texto.x, 8600);  // in the credits column
    EXPECT_EQ(EnLinea(doc, 1, 4540), (QStringList{"99.99", "9.99", "90.00"}));
    EXPECT_TRUE(Busca(doc, QStringLiteral("A002")).empty());
    EXPECT_TRUE(Busca(doc, QStringLiteral("A004")).empty());
    EXPECT_EQ(EnLinea(doc, 1, 4740), (QStringList{"SALDO TOTAL  :", "1,030.00", "600.49", "9.99", "1,620.50"}));
}

TEST_F(Auxiliar, SinMovimientosYSinSaldoListanATodos) {
    ventana->cmbConsulta.SetListIndex(1);
    ventana->chkSinMovtos.UserClick();
    ventana->chkSinSaldo.UserClick();
    // From the 13th: an advance dated before the start does not enter the balance brought forward.
    const report::Documento doc = Corre(true, QDate(2024, 6, 13));
    EXPECT_EQ(EnLinea(doc, 1, 2300).last(), "$   1,530.50");
    EXPECT_EQ(EnLinea(doc, 1, 2880), (QStringList{"0.00", "0.00", "1,530.50"}));
    EXPECT_EQ(EnLinea(doc, 1, 3280).first(), "A002");
    EXPECT_EQ(EnLinea(doc, 1, 4060), (QStringList{"0.00", "0.00", "0.00"}));
    EXPECT_EQ(EnLinea(doc, 1, 4660).last(), "$   0.00");
    EXPECT_EQ(EnLinea(doc, 1, 5000), (QStringList{"Luz", "", "14/06/2024", "99.99", "99.99"}));
    EXPECT_EQ(EnLinea(doc, 1, 5840).last(), "$   -125.50");
    EXPECT_EQ(EnLinea(doc, 1, 6420), (QStringList{"0.00", "0.00", "-125.50"}));
    EXPECT_EQ(EnLinea(doc, 1, 6620), (QStringList{"SALDO TOTAL  :", "1,405.00", "99.99", "0.00", "1,504.99"}));
}

TEST_F(Auxiliar, ResumidoUnRenglonPorAcreedor) {
    const report::Documento doc = Corre(false);
    // The name cut to 45 characters; the advance is a credit here too.
    EXPECT_EQ(EnLinea(doc, 1, 1900), (QStringList{"A001", "Papelería Ñandú y Asociados de Occidente, S.A", "1,030.00",
                                                  "500.50", "0.00", "1,530.50"}));
    EXPECT_EQ(EnLinea(doc, 1, 2200), (QStringList{"A003", "Importadora del Pacífico", "0.00", "99.99", "9.99", "90.00"}));
    EXPECT_EQ(EnLinea(doc, 1, 2500), (QStringList{"SALDO TOTAL  :", "1,030.00", "600.49", "9.99", "1,620.50"}));
}

TEST_F(Auxiliar, AgrupadoConTotalPorGrupo) {
    Marca(0, QStringLiteral("A10"));
    Marca(0, QStringLiteral("A20"));
    const report::Documento doc = Corre(false);
    EXPECT_EQ(EnLinea(doc, 1, 2150), QStringList{"Nacionales:   Papelería"});
    EXPECT_EQ(EnLinea(doc, 1, 2670),
              (QStringList{"SALDO TOTAL DEL GRUPO :", "1,030.00", "500.50", "0.00", "1,530.50"}));
    // The closing line is the last group's total; there is no grand total.
    EXPECT_EQ(EnLinea(doc, 1, 3790), (QStringList{"SALDO TOTAL DEL GRUPO :", "0.00", "99.99", "9.99", "90.00"}));
    EXPECT_EQ(Busca(doc, QStringLiteral("SALDO TOTAL DEL GRUPO :")).size(), 2u);
    EXPECT_TRUE(Busca(doc, QStringLiteral("SALDO TOTAL  :")).empty());
}

// A003 closes agrupación 11 of group 1 and opens agrupación 20 of group 2, so it is printed twice
// in a row: each time with its own movements. A004, below zero, is left out with its credit.
class AuxiliarEnDosAgrupaciones : public Auxiliar {
protected:
    AuxiliarEnDosAgrupaciones() : Auxiliar(prueba::MasMovimientos() + "INSERT INTO tblGpoAgrProveedor VALUES('A003',1,11);") {}
};

TEST_F(AuxiliarEnDosAgrupaciones, CadaVezConSusMovimientos) {
    for (const char* clave : {"A10", "A11", "A20"}) Marca(0, QString::fromLatin1(clave));
    const report::Documento doc = Corre(true);
    EXPECT_EQ(Busca(doc, QStringLiteral("A003")).size(), 2u);
    EXPECT_EQ(Busca(doc, QStringLiteral("ANT-1")).size(), 2u);
    EXPECT_EQ(Busca(doc, QStringLiteral("14/06/2024")).size(), 2u);
    EXPECT_EQ(Busca(doc, QStringLiteral("01/06/2024")).size(), 1u);  // A001's, not A004's
    EXPECT_TRUE(Busca(doc, QStringLiteral("A004")).empty());
    const auto totales = Busca(doc, QStringLiteral("SALDO TOTAL DEL GRUPO :"));
    ASSERT_EQ(totales.size(), 2u);
    EXPECT_EQ(EnLinea(doc, totales[0].pagina, totales[0].texto.y).mid(1),
              (QStringList{"1,030.00", "600.49", "9.99", "1,620.50"}));
    EXPECT_EQ(EnLinea(doc, totales[1].pagina, totales[1].texto.y).mid(1),
              (QStringList{"0.00", "99.99", "9.99", "90.00"}));
}

// 50 charges of A002 on one day: the movement that would pass 14300 opens page 2 at 1550, and
// the running balance goes on.
class AuxiliarLargo : public Auxiliar {
protected:
    AuxiliarLargo()
        : Auxiliar("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i+1 FROM n WHERE i<50) INSERT INTO "
                   "tblGastosEnc(NUM_MOV,FOL_MOV,COD_ACRE,CON_GRL,COD_CON,FEC_MOV,PLA_PAG,IMP_MOV,SAL_MOV,COD_ESTATUS) "
                   "SELECT 100+i,'FAC-2024-'||(100+i),'A002','GTOS','INGR','2024-06-05',0,10,10,1 FROM n;") {}
};

TEST_F(AuxiliarLargo, ElMovimientoQuePasaDe14300AbrePagina) {
    const report::Documento doc = Corre(true);
    ASSERT_EQ(doc.size(), 2u);
    // Folios cut to their last 10 characters; a concept code the concepts lack is described by
    // the folio classes.
    EXPECT_EQ(EnLinea(doc, 1, 4060), (QStringList{"Ingresos", "C-2024-101", "05/06/2024", "10.00", "10.00"}));
    EXPECT_EQ(EnLinea(doc, 1, 14140).last(), "430.00");
    EXPECT_EQ(EnLinea(doc, 2, 1550), (QStringList{"Ingresos", "C-2024-144", "05/06/2024", "10.00", "440.00"}));
    EXPECT_EQ(EnLinea(doc, 2, 3230), (QStringList{"500.00", "0.00", "500.00"}));
    EXPECT_EQ(EnLinea(doc, 2, 3630).first(), "A003");
}

// 42 creditors without movements, listed with both boxes checked: the summary line past 13700
// is the last of page 1.
class AuxiliarResumidoLargo : public Auxiliar {
protected:
    AuxiliarResumidoLargo() : Auxiliar(prueba::Generados("G", 42, 10, 1)) {}
};

TEST_F(AuxiliarResumidoLargo, ElRenglonPasadoDe13700CierraLaPagina) {
    ventana->cmbConsulta.SetListIndex(1);
    ventana->chkSinMovtos.UserClick();
    ventana->chkSinSaldo.UserClick();
    const report::Documento doc = Corre(false);
    ASSERT_EQ(doc.size(), 2u);
    // The four fixture creditors come first.
    EXPECT_EQ(Rasgos(doc, QStringLiteral("G037")), "p1 0,13900 a0 s6 n1 c0");
    EXPECT_EQ(Rasgos(doc, QStringLiteral("G038")), "p2 0,1550 a0 s6 n1 c0");
    EXPECT_EQ(EnLinea(doc, 2, 3050).first(), "SALDO TOTAL  :");
}

}  // namespace
