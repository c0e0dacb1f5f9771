// The demo company is deterministic and has what the reports need to be exercised.
#include "AyudaDemo.h"

#include "demo/Demo.h"
#include "demo/Esquema.h"

#include <QDir>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QString Genera(const QTemporaryDir& dir, const QString& sub, int escala, QDate hoy) {
    return demo::GeneraDemo(dir.filePath(sub), escala, {}, hoy).section(QStringLiteral("Data Source="), 1);
}

Filas Tabla(const QString& base, const QString& tabla, const QString& columnas = QStringLiteral("*")) {
    return Consulta(base, QStringLiteral("SELECT %1 FROM %2 ORDER BY rowid").arg(columnas, tabla));
}

// NUM_MOV of the open charges whose due date (date plus payment term) is after, or not after, `hoy`.
QSet<QString> Pendientes(const QString& base, QDate hoy, bool porVencer) {
    QSet<QString> r;
    for (const auto& f : Consulta(base, QStringLiteral("SELECT NUM_MOV, FEC_MOV, PLA_PAG FROM tblGastosEnc "
                                                       "WHERE CON_GRL='GTOS' AND COD_ESTATUS=1 AND SAL_MOV>0"))) {
        const QDate vence = QDate::fromString(*f[1], Qt::ISODate).addDays(f[2]->toInt());
        if ((vence > hoy) == porVencer) r.insert(*f[0]);
    }
    return r;
}

int64_t N(const char* sql) { return Cuenta(DemoEscala1(), QString::fromUtf8(sql)); }

}  // namespace

// Two runs on one day give the same rows; a run on another day differs only in the payment terms,
// which keep the same open charges due and the same still to fall due.
TEST(Demo, DeterministaYSoloLosVencimientosSiguenAlDia) {
    QTemporaryDir dir;
    const QDate hoy1(2026, 12, 5), hoy2(2028, 2, 29);
    const QString a = Genera(dir, QStringLiteral("a"), 2, hoy1), b = Genera(dir, QStringLiteral("b"), 2, hoy1),
                  c = Genera(dir, QStringLiteral("c"), 2, hoy2);
    for (const demo::Tabla& t : demo::Esquema::DelSistema().tablas()) {
        const Filas fa = Tabla(a, t.nombre);
        EXPECT_FALSE(fa.empty()) << t.nombre.toStdString();
        EXPECT_TRUE(fa == Tabla(b, t.nombre)) << t.nombre.toStdString();
        QStringList columnas;
        for (const demo::Columna& col : t.columnas)
            if (!(t.nombre == u"tblGastosEnc" && col.nombre == u"PLA_PAG")) columnas << col.nombre;
        EXPECT_TRUE(Tabla(a, t.nombre, columnas.join(u',')) == Tabla(c, t.nombre, columnas.join(u',')))
            << t.nombre.toStdString();
    }
    const QSet<QString> porVencer = Pendientes(a, hoy1, true), vencidos = Pendientes(a, hoy1, false);
    EXPECT_GE(porVencer.size(), 10);
    EXPECT_GE(vencidos.size(), 10);
    EXPECT_EQ(porVencer, Pendientes(c, hoy2, true));
    EXPECT_EQ(vencidos, Pendientes(c, hoy2, false));
}

TEST(Demo, UnaEscalaFueraDeRangoNoDejaArchivos) {
    QTemporaryDir dir;
    for (const int escala : {0, -3, demo::kEscalaMaxima + 1})
        EXPECT_THROW(demo::GeneraDemo(dir.path(), escala), demo::ErrorDemo);
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files).isEmpty());
}

TEST(DemoGastos, TieneLosCasosQueLosReportesDeAcreedoresNecesitan) {
    // Company 1 with every heading field; the heading loader does not tolerate NULL in these.
    const Filas empresa = Consulta(DemoEscala1(), QStringLiteral(
        "SELECT NOM_EMP, NOM_COM, DIR1_EMP, EXT_EMP, INT_EMP, COL_EMP, CP_EMP, DESCRIP1, RFC1_EMP, RFC2_EMP, RFC3_EMP, "
        "TEL1_EMP, TEL2_EMP FROM tblEmpresa WHERE COD_EMPRESA=1"));
    ASSERT_EQ(empresa.size(), 1u);
    for (size_t i = 0; i < empresa[0].size(); ++i) EXPECT_TRUE(empresa[0][i].has_value()) << i;
    EXPECT_FALSE(empresa[0][9]->isEmpty());
    EXPECT_EQ(N("SELECT COUNT(*) FROM tblParametrosGenerales WHERE REP_NOMEMP=1 AND REP_NOMCOM=1"), 1);

    // Creditors: one in two agrupaciones of different groups; Ñ and accents; names past 45
    // characters; without movements; in a city the catalog lacks; suppliers that are not creditors.
    EXPECT_GE(N("SELECT COUNT(*) FROM (SELECT COD_PROV FROM tblGpoAgrProveedor GROUP BY COD_PROV "
                "HAVING COUNT(DISTINCT COD_GPO) > 1)"), 1);
    EXPECT_EQ(N("SELECT COUNT(*) FROM tblGpoAgrProveedor g JOIN tblAgrProveedor a ON a.COD_AGR=g.COD_AGR "
                "WHERE a.COD_GPO<>g.COD_GPO"), 0);
    EXPECT_GE(N("SELECT COUNT(*) FROM tblGpoAgrProveedor WHERE COD_AGR=0"), 1);
    EXPECT_GE(N("SELECT COUNT(*) FROM tblCatProveedor WHERE ES_ACREED=1 AND instr(NOM_PROV, 'Ñ') > 0"), 1);
    EXPECT_GE(N("SELECT COUNT(*) FROM tblCatProveedor WHERE ES_ACREED=1 AND instr(NOM_PROV, 'ñ') > 0"), 1);
    EXPECT_GE(N("SELECT COUNT(*) FROM tblCatProveedor WHERE ES_ACREED=1 AND length(NOM_PROV) > 45"), 2);
    EXPECT_GE(N("SELECT COUNT(*) FROM tblCatProveedor p WHERE ES_ACREED=1 AND "
                "NOT EXISTS (SELECT 1 FROM tblGastosEnc WHERE COD_ACRE=p.COD_PROV)"), 1);
    EXPECT_GE(N("SELECT COUNT(*) FROM tblCatProveedor WHERE ES_ACREED=1 AND COD_CID NOT IN (SELECT COD_CID FROM tblCiudad)"), 1);
    EXPECT_GE(N("SELECT COUNT(*) FROM tblCatProveedor WHERE ES_ACREED=0"), 1);
    EXPECT_GE(N("SELECT COUNT(*) FROM tblCatProveedor WHERE FEC_UPAG IS NULL AND MAIL_PROV IS NULL"), 1);

    // Movements: three classes, statuses 1, 2 and 5, long folios, concepts described only by the
    // folio table or by nothing.
    EXPECT_EQ(Valor(DemoEscala1(), QStringLiteral("SELECT group_concat(c) FROM (SELECT DISTINCT CON_GRL c FROM tblGastosEnc ORDER BY 1)")),
              QStringLiteral("AACR,ANTI,GTOS"));
    EXPECT_EQ(Valor(DemoEscala1(), QStringLiteral("SELECT group_concat(e) FROM (SELECT DISTINCT COD_ESTATUS e FROM tblGastosEnc ORDER BY 1)")),
              QStringLiteral("1,2,5"));
    EXPECT_GE(N("SELECT COUNT(*) FROM tblGastosEnc WHERE length(FOL_MOV) > 10"), 1);
    EXPECT_GE(N("SELECT COUNT(*) FROM tblGastosEnc WHERE COD_CON IN (SELECT COD_FOL FROM tblFolioGralesGyT)"), 1);
    EXPECT_GE(N("SELECT COUNT(*) FROM tblGastosEnc WHERE COD_CON NOT IN (SELECT COD_CON FROM tblConceptosGyT) "
                "AND COD_CON NOT IN (SELECT COD_FOL FROM tblFolioGralesGyT)"), 1);
    EXPECT_GE(N("SELECT COUNT(*) FROM tblGastosEnc WHERE RET_TOT > 0 AND RET_ISRTOT > 0"), 1);

    // Balances: a creditor owed less than nothing, one with cancelled movements only, and the
    // catalog balance equal to the open balances of its charges.
    EXPECT_GE(N("SELECT COUNT(*) FROM (SELECT COD_ACRE FROM tblGastosEnc WHERE COD_ESTATUS IN (1,5) GROUP BY COD_ACRE "
                "HAVING SUM(CASE CON_GRL WHEN 'GTOS' THEN IMP_MOV WHEN 'AACR' THEN -IMP_MOV ELSE 0 END) < 0)"), 1);
    EXPECT_GE(N("SELECT COUNT(*) FROM (SELECT COD_ACRE FROM tblGastosEnc GROUP BY COD_ACRE HAVING MIN(COD_ESTATUS)=2)"), 1);
    EXPECT_EQ(N("SELECT COUNT(*) FROM tblCatProveedor p WHERE round(SAL_PROV, 2) <> round((SELECT coalesce(SUM(SAL_MOV), 0) "
                "FROM tblGastosEnc WHERE COD_ACRE=p.COD_PROV AND CON_GRL='GTOS' AND COD_ESTATUS=1), 2)"), 0);
    EXPECT_GE(Pendientes(DemoEscala1(), QDate::currentDate(), true).size(), 10);
    EXPECT_GE(Pendientes(DemoEscala1(), QDate::currentDate(), false).size(), 10);
}

TEST(DemoTesoreria, TieneLosCasosQueLosReportesDeBancosNecesitan) {
    // Banks: one without accounts, a name past 40 characters, a NULL executive; accounts in pesos
    // and dollars; every kind of cheque flag.
    EXPECT_GE(N("SELECT COUNT(*) FROM tblBancos b WHERE NOT EXISTS (SELECT 1 FROM tblCatCtasBancos WHERE COD_BANCO=b.COD_BANCO)"), 1);
    EXPECT_GE(N("SELECT COUNT(*) FROM tblBancos WHERE length(NOM_BANCO) > 40"), 1);
    EXPECT_GE(N("SELECT COUNT(*) FROM tblBancos WHERE EJE_CUENTA IS NULL"), 1);
    EXPECT_EQ(N("SELECT COUNT(DISTINCT COD_MONCTA) FROM tblCatCtasBancos WHERE COD_MONCTA IN (1,2)"), 2);
    EXPECT_EQ(Valor(DemoEscala1(), QStringLiteral("SELECT group_concat(coalesce(g, 'NULL')) FROM "
                                                  "(SELECT DISTINCT GEN_CHEQUE g FROM tblCatCtasBancos ORDER BY 1)")),
              QStringLiteral("NULL,0,1,2"));

    // Movements: statuses 1 to 4; exchange rates only on foreign accounts; classes that agree with
    // the concept's folio, which is what the bank reports filter on.
    EXPECT_EQ(Valor(DemoEscala1(), QStringLiteral("SELECT group_concat(e) FROM (SELECT DISTINCT COD_ESTATUS e FROM tblIngreEgre ORDER BY 1)")),
              QStringLiteral("1,2,3,4"));
    EXPECT_EQ(N("SELECT COUNT(*) FROM tblIngreEgre m JOIN tblCatCtasBancos c ON c.NUM_CUENTA=m.NUM_CTA "
                "WHERE (c.COD_MONCTA=1) <> (m.TIP_CAM=1)"), 0);
    EXPECT_EQ(N("SELECT COUNT(*) FROM tblIngreEgre m JOIN tblConceptosGyT c ON c.COD_CON=m.COD_CON WHERE c.COD_FOL<>m.CON_GRL"), 0);
    EXPECT_GE(N("SELECT COUNT(*) FROM tblIngreEgre WHERE length(FOL_MOV) > 10"), 1);
    EXPECT_GE(N("SELECT COUNT(*) FROM tblIngreEgre WHERE length(FOL_CHEQUE) > 10"), 1);

    // Transfers between own accounts come in pairs; transfers to creditors name a creditor and
    // carry notes long enough to be split, plus one that cannot be split and one without notes.
    EXPECT_EQ(N("SELECT COUNT(*) FROM tblIngreEgre s WHERE COD_CON='TRCT' AND NOT EXISTS (SELECT 1 FROM tblIngreEgre e "
                "WHERE e.COD_CON='RTRC' AND e.FOL_MOV=s.FOL_MOV AND e.IMP_MOV=s.IMP_MOV AND e.FEC_MOV=s.FEC_MOV)"), 0);
    EXPECT_GE(N("SELECT COUNT(*) FROM tblIngreEgre WHERE COD_CON='TRCT'"), 12);
    EXPECT_EQ(N("SELECT COUNT(*) FROM tblIngreEgre WHERE COD_CON='TRSF' AND ACRE_PROV NOT IN (SELECT COD_PROV FROM tblCatProveedor)"), 0);
    int divisibles = 0, indivisibles = 0, vacias = 0;
    for (const auto& f : Consulta(DemoEscala1(), QStringLiteral("SELECT NOTAS FROM tblIngreEgre WHERE COD_CON='TRSF'"))) {
        const QString notas = f[0].value_or(QString());
        const qsizetype punto = notas.indexOf(u'.', 27);
        if (notas.isEmpty()) ++vacias;
        else if (punto < 0) ++indivisibles;
        else if (notas.size() - punto - 2 > 120 && notas.indexOf(u',', punto + 2 + 119) >= 0) ++divisibles;
    }
    EXPECT_GE(divisibles, 10);
    EXPECT_EQ(indivisibles, 1);
    EXPECT_EQ(vacias, 1);

    // Reconciliations: closed, open and without a flag; movements reconciled in their own
    // reconciliation, in a later one, and not at all; each one a copy of its bank movement.
    EXPECT_EQ(Valor(DemoEscala1(), QStringLiteral("SELECT group_concat(coalesce(c, 'NULL')) FROM "
                                                  "(SELECT DISTINCT CERRADA c FROM tblConciliaEnc ORDER BY 1)")),
              QStringLiteral("NULL,0,1"));
    EXPECT_GE(N("SELECT COUNT(*) FROM tblConciliaciones WHERE CONCI_FOL=FOL_CONCI"), 100);
    EXPECT_GE(N("SELECT COUNT(*) FROM tblConciliaciones WHERE CONCI_FOL=''"), 10);
    EXPECT_GE(N("SELECT COUNT(*) FROM tblConciliaciones WHERE CONCI_FOL NOT IN ('', FOL_CONCI)"), 10);
    EXPECT_EQ(N("SELECT COUNT(*) FROM tblConciliaciones c LEFT JOIN tblIngreEgre m ON m.MOVIMIENTO=c.MOVIMIENTO "
                "WHERE m.NUM_CTA IS NOT c.NUM_CUENTA OR m.FEC_MOV<>c.FEC_MOV OR m.COD_ESTATUS<>c.COD_ESTATUS "
                "OR round(m.IMP_MOV, 2)<>round(c.IMP_INGR + c.IMP_EGRE, 2) OR (m.COD_ESTATUS=4) <> (c.CONCI_FOL<>'')"), 0);
    EXPECT_EQ(N("SELECT COUNT(*) FROM tblConciliaciones c WHERE c.CONCI_FOL<>'' AND "
                "c.CONCI_FOL NOT IN (SELECT FOL_CONCI FROM tblConciliaEnc)"), 0);
}

TEST(DemoCajaChica, CadaReposicionTieneSuChequeYSusTotales) {
    // Each document is paid by one petty-cash cheque, found through the general folio.
    EXPECT_EQ(N("SELECT COUNT(*) FROM tblReposicionCaja r LEFT JOIN tblIngreEgre m ON m.FOL_GRL=r.FOL_GRL "
                "WHERE m.COD_CON IS NOT 'REPCJ' OR m.FOL_CHEQUE<>r.FOL_CHEQUE OR m.IMP_MOV<>r.IMP_CHEQUE "
                "OR m.FEC_MOV<>r.FEC_DOC OR m.COD_ESTATUS=2"), 0);
    EXPECT_EQ(N("SELECT COUNT(*) FROM tblIngreEgre WHERE FOL_GRL IN (SELECT FOL_GRL FROM tblReposicionCaja)"),
              N("SELECT COUNT(*) FROM tblReposicionCaja"));
    EXPECT_GE(N("SELECT COUNT(*) FROM tblReposicionCaja WHERE IMP_CHEQUE > TOT_DOC"), 1);
    EXPECT_GE(N("SELECT COUNT(*) FROM tblReposicionCaja WHERE length(FOL_DOC) > 10"), 1);
    EXPECT_EQ(N("SELECT COUNT(*) FROM tblReposicionCaja WHERE IMP_CHEQUE < TOT_DOC"), 0);
    // Taxes, both withholdings and a ticket without amount; no two lines that DISTINCT would merge.
    EXPECT_GE(N("SELECT COUNT(*) FROM tblReposicionCajaMov WHERE IMPTO_MOV > 0 AND POR_RETE > 0 AND RET_ISR > 0"), 1);
    EXPECT_GE(N("SELECT COUNT(*) FROM tblReposicionCajaMov WHERE IMPTO_MOV = 0"), 1);
    EXPECT_EQ(N("SELECT COUNT(*) FROM tblReposicionCajaMov WHERE IMP_MOV IS NULL"), 1);
    EXPECT_EQ(N("SELECT COUNT(*) FROM (SELECT FOL_DOC, REF_MOV FROM tblReposicionCajaMov GROUP BY 1, 2 HAVING COUNT(*) > 1)"), 0);
    // The supported amount is what the lines add up to after tax and withholdings.
    for (const auto& f : Consulta(DemoEscala1(), QStringLiteral(
             "SELECT r.TOT_DOC, SUM(m.IMP_MOV * (1 + m.IMPTO_MOV / 100 - m.POR_RETE / 100 - m.RET_ISR / 100)) "
             "FROM tblReposicionCaja r JOIN tblReposicionCajaMov m ON m.FOL_DOC=r.FOL_DOC GROUP BY r.FOL_DOC")))
        EXPECT_NEAR(f[0]->toDouble(), f[1]->toDouble(), 0.011 * 7) << f[0]->toStdString();
}
