// Where each expense report fills a page: the row, heading or total that would pass the page's
// limit opens the next page at its first line, in the size and weight the new page leaves.
#include "BaseGastos.h"

#include <functional>

namespace {

using gastos::frmConGastos;
using prueba::Linea;

// n charges of 10.00 for one creditor on 01/06/2024, folios M001.., numbers from `desde`.
std::string Cargos(const char* acreedor, int n, int desde) {
    return "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i+1 FROM n WHERE i<" + std::to_string(n) +
           ") INSERT INTO tblGastosEnc(NUM_MOV,COD_SUCU,FOL_MOV,COD_ACRE,CON_GRL,COD_CON,FEC_MOV,PLA_PAG,IMP_MOV,IVA_MOV,"
           "RET_TOT,RET_ISRTOT,SAL_MOV,COD_ESTATUS) SELECT " + std::to_string(desde) +
           "+i,'01',printf('M%03d',i),'" + acreedor + "','GTOS','LUZ','2024-06-01',0,10,0,0,0,10,1 FROM n;";
}

// Petty-cash document RC-A with m expenses of 10.00, then RC-B with one.
std::string Caja(int m) {
    return "INSERT INTO tblIngreEgre(MOVIMIENTO,FOL_GRL,NUM_CTA) VALUES(1,1,'C1'),(2,2,'C1');"
           "INSERT INTO tblReposicionCaja VALUES('RC-A',1,'CH-1','2024-06-10',0,0),('RC-B',2,'CH-2','2024-06-11',0,0);"
           "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i+1 FROM n WHERE i<" + std::to_string(m) +
           ") INSERT INTO tblReposicionCajaMov SELECT 'RC-A',i,'LUZ',printf('R%03d',i),'2024-06-01',10,0,0,0 FROM n;"
           "INSERT INTO tblReposicionCajaMov VALUES('RC-B',1,'LUZ','Ultimo','2024-06-02',10,0,0,0);";
}

// Creditors "G001".. in Papelería then "H001".. in Importados.
std::string GyH(int g, int h) { return prueba::Generados("G", g, 10, 1) + prueba::Generados("H", h, 20, 2); }

// A report, its period and its form as the user sets them.
void Elige(frmConGastos& v, int consulta, QDate desde, QDate hasta, int orden, int tipo) {
    v.cmbConsulta.SetListIndex(consulta);
    v.dtpFecha(0).SetValue(desde);
    v.dtpFecha(1).SetValue(hasta);
    v.optOrden(orden).UserClick();
    v.optTipo(tipo).UserClick();
}
void Marca(frmConGastos& v, std::initializer_list<const char*> claves) {
    for (const char* c : claves) v.tvwGral(0).UserCheck(v.tvwGral(0).Nodes().Item(QString::fromLatin1(c)));
}
const QDate Mayo(2024, 5, 1), Junio(2024, 6, 1), Quince(2024, 6, 15), Fin(2024, 6, 30);

struct Caso {
    const char* nombre;
    std::string datos;  // after the schema
    std::function<void(frmConGastos&)> prepara;
    std::vector<Linea> lineas;
    std::vector<std::pair<const char*, const char*>> rasgos;  // text and Rasgos()
};
void PrintTo(const Caso& c, std::ostream* os) { *os << c.nombre; }

const Caso Casos[] = {
    // Directory rows from 2050 under the region line, 240 apart: a row ending past 13500 opens a
    // page whose rows start at 1550, size 7 after its heading, without the region line.
    {"directorio", prueba::Generados("G", 50, 10, 1),
     [](frmConGastos& v) {
         v.chkRegion.UserClick();
         v.cmbRegion(0).SetListIndex(0);
         v.optTipo(1).UserClick();
     },
     {{2, 1000, {"Código", "Nombre", "Teléfonos", "e-mail"}}, {2, 2030, {"TOTAL :", "50  Acreedor(es)"}}},
     {{"G048", "p1 0,13330 a0 s9 n0 c0"}, {"G049", "p2 0,1550 a0 s7 n0 c0"}, {"Ciudad:  Guadalajara", "p1 300,1700 a0 s9 n1 c16711680"}}},
    // Grouped, after Papelería's total the line stands at 13000 with 44 creditors, at 13240 with
    // 45: the next group's heading opens a page only past 13000.
    {"directorio_encabezado_al_limite", GyH(44, 1), [](frmConGastos& v) { Marca(v, {"G1", "G2"}); v.optTipo(1).UserClick(); },
     {{2, 1550, {"TOTAL :", "1  Acreedor(es)"}}},
     {{"Extranjeros:   Importados", "p1 100,13100 a0 s9 n1 c16711680"}}},
    {"directorio_encabezado_tras_el_limite", GyH(45, 1), [](frmConGastos& v) { Marca(v, {"G1", "G2"}); v.optTipo(1).UserClick(); },
     {{1, 12940, {"TOTAL :", "45  Acreedor(es)"}}, {2, 1550, {"Extranjeros:   Importados"}}},
     {{"H001", "p2 0,1790 a0 s7 n0 c0"}}},
    // Ledger movements: the one that would pass 14300 opens page 2 at 1550 with the balance
    // carried; folios cut to their last 10 characters, a concept the concepts lack described by
    // the folio classes.
    {"auxiliar",
     prueba::AcreedoresBase() +
         "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i+1 FROM n WHERE i<50) INSERT INTO "
         "tblGastosEnc(NUM_MOV,FOL_MOV,COD_ACRE,CON_GRL,COD_CON,FEC_MOV,PLA_PAG,IMP_MOV,SAL_MOV,COD_ESTATUS) "
         "SELECT 100+i,'FAC-2024-'||(100+i),'A002','GTOS','INGR','2024-06-05',0,10,10,1 FROM n;",
     [](frmConGastos& v) { Elige(v, 1, Junio, Quince, 0, 0); },
     {{1, 4060, {"Ingresos", "C-2024-101", "05/06/2024", "10.00", "10.00"}},
      {1, 14140, {"Ingresos", "C-2024-143", "05/06/2024", "10.00", "430.00"}},
      {2, 1550, {"Ingresos", "C-2024-144", "05/06/2024", "10.00", "440.00"}},
      {2, 3230, {"500.00", "0.00", "500.00"}}},
     {}},
    // Ledger summary: the four fixture creditors first, the line past 13700 is the last of page 1.
    {"auxiliar_resumido", prueba::AcreedoresBase() + prueba::Generados("G", 42, 10, 1),
     [](frmConGastos& v) {
         Elige(v, 1, Junio, Quince, 0, 1);
         v.chkSinMovtos.UserClick();
         v.chkSinSaldo.UserClick();
     },
     {},
     {{"G037", "p1 0,13900 a0 s6 n1 c0"}, {"G038", "p2 0,1550 a0 s6 n1 c0"}}},
    // Balances from 1900, 250 apart: 45 fit on page 1.
    {"saldos", prueba::Generados("G", 46, 10, 1), [](frmConGastos& v) { Elige(v, 3, Junio, Quince, 0, 0); v.chkSinSaldo.UserClick(); },
     {{2, 1800, {"TOTALES :", "46 Acreedor(es)", "0.00"}}},
     {{"G045", "p1 200,12900 a0 s7 n1 c0"}, {"G046", "p2 200,1550 a0 s7 n1 c0"}}},
    // Grouped, after n creditors of Papelería its total leaves the line at 2740 + 250 n: 12990
    // with 41, 13240 with 42; the next heading opens a page only past 13000.
    {"saldos_encabezado_al_limite", GyH(41, 1),
     [](frmConGastos& v) { Elige(v, 3, Junio, Quince, 0, 0); v.chkSinSaldo.UserClick(); Marca(v, {"G1", "G2"}); },
     {{1, 12690, {"TOTAL :", "41  Acreedor(es)", "0.00"}}, {2, 1550, {"TOTAL :", "1  Acreedor(es)", "0.00"}}},
     {{"H001", "p1 200,13530 a0 s7 n1 c0"}}},
    {"saldos_encabezado_tras_el_limite", GyH(42, 1),
     [](frmConGastos& v) { Elige(v, 3, Junio, Quince, 0, 0); v.chkSinSaldo.UserClick(); Marca(v, {"G1", "G2"}); },
     {{1, 12940, {"TOTAL :", "42  Acreedor(es)", "0.00"}}, {2, 1550, {"Extranjeros:   Importados"}}},
     {{"H001", "p2 200,1790 a0 s7 n1 c0"}}},
    // Movement lines from 2350, 200 apart: the one ending past 14000 opens a page whose lines
    // start at 1750 under the headings and the period.
    {"movimientos", prueba::Generados("G", 2, 10, 1) + Cargos("G001", 60, 0) + Cargos("G002", 1, 100),
     [](frmConGastos& v) { Elige(v, 2, Mayo, Fin, 0, 0); },
     {{2, 1500, {"Del:  01/may/2024    Al :  30/jun/2024"}}, {2, 1950, {"TOTAL ACREEDOR", "600.00"}}},
     {{"M059", "p1 3800,13950 a0 s7 n1 c0"}, {"M060", "p2 3800,1750 a0 s7 n1 c0"}}},
    // After G001's total (53 charges) the line stands at 13200, past 13000: the next creditor
    // goes to a new page.
    {"movimientos_total_tras_el_limite", prueba::Generados("G", 2, 10, 1) + Cargos("G001", 53, 0) + Cargos("G002", 1, 100),
     [](frmConGastos& v) { Elige(v, 2, Mayo, Fin, 0, 0); },
     {{1, 12950, {"TOTAL ACREEDOR", "530.00"}}, {2, 1750, {"G002", "Generado 2"}}},
     {}},
    // Summary lines from 1900, 250 apart: a heading that ends past 14000 is left on its page and
    // its total opens the next one.
    {"movimientos_resumido",
     prueba::Generados("G", 51, 10, 1) +
         "INSERT INTO tblGastosEnc(NUM_MOV,COD_SUCU,FOL_MOV,COD_ACRE,CON_GRL,COD_CON,FEC_MOV,PLA_PAG,IMP_MOV,IVA_MOV,RET_TOT,"
         "RET_ISRTOT,SAL_MOV,COD_ESTATUS) SELECT CAST(substr(COD_PROV,2) AS INTEGER),'01','X',COD_PROV,'GTOS','LUZ',"
         "'2024-06-01',0,10,0,0,0,10,1 FROM tblCatProveedor;",
     [](frmConGastos& v) { Elige(v, 2, Mayo, Fin, 0, 1); },
     {{1, 13900, {"G049", "Generado 49", "10.00"}}, {1, 14150, {"G050", "Generado 50"}}, {2, 1550, {"10.00"}},
      {2, 1800, {"G051", "Generado 51", "10.00"}}},
     {}},
    // Grouped, lines from 2240 under the agrupación: G048's total at 13990 ends past 14200 and G049
    // opens the next page, with no second agrupación heading.
    {"movimientos_resumido_agrupado",
     prueba::Generados("G", 51, 10, 1) +
         "INSERT INTO tblGastosEnc(NUM_MOV,COD_SUCU,FOL_MOV,COD_ACRE,CON_GRL,COD_CON,FEC_MOV,PLA_PAG,IMP_MOV,IVA_MOV,RET_TOT,"
         "RET_ISRTOT,SAL_MOV,COD_ESTATUS) SELECT CAST(substr(COD_PROV,2) AS INTEGER),'01','X',COD_PROV,'GTOS','LUZ',"
         "'2024-06-01',0,10,0,0,0,10,1 FROM tblCatProveedor;",
     [](frmConGastos& v) { Elige(v, 2, Mayo, Fin, 0, 1); Marca(v, {"A10"}); },
     {{1, 13990, {"G048", "Generado 48", "10.00"}}, {2, 1550, {"G049", "Generado 49", "10.00"}}},
     {{"Nacionales:   Papelería", "p1 100,2000 a0 s9 n1 c16711680"}}},
    // Petty-cash expense lines from 2100, 200 apart: the one ending past 14000 opens a page at 1750.
    {"reposicion", Caja(61), [](frmConGastos& v) { Elige(v, 4, Junio, Fin, 0, 0); },
     {},
     {{"R060", "p1 2500,13900 a0 s7 n0 c0"}, {"R061", "p2 2500,1750 a0 s7 n0 c0"}}},
    // A document's total line ending past 13000 opens a page: with 54 expenses it stands at 12900.
    {"reposicion_total_tras_el_limite", Caja(54), [](frmConGastos& v) { Elige(v, 4, Junio, Fin, 0, 0); },
     {{1, 12900, {"540.00", "0.00", "0.00", "0.00", "540.00"}}},
     {{"RC-B", "p2 100,1750 a0 s7 n1 c16711680"}}},
};

class Limite : public prueba::VentanaGastos, public ::testing::WithParamInterface<Caso> {
protected:
    Limite() : VentanaGastos(prueba::Esquema() + GetParam().datos) {}
};

TEST_P(Limite, AbreLaPaginaSiguienteDondeDebe) {
    const Caso& c = GetParam();
    c.prepara(*ventana);
    const report::Documento doc = ConsultaLimpia();
    EXPECT_EQ(doc.size(), 2u);
    Comprueba(doc, c.lineas);
    for (const auto& [texto, rasgos] : c.rasgos) EXPECT_EQ(Rasgos(doc, QString::fromUtf8(texto)), rasgos) << texto;
}

INSTANTIATE_TEST_SUITE_P(Gastos, Limite, ::testing::ValuesIn(Casos),
                         [](const ::testing::TestParamInfo<Caso>& i) { return std::string(i.param.nombre); });

}  // namespace
