// Every form of the treasury reports run end to end through the page writer and read back from the
// document the preview was shown, one row a run: totals, balances carried, status texts and
// colours, cuts, which rows print, and where each form fills a page.
#include "BaseTesoreria.h"

namespace {

using tesoreria::frmConTesoreria;
using Caso = prueba::Corrida<frmConTesoreria>;

constexpr int Catalogo = 0, Relacion = 1, Auxiliar = 2, Libro = 3, Conciliaciones = 4, Diario = 5, Mensual = 6,
              PorAplicacion = 7, Traspasos = 8;

// Movements of May's (closed) and June's (open) reconciliations of 0101, and of others.
const char* const Conciliados = R"SQL(
UPDATE tblConciliaEnc SET SAL_INI=10300,IMP_ING=1020,IMP_EGRE=265.75,IMP_TRAN=-250.5,SAL_EDO=1234567.891
 WHERE FOL_CONCI='C-0101-06';
INSERT INTO tblConciliaciones VALUES
 (1,'C-0101-06','C-0101-06','0101','2024-06-01','D-001','','DEP',1000,0,4),
 (2,'C-0101-06','','0101','2024-06-10','E-001','000123','PAGO',0,250.5,3),
 (3,'C-0101-05','','0101','2024-05-20','E-000','000120','PAGO',0,40,3),
 (4,'C-0101-06','','0101','2024-06-12','E-003','000124','PAGO',0,99,2),
 (5,'C-0101-07','','0101','2024-07-05','D-009','','DEP',50,0,1),
 (6,'C-0201-06','','0201','2024-06-20','FOLIO-LARGO-0006','','TRSF',0,1200,1),
 (7,'C-0101-05','C-0101-05','0101','2024-05-10','D-000','','DEP',300,0,4),
 (8,'C-0101-05','C-0101-06','0101','2024-05-25','E-002','','COMIS',0,15.25,4);
)SQL";

// June's reconciliation of 0101 with amounts, one of 0102 that starts in May and has no flag, and
// one of 0102 ending in July.
const char* const DeJunio = R"SQL(
UPDATE tblConciliaEnc SET SAL_INI=10300,IMP_ING=1020,IMP_EGRE=265.75,IMP_TRAN=-250.5,SAL_EDO=1234567.891
 WHERE FOL_CONCI='C-0101-06';
INSERT INTO tblConciliaEnc VALUES('C-0102-06','0102','2024-05-15','2024-06-14',500,1750,0,0,2250,NULL),
 ('C-0102-07','0102','2024-06-15','2024-07-14',2250,0,0,0,2250,1);
)SQL";

// A deposit on 31 July that leaves the day's mean at a half cent; 0102 around the year end, with a
// movement of another class that must not count.
const char* const FinDeAnio = R"SQL(
INSERT INTO tblIngreEgre(MOVIMIENTO,NUM_CTA,CON_GRL,COD_CON,FEC_MOV,FEC_APLI,FOL_MOV,FOL_CHEQUE,NOMBRE,ACRE_PROV,
  NOTAS,IMP_MOV,TIP_CAM,COD_ESTATUS) VALUES
 (20,'0101','INGR','DEP','2024-07-31','2024-07-31','D-020','','Cliente','','',0.75,1,1),
 (21,'0102','INGR','DEP','2023-12-31','2023-12-31','D-021','','Cliente','','',100,1,1),
 (22,'0102','EGRE','COMIS','2024-01-01','2024-01-01','E-022','','Banco','','',30,1,4),
 (23,'0102','INGR','DEP','2023-11-30','2023-11-30','D-023','','Cliente','','',10,1,3),
 (24,'0102','GTOS','DEP','2023-12-15','2023-12-15','G-024','','Otro','','',999,1,1);
)SQL";

// Bank 2's account 0050 numbers before bank 1's; 0150 belongs to no listed bank (code 0), 0160 to
// none, 0170 to bank 9, which is not listed either. Each moves in June.
const char* const CuentasSueltas = R"SQL(
INSERT INTO tblCatCtasBancos VALUES('0050',2,1,1,5,1,70),('0150',0,1,1,5,1,0),('0160',NULL,1,1,5,1,0),('0170',9,1,1,5,1,0);
INSERT INTO tblIngreEgre(MOVIMIENTO,NUM_CTA,CON_GRL,COD_CON,FEC_MOV,FEC_APLI,FOL_MOV,IMP_MOV,TIP_CAM,COD_ESTATUS) VALUES
 (30,'0050','INGR','DEP','2024-06-02','2024-06-02','D-050',7,1,1),(31,'0150','INGR','DEP','2024-06-02','2024-06-02','D-150',8,1,1),
 (32,'0160','INGR','DEP','2024-06-02','2024-06-02','D-160',9,1,1),(33,'0170','INGR','DEP','2024-06-02','2024-06-02','D-170',6,1,1),
 (34,'0050','INGR','DEP','2024-05-02','2024-05-02','D-049',3,1,1);
)SQL";

// A report over a period, with the rest of the window as it loads.
std::function<void(frmConTesoreria&)> Periodo(int consulta, QDate desde = QDate(2024, 6, 1), QDate hasta = QDate(2024, 6, 30),
                                               std::function<void(frmConTesoreria&)> ademas = {}) {
    return [=](frmConTesoreria& v) {
        v.cmbConsulta.SetListIndex(consulta);
        v.dtpFecha(0).SetValue(desde);
        v.dtpFecha(1).SetValue(hasta);
        if (ademas) ademas(v);
    };
}
// An average report on bank b, account c, with month/year pairs from `desde` set to (month, year).
std::function<void(frmConTesoreria&)> Meses(int consulta, int banco, int cuenta, int desde,
                                             std::vector<std::pair<int, int>> meses) {
    return [=](frmConTesoreria& v) {
        v.cmbBancos.SetListIndex(banco);
        v.cmbCuentas.SetListIndex(cuenta);
        v.cmbConsulta.SetListIndex(consulta);
        int i = desde;
        for (const auto& [mes, anio] : meses) {
            v.cmbMeses(i).SetListIndex(mes - 1);
            v.cmbAnios(i++).SetListIndex(anio - 1999);  // the list runs from 1999 to 2024
        }
    };
}
void EligeFolio(frmConTesoreria& v, const char* folio) {
    for (int i = 0; i < v.cmbConciliaciones.ListCount(); ++i)
        if (v.cmbConciliaciones.List(i) == QLatin1String(folio)) v.cmbConciliaciones.SetListIndex(i);
}

const std::string B = prueba::BancosBase(), BS = B + CuentasSueltas, BL = B + Conciliados, BC = B + DeJunio, BP = B + FinDeAnio;
const QDate Mayo(2024, 5, 1), Junio(2024, 6, 1), Fin(2024, 6, 30);

const Caso Casos[] = {
    // Catalog: a name cut at 33 characters; a Null "generates cheques" reads as yes; a bank without
    // accounts prints its line (the Null executive left empty), then the blank line.
    {"catalogo", B, Periodo(Catalogo),
     {{1, 2410, {"Banco Internacional de Occidente ", "Raúl Soto", "33-2000"}},
      {1, 2650, {"0201", "10", "Sí", "Operación"}},
      {1, 3130, {"Banco Sin Cuentas", ""}},
      {1, 3370, {}}}},
    {"catalogo_un_banco", B, Periodo(Catalogo, Junio, Fin, [](frmConTesoreria& v) { v.cmbBancos.SetListIndex(1); }),
     {}, {}, {{"0201", 0}}},
    {"catalogo_una_cuenta", B,
     Periodo(Catalogo, Junio, Fin, [](frmConTesoreria& v) { v.cmbBancos.SetListIndex(1); v.cmbCuentas.SetListIndex(2); }),
     {}, {}, {{"0101", 0}, {"0102", 1}}},
    // Bank 3 stands at 3130, its accounts from 3370: the one drawn at 13450 takes the line past the
    // limit; the new page repeats the headings, not the bank line.
    {"catalogo_largo", B + prueba::CuentasGeneradas("X", 60, 3), Periodo(Catalogo),
     {{2, 1200, {"No. de Cuenta", "Dia de Corte", "¿Chequera?", "Rubro"}}},
     {{"X043", "p1 1500,13450 a0 s8 n0 c0"}, {"X044", "p2 1500,1450 a0 s8 n0 c0"}}, {{"Banco Sin Cuentas", 1}}, 2},

    // Each bank lists its own accounts in number order, whatever the numbers of other banks'; an
    // account of a bank the list lacks, or of none, prints nowhere.
    {"catalogo_cuentas_sueltas", BS, Periodo(Catalogo), {{1, 2650, {"0050", "5", "Sí", "Operación"}}},
     {}, {{"0050", 1}, {"0150", 0}, {"0160", 0}, {"0170", 0}}},
    {"relacion_cuentas_sueltas", BS, Periodo(Relacion),
     {{1, 6590, {"TOTAL BANCO: ", "$ 3,035.75"}}, {1, 7070, {"Banco Internacional de", "Cuenta: 0050", "Moneda: Pesos"}}},
     {}, {{"D-001", 1}, {"D-050", 1}, {"T-001", 1}, {"D-150", 0}, {"D-160", 0}, {"D-170", 0}, {"TOTAL BANCO: ", 2}}},
    {"auxiliar_cuentas_sueltas", BS, Periodo(Auxiliar), {}, {},
     {{"$ 73.00", 1}, {"$ 80.00", 2}, {"Saldo Anterior:", 4}, {"D-150", 0}, {"D-160", 0}, {"D-170", 0}}},

    // Bank movements: a cheque prints its number and the beneficiary; the dollar account its
    // amount, the rate and pesos, its folio cut to the last 10 characters; two accounts printed
    // give the bank's total, the one-account bank gets none.
    {"relacion", B, Periodo(Relacion),
     {{1, 2270, {"TOTAL CONCEPTO: ", "$ 15.25"}},
      {1, 3230, {"TOTAL CONCEPTO: ", "$ 1,020.00"}},
      {1, 3710, {"10/06/2024", "E-001", "000123", "Papelería Ñandú", "En Tránsito", "M.N.", "$ 250.50", "1.00", "$ 250.50"}},
      {1, 4430, {"TOTAL CUENTA: ", "$ 1,285.75"}},
      {1, 5390, {"05/06/2024", "ARGO-00012", "", "Aplicado", "USD", "$ 100.00", "17.50", "$ 1,750.00"}},
      {1, 6590, {"TOTAL BANCO: ", "$ 3,035.75"}}},
     {}, {{"TOTAL BANCO: ", 1}}},
    // Summary: the concept and its total share a line; account totals turn blue.
    {"relacion_resumida", B, Periodo(Relacion, Junio, Fin, [](frmConTesoreria& v) { v.optTipo(1).UserClick(); }),
     {{1, 2030, {"CONCEPTO: Depósito", "TOTAL CONCEPTO: ", "$ 1,020.00"}}},
     {{"$ 1,285.75", "p1 10500,2750 a2 s9 n1 c16711680"}}, {{"D-001", 0}}},
    // Applied in June although dated in May, cancelled ones never; runs of one concept in
    // application order, in the account's currency.
    {"por_aplicacion", B, Periodo(PorAplicacion),
     {{1, 2030, {"31/05/2024", "01/06/2024", "D-000", "", "Cliente Dos", "Aplicado", "1.00", "$ 300.00"}},
      {1, 2510, {"TOTAL CONCEPTO: ", "$ 1,300.00  M.N."}}},
     {},
     {{"CONCEPTO: Depósito", 3}, {"TOTAL CUENTA: ", 3}, {"$ 1,585.75  M.N.", 1}, {"$ 100.00  USD", 2}, {"TOTAL BANCO: ", 0},
      {"TOTAL GLOBAL: ", 0}, {"E-003", 0}}},
    // Transfers to third parties with their notes over several lines; banks without such
    // transfers print nothing but their blank line.
    {"traspasos_a_terceros", B, Periodo(Traspasos, Junio, Fin, [](frmConTesoreria& v) { v.cmbTras.SetListIndex(1); }),
     {{1, 1790, {"Banco Internacional de", "Cuenta: 0201", "Moneda: Pesos"}},
      {1, 2750, {"A001", "Papelería Ñandú"}},
      {1, 2990, {"Pago de facturas de papelería del mes."}},
      {1, 3710, {"TOTAL CUENTA: ", "$ 1,200.00"}}},
     {}, {{"TOTAL BANCO: ", 0}, {"TOTAL GLOBAL: ", 0}}},
    // Other transfers print only date, folio and notes.
    {"traspasos_entre_cuentas", B, Periodo(Traspasos), {{1, 1000, {"Fecha", "Folio"}}, {1, 2750, {"Traspaso a la cuenta 0101"}}}},

    // Account ledger: the opening balance plus what was applied before the first day, cancelled
    // movements never counting; each movement moves the running balance; the dollar account in
    // its own currency.
    {"auxiliar", B, Periodo(Auxiliar),
     {{1, 1550, {"Banco del Centro", "Cuenta: 0101", "Moneda: Pesos", "Saldo Anterior:", "$ 10,300.00"}},
      {1, 2030, {"Pago a proveedores", "10/06/2024", "E-001", "000123", "$ 250.50", "$ 11,049.50"}},
      {1, 2990, {"$ 1,020.00", "$ 265.75", "$ 11,054.25"}},
      {1, 3710, {"Depósito", "05/06/2024", "ARGO-00012", "", "$ 100.00", "$ 600.00"}},
      {1, 5870, {"$ 0.00", "$ 1,700.00", "$ -1,700.00"}}},
     {}, {{"Banco Sin Cuentas", 0}}},
    // Summary: header and closing only, the balance still covering every movement.
    {"auxiliar_resumido", B, Periodo(Auxiliar, Junio, Fin, [](frmConTesoreria& v) { v.optTipo(1).UserClick(); }),
     {{1, 2030, {"$ 1,020.00", "$ 265.75", "$ 11,054.25"}}}, {}, {{"D-001", 0}}},
    // July: only 0101 moves. Unticked, the other accounts print nothing; ticked, their header and
    // closing line.
    {"auxiliar_julio", B, Periodo(Auxiliar, QDate(2024, 7, 1), QDate(2024, 7, 31)), {}, {}, {{"Saldo Anterior:", 1}}},
    {"auxiliar_julio_sin_movimientos", B,
     Periodo(Auxiliar, QDate(2024, 7, 1), QDate(2024, 7, 31), [](frmConTesoreria& v) { v.chkSinMovimientos.UserClick(); }),
     {{1, 3230, {"$ 0.00", "$ 0.00", "$ 600.00"}}}, {}, {{"Saldo Anterior:", 3}}},
    // 0201's withdrawals of 1.00 from 5150, one a line: the line at 13310 takes the page past
    // 13500, the next one opens page 2 under the headings with the balance carried.
    {"auxiliar_largo", B + prueba::MovimientosGenerados("0201", 60), Periodo(Auxiliar),
     {{1, 13310, {"Traspaso a terceros", "15/06/2024", "G-035", "", "$ 1.00", "$ -35.00"}},
      {2, 1550, {"Traspaso a terceros", "15/06/2024", "G-036", "", "$ 1.00", "$ -36.00"}}},
     {}, {}, 2},

    // Bank book: the open flag and the summary from the reconciliation's own figures. By date: not
    // reconciled in May (in transit, blue), reconciled, not reconciled in this open one (grey), and
    // another account's unreconciled movement; cancelled and later ones are left out.
    {"libro_de_bancos", BL, Periodo(Libro),
     {{1, 1000, {"Banco del Centro", "Cuenta: 0101", "Moneda: Pesos", "Conciliación ABIERTA"}},
      {1, 1920, {"10,300.00", "1,020.00", "265.75", "-250.50", "1,234,567.89"}},
      {1, 2670, {"20/05/2024", "E-000", "Pago a proveedores", "0.00", "40.00", "EN TRÁNSITO"}},
      {1, 2910, {"01/06/2024", "D-001", "Depósito", "1,000.00", "0.00", "CONCILIADO"}},
      {1, 3390, {"20/06/2024", "LARGO-0006", "Traspaso a terceros", "0.00", "1,200.00", "EN TRÁNSITO"}}},
     // Blue is 0xFF0000, grey 0x6D6D6D.
     {{"20/05/2024", "p1 0,2670 a0 s9 n0 c16711680"}, {"NO CONCILIADO", "p1 9250,3150 a0 s9 n0 c7171437"},
      {"E-001", "p1 1000,3150 a0 s9 n0 c7171437"}},
     {{"E-003", 0}, {"D-009", 0}, {"D-000", 0}}},
    // One page per reconciliation. In the closed May one, its own unreconciled movement and the
    // one reconciled in June are in transit; the one it reconciled is reconciled.
    {"libro_dos_conciliaciones", BL, Periodo(Libro, Mayo, Fin),
     {{1, 2670, {"10/05/2024", "D-000", "Depósito", "300.00", "0.00", "CONCILIADO"}},
      {1, 2910, {"20/05/2024", "E-000", "Pago a proveedores", "0.00", "40.00", "EN TRÁNSITO"}},
      {1, 3150, {"25/05/2024", "E-002", "Comisiones bancarias", "0.00", "15.25", "EN TRÁNSITO"}},
      {1, 3390, {}}},
     {{"Folio: C-0101-06", "p2 10500,1480 a2 s9 n1 c0"}}, {{"Conciliación CERRADA", 1}}, 2},
    // A folio needs neither the dates nor the bank lists.
    {"libro_un_folio", BL,
     Periodo(Libro, QDate(2020, 1, 1), QDate(2020, 1, 1), [](frmConTesoreria& v) {
         v.cmbBancos.SetListIndex(2);
         EligeFolio(v, "C-0101-05");
     }),
     {}, {{"Folio: C-0101-05", "p1 10500,1480 a2 s9 n1 c0"}}},
    // Four movements come first by date; the page takes lines up to 14300, and the reconciliation
    // goes on with its heading.
    {"libro_largo",
     BL + "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i+1 FROM n WHERE i<60) INSERT INTO tblConciliaciones "
          "SELECT 100+i,'C-0101-06','C-0101-06','0101','2024-06-29',printf('G-%03d',i),'','DEP',i,0,4 FROM n;",
     Periodo(Libro), {}, {{"G-045", "p1 1000,14190 a0 s9 n0 c0"}, {"G-046", "p2 1000,2670 a0 s9 n0 c0"}},
     {{"Folio: C-0101-06", 2}, {"Conciliación ABIERTA", 2}}, 2},

    // Reconciliations: the stored amounts; started before the range and ended in it: listed, a Null
    // flag reading as open. Ended before or after the range: not listed; nor is an account without any.
    {"conciliaciones", BC, Periodo(Conciliaciones),
     {{1, 2030, {"C-0101-06", "01/06/2024", "30/06/2024", "10,300.00", "1,020.00", "265.75", "-250.50", "1,234,567.89",
                 "ABIERTA"}},
      {1, 2750, {"C-0102-06", "15/05/2024", "14/06/2024", "500.00", "1,750.00", "0.00", "0.00", "2,250.00", "ABIERTA"}}},
     {}, {{"C-0101-05", 0}, {"C-0102-07", 0}, {"Cuenta: 0201", 0}}},
    {"conciliaciones_julio", BC, Periodo(Conciliaciones, Junio, QDate(2024, 7, 31)),
     {{1, 2990, {"C-0102-07", "15/06/2024", "14/07/2024", "2,250.00", "0.00", "0.00", "0.00", "2,250.00", "CERRADA"}}}},
    // Page 2 repeats the captions and the date line, not the account header.
    {"conciliaciones_largas",
     BC + "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i+1 FROM n WHERE i<60) INSERT INTO tblConciliaEnc "
          "SELECT printf('G-%03d',i),'0201','2024-06-01','2024-06-02',i,0,0,0,i,1 FROM n;",
     Periodo(Conciliaciones, Junio, Fin, [](frmConTesoreria& v) { v.cmbBancos.SetListIndex(2); }),
     {{2, 1300, {"Del: 01/jun/2024    Al: 30/jun/2024"}}},
     {{"G-048", "p1 0,13310 a0 s7 n0 c0"}, {"G-049", "p2 0,1550 a0 s7 n0 c0"}}, {{"Cuenta: 0201", 1}}, 2},

    // Daily average: the balance before the month counts applied, in-transit and reconciled
    // movements, not the cancelled ones nor the account's opening balance; 1,104.625 prints away
    // from zero; the month is the mean of its opening and closing balance, not of the day lines.
    {"diario", BP, Meses(Diario, 1, 1, 0, {{7, 2024}}),
     {{1, 1490, {"1", "$ 1,054.25", "$ 50.00", "$ 0.00", "$ 1,104.25", "$ 1,079.25"}},
      {1, 8690, {"31", "$ 1,104.25", "$ 0.75", "$ 0.00", "$ 1,105.00", "$ 1,104.63"}},
      {1, 10130, {"$ 1,054.25", "$ 50.75", "$ 0.00", "$ 1,105.00", "$ 1,079.63"}}}},
    // A leap February has 29 days, another 28.
    {"diario_febrero_bisiesto", BP, Meses(Diario, 1, 1, 0, {{2, 2024}}),
     {{1, 8210, {"29", "$ 0.00", "$ 0.00", "$ 0.00", "$ 0.00", "$ 0.00"}}, {1, 8450, {}}}},
    {"diario_febrero", BP, Meses(Diario, 1, 1, 0, {{2, 2023}}),
     {{1, 7970, {"28", "$ 0.00", "$ 0.00", "$ 0.00", "$ 0.00", "$ 0.00"}}, {1, 8210, {}}}},
    // Every account on its own page.
    {"diario_cada_cuenta", BP, Meses(Diario, 0, 0, 0, {{6, 2024}}), {}, {{"Cuenta: 0201", "p3 2900,1250 a0 s9 n1 c16711680"}}, {}, 3},
    // Balances carried across the year end; another class does not count.
    {"mensual", BP, Meses(Mensual, 1, 2, 1, {{12, 2023}, {1, 2024}}),
     {{1, 1490, {"dic/2023", "$ 10.00", "$ 100.00", "$ 0.00", "$ 110.00", "$ 60.00"}},
      {1, 1730, {"ene/2024", "$ 110.00", "$ 0.00", "$ 30.00", "$ 80.00", "$ 95.00"}},
      {1, 1970, {}}}},
    // A last month before the first: the account header alone.
    {"mensual_al_reves", BP, Meses(Mensual, 1, 2, 1, {{12, 2023}, {11, 2023}}),
     {{1, 1250, {"Banco del Centro", "Cuenta: 0102", "Moneda: Dólares"}}, {1, 1490, {}}}},
    // The month that passes 13500 opens the next page: the captions again, not the account
    // header, and the balance carries on.
    {"mensual_largo", BP, Meses(Mensual, 2, 0, 1, {{1, 1999}, {6, 2024}}),
     {{6, 12290, {"jun/2024", "$ 0.00", "$ 0.00", "$ 1,700.00", "$ -1,700.00", "$ -850.00"}}},
     {{"mar/2003", "p1 0,13490 a0 s7 n0 c0"}, {"abr/2003", "p2 0,1250 a0 s7 n0 c0"}}, {{"Cuenta: 0201", 1}}, 6},
};

using Forma = prueba::FormaDe<prueba::VentanaTesoreria, frmConTesoreria, prueba::EsquemaTesoreria>;

TEST_P(Forma, ImprimeLoQueDebeDondeDebe) { Corre(GetParam()); }

INSTANTIATE_TEST_SUITE_P(Tesoreria, Forma, ::testing::ValuesIn(Casos), prueba::NombreDeCorrida());

}  // namespace
