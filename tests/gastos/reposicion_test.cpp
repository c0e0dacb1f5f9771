// "Reposición de Caja" run end to end and read back from the document the preview was shown:
// document and concept lines, the tax and withholdings worked out from the percentages, totals,
// the cheque and date filters.
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

TEST_F(Reposicion, DetalladosYResumidos) {
    // By document: folio and cheque by their last 10 characters, the cheque against its receipts.
    // Tax and withholdings from the percentages, kept to four decimals: 1,234.56 + 197.5296 -
    // 131.6868 - 123.456 is 1,176.9468, not the 1,176.94 the rounded cents would add up to. An
    // expense without amount prints an empty total and counts for nothing; the documents outside
    // the period do not print.
    report::Documento doc = Corre(false, true);
    Comprueba(doc, {{1, 1850, {"-2024-0001", "0000000123", "0100017001", "$ 1,500.00", "$ 1,293.00", "$ 207.00"}},
                    {1, 2100, {"Honorarios por asesoría con", "Recibo 15", "01/06/2024", "1,234.56", "197.53", "131.69",
                               "123.46", "1,176.95"}},
                    {1, 2500, {"1,334.61", "213.54", "131.69", "123.46", "1,293.00"}},
                    {1, 3000, {"Luz", "Recibo 2", "29/06/2024", ""}},
                    {1, 3400, {"200.00", "32.00", "0.00", "0.00", "232.00"}},
                    {1, 3800, {"TOTAL GLOBAL", "$ 1,750.00", "$ 1,525.00", "$ 225.00"}}});
    EXPECT_TRUE(Busca(doc, QStringLiteral("-2024-0003")).empty() && Busca(doc, QStringLiteral("-2024-0000")).empty());

    // By concept references show their last 10 characters too.
    doc = Corre(true, true);
    Comprueba(doc, {{1, 2100, {"TOTAL CONCEPTO", "1,234.56", "197.53", "131.69", "123.46", "1,176.95"}},
                    {1, 4100, {"TOTAL GLOBAL", "$ 1,534.61", "$ 245.54", "$ 131.69", "$ 123.46", "$ 1,525.00"}}});
    EXPECT_EQ(EnLinea(doc, 1, 2600).mid(0, 2), (QStringList{"02/06/2024", "del centro"}));

    // Summary by document: no amount headings and no total lines until the end; by concept each
    // concept's line carries its totals.
    doc = Corre(false, false);
    EXPECT_TRUE(Busca(doc, QStringLiteral("Ret. IVA")).empty());
    Comprueba(doc, {{1, 2300, {"TOTAL GLOBAL", "$ 1,750.00", "$ 1,525.00", "$ 225.00"}}});
    doc = Corre(true, false);
    EXPECT_TRUE(Busca(doc, QStringLiteral("TOTAL CONCEPTO")).empty());
    Comprueba(doc, {{1, 1650, {"Honorarios por asesoría contable del mes", "1,234.56", "197.53", "131.69", "123.46",
                               "1,176.95"}},
                    {1, 2550, {"TOTAL GLOBAL", "$ 1,534.61", "$ 245.54", "$ 131.69", "$ 123.46", "$ 1,525.00"}}});
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

}  // namespace
