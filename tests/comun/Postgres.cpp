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
