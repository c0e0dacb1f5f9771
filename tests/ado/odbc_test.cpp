// The ODBC provider against PostgreSQL: typed values, and that nothing sent through it writes.
#include "BaseSqlite.h"
#include "Postgres.h"
#include "ado/Comillas.h"
#include "ado/Errores.h"

#include <QCoreApplication>
#include <map>

namespace {

using vb::Currency;
using vb::TipoVariant;
using vb::Variant;

class Odbc : public ConPostgres {
protected:
    // Row count and balance sum of the expense table, to show it did not change.
    std::pair<int, Variant> Huella() {
        auto rs = pg.Execute("SELECT COUNT(*) AS N, SUM(SAL_MOV) AS S FROM tblGastosEnc");
        return {rs.Fields("N").Value().CLng(), rs.Fields("S").Value()};
    }
    // A table of the test's own holding 1 and 2, made through a login that may write.
    static QString TablaConDosFilas(EscritorOdbc& escritor, const char* prefijo) {
        const QString tabla = QStringLiteral("%1_%2").arg(QLatin1String(prefijo)).arg(QCoreApplication::applicationPid());
        EXPECT_EQ(escritor.Ejecuta("DROP TABLE IF EXISTS " + tabla), "");
        EXPECT_EQ(escritor.Ejecuta("CREATE TABLE " + tabla + " (n INTEGER)"), "");
        EXPECT_EQ(escritor.Ejecuta("INSERT INTO " + tabla + " VALUES (1), (2)"), "");
        return tabla;
    }
};

TEST_F(Odbc, ValoresLleganConSuSubtipo) {
    auto rs = pg.Execute(
        "SELECT CAST('12345678901.2345' AS NUMERIC(19,4)) AS grande, CAST('1.00015' AS NUMERIC(10,5)) AS mitad_arriba,"
        " CAST('1.00005' AS NUMERIC(10,5)) AS mitad_par, CAST(0.1 AS NUMERIC) + CAST(0.2 AS NUMERIC) AS suma,"
        " CAST('-1234.56' AS MONEY) AS dinero, DATE '2024-02-29' AS dia, TIMESTAMP '2024-02-29 13:45:10' AS momento,"
        " CAST(NULL AS DATE) AS nulo, 42 AS entero, CAST(5000000000 AS BIGINT) AS enorme, TRUE AS verdad, FALSE AS falso,"
        " CAST(1.5 AS DOUBLE PRECISION) AS doble, 'Tesorería ñ' AS texto, repeat('é', 3000) AS largo");
    // Exact decimal text, rounded half to even at the fourth decimal; never through a double.
    EXPECT_EQ(rs.Fields("GRANDE").Value(), Variant(Currency::DesdeDiezmilesimos(123456789012345)));
    EXPECT_EQ(rs.Fields("MITAD_ARRIBA").Value(), Variant(Currency::DesdeDiezmilesimos(10002)));
    EXPECT_EQ(rs.Fields("MITAD_PAR").Value(), Variant(Currency::DesdeDiezmilesimos(10000)));
    EXPECT_EQ(rs.Fields("SUMA").Value(), Variant(Currency::DesdeDiezmilesimos(3000)));
    EXPECT_EQ(rs.Fields("DINERO").Value(), Variant(Currency::DesdeDiezmilesimos(-12345600)));
    EXPECT_EQ(rs.Fields("DIA").Value(), Variant(QDate(2024, 2, 29)));
    EXPECT_EQ(rs.Fields("MOMENTO").Value(), Variant(vb::Fecha{QDate(2024, 2, 29), QTime(13, 45, 10)}));
    EXPECT_TRUE(rs.Fields("NULO").Value().IsNull());
    EXPECT_EQ(rs.Fields("ENTERO").Value(), Variant(int32_t(42)));
    EXPECT_EQ(rs.Fields("ENORME").Value(), Variant(5000000000.0));
    EXPECT_EQ(rs.Fields("VERDAD").Value(), Variant(true));
    EXPECT_EQ(rs.Fields("FALSO").Value(), Variant(false));
    EXPECT_EQ(rs.Fields("DOBLE").Value(), Variant(1.5));
    EXPECT_EQ(rs.Fields("TEXTO").Value(), Variant(QStringLiteral("Tesorería ñ")));
    EXPECT_EQ(rs.Fields("LARGO").Value(), Variant(QString(3000, QChar(0xE9))));
}

TEST_F(Odbc, NingunaInstruccionPuedeEscribir) {
    const auto antes = Huella();
    for (const char* sql : {
             "INSERT INTO tblGastosEnc (NUM_MOV) VALUES (-1)",
             "UPDATE tblGastosEnc SET SAL_MOV = 0",
             "DELETE FROM tblGastosEnc",
             "DROP TABLE tblGastosEnc",
             "SELECT * INTO tblCopia FROM tblGastosEnc",
             "WITH d AS (DELETE FROM tblGastosEnc RETURNING *) SELECT * FROM d",
             "SELECT NUM_MOV FROM tblGastosEnc WHERE COD_ACRE='x'; DELETE FROM tblGastosEnc; --'",
         }) {
        EXPECT_NE(NumeroDeError([&] { pg.Execute(sql); }), 0) << sql;
    }
    const auto codigo = ado::Comillas("x' OR '1'='1");
    auto rs = pg.Execute("SELECT NUM_MOV FROM tblGastosEnc WHERE COD_ACRE='" + codigo + "'");
    EXPECT_TRUE(rs.EOF_());
    EXPECT_EQ(Huella(), antes);
}

// A run reads one snapshot on each server: what the host commits meanwhile shows only after it
// ends, a failed query neither stops the queries after it nor loses the snapshot, and afterwards
// the session reads as before.
// Inside a run PostgreSQL hands a large answer over a slice of 8,000 rows at a time: every row
// arrives once and in order across the slices (one answer ends a row into its third slice, the
// other with its first full one), two answers read side by side keep their places, and reading one
// again from the start gives it whole.
TEST_F(Odbc, UnaRespuestaGrandeLlegaEnteraPorPorciones) {
    if (!Listo()) return;
    const auto serie = [&](int n) {
        return pg.Execute(QStringLiteral("SELECT g AS N FROM generate_series(1, %1) AS g ORDER BY g;").arg(n));
    };
    pg.BeginTrans();
    auto grande = serie(16001), otra = serie(8000);
    int leidas = 0;
    for (; !grande.EOF_(); grande.MoveNext()) {
        ASSERT_EQ(grande.Fields("N").Value().CLng(), ++leidas);
        if (!otra.EOF_()) {
            EXPECT_EQ(otra.Fields("N").Value().CLng(), leidas);
            otra.MoveNext();
        }
    }
    EXPECT_EQ(leidas, 16001);
    EXPECT_TRUE(otra.EOF_());
    otra.MoveFirst();
    int deNuevo = 0;
    for (; !otra.EOF_(); otra.MoveNext()) ++deNuevo;
    EXPECT_EQ(deNuevo, 8000);
    pg.CommitTrans();
}

TEST_F(Odbc, UnaLecturaVeUnaSolaFotoDeLosDatos) {
    if (!Listo()) return;
    pg.Close();
    const QString tabla = QStringLiteral("zr_foto_%1").arg(QCoreApplication::applicationPid());
    const QString cuenta = "SELECT COUNT(*) AS N FROM " + tabla;
    for (const char* servidor : Servidores()) {
        SCOPED_TRACE(servidor);
        ado::Connection lector;
        Conecta(servidor, lector);
        if (!Listo()) return;
        EscritorOdbc escritor(qEnvironmentVariable(servidor));
        const bool postgres = !lector.ConnectionString().contains(u"maodbc");
        ASSERT_EQ(escritor.Ejecuta("DROP TABLE IF EXISTS " + tabla), "");
        ASSERT_EQ(escritor.Ejecuta("CREATE TABLE " + tabla + " (n INTEGER)"), "");
        ASSERT_EQ(escritor.Ejecuta("INSERT INTO " + tabla + " VALUES (1)"), "");
        const auto filas = [&] { return lector.Execute(cuenta).Fields("N").Value().CLng(); };

        lector.BeginTrans();
        lector.BeginTrans();  // a second start keeps the snapshot
        EXPECT_EQ(filas(), 1);
        if (postgres) {
            auto rs = lector.Execute("SELECT current_setting('transaction_isolation') AS i, "
                                     "current_setting('transaction_read_only') AS s");
            EXPECT_EQ(rs.Fields("I").Value().CStr(), "repeatable read");
            EXPECT_EQ(rs.Fields("S").Value().CStr(), "on");
        }
        ASSERT_EQ(escritor.Ejecuta("INSERT INTO " + tabla + " VALUES (2)"), "");
        EXPECT_EQ(filas(), 1);
        auto abierta = lector.Execute("SELECT n FROM " + tabla + " ORDER BY n");
        EXPECT_NE(NumeroDeError([&] { lector.Execute("SELECT n FROM tabla_que_no_existe"); }), 0);
        ASSERT_EQ(escritor.Ejecuta("INSERT INTO " + tabla + " VALUES (3)"), "");
        EXPECT_EQ(filas(), 1);  // the driver rolls back the failed statement alone
        lector.CommitTrans();
        EXPECT_EQ(abierta.Fields("n").Value().CLng(), 1);  // read before the end, still readable
        abierta.Close();
        EXPECT_EQ(filas(), 3);
        lector.CommitTrans();  // none left: nothing happens
        // Outside the run each query reads what is committed, and the session still refuses writes.
        ASSERT_EQ(escritor.Ejecuta("INSERT INTO " + tabla + " VALUES (4)"), "");
        EXPECT_EQ(filas(), 4);
        EXPECT_NE(NumeroDeError([&] { lector.Execute("DELETE FROM " + tabla); }), 0);
        EXPECT_EQ(escritor.Ejecuta("DROP TABLE " + tabla), "");
    }
}

// A window's lists asked together are read at once: rows the host adds before an Open do not show
// in its answer, each Open takes its own list (a comment closing a query included); once the
// window has them, the same text asks the server afresh; a batch with a failing query leaves
// each query to succeed or fail on its own.
TEST_F(Odbc, LasListasAdelantadasSeLeenDeUnaVez) {
    if (!Listo()) return;
    EscritorOdbc escritor(qEnvironmentVariable("ZR_PG_CONEXION"));
    const QString tabla = TablaConDosFilas(escritor, "zr_listas");
    const QString cuenta = "SELECT COUNT(*) AS N FROM " + tabla + ";";
    const QString numeros = "SELECT n FROM " + tabla + " ORDER BY n -- comentario";
    const auto filas = [&](const QString& sql) {
        QStringList todas;
        for (auto rs = pg.Execute(sql); !rs.EOF_(); rs.MoveNext()) todas << rs.Fields(0).Value().Texto();
        return todas;
    };
    {
        const ado::Adelanto adelanto(pg, {numeros, cuenta});
        ASSERT_EQ(escritor.Ejecuta("INSERT INTO " + tabla + " VALUES (3)"), "");
        EXPECT_EQ(filas(cuenta), QStringList{"2"});
        EXPECT_EQ(filas(numeros), (QStringList{"1", "2"}));
        EXPECT_EQ(filas(cuenta), QStringList{"3"});  // taken once
    }
    EXPECT_EQ(filas(numeros), (QStringList{"1", "2", "3"}));
    {
        const ado::Adelanto adelanto(pg, {cuenta, "SELECT n FROM tabla_que_no_existe", numeros});
        EXPECT_EQ(filas(cuenta), QStringList{"3"});
        EXPECT_NE(NumeroDeError([&] { pg.Execute("SELECT n FROM tabla_que_no_existe"); }), 0);
        EXPECT_EQ(filas(numeros), (QStringList{"1", "2", "3"}));
    }
    EXPECT_EQ(escritor.Ejecuta("DROP TABLE " + tabla), "");
}

// Inside a run the sets asked together are declared at once, each behind a server cursor with its
// first slice: the snapshot starts with the batch, a set longer than a slice comes whole and in
// order and reads again from its start, and a batch the server refuses ends the run with the
// server's message while the session reads on.
TEST_F(Odbc, LosConjuntosDeUnaCorridaSePidenJuntos) {
    if (!Listo()) return;
    EscritorOdbc escritor(qEnvironmentVariable("ZR_PG_CONEXION"));
    const QString tabla = TablaConDosFilas(escritor, "zr_lote");
    const QString cuenta = "SELECT COUNT(*) AS N FROM " + tabla;
    const QString serie = "SELECT g AS N FROM generate_series(1, 16001) AS g ORDER BY g;";
    const auto filas = [&] { return pg.Execute(cuenta).Fields("N").Value().CLng(); };
    const auto enOrden = [](ado::Recordset& rs) {
        int leidas = 0;
        for (; !rs.EOF_(); rs.MoveNext())
            if (rs.Fields("N").Value().CLng() != ++leidas) return -leidas;
        return leidas;
    };

    pg.BeginTrans();
    {
        const ado::Adelanto juntas(pg, {serie, cuenta});
        ASSERT_EQ(escritor.Ejecuta("INSERT INTO " + tabla + " VALUES (3)"), "");
        auto grande = pg.Execute(serie);
        EXPECT_EQ(pg.Execute(cuenta).Fields("N").Value().CLng(), 2);
        EXPECT_EQ(enOrden(grande), 16001);
        grande.MoveFirst();
        EXPECT_EQ(enOrden(grande), 16001);
    }
    EXPECT_EQ(filas(), 2);
    pg.CommitTrans();
    EXPECT_EQ(filas(), 3);

    pg.BeginTrans();
    EXPECT_NE(NumeroDeError([&] { ado::Adelanto(pg, {cuenta, "SELECT n FROM tabla_que_no_existe"}); }), 0);
    pg.RollbackTrans();
    EXPECT_EQ(filas(), 3);
    EXPECT_EQ(escritor.Ejecuta("DROP TABLE " + tabla), "");
}

// A query asked again with other values reuses the statement prepared for its shape; each answer is that of its own values, also while a twin of it is still being read, and
// a number where a text was is another query.
TEST_F(Odbc, UnaConsultaRepetidaReusaSuSentenciaConOtrosValores) {
    if (!Listo()) return;
    pg.Close();
    for (const char* servidor : Servidores()) {
        SCOPED_TRACE(servidor);
        ado::Connection con;
        Conecta(servidor, con);
        if (!Listo()) return;
        const bool postgres = !con.ConnectionString().contains(u"maodbc");
        const auto preparadas = [&] {
            return con.Execute(postgres ? "SELECT COUNT(*) AS N FROM pg_prepared_statements"
                                        : "SELECT VARIABLE_VALUE AS N FROM information_schema.SESSION_STATUS "
                                          "WHERE VARIABLE_NAME='COM_STMT_PREPARE'")
                .Fields("N").Value().CLng();
        };
        std::map<QString, int> esperado;
        for (auto rs = con.Execute("SELECT NUM_CTA, COUNT(*) AS N FROM tblIngreEgre GROUP BY NUM_CTA"); !rs.EOF_(); rs.MoveNext())
            esperado[rs.Fields("NUM_CTA").Value().CStr()] = rs.Fields("N").Value().CLng();
        ASSERT_GE(esperado.size(), 3u);
        const auto consulta = [](const QString& cuenta) {
            return "SELECT COUNT(*) AS N FROM tblIngreEgre WHERE NUM_CTA='" + ado::Comillas(cuenta) +
                   "' AND FEC_MOV >= '1900-01-01' AND COD_ESTATUS<>-1";
        };
        const auto cuenta = [&](const QString& c) { return con.Execute(consulta(c)).Fields("N").Value().CLng(); };

        const int antes = preparadas();
        EXPECT_EQ(cuenta(esperado.begin()->first), esperado.begin()->second);
        if (postgres) {
            EXPECT_EQ(preparadas(), antes);  // a shape asked once costs no PREPARE
        }
        for (const auto& [c, n] : esperado) EXPECT_EQ(cuenta(c), n) << c.toStdString();
        EXPECT_EQ(cuenta("x' OR '1'='1"), 0);
        // PostgreSQL lists what was prepared by name; MariaDB counts every prepare, also of the
        // queries run as written (the first two of the shape, and this count itself).
        if (postgres) EXPECT_EQ(preparadas() - antes, 1);
        else EXPECT_LE(preparadas() - antes, 4);

        // A twin: the outer query is still open while the same shape runs with another value.
        auto exterior = con.Execute("SELECT NUM_CTA FROM tblIngreEgre WHERE NUM_CTA='" + esperado.begin()->first +
                                    "' AND FEC_MOV >= '1900-01-01' AND COD_ESTATUS<>-1");
        EXPECT_EQ(cuenta(esperado.rbegin()->first), esperado.rbegin()->second);
        EXPECT_EQ(exterior.Fields("NUM_CTA").Value().CStr(), esperado.begin()->first);

        // The account number as a number: MariaDB compares it as one, PostgreSQL refuses it.
        const QString numero = QString::number(esperado.begin()->first.toLongLong());
        ASSERT_NE(numero, esperado.begin()->first);
        EXPECT_EQ(cuenta(numero), 0);
        const QString comoNumero = "SELECT COUNT(*) AS N FROM tblIngreEgre WHERE NUM_CTA=" + numero +
                                   " AND FEC_MOV >= '1900-01-01' AND COD_ESTATUS<>-1";
        if (postgres) EXPECT_NE(NumeroDeError([&] { con.Execute(comoNumero); }), 0);
        else EXPECT_EQ(con.Execute(comoNumero).Fields("N").Value().CLng(), esperado.begin()->second);
    }
}

TEST(OdbcSinServidor, UnaConexionQueNoAbreQuedaCerrada) {
    for (const char* cadena : {"Driver={PostgreSQL Unicode};Server=127.0.0.1;Port=1;Database=x;Uid=x;Pwd=x;",
                               "Driver={Controlador que no existe};Server=x;"}) {
        ado::Connection con;
        try {
            con.Open(cadena);
            ADD_FAILURE() << cadena;
        } catch (const vb::ErrorEjecucion& e) {
            EXPECT_EQ(e.numero(), vb::errores::ErrorProveedor);
            EXPECT_FALSE(e.descripcion().isEmpty());
        }
        EXPECT_EQ(con.State(), 0);
    }
}

}  // namespace
