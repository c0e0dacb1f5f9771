// "Reposición de Caja" run end to end and read back from the document the preview was shown:
// document and concept lines, the tax and withholdings worked out from the percentages, totals,
// the cheque and date filters and the page breaks.
#include "BaseGastos.h"

using prueba::VentanaGastos;

namespace {

// Three documents around 01/06/2024-30/06/2024 (the first on the start date, the second on the end
// date, the third a day after) and one the day before. RC-2024-0002 has an expense without amount.
const char* const Caja = R"SQL(
INSERT INTO tblConceptosGyT VALUES('HONOR','GTOS','Honorarios por asesoría contable del mes');
INSERT INTO tblIngreEgre(MOVIMIENTO,FOL_GRL,NUM_CTA) VALUES(1,100,'0100017001'),(2,101,'0100017001'),(3,102,'0100017002'),
  (4,103,'0100017001');
INSERT INTO tblReposicionCaja VALUES
 ('RC-2024-0001',100,'CH-0000000123','2024-06-01',1500,1293),
 ('RC-2024-0002',101,'CH-124','2024-06-30',250,232),
 ('RC-2024-0003',102,'CH-125','2024-07-01',60,58),
 ('RC-2024-0000',103,'CH-122','2024-05-31',70,70);
INSERT INTO tblReposicionCajaMov VALUES
 ('RC-2024-0001',1,'HONOR','Recibo 15','2024-06-01',1234.56,16,10.6667,10),
 ('RC-2024-0001',2,'LUZ','Recibo de luz de la sucursal del centro','2024-06-02',100.05,16,0,0),
 ('RC-2024-0002',1,'LUZ','Recibo 2','2024-06-29',NULL,16,0,0),
 ('RC-2024-0002',2,'RENTA','Recibo 3','2024-06-29',200,16,0,0),
 ('RC-2024-0003',1,'LUZ','Recibo 4','2024-06-30',50,16,0,0),
 ('RC-2024-0000',1,'RENTA','Recibo 1','2024-05-30',70,0,0,0);
)SQL";

class Reposicion : public VentanaGastos {
protected:
    explicit Reposicion(const std::string& guion = prueba::Esquema() + Caja) : VentanaGastos(guion) {}

    report::Documento Corre(bool porConcepto, bool detallado) {
        ventana->cmbConsulta.SetListIndex(4);
        ventana->dtpFecha(0).SetValue(QDate(2024, 6, 1));
        ventana->dtpFecha(1).SetValue(QDate(2024, 6, 30));
        ventana->optOrden(porConcepto ? 1 : 0).UserClick();
        ventana->optTipo(detallado ? 0 : 1).UserClick();
        return ConsultaLimpia();
    }
};

TEST_F(Reposicion, PorFolioDetallado) {
    const report::Documento doc = Corre(false, true);
    ASSERT_EQ(doc.size(), 1u);

    // Document line: folio and cheque by their last 10 characters, the cheque against its receipts.
    EXPECT_EQ(EnLinea(doc, 1, 1850),
              (QStringList{"-2024-0001", "0000000123", "0100017001", "$ 1,500.00", "$ 1,293.00", "$ 207.00"}));
    // Tax and withholdings from the percentages, kept to four decimals: 1,234.56 + 197.5296 -
    // 131.6868 - 123.456 is 1,176.9468, not the 1,176.94 the rounded cents would add up to.
    EXPECT_EQ(EnLinea(doc, 1, 2100), (QStringList{"Honorarios por asesoría con", "Recibo 15", "01/06/2024", "1,234.56",
                                                  "197.53", "131.69", "123.46", "1,176.95"}));
    EXPECT_EQ(EnLinea(doc, 1, 2300), (QStringList{"Luz", "Recibo de luz de la sucursa", "02/06/2024", "100.05", "16.01",
                                                  "0.00", "0.00", "116.06"}));
    // The document's total line, under a rule from 5800.
    EXPECT_EQ(EnLinea(doc, 1, 2500), (QStringList{"1,334.61", "213.54", "131.69", "123.46", "1,293.00"}));

    EXPECT_EQ(EnLinea(doc, 1, 2750).first(), "-2024-0002");
    // An expense without amount prints an empty total and counts for nothing.
    EXPECT_EQ(EnLinea(doc, 1, 3000), (QStringList{"Luz", "Recibo 2", "29/06/2024", ""}));
    EXPECT_EQ(EnLinea(doc, 1, 3400), (QStringList{"200.00", "32.00", "0.00", "0.00", "232.00"}));
    EXPECT_EQ(EnLinea(doc, 1, 3800), (QStringList{"TOTAL GLOBAL", "$ 1,750.00", "$ 1,525.00", "$ 225.00"}));
    EXPECT_TRUE(Busca(doc, QStringLiteral("-2024-0003")).empty());
    EXPECT_TRUE(Busca(doc, QStringLiteral("-2024-0000")).empty());
}

TEST_F(Reposicion, PorConceptoDetallado) {
    const report::Documento doc = Corre(true, true);
    EXPECT_EQ(EnLinea(doc, 1, 1900).mid(0, 4), (QStringList{"01/06/2024", "Recibo 15", "0000000123", "0100017001"}));
    EXPECT_EQ(EnLinea(doc, 1, 2100),
              (QStringList{"TOTAL CONCEPTO", "1,234.56", "197.53", "131.69", "123.46", "1,176.95"}));
    // References show their last 10 characters here.
    EXPECT_EQ(EnLinea(doc, 1, 2600).mid(0, 2), (QStringList{"02/06/2024", "del centro"}));
    EXPECT_EQ(EnLinea(doc, 1, 3000).first(), "TOTAL CONCEPTO");
    EXPECT_EQ(EnLinea(doc, 1, 3700), (QStringList{"TOTAL CONCEPTO", "200.00", "32.00", "0.00", "0.00", "232.00"}));
    EXPECT_EQ(EnLinea(doc, 1, 4100),
              (QStringList{"TOTAL GLOBAL", "$ 1,534.61", "$ 245.54", "$ 131.69", "$ 123.46", "$ 1,525.00"}));
}

TEST_F(Reposicion, Resumidos) {
    // By document: one line each, no amount headings and no total lines until the end.
    report::Documento doc = Corre(false, false);
    EXPECT_TRUE(Busca(doc, QStringLiteral("Ret. IVA")).empty());
    EXPECT_EQ(EnLinea(doc, 1, 1650).first(), "-2024-0001");
    EXPECT_EQ(EnLinea(doc, 1, 1900).first(), "-2024-0002");
    EXPECT_EQ(EnLinea(doc, 1, 2300), (QStringList{"TOTAL GLOBAL", "$ 1,750.00", "$ 1,525.00", "$ 225.00"}));

    // By concept: each concept's line carries its totals.
    doc = Corre(true, false);
    EXPECT_EQ(EnLinea(doc, 1, 1650), (QStringList{"Honorarios por asesoría contable del mes", "1,234.56", "197.53",
                                                  "131.69", "123.46", "1,176.95"}));
    EXPECT_EQ(EnLinea(doc, 1, 1900), (QStringList{"Luz", "100.05", "16.01", "0.00", "0.00", "116.06"}));
    EXPECT_EQ(EnLinea(doc, 1, 2150).mid(0, 2), (QStringList{"Renta", "200.00"}));
    EXPECT_TRUE(Busca(doc, QStringLiteral("TOTAL CONCEPTO")).empty());
    EXPECT_EQ(EnLinea(doc, 1, 2550),
              (QStringList{"TOTAL GLOBAL", "$ 1,534.61", "$ 245.54", "$ 131.69", "$ 123.46", "$ 1,525.00"}));
}

TEST_F(Reposicion, ChequeYConceptos) {
    // A cheque folio replaces the period.
    ventana->cmbConsulta.SetListIndex(4);
    ventana->txtFolioCheque.SetText(QStringLiteral("CH-125"));
    report::Documento doc = Corre(false, true);
    EXPECT_EQ(EnLinea(doc, 1, 1850).first(), "-2024-0003");
    EXPECT_EQ(Busca(doc, QStringLiteral("$ 60.00")).size(), 2u);

    // Ticked concepts count only by concept, and still with a cheque.
    Marca(1, QStringLiteral("ARENTA"));
    doc = Corre(false, true);
    EXPECT_EQ(EnLinea(doc, 1, 1850).first(), "-2024-0003");
    doc = Corre(true, true);
    EXPECT_TRUE(Busca(doc, QStringLiteral("Luz")).empty());
    EXPECT_TRUE(Busca(doc, QStringLiteral("TOTAL GLOBAL")).empty());

    ventana->txtFolioCheque.SetText(QString());
    doc = Corre(true, true);
    EXPECT_EQ(Busca(doc, QStringLiteral("Renta")).size(), 1u);
    EXPECT_TRUE(Busca(doc, QStringLiteral("Luz")).empty());
    EXPECT_EQ(Busca(doc, QStringLiteral("$ 232.00")).size(), 1u);

    // Quotes cannot break the query or widen it: only the headings.
    ventana->txtFolioCheque.SetText(QStringLiteral("CH-125' OR '1'='1"));
    doc = Corre(false, true);
    ASSERT_EQ(doc.size(), 1u);
    EXPECT_TRUE(Busca(doc, QStringLiteral("TOTAL GLOBAL")).empty());
    EXPECT_TRUE(EnLinea(doc, 1, 1850).isEmpty());
}

// Document RC-A with M expenses of 10.00, then RC-B with one.
template <int M>
class Largo : public Reposicion {
protected:
    Largo()
        : Reposicion(prueba::Esquema() +
                     "INSERT INTO tblIngreEgre(MOVIMIENTO,FOL_GRL,NUM_CTA) VALUES(1,1,'C1'),(2,2,'C1');"
                     "INSERT INTO tblReposicionCaja VALUES('RC-A',1,'CH-1','2024-06-10',0,0),('RC-B',2,'CH-2','2024-06-11',0,0);"
                     "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i+1 FROM n WHERE i<" + std::to_string(M) +
                     ") INSERT INTO tblReposicionCajaMov SELECT 'RC-A',i,'LUZ',printf('R%03d',i),'2024-06-01',10,0,0,0 FROM n;"
                     "INSERT INTO tblReposicionCajaMov VALUES('RC-B',1,'LUZ','Ultimo','2024-06-02',10,0,0,0);") {}
};

// Expense lines start at 2100 and advance 200; the one ending past 14000 opens a page whose lines
// start at 1750 under the headings.
using SesentaYUnGastos = Largo<61>;
TEST_F(SesentaYUnGastos, ElRenglonQuePasaDe14000AbrePagina) {
    const report::Documento doc = Corre(false, true);
    ASSERT_EQ(doc.size(), 2u);
    EXPECT_EQ(Rasgos(doc, QStringLiteral("R060")), "p1 2500,13900 a0 s7 n0 c0");
    EXPECT_EQ(Rasgos(doc, QStringLiteral("R061")), "p2 2500,1750 a0 s7 n0 c0");
}

// A document's total line ending past 13000 opens a page: with 54 expenses it stands at 12900.
using CincuentaYCuatroGastos = Largo<54>;
TEST_F(CincuentaYCuatroGastos, ElTotalPasadoElLimiteAbrePagina) {
    const report::Documento doc = Corre(false, true);
    ASSERT_EQ(doc.size(), 2u);
    EXPECT_EQ(EnLinea(doc, 1, 12900).first(), "540.00");
    EXPECT_EQ(Rasgos(doc, QStringLiteral("RC-B")), "p2 100,1750 a0 s7 n1 c16711680");
}

}  // namespace
