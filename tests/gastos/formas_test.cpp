// Every form of the expense reports run end to end through the page writer and read back from the
// document the preview was shown, one row a run: totals, cuts, which rows print, and where each
// form fills a page (the row, heading or total that would pass the limit opens the next page at
// its first line, in the size and weight the new page leaves).
#include "BaseGastos.h"


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

// n creditors in Papelería with one charge of 10.00 each.
std::string UnCargoCadaUno(int n) {
    return prueba::Generados("G", n, 10, 1) +
           "INSERT INTO tblGastosEnc(NUM_MOV,COD_SUCU,FOL_MOV,COD_ACRE,CON_GRL,COD_CON,FEC_MOV,PLA_PAG,IMP_MOV,IVA_MOV,RET_TOT,"
           "RET_ISRTOT,SAL_MOV,COD_ESTATUS) SELECT CAST(substr(COD_PROV,2) AS INTEGER),'01','X',COD_PROV,'GTOS','LUZ',"
           "'2024-06-01',0,10,0,0,0,10,1 FROM tblCatProveedor;";
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

void Catalogo(frmConGastos& v, int tipo, int forma) {
    v.cmbTipCatalogo.SetListIndex(tipo);
    v.optTipo(forma).UserClick();
}

using Caso = prueba::Corrida<frmConGastos>;

const std::string B = prueba::AcreedoresBase(), BM = B + prueba::MasMovimientos(), BF = B + prueba::FoliosYSucursales();

const Caso Casos[] = {
    // Catalog. The name cut to 33 characters, accents and Ñ counting one each; A002 has no e-mail
    // and the rest of its line prints; A004's city has no row and P005 is no creditor.
    {"directorio_detallado", B, [](frmConGastos& v) { Catalogo(v, 0, 0); },
     {{1, 2520, {"A001", "Papelería Ñandú y Asociados de Oc", "Av. Vallarta 100", "33-1111"}},
      {1, 3880, {"Monterrey, N.L., MEX"}},
      {1, 5280, {"TOTAL :", "3  Acreedor(es)"}}}},
    // Due on or before 15/06/2024: 1,000.00 + 200.25; later: 300.25. Credits, cancelled charges and
    // settled ones do not count. "Parámetros" needs no city: A004 is listed, its credit negative.
    {"parametros_detallado", B, [](frmConGastos& v) { Catalogo(v, 1, 0); },
     {{1, 2340, {"10,000.00", "30", "2.5%", "0%", "0%", "0%", "0%", "1.25%", "1,500.50", "8,499.50", "1,200.25", "300.25"}},
      {1, 2580, {"A002", "Limpiezas del Norte", "Suspendido", "10/01/2024"}},
      {1, 3660, {"0.00", "0", "0%", "0%", "0%", "0%", "0%", "0%", "100.00", "-100.00", "0.00", "0.00"}},
      {1, 3900, {"TOTAL :", "4  Acreedor(es)"}}}},
    // A heading per ticked agrupación, a total after each, and no grand total.
    {"directorio_agrupado", B, [](frmConGastos& v) { Marca(v, {"A10", "A20"}); Catalogo(v, 0, 1); },
     {{1, 1900, {"Nacionales:   Papelería"}}, {1, 2380, {"TOTAL :", "1  Acreedor(es)"}},
      {1, 2780, {"Extranjeros:   Importados"}}, {1, 3260, {"TOTAL :", "1  Acreedor(es)"}}},
     {}, {{"TOTAL :", 2}}},
    // A typed code wins over the tree; "Parámetros" prints no code line.
    {"directorio_un_acreedor", B,
     [](frmConGastos& v) { Marca(v, {"A10"}); v.txtCodAcreedor.SetText(QStringLiteral("A003")); Catalogo(v, 0, 1); },
     {{1, 2000, {"A003", "Importadora del Pacífico", "33-4444", "imp@pacifico.com"}}, {1, 2240, {"TOTAL :", "1  Acreedor(es)"}}}},
    {"parametros_un_acreedor", B, [](frmConGastos& v) { v.txtCodAcreedor.SetText(QStringLiteral("A003")); Catalogo(v, 1, 1); },
     {}, {}, {{"Acreedor:   A003", 0}}},
    // Only second-level ticks count: groups ticked with their children unticked list everyone.
    {"parametros_solo_grupos", B,
     [](frmConGastos& v) {
         for (const char* g : {"G1", "G2"}) v.tvwGral(0).Nodes().Item(QString::fromLatin1(g)).SetChecked(true);
         Catalogo(v, 1, 1);
     },
     {}, {}, {{"Extranjeros:   Importados", 0}, {"4  Acreedor(es)", 1}}},
    // Without a city the state line is trimmed; a country gets its own line.
    {"directorio_estado_y_pais", B,
     [](frmConGastos& v) {
         v.chkRegion.UserClick();
         v.cmbRegion(1).SetListIndex(0);  // Jalisco
         v.cmbRegion(2).SetListIndex(1);  // Estados Unidos
         Catalogo(v, 0, 1);
     },
     {{1, 1700, {"Estado:  Jalisco"}}, {1, 1950, {"País:   Estados Unidos"}}}, {}, {{"1  Acreedor(es)", 1}}},

    // Ledger. A001 brings 1,030.00 from May (its cancelled charge does not count), then two
    // charges. A002 moved nothing in the range; A003's advance is a credit with no description,
    // and its charge of the 20th is past the range; A004's only credit leaves it below zero: left out.
    {"auxiliar_detallado", BM, [](frmConGastos& v) { Elige(v, 1, Junio, Quince, 0, 0); },
     {{1, 2300, {"Saldo Anterior:", "$   1,030.00"}},
      {1, 2880, {"Renta", "", "10/06/2024", "300.25", "1,530.50"}},
      {1, 3120, {"500.50", "0.00", "1,530.50"}},
      {1, 4060, {"", "ANT-1", "12/06/2024", "9.99", "-9.99"}},
      {1, 4740, {"SALDO TOTAL  :", "1,030.00", "600.49", "9.99", "1,620.50"}}},
     {}, {{"A002", 0}, {"A004", 0}}},
    // The name cut to 45 characters; the advance is a credit here too.
    {"auxiliar_resumido", BM, [](frmConGastos& v) { Elige(v, 1, Junio, Quince, 0, 1); },
     {{1, 1900, {"A001", "Papelería Ñandú y Asociados de Occidente, S.A", "1,030.00", "500.50", "0.00", "1,530.50"}},
      {1, 2200, {"A003", "Importadora del Pacífico", "0.00", "99.99", "9.99", "90.00"}}}},
    // A total per group, the last one closes the report: no grand total.
    {"auxiliar_agrupado", BM, [](frmConGastos& v) { Marca(v, {"A10", "A20"}); Elige(v, 1, Junio, Quince, 0, 1); },
     {{1, 2670, {"SALDO TOTAL DEL GRUPO :", "1,030.00", "500.50", "0.00", "1,530.50"}},
      {1, 3790, {"SALDO TOTAL DEL GRUPO :", "0.00", "99.99", "9.99", "90.00"}}},
     {}, {{"SALDO TOTAL  :", 0}}},
    // Everyone listed from the 13th: an advance dated before the start does not enter the balance
    // brought forward.
    {"auxiliar_sin_movimientos", BM,
     [](frmConGastos& v) {
         Elige(v, 1, QDate(2024, 6, 13), Quince, 0, 0);
         v.chkSinMovtos.UserClick();
         v.chkSinSaldo.UserClick();
     },
     {{1, 2880, {"0.00", "0.00", "1,530.50"}},
      {1, 3280, {"A002", "Limpiezas del Norte", "ESTATUS :   Suspendido"}},
      {1, 4660, {"Saldo Anterior:", "$   0.00"}},
      {1, 5840, {"Saldo Anterior:", "$   -125.50"}},
      {1, 6620, {"SALDO TOTAL  :", "1,405.00", "99.99", "0.00", "1,504.99"}}}},

    // Balances. A001: charges of status 1 up to the end date less its credit note, not the
    // cancelled charge. A002 paid everything: left out. A003: a class other than a charge lowers
    // the balance, the charge after the end date does not count. A004's credit: negative, printed.
    {"saldos", BM, [](frmConGastos& v) { Elige(v, 3, Junio, Quince, 0, 0); },
     {{1, 1900, {"A001", "Papelería Ñandú y Asociados de Occidente, S.A. de C.V.", "1,530.50"}},
      {1, 2150, {"A003", "Importadora del Pacífico", "90.00"}},
      {1, 2400, {"A004", "Proveedor Sin Ciudad", "-125.50"}},
      {1, 2650, {"TOTALES :", "3 Acreedor(es)", "1,495.00"}}}},
    {"saldos_agrupados", BM, [](frmConGastos& v) { Marca(v, {"A10", "A20"}); Elige(v, 3, Junio, Quince, 0, 0); },
     {{1, 2690, {"TOTAL :", "1  Acreedor(es)", "1,530.50"}}, {1, 4030, {"TOTAL :", "2  Acreedor(es)", "-35.50"}}},
     {}, {{"TOTALES :", 0}}},
    // An agrupación none of whose creditors prints gets no total, except the last one.
    {"saldos_agrupados_vacios", BM,
     [](frmConGastos& v) { Marca(v, {"A10", "A20", "A11"}); Elige(v, 3, Junio, QDate(2024, 4, 1), 0, 0); },
     {}, {}, {{"TOTAL :", 1}, {"0  Acreedor(es)", 1}}},
    // With zero balances; the start date is shown, never used: A001's charge of 10/06 and A003's
    // movements fall after 05/06, A004's credit of 01/06 before.
    {"saldos_sin_saldo", BM,
     [](frmConGastos& v) { Elige(v, 3, QDate(2024, 1, 1), QDate(2024, 6, 5), 0, 0); v.chkSinSaldo.UserClick(); },
     {{1, 1300, {"Del:  01/ene/2024    Al :  05/jun/2024"}},
      {1, 2150, {"A002", "Limpiezas del Norte", "0.00"}},
      {1, 2900, {"TOTALES :", "4 Acreedor(es)", "1,104.75"}}}},

    // Movements by creditor: by concept and folio, bold as the heading left them; the credit takes
    // 50.00 off; the amount before tax puts back the tax withheld; the folio shows its last 10
    // characters.
    {"movimientos_por_acreedor", BF, [](frmConGastos& v) { Elige(v, 2, Mayo, Fin, 0, 0); },
     {{1, 3550, {"TOTAL ACREEDOR", "1,600.50"}},
      {1, 4050, {"30/06/2024", "(LUZ) Luz", "024-000123", "Aplicado", "1,000.00", "160.00", "106.67", "100.00", "953.33"}},
      {1, 4450, {"TOTAL ACREEDOR", "1,353.33"}},
      {1, 5150, {"TOTAL ACREEDOR", "99.99"}}},
     {{"F-4", "p1 3800,2350 a0 s7 n1 c0"}}},
    // By concept: not bold, the creditor's name cut to 40 characters; a concept of credits only
    // draws no total, and the next one starts from zero.
    {"movimientos_por_concepto", BF, [](frmConGastos& v) { Elige(v, 2, Mayo, Fin, 1, 0); },
     {{1, 2350, {"01/05/2024", "Papelería Ñandú y Asociados de Occidente", "F-4", "Aplicado", "50.00", "0.00", "0.00", "0.00", "50.00"}},
      {1, 2550, {"Luz (LUZ)"}},
      {1, 3400, {"TOTAL CONCEPTO", "1,253.57"}},
      {1, 4900, {"TOTAL CONCEPTO", "1,850.25"}}},  // 1,000.00 + 70.00 + 80.00 + 300.25 + 400.00
     {{"F-4", "p1 3800,2350 a0 s7 n0 c0"}}},
    // Summary: a line per creditor closed by its total, no movements; by concept a concept of
    // credits keeps its own line with its negative total.
    {"movimientos_resumido_por_acreedor", BF, [](frmConGastos& v) { Elige(v, 2, Mayo, Fin, 0, 1); },
     {{1, 1900, {"A001", "Papelería Ñandú y Asociados de Occidente, S.A. de C.V.", "1,600.50"}},
      {1, 2400, {"A003", "Importadora del Pacífico", "99.99"}}},
     {}, {{"F-1", 0}}},
    {"movimientos_resumido_por_concepto", BF, [](frmConGastos& v) { Elige(v, 2, Mayo, Fin, 1, 1); },
     {{1, 1900, {"Devolución (DEVOL)", "-50.00"}}, {1, 2150, {"Luz (LUZ)", "1,253.57"}}}},

    // Petty cash by document: folio and cheque by their last 10 characters, the cheque against its
    // receipts. Tax and withholdings from the percentages, kept to four decimals: 1,234.56 +
    // 197.5296 - 131.6868 - 123.456 is 1,176.9468, not the 1,176.94 the rounded cents would add up
    // to. An expense without amount prints an empty total and counts for nothing; the documents
    // outside the period do not print.
    {"reposicion_por_folio", prueba::Reposiciones(), [](frmConGastos& v) { Elige(v, 4, Junio, Fin, 0, 0); },
     {{1, 1850, {"-2024-0001", "0000000123", "0100017001", "$ 1,500.00", "$ 1,293.00", "$ 207.00"}},
      {1, 2100, {"Honorarios por asesoría con", "Recibo 15", "01/06/2024", "1,234.56", "197.53", "131.69", "123.46", "1,176.95"}},
      {1, 2500, {"1,334.61", "213.54", "131.69", "123.46", "1,293.00"}},
      {1, 3000, {"Luz", "Recibo 2", "29/06/2024", ""}},
      {1, 3400, {"200.00", "32.00", "0.00", "0.00", "232.00"}},
      {1, 3800, {"TOTAL GLOBAL", "$ 1,750.00", "$ 1,525.00", "$ 225.00"}}},
     {}, {{"-2024-0003", 0}, {"-2024-0000", 0}}},
    // By concept references show their last 10 characters too.
    {"reposicion_por_concepto", prueba::Reposiciones(), [](frmConGastos& v) { Elige(v, 4, Junio, Fin, 1, 0); },
     {{1, 2100, {"TOTAL CONCEPTO", "1,234.56", "197.53", "131.69", "123.46", "1,176.95"}},
      {1, 2600, {"02/06/2024", "del centro", "0000000123", "0100017001", "100.05", "16.01", "0.00", "0.00", "116.06"}},
      {1, 4100, {"TOTAL GLOBAL", "$ 1,534.61", "$ 245.54", "$ 131.69", "$ 123.46", "$ 1,525.00"}}}},
    // Summary by document: no amount headings and no total lines until the end; by concept each
    // concept's line carries its totals.
    {"reposicion_resumida_por_folio", prueba::Reposiciones(), [](frmConGastos& v) { Elige(v, 4, Junio, Fin, 0, 1); },
     {{1, 2300, {"TOTAL GLOBAL", "$ 1,750.00", "$ 1,525.00", "$ 225.00"}}}, {}, {{"Ret. IVA", 0}}},
    {"reposicion_resumida_por_concepto", prueba::Reposiciones(), [](frmConGastos& v) { Elige(v, 4, Junio, Fin, 1, 1); },
     {{1, 1650, {"Honorarios por asesoría contable del mes", "1,234.56", "197.53", "131.69", "123.46", "1,176.95"}},
      {1, 2550, {"TOTAL GLOBAL", "$ 1,534.61", "$ 245.54", "$ 131.69", "$ 123.46", "$ 1,525.00"}}},
     {}, {{"TOTAL CONCEPTO", 0}}},

    // Page-full limits.
    // Directory rows from 2050 under the region line, 240 apart: a row ending past 13500 opens a
    // page whose rows start at 1550, size 7 after its heading, without the region line.
    {"directorio_largo", prueba::Generados("G", 50, 10, 1),
     [](frmConGastos& v) {
         v.chkRegion.UserClick();
         v.cmbRegion(0).SetListIndex(0);
         v.optTipo(1).UserClick();
     },
     {{2, 1000, {"Código", "Nombre", "Teléfonos", "e-mail"}}, {2, 2030, {"TOTAL :", "50  Acreedor(es)"}}},
     {{"G048", "p1 0,13330 a0 s9 n0 c0"}, {"G049", "p2 0,1550 a0 s7 n0 c0"}, {"Ciudad:  Guadalajara", "p1 300,1700 a0 s9 n1 c16711680"}}, {}, 2},
    // Grouped, after Papelería's total the line stands at 13000 with 44 creditors, at 13240 with
    // 45: the next group's heading opens a page only past 13000.
    {"directorio_encabezado_al_limite", GyH(44, 1), [](frmConGastos& v) { Marca(v, {"G1", "G2"}); v.optTipo(1).UserClick(); },
     {{2, 1550, {"TOTAL :", "1  Acreedor(es)"}}},
     {{"Extranjeros:   Importados", "p1 100,13100 a0 s9 n1 c16711680"}}, {}, 2},
    {"directorio_encabezado_tras_el_limite", GyH(45, 1), [](frmConGastos& v) { Marca(v, {"G1", "G2"}); v.optTipo(1).UserClick(); },
     {{1, 12940, {"TOTAL :", "45  Acreedor(es)"}}, {2, 1550, {"Extranjeros:   Importados"}}},
     {{"H001", "p2 0,1790 a0 s7 n0 c0"}}, {}, 2},
    // Ledger movements: the one that would pass 14300 opens page 2 at 1550 with the balance
    // carried; folios cut to their last 10 characters, a concept the concepts lack described by
    // the folio classes.
    {"auxiliar_largo",
     prueba::AcreedoresBase() +
         "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i+1 FROM n WHERE i<50) INSERT INTO "
         "tblGastosEnc(NUM_MOV,FOL_MOV,COD_ACRE,CON_GRL,COD_CON,FEC_MOV,PLA_PAG,IMP_MOV,SAL_MOV,COD_ESTATUS) "
         "SELECT 100+i,'FAC-2024-'||(100+i),'A002','GTOS','INGR','2024-06-05',0,10,10,1 FROM n;",
     [](frmConGastos& v) { Elige(v, 1, Junio, Quince, 0, 0); },
     {{1, 4060, {"Ingresos", "C-2024-101", "05/06/2024", "10.00", "10.00"}},
      {1, 14140, {"Ingresos", "C-2024-143", "05/06/2024", "10.00", "430.00"}},
      {2, 1550, {"Ingresos", "C-2024-144", "05/06/2024", "10.00", "440.00"}},
      {2, 3230, {"500.00", "0.00", "500.00"}}},
     {}, {}, 2},
    // Ledger summary: the four fixture creditors first, the line past 13700 is the last of page 1.
    {"auxiliar_resumido_largo", prueba::AcreedoresBase() + prueba::Generados("G", 42, 10, 1),
     [](frmConGastos& v) {
         Elige(v, 1, Junio, Quince, 0, 1);
         v.chkSinMovtos.UserClick();
         v.chkSinSaldo.UserClick();
     },
     {},
     {{"G037", "p1 0,13900 a0 s6 n1 c0"}, {"G038", "p2 0,1550 a0 s6 n1 c0"}}, {}, 2},
    // Balances from 1900, 250 apart: 45 fit on page 1.
    {"saldos_largo", prueba::Generados("G", 46, 10, 1), [](frmConGastos& v) { Elige(v, 3, Junio, Quince, 0, 0); v.chkSinSaldo.UserClick(); },
     {{2, 1800, {"TOTALES :", "46 Acreedor(es)", "0.00"}}},
     {{"G045", "p1 200,12900 a0 s7 n1 c0"}, {"G046", "p2 200,1550 a0 s7 n1 c0"}}, {}, 2},
    // Grouped, after n creditors of Papelería its total leaves the line at 2740 + 250 n: 12990
    // with 41, 13240 with 42; the next heading opens a page only past 13000.
    {"saldos_encabezado_al_limite", GyH(41, 1),
     [](frmConGastos& v) { Elige(v, 3, Junio, Quince, 0, 0); v.chkSinSaldo.UserClick(); Marca(v, {"G1", "G2"}); },
     {{1, 12690, {"TOTAL :", "41  Acreedor(es)", "0.00"}}, {2, 1550, {"TOTAL :", "1  Acreedor(es)", "0.00"}}},
     {{"H001", "p1 200,13530 a0 s7 n1 c0"}}, {}, 2},
    {"saldos_encabezado_tras_el_limite", GyH(42, 1),
     [](frmConGastos& v) { Elige(v, 3, Junio, Quince, 0, 0); v.chkSinSaldo.UserClick(); Marca(v, {"G1", "G2"}); },
     {{1, 12940, {"TOTAL :", "42  Acreedor(es)", "0.00"}}, {2, 1550, {"Extranjeros:   Importados"}}},
     {{"H001", "p2 200,1790 a0 s7 n1 c0"}}, {}, 2},
    // Movement lines from 2350, 200 apart: the one ending past 14000 opens a page whose lines
    // start at 1750 under the headings and the period.
    {"movimientos_largo", prueba::Generados("G", 2, 10, 1) + Cargos("G001", 60, 0) + Cargos("G002", 1, 100),
     [](frmConGastos& v) { Elige(v, 2, Mayo, Fin, 0, 0); },
     {{2, 1500, {"Del:  01/may/2024    Al :  30/jun/2024"}}, {2, 1950, {"TOTAL ACREEDOR", "600.00"}}},
     {{"M059", "p1 3800,13950 a0 s7 n1 c0"}, {"M060", "p2 3800,1750 a0 s7 n1 c0"}}, {}, 2},
    // After G001's total (53 charges) the line stands at 13200, past 13000: the next creditor
    // goes to a new page.
    {"movimientos_total_tras_el_limite", prueba::Generados("G", 2, 10, 1) + Cargos("G001", 53, 0) + Cargos("G002", 1, 100),
     [](frmConGastos& v) { Elige(v, 2, Mayo, Fin, 0, 0); },
     {{1, 12950, {"TOTAL ACREEDOR", "530.00"}}, {2, 1750, {"G002", "Generado 2"}}},
     {}, {}, 2},
    // Summary lines from 1900, 250 apart: a heading that ends past 14000 is left on its page and
    // its total opens the next one.
    {"movimientos_resumido", UnCargoCadaUno(51),
     [](frmConGastos& v) { Elige(v, 2, Mayo, Fin, 0, 1); },
     {{1, 13900, {"G049", "Generado 49", "10.00"}}, {1, 14150, {"G050", "Generado 50"}}, {2, 1550, {"10.00"}},
      {2, 1800, {"G051", "Generado 51", "10.00"}}},
     {}, {}, 2},
    // Grouped, lines from 2240 under the agrupación: G048's total at 13990 ends past 14200 and G049
    // opens the next page, with no second agrupación heading.
    {"movimientos_resumido_agrupado", UnCargoCadaUno(51),
     [](frmConGastos& v) { Elige(v, 2, Mayo, Fin, 0, 1); Marca(v, {"A10"}); },
     {{1, 13990, {"G048", "Generado 48", "10.00"}}, {2, 1550, {"G049", "Generado 49", "10.00"}}},
     {{"Nacionales:   Papelería", "p1 100,2000 a0 s9 n1 c16711680"}}, {}, 2},
    // Petty-cash expense lines from 2100, 200 apart: the one ending past 14000 opens a page at 1750.
    {"reposicion_larga", Caja(61), [](frmConGastos& v) { Elige(v, 4, Junio, Fin, 0, 0); },
     {},
     {{"R060", "p1 2500,13900 a0 s7 n0 c0"}, {"R061", "p2 2500,1750 a0 s7 n0 c0"}}, {}, 2},
    // A document's total line ending past 13000 opens a page: with 54 expenses it stands at 12900.
    {"reposicion_total_tras_el_limite", Caja(54), [](frmConGastos& v) { Elige(v, 4, Junio, Fin, 0, 0); },
     {{1, 12900, {"540.00", "0.00", "0.00", "0.00", "540.00"}}},
     {{"RC-B", "p2 100,1750 a0 s7 n1 c16711680"}}, {}, 2},
};

using Forma = prueba::FormaDe<prueba::VentanaGastos, frmConGastos, prueba::Esquema>;

TEST_P(Forma, ImprimeLoQueDebeDondeDebe) { Corre(GetParam()); }

INSTANTIATE_TEST_SUITE_P(Gastos, Forma, ::testing::ValuesIn(Casos), prueba::NombreDeCorrida());

}  // namespace
