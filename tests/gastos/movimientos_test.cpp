// "Relación de Movimientos" run end to end through the page writer and read back from the
// document the preview was shown: amounts, breaks, totals and filters.
#include "BaseGastos.h"

#include <functional>

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

TEST_F(Movtos, DetalladosYResumidos) {
    // By creditor: movements by concept and folio, bold as the heading left them; the credit takes
    // 50.00 off (1,000.00 + 200.25 + 300.25 + 70.00 + 80.00 - 50.00); the amount before tax puts
    // back the tax withheld; the folio shows its last 10 characters.
    report::Documento doc = Corre(false, true);
    EXPECT_EQ(Rasgos(doc, QStringLiteral("F-4")), "p1 3800,2350 a0 s7 n1 c0");
    EXPECT_EQ(Folios(doc), (QStringList{"F-4", "F-2", "F-1", "F-3", "F-5", "F-6", "024-000123", "F-11", "F-7"}));
    Comprueba(doc, {{1, 3550, {"TOTAL ACREEDOR", "1,600.50"}},
                    {1, 4050, {"30/06/2024", "(LUZ) Luz", "024-000123", "Aplicado", "1,000.00", "160.00", "106.67",
                               "100.00", "953.33"}},
                    {1, 4450, {"TOTAL ACREEDOR", "1,353.33"}},
                    {1, 5150, {"TOTAL ACREEDOR", "99.99"}}});

    // By concept: lines not bold, the creditor's name cut to 40 characters; a concept of credits
    // only draws no total, and the next one starts from zero.
    doc = Corre(true, true);
    EXPECT_EQ(EnLinea(doc, 1, 2350).mid(0, 2), (QStringList{"01/05/2024", "Papelería Ñandú y Asociados de Occidente"}));
    EXPECT_EQ(Rasgos(doc, QStringLiteral("F-4")), "p1 3800,2350 a0 s7 n0 c0");
    EXPECT_EQ(Folios(doc), (QStringList{"F-4", "F-2", "F-7", "024-000123", "F-1", "F-5", "F-6", "F-3", "F-11"}));
    Comprueba(doc, {{1, 2550, {"Luz (LUZ)"}},
                    {1, 3400, {"TOTAL CONCEPTO", "1,253.57"}},
                    {1, 4900, {"TOTAL CONCEPTO", "1,850.25"}}});  // 1,000.00 + 70.00 + 80.00 + 300.25 + 400.00

    // Summary: a line per creditor closed by its total, no movements; by concept a concept of
    // credits keeps its own line with its negative total.
    doc = Corre(false, false);
    EXPECT_TRUE(Folios(doc).isEmpty());
    Comprueba(doc, {{1, 1900, {"A001", "Papelería Ñandú y Asociados de Occidente, S.A. de C.V.", "1,600.50"}},
                    {1, 2400, {"A003", "Importadora del Pacífico", "99.99"}}});
    Comprueba(Corre(true, false), {{1, 1900, {"Devolución (DEVOL)", "-50.00"}}, {1, 2150, {"Luz (LUZ)", "1,253.57"}}});
}

// Status boxes, ticked concepts, agrupaciones and a typed code each narrow what prints.
TEST_F(Movtos, Filtros) {
    ventana->cmbConsulta.SetListIndex(2);
    const struct {
        std::function<void()> cambio;
        QStringList folios;
    } pasos[] = {
        {[&] { ventana->chkStatus(0).UserClick(); }, {"F-4", "F-2", "F-1", "F-3", "024-000123", "F-7"}},  // "Aplicados"
        {[&] { ventana->chkStatus(1).UserClick(); }, {"F-4", "F-2", "F-1", "F-3", "F-5", "024-000123", "F-11", "F-7"}},
        {[&] { ventana->chkStatus(0).UserClick(); }, {"F-5", "F-11"}},  // "Cancelados" alone
        // Concepts ticked in the tree: the credit's concept is left unticked.
        {[&] {
             ventana->chkStatus(1).UserClick();
             Marca(1, QStringLiteral("ARENTA"));
             Marca(1, QStringLiteral("ALUZ"));
         },
         {"F-2", "F-1", "F-3", "F-5", "F-6", "024-000123", "F-11", "F-7"}},
        // The same filters hold in the grouped form.
        {[&] {
             Marca(0, QStringLiteral("G2"));
             ventana->chkStatus(1).UserClick();
         },
         {}},
        {[&] { ventana->chkStatus(1).UserClick(); }, {"F-7"}},
        // A typed code wins over the tree.
        {[&] { ventana->txtCodAcreedor.SetText(QStringLiteral("A002")); }, {"024-000123", "F-11"}},
    };
    for (const auto& p : pasos) {
        p.cambio();
        EXPECT_EQ(Folios(Corre(false, true)), p.folios);
    }
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

}  // namespace
