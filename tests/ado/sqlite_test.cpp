// The embedded provider on a database the test writes itself: typed values, field lookup,
// navigation, the read-only guarantees and the one date expression it gives meaning to.
#include "BaseSqlite.h"
#include "ado/Comillas.h"
#include "ado/Connection.h"
#include "ado/Errores.h"
#include "ado/FormaSql.h"
#include "ado/SumasSqlite.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

using vb::TipoVariant;

namespace {

const char* const kGastos = R"(
CREATE TABLE tblGastosEnc (NUM_MOV INTEGER PRIMARY KEY, COD_ACRE VARCHAR(10), FEC_MOV DATE, PLA_PAG INTEGER,
  SAL_MOV CURRENCY, IMP_MOV CURRENCY, CON_GRL VARCHAR(4), PAGADO BOOLEAN, TIP_CAM DOUBLE, NOTAS TEXT);
INSERT INTO tblGastosEnc VALUES
  (1, 'A01',   '2024-01-01', 30, 1234.56, 1234.56, 'GTOS', 0, 1.0,   'Renta de oficina'),
  (2, 'A01',   '2024-01-15', 15, 0.1,     100,     'GTOS', 1, 17.25, 'Papelería ñ'),
  (3, 'A01',   '2024-02-10', 20, 0.2,     250.75,  'AACR', 0, NULL,  NULL),
  (4, 'O''B1', '2023-12-31', 31, 5000,    5000,    'GTOS', 1, 1.0,   'Año nuevo'),
  (5, 'A02',   NULL,         30, NULL,    NULL,    'GTOS', NULL, NULL, 'sin fecha'),
  (6, 'A02',   '2024-01-31', 0,  0.7,     0.7,     'GTOS', 0, 1.0,   'mismo día');
CREATE TABLE tblCatProveedor (COD_PROV VARCHAR(10), LIM_CRE CURRENCY, SAL_PROV CURRENCY);
INSERT INTO tblCatProveedor VALUES ('A01', 0.3, 0.1);
)";

class Sqlite : public ::testing::Test {
protected:
    void SetUp() override { con.Open(base.Cadena()); }

    // NUM_MOV of every row of the query, in order.
    std::vector<int> Numeros(const QString& sql) {
        std::vector<int> r;
        auto rs = con.Execute(sql);
        while (!rs.EOF_()) {
            r.push_back(rs.Fields("NUM_MOV").Value().CLng());
            rs.MoveNext();
        }
        return r;
    }

    BaseSqlite base{kGastos};
    ado::Connection con;
};

TEST_F(Sqlite, ValoresLleganConSuSubtipo) {
    auto rs = con.Execute("SELECT * FROM tblGastosEnc WHERE NUM_MOV IN (1, 2, 4, 5) ORDER BY NUM_MOV");
    EXPECT_EQ(rs.Fields("FEC_MOV").Value(), vb::Variant(QDate(2024, 1, 1)));
    EXPECT_EQ(rs.Fields("SAL_MOV").Value(), vb::Variant(vb::Currency::DesdeDiezmilesimos(12345600)));
    EXPECT_EQ(rs.Fields("PLA_PAG").Value(), vb::Variant(int32_t(30)));
    EXPECT_EQ(rs.Fields("PAGADO").Value(), vb::Variant(false));
    EXPECT_EQ(rs.Fields("TIP_CAM").Value().Tipo(), TipoVariant::Double);
    rs.MoveNext();
    EXPECT_EQ(rs.Fields("NOTAS").Value(), vb::Variant(QStringLiteral("Papelería ñ")));
    EXPECT_EQ(rs.Fields("SAL_MOV").Value(), vb::Variant(vb::Currency::DesdeDiezmilesimos(1000)));
    EXPECT_EQ(rs.Fields("PAGADO").Value(), vb::Variant(true));
    rs.MoveNext();
    // A whole amount is stored as an integer by the column's affinity; it is still money.
    EXPECT_EQ(rs.Fields("IMP_MOV").Value(), vb::Variant(vb::Currency::DesdeEntero(5000)));
    rs.MoveNext();
    for (const char* campo : {"FEC_MOV", "SAL_MOV", "PAGADO", "TIP_CAM"})
        EXPECT_TRUE(rs.Fields(campo).Value().IsNull()) << campo;
}

TEST_F(Sqlite, ExpresionesDeDineroSonCurrencyExacto) {
    // 1234.56 + 0.1 + 0.2 is 1234.8599999999999 as a double; the report must see 1234.86.
    auto rs = con.Execute("SELECT SUM(SAL_MOV) AS SALDO FROM tblGastosEnc WHERE COD_ACRE='A01'");
    EXPECT_EQ(rs.Fields("SALDO").Value(), vb::Variant(vb::Currency::DesdeDiezmilesimos(12348600)));
    rs = con.Execute("SELECT (LIM_CRE-SAL_PROV) AS DISP FROM tblCatProveedor");
    EXPECT_EQ(rs.Fields("DISP").Value(), vb::Variant(vb::Currency::DesdeDiezmilesimos(2000)));
    // Past the fourth decimal the stored double rounds half to even: 0.00005 -> 0, 0.00015 -> 0.0002.
    rs = con.Execute("SELECT -1234.5 AS A, 0.00005 AS B, 0.00015 AS C, 1e300 AS D");
    EXPECT_EQ(rs.Fields("A").Value(), vb::Variant(vb::Currency::DesdeDiezmilesimos(-12345000)));
    EXPECT_EQ(rs.Fields("B").Value(), vb::Variant(vb::Currency()));
    EXPECT_EQ(rs.Fields("C").Value(), vb::Variant(vb::Currency::DesdeDiezmilesimos(2)));
    EXPECT_EQ(rs.Fields("D").Value().Tipo(), TipoVariant::Double);  // beyond any amount
    // A large amount reads to its last decimal, and a real one step off a cent reads as the cent.
    rs = con.Execute("SELECT -98765432109.1234 AS E, 0.30000000000000004 AS F, 2.675 AS G");
    EXPECT_EQ(rs.Fields("E").Value(), vb::Variant(vb::Currency::DesdeDiezmilesimos(-987654321091234)));
    EXPECT_EQ(rs.Fields("F").Value(), vb::Variant(vb::Currency::DesdeDiezmilesimos(3000)));
    EXPECT_EQ(rs.Fields("G").Value(), vb::Variant(vb::Currency::DesdeDiezmilesimos(26750)));
    rs = con.Execute("SELECT SUM(SAL_MOV) AS SALDO FROM tblGastosEnc WHERE COD_ACRE='nadie'");
    EXPECT_TRUE(rs.Fields("SALDO").Value().IsNull());
}

// SQLite stores whatever it is given; a value its declared column cannot hold stops the read with
// the runtime's error naming the column and the value, directly and through a sum, where SQLite
// itself would read the text as 0.
TEST(SqliteDatosAjenos, SonErrorDeTiposODesbordamientoConColumnaYValor) {
    BaseSqlite base(R"(
CREATE TABLE tblGastosEnc (NUM_MOV INTEGER, COD_ACRE VARCHAR(10), FEC_MOV DATE, PLA_PAG INTEGER, IMP_MOV CURRENCY,
  TIP_CAM DOUBLE, SAL_MOV CURRENCY);
INSERT INTO tblGastosEnc VALUES
  (1, 'A01', '2024-01-01 10:00:00.250', 30, 10.5, 1.5, 1),
  (2, 'B02', '2024-02-30', 'treinta', 'abc', 'NaN', 2),
  (3, 'C03', 45000, 30, 9e999, -9e999, '  12.5 '),
  (4, 'D04', '2024-01-02', 1.5, '1e30', 2, x'00ff');
)");
    ado::Connection con;
    con.Open(base.Cadena());
    const auto error = [&](const QString& sql, const char* campo) -> std::pair<int, QString> {
        try {
            auto rs = con.Execute(sql);
            rs.Fields(campo).Value();
        } catch (const vb::ErrorEjecucion& e) {
            return {e.numero(), e.descripcion()};
        }
        return {0, QString()};
    };
    using vb::errores::Desbordamiento;
    using vb::errores::TiposNoCoinciden;
    const struct {
        int fila;
        const char* campo;
        int numero;
        const char* texto;
    } casos[] = {
        {2, "IMP_MOV", TiposNoCoinciden, "No coinciden los tipos: tblGastosEnc, columna IMP_MOV: 'abc'"},
        {2, "FEC_MOV", TiposNoCoinciden, "columna FEC_MOV: '2024-02-30'"},
        {2, "PLA_PAG", TiposNoCoinciden, "columna PLA_PAG: 'treinta'"},
        {2, "TIP_CAM", TiposNoCoinciden, "columna TIP_CAM: 'NaN'"},
        {3, "FEC_MOV", TiposNoCoinciden, "columna FEC_MOV: 45000"},
        {3, "IMP_MOV", Desbordamiento, "Desbordamiento: tblGastosEnc, columna IMP_MOV: Inf"},
        {3, "TIP_CAM", Desbordamiento, "columna TIP_CAM: -Inf"},
        {4, "IMP_MOV", Desbordamiento, "columna IMP_MOV: 1.0e+30"},  // stored as a real: beyond Currency
        {4, "SAL_MOV", TiposNoCoinciden, "columna SAL_MOV: 2 bytes binarios"},
    };
    for (const auto& c : casos) {
        const auto [numero, texto] =
            error(QStringLiteral("SELECT %1 FROM tblGastosEnc WHERE NUM_MOV=%2").arg(c.campo).arg(c.fila), c.campo);
        EXPECT_EQ(numero, c.numero) << c.campo << " " << c.fila;
        EXPECT_TRUE(texto.contains(QString::fromUtf8(c.texto))) << texto.toStdString();
    }
    // Through an alias the column is still named by its table's name for it.
    EXPECT_EQ(error("SELECT IMP_MOV AS IMPORTE FROM tblGastosEnc WHERE NUM_MOV=2", "IMPORTE").second,
              "No coinciden los tipos: tblGastosEnc, columna IMP_MOV: 'abc'");

    // A sum stops at the first value it cannot add; a sum of good values is what it was.
    EXPECT_EQ(error("SELECT SUM(IMP_MOV) AS S FROM tblGastosEnc", "S"),
              std::make_pair(int(TiposNoCoinciden), QStringLiteral("No coinciden los tipos: columna IMP_MOV: 'abc'")));
    EXPECT_EQ(error("SELECT TOTAL(g.IMP_MOV) AS S FROM tblGastosEnc g WHERE NUM_MOV<>2", "S"),
              std::make_pair(int(Desbordamiento), QStringLiteral("Desbordamiento: columna g.IMP_MOV: Inf")));
    auto rs = con.Execute("SELECT SUM(IMP_MOV) AS S, AVG(SAL_MOV) AS M, COUNT(IMP_MOV) AS N FROM tblGastosEnc WHERE NUM_MOV<=1");
    EXPECT_EQ(rs.Fields("S").Value(), vb::Variant(vb::Currency::DesdeDiezmilesimos(105000)));
    EXPECT_EQ(rs.Fields("M").Value(), vb::Variant(vb::Currency::DesdeEntero(1)));
    // Text that reads as a number is added as the number, as SQLite adds it.
    rs = con.Execute("SELECT SUM(SAL_MOV) AS S FROM tblGastosEnc WHERE NUM_MOV IN (1, 3)");
    EXPECT_EQ(rs.Fields("S").Value(), vb::Variant(vb::Currency::DesdeDiezmilesimos(135000)));

    // Good values of the same rows still read, the fraction of a second is below a Date, and the
    // connection goes on after each error.
    rs = con.Execute("SELECT NUM_MOV, COD_ACRE, FEC_MOV FROM tblGastosEnc WHERE NUM_MOV IN (1, 2) ORDER BY NUM_MOV");
    EXPECT_EQ(rs.Fields("FEC_MOV").Value(), vb::Variant(vb::Fecha{QDate(2024, 1, 1), QTime(10, 0)}));
    rs.MoveNext();
    EXPECT_EQ(rs.Fields("COD_ACRE").Value(), vb::Variant("B02"));
    // A whole number stored in a column declared INTEGER as a real stays the number it is.
    rs = con.Execute("SELECT PLA_PAG FROM tblGastosEnc WHERE NUM_MOV=4");
    EXPECT_EQ(rs.Fields("PLA_PAG").Value(), vb::Variant(1.5));
}

// Amounts stored as binary reals add up to the cent however many there are (the engine's own sum
// of these is 6.73 short); whole numbers still sum to a whole number, and nothing to a Null.
TEST_F(Sqlite, UnaSumaDeImportesEsExacta) {
    const QString filas =
        QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i+1 FROM n WHERE i<100000) ");
    auto rs = con.Execute(filas + "SELECT SUM(98765432.17) AS S, SUM(-0.01) AS C, SUM(3) AS E, SUM(NULL) AS V FROM n");
    EXPECT_EQ(rs.Fields("S").Value().CCur(), vb::Currency::DesdeDiezmilesimos(98765432170000000));
    EXPECT_EQ(rs.Fields("C").Value().CCur(), vb::Currency::DesdeEntero(-1000));
    EXPECT_EQ(rs.Fields("E").Value().CCur(), vb::Currency::DesdeEntero(300000));
    EXPECT_TRUE(rs.Fields("V").Value().IsNull());
    rs = con.Execute(filas + "SELECT typeof(SUM(i)) AS T, SUM(DISTINCT i % 3) AS D FROM n");
    EXPECT_EQ(rs.Fields("T").Value().CStr(), "integer");
    EXPECT_EQ(rs.Fields("D").Value().CLng(), 3);
    EXPECT_NE(NumeroDeError([&] { con.Execute("SELECT SUM(9223372036854775807) AS S FROM (SELECT 1 UNION ALL SELECT 2)"); }), 0);
}

TEST(ReescribeSumas, SoloLasSumasDeUnaColumna) {
    using ado::detalle::ReescribeSumas;
    EXPECT_EQ(ReescribeSumas("SELECT sum( g.IMP_MOV ) AS A, TOTAL(X) FROM T g"),
              "SELECT sum( compruebanumero(g.IMP_MOV,'g.IMP_MOV') ) AS A, TOTAL(compruebanumero(X,'X')) FROM T g");
    for (const char* igual : {"SELECT SUM(DISTINCT X) FROM T", "SELECT SUM(A+B) FROM T", "SELECT SUM(1) FROM T",
                              "SELECT 'SUM(X)', COUNT(X), MAX(X) FROM T -- SUM(Y)", "SELECT SUM(\"X\") FROM T"})
        EXPECT_EQ(ReescribeSumas(igual), igual);
}

TEST_F(Sqlite, ConexionAbreYCierraComoLaUsaElComponente) {
    ado::Connection otra;
    otra.ConnectionString(base.Cadena());
    otra.Open("", "", "", -1);  // the property governs
    EXPECT_EQ(otra.State(), 1);
    EXPECT_EQ(NumeroDeError([&] { otra.Open(); }), ado::errores::ObjetoAbierto);
    auto rs = otra.Execute("SELECT NUM_MOV FROM tblGastosEnc");
    otra.Close();
    EXPECT_EQ(rs.State(), 0);  // closing the connection closes its recordsets
    EXPECT_EQ(NumeroDeError([&] { rs.MoveNext(); }), vb::errores::OperacionNoPermitida);
    EXPECT_EQ(NumeroDeError([&] { otra.Execute("SELECT 1"); }), ado::errores::ConexionNoValida);
    EXPECT_EQ(NumeroDeError([&] { otra.Close(); }), vb::errores::OperacionNoPermitida);

    ado::Connection mala;
    EXPECT_EQ(NumeroDeError([&] { mala.Open("Provider=SQLite;Data Source=" + base.Ruta() + ".no"); }),
              vb::errores::ErrorProveedor);
    EXPECT_EQ(mala.State(), 0);
    try {
        con.Execute("SELECT * FROM tblNoExiste");
        FAIL();
    } catch (const vb::ErrorEjecucion& e) {
        EXPECT_EQ(e.numero(), vb::errores::ErrorProveedor);
        EXPECT_TRUE(e.descripcion().contains(QStringLiteral("tblNoExiste"))) << e.descripcion().toStdString();
    }
}

TEST_F(Sqlite, NingunaInstruccionPuedeEscribir) {
    const QByteArray antes = base.Contenido();
    for (const char* sql : {
             "INSERT INTO tblGastosEnc (NUM_MOV) VALUES (99)",
             "UPDATE tblGastosEnc SET SAL_MOV = 0",
             "DELETE FROM tblGastosEnc",
             "DROP TABLE tblGastosEnc",
             "CREATE TABLE t (x)",
             "PRAGMA query_only=0",
             "ATTACH DATABASE 'otra.db' AS otra",
             "BEGIN",
             "SELECT NUM_MOV FROM tblGastosEnc WHERE COD_ACRE='x'; DELETE FROM tblGastosEnc; --'",
             "SELECT 1; SELECT 2",
         }) {
        EXPECT_NE(NumeroDeError([&] { con.Execute(sql); }), 0) << sql;
    }
    EXPECT_EQ(NumeroDeError([&] { con.Execute("DELETE FROM tblGastosEnc"); }), vb::errores::OperacionNoPermitida);
    EXPECT_EQ(Numeros("SELECT NUM_MOV FROM tblGastosEnc ORDER BY NUM_MOV").size(), 6u);
    // Trailing semicolons and comments are still one statement.
    EXPECT_EQ(Numeros("SELECT NUM_MOV FROM tblGastosEnc WHERE NUM_MOV=1; ; -- fin\n/* nada */").size(), 1u);
    con.Close();
    EXPECT_EQ(base.Contenido(), antes);
}

TEST_F(Sqlite, ValoresDelUsuarioPasanPorComillas) {
    const auto consulta = [&](const QString& codigo) {
        return Numeros("SELECT NUM_MOV FROM tblGastosEnc WHERE COD_ACRE='" + ado::Comillas(codigo) + "' ORDER BY NUM_MOV");
    };
    EXPECT_TRUE(consulta("x' OR '1'='1").empty());
    EXPECT_TRUE(consulta("x'; DELETE FROM tblGastosEnc; --").empty());
    EXPECT_EQ(consulta("O'B1"), std::vector<int>{4});
    EXPECT_EQ(Numeros("SELECT NUM_MOV FROM tblGastosEnc").size(), 6u);
}

TEST_F(Sqlite, FechaMasDiasComparadaConUnaFecha) {
    // Due dates: 1 -> 2024-01-31, 2 -> 2024-01-30, 3 -> 2024-03-01 (leap February),
    // 4 -> 2024-01-31 (across the year), 5 -> none, 6 -> 2024-01-31 (no term).
    const QString hasta = "SELECT NUM_MOV FROM tblGastosEnc WHERE ((FEC_MOV + PLA_PAG)<='2024-01-31') ORDER BY NUM_MOV";
    EXPECT_EQ(Numeros(hasta), (std::vector<int>{1, 2, 4, 6}));
    EXPECT_EQ(Numeros("SELECT NUM_MOV FROM tblGastosEnc WHERE ((FEC_MOV + PLA_PAG)>'2024-01-31')"), std::vector<int>{3});
    EXPECT_EQ(Numeros("SELECT NUM_MOV FROM tblGastosEnc g WHERE ((g.FEC_MOV+g.PLA_PAG) = '2024-03-01')"),
              std::vector<int>{3});
    EXPECT_EQ(Numeros("SELECT NUM_MOV FROM tblGastosEnc WHERE ((tblGastosEnc.FEC_MOV + 29)='2024-03-10')"),
              std::vector<int>{3});

    // Only that shape is rewritten: numbers still add, quoted text stays as written.
    auto rs = con.Execute("SELECT (NUM_MOV + PLA_PAG) AS S, '(FEC_MOV + PLA_PAG)' AS T FROM tblGastosEnc WHERE NUM_MOV=1");
    EXPECT_EQ(rs.Fields("S").Value().CLng(), 31);
    EXPECT_EQ(rs.Fields("T").Value(), vb::Variant("(FEC_MOV + PLA_PAG)"));
}

// Queries that differ only in a compared value share one prepared statement; what they return
// must be what each returns written out, on a connection that has seen none of the others.
TEST_F(Sqlite, ConsultasDeUnaFormaDanLoQueDanEscritas) {
    const QStringList consultas = {
        "SELECT NUM_MOV FROM tblGastosEnc WHERE COD_ACRE='A01' ORDER BY NUM_MOV",
        "SELECT NUM_MOV FROM tblGastosEnc WHERE COD_ACRE='O''B1' ORDER BY NUM_MOV",
        "SELECT NUM_MOV FROM tblGastosEnc WHERE COD_ACRE='' ORDER BY NUM_MOV",
        // The same shape with a number, text that looks like one, NULL: each keeps its meaning.
        "SELECT NUM_MOV FROM tblGastosEnc WHERE PLA_PAG=30 ORDER BY NUM_MOV",
        "SELECT NUM_MOV FROM tblGastosEnc WHERE PLA_PAG='30' ORDER BY NUM_MOV",
        "SELECT NUM_MOV FROM tblGastosEnc WHERE NOTAS='30' ORDER BY NUM_MOV",
        "SELECT NUM_MOV FROM tblGastosEnc WHERE PLA_PAG=NULL ORDER BY NUM_MOV",
        "SELECT NUM_MOV FROM tblGastosEnc WHERE PLA_PAG>15.5 ORDER BY NUM_MOV",
        "SELECT NUM_MOV FROM tblGastosEnc WHERE FEC_MOV BETWEEN '2024-01-01' AND '2024-01-20' ORDER BY NUM_MOV",
        "SELECT NUM_MOV FROM tblGastosEnc WHERE ((FEC_MOV + PLA_PAG)<='2024-01-31') ORDER BY NUM_MOV",
        "SELECT NUM_MOV FROM tblGastosEnc WHERE ((FEC_MOV + PLA_PAG)<='2024-01-30') ORDER BY NUM_MOV",
        "SELECT NUM_MOV FROM tblGastosEnc WHERE NUM_MOV>1 ORDER BY 1 DESC",
    };
    std::vector<std::vector<int>> escritas;
    for (const QString& sql : consultas) {
        ado::Connection nueva;
        nueva.Open(base.Cadena());
        std::vector<int> r;
        for (auto rs = nueva.Execute(sql); !rs.EOF_(); rs.MoveNext()) r.push_back(rs.Fields("NUM_MOV").Value().CLng());
        escritas.push_back(r);
    }
    for (int vuelta = 0; vuelta < 2; ++vuelta)
        for (qsizetype i = 0; i < consultas.size(); ++i) EXPECT_EQ(Numeros(consultas[i]), escritas[i]) << consultas[i].toStdString();

    // Two of one shape open at once, the inner one read while the outer is half way.
    auto fuera = con.Execute("SELECT NUM_MOV, COD_ACRE FROM tblGastosEnc WHERE COD_ACRE='A01' ORDER BY NUM_MOV");
    auto dentro = con.Execute("SELECT NUM_MOV, COD_ACRE FROM tblGastosEnc WHERE COD_ACRE='A02' ORDER BY NUM_MOV");
    EXPECT_EQ(fuera.Fields("NUM_MOV").Value().CLng(), 1);
    EXPECT_EQ(dentro.Fields("NUM_MOV").Value().CLng(), 5);
    fuera.MoveNext();
    EXPECT_EQ(fuera.Fields("NUM_MOV").Value().CLng(), 2);

    // A value in the select list names its column; the name stays the one written.
    for (const char* valor : {"'x'", "'y'"}) {
        auto rs = con.Execute(QStringLiteral("SELECT NUM_MOV=%1 FROM tblGastosEnc WHERE NUM_MOV=1").arg(valor));
        EXPECT_EQ(rs.Fields(0).Name(), QStringLiteral("NUM_MOV=%1").arg(valor));
    }
}

TEST(FormaSql, SoloSaleLoQueUnParametroRepresentaIgual) {
    using ado::detalle::SeparaValores;
    const auto forma = SeparaValores(u"SELECT X'00', A FROM T WHERE A='o''b' AND B>=-3 AND C<>7 AND D BETWEEN '1' AND '2' "
                                     u"AND E IN(1,5) AND F=1.5 AND G=0x1F AND H = NULL ORDER BY 1 LIMIT 3");
    EXPECT_EQ(forma.sql, QStringLiteral("SELECT X'00', A FROM T WHERE A=? AND B>=-3 AND C<>? AND D BETWEEN ? AND ? "
                                        "AND E IN(1,5) AND F=1.5 AND G=0x1F AND H = NULL ORDER BY 1 LIMIT 3"));
    ASSERT_EQ(forma.valores.size(), 4u);
    EXPECT_EQ(forma.valores[0].texto, QStringLiteral("o'b"));
    EXPECT_TRUE(forma.valores[1].entero);
    EXPECT_EQ(forma.valores[1].numero, 7);
    // A text and a number in the same place are different shapes.
    EXPECT_NE(SeparaValores(u"SELECT 1 FROM T WHERE A=5").clave, SeparaValores(u"SELECT 1 FROM T WHERE A='5'").clave);
    EXPECT_EQ(SeparaValores(u"SELECT 1 FROM T WHERE A='x'").clave, SeparaValores(u"SELECT 1 FROM T WHERE A='y'").clave);
    // Each server's own quoting: PostgreSQL's escape and dollar strings and MySQL's # comments
    // are read as those servers read them, and stay in the text.
    using ado::detalle::Dialecto;
    EXPECT_EQ(SeparaValores(u"SELECT 1 FROM T WHERE A=E'a\\'' AND B=$q$'$q$ AND C='c'", Dialecto::Postgres).sql,
              u"SELECT 1 FROM T WHERE A=E'a\\'' AND B=$q$'$q$ AND C=?");
    EXPECT_EQ(SeparaValores(u"SELECT 1 FROM T WHERE A='a' # B='b'\n AND C=1", Dialecto::MySql).sql,
              u"SELECT 1 FROM T WHERE A=? # B='b'\n AND C=?");
}

// A run reads one snapshot: what the host writes meanwhile shows only after it ends.
TEST_F(Sqlite, UnaLecturaVeUnaSolaFotoDeLosDatos) {
    sqlite3* escritor = nullptr;
    ASSERT_EQ(sqlite3_open(base.Ruta().toUtf8().constData(), &escritor), SQLITE_OK);
    const auto escribe = [&](const char* sql) { return sqlite3_exec(escritor, sql, nullptr, nullptr, nullptr); };
    ASSERT_EQ(escribe("PRAGMA journal_mode=WAL"), SQLITE_OK);
    con.Close();
    con.Open(base.Cadena());
    const QString todas = "SELECT NUM_MOV FROM tblGastosEnc WHERE NUM_MOV>0 ORDER BY NUM_MOV";

    con.BeginTrans();
    con.BeginTrans();  // a second start keeps the snapshot
    EXPECT_EQ(Numeros(todas).size(), 6u);
    EXPECT_EQ(escribe("INSERT INTO tblGastosEnc (NUM_MOV, COD_ACRE) VALUES (7, 'A03')"), SQLITE_OK);
    EXPECT_EQ(Numeros(todas).size(), 6u);
    auto abierta = con.Execute(todas);  // still being read when the run ends
    con.CommitTrans();
    EXPECT_EQ(abierta.Fields("NUM_MOV").Value().CLng(), 1);
    abierta.Close();
    EXPECT_EQ(Numeros(todas).size(), 7u);
    con.CommitTrans();  // none left: nothing happens
    // The transaction is the session's own: a query still cannot open one.
    EXPECT_NE(NumeroDeError([&] { con.Execute("BEGIN"); }), 0);

    // A read given up closes what it left half read, so the file is free; what was open before stays.
    con.Close();
    ASSERT_EQ(escribe("PRAGMA journal_mode=DELETE"), SQLITE_OK);  // a reader holds the file itself
    con.Open(base.Cadena());
    auto previa = con.Execute(todas);
    previa.MoveNext();
    con.BeginTrans();
    auto aMedias = con.Execute(todas);
    con.RollbackTrans();
    EXPECT_EQ(aMedias.State(), 0);
    EXPECT_EQ(previa.Fields("NUM_MOV").Value().CLng(), 2);
    previa.Close();
    EXPECT_EQ(base.Escribe("DELETE FROM tblGastosEnc WHERE NUM_MOV=7"), SQLITE_OK);
    sqlite3_close(escritor);
    con.Close();
    EXPECT_EQ(NumeroDeError([&] { con.BeginTrans(); }), vb::errores::OperacionNoPermitida);
}

}  // namespace
