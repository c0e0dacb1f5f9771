// The PostgreSQL script carries exactly the rows of the SQLite database.
#include "AyudaDemo.h"

#include "demo/Esquema.h"

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

// psql against a libpq connection.
struct Salida {
    bool bien;
    QString salida, errores;
};
Salida Psql(const QString& conexion, const QStringList& args) {
    QProcess p;
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

// The demo CI loaded into PostgreSQL, read through the read-only role: every query of the component
// must run there and find what it finds on SQLite.
TEST(ScriptPostgres, LasConsultasDelComponenteCorrenEnPostgres) {
    const QString lector = qEnvironmentVariable("ZR_PG_CONEXION");
    if (lector.isEmpty()) {
        if (qEnvironmentVariable("ZR_REQUIERE_PG") == u"1") FAIL() << "ZR_REQUIERE_PG=1 sin ZR_PG_CONEXION";
        GTEST_SKIP() << "sin PostgreSQL: defina ZR_PG_CONEXION";
    }
    const QString conexion = DesdeOdbc(lector);
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
    const Salida corrida = Psql(conexion, {QStringLiteral("-f"), guion.fileName()});
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
}
