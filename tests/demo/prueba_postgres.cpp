// The PostgreSQL script carries exactly the rows of the SQLite database, and loads.
#include "AyudaDemo.h"

#include "demo/DestinoPostgres.h"
#include "demo/Esquema.h"

#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct Copia {
    QStringList columnas;
    QList<QByteArray> lineas;
};

QHash<QString, Copia> CopiasDelScript(const QString& archivo) {
    QFile f(archivo);
    if (!f.open(QIODevice::ReadOnly)) throw std::runtime_error("falta el script");
    QHash<QString, Copia> r;
    const QRegularExpression copy(QStringLiteral("^COPY (\\w+) \\((.*)\\) FROM stdin;$"));
    Copia* actual = nullptr;
    while (!f.atEnd()) {
        QByteArray linea = f.readLine();
        linea.chop(1);
        if (actual) {
            if (linea == "\\.") actual = nullptr;
            else actual->lineas << linea;
        } else if (const auto m = copy.match(QString::fromUtf8(linea)); m.hasMatch()) {
            actual = &r[m.captured(1)];
            actual->columnas = m.captured(2).split(QStringLiteral(", "));
        }
    }
    return r;
}

Celda Desescapa(const QByteArray& campo) {
    if (campo == "\\N") return std::nullopt;
    QByteArray r;
    for (qsizetype i = 0; i < campo.size(); ++i) {
        if (campo[i] != '\\' || i + 1 == campo.size()) { r += campo[i]; continue; }
        const char c = campo[++i];
        r += c == 't' ? '\t' : c == 'n' ? '\n' : c == 'r' ? '\r' : c;
    }
    return QString::fromUtf8(r);
}

bool Iguales(const Celda& pg, const Celda& sqlite, demo::Tipo tipo) {
    if (!pg || !sqlite) return pg.has_value() == sqlite.has_value();
    switch (tipo) {
    case demo::Tipo::Dinero:
    case demo::Tipo::Doble: return pg->toDouble() == sqlite->toDouble();
    case demo::Tipo::Logico: return (*pg == u"t") == (*sqlite == u"1");
    default: return *pg == *sqlite;
    }
}

// psql against a libpq connection, in `esquema` when one is given.
struct Salida {
    bool bien;
    QString salida, errores;
};
Salida Psql(const QString& conexion, const QStringList& args, const QString& esquema = {}) {
    QProcess p;
    if (!esquema.isEmpty()) {
        auto entorno = QProcessEnvironment::systemEnvironment();
        entorno.insert(QStringLiteral("PGOPTIONS"), QStringLiteral("-c search_path=") + esquema);
        p.setProcessEnvironment(entorno);
    }
    p.start(QStringLiteral("psql"), QStringList{QStringLiteral("-X"), QStringLiteral("-q"), QStringLiteral("-tA"),
                                                QStringLiteral("-d"), conexion} + args);
    const bool bien = p.waitForFinished(120'000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
    return {bien, QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
}

// libpq parameters from the ODBC string the tests of the component use.
QString DesdeOdbc(const QString& odbc) {
    QHash<QString, QString> p;
    for (const QString& par : odbc.split(u';', Qt::SkipEmptyParts))
        p.insert(par.section(u'=', 0, 0).trimmed().toLower(), par.section(u'=', 1).trimmed());
    return QStringLiteral("host=%1 port=%2 dbname=%3 user=%4 password=%5")
        .arg(p.value(QStringLiteral("server")), p.value(QStringLiteral("port"), QStringLiteral("5432")),
             p.value(QStringLiteral("database")), p.value(QStringLiteral("uid")), p.value(QStringLiteral("pwd")));
}

}  // namespace

TEST(ScriptPostgres, CampoCopyEscapaLoQueRompeUnaFila) {
    EXPECT_EQ(demo::CampoCopy(demo::Nulo), QByteArray("\\N"));
    EXPECT_EQ(demo::CampoCopy(QStringLiteral("a\tb\\c\nd\re")), QByteArray("a\\tb\\\\c\\nd\\re"));
    EXPECT_EQ(demo::CampoCopy(QStringLiteral("\\N")), QByteArray("\\\\N"));  // the text, not NULL
    EXPECT_EQ(demo::CampoCopy(QString()), QByteArray());                     // empty text, not NULL
    EXPECT_EQ(demo::CampoCopy(QStringLiteral("Peña")), QStringLiteral("Peña").toUtf8());
    EXPECT_EQ(demo::CampoCopy(demo::Dinero{-12'345'6789}), QByteArray("-12345.6789"));
    EXPECT_EQ(demo::CampoCopy(demo::Dinero{50'000}), QByteArray("5"));
    EXPECT_EQ(demo::CampoCopy(demo::Doble{106'667}), QByteArray("10.6667"));
    EXPECT_EQ(demo::CampoCopy(QDate(2024, 2, 29)), QByteArray("2024-02-29"));
    EXPECT_EQ(demo::CampoCopy(false), QByteArray("f"));
}

TEST(ScriptPostgres, TraeLasMismasFilasQueLaBaseSqlite) {
    const QHash<QString, Copia> copias = CopiasDelScript(ScriptEscala1());
    const demo::Esquema& e = demo::Esquema::DelSistema();
    ASSERT_EQ(copias.size(), static_cast<qsizetype>(e.tablas().size()));
    for (const demo::Tabla& t : e.tablas()) {
        const Copia& c = copias.value(t.nombre);
        const Filas filas = Consulta(DemoEscala1(), QStringLiteral("SELECT %1 FROM %2 ORDER BY rowid").arg(c.columnas.join(u','), t.nombre));
        ASSERT_EQ(filas.size(), static_cast<size_t>(c.lineas.size())) << t.nombre.toStdString();
        for (size_t i = 0; i < filas.size(); ++i) {
            const QList<QByteArray> campos = c.lineas[static_cast<qsizetype>(i)].split('\t');
            ASSERT_EQ(campos.size(), c.columnas.size()) << t.nombre.toStdString() << " fila " << i;
            for (qsizetype k = 0; k < campos.size(); ++k) {
                const Celda pg = Desescapa(campos[k]);
                EXPECT_TRUE(Iguales(pg, filas[i][static_cast<size_t>(k)], t.columnas[t.Posicion(c.columnas[k])].tipo))
                    << t.nombre.toStdString() << '.' << c.columnas[k].toStdString() << " fila " << i << ": "
                    << pg.value_or(QStringLiteral("NULL")).toStdString() << " / "
                    << filas[i][static_cast<size_t>(k)].value_or(QStringLiteral("NULL")).toStdString();
            }
        }
    }
}

// With ZR_PG_ADMIN (a libpq connection of the owner role) the script is loaded into a schema of its
// own; otherwise, with ZR_PG_CONEXION, the demo that CI loaded is read as it is. Either way every
// query of the component must run there and find what it finds on SQLite.
TEST(ScriptPostgres, CargaEnPostgresYLasConsultasDelComponenteCorren) {
    const QString admin = qEnvironmentVariable("ZR_PG_ADMIN"), lector = qEnvironmentVariable("ZR_PG_CONEXION");
    if (admin.isEmpty() && lector.isEmpty()) {
        if (qEnvironmentVariable("ZR_REQUIERE_PG") == u"1") FAIL() << "ZR_REQUIERE_PG=1 sin ZR_PG_ADMIN ni ZR_PG_CONEXION";
        GTEST_SKIP() << "sin PostgreSQL: defina ZR_PG_ADMIN o ZR_PG_CONEXION";
    }
    const QString conexion = admin.isEmpty() ? DesdeOdbc(lector) : admin;
    QString esquema;
    if (!admin.isEmpty()) {
        esquema = QStringLiteral("zr_prueba_demo_%1").arg(QCoreApplication::applicationPid());
        const Salida creado = Psql(conexion, {QStringLiteral("-c"), QStringLiteral("DROP SCHEMA IF EXISTS %1 CASCADE; CREATE SCHEMA %1").arg(esquema)});
        ASSERT_TRUE(creado.bien) << creado.errores.toStdString();
        const Salida cargado = Psql(conexion, {QStringLiteral("-v"), QStringLiteral("ON_ERROR_STOP=1"), QStringLiteral("-f"), ScriptEscala1()}, esquema);
        ASSERT_TRUE(cargado.bien) << cargado.errores.toStdString();
    }
    // Row counts, all in one statement.
    QStringList partes;
    for (const demo::Tabla& t : demo::Esquema::DelSistema().tablas())
        partes << QStringLiteral("SELECT '%1', COUNT(*) FROM %1").arg(t.nombre);
    const Salida cuentas = Psql(conexion, {QStringLiteral("-c"), partes.join(QStringLiteral(" UNION ALL "))}, esquema);
    ASSERT_TRUE(cuentas.bien) << cuentas.errores.toStdString();
    for (const QString& linea : cuentas.salida.split(u'\n', Qt::SkipEmptyParts)) {
        const QString tabla = linea.section(u'|', 0, 0);
        EXPECT_EQ(linea.section(u'|', 1).toLongLong(), Cuenta(DemoEscala1(), QStringLiteral("SELECT COUNT(*) FROM ") + tabla))
            << tabla.toStdString();
    }
    // Every query in one psql run: a marker before each, errors told apart by their line.
    const auto consultas = ConsultasDelSistema();
    QTemporaryDir dir;
    QFile guion(dir.filePath(QStringLiteral("consultas.sql")));
    ASSERT_TRUE(guion.open(QIODevice::WriteOnly));
    for (size_t i = 0; i < consultas.size(); ++i) {
        const QString sql = consultas[i].sql.trimmed();
        guion.write(QStringLiteral("\\echo @@%1\n%2%3\n").arg(i).arg(sql, sql.endsWith(u';') ? QString() : QStringLiteral(";")).toUtf8());
    }
    guion.close();
    const Salida corrida = Psql(conexion, {QStringLiteral("-f"), guion.fileName()}, esquema);
    EXPECT_TRUE(corrida.bien) << corrida.errores.toStdString();
    const QRegularExpression fallo(QStringLiteral(":(\\d+): ERROR:(.*)$"));
    for (const QString& linea : corrida.errores.split(u'\n')) {
        if (const auto m = fallo.match(linea); m.hasMatch())
            ADD_FAILURE() << m.captured(2).toStdString() << " en: " << consultas[(m.captured(1).toInt() - 2) / 2].sql.toStdString();
    }
    std::vector<int> filas(consultas.size(), 0);
    int actual = -1;
    QStringList lineas = corrida.salida.split(u'\n');
    if (!lineas.isEmpty() && lineas.last().isEmpty()) lineas.removeLast();
    for (const QString& linea : lineas) {  // a row of one NULL prints as an empty line
        if (linea.startsWith(QStringLiteral("@@"))) actual = linea.mid(2).toInt();
        else if (actual >= 0) ++filas[static_cast<size_t>(actual)];
    }
    for (size_t i = 0; i < consultas.size(); ++i) {
        if (consultas[i].conFilas) {
            EXPECT_GT(filas[i], 0) << "sin filas: " << consultas[i].sql.toStdString();
        }
    }
    if (!esquema.isEmpty()) {
        const Salida borrado = Psql(conexion, {QStringLiteral("-c"), QStringLiteral("DROP SCHEMA %1 CASCADE").arg(esquema)});
        EXPECT_TRUE(borrado.bien) << borrado.errores.toStdString();
    }
}
