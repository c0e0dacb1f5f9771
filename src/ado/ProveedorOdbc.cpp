#include "ado/ProveedorOdbc.h"

#include "ado/ColumnasOdbc.h"
#include "ado/Errores.h"
#include "ado/Lexico.h"
#include "ado/OdbcComun.h"
#include "ado/SumaFechas.h"

#include <sqlext.h>

#include <algorithm>
#include <iterator>
#include <optional>

// Sessions are read-only three ways: the driver's access mode, the server's own read-only
// session where the engine has one, and only single SELECT statements are sent at all.

namespace ado::detalle {
namespace {

class CursorOdbc final : public Cursor {
public:
    CursorOdbc(std::shared_ptr<Sesion> s, SQLHSTMT st, QString sql)
        : Cursor(std::move(s)), st_(st), sql_(std::move(sql)) {
        SQLSMALLINT n = 0;
        Verifica(SQLNumResultCols(st_, &n), SQL_HANDLE_STMT, st_);
        columnas_.reserve(n);
        for (SQLUSMALLINT i = 1; i <= SQLUSMALLINT(n); ++i) columnas_.push_back(DescribeColumna(st_, i));
        valores_.resize(n);
    }
    ~CursorOdbc() override {
        if (Vivo()) Libera();
    }

    int NumCampos() const override { return int(columnas_.size()); }
    const QString& NombreCampo(int i) const override { return columnas_[i].nombre; }
    int TipoCampo(int i) const override { return columnas_[i].tipoAdo; }

    bool Avanza() override {
        const SQLRETURN rc = SQLFetch(st_);
        if (rc == SQL_NO_DATA) return false;
        Verifica(rc, SQL_HANDLE_STMT, st_);
        // Drivers need columns read in order, so the whole row is read at once.
        for (size_t i = 0; i < columnas_.size(); ++i)
            valores_[i] = LeeValor(st_, SQLUSMALLINT(i + 1), columnas_[i].lectura);
        return true;
    }

    vb::Variant Valor(int i) override { return valores_[i]; }

    void Reinicia() override {
        SQLFreeStmt(st_, SQL_CLOSE);
        Verifica(SQLExecDirectW(st_, const_cast<SQLWCHAR*>(Ancho(sql_)), SQLINTEGER(sql_.size())), SQL_HANDLE_STMT, st_);
    }

protected:
    void Libera() override {
        SQLFreeHandle(SQL_HANDLE_STMT, st_);
        st_ = nullptr;
    }

private:
    SQLHSTMT st_;
    QString sql_;
    std::vector<Columna> columnas_;
    std::vector<vb::Variant> valores_;
};

class SesionOdbc final : public Sesion {
public:
    ~SesionOdbc() override {
        if (env_) Desconecta();
    }

    void Conecta(const QString& cadena) {
        Verifica(SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &env_), SQL_HANDLE_ENV, env_);
        Verifica(SQLSetEnvAttr(env_, SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0),
                 SQL_HANDLE_ENV, env_);
        Verifica(SQLAllocHandle(SQL_HANDLE_DBC, env_, &dbc_), SQL_HANDLE_ENV, env_);
        SQLSetConnectAttrW(dbc_, SQL_ATTR_ACCESS_MODE, reinterpret_cast<SQLPOINTER>(SQL_MODE_READ_ONLY), 0);
        SQLSetConnectAttrW(dbc_, SQL_ATTR_LOGIN_TIMEOUT, reinterpret_cast<SQLPOINTER>(SQLULEN(15)), 0);
        SQLWCHAR salida[1024];
        SQLSMALLINT largo = 0;
        Verifica(SQLDriverConnectW(dbc_, nullptr, const_cast<SQLWCHAR*>(Ancho(cadena)), SQLSMALLINT(cadena.size()),
                                   salida, SQLSMALLINT(std::size(salida)), &largo, SQL_DRIVER_NOPROMPT),
                 SQL_HANDLE_DBC, dbc_);
        conectada_ = true;
        PreparaSesion();
    }

    std::unique_ptr<Cursor> Ejecuta(const QString& sql) override {
        if (const QString motivo = MotivoRechazo(sql, dialecto_); !motivo.isEmpty()) LanzaRechazo(motivo);
        return Abre(dialecto_ == Dialecto::MySql ? ConSumaDeDias(sql) : sql);
    }

    // One snapshot for every query up to CierraInstantanea. The statements that open it are
    // the provider's own: PostgreSQL's transaction starts with the first statement once
    // autocommit is off; MySQL and MariaDB take an explicit read-only one. Other engines read
    // each query on its own.
    void AbreInstantanea() override {
        if (dialecto_ == Dialecto::Estandar) return;
        Verifica(SQLSetConnectAttrW(dbc_, SQL_ATTR_AUTOCOMMIT, reinterpret_cast<SQLPOINTER>(SQL_AUTOCOMMIT_OFF), 0),
                 SQL_HANDLE_DBC, dbc_);
        try {
            OrdenesDeLectura();
        } catch (...) {
            CierraInstantanea();
            throw;
        }
    }

    // Nothing was written, so the transaction is rolled back; a failure here leaves nothing to undo.
    void CierraInstantanea() override {
        if (dialecto_ == Dialecto::Estandar) return;
        SQLEndTran(SQL_HANDLE_DBC, dbc_, SQL_ROLLBACK);
        SQLSetConnectAttrW(dbc_, SQL_ATTR_AUTOCOMMIT, reinterpret_cast<SQLPOINTER>(SQL_AUTOCOMMIT_ON), 0);
    }

protected:
    void Desconecta() override {
        if (conectada_) SQLDisconnect(dbc_);
        conectada_ = false;
        if (dbc_) SQLFreeHandle(SQL_HANDLE_DBC, dbc_);
        if (env_) SQLFreeHandle(SQL_HANDLE_ENV, env_);
        dbc_ = nullptr;
        env_ = nullptr;
    }

private:
    std::unique_ptr<Cursor> Abre(const QString& sql) {
        SQLHSTMT st = Sentencia();
        const SQLRETURN rc = SQLExecDirectW(st, const_cast<SQLWCHAR*>(Ancho(sql)), SQLINTEGER(sql.size()));
        if (!SQL_SUCCEEDED(rc) && rc != SQL_NO_DATA) {
            const QString mensaje = Diagnostico(SQL_HANDLE_STMT, st);
            SQLFreeHandle(SQL_HANDLE_STMT, st);
            LanzaProveedor(mensaje);
        }
        try {
            return std::make_unique<CursorOdbc>(shared_from_this(), st, sql);
        } catch (...) {
            SQLFreeHandle(SQL_HANDLE_STMT, st);
            throw;
        }
    }

    // MySQL and MariaDB take a date plus a number as the number YYYYMMDD plus it; which columns
    // hold dates is read from the server's catalog the first time a query adds anything.
    QString ConSumaDeDias(const QString& sql) {
        if (!sql.contains(u'+')) return sql;
        if (!fechas_) {
            ColumnasFecha f;
            auto rs = Abre(QStringLiteral("SELECT TABLE_NAME, COLUMN_NAME, DATA_TYPE FROM information_schema.COLUMNS "
                                          "WHERE TABLE_SCHEMA = DATABASE()"));
            while (rs->Avanza()) {
                const QString tipo = rs->Valor(2).Texto().toLower();
                f.Agrega(rs->Valor(0).Texto(), rs->Valor(1).Texto(),
                         tipo == u"date" || tipo == u"datetime" || tipo == u"timestamp");
            }
            fechas_ = std::move(f);
        }
        return ReescribeSumaFechas(sql, *fechas_, SumaDias::MySql);
    }

    SQLHSTMT Sentencia() {
        SQLHSTMT st = nullptr;
        Verifica(SQLAllocHandle(SQL_HANDLE_STMT, dbc_, &st), SQL_HANDLE_DBC, dbc_);
        return st;
    }

    // Runs one statement of the provider's own on the session; its failure ends the connection.
    void Orden(const QString& orden, const QString& porque) {
        SQLHSTMT st = Sentencia();
        const SQLRETURN rc = SQLExecDirectW(st, const_cast<SQLWCHAR*>(Ancho(orden)), SQLINTEGER(orden.size()));
        const QString mensaje = SQL_SUCCEEDED(rc) ? QString() : Diagnostico(SQL_HANDLE_STMT, st);
        SQLFreeHandle(SQL_HANDLE_STMT, st);
        if (!mensaje.isEmpty()) LanzaProveedor(porque + QStringLiteral(": ") + mensaje);
    }

    void OrdenesDeLectura() {
        const QString motivo = QStringLiteral("No se pudo abrir la lectura de solo consulta");
        if (dialecto_ == Dialecto::Postgres) {
            Orden(QStringLiteral("SET TRANSACTION ISOLATION LEVEL REPEATABLE READ, READ ONLY"), motivo);
        } else {
            Orden(QStringLiteral("SET TRANSACTION ISOLATION LEVEL REPEATABLE READ"), motivo);
            Orden(QStringLiteral("START TRANSACTION READ ONLY"), motivo);
        }
    }

    // The engine decides how quoted values are read. Quote doubling, the only escaping values
    // get, holds only where a backslash is an ordinary character, so the session is made so
    // before anything else is sent, or it is not used at all. Drivers may ignore the access
    // mode, so servers that have a read-only session get one too.
    void PreparaSesion() {
        SQLWCHAR nombre[128] = {0};
        SQLSMALLINT largo = 0;
        if (!SQL_SUCCEEDED(SQLGetInfoW(dbc_, SQL_DBMS_NAME, nombre, sizeof nombre, &largo))) return;
        const QString motor = DeAncho(nombre, std::min<qsizetype>(largo / 2, std::size(nombre) - 1)).toLower();
        const QString sinEscapes = QStringLiteral("No se pudo hacer que la barra invertida sea un carácter común");
        const QString soloLectura = QStringLiteral("No se pudo abrir una sesión de solo lectura");
        if (motor.contains(u"postgres")) {
            dialecto_ = Dialecto::Postgres;
            Orden(QStringLiteral("SET standard_conforming_strings = on"), sinEscapes);
            Orden(QStringLiteral("SET SESSION CHARACTERISTICS AS TRANSACTION READ ONLY"), soloLectura);
        } else if (motor.contains(u"mysql") || motor.contains(u"mariadb")) {
            dialecto_ = Dialecto::MySql;
            Orden(QStringLiteral("SET SESSION sql_mode = TRIM(BOTH ',' FROM CONCAT(@@SESSION.sql_mode, "
                                 "',NO_BACKSLASH_ESCAPES'))"),
                  sinEscapes);
            Orden(QStringLiteral("SET SESSION TRANSACTION READ ONLY"), soloLectura);
        }
    }

    SQLHENV env_ = nullptr;
    SQLHDBC dbc_ = nullptr;
    bool conectada_ = false;
    Dialecto dialecto_ = Dialecto::Estandar;
    std::optional<ColumnasFecha> fechas_;
};

}  // namespace

std::shared_ptr<Sesion> AbreSesionOdbc(const QString& cadena, const QString& usuario, const QString& clave) {
    QString completa = cadena;
    if (!usuario.isEmpty() || !clave.isEmpty()) {
        if (!completa.isEmpty() && !completa.endsWith(u';')) completa += u';';
        if (!usuario.isEmpty()) completa += QStringLiteral("UID={%1};").arg(usuario);
        if (!clave.isEmpty()) completa += QStringLiteral("PWD={%1};").arg(clave);
    }
    auto sesion = std::make_shared<SesionOdbc>();  // frees its handles on every path out
    sesion->Conecta(completa);
    return sesion;
}

}  // namespace ado::detalle
