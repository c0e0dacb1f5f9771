#include "Postgres.h"

#include "vb/ErrorEjecucion.h"

#include <QtGlobal>

void ConPostgres::Conecta(const char* variable, ado::Connection& con) {
    const bool exigido = qEnvironmentVariable("ZR_REQUIERE_PG") == u"1";
    const QString cadena = qEnvironmentVariable(variable);
    QString problema;
    if (cadena.isEmpty()) {
        problema = QStringLiteral("%1 no está definida").arg(QLatin1StringView(variable));
    } else {
        try {
            con.Open(cadena);
            return;
        } catch (const vb::ErrorEjecucion& e) {
            problema = QStringLiteral("%1 no conecta: %2").arg(QLatin1StringView(variable), e.descripcion());
        }
    }
    if (exigido) FAIL() << problema.toStdString() << " (ZR_REQUIERE_PG=1)";
    GTEST_SKIP() << problema.toStdString();
}

void ConPostgres::SetUp() { Conecta("ZR_PG_CONEXION", pg); }

qsizetype ComparaListados(const QByteArray& deSqlite, const QByteArray& dePostgres, const char* forma) {
    EXPECT_FALSE(deSqlite.isEmpty()) << forma;
    const QList<QByteArray> a = deSqlite.split('\n'), b = dePostgres.split('\n');
    qsizetype i = 0;
    while (i < std::max(a.size(), b.size()) && a.value(i) == b.value(i)) ++i;
    EXPECT_EQ(a.value(i).toStdString(), b.value(i).toStdString()) << forma << ", línea " << i + 1;
    return a.size();
}
