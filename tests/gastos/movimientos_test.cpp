// "Relación de Movimientos" run end to end through the page writer and read back from the
// document the preview was shown: columns, amounts, breaks and totals, filters and page breaks.
#include "BaseGastos.h"

using prueba::VentanaGastos;

namespace {

// Over the base creditors' movements: folios and branches for all, taxes and withholdings on one,
// a paid one (status 5), and around 01/05/2024-30/06/2024 one on each end and one just outside.
// A003 also belongs to Papelería.
const char* const Movimientos = R"SQL(
UPDATE tblGastosEnc SET COD_SUCU='01', FOL_MOV='F-'||NUM_MOV, IVA_MOV=0, RET_TOT=0, RET_ISRTOT=0;
UPDATE tblGastosEnc SET COD_ESTATUS=5 WHERE NUM_MOV=6;
INSERT INTO tblEstatusGyT VALUES(5,'Pagado');
INSERT INTO tblGastosEnc(NUM_MOV,COD_SUCU,FOL_MOV,COD_ACRE,CON_GRL,COD_CON,FEC_MOV,PLA_PAG,IMP_MOV,IVA_MOV,RET_TOT,
  RET_ISRTOT,SAL_MOV,COD_ESTATUS) VALUES
 (8,'01','FAC-2024-000123','A002','GTOS','LUZ','2024-06-30',0,953.33,160,106.67,100,953.33,1),
 (9,'01','F-9','A002','GTOS','LUZ','2024-07-01',0,500,0,0,0,500,1),
 (10,'01','F-10','A002','GTOS','RENTA','2024-04-30',0,600,0,0,0,600,1),
 (11,'01','F-11','A002','GTOS','RENTA','2024-06-20',0,400,0,0,0,400,2);
INSERT INTO tblGpoAgrProveedor VALUES('A003',1,10);
)SQL";

// n charges of 10.00 for one creditor on 01/06/2024, folios M001.., numbers from `desde`.
std::string Cargos(const char* acreedor, int n, int desde) {
    return "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i+1 FROM n WHERE i<" + std::to_string(n) +
           ") INSERT INTO tblGastosEnc(NUM_MOV,COD_SUCU,FOL_MOV,COD_ACRE,CON_GRL,COD_CON,FEC_MOV,PLA_PAG,IMP_MOV,IVA_MOV,"
           "RET_TOT,RET_ISRTOT,SAL_MOV,COD_ESTATUS) SELECT " + std::to_string(desde) +
           "+i,'01',printf('M%03d',i),'" + acreedor + "','GTOS','LUZ','2024-06-01',0,10,0,0,0,10,1 FROM n;";
}

class Movtos : public VentanaGastos {
protected:
    explicit Movtos(const std::string& guion = prueba::Esquema() + prueba::AcreedoresBase() + Movimientos)
        : VentanaGastos(guion) {}

    report::Documento Corre(bool porConcepto, bool detallado) {
        ventana->cmbConsulta.SetListIndex(2);
        ventana->dtpFecha(0).SetValue(QDate(2024, 5, 1));
        ventana->dtpFecha(1).SetValue(QDate(2024, 6, 30));
        ventana->optOrden(porConcepto ? 1 : 0).UserClick();
        ventana->optTipo(detallado ? 0 : 1).UserClick();
        return ConsultaLimpia();
    }
    // The folios listed, in the order they were drawn.
    static QStringList Folios(const report::Documento& doc) {
        static const QStringList folios = {"F-1", "F-2", "F-3", "F-4", "F-5", "F-6", "F-7", "024-000123", "F-9", "F-10", "F-11"};
        QStringList r;
        for (const report::Pagina& pagina : doc)
            for (const auto& registro : pagina.registros)
                if (const auto* t = std::get_if<report::Texto>(&registro); t && folios.contains(t->texto)) r << t->texto;
        return r;
    }
};

TEST_F(Movtos, PorAcreedorDetallado) {
    const report::Documento doc = Corre(false, true);
    ASSERT_EQ(doc.size(), 1u);

    // Creditor heading, then its movements by concept and folio, bold as the heading left them.
    EXPECT_EQ(EnLinea(doc, 1, 2100), (QStringList{"A001", "Papelería Ñandú y Asociados de Occidente, S.A. de C.V."}));
    EXPECT_EQ(EnLinea(doc, 1, 2350), (QStringList{"01/05/2024", "(DEVOL) Devolución", "F-4", "Aplicado", "50.00", "0.00",
                                                  "0.00", "0.00", "50.00"}));
    EXPECT_EQ(Rasgos(doc, QStringLiteral("F-4")), "p1 3800,2350 a0 s7 n1 c0");
    EXPECT_EQ(Folios(doc), (QStringList{"F-4", "F-2", "F-1", "F-3", "F-5", "F-6", "024-000123", "F-11", "F-7"}));
    EXPECT_EQ(EnLinea(doc, 1, 3150).mid(2, 3), (QStringList{"F-5", "Cancelado", "70.00"}));
    // The credit takes 50.00 off: 1,000.00 + 200.25 + 300.25 + 70.00 + 80.00 - 50.00.
    EXPECT_EQ(EnLinea(doc, 1, 3550), (QStringList{"TOTAL ACREEDOR", "1,600.50"}));

    // The amount before tax puts back the tax withheld; the folio shows its last 10 characters.
    EXPECT_EQ(EnLinea(doc, 1, 4050), (QStringList{"30/06/2024", "(LUZ) Luz", "024-000123", "Aplicado", "1,000.00",
                                                  "160.00", "106.67", "100.00", "953.33"}));
    EXPECT_EQ(EnLinea(doc, 1, 4450), (QStringList{"TOTAL ACREEDOR", "1,353.33"}));
    EXPECT_EQ(EnLinea(doc, 1, 4700), (QStringList{"A003", "Importadora del Pacífico"}));
    EXPECT_EQ(EnLinea(doc, 1, 5150), (QStringList{"TOTAL ACREEDOR", "99.99"}));
}

TEST_F(Movtos, PorConceptoDetallado) {
    const report::Documento doc = Corre(true, true);
    // Movement lines are not bold here; the creditor's name is cut to 40 characters.
    EXPECT_EQ(EnLinea(doc, 1, 2350).mid(0, 3),
              (QStringList{"01/05/2024", "Papelería Ñandú y Asociados de Occidente", "F-4"}));
    EXPECT_EQ(Rasgos(doc, QStringLiteral("F-4")), "p1 3800,2350 a0 s7 n0 c0");
    // Only credits: a negative total draws no line, and the next concept starts from zero.
    EXPECT_EQ(EnLinea(doc, 1, 2550), QStringList{"Luz (LUZ)"});
    EXPECT_EQ(Folios(doc), (QStringList{"F-4", "F-2", "F-7", "024-000123", "F-1", "F-5", "F-6", "F-3", "F-11"}));
    EXPECT_EQ(EnLinea(doc, 1, 3400), (QStringList{"TOTAL CONCEPTO", "1,253.57"}));
    // 1,000.00 + 70.00 + 80.00 (01/05) + 300.25 + 400.00
    EXPECT_EQ(EnLinea(doc, 1, 4900), (QStringList{"TOTAL CONCEPTO", "1,850.25"}));
    EXPECT_EQ(Busca(doc, QStringLiteral("TOTAL CONCEPTO")).size(), 2u);
}

TEST_F(Movtos, FiltrosDeEstatusYConcepto) {
    ventana->cmbConsulta.SetListIndex(2);
    ventana->chkStatus(0).UserClick();  // "Aplicados"
    report::Documento doc = Corre(false, true);
    EXPECT_EQ(Folios(doc), (QStringList{"F-4", "F-2", "F-1", "F-3", "024-000123", "F-7"}));

    ventana->chkStatus(1).UserClick();  // and "Cancelados"
    doc = Corre(false, true);
    EXPECT_EQ(Folios(doc), (QStringList{"F-4", "F-2", "F-1", "F-3", "F-5", "024-000123", "F-11", "F-7"}));

    ventana->chkStatus(0).UserClick();  // "Cancelados" alone
    doc = Corre(false, true);
    EXPECT_EQ(Folios(doc), (QStringList{"F-5", "F-11"}));

    // Concepts ticked in the tree: the credit's concept is left unticked.
    ventana->chkStatus(1).UserClick();
    Marca(1, QStringLiteral("ARENTA"));
    Marca(1, QStringLiteral("ALUZ"));
    doc = Corre(false, true);
    EXPECT_EQ(Folios(doc), (QStringList{"F-2", "F-1", "F-3", "F-5", "F-6", "024-000123", "F-11", "F-7"}));
    EXPECT_EQ(Busca(doc, QStringLiteral("1,650.50")).size(), 1u);

    // The same filters hold in the grouped form.
    Marca(0, QStringLiteral("G2"));
    ventana->chkStatus(1).UserClick();
    doc = Corre(false, true);
    EXPECT_EQ(Folios(doc), QStringList{});
    ventana->chkStatus(1).UserClick();
    doc = Corre(false, true);
    EXPECT_EQ(Folios(doc), QStringList{"F-7"});
}

TEST_F(Movtos, Resumidos) {
    report::Documento doc = Corre(false, false);
    // One line per creditor: its heading and, at the next break, its total.
    EXPECT_EQ(EnLinea(doc, 1, 1900), (QStringList{"A001", "Papelería Ñandú y Asociados de Occidente, S.A. de C.V.", "1,600.50"}));
    EXPECT_EQ(EnLinea(doc, 1, 2150), (QStringList{"A002", "Limpiezas del Norte", "1,353.33"}));
    EXPECT_EQ(EnLinea(doc, 1, 2400), (QStringList{"A003", "Importadora del Pacífico", "99.99"}));
    EXPECT_TRUE(Folios(doc).isEmpty());

    // A concept of credits only keeps its own line, with its negative total.
    doc = Corre(true, false);
    EXPECT_EQ(EnLinea(doc, 1, 1900), (QStringList{"Devolución (DEVOL)", "-50.00"}));
    EXPECT_EQ(EnLinea(doc, 1, 2150), (QStringList{"Luz (LUZ)", "1,253.57"}));
    EXPECT_EQ(EnLinea(doc, 1, 2400), (QStringList{"Renta (RENTA)", "1,850.25"}));
}

TEST_F(Movtos, AgrupadoPorAgrupaciones) {
    Marca(0, QStringLiteral("G1"));
    Marca(0, QStringLiteral("G2"));
    const report::Documento doc = Corre(false, true);
    // A003 belongs to two agrupaciones and is listed under both.
    EXPECT_EQ(Busca(doc, QStringLiteral("A003")).size(), 2u);
    EXPECT_EQ(Busca(doc, QStringLiteral("99.99")).size(), 6u);  // twice its line and total
    const auto importados = Busca(doc, QStringLiteral("Extranjeros:   Importados"));
    ASSERT_EQ(importados.size(), 1u);
    // The last creditor of Limpieza closes with its total before the new agrupación's heading.
    EXPECT_EQ(EnLinea(doc, 1, importados[0].texto.y - 350), (QStringList{"TOTAL ACREEDOR", "1,353.33"}));
}

TEST_F(Movtos, CodigoTecleado) {
    Marca(0, QStringLiteral("A10"));  // not consulted once a code is typed
    ventana->cmbConsulta.SetListIndex(2);
    ventana->txtCodAcreedor.SetText(QStringLiteral("A002"));
    const report::Documento doc = Corre(false, true);
    EXPECT_EQ(EnLinea(doc, 1, 2300), (QStringList{"A002", "Limpiezas del Norte"}));
    EXPECT_EQ(Folios(doc), (QStringList{"024-000123", "F-11"}));
    EXPECT_TRUE(Busca(doc, QStringLiteral("Nacionales:   Papelería")).empty());
}

// G001 with M charges, then G002 with one.
template <int M>
class DosAcreedores : public Movtos {
protected:
    DosAcreedores()
        : Movtos(prueba::Esquema() + prueba::Generados("G", 2, 10, 1) + Cargos("G001", M, 0) + Cargos("G002", 1, 100)) {}
};

// Movement lines start at 2350 and advance 200; the one that ends past 14000 opens a page, whose
// lines start at 1750 under the headings (the period but no region line).
using SesentaCargos = DosAcreedores<60>;
TEST_F(SesentaCargos, ElRenglonQuePasaDe14000AbrePagina) {
    const report::Documento doc = Corre(false, true);
    ASSERT_EQ(doc.size(), 2u);
    EXPECT_EQ(Rasgos(doc, QStringLiteral("M059")), "p1 3800,13950 a0 s7 n1 c0");
    EXPECT_EQ(Rasgos(doc, QStringLiteral("M060")), "p2 3800,1750 a0 s7 n1 c0");
    EXPECT_EQ(EnLinea(doc, 2, 1500), QStringList{"Del:  01/may/2024    Al :  30/jun/2024"});
    EXPECT_EQ(EnLinea(doc, 2, 1950), (QStringList{"TOTAL ACREEDOR", "600.00"}));
}

// After G001's total (53 charges) the line stands at 13200, past 13000: the next creditor goes to
// a new page.
using CincuentaYTres = DosAcreedores<53>;
TEST_F(CincuentaYTres, ElTotalPasadoElLimiteAbrePagina) {
    const report::Documento doc = Corre(false, true);
    ASSERT_EQ(doc.size(), 2u);
    EXPECT_EQ(EnLinea(doc, 1, 12950), (QStringList{"TOTAL ACREEDOR", "530.00"}));
    EXPECT_EQ(EnLinea(doc, 2, 1750), (QStringList{"G002", "Generado 2"}));
}

// 51 creditors with one charge each, all in Papelería.
class CincuentaAcreedores : public Movtos {
protected:
    CincuentaAcreedores()
        : Movtos(prueba::Esquema() + prueba::Generados("G", 51, 10, 1) +
                 "INSERT INTO tblGastosEnc(NUM_MOV,COD_SUCU,FOL_MOV,COD_ACRE,CON_GRL,COD_CON,FEC_MOV,PLA_PAG,IMP_MOV,"
                 "IVA_MOV,RET_TOT,RET_ISRTOT,SAL_MOV,COD_ESTATUS) SELECT CAST(substr(COD_PROV,2) AS INTEGER),'01','X',"
                 "COD_PROV,'GTOS','LUZ','2024-06-01',0,10,0,0,0,10,1 FROM tblCatProveedor;") {}
};

// "Resumido": lines from 1900, 250 apart. A heading that ends past 14000 is left on its page and
// its total opens the next one.
TEST_F(CincuentaAcreedores, ResumidoPasadoDe14000) {
    const report::Documento doc = Corre(false, false);
    ASSERT_EQ(doc.size(), 2u);
    EXPECT_EQ(EnLinea(doc, 1, 13900), (QStringList{"G049", "Generado 49", "10.00"}));
    EXPECT_EQ(EnLinea(doc, 1, 14150), (QStringList{"G050", "Generado 50"}));
    EXPECT_EQ(EnLinea(doc, 2, 1550), QStringList{"10.00"});
    EXPECT_EQ(EnLinea(doc, 2, 1800), (QStringList{"G051", "Generado 51", "10.00"}));
}

// Grouped, the lines start at 2240 under the agrupación: G048's total, at 13990, ends past 14200
// and G049 opens the next page.
TEST_F(CincuentaAcreedores, ResumidoPasadoDe14200) {
    Marca(0, QStringLiteral("A10"));
    const report::Documento doc = Corre(false, false);
    ASSERT_EQ(doc.size(), 2u);
    EXPECT_EQ(EnLinea(doc, 1, 2000), QStringList{"Nacionales:   Papelería"});
    EXPECT_EQ(EnLinea(doc, 1, 13990), (QStringList{"G048", "Generado 48", "10.00"}));
    EXPECT_EQ(EnLinea(doc, 2, 1550), (QStringList{"G049", "Generado 49", "10.00"}));
    EXPECT_EQ(Busca(doc, QStringLiteral("Nacionales:   Papelería")).size(), 1u);
}

}  // namespace
