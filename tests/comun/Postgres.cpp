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

qsizetype ComparaListados(const QByteArray& deSqlite, const QByteArray& deServidor, const char* forma,
                          const char* servidor) {
    EXPECT_FALSE(deSqlite.isEmpty()) << forma;
    const QList<QByteArray> a = deSqlite.split('\n'), b = deServidor.split('\n');
    qsizetype i = 0;
    while (i < std::max(a.size(), b.size()) && a.value(i) == b.value(i)) ++i;
    EXPECT_EQ(a.value(i).toStdString(), b.value(i).toStdString()) << forma << " en " << servidor << ", línea " << i + 1;
    return a.size();
}

std::vector<const char*> Servidores() {
    std::vector<const char*> r{"ZR_PG_CONEXION"};
    if (!qEnvironmentVariableIsEmpty("ZR_MARIADB_CONEXION"))
        r.push_back("ZR_MARIADB_CONEXION");
    else if (qEnvironmentVariable("ZR_REQUIERE_MARIADB") == u"1")
        ADD_FAILURE() << "ZR_MARIADB_CONEXION no está definida (ZR_REQUIERE_MARIADB=1)";
    return r;
}
