// The demo company is deterministic and has what the reports need to be exercised.
#include "AyudaDemo.h"

#include "demo/Demo.h"
#include "demo/Esquema.h"
#include "report/EmfMetricas.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// A case the reports need: `sql` counts its rows and must give at least `minimo`. Properties that
// must hold exactly are written as a comparison, which counts 1 when it holds.
struct Caso {
    const char* descripcion;
    const char* sql;
    int64_t minimo;
};

// Open charges still to fall due (date plus payment term after today) or already due.
#define ZR_CARGOS_ABIERTOS "FROM tblGastosEnc WHERE CON_GRL='GTOS' AND COD_ESTATUS=1 AND SAL_MOV>0 AND "
#define ZR_VENCE "date(FEC_MOV, '+' || PLA_PAG || ' days')"
// The notes of transfers to creditors and where the first period after the 27th character falls.
#define ZR_NOTAS "WITH n AS (SELECT coalesce(NOTAS, '') t, instr(substr(coalesce(NOTAS, ''), 28), '.') p " \
                 "FROM tblIngreEgre WHERE COD_CON='TRSF') SELECT "

const Caso Casos[] = {
    // Company 1 with every heading field; the heading loader does not tolerate NULL in these.
    {"empresa con todos los datos del encabezado",
     "SELECT COUNT(*) FROM tblEmpresa WHERE COD_EMPRESA=1 AND NOM_EMP IS NOT NULL AND NOM_COM IS NOT NULL AND "
     "DIR1_EMP IS NOT NULL AND EXT_EMP IS NOT NULL AND INT_EMP IS NOT NULL AND COL_EMP IS NOT NULL AND CP_EMP IS NOT NULL "
     "AND DESCRIP1 IS NOT NULL AND RFC1_EMP IS NOT NULL AND RFC2_EMP<>'' AND RFC3_EMP IS NOT NULL AND TEL1_EMP IS NOT NULL "
     "AND TEL2_EMP IS NOT NULL", 1},

    // Creditors.
    {"acreedor en agrupaciones de grupos distintos",
     "SELECT COUNT(*) FROM (SELECT COD_PROV FROM tblGpoAgrProveedor GROUP BY COD_PROV HAVING COUNT(DISTINCT COD_GPO) > 1)", 1},
    {"acreedor en la agrupación 0", "SELECT COUNT(*) FROM tblGpoAgrProveedor WHERE COD_AGR=0", 1},
    {"acreedor con Ñ", "SELECT COUNT(*) FROM tblCatProveedor WHERE ES_ACREED=1 AND instr(NOM_PROV, 'Ñ') > 0", 1},
    {"nombres de más de 45 caracteres", "SELECT COUNT(*) FROM tblCatProveedor WHERE ES_ACREED=1 AND length(NOM_PROV) > 45", 2},
    {"acreedor sin movimientos",
     "SELECT COUNT(*) FROM tblCatProveedor p WHERE ES_ACREED=1 AND NOT EXISTS (SELECT 1 FROM tblGastosEnc WHERE COD_ACRE=p.COD_PROV)", 1},
    {"acreedor en una ciudad que el catálogo no tiene",
     "SELECT COUNT(*) FROM tblCatProveedor WHERE ES_ACREED=1 AND COD_CID NOT IN (SELECT COD_CID FROM tblCiudad)", 1},
    {"proveedor que no es acreedor", "SELECT COUNT(*) FROM tblCatProveedor WHERE ES_ACREED=0", 1},

    // Expense movements.
    {"clases AACR, ANTI y GTOS",
     "SELECT group_concat(c)='AACR,ANTI,GTOS' FROM (SELECT DISTINCT CON_GRL c FROM tblGastosEnc ORDER BY 1)", 1},
    {"estatus 1, 2 y 5", "SELECT group_concat(e)='1,2,5' FROM (SELECT DISTINCT COD_ESTATUS e FROM tblGastosEnc ORDER BY 1)", 1},
    {"folio de gasto largo", "SELECT COUNT(*) FROM tblGastosEnc WHERE length(FOL_MOV) > 10", 1},
    {"concepto sin descripción",
     "SELECT COUNT(*) FROM tblGastosEnc WHERE COD_CON NOT IN (SELECT COD_CON FROM tblConceptosGyT) "
     "AND COD_CON NOT IN (SELECT COD_FOL FROM tblFolioGralesGyT)", 1},
    {"gasto con ambas retenciones", "SELECT COUNT(*) FROM tblGastosEnc WHERE RET_TOT > 0 AND RET_ISRTOT > 0", 1},
    {"acreedor con saldo negativo",
     "SELECT COUNT(*) FROM (SELECT COD_ACRE FROM tblGastosEnc WHERE COD_ESTATUS IN (1,5) GROUP BY COD_ACRE "
     "HAVING SUM(CASE CON_GRL WHEN 'GTOS' THEN IMP_MOV WHEN 'AACR' THEN -IMP_MOV ELSE 0 END) < 0)", 1},
    {"acreedores con movimientos antes, dentro y después de octubre de 2025",
     "SELECT COUNT(DISTINCT COD_ACRE) FROM tblGastosEnc a WHERE COD_ESTATUS IN (1,5) AND FEC_MOV < '2025-10-01' AND "
     "EXISTS (SELECT 1 FROM tblGastosEnc b WHERE b.COD_ACRE=a.COD_ACRE AND b.COD_ESTATUS IN (1,5) AND "
     "b.FEC_MOV BETWEEN '2025-10-01' AND '2025-10-31') AND EXISTS (SELECT 1 FROM tblGastosEnc c WHERE "
     "c.COD_ACRE=a.COD_ACRE AND c.COD_ESTATUS IN (1,5) AND c.FEC_MOV > '2025-10-31')", 10},
    {"anticipo que el saldo anterior no cuenta", "SELECT COUNT(*) FROM tblGastosEnc WHERE CON_GRL='ANTI' AND COD_ESTATUS IN (1,5)", 1},
    {"cargos por vencer", "SELECT COUNT(*) " ZR_CARGOS_ABIERTOS ZR_VENCE " > date('now', 'localtime')", 10},
    {"cargos vencidos", "SELECT COUNT(*) " ZR_CARGOS_ABIERTOS ZR_VENCE " <= date('now', 'localtime')", 10},

    // Banks and accounts.
    {"banco sin cuentas",
     "SELECT COUNT(*) FROM tblBancos b WHERE NOT EXISTS (SELECT 1 FROM tblCatCtasBancos WHERE COD_BANCO=b.COD_BANCO)", 1},
    {"banco de nombre largo", "SELECT COUNT(*) FROM tblBancos WHERE length(NOM_BANCO) > 40", 1},
    {"cada marca de cheque",
     "SELECT group_concat(coalesce(g, 'NULL'))='NULL,0,1,2' FROM (SELECT DISTINCT GEN_CHEQUE g FROM tblCatCtasBancos ORDER BY 1)", 1},

    // Bank movements.
    {"estatus 1 a 4",
     "SELECT group_concat(e)='1,2,3,4' FROM (SELECT DISTINCT COD_ESTATUS e FROM tblIngreEgre ORDER BY 1)", 1},
    {"folio de movimiento largo", "SELECT COUNT(*) FROM tblIngreEgre WHERE length(FOL_MOV) > 10", 1},
    {"notas que se parten", ZR_NOTAS "COUNT(*) FROM n WHERE p > 0 AND length(t) - p > 148 AND instr(substr(t, p + 148), ',') > 0", 10},
    {"una nota que no se parte", ZR_NOTAS "COUNT(*)=1 FROM n WHERE t<>'' AND p=0", 1},

    // Reconciliations.
    {"conciliaciones cerradas, abiertas y sin marca",
     "SELECT group_concat(coalesce(c, 'NULL'))='NULL,0,1' FROM (SELECT DISTINCT CERRADA c FROM tblConciliaEnc ORDER BY 1)", 1},
    {"conciliados en su conciliación", "SELECT COUNT(*) FROM tblConciliaciones WHERE CONCI_FOL=FOL_CONCI", 100},
    {"sin conciliar", "SELECT COUNT(*) FROM tblConciliaciones WHERE CONCI_FOL=''", 10},
    {"conciliados en una posterior", "SELECT COUNT(*) FROM tblConciliaciones WHERE CONCI_FOL NOT IN ('', FOL_CONCI)", 10},

    // Petty cash.
    {"cheque mayor que lo comprobado", "SELECT COUNT(*) FROM tblReposicionCaja WHERE IMP_CHEQUE > TOT_DOC", 1},
    {"folio de documento largo, uno solo", "SELECT COUNT(*) = 1 FROM tblReposicionCaja WHERE length(FOL_DOC) > 10", 1},
    {"renglón con impuesto y ambas retenciones",
     "SELECT COUNT(*) FROM tblReposicionCajaMov WHERE IMPTO_MOV > 0 AND POR_RETE > 0 AND RET_ISR > 0", 1},
    {"un comprobante sin importe", "SELECT COUNT(*)=1 FROM tblReposicionCajaMov WHERE IMP_MOV IS NULL", 1},
};

}  // namespace

TEST(Demo, TieneLosCasosQueLosReportesNecesitan) {
    for (const Caso& c : Casos)
        EXPECT_GE(Cuenta(DemoEscala1(), QString::fromUtf8(c.sql)), c.minimo) << c.descripcion;
}

namespace {

// Twips a text takes at the size a report prints it (the movement list's detail: 7 points).
uint64_t Ancho(const QString& texto, int32_t puntos = 7) {
    uint64_t ancho = 0;
    for (uint32_t avance : report::AvancesTexto(texto, puntos, false)) ancho += avance;
    return ancho;
}

}  // namespace

// What the bank book and the movement list print fits their columns: a bank concept (9 points in
// the bank book) between x 2400 and the income amounts, the notes of a movement without cheque
// before the status band at 6000; the transfers to suppliers keep their long notes for the
// transfer report, which wraps them.
TEST(Demo, LasDescripcionesCabenEnSusColumnas) {
    for (const auto& fila : Consulta(DemoEscala1(), QStringLiteral("SELECT DES_CON FROM tblConceptosGyT WHERE COD_FOL IN ('INGR','EGRE')")))
        EXPECT_LE(Ancho(*fila[0], 9), 2900u) << fila[0]->toStdString();
    for (const auto& fila : Consulta(DemoEscala1(), QStringLiteral("SELECT DISTINCT NOTAS FROM tblIngreEgre WHERE COD_CON<>'TRSF' "
                                                                   "AND coalesce(FOL_CHEQUE,'')='' AND NOTAS IS NOT NULL")))
        EXPECT_LE(Ancho(*fila[0]), 4000u) << fila[0]->toStdString();
}
