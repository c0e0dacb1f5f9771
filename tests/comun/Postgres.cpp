#include "Postgres.h"

#include "vb/ErrorEjecucion.h"

#include <QtGlobal>
#include <sql.h>
#include <sqlext.h>
#include <sqlucode.h>

void ConPostgres::Conecta(const char* variable, ado::Connection& con, const char* exigencia) {
    const bool exigido = qEnvironmentVariable(exigencia) == u"1";
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
    if (exigido) FAIL() << problema.toStdString() << " (" << exigencia << "=1)";
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

namespace {

QString Diagnostico(SQLSMALLINT tipo, SQLHANDLE h) {
    SQLWCHAR estado[6], texto[1024];
    SQLINTEGER nativo = 0;
    SQLSMALLINT largo = 0;
    if (!SQL_SUCCEEDED(SQLGetDiagRecW(tipo, h, 1, estado, &nativo, texto, 1024, &largo)))
        return QStringLiteral("error sin diagnóstico");
    return QString::fromUtf16(reinterpret_cast<const char16_t*>(texto), std::min<qsizetype>(largo, 1023));
}

}  // namespace

EscritorOdbc::EscritorOdbc(QString cadena) {
    cadena.replace(QStringLiteral("zr_lector"), QStringLiteral("zr_dueno"));
    SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &env_);
    SQLSetEnvAttr(env_, SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0);
    SQLAllocHandle(SQL_HANDLE_DBC, env_, &dbc_);
    const SQLRETURN rc = SQLDriverConnectW(dbc_, nullptr, reinterpret_cast<SQLWCHAR*>(cadena.data()),
                                           SQLSMALLINT(cadena.size()), nullptr, 0, nullptr, SQL_DRIVER_NOPROMPT);
    if (!SQL_SUCCEEDED(rc)) {
        error_ = Diagnostico(SQL_HANDLE_DBC, dbc_);
        SQLFreeHandle(SQL_HANDLE_DBC, dbc_);
        dbc_ = nullptr;
    }
}

EscritorOdbc::~EscritorOdbc() {
    if (dbc_) {
        SQLDisconnect(dbc_);
        SQLFreeHandle(SQL_HANDLE_DBC, dbc_);
    }
    SQLFreeHandle(SQL_HANDLE_ENV, env_);
}

QString EscritorOdbc::Ejecuta(const QString& sql) {
    if (!dbc_) return error_;
    SQLHSTMT st = nullptr;
    SQLAllocHandle(SQL_HANDLE_STMT, dbc_, &st);
    QString texto = sql;
    const SQLRETURN rc = SQLExecDirectW(st, reinterpret_cast<SQLWCHAR*>(texto.data()), SQLINTEGER(texto.size()));
    const QString r = SQL_SUCCEEDED(rc) || rc == SQL_NO_DATA ? QString() : Diagnostico(SQL_HANDLE_STMT, st);
    SQLFreeHandle(SQL_HANDLE_STMT, st);
    return r;
}
